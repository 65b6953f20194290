#pragma once
#include <QString>
class FormState;

// Carries out one designer command of an installation template; "$killme" sets `argument`
// to "kill", which ends the import.
void RunActionFile(FormState& form, const QString& command, QString& argument);
