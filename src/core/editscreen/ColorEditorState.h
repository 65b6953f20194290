#pragma once
// The colour editor of the edit screen (EditColorFrame): the code in its text box (EditColorTxt)
// and the colour its two swatches show (EditColorCir, EditColorBox).
#include <QString>

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
