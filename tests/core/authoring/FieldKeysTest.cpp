// The keys of the edit screen's fields and of the enlarged editor: chords, Shift+Enter, the
// arrows at the ends of the text, Enter to the next field, and the key-press after a chord.
#include "authoring/FieldKeys.h"
#include "authoring/ShortcutTags.h"
#include "editscreen/Blowup.h"
#include "platform/KeyCodes.h"
#include "support/FormFixture.h"

#include <gtest/gtest.h>

namespace {

namespace Key {
using namespace NavigationKey;
constexpr int B = ChordKey::B;
constexpr int C = 67;
}  // namespace Key

constexpr int kShift = kShiftKeyState;
constexpr int kCtrl = ChordShift::Ctrl;

// Three usable fields, each holding "Price".
void ThreeFields(FormFixture& f)
{
    EditScreen& screen = f.screen();
    for (int k = 0; k < 3; ++k) {
        const int i = screen.AddField();
        screen.Field(i).DataField.visible = true;
        screen.Field(i).DataField.text = QStringLiteral("Price");
        screen.Field(i).DataField.geometry.top = 120 + 600 * k;
    }
}

void Caret(FormFixture& f, int i, int start, int length = 0)
{
    f.screen().Field(i).DataField.selStart = start;
    f.screen().Field(i).DataField.selLength = length;
}

// Key-down, then, unless it took the key, key-press with `ascii`; the codes left afterwards.
std::pair<int, int> Press(FormFixture& f, int i, int keyCode, int shift, int ascii)
{
    DataField_KeyDown(f.form(), i, keyCode, shift);
    if (keyCode != 0 || ascii != 0)
        DataField_KeyPress(f.form(), i, ascii);
    return {keyCode, ascii};
}

}  // namespace

TEST(FieldKeys, CtrlBWrapsTheSelectionOrTheCaret)
{
    FormFixture f;
    ThreeFields(f);
    TextBoxControl& box = f.screen().Field(2).DataField;

    Caret(f, 2, 0, 5);
    int keyCode = Key::B;
    int shift = kCtrl;
    DataField_KeyDown(f.form(), 2, keyCode, shift);
    EXPECT_EQ(keyCode, 0);
    EXPECT_TRUE(f.form().KeySwallowed);
    EXPECT_EQ(box.text, QStringLiteral("<b>Price</b>"));
    EXPECT_EQ(box.selStart, 0);  // the rewritten text stays selected
    EXPECT_EQ(box.selLength, 12);
    EXPECT_EQ(f.screen().ActiveField, 2);  // and the field keeps the focus
    // The character the chord would type is swallowed, and the flag with it.
    int ascii = 2;
    DataField_KeyPress(f.form(), 2, ascii);
    EXPECT_EQ(ascii, 0);
    EXPECT_FALSE(f.form().KeySwallowed);

    box.text = QStringLiteral("Price");
    Caret(f, 2, 5);
    keyCode = Key::B;
    DataField_KeyDown(f.form(), 2, keyCode, shift);
    EXPECT_EQ(box.text, QStringLiteral("Price<b></b>"));
    EXPECT_EQ(box.selStart, 12);  // the caret after the inserted text
    EXPECT_EQ(box.selLength, 0);

    // A Ctrl key that is no chord is left to the box.
    keyCode = Key::C;
    DataField_KeyDown(f.form(), 2, keyCode, shift);
    EXPECT_EQ(keyCode, Key::C);
    EXPECT_FALSE(f.form().KeySwallowed);
}

TEST(FieldKeys, ShiftEnterBreaksTheLineAndStays)
{
    FormFixture f;
    ThreeFields(f);
    Caret(f, 1, 2);
    f.screen().ActiveField = 1;
    EXPECT_EQ(Press(f, 1, Key::Enter, kShift, Key::Enter), std::make_pair(0, 0));
    EXPECT_EQ(f.screen().Field(1).DataField.text, QStringLiteral("Pr\r\nice"));
    EXPECT_EQ(f.screen().Field(1).DataField.selStart, 4);
    EXPECT_EQ(f.screen().ActiveField, 1);
    EXPECT_FALSE(f.form().KeySwallowed);
}

