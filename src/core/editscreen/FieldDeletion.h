#pragma once
class FormState;

// Removes every generated field, option and group (the patterns stay) and the Help-menu items
// the previous template added.
void DataFieldDelete(FormState& form);
