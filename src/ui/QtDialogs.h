#pragma once
// The real dialogs: QMessageBox, QInputDialog, QFileDialog, QColorDialog and QMenu.
#include "platform/Dialogs.h"

class QWidget;

class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }

    MsgAnswer Message(const QString& title, const QString& text, MsgButtons buttons, MsgIcon icon) override;
    std::optional<QString> Input(const QString& title, const QString& prompt, const QString& defaultText) override;
    FileDialogResult FileDialog(const FileDialogRequest& request) override;
    std::optional<quint32> Color(quint32 initialColor) override;
    int Popup(const QString& title, const QList<PopupItem>& items) override;
    std::unique_ptr<ProgressBox> Progress(const QString& title, const QString& label, int total) override;

private:
    QWidget* parent_;
};
