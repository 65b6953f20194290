#include "DesignerFiles.h"

#include "AdvancedSettings.h"
#include "CustomSettings.h"
#include "FileCommands.h"
#include "FormState.h"
#include "InstallPaths.h"
#include "ScreenCommands.h"
#include "StartUp.h"
#include "platform/AppError.h"
#include "platform/Paths.h"
#include "platform/QuietDialogs.h"
#include "platform/TextFile.h"
#include "template/TagScanner.h"
#include "text/TextUtilities.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace {

const QString kCopyError = QStringLiteral("Copy Error");

QString Quoted(const QString& text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString ContactLines(const FormState& form)
{
    return QStringLiteral("\r\n\r\nYou may wish to contact your designer:\r\n  ") + form.DesignerContact;
}

void ShowCopyError(FormState& form, const QString& text)
{
    form.dialogs().Message(kCopyError, text + ContactLines(form), MsgButtons::Ok, MsgIcon::Exclamation);
}

void ShowNotFound(FormState& form, bool folder, const QString& argument)
{
    const QString start = folder ? QStringLiteral("Could not find the folder called   ")
                                 : QStringLiteral("Could not find the file called \r\n");
    ShowCopyError(form, start + Quoted(argument) + QStringLiteral("\r\nto copy to the VarKit directory."));
}

void ShowRefused(FormState& form, const QString& argument, const QString& reason)
{
    ShowCopyError(form, QStringLiteral("Could not copy \r\n") + Quoted(argument) + QStringLiteral("\r\nto the VarKit directory: ")
                            + reason + QLatin1Char('.'));
}

// Copies what the folder holds, below `to`. A link that leads out of the template's folder is
// not followed, nothing is written where a link would take it out of the VarKit folder, and a
// folder reached twice (a link back up) is copied once.
struct FolderCopy {
    FileOps& files;
    QString sourceRoot;  // canonical
    QString targetRoot;  // canonical
    QSet<QString> copied;

    void Copy(const QString& from, const QString& to)
    {
        if (copied.contains(QFileInfo(from).canonicalFilePath()))
            return;
        copied << QFileInfo(from).canonicalFilePath();
        if (!StaysInside(targetRoot, to))
            throw AppError(ErrorNumber::PermissionDenied, QStringLiteral("a symbolic link leads out of the VarKit folder"));
        files.MakeFolder(to);
        const QDir folder(from);
        for (const QString& name : folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
            const QString entry = folder.filePath(name);
            if (!StaysInside(sourceRoot, entry))
                continue;
            const QString target = to + QLatin1Char('/') + name;
            const FileKind kind = files.Kind(entry);
            if (kind == FileKind::Folder) {
                Copy(entry, target);
            } else if (kind == FileKind::File) {
                if (!StaysInside(targetRoot, target))
                    throw AppError(ErrorNumber::PermissionDenied, QStringLiteral("a symbolic link leads out of the VarKit folder"));
                files.Copy(entry, target);
            }
        }
    }
};

struct Destination {
    ConfinedPath source;
    ConfinedPath target;
};

// The source and destination of a copy, or the reason shown for refusing it.
bool Locate(FormState& form, const InstallationFile& installation, const QString& argument, FileKind kind, Destination& where)
{
    where.source = ConfineSource(installation.folder, argument);
    if (!where.source.ok()) {
        ShowRefused(form, argument, where.source.problem);
        return false;
    }
    if (form.files().Kind(where.source.path) != kind) {
        ShowNotFound(form, kind == FileKind::Folder, argument);
        return false;
    }
    if (!form.folders.MakeUserFolder()) {
        ShowRefused(form, argument, QStringLiteral("the VarKit folder cannot be made"));
        return false;
    }
    where.target = ConfineTarget(form.folders.User(), argument);
    if (!where.target.ok()) {
        ShowRefused(form, argument, where.target.problem);
        return false;
    }
    return true;
}

void CopyFolderCommand(FormState& form, const InstallationFile& installation, const QString& argument)
{
    Destination where;
    if (!Locate(form, installation, argument, FileKind::Folder, where))
        return;
    FolderCopy copy{form.files(), QFileInfo(installation.folder).canonicalFilePath(),
                    QFileInfo(form.folders.User()).canonicalFilePath(), {}};
    copy.Copy(where.source.path, where.target.path);
}

void CopyFileCommand(FormState& form, const InstallationFile& installation, const QString& argument)
{
    Destination where;
    if (!Locate(form, installation, argument, FileKind::File, where))
        return;
    // Every missing folder of the path is made, however deep.
    form.files().MakeFolder(QFileInfo(where.target.path).absolutePath());
    form.files().Copy(where.source.path, where.target.path);
}

// A start-up template or splash image the designer's file names must pass the rules the
// Advanced Settings panel applies; one that does not keeps the value it replaced.
void KeepOnlyValidPaths(FormState& form, const QString& argument, const QString& oldTemplate, const QString& oldSplash)
{
    QString refused;
    for (auto [value, old] : {std::pair<QString*, QString>{&form.StartupTemplate, oldTemplate}, {&form.SplashLogo, oldSplash}}) {
        const QString problems = *value == old ? QString() : DefaultPathProblems(*value, QString());
        if (problems.isEmpty())
            continue;
        refused += QStringLiteral("  ") + *value + QStringLiteral("\r\n\r\n") + problems;
        *value = old;
    }
    if (!refused.isEmpty())
        form.dialogs().Message(QStringLiteral("Default File Settings"),
                               QStringLiteral("The settings file ") + Quoted(argument)
                                   + QStringLiteral(" names a path that was not installed:\r\n") + refused,
                               MsgButtons::Ok, MsgIcon::Exclamation);
}

void InstallSettingsCommand(FormState& form, const InstallationFile& installation, const QString& argument)
{
    const ConfinedPath source = ConfineSource(installation.folder, argument);
    if (!source.ok()) {
        ShowRefused(form, argument, source.problem);
        return;
    }
    if (form.files().Kind(source.path) != FileKind::File) {
        ShowNotFound(form, false, argument);
        return;
    }
    const QString oldTemplate = form.StartupTemplate;
    const QString oldSplash = form.SplashLogo;
    ReadCustomSettings(form, source.path);
    KeepOnlyValidPaths(form, argument, oldTemplate, oldSplash);
    WriteCustomSettings(form);
    ApplySplashLogo(form);
    if (!form.SplashLogo.isEmpty() && FileExists(form.folders.Find(form.SplashLogo)))
        TabTop_Click(form, 1);
}

// The scanner's host while the commands are looked for ahead of the import: it shows nothing (the
// import itself reports what the scan finds wrong) and never cancels (the look-ahead is one quick pass over a template already in memory).
class LookAheadHost : public ScannerHost {
public:
    bool CancelRequested() const override { return false; }
    void SetTemplateLoading(bool) override {}
    void ShowCodeSize(qint64) override {}
    void LetEventsRunSoon() override {}
    void LetEventsRun() override {}
    Dialogs& dialogs() override { return dialogs_; }

private:
    QuietDialogs dialogs_;
};

QString Command(const QString& written)
{
    return written.trimmed().toLower();
}

}  // namespace

