// The --export tool, run as a real process on the built program.
#include "support/TestFiles.h"
#include "support/ProgramRun.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Folder {
    QTemporaryDir dir;
    QString Write(const QString& name, const QByteArray& bytes) const
    {
        return WriteTestFile(dir.filePath(name), bytes);
    }
    QByteArray Read(const QString& name) const
    {
        return ReadTestFile(dir.filePath(name));
    }
    QString Path(const QString& name) const { return dir.filePath(name); }
};

const QByteArray kListing =
    "<h1>[VarKit! Title=Lamp]</h1>[VarKit Condition=New||Used]"
    "<VarKit Gift wrap=false>[VarKit Wrap=paper]</VarKit>[VarKit Colour=Red|Blue]";

}  // namespace

TEST(ExportCommand, AppliesValuesSelectionsAndSectionsThenWritesThePage)
{
    Folder f;
    const QString tpl = f.Write(QStringLiteral("listing.tpl"), kListing);
    const ProgramRun run = RunVarkit({QStringLiteral("--export"), f.Path(QStringLiteral("out.htm")), tpl,
                                      QStringLiteral("--set"), QStringLiteral(" title =Brass Lamp=Old"),
                                      QStringLiteral("--set"), QStringLiteral("condition=new"),
                                      QStringLiteral("--include"), QStringLiteral("GIFT WRAP=yes"),
                                      QStringLiteral("--set"), QStringLiteral("@6=Blue")});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(f.Read(QStringLiteral("out.htm")),
              QByteArray("<h1>Brass Lamp=Old</h1>newpaperBlue\r\n\r\n<!-- [ VarKit assisted ] -->\r\n\r\n"));

    const ProgramRun fields = RunVarkit({QStringLiteral("--export"), f.Path(QStringLiteral("plain.htm")), tpl});
    ASSERT_EQ(fields.exitCode, 0);
    EXPECT_EQ(f.Read(QStringLiteral("plain.htm")),
              QByteArray("<h1>Lamp</h1>UsedRed\r\n\r\n<!-- [ VarKit assisted ] -->\r\n\r\n"));
}

TEST(ExportCommand, AnythingWrongLeavesTheOutputAlone)
{
    Folder f;
    const QString tpl = f.Write(QStringLiteral("listing.tpl"), kListing);
    const QString out = f.Write(QStringLiteral("out.htm"), "previous export");
    const QList<QStringList> wrong = {
        {QStringLiteral("--set"), QStringLiteral("Nothing=1")},
        {QStringLiteral("--set"), QStringLiteral("@99=1")},
        {QStringLiteral("--set"), QStringLiteral("@x=1")},
        {QStringLiteral("--set"), QStringLiteral("no equals sign")},
        {QStringLiteral("--set")},
        {QStringLiteral("--include"), QStringLiteral("Gift wrap=maybe")},
        {QStringLiteral("--include"), QStringLiteral("Nowhere=yes")},
        {QStringLiteral("--frobnicate")},
    };
    for (const QStringList& extra : wrong) {
        const ProgramRun run = RunVarkit(QStringList{QStringLiteral("--export"), out, tpl} + extra);
        EXPECT_EQ(run.exitCode, 2) << extra.join(' ').toStdString();
        EXPECT_FALSE(run.err.isEmpty());
        EXPECT_EQ(f.Read(QStringLiteral("out.htm")), QByteArray("previous export"));
    }
    const ProgramRun missing = RunVarkit({QStringLiteral("--export"), out, f.Path(QStringLiteral("none.tpl"))});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_TRUE(missing.err.contains("Fetch Template Error: File not found. Check file name or path."));
    const ProgramRun unwritable = RunVarkit(
        {QStringLiteral("--export"), f.Path(QStringLiteral("no/such/folder/out.htm")), tpl});
    EXPECT_EQ(unwritable.exitCode, 2);
    EXPECT_TRUE(unwritable.err.contains("could not write"));
    const ProgramRun failing = RunVarkit(
        {QStringLiteral("--export"), out, f.Write(QStringLiteral("bad.tpl"), "[VarKit(7~0]")});
    EXPECT_EQ(failing.exitCode, 2);
    EXPECT_TRUE(failing.err.contains("Make HTML: Error 11: Division by zero"));
    EXPECT_EQ(f.Read(QStringLiteral("out.htm")), QByteArray("previous export"));
}

TEST(ExportCommand, WritesInTheTemplatesEncodingAndReportsBoxes)
{
    Folder f;
    const QString tpl = f.Write(QStringLiteral("cp.tpl"), "<p>\x93[VarKit Name=Caf\xE9]\x94 [VarKit+ Inc=none.htm]</p>");
    const ProgramRun run = RunVarkit({QStringLiteral("--export"), f.Path(QStringLiteral("cp.htm")), tpl,
                                      QStringLiteral("--set"), QString::fromUtf8("Name=\xE2\x82\xAC 5 \xE6\x97\xA5")});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(f.Read(QStringLiteral("cp.htm")),
              QByteArray("<p>\x93\x80 5 &#26085;\x94 </p>\r\n\r\n<!-- [ VarKit assisted ] -->\r\n\r\n"));
    EXPECT_TRUE(run.err.contains("Include File Error: Included File was not found and was skipped."));
}

