#include "StagedFiles.h"

#include "AppError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

AppError WriteFailure(const QFile& file)
{
    return AppError(file.error() == QFileDevice::PermissionsError ? ErrorNumber::PermissionDenied
                                                                    : ErrorNumber::PathFileAccess);
}

}  // namespace

StagedFiles::StagedFiles(const QString& folder) : folder_(folder)
{
    if (!QFileInfo(folder).isDir() && !QDir().mkpath(folder))
        throw AppError(ErrorNumber::PathNotFound);
}

StagedFiles::~StagedFiles()
{
    RemoveStaged();
}

void StagedFiles::Stage(const QString& fileName, const QByteArray& bytes)
{
    const QString target = QDir(folder_).filePath(fileName);
    // A name of its own that no other file has: NewOnly refuses to open an existing one.
    const QString staged = QDir(folder_).filePath(QLatin1Char('.') + fileName + QStringLiteral(".varkit-")
                                                  + QString::number(QCoreApplication::applicationPid()) + QLatin1Char('-')
                                                  + QString::number(++serial_));
    QFile file(staged);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        throw WriteFailure(file);
    const bool written = file.write(bytes) == bytes.size() && file.flush();
    file.close();
    if (!written || file.error() != QFileDevice::NoError) {
        const AppError failure = WriteFailure(file);
        QFile::remove(staged);
        throw failure;
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
            QFile::remove(entry.staged);
            ::close(folder);
            throw AppError(number, AppError::StandardMessage(number) + QStringLiteral(": ") + entry.target);
        }
    }
    // The renames themselves reach the disk with the folder.
    ::fsync(folder);
    ::close(folder);
}

void StagedFiles::RemoveStaged()
{
    for (const Entry& entry : staged_)
        QFile::remove(entry.staged);
    staged_.clear();
}
