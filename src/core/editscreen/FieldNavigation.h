#pragma once
// Moving between the edit screen's fields with the keyboard: the next or previous field that is
// shown and takes input gets the focus with its whole text selected, and the field list scrolls
// so that it is in view (its bottom 120 twips above the viewport's lower edge going down, its top
// 60 twips below the upper edge going up).
class EditScreen;

// Step "Go to Next Field". False, with nothing changed, when no usable field follows.
bool NextField(EditScreen& screen, int index);
// Step "Go to Last Field". False, with nothing changed, when no usable field comes before.
bool PreviousField(EditScreen& screen, int index);

// The content panel follows the scroll bar: its top is minus the bar's value.
void DataScrollbar_Change(EditScreen& screen);
