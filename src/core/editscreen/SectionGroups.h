#pragma once
class EditScreen;
class Dialogs;

// Keeps the fields of section `index` in step with its checkbox: an unchecked section's fields
// and options are greyed out and disabled, a checked one's get back the look of their style.
void DataKeep_Click(EditScreen& screen, Dialogs& dialogs, int index);

// The grey of a disabled field.
constexpr unsigned kDisabledGrey = 0xC8C8C8;
