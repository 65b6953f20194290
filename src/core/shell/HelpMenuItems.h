#pragma once
// The Help menu's added items: those of the settings file and those a template adds.
#include <QString>

class FormState;

void AddCustomHelp(FormState& form, const QString& caption, const QString& link);
// Removes the items the current template added.
void DeleteMenuOption(FormState& form);
// Removes every item above the built-in ones.
void ClearMenuOptions(FormState& form);
// The separator before "Advanced Settings ..." hides while the last item is itself one.
void ApplyHelpSeparatorRule(FormState& form);
