#pragma once
class FormState;

// Lays the window out again for its current size.
void Form_Resize(FormState& form);