TEST(ExportCommand, PagesKeepTheirBytesAndGetValuesInTheirOwnEncoding)
{
    const QByteArray ending = "\r\n\r\n<!-- [ VarKit assisted ] -->\r\n\r\n";
    QByteArray utf16Page("\xFF\xFE", 2);
    QByteArray utf16Ending;
    for (char c : QByteArray("<p>x</p>"))
        utf16Page += QByteArray(1, c) + QByteArray(1, '\0');
    for (char c : ending)
        utf16Ending += QByteArray(1, c) + QByteArray(1, '\0');
    struct Case {
        const char* what;
        QByteArray page;
        QByteArray expected;
    };
    const QList<Case> cases = {
        {"ASCII page declaring UTF-8", "<meta charset=\"utf-8\"><p>[VarKit Name=x]</p>",
         "<meta charset=\"utf-8\"><p>Caf\xC3\xA9 \xE2\x80\x93 \xE2\x82\xAC" "5</p>" + ending},
        {"EUC-KR page", "<meta charset=euc-kr><p>[VarKit Name=x]</p>",
         "<meta charset=euc-kr><p>Caf&#233; &#8211; \xA2\xE6" "5</p>" + ending},
        {"UTF-16 page", utf16Page, utf16Page + utf16Ending},
        {"two UTF-8 byte order marks", "\xEF\xBB\xBF\xEF\xBB\xBF<p>x</p>", "\xEF\xBB\xBF\xEF\xBB\xBF<p>x</p>" + ending},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Folder f;
        const QString tpl = f.Write(QStringLiteral("page.htm"), c.page);
        QStringList arguments = {QStringLiteral("--export"), f.Path(QStringLiteral("out.htm")), tpl};
        if (c.page.contains("[VarKit"))
            arguments << QStringLiteral("--set") << QString::fromUtf8("Name=Caf\xC3\xA9 \xE2\x80\x93 \xE2\x82\xAC" "5");
        const ProgramRun run = RunVarkit(arguments);
        EXPECT_EQ(f.Read(QStringLiteral("out.htm")), c.expected) << run.err.constData();
    }
}

TEST(ExportCommand, ATotalOfAValueThatIsNotANumberIsReported)
{
    Folder f;
    const QString tpl = f.Write(QStringLiteral("total.tpl"), "[VarKit?price: Price=1]<p>[VarKit(price+1]</p>");
    const ProgramRun run = RunVarkit({QStringLiteral("--export"), f.Path(QStringLiteral("out.htm")), tpl,
                                      QStringLiteral("--set"), QStringLiteral("Price=1,299.00")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.err.contains("Missing Value: A field that expected a number is set to zero")) << run.err.constData();
}

TEST(ExportCommand, EveryLineBreakMixPassesThroughByteForByte)
{
    const QByteArray ending = "\r\n\r\n<!-- [ VarKit assisted ] -->\r\n\r\n";
    const QList<QByteArray> pages = {
        "<p>a</p>\r<p>b</p>\r",
        "<p>a</p>\r\r\n<p>b</p>",
        "<p>a</p>\r\n<p>b</p>\n<p>c</p>\r\n",
        "<html>\n<p>[VarKit Name=x]</p>\n</html>\n",
        "<meta charset=utf-8>\xE2\x80\xA9|\xEF\xB7\x90|\xEF\xB7\x91|\n\r",
    };
    for (const QByteArray& page : pages) {
        SCOPED_TRACE(page.toHex().toStdString());
        Folder f;
        const QString tpl = f.Write(QStringLiteral("page.htm"), page);
        const ProgramRun run = RunVarkit({QStringLiteral("--export"), f.Path(QStringLiteral("out.htm")), tpl});
        ASSERT_EQ(run.exitCode, 0) << run.err.constData();
        QByteArray expected = page;
        expected.replace("[VarKit Name=x]", "x");
        EXPECT_EQ(f.Read(QStringLiteral("out.htm")), expected + ending);
    }
}

TEST(ExportCommand, GoesOnWhereTheWindowGoesOnAndTakesTheUsualConventions)
{
    Folder f;
    QByteArray rows;
    for (int i = 1; i <= 80; ++i)
        rows += "[VarKit Field " + QByteArray::number(i) + "=v" + QByteArray::number(i) + "]";
    const ProgramRun tall = RunVarkit({QStringLiteral("--export"), f.Path(QStringLiteral("tall.htm")), f.Write(QStringLiteral("tall.tpl"), rows),
                                       QStringLiteral("--set"), QStringLiteral("Field 80=last")});
    EXPECT_EQ(tall.exitCode, 0);
    EXPECT_TRUE(tall.err.contains("Add Template Fields: Error 6: Overflow")) << tall.err.constData();
    EXPECT_TRUE(f.Read(QStringLiteral("tall.htm")).startsWith("v1v2v3"));
    EXPECT_TRUE(f.Read(QStringLiteral("tall.htm")).contains("v79last\r\n"));

    const QString tpl = f.Write(QStringLiteral("listing.tpl"), kListing);
    const ProgramRun out = RunVarkit({QStringLiteral("--export"), QStringLiteral("-"), tpl, QStringLiteral("--include"),
                                      QStringLiteral("Gift wrap=TRUE"), QStringLiteral("--set"), QStringLiteral("Title=x")});
    EXPECT_EQ(out.exitCode, 0);
    EXPECT_EQ(out.out, QByteArray("<h1>x</h1>UsedpaperRed\r\n\r\n<!-- [ VarKit assisted ] -->\r\n\r\n"));
    EXPECT_FALSE(QFile::exists(f.Path(QStringLiteral("-"))));
}
