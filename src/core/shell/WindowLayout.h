#pragma once
// The rules by which the window lays itself out again when it changes size. The window writes
// its inner size into the layout model (WindowLayoutState.h), calls Form_Resize and then moves
// its widgets to the geometry the model holds.
#include "WindowLayoutState.h"

class FormState;

// Lays the window out again for the inner size in form.layout, then lets the window apply the
// new geometry (form.onFormResize).
void Form_Resize(FormState& form);
