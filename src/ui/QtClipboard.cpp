#include "QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QUrl>

QString QtClipboard::Text() const
{
    return QGuiApplication::clipboard()->text();
}

void QtClipboard::SetText(const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
}

void QtClipboard::SetImageAndText(const QImage& image, const QString& text)
{
    auto* data = new QMimeData;
    data->setImageData(image);
    data->setText(text);
    QGuiApplication::clipboard()->setMimeData(data);
}

bool QtClipboard::HasFiles() const
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasUrls();
}

QStringList QtClipboard::Files() const
{
    QStringList files;
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data)
        return files;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile())
            files << url.toLocalFile().left(1024);
    return files;
}
