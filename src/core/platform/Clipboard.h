#pragma once
// The clipboard: plain text, a picture, and the list of files another program copied.
#include <QImage>
#include <QString>
#include <QStringList>

class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual QString Text() const = 0;
    virtual void SetText(const QString& text) = 0;
    virtual void SetImageAndText(const QImage& image, const QString& text) = 0;
    virtual bool HasFiles() const = 0;
    virtual QStringList Files() const = 0;
};