InstallationFile InstallationFileOf(const QString& templatePath)
{
    const QString path = ResolvePath(templatePath);
    return {path, ExtractDirectory(path)};
}

QList<DesignerCommand> DesignerCommandsIn(const TemplateFile& file)
{
    QList<DesignerCommand> commands;
    LookAheadHost host;
    qint64 startLoc = 1;
    Keyword keyword;
    while (!file.AtEnd(startLoc)) {
        keyword.Reset();
        FetchKeywords(file, startLoc, keyword, host);
        if (keyword.prompt == kScanError)
            break;
        if (keyword.keyStyle != QLatin1String("$") || !keyword.prompt.startsWith(QLatin1Char('$')))
            continue;
        commands.append({keyword.prompt, keyword.defaultText});
        if (Command(keyword.prompt) == QLatin1String("$killme"))
            break;
    }
    return commands;
}

QString InstallationQuestion(const QList<DesignerCommand>& commands, const QString& userFolder, const QString& templatePath)
{
    QString steps;
    for (const DesignerCommand& c : commands) {
        const QString command = Command(c.command);
        if (command == QLatin1String("$folder"))
            steps += QStringLiteral("  copy the folder ") + Quoted(c.argument) + QStringLiteral(" into your VarKit folder\r\n");
        else if (command == QLatin1String("$file"))
            steps += QStringLiteral("  copy the file ") + Quoted(c.argument) + QStringLiteral(" into your VarKit folder\r\n");
        else if (command == QLatin1String("$ini"))
            steps += QStringLiteral("  install the settings file ") + Quoted(c.argument)
                + QStringLiteral(" (start-up template, splash image, markup lock, Help menu)\r\n");
        else if (command == QLatin1String("$message") && !c.argument.isEmpty())
            steps += QStringLiteral("  show a message\r\n");
        else if (command == QLatin1String("$killme"))
            steps += QStringLiteral("  delete itself: ") + templatePath + QStringLiteral("\r\n");
    }
    if (steps.isEmpty())
        return {};
    return QStringLiteral("This template is an installation template. Opened with Yes it will:\r\n\r\n") + steps
        + QStringLiteral("\r\nYour VarKit folder: ") + userFolder
        + QStringLiteral("\r\n\r\nInstall only what comes from a designer you trust. ")
        + QStringLiteral("With No it opens as an ordinary template and nothing is installed.\r\n\r\nInstall it now?");
}

