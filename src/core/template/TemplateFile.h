#pragma once
// An open template for the scanner: the file is read once and decoded; positions count
// characters from 1, so a windows-1252 template is read exactly byte by byte.
#include "platform/FileOps.h"
#include "platform/TextCodec.h"

#include <QString>

class TemplateFile {
public:
    TemplateFile() = default;
    // Throws AppError when the file cannot be read. Reads no more of the file than a template
    // may hold (and the line break `appendedBytes` the import wrote after it), plus one byte:
    // a larger file is cut there and keeps a size over the limit, which the scanner refuses.
    static TemplateFile Open(FileOps& files, const QString& path, qint64 appendedBytes = 0);
    static TemplateFile FromText(const QString& text, TextEncoding encoding = TextEncoding::Windows1252);
    // The same for a text whose encoded size is known already.
    static TemplateFile FromText(const QString& text, qint64 byteSize);

    const QString& text() const { return text_; }
    qint64 byteSize() const { return byteSize_; }
    // The template's own size: the file less a line break the import appended to it.
    qint64 templateBytes() const { return byteSize_ - appendedBytes_; }
    void SetAppendedBytes(qint64 bytes) { appendedBytes_ = bytes; }

    // True when there is no character at this 1-based position.
    bool AtEnd(qint64 startLoc) const { return startLoc > text_.size(); }

    static constexpr qint64 kSizeLimit = 65536;
    // A template file may end in the line break of its last line on top of the limit (four
    // bytes in the widest encoding).
    static constexpr qint64 kReadLimit = kSizeLimit + 4;

private:
    QString text_;
    qint64 byteSize_ = 0;
    qint64 appendedBytes_ = 0;
};

// The step description of the report that refuses a template over the size limit: the step,
// then the lines that say why and what to do.
QString TemplateTooBigStep(const QString& step);
