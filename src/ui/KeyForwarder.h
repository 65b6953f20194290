#pragma once
// Hands a box's keys to its handlers the classic way: every key first to the key-down handler
// with its key code and shift state (platform/KeyCodes), then, when it types a character, to
// the key-press handler with that character's code. A handler swallows the key by setting the
// code to 0: the box then never sees it.
#include <QObject>
#include <functional>

class QWidget;

class KeyForwarder : public QObject {
    Q_OBJECT
public:
    using KeyDown = std::function<void(int& keyCode, int shift)>;
    using KeyPress = std::function<void(int& keyAscii)>;

    // Installs a forwarder on the box; it lives as long as the box. Either handler may be empty.
    static KeyForwarder* Install(QWidget* box, KeyDown keyDown, KeyPress keyPress);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    KeyForwarder(QWidget* box, KeyDown keyDown, KeyPress keyPress);

    KeyDown keyDown_;
    KeyPress keyPress_;
};
