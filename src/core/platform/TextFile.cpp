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
        // Qt reports a refused open as a plain open error; the permission check tells them apart.
        const bool refused = file.error() == QFileDevice::PermissionsError || !info.isReadable();
        throw AppError(refused ? ErrorNumber::PermissionDenied : ErrorNumber::PathFileAccess);
    }
    return file.readAll();
}

TextFileData ReadTextFile(const QString& path)
{
    const QByteArray bytes = ReadFileBytes(path);
    DecodedText decoded = DecodeText(bytes);
    return {std::move(decoded.text), decoded.encoding, bytes.size()};
}

namespace {
std::function<int(const QString&)> writeFault;
}

void SetWriteFaultForTests(std::function<int(const QString&)> fault)
{
    writeFault = std::move(fault);
}

void WriteFileBytes(const QString& path, const QByteArray& bytes)
{
    const QString resolved = ResolvePath(path);
    if (writeFault) {
        if (const int number = writeFault(resolved))
            throw AppError(number);
    }
    if (path.isEmpty() || QFileInfo(resolved).isDir())
        throw AppError(ErrorNumber::PathFileAccess);
    const QFileInfo info(resolved);
    if (info.exists() && !info.isWritable())
        throw AppError(ErrorNumber::PermissionDenied);
    // QSaveFile writes a temporary file beside the target, so a read-only folder refuses the
    // write already at open, which Qt reports as a plain open error.
    QSaveFile file(resolved);
    const auto failure = [&] {
        const QFileInfo folder(info.absolutePath());
        const bool refused = file.error() == QFileDevice::PermissionsError || (folder.exists() && !folder.isWritable());
        return AppError(refused ? ErrorNumber::PermissionDenied : ErrorNumber::PathFileAccess);
    };
    if (!file.open(QIODevice::WriteOnly))
        throw failure();
    if (file.write(bytes) != bytes.size() || !file.commit())
        throw failure();
}

void WriteScratchFile(const QString& path, const QString& text, TextEncoding encoding)
{
    const QString resolved = ResolvePath(path);
    if (writeFault) {
        if (const int number = writeFault(resolved))
            throw AppError(number);
    }
    const QByteArray bytes = EncodeText(text, encoding);
    QFile file(resolved);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        throw AppError(file.error() == QFileDevice::PermissionsError ? ErrorNumber::PermissionDenied
                                                                      : ErrorNumber::PathFileAccess);
    }
    if (file.write(bytes) != bytes.size() || !file.flush())
        throw AppError(ErrorNumber::PathFileAccess);
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
