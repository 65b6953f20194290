#pragma once
// The clipboard: plain text, a picture, and the list of files another program copied.
#include <QImage>
#include <QString>
#include <QStringList>

constexpr qsizetype kClipboardFileNameLimit = 1024;

class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual QString Text() const = 0;
    virtual void SetText(const QString& text) = 0;
    virtual void SetImageAndText(const QImage& image, const QString& text) = 0;
    // Whether another program copied files: a file list holding at least one local file.
    virtual bool HasFiles() const = 0;
    // ClipboardGetFiles: the copied files in their order (the first at index 0 here), each
    // name cut to kClipboardFileNameLimit characters; empty when the clipboard holds no file list.
    virtual QStringList Files() const = 0;
};
