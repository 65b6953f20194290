#pragma once
// "Save Edited &Data fields ...": the edit screen's values become the defaults of a new
// template, which is written under a name the user chooses, with the tile pictures it needs
// copied beside it, and then shown on the markup screen. SaveEditFields is the edit screen's
// "Save " button, which explains the command and offers to run it.
#include "authoring/SaveEditedData.h"

#include <QList>

class FormState;

// The Help-menu items the current template added (those after the settings file's), with
// their captions as the menu shows them.
QList<TemplateHelpLink> TemplateHelpLinks(const FormState& form);

// The template rebuilt from the edit screen (BackloadTemplateData) over the segments as the
// template holds them: the import scans the markup with a line break after it, which the text
// after the last tag keeps and the template does not.
QString ModifiedTemplateOf(FormState& form);

// True when the new template was written (false after a cancelled dialog, a failed write or
// an empty screen). A failed write leaves the markup screen, the file name and the flags as
// they were.
bool MenuFileSaveModified_Click(FormState& form);

// Asks whether to save the edited data to a new template now; Yes runs
// MenuFileSaveModified_Click. True when a template was written.
bool SaveEditFields(FormState& form);
