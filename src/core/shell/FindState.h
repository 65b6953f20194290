#pragma once
// The find panel: shown or not, what its two boxes hold, and which box the panel should focus
// (with its text selected) the next time it is drawn.
#include <QString>

enum class FindBoxId { Find, Replace };

struct FindState {
    bool visible = false;
    QString findText;
    QString replaceText;
    // Counts the requests, so that the panel acts on each once.
    int focusRequests = 0;
    FindBoxId focusBox = FindBoxId::Find;
};
