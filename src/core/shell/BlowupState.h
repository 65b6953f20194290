#pragma once
// The enlarged field editor: shown or not, the index of its field (tag) and its text.
#include <QString>

struct BlowupState {
    bool visible = false;
    QString tag;
    QString text;
};
