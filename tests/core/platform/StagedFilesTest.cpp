// Pages staged beside their targets and put in place together.
#include "platform/StagedFiles.h"
#include "support/FaultyFiles.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QStringList Entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

}  // namespace

TEST(StagedFiles, TargetsChangeOnlyAtTheCommitAndAFailedPageLeavesNothing)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("out"));
    WriteTestFile(out + QStringLiteral("/b.htm"), "old b");
    WriteTestFile(out + QStringLiteral("/other.txt"), "not ours");
    FaultyFiles files;
    {
        StagedFiles pages(files, out);
        pages.Stage(QStringLiteral("a.htm"), "new a");
        pages.Stage(QStringLiteral("b.htm"), "new b");
        files.FailWrites([](const QString& path) { return path.contains(QStringLiteral(".c.htm")) ? ErrorNumber::PathFileAccess : 0; });
        EXPECT_THROW(pages.Stage(QStringLiteral("c.htm"), "new c"), AppError);
        files.Heal();
        EXPECT_EQ(ReadTestFile(out + QStringLiteral("/b.htm")), QByteArray("old b"));
        EXPECT_EQ(pages.StagedCount(), 2);
        pages.Commit();
    }
    EXPECT_EQ(Entries(out), (QStringList{"a.htm", "b.htm", "other.txt"}));
    EXPECT_EQ(ReadTestFile(out + QStringLiteral("/a.htm")), QByteArray("new a"));
    EXPECT_EQ(ReadTestFile(out + QStringLiteral("/b.htm")), QByteArray("new b"));
    EXPECT_EQ(ReadTestFile(out + QStringLiteral("/other.txt")), QByteArray("not ours"));
}

TEST(StagedFiles, PagesNotCommittedAreRemovedAndTheFolderIsMade)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("new/out"));
    FaultyFiles files;
    {
        StagedFiles pages(files, out);
        pages.Stage(QStringLiteral("a.htm"), "new a");
        EXPECT_EQ(Entries(out).size(), 1);
    }
    EXPECT_TRUE(QDir(out).exists());
    EXPECT_TRUE(Entries(out).isEmpty());
    files.FillDisk();
    EXPECT_THROW(StagedFiles(files, dir.filePath(QStringLiteral("full"))), AppError);
}
