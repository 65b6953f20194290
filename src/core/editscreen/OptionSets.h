#pragma once
// Option sets: a default text with "|" becomes one option per choice, laid out as one row
// under the field: text options with a selection mark, image tiles ("&") or colour chips ("%").
#include <QString>

class EditScreen;
class TemplateSession;

// Builds the option set of field `fieldIndex`; `optionText` is rewritten by the preparation
// step (blank options at the ends, a terminating "|") and the caller sees it.
void DataOptionAdd(TemplateSession& session, QString& optionText, int fieldIndex);

// Spreads the options of field i over its width: cells of width / n, the mark first.
void LayoutOptionRow(EditScreen& screen, int fieldIndex);
