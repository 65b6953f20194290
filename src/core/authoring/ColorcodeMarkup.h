#pragma once
#include <QString>
class TemplateSession;

// Colours the template tags of the markup screen (TagColorSpans), as one edit of the box that
// changes no character. Empty text recolours the whole markup, all of it black first, and
// leaves the selection as it was. Other text is put in place of the markup's selection (the
// selection is kept when it already holds exactly that text) and coloured there, with the caret
// after it. Typing at a caret in the coloured text continues in black.
void ColorcodeMarkup(TemplateSession& session, const QString& text);
