#pragma once
// The program's defaults in varkit.ini, section "Custom": the start-up template, the splash
// image, the markup lock and up to 25 Help-menu entries.
#include <QString>

class FormState;

// Reads the settings file at `path` into the window. A missing file reads as all defaults.
void ReadCustomSettings(FormState& form, const QString& path);
// Writes every key to the user's settings file (started as a copy of the shipped one); throws
// AppError when the file cannot be written (the file on disk is then left whole).
void WriteCustomSettings(FormState& form);

// The Boolean of a settings text ("True", "false", "1", "0", any number); throws AppError 13
// for text that is none of them.
bool SettingsBoolean(const QString& text);
