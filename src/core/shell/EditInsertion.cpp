#include "EditInsertion.h"

#include "CurrentTarget.h"
#include "FormState.h"
#include "ScreenTag.h"
#include "authoring/EditorEvents.h"
#include "authoring/FieldKeys.h"
#include "authoring/ShortcutTags.h"
#include "platform/AppError.h"

#include <iterator>

namespace {

constexpr int kInsertionKeys[] = {ChordKey::B,        ChordKey::I,       ChordKey::U,     ChordKey::L,
                                  ChordKey::PadMinus, ChordKey::PadPlus, ChordKey::Space, ChordKey::Enter};
constexpr int kEditButtonClear = 8;

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
            if (EditMenuTarget(form).get())
                DataField_KeyDown(form, form.screen.ActiveField, key, shift);
            break;
        case Screen::Blowup:
            DataBlowup_KeyDown(form, form.Blowup, key, shift);
            break;
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
                        ChordKey::Enter, ChordKey::Space}) {
            int shift = ChordShift::CtrlShift;
            DataBlowup_KeyDown(form, form.Blowup, key, shift);
        }
    });
    form.NotifyChanged();
}
