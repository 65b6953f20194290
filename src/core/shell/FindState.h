#pragma once
// The find panel: shown or not, and what its two boxes hold.
#include <QString>

struct FindState {
    bool visible = false;
    QString findText;
    QString replaceText;
};
