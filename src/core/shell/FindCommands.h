#pragma once
class FormState;

// The find panel's buttons: 0 Cancel hides the panel; 1 Find Next and 2 Replace search the
// current text box (they come with the search).
void FindButton_Click(FormState& form, int index);
