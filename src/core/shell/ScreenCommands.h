#pragma once
// The screen commands: the tab strip (EDIT, MARKUP, EXPORT) that switches the three screens,
// and the command buttons of the edit and export screens (make HTML, back, preview, copy,
// reload, prior choices, save defaults).
#include <QString>

class FormState;
class TemplateSession;

// Button(index): 0 make HTML, 1 "< Edit", 2 and 12 Preview, 3 Copy, 4 Reload Template,
// 5 Get (prior choices), 6 Save defaults; 7 to 11 do nothing.
void Button_Click(FormState& form, int index);

// Shows the screen of tab 0 (edit), 1 (markup) or 4 (export); a click on the export tab while
// the export screen is shown opens the preview.
void TabTop_Click(FormState& form, int index);
// Double-click on the export tab: to the export screen when not there yet, then the preview.
void TabTop_DblClick(FormState& form, int index);

// Loads the field values an older release kept beside the template (Button 5) and offers to
// save them as a new template; the old file is deleted once that template is written.
void LoadPriorChoices(FormState& form);

// The bars under the tab captions, 0x00BBGGRR, for tabs 0, 1 and 4.
quint32 IdleBarColor(int tab);
quint32 SelectedBarColor(int tab);

inline const QString kExportTabToolTip = QStringLiteral("Click to view HTML code -- Dbl-click to view Browser.");
inline const QString kExportTabShownToolTip = QStringLiteral("Click to view Browser. ");

// The change events of the two rich-text boxes: the size labels follow the text and the
// unsaved-change flags are raised.
void MarkupText_Change(TemplateSession& session);
void HTMLtext_Change(TemplateSession& session);
