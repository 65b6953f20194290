#include "StagedFiles.h"

#include "AppError.h"
#include "Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

StagedFiles::StagedFiles(FileOps& files, const QString& folder)
    : files_(files),
      folder_(folder),
      folderPrefix_(QDir(folder).filePath(QStringLiteral("x")).chopped(1)),
      stagedSuffix_(QStringLiteral(".varkit-") + QString::number(QCoreApplication::applicationPid()) + QLatin1Char('-')),
      writer_(files)
{
    files_.MakeFolder(folder);
}

StagedFiles::~StagedFiles()
{
    writer_.Wait();
    RemoveStaged();
}

void StagedFiles::Stage(const QString& fileName, const QByteArray& bytes)
{
    // A name of its own: the program's id and a number no other staged file of this run has.
    const QString staged = QLatin1Char('.') + fileName + stagedSuffix_ + QString::number(++serial_);
    writer_.Add(folderPrefix_ + staged, bytes);
    staged_.append({staged, fileName});
}

QList<StagedFiles::Failure> StagedFiles::Finish()
{
    QList<Failure> failures;
    for (const BackgroundWriter::Failure& failure : writer_.Wait()) {
        for (qsizetype k = 0; k < staged_.size(); ++k) {
            if (folderPrefix_ + staged_[k].staged == failure.path) {
                failures.append({staged_[k].target, failure.error});
                staged_.removeAt(k);
                break;
            }
        }
    }
    return failures;
}

void StagedFiles::Commit()
{
    Finish();
    FolderListingScope::FilesChanged();
    const int folder = ::open(QFile::encodeName(folder_).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const bool synced = folder >= 0 && ::syncfs(folder) == 0;
    if (!synced) {
        if (folder >= 0)
            ::close(folder);
        RemoveStaged();
        throw AppError(ErrorNumber::PathFileAccess);
    }
    // Names inside the folder, renamed through its descriptor: no path is walked again per page.
    while (!staged_.isEmpty()) {
        const Entry entry = staged_.takeFirst();
        if (::renameat(folder, QFile::encodeName(entry.staged).constData(), folder, QFile::encodeName(entry.target).constData()) != 0) {
            const int number = errno == EACCES || errno == EPERM ? ErrorNumber::PermissionDenied : ErrorNumber::PathFileAccess;
            RemoveQuietly(folderPrefix_ + entry.staged);
            ::close(folder);
            throw AppError(number, AppError::StandardMessage(number) + QStringLiteral(": ") + folderPrefix_ + entry.target);
        }
    }
    // The renames themselves reach the disk with the folder.
    ::fsync(folder);
    ::close(folder);
}

void StagedFiles::RemoveQuietly(const QString& path)
{
    try {
        if (files_.Kind(path) == FileKind::File)
            files_.Remove(path);
    } catch (const AppError&) {
        // A staged file that cannot be removed stays hidden; no target depends on it.
    }
}

void StagedFiles::RemoveStaged()
{
    for (const Entry& entry : staged_)
        RemoveQuietly(folderPrefix_ + entry.staged);
    staged_.clear();
}
