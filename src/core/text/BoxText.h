#pragma once
// A text box's text is the truth: every character and every line break as it was given (CR LF,
// a lone CR or a lone LF, in any mix). A QTextDocument only shows it: it keeps paragraphs, not
// line breaks, and holds a few characters for its own use. These helpers say what the document
// shows for a text and map positions between the two.
#include <QString>
#include <vector>

// What a document shows for the text: each line break (CR LF, CR or LF) is one paragraph
// separator, and the characters a document keeps for itself (U+2029, U+FDD0, U+FDD1) show as
// U+FFFD. Every other character shows as itself.
QString DisplayOf(QStringView text);

// The line break a text uses, for line breaks typed into it: its first one, or CR LF when it
// has none.
QString LineBreakOf(QStringView text);

// Offsets in the text (a CR LF counts two) against positions in the document that shows it
// (a CR LF is one paragraph separator there). Only the CR LF pairs differ, so only they are kept.
class DocumentMap {
public:
    void Reset(QStringView text);
    // After text[start, start + removed) became the `inserted` characters now at `start`; `text`
    // is the whole new text.
    void Replace(QStringView text, int start, int removed, int inserted);

    // An offset between the CR and the LF of a pair maps to the pair's paragraph separator.
    int ToDocument(int offset) const;
    int ToText(int position) const;
    int DocumentLength(int textLength) const { return textLength - static_cast<int>(pairs_.size()); }

private:
    std::vector<int> pairs_;  // the offset of the CR of each CR LF, ascending
};
