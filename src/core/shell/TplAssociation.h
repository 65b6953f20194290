#pragma once
// The .tpl association: templates open with this program from the desktop's file browser.
// Offered by the Advanced Settings panel ("Link TPL Files" / "Unlink TPL Files") and made by
// the installer switches "i" and "d".
#include "platform/FileAssociation.h"

class FormState;

inline const QString kTplProgId = QStringLiteral("VarKit.TPLfile");
inline const QString kTplMimeType = QStringLiteral("application/x-varkit-template");

// The association's values: ".tpl", the program file, the ProgID, "Varkit template", the icons.
AssociationEntry TplAssociationEntry(const FormState& form);

// Mode 0 queries (and becomes -1 when the association is not in place), 1 creates, 2 removes.
// Run-time errors are ignored.
void AssociateTplFiles(FormState& form, int& mode);

// Links when the button's tag says "-1" (not linked), else unlinks; then the captions and the
// message.
void AdvSettingsAssociate_Click(FormState& form);
void MenuHelpSettingsAssoc_Click(FormState& form);
// The button's tag and the captions of the button and the menu item for the queried state.
void ShowAssociationState(FormState& form);
