#include "EditorEvents.h"

#include "ShortcutTags.h"
#include "editscreen/TemplateSession.h"
#include "platform/AppError.h"

bool DiscardSwallowedKey(TemplateSession& session, int& keyAscii)
{
    if (!session.KeySwallowed)
        return false;
    keyAscii = 0;
    session.KeySwallowed = false;
    return true;
}

void MarkupText_KeyDown(TemplateSession& session, int& keyCode, int& shift)
{
    Reported(session.dialogs(), QStringLiteral("Source Edit"), QStringLiteral("Markup Keydown"), [&] {
        session.KeySwallowed = false;
        if (keyCode == kAltKeyCode) {
            keyCode = shift = 0;
            session.KeySwallowed = true;
            return;
        }
        if (ApplyChord(session.dialogs(), session.MarkupText, keyCode, shift, ChordBox::Markup))
            session.KeySwallowed = true;
    });
}

void HTMLtext_KeyDown(TemplateSession& session, int& keyCode, int& shift)
{
    Reported(session.dialogs(), QStringLiteral("Edit HTML screen"), QStringLiteral("HTML output Keydown"), [&] {
        session.KeySwallowed = false;
        if (ApplyChord(session.dialogs(), session.HTMLtext, keyCode, shift, ChordBox::Other))
            session.KeySwallowed = true;
    });
}

void MarkupText_KeyPress(TemplateSession& session, int& keyAscii)
{
    DiscardSwallowedKey(session, keyAscii);
}

void HTMLtext_KeyPress(TemplateSession& session, int& keyAscii)
{
    DiscardSwallowedKey(session, keyAscii);
}
