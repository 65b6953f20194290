#pragma once
// A one-line text box as the procedures see it: its text, its tag and whether it takes input.
#include <QString>

struct TextBoxState {
    QString text;
    QString tag;
    bool enabled = true;
    bool visible = true;
};
