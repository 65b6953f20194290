#pragma once
#include <QString>
class FormState;

// Colours the template tags of the markup screen: empty text recolours the whole markup,
// other text is coloured and put in place of the markup's selection.
void ColorcodeMarkup(FormState& form, const QString& text);
