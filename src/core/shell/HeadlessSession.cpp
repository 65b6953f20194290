#include "HeadlessSession.h"

#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "ImportTemplate.h"
#include "ScreenTag.h"

HeadlessSession::HeadlessSession(const QString& programFolder) : form_(dialogs_, shell_, clipboard_)
{
    form_.SetProgramFolder(programFolder);
    if (workDir_.isValid())
        form_.WorkFile = workDir_.filePath(QStringLiteral("~varkit.tmp"));
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
