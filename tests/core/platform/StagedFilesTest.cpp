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
        pages.Stage(QStringLiteral("c.htm"), "new c");
        const QList<StagedFiles::Failure> failures = pages.Finish();
        files.Heal();
        ASSERT_EQ(failures.size(), 1);
        EXPECT_EQ(failures[0].fileName, QStringLiteral("c.htm"));
        EXPECT_EQ(failures[0].error.number(), ErrorNumber::PathFileAccess);
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
        EXPECT_TRUE(pages.Finish().isEmpty());
        EXPECT_EQ(Entries(out).size(), 1);
    }
    EXPECT_TRUE(QDir(out).exists());
    EXPECT_TRUE(Entries(out).isEmpty());
    files.FillDisk();
    EXPECT_THROW(StagedFiles(files, dir.filePath(QStringLiteral("full"))), AppError);
}

TEST(StagedFiles, ManyMorePagesThanWaitAtOnceAllArriveWhole)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("out"));
    FaultyFiles files;
    files.FailWrites([](const QString& path) { return path.contains(QStringLiteral(".p077.htm")) ? ErrorNumber::PermissionDenied : 0; });
    StagedFiles pages(files, out);
    for (int k = 0; k < 300; ++k)
        pages.Stage(QStringLiteral("p%1.htm").arg(k, 3, 10, QLatin1Char('0')), QByteArray(1000 + k, char('a' + k % 26)));
    const QList<StagedFiles::Failure> failures = pages.Finish();
    files.Heal();
    ASSERT_EQ(failures.size(), 1);
    EXPECT_EQ(failures[0].fileName, QStringLiteral("p077.htm"));
    EXPECT_EQ(failures[0].error.number(), ErrorNumber::PermissionDenied);
    pages.Commit();
    const QStringList written = Entries(out);
    ASSERT_EQ(written.size(), 299);
    EXPECT_FALSE(written.contains(QStringLiteral("p077.htm")));
    EXPECT_EQ(ReadTestFile(out + QStringLiteral("/p299.htm")), QByteArray(1299, char('a' + 299 % 26)));
}
