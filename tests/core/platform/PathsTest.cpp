// Paths in their Windows form: both separators, and components matched ignoring case when a
// path does not exist as written.
#include "support/TestFiles.h"
#include "platform/DiskFileOps.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "support/FakeScannerHost.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

DiskFileOps disk;

QString ReadText(const QString& path)
{
    return ReadTextFile(disk, path, 1 << 20).text;
}

void PutFile(const QString& path, const QByteArray& bytes)
{
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QByteArray GetFile(const QString& path)
{
    return ReadTestFile(path);
}

QStringList Entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

// A program folder, ending in its separator as ProgramFolder does.
class ProgramFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        folder = dir.path() + QLatin1Char('/');
    }
    QTemporaryDir dir;
    QString folder;
};

}  // namespace

TEST(Paths, BackslashesBecomeSlashes)
{
    EXPECT_EQ(ToNativeSeparators(QStringLiteral("templates\\Start_Here.TPL")), QStringLiteral("templates/Start_Here.TPL"));
    EXPECT_EQ(ToNativeSeparators(QStringLiteral("a/b\\c\\")), QStringLiteral("a/b/c/"));
    EXPECT_EQ(ToNativeSeparators(QStringLiteral("/abs/path.htm")), QStringLiteral("/abs/path.htm"));
    EXPECT_EQ(ToNativeSeparators(QString()), QString());
}

TEST_F(ProgramFolder, StoredPathBelowTheProgramFolder)
{
    PutFile(folder + QStringLiteral("templates/Start_Here.TPL"), QByteArray("[VarKit Title=Start]"));
    const QString stored = QStringLiteral("templates\\Start_Here.TPL");
    EXPECT_TRUE(FileExists(folder + stored));
    EXPECT_EQ(ResolvePath(folder + stored), folder + QStringLiteral("templates/Start_Here.TPL"));
    EXPECT_EQ(ReadText(folder + stored), QStringLiteral("[VarKit Title=Start]"));
    EXPECT_TRUE(FolderExists(folder + QStringLiteral("templates\\")));
    EXPECT_TRUE(FolderExists(folder + QStringLiteral("templates")));
    // The other separator, and a mixture, name the same file.
    EXPECT_TRUE(FileExists(folder + QStringLiteral("templates/Start_Here.TPL")));
    EXPECT_TRUE(FileExists(dir.path() + QStringLiteral("\\templates\\Start_Here.TPL")));
    // A file is not a folder, nor a folder a file.
    EXPECT_FALSE(FolderExists(folder + stored));
    EXPECT_FALSE(FileExists(folder + QStringLiteral("templates\\")));
    EXPECT_FALSE(FileExists(QString()));
    EXPECT_FALSE(FolderExists(QString()));
}

TEST_F(ProgramFolder, ComponentsMatchIgnoringCase)
{
    PutFile(folder + QStringLiteral("Templates/start_here.tpl"), QByteArray("lower"));
    const QString stored = folder + QStringLiteral("TEMPLATES\\Start_Here.TPL");
    EXPECT_TRUE(FileExists(stored));
    EXPECT_TRUE(FolderExists(folder + QStringLiteral("templates\\")));
    EXPECT_EQ(ResolvePath(stored), folder + QStringLiteral("Templates/start_here.tpl"));
    EXPECT_EQ(ReadText(stored), QStringLiteral("lower"));
    EXPECT_EQ(LongPathName(stored), QFileInfo(folder + QStringLiteral("Templates/start_here.tpl")).canonicalFilePath());
    // Only the case may differ.
    EXPECT_FALSE(FileExists(folder + QStringLiteral("templates\\Start-Here.TPL")));
    EXPECT_TRUE(LongPathName(folder + QStringLiteral("templates\\Start-Here.TPL")).isEmpty());
}

