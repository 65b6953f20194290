#pragma once
// Find Next over a text box's text and selection, without the box: where the search starts,
// where the match is, and which first line the "could not find" message takes.
#include <QString>

struct FindNextResult {
    int start = 0;        // where the search began (offset from 0)
    int match = -1;       // the match's offset, or -1 when none was found
    bool fromTop() const { return start == 0; }
};

// Searches `find` in `text` ignoring letter case. The search starts at the top when the caret
// stands at the very end, at the caret when nothing is selected, and one character into the
// selection otherwise, so that the match just selected is not found again while an overlapping
// one ("aa" at the second character of "aaa") still is.
FindNextResult FindNextIn(const QString& text, const QString& find, int selStart, int selLength);

// The "Find" message for a search that found nothing: "Searched Remainder. " when the search
// began after the first character, else "Searched entire <what>. ", then a blank line and
// Could not find "<find>".
QString NotFoundMessage(const FindNextResult& result, const QString& what, const QString& find);
