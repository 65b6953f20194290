#include "HeadlessSession.h"

#include "ImportTemplate.h"
#include "ScreenTag.h"

HeadlessSession::HeadlessSession(const ProgramFolders& folders, FILE* boxes)
    : dialogs_(boxes), form_(dialogs_, shell_, clipboard_, files_)
{
    form_.folders = folders;
    SetScreen(form_, Screen::Edit);
}

bool HeadlessSession::Load(const QString& templatePath)
{
    return LoadTemplate(form_, templatePath) && dialogs_.ErrorReports() == 0;
}
