#include "QtClipboard.h"

#include "platform/DroppedFiles.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

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
    return !LocalFilesOf(QGuiApplication::clipboard()->mimeData()).isEmpty();
}

QStringList QtClipboard::Files() const
{
    QStringList files = LocalFilesOf(QGuiApplication::clipboard()->mimeData());
    for (QString& file : files)
        file.truncate(kClipboardFileNameLimit);
    return files;
}
