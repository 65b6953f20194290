#include "TextFile.h"

#include "AppError.h"
#include "Paths.h"

#include <QFileInfo>

QByteArray ReadFileBytes(FileOps& files, const QString& path, qint64 maxBytes)
{
    QByteArray bytes = files.Read(ResolvePath(path), maxBytes);
    if (bytes.size() > maxBytes)
        throw AppError(ErrorNumber::Overflow);
    return bytes;
}

TextFileData ReadTextFile(FileOps& files, const QString& path, qint64 maxBytes)
{
    const QByteArray bytes = ReadFileBytes(files, path, maxBytes);
    DecodedText decoded = DecodeText(bytes);
    return {std::move(decoded.text), decoded.encoding, bytes.size()};
}

void WriteFileBytes(FileOps& files, const QString& path, const QByteArray& bytes)
{
    files.Write(ToNativeSeparators(path), bytes);
}

void WriteTextFile(FileOps& files, const QString& path, const QString& text, TextEncoding encoding)
{
    WriteFileBytes(files, path, EncodeText(text, encoding));
}

qint64 WriteScratchFile(FileOps& files, const QString& path, const QString& text, TextEncoding encoding)
{
    const QByteArray bytes = EncodeText(text, encoding);
    files.WriteScratch(ToNativeSeparators(path), bytes);
    return bytes.size();
}

void RemoveIgnoringErrors(FileOps& files, const QString& path)
{
    try {
        files.Remove(path);
    } catch (const AppError&) {
    }
}

bool CanOpenForReading(const QString& path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(ResolvePath(path));
    return info.isFile() && info.isReadable();
}
