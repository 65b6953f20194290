#include "HeadlessSession.h"

#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "ImportTemplate.h"
#include "ScreenTag.h"

HeadlessSession::HeadlessSession(const ProgramFolders& folders) : form_(dialogs_, shell_, clipboard_)
{
    form_.folders = folders;
    SetScreen(form_, Screen::Edit);
}

bool HeadlessSession::Load(const QString& templatePath)
{
    form_.FileName.text = templatePath;
    if (!CanOpenForReading(templatePath)) {
        dialogs_.Message(QStringLiteral("Fetch Template Error"), QStringLiteral("File not found. Check file name or path."),
                         MsgButtons::Ok, MsgIcon::None);
        return false;
    }
    FetchTemplate(form_);
    if (!form_.MarkupText.Text().isEmpty())
        ImportTemplate(form_);
    return dialogs_.ErrorReports() == 0;
}
