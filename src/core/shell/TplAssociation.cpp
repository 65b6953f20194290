#include "TplAssociation.h"

#include "FormState.h"

namespace {

const QString kCrLf = QStringLiteral("\r\n");

void ShowLinked(FormState& form, bool linked)
{
    form.AdvSettings.associateTag = linked ? QStringLiteral("0") : QStringLiteral("-1");
    form.AdvSettings.associateCaption = linked ? QStringLiteral("Unlink TPL Files") : QStringLiteral("Link TPL Files");
}

bool Linked(FormState& form)
{
    int mode = 0;
    AssociateTplFiles(form, mode);
    return mode == 0;
}

}  // namespace

AssociationEntry TplAssociationEntry(const FormState& form)
{
    AssociationEntry entry;
    entry.extension = QStringLiteral(".tpl");
    entry.programPath = form.ProgramFile;
    entry.progId = kTplProgId;
    entry.description = QStringLiteral("Varkit template");
    entry.iconFolder = form.folders.Program() + QStringLiteral("icons/hicolor");
    entry.mimeType = kTplMimeType;
    return entry;
}

void AssociateTplFiles(FormState& form, int& mode)
{
    try {
        const AssociationEntry entry = TplAssociationEntry(form);
        FileAssociation& association = form.association();
        if (mode == 0) {
            QString progId = entry.progId;
            association.QueryFileAssociation(entry, progId);
            if (progId.isEmpty())
                mode = -1;
        } else if (mode == 1) {
            association.CreateFileAssociation(entry, form.dialogs());
        } else if (mode == 2) {
            association.RemoveFileAssociation(entry);
        }
    } catch (const std::exception&) {
    }
}

void AdvSettingsAssociate_Click(FormState& form)
{
    int mode = form.AdvSettings.associateTag == QLatin1String("-1") ? 1 : 2;
    AssociateTplFiles(form, mode);
    // What the desktop now holds decides the captions: a creation that failed half-way (its
    // messages already shown) is not announced as done.
    const bool linked = Linked(form);
    ShowLinked(form, linked);
    if (mode == 1 && linked)
        form.dialogs().Message(kProgramTitle, QStringLiteral("TPL Association Added. ") + kCrLf + QStringLiteral("TPL files can launch VarKit."),
                               MsgButtons::Ok, MsgIcon::None);
    else if (mode == 2 && !linked)
        form.dialogs().Message(kProgramTitle,
                               QStringLiteral("TPL Association Removed. ") + kCrLf + QStringLiteral("TPL files won't launch VarKit."),
                               MsgButtons::Ok, MsgIcon::None);
    form.NotifyChanged();
}

void MenuHelpSettingsAssoc_Click(FormState& form)
{
    AdvSettingsAssociate_Click(form);
}

void ShowAssociationState(FormState& form)
{
    ShowLinked(form, Linked(form));
    form.NotifyChanged();
}
