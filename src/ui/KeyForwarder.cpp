#include "KeyForwarder.h"

#include "platform/KeyCodes.h"

#include <QKeyEvent>
#include <QWidget>

KeyForwarder* KeyForwarder::Install(QWidget* box, KeyDown keyDown, KeyPress keyPress)
{
    return new KeyForwarder(box, std::move(keyDown), std::move(keyPress));
}

KeyForwarder::KeyForwarder(QWidget* box, KeyDown keyDown, KeyPress keyPress)
    : QObject(box), keyDown_(std::move(keyDown)), keyPress_(std::move(keyPress))
{
    box->installEventFilter(this);
}

bool KeyForwarder::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (keyDown_) {
        int keyCode = ClassicKeyCode(key->key(), key->modifiers());
        if (keyCode != 0) {
            keyDown_(keyCode, ShiftState(key->modifiers()));
            if (keyCode == 0)
                return true;
        }
    }
    const QString text = key->text();
    if (keyPress_ && !text.isEmpty()) {
        int keyAscii = text.front().unicode();
        keyPress_(keyAscii);
        if (keyAscii == 0)
            return true;
    }
    return false;
}
