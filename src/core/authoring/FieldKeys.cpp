#include "FieldKeys.h"

#include "EditorEvents.h"
#include "ShortcutTags.h"
#include "editscreen/BlowupState.h"
#include "editscreen/FieldNavigation.h"
#include "editscreen/FieldTextTarget.h"
#include "editscreen/TemplateSession.h"
#include "platform/AppError.h"
#include "platform/KeyCodes.h"

namespace {

namespace Key = NavigationKey;

bool IsField(const TemplateSession& session, int index)
{
    return index >= 1 && index < session.screen.FieldCount();
}

// Step 2 of both key-downs: a Ctrl chord on the box, which keeps the focus.
bool Chord(TemplateSession& session, TextTarget& box, int& keyCode, int shift)
{
    if (!ChordMode(shift))
        return false;
    if (ApplyChord(session.dialogs(), box, keyCode, shift, ChordBox::Other))
        session.KeySwallowed = true;
    box.SetFocus();
    return true;
}

// Down or Right at the end of the text, Up or Left at its start, leave the field.
bool Navigate(TemplateSession& session, int index, const TextTarget& box, int keyCode)
{
    EditScreen& screen = session.screen;
    if ((keyCode == Key::Down || keyCode == Key::Right) && box.SelStart() == box.Text().size())
        return NextField(screen, index);
    if ((keyCode == Key::Up || keyCode == Key::Left) && box.SelStart() == 0)
        return PreviousField(screen, index);
    return false;
}

}  // namespace

void DataField_KeyDown(TemplateSession& session, int index, int& keyCode, int& shift)
{
    if (!IsField(session, index))
        return;
    Reported(session.dialogs(), QStringLiteral("Data field Keydown"), QStringLiteral("Data field Keydown"), [&] {
        session.KeySwallowed = false;
        FieldTextTarget box(session.screen, index);
        if (Chord(session, box, keyCode, shift))
            return;
        if (shift == kShiftKeyState && keyCode == Key::Enter) {
            box.SetSelText(QStringLiteral("\r\n"));
            session.KeySwallowed = true;
            keyCode = 0;
            return;
        }
        // The box does not act on an arrow that left it.
        if (Navigate(session, index, box, keyCode))
            keyCode = 0;
    });
}

void DataField_KeyPress(TemplateSession& session, int index, int& keyAscii)
{
    Reported(session.dialogs(), QStringLiteral("DataField KeyPress"), QStringLiteral("DataField KeyPress"), [&] {
        if (DiscardSwallowedKey(session, keyAscii))
            return;
        if (keyAscii == Key::Enter) {
            keyAscii = 0;
            if (IsField(session, index))
                NextField(session.screen, index);
        }
    });
}

void DataBlowup_KeyDown(TemplateSession& session, BlowupState& blowup, int& keyCode, int& shift)
{
    Reported(session.dialogs(), QStringLiteral("Data Blowup Keydown"), QStringLiteral("Data Blowup Keydown"), [&] {
        session.KeySwallowed = false;
        Chord(session, blowup.DataBlowup, keyCode, shift);
    });
}

void DataBlowup_KeyPress(TemplateSession& session, int& keyAscii)
{
    DiscardSwallowedKey(session, keyAscii);
}
