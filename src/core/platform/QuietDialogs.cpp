#include "QuietDialogs.h"

MsgAnswer QuietDialogs::AssumedAnswer(MsgButtons buttons)
{
    switch (buttons) {
    case MsgButtons::Ok: return MsgAnswer::Ok;
    case MsgButtons::OkCancel: return MsgAnswer::Cancel;
    case MsgButtons::YesNo: return MsgAnswer::No;
    case MsgButtons::YesNoCancel: return MsgAnswer::Cancel;
    }
    return MsgAnswer::Cancel;
}

MsgAnswer QuietDialogs::Message(const QString&, const QString&, MsgButtons buttons, MsgIcon)
{
    ++messages_;
    return AssumedAnswer(buttons);
}

std::optional<QString> QuietDialogs::Input(const QString&, const QString&, const QString&)
{
    return std::nullopt;
}

FileDialogResult QuietDialogs::FileDialog(const FileDialogRequest& request)
{
    return {QString(), request.filterIndex};
}

std::optional<quint32> QuietDialogs::Color(quint32)
{
    return std::nullopt;
}

int QuietDialogs::Popup(const QString&, const QList<PopupItem>&)
{
    return -1;
}
