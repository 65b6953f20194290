// The --batch tool, run as a real process on the built program.
#include "support/ProgramRun.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QByteArray kEnding = "\r\n\r\n<!-- [ VarKit assisted ] -->\r\n\r\n";

const QByteArray kListing =
    "<h1>[VarKit! Title=Lamp]</h1>[VarKit?d: Divisor=2]<p>[VarKit(10~d]</p>"
    "<VarKit Gift=true>[VarKit Wrap=paper]</VarKit>[VarKit+ Extra=part.htm]";

struct Folder {
    QTemporaryDir dir;
    QString Write(const QString& name, const QByteArray& bytes) const { return WriteTestFile(dir.filePath(name), bytes); }
    QByteArray Read(const QString& name) const { return ReadTestFile(dir.filePath(name)); }
    QString Path(const QString& name) const { return dir.filePath(name); }
    QStringList Entries(const QString& folder) const
    {
        return QDir(Path(folder)).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }
};

ProgramRun Batch(const Folder& f, const QByteArray& rows, const QStringList& extra = {})
{
    return RunVarkit(QStringList{QStringLiteral("--batch"), f.Write(QStringLiteral("rows.csv"), rows), QStringLiteral("--out-dir"),
                                 f.Path(QStringLiteral("out")), f.Path(QStringLiteral("listing.tpl"))}
                     + extra);
}

}  // namespace

TEST(BatchCommand, WritesOnePagePerRowAsTheExportWouldWithTheSameValues)
{
    Folder f;
    f.Write(QStringLiteral("listing.tpl"), kListing);
    f.Write(QStringLiteral("part.htm"), "<i>part</i>");
    f.Write(QStringLiteral("out/keep.txt"), "not the batch's");
    const QByteArray rows = "\xEF\xBB\xBFTitle;Divisor;include:gift\r\n"
                            "\"Brass; \"\"old\"\"\r\nlamp\";3;false\r\n"
                            "a/b:c;4;TRUE\r\n"
                            ";5;\r\n"
                            "\"Brass; \"\"old\"\"\r\nlamp\";6;no\r\n";
    const ProgramRun run = Batch(f, rows, {QStringLiteral("--name"), QStringLiteral("title")});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(f.Entries(QStringLiteral("out")),
              (QStringList{"0003.htm", "Brass; _old___lamp-2.htm", "Brass; _old___lamp.htm", "a_b_c.htm", "keep.txt"}));
    EXPECT_EQ(f.Read(QStringLiteral("out/keep.txt")), QByteArray("not the batch's"));
    EXPECT_EQ(f.Read(QStringLiteral("out/a_b_c.htm")), "<h1>a/b:c</h1><p>2</p>paper<i>part</i>" + kEnding);
    EXPECT_EQ(f.Read(QStringLiteral("out/0003.htm")), "<h1></h1><p>0</p>paper<i>part</i>" + kEnding);

    const ProgramRun one = RunVarkit({QStringLiteral("--export"), f.Path(QStringLiteral("one.htm")), f.Path(QStringLiteral("listing.tpl")),
                                      QStringLiteral("--set"), QStringLiteral("Title=Brass; \"old\"\r\nlamp"),
                                      QStringLiteral("--set"), QStringLiteral("Divisor=3"),
                                      QStringLiteral("--include"), QStringLiteral("gift=false")});
    ASSERT_EQ(one.exitCode, 0) << one.err.constData();
    EXPECT_EQ(f.Read(QStringLiteral("out/Brass; _old___lamp.htm")), f.Read(QStringLiteral("one.htm")));
    EXPECT_EQ(f.Read(QStringLiteral("out/Brass; _old___lamp-2.htm")),
              "<h1>Brass; \"old\"\r\nlamp</h1><p>4</p><i>part</i>" + kEnding);
}

TEST(BatchCommand, AFailingRowIsListedAndTheOthersAreWritten)
{
    Folder f;
    f.Write(QStringLiteral("listing.tpl"), kListing);
    f.Write(QStringLiteral("part.htm"), "<i>part</i>");
    const ProgramRun run = Batch(f, "Title,Divisor,Extra\nA,2,part.htm\nB,0,part.htm\nC,2,gone.htm\nD,3,part.htm\n");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(f.Entries(QStringLiteral("out")), (QStringList{"0001.htm", "0004.htm"}));
    EXPECT_EQ(f.Read(QStringLiteral("out/0004.htm")), "<h1>D</h1><p>1</p>paper<i>part</i>" + kEnding);
    EXPECT_TRUE(run.err.contains("varkit: row 2 (line 3) was not written: Make HTML: Error 11: Division by zero"))
        << run.err.constData();
    EXPECT_TRUE(run.err.contains("varkit: row 3 (line 4) was not written: Include File Error: Included File was not found"));
    EXPECT_FALSE(run.err.contains("row 1"));
}

TEST(BatchCommand, WhatCannotBeginWritesNothing)
{
    Folder f;
    f.Write(QStringLiteral("listing.tpl"), kListing);
    const QList<std::pair<QByteArray, QByteArray>> cases = {
        {"Title,Colour\nA,red\n", "rows.csv: --set Colour: no field has that prompt"},
        {"Title,include:Wrapping\nA,yes\n", "rows.csv: --include Wrapping: no section has that name"},
        {"Title,\nA,\n", "rows.csv: column 2 has no heading naming a field"},
        {"Title\nA\n\"B\n", "rows.csv, line 3: a quoted field is not closed"},
    };
    for (const auto& [rows, message] : cases) {
        const ProgramRun run = Batch(f, rows);
        EXPECT_EQ(run.exitCode, 2) << rows.constData();
        EXPECT_TRUE(run.err.contains(message)) << run.err.constData();
        EXPECT_FALSE(QDir(f.Path(QStringLiteral("out"))).exists());
    }
    const ProgramRun noName = Batch(f, "Title\nA\n", {QStringLiteral("--name"), QStringLiteral("Sku")});
    EXPECT_EQ(noName.exitCode, 2);
    EXPECT_TRUE(noName.err.contains("--name Sku: no column has that heading"));
    const ProgramRun noTemplate = RunVarkit({QStringLiteral("--batch"), f.Path(QStringLiteral("rows.csv")), QStringLiteral("--out-dir"),
                                             f.Path(QStringLiteral("out")), f.Path(QStringLiteral("none.tpl"))});
    EXPECT_EQ(noTemplate.exitCode, 2);
    const ProgramRun noTable = RunVarkit({QStringLiteral("--batch"), f.Path(QStringLiteral("none.csv")), QStringLiteral("--out-dir"),
                                          f.Path(QStringLiteral("out")), f.Path(QStringLiteral("listing.tpl"))});
    EXPECT_EQ(noTable.exitCode, 2);
    EXPECT_FALSE(QDir(f.Path(QStringLiteral("out"))).exists());
}
