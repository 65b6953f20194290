#include "ColorcodeMarkup.h"

#include "editscreen/TemplateSession.h"

void ColorcodeMarkup(TemplateSession& session, const QString& text)
{
    // The markup screen shows its text in one colour until tag colouring is built; a text to
    // colour is still put in place of the selection, so callers get the text they inserted.
    if (!text.isEmpty())
        session.MarkupText.SetSelText(text);
}
