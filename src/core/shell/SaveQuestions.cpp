#include "SaveQuestions.h"

#include "FileCommands.h"
#include "FormState.h"
#include "platform/Paths.h"

#include <QFileInfo>

namespace {

const QString kCrLf = QStringLiteral("\r\n");

}  // namespace

MsgAnswer AskToSave(FormState& form, const QString& title, const QString& first, const QString& second)
{
    return form.dialogs().Message(title, first + kCrLf + second, MsgButtons::YesNoCancel, MsgIcon::Exclamation);
}

bool AcceptSaveName(FormState& form, const QString& title, const QString& chosen, const QString& keepFile)
{
    // The dialog itself does not ask, since the name it returns may still change
    // (SaveDialogName): the question is about the name written.
    if (!keepFile.isEmpty() && SameFile(chosen, keepFile)) {
        form.dialogs().Message(QStringLiteral("File Error"),
                               QStringLiteral("The HTML cannot be saved over the template it is made from: ") + kCrLf
                                   + ToNativeSeparators(chosen) + kCrLf + QStringLiteral("Choose a new file name. "),
                               MsgButtons::Ok, MsgIcon::Exclamation);
        return false;
    }
    if (!QFileInfo::exists(ToNativeSeparators(chosen)))
        return true;
    const MsgAnswer answer = form.dialogs().Message(
        title, ToNativeSeparators(chosen) + QStringLiteral(" already exists.") + kCrLf + QStringLiteral("Do you want to replace it?"),
        MsgButtons::YesNo, MsgIcon::Exclamation);
    return answer == MsgAnswer::Yes;
}

void ReportExportNotSaved(Dialogs& dialogs, const QString& path)
{
    dialogs.Message(QStringLiteral("File Error"), QStringLiteral("File Save Error. ") + kCrLf + path, MsgButtons::Ok,
                    MsgIcon::Exclamation);
}

bool SettleUnsavedTemplate(FormState& form)
{
    if (!form.TemplateChanged)
        return true;
    const MsgAnswer answer = AskToSave(form, QStringLiteral("Template File"), QStringLiteral("Save changes to current template "),
                                       QStringLiteral("before continuing?"));
    if (answer == MsgAnswer::Cancel)
        return false;
    return answer != MsgAnswer::Yes || MenuFileSave_Click(form, 0);
}

bool SettleUnsavedWork(FormState& form)
{
    if (!SettleUnsavedTemplate(form))
        return false;
    if (form.ExportChanged) {
        const MsgAnswer answer = AskToSave(form, QStringLiteral("HTML File"), QStringLiteral("Save changes to exported HTML "),
                                           QStringLiteral("before continuing?"));
        if (answer == MsgAnswer::Cancel)
            return false;
        if (answer == MsgAnswer::Yes && !MenuFileSaveWeb_Click(form))
            return false;
    }
    return true;
}
