#pragma once
// The Edit menu's insertion items and the enlarged editor's buttons: each sends its chord to the
// key-down of the box in front.
class FormState;

// Sends Ctrl with the item's key (0 B, 1 I, 2 U, 3 L, 4 numeric-pad minus, 5 numeric-pad plus,
// 6 Space, 7 Enter) to the markup box, the export box, the enlarged editor or the edit
// screen's active field, by the screen in front; nothing on the locked markup screen.
void MenuEditInsertion_Click(FormState& form, int index);

// Buttons 0 to 7 are the Edit menu's items; 8 ("Clear") takes every one of those tags out of the
// enlarged editor's selection, keeping the words.
void EditButton_Click(FormState& form, int index);
