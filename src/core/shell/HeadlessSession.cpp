#include "HeadlessSession.h"

#include "ImportTemplate.h"
#include "ScreenTag.h"

#include <cstdio>

HeadlessSession::HeadlessSession(const ProgramFolders& folders, FILE* boxes)
    : ownDialogs_(boxes), dialogs_(ownDialogs_), form_(dialogs_, shell_, clipboard_, files_)
{
    Begin(folders);
}

HeadlessSession::HeadlessSession(const ProgramFolders& folders, StderrDialogs& dialogs)
    : dialogs_(dialogs), form_(dialogs_, shell_, clipboard_, files_)
{
    Begin(folders);
}

HeadlessSession::HeadlessSession(const ProgramFolders& folders, StderrDialogs& dialogs, FileOps& files)
    : dialogs_(dialogs), form_(dialogs_, shell_, clipboard_, files)
{
    Begin(folders);
}

void HeadlessSession::Begin(const ProgramFolders& folders)
{
    form_.folders = folders;
    // A template from someone else may hold designer commands; without a window to ask in,
    // none of them runs.
    form_.DesignerCommandsRun = false;
    SetScreen(form_, Screen::Edit);
}

bool HeadlessSession::Load(const QString& templatePath)
{
    const int before = dialogs_.StoppingReports();
    form_.DesignerCommandsNotRun.clear();
    const bool loaded = LoadTemplate(form_, templatePath);
    for (const QString& command : form_.DesignerCommandsNotRun)
        dialogs_.Note(QStringLiteral("designer command not run: ") + command);
    return loaded && dialogs_.StoppingReports() == before;
}

bool HeadlessSession::ImportMarkupOf(const TemplateSession& window)
{
    const int before = dialogs_.StoppingReports();
    const QString markup = window.MarkupText.Text();
    form_.FileName.text = window.FileName.text;
    form_.TemplateEncoding = window.TemplateEncoding;
    form_.FileSize = QString::number(EncodeText(markup, window.TemplateEncoding).size());
    form_.MarkupText.SetText(markup);
    if (!markup.isEmpty())
        ImportTemplate(form_);
    return dialogs_.StoppingReports() == before;
}

void Complain(const QString& message)
{
    const QByteArray bytes = (QStringLiteral("varkit: ") + message + QLatin1Char('\n')).toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stderr);
}
