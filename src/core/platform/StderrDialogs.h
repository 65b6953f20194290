#pragma once
// The dialogs of a headless run: every box goes to standard error as "TITLE: TEXT", and every
// question takes the answer that deletes and writes nothing (Cancel where offered, else No).
#include "Dialogs.h"

#include <cstdio>

class StderrDialogs : public Dialogs {
public:
    explicit StderrDialogs(FILE* stream = stderr) : stream_(stream) {}

    MsgAnswer Message(const QString& title, const QString& text, MsgButtons buttons, MsgIcon icon) override;
    std::optional<QString> Input(const QString& title, const QString& prompt, const QString& defaultText) override;
    FileDialogResult FileDialog(const FileDialogRequest& request) override;
    std::optional<quint32> Color(quint32 initialColor) override;
    int Popup(const QList<PopupItem>& items) override;

    // How many standard error reports ("Error N: ...") were shown.
    int ErrorReports() const { return errorReports_; }

    // The answer a headless run assumes for a box with these buttons.
    static MsgAnswer AssumedAnswer(MsgButtons buttons);

private:
    void Write(const QString& line);
    FILE* stream_;
    int errorReports_ = 0;
};
