#include "TextFile.h"

#include "AppError.h"
#include "Paths.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

QByteArray ReadFileBytes(const QString& path)
{
    const QString resolved = ResolvePath(path);
    const QFileInfo info(resolved);
    if (path.isEmpty() || !info.exists())
        throw AppError(ErrorNumber::FileNotFound);
    if (info.isDir())
        throw AppError(ErrorNumber::PathFileAccess);
    QFile file(resolved);
    if (!file.open(QIODevice::ReadOnly)) {
        throw AppError(file.error() == QFileDevice::PermissionsError ? ErrorNumber::PermissionDenied
                                                                      : ErrorNumber::PathFileAccess);
    }
    return file.readAll();
}

TextFileData ReadTextFile(const QString& path)
{
    const QByteArray bytes = ReadFileBytes(path);
    DecodedText decoded = DecodeText(bytes);
    return {std::move(decoded.text), decoded.encoding, bytes.size()};
}

void WriteFileBytes(const QString& path, const QByteArray& bytes)
{
    const QString resolved = ResolvePath(path);
    if (path.isEmpty() || QFileInfo(resolved).isDir())
        throw AppError(ErrorNumber::PathFileAccess);
    const QFileInfo info(resolved);
    if (info.exists() && !info.isWritable())
        throw AppError(ErrorNumber::PermissionDenied);
    QSaveFile file(resolved);
    if (!file.open(QIODevice::WriteOnly)) {
        throw AppError(file.error() == QFileDevice::PermissionsError ? ErrorNumber::PermissionDenied
                                                                      : ErrorNumber::PathFileAccess);
    }
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        const bool refused = file.error() == QFileDevice::PermissionsError
            || (QFileInfo(info.absolutePath()).exists() && !QFileInfo(info.absolutePath()).isWritable());
        throw AppError(refused ? ErrorNumber::PermissionDenied : ErrorNumber::PathFileAccess);
    }
}

void WriteTextFile(const QString& path, const QString& text, TextEncoding encoding)
{
    WriteFileBytes(path, EncodeText(text, encoding));
}

bool CanOpenForReading(const QString& path)
{
    if (path.isEmpty())
        return false;
    const QString resolved = ResolvePath(path);
    const QFileInfo info(resolved);
    if (!info.exists() || info.isDir())
        return false;
    QFile file(resolved);
    return file.open(QIODevice::ReadOnly);
}
