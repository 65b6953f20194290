#pragma once
// The tag buttons of the markup screen.
#include <QString>
#include <array>

// A tag button: caption, tool tip and background (0x00BBGGRR).
struct TagButtonState {
    QString caption;
    QString toolTip;
    quint32 backColor = 0xF0F0F0;
    bool exists = false;
};

// The tag buttons 0 to 13, 20, 30, 31 and 40 with their captions and tool tips.
std::array<TagButtonState, 41> DefaultTagButtons();