TEST(FieldKeys, EnterMovesOnAndIsNotTyped)
{
    FormFixture f;
    ThreeFields(f);
    f.screen().Field(2).DataField.enabled = false;
    Caret(f, 1, 2);
    EXPECT_EQ(Press(f, 1, Key::Enter, 0, Key::Enter), std::make_pair(Key::Enter, 0));
    EXPECT_EQ(f.screen().ActiveField, 3);
    EXPECT_EQ(f.screen().Field(1).DataField.text, QStringLiteral("Price"));
    // In the last field the focus stays, and no line break is typed.
    EXPECT_EQ(Press(f, 3, Key::Enter, 0, Key::Enter), std::make_pair(Key::Enter, 0));
    EXPECT_EQ(f.screen().ActiveField, 3);
    EXPECT_EQ(f.screen().Field(3).DataField.text, QStringLiteral("Price"));
}

TEST(FieldKeys, ArrowsLeaveOnlyAtTheEndsOfTheText)
{
    FormFixture f;
    ThreeFields(f);
    const struct {
        int key;
        int caret;
        int activeAfter;  // the field then active (2 is where it starts)
        int keyAfter;     // 0 when the field took the key
    } rows[] = {
        {Key::Down, 2, 2, Key::Down},  {Key::Down, 5, 3, 0},  {Key::Right, 4, 2, Key::Right}, {Key::Right, 5, 3, 0},
        {Key::Up, 3, 2, Key::Up},      {Key::Up, 0, 1, 0},    {Key::Left, 1, 2, Key::Left},   {Key::Left, 0, 1, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "key " << row.key << " at " << row.caret);
        f.screen().ActiveField = 2;
        Caret(f, 2, row.caret);
        int keyCode = row.key;
        int shift = 0;
        DataField_KeyDown(f.form(), 2, keyCode, shift);
        EXPECT_EQ(f.screen().ActiveField, row.activeAfter);
        EXPECT_EQ(keyCode, row.keyAfter);
    }
    // Past the last field the arrow stays with the box.
    Caret(f, 3, 5);
    int keyCode = Key::Down;
    int shift = 0;
    DataField_KeyDown(f.form(), 3, keyCode, shift);
    EXPECT_EQ(keyCode, Key::Down);
}

TEST(FieldKeys, TheEnlargedEditorTakesChordsButTypesEnter)
{
    FormFixture f;
    ThreeFields(f);
    BlowupState& blowup = f.form().Blowup;
    ASSERT_TRUE(OpenBlowup(blowup, f.screen(), 1));
    blowup.DataBlowup.Select(0, 5);
    int keyCode = Key::B;
    int shift = kCtrl;
    DataBlowup_KeyDown(f.form(), blowup, keyCode, shift);
    EXPECT_EQ(blowup.DataBlowup.Text(), QStringLiteral("<b>Price</b>"));
    EXPECT_EQ(blowup.DataBlowup.SelText(), QStringLiteral("<b>Price</b>"));
    int ascii = 2;
    DataBlowup_KeyPress(f.form(), ascii);
    EXPECT_EQ(ascii, 0);

    // Shift+Enter and arrows are the box's own; Enter is typed.
    keyCode = Key::Enter;
    shift = kShift;
    DataBlowup_KeyDown(f.form(), blowup, keyCode, shift);
    EXPECT_EQ(keyCode, Key::Enter);
    ascii = Key::Enter;
    DataBlowup_KeyPress(f.form(), ascii);
    EXPECT_EQ(ascii, Key::Enter);
    EXPECT_EQ(f.screen().Field(1).DataField.text, QStringLiteral("Price"));
}
