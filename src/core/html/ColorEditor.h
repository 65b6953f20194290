#pragma once
// The colour editor of the edit screen (EditColorFrame): a text box for a colour code
// (EditColorTxt), a button that opens the colour dialog (EditColorBtn), a round swatch
// (EditColorCir) and a square one (EditColorBox) that shows the colour and opens the dialog.
#include <QString>

class FormState;

struct ColorEditorState {
    QString text = QStringLiteral("#888888");
    // The colour both swatches show, 0x00BBGGRR.
    quint32 swatchColor = 0x888888;
    // Set when the text box is to select its whole text and take the focus.
    bool selectAllRequested = false;

    static inline const QString kTextToolTip =
        QStringLiteral("Type or paste Color Code. Press Enter-key or click color swatch to view.");
    static inline const QString kButtonToolTip = QStringLiteral("Open Color Browser");
    static inline const QString kBoxToolTip = QStringLiteral("Click to open Color Browser and Select color.");
};

// The text box's key handler: Enter (13) turns the text into #RRGGBB and paints the swatches.
// True when it handled the key.
bool EditColorTxt_KeyPress(FormState& form, int keyAscii);
// The button and the square swatch: open the colour dialog on the current colour; a chosen
// colour paints the swatches and becomes the text, a cancelled dialog changes nothing.
void EditColorBtn_Click(FormState& form);
void EditColorBox_Click(FormState& form);
