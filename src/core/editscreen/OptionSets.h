#pragma once
// Option sets: a default text with "|" becomes one option per choice, laid out as one row
// under the field: text options with a selection mark, image tiles ("&") or colour chips ("%").
#include <QString>
#include <vector>

class EditScreen;
class TemplateSession;

// Builds the option set of field `fieldIndex`; `optionText` is rewritten by the preparation
// step (blank options at the ends, a terminating "|") and the caller sees it.
void DataOptionAdd(TemplateSession& session, QString& optionText, int fieldIndex);

// Spreads the options `row` of field i over the field's width: n cells of width / n, each with
// its mark first; a caption never gets a negative width, so the marks never overlap.
void LayoutOptionRow(EditScreen& screen, int fieldIndex, const std::vector<int>& row);
