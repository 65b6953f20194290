#pragma once
// Loading a template: FetchTemplate reads the file named in the file-name box into the markup
// screen; ImportTemplate turns the markup into the edit screen, one field per tag.
#include <QString>

class FormState;

void FetchTemplate(FormState& form);
void ImportTemplate(FormState& form);
// The file-name box's key handler; true when it handled the key.
bool FileName_KeyPress(FormState& form, int keyAscii);

// The prior-choices file of an older release: the ".TPL" path with its last letter "e";
// empty for a path that does not end in ".TPL".
QString PriorChoicesFile(const QString& templatePath);