DesignerCommandMode DesignerCommandModeFor(FormState& form, const TemplateFile& file, const InstallationFile& installation)
{
    if (!form.DesignerCommandsRun)
        return DesignerCommandMode::List;
    // Only a "$" tag can hold a command: most templates are not looked through twice.
    if (!form.MarkupText.Text().contains(QLatin1String("[varkit$"), Qt::CaseInsensitive))
        return DesignerCommandMode::Run;
    const QString question = InstallationQuestion(DesignerCommandsIn(file), form.folders.User(), installation.path);
    if (question.isEmpty())
        return DesignerCommandMode::Run;
    const MsgAnswer answer = form.dialogs().Message(QStringLiteral("Installation Template"), question, MsgButtons::YesNo,
                                                    MsgIcon::Question);
    return answer == MsgAnswer::Yes ? DesignerCommandMode::Run : DesignerCommandMode::Skip;
}

void RunActionFile(FormState& form, const InstallationFile& installation, const QString& command, QString& argument)
{
    const QString name = Command(command);
    try {
        if (name == QLatin1String("$designer")) {
            form.DesignerContact = argument;
        } else if (name == QLatin1String("$folder")) {
            CopyFolderCommand(form, installation, argument);
        } else if (name == QLatin1String("$file")) {
            CopyFileCommand(form, installation, argument);
        } else if (name == QLatin1String("$ini")) {
            InstallSettingsCommand(form, installation, argument);
        } else if (name == QLatin1String("$message")) {
            if (!argument.isEmpty())
                form.dialogs().Message(QStringLiteral("Installation Message"), argument, MsgButtons::Ok, MsgIcon::None);
        } else if (name == QLatin1String("$killme")) {
            RemoveIgnoringErrors(form.files(), installation.path);
            form.TemplateChanged = form.ExportChanged = false;
            MenuFileOpen_Click(form, 1);
            argument = QStringLiteral("kill");
        }
    } catch (const AppError& error) {
        // A copy or a settings write that fails part-way: the user hears of it, and the
        // installation goes on with its next command.
        ShowRefused(form, argument, error.message());
    }
    form.NotifyChanged();
}
