#pragma once
#include <QString>
class TemplateSession;

// Colours the template tags of the markup screen: empty text recolours the whole markup,
// other text is coloured and put in place of the markup's selection.
void ColorcodeMarkup(TemplateSession& session, const QString& text);
