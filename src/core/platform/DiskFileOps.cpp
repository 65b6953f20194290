#include "DiskFileOps.h"

#include "AppError.h"
#include "Paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr qint64 kChunk = 64 * 1024;

int ErrorNumberOf(int err)
{
    switch (err) {
    case ENOENT:
    case ENOTDIR: return ErrorNumber::FileNotFound;
    case EACCES:
    case EPERM: return ErrorNumber::PermissionDenied;
    default: return ErrorNumber::PathFileAccess;
    }
}

// A descriptor opened for reading a regular file, closed when it goes out of scope.
class RegularFile {
public:
    // Looks before it opens: opening a FIFO or a device can block or act on the device. The
    // descriptor is checked again once open, in case something else stands there by then.
    explicit RegularFile(const QString& path)
    {
        if (path.isEmpty())
            throw AppError(ErrorNumber::FileNotFound);
        const QByteArray name = QFile::encodeName(path);
        struct stat info {};
        if (::stat(name.constData(), &info) != 0)
            throw AppError(ErrorNumberOf(errno));
        if (!S_ISREG(info.st_mode))
            throw AppError(ErrorNumber::PathFileAccess);
        fd_ = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd_ < 0)
            throw AppError(ErrorNumberOf(errno));
        if (::fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode)) {
            ::close(fd_);
            throw AppError(ErrorNumber::PathFileAccess);
        }
        size_ = info.st_size;
    }
    ~RegularFile() { ::close(fd_); }
    RegularFile(const RegularFile&) = delete;
    RegularFile& operator=(const RegularFile&) = delete;

    // The size the file system reports: a hint, never a promise.
    qint64 size() const { return size_; }

    // Up to `wanted` bytes into `into`; 0 at the end of the file.
    qint64 ReadSome(char* into, qint64 wanted)
    {
        for (;;) {
            const ssize_t got = ::read(fd_, into, static_cast<size_t>(wanted));
            if (got >= 0)
                return got;
            if (errno != EINTR)
                throw AppError(ErrorNumber::PathFileAccess);
        }
    }

private:
    int fd_ = -1;
    qint64 size_ = 0;
};

// A target that exists must be a regular file the program may replace.
void CheckReplaceable(const QString& path)
{
    if (path.isEmpty())
        throw AppError(ErrorNumber::PathFileAccess);
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        throw AppError(ErrorNumber::PathFileAccess);
    if (info.exists() && !info.isWritable())
        throw AppError(ErrorNumber::PermissionDenied);
}

AppError WriteFailure(const QFileDevice& file, const QString& path)
{
    // A save file is made beside the target, so a read-only folder refuses the write at open,
    // which Qt reports as a plain open error.
    const QFileInfo folder(QFileInfo(path).absolutePath());
    const bool refused = file.error() == QFileDevice::PermissionsError || (folder.exists() && !folder.isWritable());
    return AppError(refused ? ErrorNumber::PermissionDenied : ErrorNumber::PathFileAccess);
}

// Everything written so far is on the disk. The last buffered bytes are written only by the
// flush, and a full disk can refuse them there or, with delayed allocation, at the sync: both
// are checked, since committing would otherwise rename a short file over the old one.
bool FlushedAndSynced(QFileDevice& file)
{
    if (!file.flush() || file.error() != QFileDevice::NoError)
        return false;
    return ::fsync(file.handle()) == 0 || errno == EINVAL;
}

// Opens a save file for the path; throws when it cannot be made.
void OpenSaveFile(QSaveFile& file, const QString& path)
{
    CheckReplaceable(path);
    if (!file.open(QIODevice::WriteOnly))
        throw WriteFailure(file, path);
}

void CommitSaveFile(QSaveFile& file, const QString& path)
{
    if (!FlushedAndSynced(file) || !file.commit())
        throw WriteFailure(file, path);
}

}  // namespace

FileKind DiskFileOps::Kind(const QString& path)
{
    if (path.isEmpty())
        return FileKind::Missing;
    const QFileInfo info(path);
    if (info.isFile())
        return FileKind::File;
    if (info.isDir())
        return FileKind::Folder;
    return info.exists() ? FileKind::Other : FileKind::Missing;
}

