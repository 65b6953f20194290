#include "FileDropFilter.h"

#include "platform/DroppedFiles.h"
#include "platform/KeyCodes.h"

#include <QDropEvent>
#include <QMimeData>
#include <QWidget>

FileDropFilter* FileDropFilter::Install(QWidget* target, Accepts accepts, Dropped dropped)
{
    return new FileDropFilter(target, std::move(accepts), std::move(dropped));
}

FileDropFilter::FileDropFilter(QWidget* target, Accepts accepts, Dropped dropped)
    : QObject(target), accepts_(std::move(accepts)), dropped_(std::move(dropped))
{
    target->setAcceptDrops(true);
    target->installEventFilter(this);
}

bool FileDropFilter::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    auto* drop = static_cast<QDropEvent*>(event);
    if (!drop->mimeData() || !drop->mimeData()->hasUrls())
        return false;
    const QStringList files = LocalFilesOf(drop->mimeData());
    if (!accepts_(files)) {
        drop->ignore();
        return true;
    }
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (type == QEvent::Drop)
        dropped_(files, ShiftState(drop->modifiers()));
    return true;
}
