#pragma once
// The colour editor of the edit screen (EditColorFrame): a text box for a colour code
// (EditColorTxt), a button that opens the colour dialog (EditColorBtn), a round swatch
// (EditColorCir) and a square one (EditColorBox) that shows the colour and opens the dialog.
#include "ColorEditorState.h"

class Dialogs;

// The text box's key handler: Enter (13) turns the text into #RRGGBB and paints the swatches.
// True when it handled the key.
bool EditColorTxt_KeyPress(ColorEditorState& editor, int keyAscii);
// The button and the square swatch: open the colour dialog on the current colour; a chosen
// colour paints the swatches and becomes the text, a cancelled dialog changes nothing. True
// when a colour was chosen.
bool EditColorBtn_Click(ColorEditorState& editor, Dialogs& dialogs);
bool EditColorBox_Click(ColorEditorState& editor, Dialogs& dialogs);