TEST_F(ProgramFolder, WriteLandsOnTheFileOfAnotherCaseInANestedFolder)
{
    const QString onDisk = folder + QStringLiteral("site/Parts/inc/header.htm");
    PutFile(onDisk, QByteArray("<h1>old</h1>"));
    WriteTextFile(disk, ResolvePath(folder + QStringLiteral("SITE\\parts\\Inc\\Header.HTM")), QStringLiteral("<h1>new</h1>"), TextEncoding::Utf8);
    EXPECT_EQ(GetFile(onDisk), QByteArray("<h1>new</h1>"));
    EXPECT_EQ(Entries(folder + QStringLiteral("site/Parts/inc")), QStringList{QStringLiteral("header.htm")});
    EXPECT_EQ(Entries(folder), QStringList{QStringLiteral("site")});

    // A new file goes into the existing folder of another case, under the name as written.
    WriteTextFile(disk, ResolvePath(folder + QStringLiteral("Site\\PARTS\\inc\\Footer.htm")), QStringLiteral("<p>foot</p>"), TextEncoding::Utf8);
    EXPECT_EQ(Entries(folder + QStringLiteral("site/Parts/inc")), (QStringList{QStringLiteral("Footer.htm"), QStringLiteral("header.htm")}));
    EXPECT_EQ(GetFile(folder + QStringLiteral("site/Parts/inc/Footer.htm")), QByteArray("<p>foot</p>"));
}

TEST_F(ProgramFolder, NameAsWrittenWinsOverAnotherCase)
{
    PutFile(folder + QStringLiteral("a/Item.htm"), QByteArray("upper"));
    PutFile(folder + QStringLiteral("a/item.htm"), QByteArray("lower"));
    if (Entries(folder + QStringLiteral("a")).size() != 2)
        GTEST_SKIP() << "this file system ignores case";
    EXPECT_EQ(ReadText(folder + QStringLiteral("a\\item.htm")), QStringLiteral("lower"));
    EXPECT_EQ(ReadText(folder + QStringLiteral("a\\Item.htm")), QStringLiteral("upper"));
}

TEST_F(ProgramFolder, MissingPaths)
{
    PutFile(folder + QStringLiteral("Templates/one.tpl"), QByteArray("1"));
    // What does not exist stays as written, after the folders that do.
    EXPECT_EQ(ResolvePath(folder + QStringLiteral("templates\\two.tpl")), folder + QStringLiteral("Templates/two.tpl"));
    EXPECT_EQ(ResolvePath(folder + QStringLiteral("nowhere\\Two\\three.tpl")), folder + QStringLiteral("nowhere/Two/three.tpl"));
    EXPECT_EQ(ResolvePath(QStringLiteral("no\\such\\relative.tpl")), QStringLiteral("no/such/relative.tpl"));
    EXPECT_FALSE(FileExists(folder + QStringLiteral("templates\\two.tpl")));
    EXPECT_FALSE(FolderExists(folder + QStringLiteral("nowhere")));
    EXPECT_EQ(ResolvePath(QString()), QString());
}

TEST(Paths, ATildeStandsForTheHomeFolderAsAShellExpandsIt)
{
    const QString home = QDir::homePath();
    EXPECT_EQ(ExpandHome(QStringLiteral("~")), home);
    EXPECT_EQ(ExpandHome(QStringLiteral("~/shop/a.tpl")), home + QStringLiteral("/shop/a.tpl"));
    for (const char* unchanged : {"~ann/a.tpl", "/srv/~/a.tpl", "a~/b.tpl", "templates\\~a.tpl", ""})
        EXPECT_EQ(ExpandHome(QString::fromUtf8(unchanged)), QString::fromUtf8(unchanged));
}

TEST_F(ProgramFolder, AScopeListsAFolderOnceAndOnlyForAMissingName)
{
    PutFile(folder + QStringLiteral("Art/Red.gif"), QByteArray("r"));
    FolderListingScope scope;
    EXPECT_EQ(ResolvePath(folder + QStringLiteral("Art/Red.gif")), folder + QStringLiteral("Art/Red.gif"));
    EXPECT_EQ(scope.FoldersListed(), 0);  // the name as written exists

    for (const char* name : {"art/red.gif", "ART/RED.GIF", "art/blue.gif", "Art/none.gif"})
        ResolvePath(folder + QString::fromLatin1(name));
    EXPECT_EQ(scope.FoldersListed(), 2);  // the program folder for "art", then Art itself
    EXPECT_EQ(ResolvePath(folder + QStringLiteral("art\\RED.gif")), folder + QStringLiteral("Art/Red.gif"));

    // A file the program writes meanwhile is found under another case.
    WriteTextFile(disk, folder + QStringLiteral("Art/Blue.gif"), QStringLiteral("b"), TextEncoding::Utf8);
    EXPECT_EQ(ResolvePath(folder + QStringLiteral("art/blue.gif")), folder + QStringLiteral("Art/Blue.gif"));
}
