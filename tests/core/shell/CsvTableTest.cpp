// Reading tables as spreadsheets write them.
#include "shell/CsvTable.h"

#include <gtest/gtest.h>

namespace {

struct Read {
    std::optional<CsvTable> table;
    QString error;
};

Read Parse(const QByteArray& bytes)
{
    Read read;
    read.table = ParseCsv(DecodeCsvBytes(bytes), read.error);
    return read;
}

}  // namespace

TEST(CsvTable, ReadsWhatSpreadsheetsWrite)
{
    struct Case {
        const char* what;
        QByteArray bytes;
        QStringList header;
        QList<QStringList> rows;
        QList<int> lines;
    };
    const QList<Case> cases = {
        {"plain, LF", "a,b\n1,2\n3,4\n", {"a", "b"}, {{"1", "2"}, {"3", "4"}}, {2, 3}},
        {"CR LF, no break at the end", "a,b\r\n1,2\r\n3,4", {"a", "b"}, {{"1", "2"}, {"3", "4"}}, {2, 3}},
        {"lone CR", "a,b\r1,2\r", {"a", "b"}, {{"1", "2"}}, {2}},
        {"quoted separator and doubled quotes", "a,b\n\"x, \"\"y\"\"\",2\n", {"a", "b"}, {{"x, \"y\"", "2"}}, {2}},
        {"line breaks inside quotes count as lines", "a,b\n\"one\r\ntwo\",2\n3,\"x\ny\"\n5,6\n", {"a", "b"},
         {{"one\r\ntwo", "2"}, {"3", "x\ny"}, {"5", "6"}}, {2, 4, 6}},
        {"empty and quoted empty fields", "a,b,c\n,\"\",\n", {"a", "b", "c"}, {{"", "", ""}}, {2}},
        {"blank lines hold no row", "a\n\n1\r\n\r\n2\n", {"a"}, {{"1"}, {"2"}}, {3, 5}},
        {"semicolons when the header has more of them", "Title;Price\n\"a;b\";1,50\n", {"Title", "Price"},
         {{"a;b", "1,50"}}, {2}},
        {"UTF-8 byte order mark", "\xEF\xBB\xBFName\nCaf\xC3\xA9\n", {"Name"}, {{QString::fromUtf8("Caf\xC3\xA9")}}, {2}},
        {"windows-1252 bytes", "Name\nCaf\xE9 \x80\x93\n", {"Name"}, {{QString::fromUtf8("Caf\xC3\xA9 \xE2\x82\xAC\xE2\x80\x9C")}}, {2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Read read = Parse(c.bytes);
        ASSERT_TRUE(read.table) << read.error.toStdString();
        EXPECT_EQ(read.table->header, c.header);
        ASSERT_EQ(read.table->rows.size(), c.rows.size());
        for (qsizetype i = 0; i < c.rows.size(); ++i) {
            EXPECT_EQ(read.table->rows[i].fields, c.rows[i]);
            EXPECT_EQ(read.table->rows[i].line, c.lines[i]);
        }
    }
}

TEST(CsvTable, AMalformedRowNamesItsLine)
{
    const QList<std::pair<QByteArray, QString>> cases = {
        {"a,b\n1,2\n\"open,3\n4,5\n", QStringLiteral("line 3: a quoted field is not closed")},
        {"a,b\n1,2\n\"x\"y,3\n", QStringLiteral("line 3: text after the closing quote of a field")},
        {"a,b\n1,2\n12\" ruler,3\n", QStringLiteral("line 3: a quote inside a field that does not start with one")},
        {"a,b\n1,2\n\"multi\nline\",2\n1,2,3\n", QStringLiteral("line 5: 3 fields where the header has 2")},
        {"a,b\n1\n", QStringLiteral("line 2: 1 fields where the header has 2")},
        {"\n\r\n", QStringLiteral("line 1: no header line naming the fields")},
    };
    for (const auto& [bytes, message] : cases) {
        const Read read = Parse(bytes);
        EXPECT_FALSE(read.table) << bytes.constData();
        EXPECT_EQ(read.error, message);
    }
}
