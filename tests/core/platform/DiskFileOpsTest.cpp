// The file operations on the real disk: a full disk never costs the old file, special files are
// refused instead of hanging or being replaced, reads stop at their limit, and the copies the
// designer files need.
#include "platform/AppError.h"
#include "platform/DiskFileOps.h"
#include "support/ErrorOf.h"
#include "support/SpecialFiles.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

namespace {

QStringList Entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// The bytes this process has read from files so far, as the kernel counts them; -1 where it
// does not say.
qint64 BytesReadSoFar()
{
    QFile io(QStringLiteral("/proc/self/io"));
    if (!io.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : io.readAll().split('\n'))
        if (line.startsWith("rchar:"))
            return line.mid(6).trimmed().toLongLong();
    return -1;
}

struct Folder {
    QTemporaryDir dir;
    DiskFileOps files;
    QString Path(const QString& name) const { return dir.filePath(name); }
};

}  // namespace

TEST(DiskFileOps, AFullDiskKeepsTheOldFile)
{
    Folder f;
    const QString path = f.Path(QStringLiteral("listing.htm"));
    const QString source = WriteTestFile(f.Path(QStringLiteral("big.htm")), QByteArray(12000, 'n'));
    // Small enough for the last bytes to stay in the write buffer until the commit.
    const QByteArray bigger(12000, 'n');
    const QList<std::pair<const char*, std::function<void()>>> writes = {
        {"write", [&] { f.files.Write(path, bigger); }},
        {"copy", [&] { f.files.Copy(source, path); }},
    };
    for (const auto& [name, write] : writes) {
        SCOPED_TRACE(name);
        WriteTestFile(path, "<p>the old page</p>");
        {
            const FileSizeLimit fullDisk(8192);
            EXPECT_EQ(ErrorOf(write), ErrorNumber::PathFileAccess);
        }
        EXPECT_EQ(ReadTestFile(path), QByteArray("<p>the old page</p>"));
        EXPECT_EQ(Entries(f.dir.path()), (QStringList{QStringLiteral("big.htm"), QStringLiteral("listing.htm")}));
    }
    // A scratch copy is written in place, but a short write still says so.
    const FileSizeLimit fullDisk(8192);
    EXPECT_EQ(ErrorOf([&] { f.files.WriteScratch(f.Path(QStringLiteral("~varkit.tmp")), bigger); }), ErrorNumber::PathFileAccess);
    // A new file that cannot be written whole is not left behind.
    EXPECT_EQ(ErrorOf([&] { f.files.CreateNew(f.Path(QStringLiteral("new.htm")), bigger); }), ErrorNumber::PathFileAccess);
    EXPECT_FALSE(QFileInfo::exists(f.Path(QStringLiteral("new.htm"))));
}

TEST(DiskFileOps, ANewFileIsNeverWrittenOverWhatIsThere)
{
    Folder f;
    const QString page = f.Path(QStringLiteral("page.htm"));
    f.files.CreateNew(page, "<p>first</p>");
    EXPECT_EQ(ErrorOf([&] { f.files.CreateNew(page, "<p>second</p>"); }), ErrorNumber::PathFileAccess);
    EXPECT_EQ(ReadTestFile(page), QByteArray("<p>first</p>"));
    EXPECT_EQ(ErrorOf([&] { f.files.CreateNew(f.Path(QStringLiteral("no/such/folder.htm")), "x"); }), ErrorNumber::PathFileAccess);
}

