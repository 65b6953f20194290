#include "ScriptedDialogs.h"

MsgAnswer ScriptedDialogs::Message(const QString& title, const QString& text, MsgButtons buttons, MsgIcon icon)
{
    RecordedBox box;
    box.kind = QStringLiteral("message");
    box.title = title;
    box.text = text;
    box.buttons = buttons;
    box.icon = icon;
    boxes << box;
    if (answers.empty())
        return buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::Cancel;
    const MsgAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}

std::optional<QString> ScriptedDialogs::Input(const QString& title, const QString& prompt, const QString& defaultText)
{
    RecordedBox box;
    box.kind = QStringLiteral("input");
    box.title = title;
    box.text = prompt;
    box.defaultText = defaultText;
    boxes << box;
    if (inputs.empty())
        return std::nullopt;
    const bool answered = inputs.front().has_value();
    const QString answer = inputs.front().value_or(QString());
    inputs.pop_front();
    if (!answered)
        return std::nullopt;
    return answer;
}

FileDialogResult ScriptedDialogs::FileDialog(const FileDialogRequest& request)
{
    RecordedBox box;
    box.kind = QStringLiteral("file");
    box.title = request.title;
    box.fileRequest = request;
    boxes << box;
    if (files.empty())
        return {QString(), request.filterIndex};
    FileDialogResult answer = files.front();
    files.pop_front();
    return answer;
}

std::optional<quint32> ScriptedDialogs::Color(quint32 initialColor)
{
    RecordedBox box;
    box.kind = QStringLiteral("color");
    boxes << box;
    colorRequests << initialColor;
    if (colors.empty())
        return std::nullopt;
    auto answer = colors.front();
    colors.pop_front();
    return answer;
}

int ScriptedDialogs::Popup(const QString& title, const QList<PopupItem>& items)
{
    RecordedBox box;
    box.kind = QStringLiteral("popup");
    box.title = title;
    boxes << box;
    popupRequests << items;
    if (popups.empty())
        return -1;
    const int answer = popups.front();
    popups.pop_front();
    return answer;
}

QStringList ScriptedDialogs::Titles() const
{
    QStringList titles;
    for (const RecordedBox& box : boxes)
        titles << box.title;
    return titles;
}

QStringList ScriptedDialogs::Texts() const
{
    QStringList texts;
    for (const RecordedBox& box : boxes)
        texts << box.text;
    return texts;
}

int ScriptedDialogs::CountTitled(const QString& title) const
{
    int count = 0;
    for (const RecordedBox& box : boxes)
        if (box.title == title)
            ++count;
    return count;
}

namespace {

class ScriptedProgress : public ProgressBox {
public:
    ScriptedProgress(QList<int>& steps, int cancelAt) : steps_(steps), cancelAt_(cancelAt) {}
    bool Advance(int done) override
    {
        steps_ << done;
        return cancelAt_ < 0 || done < cancelAt_;
    }

private:
    QList<int>& steps_;
    int cancelAt_;
};

}  // namespace

std::unique_ptr<ProgressBox> ScriptedDialogs::Progress(const QString& title, const QString& label, int total)
{
    RecordedBox box;
    box.kind = QStringLiteral("progress");
    box.title = title;
    box.text = label + QStringLiteral(" (") + QString::number(total) + QLatin1Char(')');
    boxes << box;
    return std::make_unique<ScriptedProgress>(progressSteps, cancelProgressAt);
}
