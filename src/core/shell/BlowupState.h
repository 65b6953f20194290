#pragma once
// The enlarged field editor: shown or not, the index of the field it edits (its tag), the
// field's label and the editor's own rich-text box (DataBlowup).
#include "text/RichTextBox.h"

#include <QString>

struct BlowupState {
    bool visible = false;
    QString tag;
    QString label;
    RichTextBox DataBlowup;
};
