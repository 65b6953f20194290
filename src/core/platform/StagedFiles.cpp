#include "StagedFiles.h"

#include "AppError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

StagedFiles::StagedFiles(FileOps& files, const QString& folder) : files_(files), folder_(folder)
{
    files_.MakeFolder(folder);
}

StagedFiles::~StagedFiles()
{
    RemoveStaged();
}

void StagedFiles::Stage(const QString& fileName, const QByteArray& bytes)
{
    const QString target = QDir(folder_).filePath(fileName);
    // A name of its own: the program's id and a number no other staged file of this run has.
    const QString staged = QDir(folder_).filePath(QLatin1Char('.') + fileName + QStringLiteral(".varkit-")
                                                  + QString::number(QCoreApplication::applicationPid()) + QLatin1Char('-')
                                                  + QString::number(++serial_));
    if (files_.Kind(staged) != FileKind::Missing)
        throw AppError(ErrorNumber::PathFileAccess);
    try {
        files_.WriteScratch(staged, bytes);
    } catch (const AppError&) {
        RemoveQuietly(staged);
        throw;
    }
    staged_.append({staged, target});
}

void StagedFiles::Commit()
{
    const int folder = ::open(QFile::encodeName(folder_).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const bool synced = folder >= 0 && ::syncfs(folder) == 0;
    if (!synced) {
        if (folder >= 0)
            ::close(folder);
        RemoveStaged();
        throw AppError(ErrorNumber::PathFileAccess);
    }
    while (!staged_.isEmpty()) {
        const Entry entry = staged_.takeFirst();
        if (std::rename(QFile::encodeName(entry.staged).constData(), QFile::encodeName(entry.target).constData()) != 0) {
            const int number = errno == EACCES || errno == EPERM ? ErrorNumber::PermissionDenied : ErrorNumber::PathFileAccess;
            RemoveQuietly(entry.staged);
            ::close(folder);
            throw AppError(number, AppError::StandardMessage(number) + QStringLiteral(": ") + entry.target);
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
        RemoveQuietly(entry.staged);
    staged_.clear();
}
