#include "EditInsertion.h"

#include "CurrentTarget.h"
#include "FormState.h"
#include "ScreenTag.h"
#include "authoring/EditorEvents.h"
#include "authoring/ShortcutTags.h"
#include "platform/AppError.h"

#include <iterator>

namespace {

constexpr int kInsertionKeys[] = {ChordKey::B,        ChordKey::I,       ChordKey::U,     ChordKey::L,
                                  ChordKey::PadMinus, ChordKey::PadPlus, ChordKey::Space, ChordKey::Enter};
constexpr int kEditButtonClear = 8;

// A chord on a field or the enlarged editor; the box keeps the focus.
void ChordOn(FormState& form, TextTarget& box, int key, int shift)
{
    form.KeySwallowed = ApplyChord(form.dialogs(), box, key, shift, ChordBox::Other);
    box.SetFocus();
}

}  // namespace

void MenuEditInsertion_Click(FormState& form, int index)
{
    if (index < 0 || index >= static_cast<int>(std::size(kInsertionKeys)))
        return;
    Reported(form.dialogs(), QStringLiteral("EditMenu HTML tags"), QStringLiteral("Add Menu HTML codes"), [&] {
        int key = kInsertionKeys[index];
        int shift = ChordShift::Ctrl;
        switch (ScreenOf(form)) {
        case Screen::Markup:
            MarkupText_KeyDown(form, key, shift);
            break;
        case Screen::Export:
            HTMLtext_KeyDown(form, key, shift);
            break;
        case Screen::Edit:
        case Screen::Blowup: {
            EditMenuTarget target(form);
            if (TextTarget* box = target.get())
                ChordOn(form, *box, key, shift);
            break;
        }
        case Screen::NoMarkup:
            break;
        }
    });
    form.NotifyChanged();
}

void EditButton_Click(FormState& form, int index)
{
    if (index != kEditButtonClear) {
        MenuEditInsertion_Click(form, index);
        return;
    }
    Reported(form.dialogs(), QStringLiteral("Click Edit button"), QStringLiteral("Click Edit button"), [&] {
        for (int key : {ChordKey::B, ChordKey::I, ChordKey::U, ChordKey::L, ChordKey::PadPlus, ChordKey::PadMinus,
                        ChordKey::Enter, ChordKey::Space})
            ChordOn(form, form.Blowup.DataBlowup, key, ChordShift::CtrlShift);
    });
    form.NotifyChanged();
}
