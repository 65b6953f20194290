#pragma once
// A scripted fake of the dialogs: it records every box it was asked to show and answers from
// queues the test fills; an empty queue gives the default answer (OK / Cancel / nothing).
#include "platform/Dialogs.h"

#include <QList>
#include <deque>

struct RecordedBox {
    QString kind;   // "message", "input", "file", "color", "popup"
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
    int Popup(const QList<PopupItem>& items) override;

    std::deque<MsgAnswer> answers;
    std::deque<std::optional<QString>> inputs;
    std::deque<FileDialogResult> files;
    std::deque<std::optional<quint32>> colors;
    std::deque<int> popups;

    QList<RecordedBox> boxes;
    QList<quint32> colorRequests;
    QList<QList<PopupItem>> popupRequests;

    QStringList Titles() const;
    QStringList Texts() const;
    int CountTitled(const QString& title) const;
    const RecordedBox* Last() const { return boxes.isEmpty() ? nullptr : &boxes.last(); }
};
