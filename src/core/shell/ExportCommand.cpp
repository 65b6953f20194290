#include "ExportCommand.h"

#include "FileCommands.h"
#include "HeadlessSession.h"
#include "editscreen/SectionGroups.h"
#include "html/MakeHtml.h"
#include "platform/AppError.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"

#include <cstdio>
#include <functional>

namespace {

bool SameCaption(const QString& a, const QString& b)
{
    return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

// "@N" addresses element N; -1 when the text is not of that form or out of range.
int IndexTarget(const QString& target, int count)
{
    if (!target.startsWith(QLatin1Char('@')))
        return -1;
    bool ok = false;
    const int n = target.mid(1).toInt(&ok);
    return ok && n >= 1 && n < count ? n : -2;
}

void SelectOption(EditScreen& screen, int field, const QString& value)
{
    const std::vector<int> row = screen.OptionsOfField(field);
    int chosen = -1;
    for (int j : row)
        if (chosen < 0 && SameCaption(screen.Option(j).DataOption.caption, value))
            chosen = j;
    if (chosen < 0)
        return;
    for (int j : row)
        screen.Option(j).DataOptButton.selected = j == chosen;
}

// Standard output takes the page and nothing else; a short write (a closed pipe, a full disk)
// is a failure.
void WriteToStandardOutput(const QByteArray& page)
{
    const size_t written = std::fwrite(page.constData(), 1, static_cast<size_t>(page.size()), stdout);
    if (std::fflush(stdout) != 0 || written != static_cast<size_t>(page.size()))
        throw AppError(ErrorNumber::PathFileAccess);
}

}  // namespace

const QString kIncludeValues = QStringLiteral("the value must be yes, no, true or false");

std::optional<bool> IncludeAnswer(const QString& value)
{
    const QString answer = value.trimmed().toLower();
    if (answer == QLatin1String("yes") || answer == QLatin1String("true"))
        return true;
    if (answer == QLatin1String("no") || answer == QLatin1String("false"))
        return false;
    return std::nullopt;
}

std::optional<ExportRequest> ParseExportArguments(const QStringList& arguments, QString& error)
{
    ExportRequest request;
    QStringList positional;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--set") || argument == QLatin1String("--include")) {
            if (i + 1 >= arguments.size()) {
                error = argument + QStringLiteral(" needs PROMPT=VALUE");
                return std::nullopt;
            }
            const QString setting = arguments[++i];
            const qsizetype eq = setting.indexOf(QLatin1Char('='));
            if (eq <= 0) {
                error = QStringLiteral("malformed ") + argument + QStringLiteral(" \"") + setting + QStringLiteral("\": expected NAME=VALUE");
                return std::nullopt;
            }
            ExportRequest::Setting entry{setting.left(eq), setting.mid(eq + 1)};
            if (argument == QLatin1String("--set")) {
                request.sets << entry;
            } else {
                const std::optional<bool> answer = IncludeAnswer(entry.value);
                if (!answer) {
                    error = QStringLiteral("--include \"") + setting + QStringLiteral("\": ") + kIncludeValues;
                    return std::nullopt;
                }
                entry.value = *answer ? QStringLiteral("yes") : QStringLiteral("no");
                request.includes << entry;
            }
        } else if (argument.startsWith(QLatin1String("--"))) {
            error = QStringLiteral("unknown option ") + argument;
            return std::nullopt;
        } else {
            positional << argument;
        }
    }
    if (positional.size() != 2) {
        error = QStringLiteral("--export takes OUT and TEMPLATE (see varkit --help)");
        return std::nullopt;
    }
    request.outPath = positional[0];
    request.templatePath = positional[1];
    return request;
}

namespace {

// The elements a --set or --include names: element N for "@N", else every element whose caption
// matches. Empty (and the reason in `error`) when it names none.
QList<int> Targets(const QString& option, const QString& target, int count, const std::function<QString(int)>& captionOf,
                   const QString& kind, const QString& captionKind, QString& error)
{
    QList<int> targets;
    const int index = IndexTarget(target, count);
    if (index > 0) {
        targets << index;
    } else if (index == -1) {
        for (int i = 1; i < count; ++i)
            if (SameCaption(captionOf(i), target))
                targets << i;
    }
    if (targets.isEmpty()) {
        error = option + QLatin1Char(' ') + target + QStringLiteral(": ")
            + (index == -2 ? QStringLiteral("there is no ") + kind + QStringLiteral(" with that number")
                           : QStringLiteral("no ") + kind + QStringLiteral(" has that ") + captionKind);
    }
    return targets;
}

}  // namespace

bool ApplyExportSettings(TemplateSession& session, const ExportRequest& request, QString& error)
{
    EditScreen& screen = session.screen;
    for (const ExportRequest::Setting& set : request.sets) {
        const QList<int> targets = Targets(
            QStringLiteral("--set"), set.target, screen.FieldCount(), [&](int i) { return screen.Field(i).DataLabel.caption; },
            QStringLiteral("field"), QStringLiteral("prompt"), error);
        if (targets.isEmpty())
            return false;
        for (int i : targets) {
            screen.Field(i).DataField.text = set.value;
            SelectOption(screen, i, set.value);
        }
    }
    for (const ExportRequest::Setting& include : request.includes) {
        const QList<int> targets = Targets(
            QStringLiteral("--include"), include.target, screen.GroupCount(), [&](int g) { return screen.Group(g).DataKeep.caption; },
            QStringLiteral("section"), QStringLiteral("name"), error);
        if (targets.isEmpty())
            return false;
        for (int g : targets) {
            screen.Group(g).DataKeep.value = include.value == QLatin1String("yes") ? 1 : 0;
            DataKeep_Click(screen, session.dialogs(), g);
        }
    }
    return true;
}

int RunExportCommand(const ProgramFolders& folders, const QStringList& arguments)
{
    QString error;
    const std::optional<ExportRequest> request = ParseExportArguments(arguments, error);
    if (!request) {
        Complain(error);
        return 2;
    }
    // The export never replaces the template it is made from, whatever name or link OUT
    // reaches it by.
    if (SameFile(request->outPath, request->templatePath)) {
        Complain(request->outPath + QStringLiteral(" is the template itself; the HTML would replace it (choose another OUT)"));
        return 2;
    }
    HeadlessSession session(folders);
    if (!session.Load(request->templatePath)) {
        Complain(QStringLiteral("could not import ") + request->templatePath);
        return 2;
    }
    FormState& form = session.form();
    if (!ApplyExportSettings(form, *request, error)) {
        Complain(error);
        return 2;
    }
    const int reportsBefore = session.StoppingReports();
    MakeHtml(form);
    if (session.StoppingReports() != reportsBefore) {
        Complain(QStringLiteral("Make HTML failed; ") + request->outPath + QStringLiteral(" was not written"));
        return 2;
    }
    try {
        const QByteArray page = EncodeText(form.HTMLtext.Text(), form.TemplateEncoding);
        if (request->outPath == QLatin1String("-"))
            WriteToStandardOutput(page);
        else
            AsAppError([&] { WriteFileBytes(form.files(), request->outPath, page); });
    } catch (const AppError& e) {
        ReportExportNotSaved(form.dialogs(), request->outPath);
        Complain(QStringLiteral("could not write ") + request->outPath + QStringLiteral(": ") + e.message());
        return 2;
    }
    return 0;
}
