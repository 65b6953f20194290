#pragma once
// The clicks on the edit screen's fields that change the window: a label or its side button
// opens the enlarged editor (an include field's the file dialog instead), and the editor's OK
// and Cancel close it again.
class FormState;

// Step "Call Data Blowup". An include field ("+") asks for a file to open; its path becomes the
// field's value unless the dialog was cancelled. Any other field opens the enlarged editor over
// the edit screen, with the find commands on.
void DataLabel_Click(FormState& form, int index);
// The side button does what a click on the label does.
void DataButton_Click(FormState& form, int index);
// F2 (no Shift, Ctrl or Alt) in a field does what a click on its label does, when the field
// shows its label or its side button; the key is then taken (its code becomes 0). Every other
// key goes on to the field's own key-down.
void DataField_WindowKeyDown(FormState& form, int index, int& keyCode, int& shift);

// The enlarged editor's buttons: 1 OK puts its text into the field it edits, 0 Cancel does not;
// both close it and return to the edit screen.
void BlowupButton_Click(FormState& form, int index);
