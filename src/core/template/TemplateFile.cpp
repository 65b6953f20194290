#include "TemplateFile.h"


TemplateFile TemplateFile::Open(FileOps& files, const QString& path, qint64 appendedBytes)
{
    TemplateFile file;
    const QByteArray bytes = files.Read(path, kSizeLimit + appendedBytes);
    file.byteSize_ = bytes.size();
    file.appendedBytes_ = appendedBytes;
    file.text_ = DecodeText(bytes).text;
    return file;
}

TemplateFile TemplateFile::FromText(const QString& text, TextEncoding encoding)
{
    return FromText(text, EncodeText(text, encoding).size());
}

TemplateFile TemplateFile::FromText(const QString& text, qint64 byteSize)
{
    TemplateFile file;
    file.text_ = text;
    file.byteSize_ = byteSize;
    return file;
}

QString TemplateTooBigStep(const QString& step)
{
    return step + QStringLiteral("\r\n\r\n") + QStringLiteral("The template exceeds the 64K size limit.")
        + QStringLiteral("\r\n") + QStringLiteral("Remove unnecessary code or comments, or ")
        + QStringLiteral("\r\n") + QStringLiteral("place static sections of code in a separate file")
        + QStringLiteral("\r\n") + QStringLiteral("that can be inserted using the 'include' VarKit.");
}
