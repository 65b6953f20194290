#pragma once
// Moving between the edit screen's fields with the keyboard: the next or previous field that is
// shown and takes input gets the focus with its whole text selected, and the field list scrolls
// so that it is in view (its bottom 120 twips above the viewport's lower edge going down, its top
// 60 twips below the upper edge going up).
class EditScreen;
struct Geometry;

// Step "Go to Next Field". False, with nothing changed, when no usable field follows.
bool NextField(EditScreen& screen, int index);
// Step "Go to Last Field". False, with nothing changed, when no usable field comes before.
bool PreviousField(EditScreen& screen, int index);

// A control that took the focus some other way (Tab, a click) comes into view by the same
// margins: scrolled down when its bottom is below the window, up when its top is above it. The
// geometry is the control's, in the content panel; false when it was in view already.
bool ScrollIntoView(EditScreen& screen, const Geometry& control);

// The content panel follows the scroll bar: its top is minus the bar's value.
void DataScrollbar_Change(EditScreen& screen);
