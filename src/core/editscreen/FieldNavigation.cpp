#include "FieldNavigation.h"

#include "EditScreen.h"

namespace {

constexpr int kBottomMargin = 120;
constexpr int kTopMargin = 60;

bool Usable(const TextBoxControl& box)
{
    return box.visible && box.enabled;
}

// The first usable field from `index` on in the direction `step`, or 0.
int UsableFrom(const EditScreen& screen, int index, int step)
{
    for (int i = index; i >= 1 && i < screen.FieldCount(); i += step)
        if (Usable(screen.Field(i).DataField))
            return i;
    return 0;
}

// The bar takes only values it can show: none while it is disabled (everything is in view).
void ScrollTo(EditScreen& screen, int value)
{
    auto& bar = screen.DataScrollbar;
    bar.value = qBound(0, value, bar.enabled ? bar.max : 0);
    DataScrollbar_Change(screen);
}

void FocusWholeText(EditScreen& screen, int i)
{
    TextBoxControl& box = screen.Field(i).DataField;
    box.selStart = 0;
    box.selLength = static_cast<int>(box.text.size());
    screen.RequestFocus(i);
}

}  // namespace

void DataScrollbar_Change(EditScreen& screen)
{
    screen.DataScrollInsert.top = -screen.DataScrollbar.value;
    screen.NotifyChanged(ScreenElement::ScrollArea, 0);
}

bool NextField(EditScreen& screen, int index)
{
    const int i = UsableFrom(screen, index + 1, 1);
    if (!i)
        return false;
    const Geometry& field = screen.Field(i).DataField.geometry;
    const int bottom = field.top + field.height + kBottomMargin;
    if (bottom + screen.DataScrollInsert.top > screen.DataScrollFrame.height)
        ScrollTo(screen, bottom - screen.DataScrollFrame.height);
    FocusWholeText(screen, i);
    return true;
}

bool PreviousField(EditScreen& screen, int index)
{
    const int i = UsableFrom(screen, index - 1, -1);
    if (!i)
        return false;
    const Geometry& field = screen.Field(i).DataField.geometry;
    if (field.top + screen.DataScrollInsert.top <= 0)
        ScrollTo(screen, field.top - kTopMargin);
    FocusWholeText(screen, i);
    return true;
}

bool ScrollIntoView(EditScreen& screen, const Geometry& control)
{
    const int offset = screen.DataScrollInsert.top;
    const int bottom = control.top + control.height + kBottomMargin;
    const int before = screen.DataScrollbar.value;
    if (control.top + offset < 0)
        ScrollTo(screen, control.top - kTopMargin);
    else if (bottom + offset > screen.DataScrollFrame.height)
        ScrollTo(screen, bottom - screen.DataScrollFrame.height);
    return screen.DataScrollbar.value != before;
}
