#pragma once
class FormState;

// The File menu's Open (index 0) and Clear (index 1) commands.
void MenuFileOpen_Click(FormState& form, int index);
