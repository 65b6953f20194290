#pragma once
// Many files written into one folder as one piece of work: each page goes first to a hidden file
// of its own beside its target, and only when every page is staged is the whole folder synced to
// disk once and each staged file renamed over its target. A target is therefore always either
// its old self or the complete new page, and a crash leaves at most hidden staged files. Names
// are used exactly as given; nothing in the folder but the targets is ever replaced. The staged
// files are written (in the background, while the caller makes the next page) and removed
// through the file operations.
#include "AppError.h"
#include "BackgroundWriter.h"
#include "FileOps.h"

#include <QByteArray>
#include <QList>
#include <QString>

class StagedFiles {
public:
    // The folder is made when it does not exist. Throws AppError when it cannot be.
    StagedFiles(FileOps& files, const QString& folder);
    // Removes the staged files that were not committed.
    ~StagedFiles();
    StagedFiles(const StagedFiles&) = delete;
    StagedFiles& operator=(const StagedFiles&) = delete;

    struct Failure {
        QString fileName;
        AppError error;  // 70 when refused, 75 for any other failure (a full disk)
    };

    // Writes the bytes to a staged file for `fileName` (a plain name inside the folder). The
    // write finishes later: Finish tells which failed.
    void Stage(const QString& fileName, const QByteArray& bytes);
    // Waits for the staged writes; the pages whose write failed since the last call, in the
    // order they were staged. They are staged no more and leave nothing behind.
    QList<Failure> Finish();
    // Finishes the writes (a failure not taken by Finish is dropped with its page), syncs the
    // folder's file system once and renames every staged file over its target. Throws AppError
    // when the sync fails (every staged file is then removed, no target changed) or when a
    // rename fails (the targets renamed before it stand).
    void Commit();

    int StagedCount() const { return static_cast<int>(staged_.size()); }
    const QString& Folder() const { return folder_; }

private:
    // Both names inside the folder.
    struct Entry {
        QString staged;
        QString target;
    };
    void RemoveStaged();
    void RemoveQuietly(const QString& path);

    FileOps& files_;
    QString folder_;
    QString folderPrefix_;  // the folder's path ending in a separator
    QString stagedSuffix_;  // ".varkit-<process id>-"
    QList<Entry> staged_;
    qint64 serial_ = 0;
    BackgroundWriter writer_;  // last: its thread ends before the rest goes
};
