#pragma once
// Find and replace over the box of the screen in front (the markup box, the export box or the
// enlarged editor), and the Edit menu's Copy, Paste and Select All, which also reach the edit
// screen's focused field.
class FormState;

// The Edit menu's find items: 0 "&Find ..." shows the panel with the focus in "Find what?",
// 1 "Find &Next" searches again, 2 "&Replace ..." shows the panel with the focus in "Replace".
void MenuFind_Click(FormState& form, int index);

// The find panel's buttons: 0 Cancel hides the panel; 1 Find Next selects the next match, or
// says that none is left and puts the caret at the end so that the next search starts at the
// top; 2 Replace replaces a non-empty selection with the "Replace" text, then finds the next.
void FindButton_Click(FormState& form, int index);

void MenuEditCopy_Click(FormState& form);
void MenuEditPaste_Click(FormState& form);
void MenuEditSelectAll_Click(FormState& form);

// A mouse press on the markup screen's frame (button 2 = right, shift 2 = Ctrl): Ctrl with the
// right button enables "Create Designer Private Label File ..." again.
void MarkupFrame_MouseDown(FormState& form, int button, int shift);
