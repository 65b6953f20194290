#pragma once
// Turning keywords into generated fields: one field per keyword, styled by its style string,
// placed below the rows already on the screen, opening and closing include-section groups.
#include <QString>

class EditScreen;
class Dialogs;

// Adds exactly one field at index = field count before the call. `hasData` tells whether the
// field is laid out and shown; hidden styles clear it.
void DataFieldAdd(EditScreen& screen, Dialogs& dialogs, const QString& keyStyle, bool& hasData,
                  const QString& groupName);

// The background a field of this style has when enabled.
quint32 StyleBackground(const EditScreen& screen, const QString& style);
