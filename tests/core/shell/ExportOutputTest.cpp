// What --export writes to, run as a real process: never the template itself, never a file of
// another letter case, never over a FIFO or a device, never a truncated file on a full disk, and
// nothing blocks on a FIFO or reads a huge file whole.
#include "support/ProgramRun.h"
#include "support/SpecialFiles.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QByteArray kTemplate = "<h1>[VarKit! Title=Lamp]</h1>\r\n";

struct Folder {
    QTemporaryDir dir;
    QString Path(const QString& name) const { return dir.filePath(name); }
    QString Write(const QString& name, const QByteArray& bytes) const { return WriteTestFile(Path(name), bytes); }
    QByteArray Read(const QString& name) const { return ReadTestFile(Path(name)); }
};

}  // namespace

TEST(ExportOutput, NeverReplacesItsOwnTemplate)
{
    Folder f;
    const QString tpl = f.Write(QStringLiteral("t.tpl"), kTemplate);
    ASSERT_TRUE(QFile::link(tpl, f.Path(QStringLiteral("link.htm"))));
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(f.dir.path()));
    for (const QString& out : {tpl, QStringLiteral("./T.TPL"), f.Path(QStringLiteral("link.htm"))}) {
        const ProgramRun run = RunVarkit({QStringLiteral("--export"), out, tpl});
        EXPECT_EQ(run.exitCode, 2) << out.toStdString();
        EXPECT_TRUE(run.err.contains("is the template itself")) << run.err.constData();
        EXPECT_EQ(f.Read(QStringLiteral("t.tpl")), kTemplate);
    }
    QDir::setCurrent(before);
}

TEST(ExportOutput, TheNameGivenIsWrittenExactly)
{
    Folder f;
    const QString tpl = f.Write(QStringLiteral("t.tpl"), kTemplate);
    f.Write(QStringLiteral("Listing.htm"), "someone else's page");
    const ProgramRun run = RunVarkit({QStringLiteral("--export"), f.Path(QStringLiteral("listing.htm")), tpl});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(f.Read(QStringLiteral("Listing.htm")), QByteArray("someone else's page"));
    EXPECT_TRUE(f.Read(QStringLiteral("listing.htm")).startsWith("<h1>Lamp</h1>"));
}

TEST(ExportOutput, AFullDiskOrASpecialFileLeavesTheOutputAlone)
{
    Folder f;
    // An export large enough that its last part is written only when the file is closed, from a
    // template small enough for its scratch copy to fit.
    f.Write(QStringLiteral("big.htm"), QByteArray(12000, 'x'));
    const QString tpl = f.Write(QStringLiteral("t.tpl"), kTemplate + "[VarKit+ Body=big.htm]");
    const QString out = f.Write(QStringLiteral("out.htm"), "previous export");
    const ProgramRun full = RunVarkitOnAFullDisk({QStringLiteral("--export"), out, tpl}, 8192);
    EXPECT_EQ(full.exitCode, 2);
    EXPECT_TRUE(full.err.contains("File Error: File Save Error. \r\n" + out.toUtf8())) << full.err.constData();
    EXPECT_EQ(f.Read(QStringLiteral("out.htm")), QByteArray("previous export"));
    EXPECT_EQ(QDir(f.dir.path()).entryList(QDir::Files).size(), 3);  // no save file left behind

    QStringList special{f.Path(QStringLiteral("fifo.htm"))};
    ASSERT_TRUE(MakeFifo(special[0]));
    if (MakeNullDevice(f.Path(QStringLiteral("null.htm"))))
        special << f.Path(QStringLiteral("null.htm"));
    for (const QString& path : special) {
        const ProgramRun run = RunVarkit({QStringLiteral("--export"), path, tpl});
        EXPECT_EQ(run.exitCode, 2) << path.toStdString();
        EXPECT_FALSE(QFileInfo(path).isFile()) << "replaced by a regular file: " << path.toStdString();
    }
}

TEST(ExportOutput, FifosAndHugeFilesEndInAMessageNotAHang)
{
    Folder f;
    const QString out = f.Path(QStringLiteral("out.htm"));
    const QString fifo = f.Path(QStringLiteral("fifo.tpl"));
    ASSERT_TRUE(MakeFifo(fifo));
    const ProgramRun fromFifo = RunVarkit({QStringLiteral("--export"), out, fifo});
    EXPECT_EQ(fromFifo.exitCode, 2);
    EXPECT_TRUE(fromFifo.err.contains("Fetch Template Error: File not found. Check file name or path."));

    const QString huge = f.Path(QStringLiteral("huge.tpl"));
    ASSERT_TRUE(MakeSparseFile(huge, 400LL * 1024 * 1024));
    const ProgramRun fromHuge = RunVarkit({QStringLiteral("--export"), out, huge});
    EXPECT_EQ(fromHuge.exitCode, 2);
    EXPECT_TRUE(fromHuge.err.contains("The template exceeds the 64K size limit.")) << fromHuge.err.constData();

    // An include that is a FIFO or a device opens as no file; its place stays empty.
    ASSERT_TRUE(MakeFifo(f.Path(QStringLiteral("inc.htm"))));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), f.Path(QStringLiteral("zero.htm"))));
    const QString tpl = f.Write(QStringLiteral("t.tpl"), "<p>[VarKit+ A=inc.htm][VarKit+ B=zero.htm]</p>");
    const ProgramRun withIncludes = RunVarkit({QStringLiteral("--export"), out, tpl});
    EXPECT_EQ(withIncludes.exitCode, 0) << withIncludes.err.constData();
    EXPECT_EQ(withIncludes.err.count("Include File Error: Included File was not found and was skipped."), 2);
    EXPECT_TRUE(ReadTestFile(out).startsWith("<p></p>"));
}
