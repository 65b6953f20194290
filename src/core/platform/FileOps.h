#pragma once
// The file operations the program needs, behind one small interface so that a test can make
// them fail (a full disk, a refused write) without touching the disk. Paths are used exactly as
// given; finding a stored Windows-form name on disk is ResolvePath's business (Paths.h).
//
// Only regular files are read, replaced or copied: a folder, a FIFO or a device in their place
// is refused (a FIFO would block the program forever, a device would read without end).
// Failures throw AppError: 53 the file does not exist, 70 access is refused, 75 anything else.
#include <QByteArray>
#include <QString>

enum class FileKind { Missing, File, Folder, Other };

class FileOps {
public:
    virtual ~FileOps() = default;

    // What stands at the path, symbolic links followed.
    virtual FileKind Kind(const QString& path) = 0;
    // The file's bytes, at most maxBytes + 1 of them: a result longer than maxBytes says that the
    // file is larger, without reading the rest.
    virtual QByteArray Read(const QString& path, qint64 maxBytes) = 0;
    // Replaces the file whole: the bytes go to a new file beside it, which is flushed, synced and
    // checked before it is renamed over the old one. On any failure the old file stays as it was.
    virtual void Write(const QString& path, const QByteArray& bytes) = 0;
    // Writes a scratch copy of what the program holds in memory: in place, without the rename
    // and the sync, but a short or failed write still throws.
    virtual void WriteScratch(const QString& path, const QByteArray& bytes) = 0;
    // Writes a file that must not exist yet, without the rename and the sync: one exclusive
    // create, so a name another file took meanwhile is never written over. Throws 75 when
    // anything stands at the path; a short or failed write removes the new file and throws.
    // Touches nothing but that file, so it may run on a thread of its own; the caller says
    // when the folder's listing has changed (FolderListingScope::FilesChanged).
    virtual void CreateNew(const QString& path, const QByteArray& bytes) = 0;
    // Copies a file, or a folder with everything in it, replacing what is at the target.
    virtual void Copy(const QString& from, const QString& to) = 0;
    // Makes the folder and the folders on the way to it; an existing folder is fine.
    virtual void MakeFolder(const QString& path) = 0;
    // Deletes a file (never a folder).
    virtual void Remove(const QString& path) = 0;
};
