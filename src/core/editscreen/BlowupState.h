#pragma once
// The enlarged field editor: shown or not, the index of the field it edits (its tag), the
// field's label, whether the HTML button row (EditButtonFrame) is shown, and the editor's own
// rich-text box (DataBlowup), which holds its text to the 32,000 characters the screen promises.
#include "text/RichTextBox.h"

#include <QString>

struct BlowupState {
    static constexpr int kCharacterLimit = 32000;

    BlowupState() { DataBlowup.MaxLength = kCharacterLimit; }

    bool visible = false;
    QString tag;
    QString label;
    bool EditButtonFrameVisible = false;
    RichTextBox DataBlowup;
};
