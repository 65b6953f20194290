#include "CurrentTarget.h"

#include "FormState.h"
#include "ScreenTag.h"

TextTarget* FindTarget(FormState& form)
{
    switch (ScreenOf(form)) {
    case Screen::Markup: return &form.MarkupText;
    case Screen::Export: return &form.HTMLtext;
    case Screen::Blowup: return &form.Blowup.DataBlowup;
    case Screen::Edit:
    case Screen::NoMarkup: break;
    }
    return nullptr;
}

EditMenuTarget::EditMenuTarget(FormState& form) : box_(FindTarget(form))
{
    const EditScreen& screen = form.screen;
    const int i = screen.ActiveField;
    if (box_ || ScreenOf(form) != Screen::Edit || i < 1 || i >= screen.FieldCount())
        return;
    const TextBoxControl& box = screen.Field(i).DataField;
    if (box.visible && box.enabled)
        field_.emplace(form.screen, i);
}
