#pragma once
// The questions the file commands ask before work could be lost: whether a chosen name may
// replace a file, and whether unsaved changes are saved before the template is replaced.
#include "platform/Dialogs.h"

#include <QString>

class FormState;

// Whether a name chosen in a save dialog may be written: never over `keepFile` (the template an
// export is made from), and over another existing file only when the user says so.
bool AcceptSaveName(FormState& form, const QString& title, const QString& chosen, const QString& keepFile);

// Yes/No/Cancel with an exclamation mark: `first` and `second` on two lines.
MsgAnswer AskToSave(FormState& form, const QString& title, const QString& first, const QString& second);

// The box shown when the HTML could not be written to `path` (the old file is then untouched).
void ReportExportNotSaved(Dialogs& dialogs, const QString& path);

// The unsaved-change questions asked before the current template is replaced (Open, Clear, a
// drop, the start-up template reloaded by Save & Reload): false when the user cancelled or a
// save did not happen.
bool SettleUnsavedWork(FormState& form);
// Only the question about the markup, for commands that replace the markup but keep the export.
bool SettleUnsavedTemplate(FormState& form);
