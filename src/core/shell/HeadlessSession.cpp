#include "HeadlessSession.h"

#include "ImportTemplate.h"
#include "ScreenTag.h"

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

void HeadlessSession::Begin(const ProgramFolders& folders)
{
    form_.folders = folders;
    SetScreen(form_, Screen::Edit);
}

bool HeadlessSession::Load(const QString& templatePath)
{
    const int before = dialogs_.StoppingReports();
    return LoadTemplate(form_, templatePath) && dialogs_.StoppingReports() == before;
}