QByteArray DiskFileOps::Read(const QString& path, qint64 maxBytes)
{
    RegularFile file(path);
    // The read stops one byte past the limit, whatever size the file system reports.
    const qint64 wanted = std::max<qint64>(maxBytes, 0) + 1;
    QByteArray bytes;
    bytes.resize(std::min(file.size(), wanted));
    qint64 have = 0;
    for (;;) {
        if (have == bytes.size()) {
            if (have == wanted)
                break;
            bytes.resize(std::min(wanted, have + kChunk));
        }
        const qint64 got = file.ReadSome(bytes.data() + have, bytes.size() - have);
        if (got == 0)
            break;
        have += got;
    }
    bytes.truncate(have);
    return bytes;
}

void DiskFileOps::Write(const QString& path, const QByteArray& bytes)
{
    FolderListingScope::FilesChanged();
    QSaveFile file(path);
    OpenSaveFile(file, path);
    if (file.write(bytes) != bytes.size())
        throw WriteFailure(file, path);
    CommitSaveFile(file, path);
}

void DiskFileOps::WriteScratch(const QString& path, const QByteArray& bytes)
{
    FolderListingScope::FilesChanged();
    CheckReplaceable(path);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw WriteFailure(file, path);
    if (file.write(bytes) != bytes.size() || !file.flush() || file.error() != QFileDevice::NoError)
        throw AppError(ErrorNumber::PathFileAccess);
}

void DiskFileOps::CopyFile(const QString& from, const QString& to)
{
    RegularFile source(from);
    QSaveFile target(to);
    OpenSaveFile(target, to);
    QByteArray chunk(kChunk, Qt::Uninitialized);
    for (;;) {
        const qint64 got = source.ReadSome(chunk.data(), kChunk);
        if (got == 0)
            break;
        if (target.write(chunk.constData(), got) != got)
            throw WriteFailure(target, to);
    }
    CommitSaveFile(target, to);
}

void DiskFileOps::CreateNew(const QString& path, const QByteArray& bytes)
{
    if (path.isEmpty())
        throw AppError(ErrorNumber::PathFileAccess);
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        throw AppError(errno == EACCES || errno == EPERM ? ErrorNumber::PermissionDenied : ErrorNumber::PathFileAccess);
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t wrote = ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0)
            break;
        done += wrote;
    }
    if (::close(fd) != 0 || done != bytes.size()) {
        ::unlink(name.constData());
        throw AppError(ErrorNumber::PathFileAccess);
    }
}

void DiskFileOps::Copy(const QString& from, const QString& to)
{
    FolderListingScope::FilesChanged();
    const QString source = QFileInfo(from).canonicalFilePath();
    const QString target = QFileInfo(to).canonicalFilePath();
    if (!source.isEmpty() && source == target)
        return;  // the file or folder is already where it should go
    switch (Kind(from)) {
    case FileKind::Missing: throw AppError(ErrorNumber::FileNotFound);
    case FileKind::Other: throw AppError(ErrorNumber::PathFileAccess);
    case FileKind::File: CopyFile(from, to); return;
    case FileKind::Folder: break;
    }
    // A folder copied into itself would never end.
    const QString inside = QFileInfo(QFileInfo(to).absolutePath()).canonicalFilePath() + QLatin1Char('/');
    if (inside.startsWith(source + QLatin1Char('/')))
        throw AppError(ErrorNumber::PathFileAccess);
    MakeFolder(to);
    const QDir folder(from);
    const QStringList names = folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& name : names) {
        const QString entry = folder.filePath(name);
        // What is neither a file nor a folder (a FIFO, a device) is not copied.
        if (Kind(entry) == FileKind::File || Kind(entry) == FileKind::Folder)
            Copy(entry, to + QLatin1Char('/') + name);
    }
}

void DiskFileOps::MakeFolder(const QString& path)
{
    FolderListingScope::FilesChanged();
    const FileKind kind = Kind(path);
    if (kind == FileKind::Folder)
        return;
    if (kind != FileKind::Missing || path.isEmpty() || !QDir().mkpath(path))
        throw AppError(ErrorNumber::PathFileAccess);
}

void DiskFileOps::Remove(const QString& path)
{
    FolderListingScope::FilesChanged();
    const FileKind kind = Kind(path);
    if (kind == FileKind::Missing)
        throw AppError(ErrorNumber::FileNotFound);
    if (kind != FileKind::File)
        throw AppError(ErrorNumber::PathFileAccess);
    QFile file(path);
    if (!file.remove())
        throw AppError(file.error() == QFileDevice::PermissionsError ? ErrorNumber::PermissionDenied : ErrorNumber::PathFileAccess);
}
