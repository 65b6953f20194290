#pragma once
// Shell and clipboard of a headless run: nothing is opened, the clipboard is a private buffer.
#include "Clipboard.h"
#include "Shell.h"

class NullShell : public Shell {
public:
    bool Open(const QString&) override { return false; }
};

class BufferClipboard : public Clipboard {
public:
    QString Text() const override { return text_; }
    void SetText(const QString& text) override { text_ = text; }
    void SetImageAndText(const QImage& image, const QString& text) override
    {
        image_ = image;
        text_ = text;
    }
    bool HasFiles() const override { return !files_.isEmpty(); }
    QStringList Files() const override { return files_; }
    void SetFiles(const QStringList& files) { files_ = files; }
    const QImage& image() const { return image_; }

private:
    QString text_;
    QImage image_;
    QStringList files_;
};
