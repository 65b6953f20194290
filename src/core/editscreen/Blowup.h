#pragma once
// The enlarged field editor's own work, apart from the screen it belongs to: opening it for a
// field, telling whether its text still is the field's value, and closing it with or without
// storing. The window's handlers (label click, OK and Cancel, the tab switch) add the screen
// change around these.
#include "BlowupState.h"

class EditScreen;

// Opens the editor for field i: its tag, the field's value and label; the HTML button row is
// shown for title ("!") and plain-text (" ") fields only. False when there is no field i.
bool OpenBlowup(BlowupState& blowup, const EditScreen& screen, int index);

// The field the editor edits, or 0 when its tag names none.
int BlowupField(const BlowupState& blowup, const EditScreen& screen);

// Open, and its text differs from the value of the field it edits.
bool BlowupEdited(const BlowupState& blowup, const EditScreen& screen);

// Closes the editor; `store` first gives the field the editor's text.
void CloseBlowup(BlowupState& blowup, EditScreen& screen, bool store);

// Whether a field of this style is edited with the HTML button row beside its label.
bool TakesEditButtons(const QString& style);
