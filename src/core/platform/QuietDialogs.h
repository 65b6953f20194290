#pragma once
// The dialogs of work that nobody watches: every question takes the answer that deletes and
// writes nothing (OK where it is the only button, else Cancel where offered, else No), and the
// input box, the file and colour dialogs and the pop-up menus are cancelled. Nothing is shown;
// the boxes are only counted.
#include "Dialogs.h"

class QuietDialogs : public Dialogs {
public:
    MsgAnswer Message(const QString& title, const QString& text, MsgButtons buttons, MsgIcon icon) override;
    std::optional<QString> Input(const QString& title, const QString& prompt, const QString& defaultText) override;
    FileDialogResult FileDialog(const FileDialogRequest& request) override;
    std::optional<quint32> Color(quint32 initialColor) override;
    int Popup(const QString& title, const QList<PopupItem>& items) override;

    // How many message boxes were asked for.
    int Messages() const { return messages_; }

    // The answer assumed for a box with these buttons.
    static MsgAnswer AssumedAnswer(MsgButtons buttons);

private:
    int messages_ = 0;
};
