#include "FileNameBox.h"

#include "KeyForwarder.h"
#include "platform/DroppedFiles.h"
#include "shell/FileCommands.h"
#include "shell/FormState.h"
#include "shell/ImportTemplate.h"

#include <QDropEvent>
#include <QTimer>

FileNameBox::FileNameBox(FormState& form, QWidget* parent) : QLineEdit(parent), form_(form)
{
    setObjectName(QStringLiteral("FileName"));
    setAccessibleName(QStringLiteral("Template:"));
    setAcceptDrops(true);
    connect(this, &QLineEdit::textEdited, this, [this](const QString& text) { form_.FileName.text = text; });
    KeyForwarder::Install(this, nullptr, [this](int& keyAscii) {
        if (FileName_KeyPress(form_, keyAscii))
            keyAscii = 0;
    });
}

bool FileNameBox::Accepts(QDropEvent* event, QStringList& files)
{
    // Only a file list is taken, and only while the box takes input (not during an import);
    // the box's own text dragging is never offered.
    files = LocalFilesOf(event->mimeData());
    if (!isEnabled() || form_.ImportRunning || !FileName_OLEDragOver(files)) {
        event->ignore();
        return false;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    return true;
}

void FileNameBox::dragEnterEvent(QDragEnterEvent* event)
{
    QStringList files;
    Accepts(event, files);
}

void FileNameBox::dragMoveEvent(QDragMoveEvent* event)
{
    QStringList files;
    Accepts(event, files);
}

void FileNameBox::dropEvent(QDropEvent* event)
{
    QStringList files;
    if (!Accepts(event, files))
        return;
    // Loaded once the drop has finished, so the program the files came from is not kept
    // waiting while the questions and the import run.
    QTimer::singleShot(0, this, [this, files] {
        if (!form_.ImportRunning)
            FileName_OLEDragDrop(form_, files);
    });
}
