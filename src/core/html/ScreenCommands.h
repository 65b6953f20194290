#pragma once
class FormState;

// The command buttons of the edit and export screens.
void Button_Click(FormState& form, int index);
