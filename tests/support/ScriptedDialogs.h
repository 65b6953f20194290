#pragma once
// A scripted fake of the dialogs: it records every box it was asked to show and answers from
// queues the test fills; an empty queue gives the default answer (OK / Cancel / nothing).
#include "platform/Dialogs.h"

#include <QList>
#include <deque>

struct RecordedBox {
    QString kind;   // "message", "input", "file", "color", "popup", "progress"
    QString title;
    QString text;
    MsgButtons buttons = MsgButtons::Ok;
    MsgIcon icon = MsgIcon::None;
    QString defaultText;
    FileDialogRequest fileRequest;
};

class ScriptedDialogs : public Dialogs {
public:
    MsgAnswer Message(const QString& title, const QString& text, MsgButtons buttons, MsgIcon icon) override;
    std::optional<QString> Input(const QString& title, const QString& prompt, const QString& defaultText) override;
    FileDialogResult FileDialog(const FileDialogRequest& request) override;
    std::optional<quint32> Color(quint32 initialColor) override;
    int Popup(const QString& title, const QList<PopupItem>& items) override;
    // Records the box and every step; Cancel is pressed once `cancelProgressAt` steps are done.
    std::unique_ptr<ProgressBox> Progress(const QString& title, const QString& label, int total) override;

    std::deque<MsgAnswer> answers;
    std::deque<std::optional<QString>> inputs;
    std::deque<FileDialogResult> files;
    std::deque<std::optional<quint32>> colors;
    std::deque<int> popups;
    int cancelProgressAt = -1;  // never

    QList<RecordedBox> boxes;
    QList<quint32> colorRequests;
    QList<QList<PopupItem>> popupRequests;
    QList<int> progressSteps;

    QStringList Titles() const;
    QStringList Texts() const;
    int CountTitled(const QString& title) const;
    const RecordedBox* Last() const { return boxes.isEmpty() ? nullptr : &boxes.last(); }
};
