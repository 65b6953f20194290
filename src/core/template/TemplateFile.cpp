#include "TemplateFile.h"

#include "platform/TextFile.h"

TemplateFile TemplateFile::Open(const QString& path)
{
    TemplateFile file;
    TextFileData data = ReadTextFile(path);
    file.text_ = std::move(data.text);
    file.byteSize_ = data.byteSize;
    return file;
}

TemplateFile TemplateFile::FromText(const QString& text, TextEncoding encoding)
{
    TemplateFile file;
    file.text_ = text;
    file.byteSize_ = EncodeText(text, encoding).size();
    return file;
}