TEST(DiskFileOps, SpecialFilesAreNeitherReadNorReplaced)
{
    Folder f;
    const QString fifo = f.Path(QStringLiteral("fifo.tpl"));
    ASSERT_TRUE(MakeFifo(fifo));
    QStringList special{fifo, QStringLiteral("/dev/zero")};
    const QString device = f.Path(QStringLiteral("null.htm"));
    if (MakeNullDevice(device))
        special << device;
    for (const QString& path : special) {
        SCOPED_TRACE(path.toStdString());
        EXPECT_EQ(f.files.Kind(path), FileKind::Other);
        EXPECT_EQ(ErrorOf([&] { f.files.Read(path, 100); }), ErrorNumber::PathFileAccess);
        EXPECT_EQ(ErrorOf([&] { f.files.Copy(path, f.Path(QStringLiteral("copy"))); }), ErrorNumber::PathFileAccess);
        if (path.startsWith(f.dir.path())) {
            EXPECT_EQ(ErrorOf([&] { f.files.Write(path, "<p>x</p>"); }), ErrorNumber::PathFileAccess);
            EXPECT_EQ(ErrorOf([&] { f.files.WriteScratch(path, "<p>x</p>"); }), ErrorNumber::PathFileAccess);
            EXPECT_EQ(ErrorOf([&] { f.files.CreateNew(path, "<p>x</p>"); }), ErrorNumber::PathFileAccess);
            EXPECT_EQ(f.files.Kind(path), FileKind::Other) << "replaced by a regular file";
        }
    }
    EXPECT_EQ(ErrorOf([&] { f.files.Read(f.dir.path(), 100); }), ErrorNumber::PathFileAccess);
    EXPECT_EQ(ErrorOf([&] { f.files.Read(f.Path(QStringLiteral("none")), 100); }), ErrorNumber::FileNotFound);
}

TEST(DiskFileOps, ReadsStopOneBytePastTheLimit)
{
    Folder f;
    const QString huge = f.Path(QStringLiteral("huge.tpl"));
    ASSERT_TRUE(MakeSparseFile(huge, 400LL * 1024 * 1024));
    const qint64 before = BytesReadSoFar();
    EXPECT_EQ(f.files.Read(huge, 65538).size(), 65539);
    if (before >= 0) {
        EXPECT_LT(BytesReadSoFar() - before, 1024 * 1024);  // not the 400 MB the file holds
    }
    const QString small = WriteTestFile(f.Path(QStringLiteral("small.tpl")), "12345");
    EXPECT_EQ(f.files.Read(small, 5), QByteArray("12345"));
    EXPECT_EQ(f.files.Read(small, 4), QByteArray("12345"));
    EXPECT_EQ(f.files.Read(small, 2), QByteArray("123"));
}

TEST(DiskFileOps, CopiesFoldersAndFilesOverwriting)
{
    Folder f;
    WriteTestFile(f.Path(QStringLiteral("design/images/logo.gif")), "GIF89a new");
    WriteTestFile(f.Path(QStringLiteral("design/readme.txt")), "read me");
    ASSERT_TRUE(MakeFifo(f.Path(QStringLiteral("design/pipe"))));
    WriteTestFile(f.Path(QStringLiteral("program/design/images/logo.gif")), "GIF89a old");
    WriteTestFile(f.Path(QStringLiteral("program/design/mine.txt")), "kept");

    f.files.Copy(f.Path(QStringLiteral("design")), f.Path(QStringLiteral("program/design")));
    EXPECT_EQ(ReadTestFile(f.Path(QStringLiteral("program/design/images/logo.gif"))), QByteArray("GIF89a new"));
    EXPECT_EQ(Entries(f.Path(QStringLiteral("program/design"))),
              (QStringList{QStringLiteral("images"), QStringLiteral("mine.txt"), QStringLiteral("readme.txt")}));

    f.files.MakeFolder(f.Path(QStringLiteral("program/a/b")));
    f.files.Copy(f.Path(QStringLiteral("design/readme.txt")), f.Path(QStringLiteral("program/a/b/readme.txt")));
    EXPECT_EQ(ReadTestFile(f.Path(QStringLiteral("program/a/b/readme.txt"))), QByteArray("read me"));
    f.files.Remove(f.Path(QStringLiteral("program/a/b/readme.txt")));
    EXPECT_TRUE(Entries(f.Path(QStringLiteral("program/a/b"))).isEmpty());

    // A folder copied into itself would never end; a folder is never removed.
    EXPECT_EQ(ErrorOf([&] { f.files.Copy(f.Path(QStringLiteral("design")), f.Path(QStringLiteral("design/images/design"))); }),
              ErrorNumber::PathFileAccess);
    EXPECT_EQ(ErrorOf([&] { f.files.Remove(f.Path(QStringLiteral("program"))); }), ErrorNumber::PathFileAccess);
    EXPECT_EQ(ErrorOf([&] { f.files.Remove(f.Path(QStringLiteral("none"))); }), ErrorNumber::FileNotFound);
    EXPECT_EQ(ErrorOf([&] { f.files.MakeFolder(f.Path(QStringLiteral("design/readme.txt"))); }), ErrorNumber::PathFileAccess);
}
