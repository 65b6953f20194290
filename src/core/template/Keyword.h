#pragma once
// The values the scanner hands back for one tag.
#include <QString>

struct Keyword {
    QString prompt;          // label text (inline) or section name (wrapper open); "!ERROR!" after a failure
    QString keyStyle = QStringLiteral(" ");  // style, "StartGroupOn", "StartGroupOff", "EndGroup", or " " when nothing was found
    QString defaultText;     // the value after "="
    QString globalVariable;  // the variable name of the global form
    QString auctionText;     // the template text read since the previous tag, the tag removed

    void Reset()
    {
        prompt.clear();
        keyStyle = QStringLiteral(" ");
        defaultText.clear();
        globalVariable.clear();
        auctionText.clear();
    }
};

inline const QString kScanError = QStringLiteral("!ERROR!");
