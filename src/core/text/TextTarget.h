#pragma once
// A text box the edit commands, find and the chords work on without knowing which it is: the
// markup and export boxes, the enlarged editor, or a field of the edit screen. Offsets count from
// 0, a CR LF as two characters.
#include <QString>

class TextTarget {
public:
    virtual ~TextTarget() = default;

    virtual QString Text() const = 0;
    virtual int SelStart() const = 0;
    virtual int SelLength() const = 0;
    virtual QString SelText() const = 0;
    // Replaces the selection; the caret ends after the new text.
    virtual void SetSelText(const QString& text) = 0;
    virtual void Select(int start, int length) = 0;
    virtual void SetFocus() = 0;
};
