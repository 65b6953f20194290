#include "StderrDialogs.h"

static QString AnswerName(MsgAnswer answer)
{
    switch (answer) {
    case MsgAnswer::Ok: return QStringLiteral("OK");
    case MsgAnswer::Cancel: return QStringLiteral("Cancel");
    case MsgAnswer::Yes: return QStringLiteral("Yes");
    case MsgAnswer::No: return QStringLiteral("No");
    }
    return {};
}

namespace {

// The reports after which the window goes on: a field or option row, or the screen's layout,
// past the vertical limit of the screen.
bool StopsTheWork(const QString& title)
{
    return title != QLatin1String("Add Template Fields") && title != QLatin1String("Add Option Fields")
        && title != QLatin1String("Resize Screen");
}

}  // namespace

void StderrDialogs::Write(const QString& line)
{
    const QByteArray bytes = (prefix_ + line).toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream_);
    std::fputc('\n', stream_);
    std::fflush(stream_);
}

MsgAnswer StderrDialogs::Message(const QString& title, const QString& text, MsgButtons buttons, MsgIcon icon)
{
    const bool errorReport = icon == MsgIcon::Exclamation && text.startsWith(QLatin1String("Error "));
    const bool stopping = errorReport && StopsTheWork(title);
    errorReports_ += errorReport;
    stoppingReports_ += stopping;
    const bool includeError = title == QLatin1String("Include File Error");
    includeErrors_ += includeError;
    if (stopping || includeError)
        lastFailure_ = title + QStringLiteral(": ") + text;
    const MsgAnswer answer = QuietDialogs::Message(title, text, buttons, icon);
    QString line = title + QStringLiteral(": ") + text;
    if (buttons != MsgButtons::Ok)
        line += QStringLiteral(" [answered ") + AnswerName(answer) + QStringLiteral("]");
    Write(line);
    return answer;
}

std::optional<QString> StderrDialogs::Input(const QString& title, const QString& prompt, const QString& defaultText)
{
    Write(title + QStringLiteral(": ") + prompt + QStringLiteral(" [answered Cancel]"));
    return QuietDialogs::Input(title, prompt, defaultText);
}

FileDialogResult StderrDialogs::FileDialog(const FileDialogRequest& request)
{
    Write(request.title + QStringLiteral(": file dialog [answered Cancel]"));
    return QuietDialogs::FileDialog(request);
}

std::optional<quint32> StderrDialogs::Color(quint32 initialColor)
{
    Write(QStringLiteral("Color: colour dialog [answered Cancel]"));
    return QuietDialogs::Color(initialColor);
}
