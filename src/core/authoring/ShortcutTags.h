#pragma once
// The keyboard chords that add or remove simple HTML tags in whichever box is being edited:
// Ctrl adds a key's tags around the selection, Ctrl+Alt removes its first opening and last
// closing tag, Ctrl+Shift removes all of them. Key codes and shift states are the classic ones
// (platform/KeyCodes).
#include <QString>
#include <optional>

class Dialogs;
class TextTarget;

enum class TagMode { Add, Del, DelAll };

namespace ChordKey {
constexpr int Enter = 13;
constexpr int Space = 32;
constexpr int B = 66;
constexpr int I = 73;
constexpr int L = 76;
constexpr int U = 85;
constexpr int Z = 90;
constexpr int PadPlus = 107;
constexpr int PadMinus = 109;
}  // namespace ChordKey

namespace ChordShift {
constexpr int Ctrl = 2;
constexpr int CtrlShift = 3;
constexpr int CtrlAlt = 6;
}  // namespace ChordShift

struct ShortcutTag {
    QString opening;
    QString closing;
};

// The opening and closing text of a key; both empty for a key without tags.
ShortcutTag ShortcutTagOf(int keyCode);

// The mode of a shift state: Ctrl adds, Ctrl+Alt deletes, Ctrl+Shift deletes all; none for the
// others (normal typing).
std::optional<TagMode> ChordMode(int shift);

// The text changed by the key's tags in the mode.
QString WithShortcutTags(QString text, int keyCode, TagMode mode);

// The same in place, under the error report "Use Shortcut Tags"; a failure leaves the text as it was.
void InsertShortcutTags(Dialogs& dialogs, QString& text, int keyCode, TagMode mode);

// Which box a chord is typed into: only the markup box knows Ctrl+Z, the template tag.
enum class ChordBox { Markup, Other };

// A chord on a box's selection: when the key and shift state make one, the selection is
// replaced by WithShortcutTags and the key code becomes 0 (the box does not see the key); true
// then. A chord on a selection leaves the result selected, one at a caret leaves the caret
// after it; Ctrl+Z puts the caret right after "[VarKit".
bool ApplyChord(Dialogs& dialogs, TextTarget& box, int& keyCode, int shift, ChordBox kind);
