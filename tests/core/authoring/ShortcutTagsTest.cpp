// The chords: each key's tags in each mode, and the key handlers of the markup and export boxes.
#include "authoring/EditorEvents.h"
#include "authoring/ShortcutTags.h"
#include "support/FormFixture.h"

#include <gtest/gtest.h>

TEST(ShortcutTags, EachKeyInEachMode)
{
    // Add wraps the text; Del removes the first opening and the last closing text, in any case;
    // DelAll removes every one.
    const struct {
        int key;
        TagMode mode;
        const char* text;
        const char* result;
    } rows[] = {
        {ChordKey::Z, TagMode::Add, "Price", "[VarKit =Price]"},
        {ChordKey::B, TagMode::Add, "Price", "<b>Price</b>"},
        {ChordKey::I, TagMode::Add, "", "<i></i>"},
        {ChordKey::U, TagMode::Add, "x", "<u>x</u>"},
        {ChordKey::L, TagMode::Add, "x", "<li>x</li>"},
        {ChordKey::PadPlus, TagMode::Add, "x", "<big>x</big>"},
        {ChordKey::PadMinus, TagMode::Add, "x", "<small>x</small>"},
        {ChordKey::Space, TagMode::Add, "x", "&nbsp;x"},
        {ChordKey::Enter, TagMode::Add, "x", "x<br>"},
        {ChordKey::B, TagMode::Del, "<B>one</b> <b>two</B>", "one</b> <b>two"},
        {ChordKey::B, TagMode::DelAll, "<B>one</b> <b>two</B>", "one two"},
        {ChordKey::L, TagMode::Del, "<li>a</li>", "a"},
        {ChordKey::PadMinus, TagMode::DelAll, "<SMALL>a</small>b", "ab"},
        {ChordKey::Space, TagMode::Del, "a&nbsp;b&NBSP;", "ab&NBSP;"},
        {ChordKey::Space, TagMode::DelAll, "a&nbsp;b&NBSP;", "ab"},
        {ChordKey::Enter, TagMode::Del, "a<br>b<BR>", "a<br>b"},
        {ChordKey::Enter, TagMode::DelAll, "a<br>b<BR>", "ab"},
        {ChordKey::Z, TagMode::DelAll, "[VarKit =a] and [varkit =b]", "a and b"},
        // Nothing to remove from, a key without tags.
        {ChordKey::B, TagMode::Del, "", ""},
        {65, TagMode::Add, "x", "x"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.text) + " key " + std::to_string(row.key));
        EXPECT_EQ(WithShortcutTags(QString::fromLatin1(row.text), row.key, row.mode), QString::fromLatin1(row.result));
    }
}

TEST(ShortcutTags, ShiftStatesChooseTheMode)
{
    EXPECT_EQ(ChordMode(2), TagMode::Add);
    EXPECT_EQ(ChordMode(6), TagMode::Del);
    EXPECT_EQ(ChordMode(3), TagMode::DelAll);
    for (int other : {0, 1, 4, 5, 7})
        EXPECT_FALSE(ChordMode(other).has_value()) << other;
}

TEST(MarkupKeys, ChordsChangeTheSelectionAndSwallowTheKey)
{
    FormFixture f;
    FormState& form = f.form();
    RichTextBox& box = form.MarkupText;
    box.SetText(QStringLiteral("a Price b"));
    box.Select(2, 5);
    int key = ChordKey::B, shift = ChordShift::Ctrl;
    MarkupText_KeyDown(form, key, shift);
    EXPECT_EQ(box.Text(), QStringLiteral("a <b>Price</b> b"));
    EXPECT_EQ(box.SelStart(), 2);
    EXPECT_EQ(box.SelLength(), 12);
    EXPECT_EQ(key, 0);
    EXPECT_TRUE(form.KeySwallowed);
    int typed = 'b';
    MarkupText_KeyPress(form, typed);
    EXPECT_EQ(typed, 0);
    EXPECT_FALSE(form.KeySwallowed);

    // Ctrl+Alt+B takes it off again.
    key = ChordKey::B, shift = ChordShift::CtrlAlt;
    MarkupText_KeyDown(form, key, shift);
    EXPECT_EQ(box.Text(), QStringLiteral("a Price b"));

    // At a caret the pair goes in and the caret after it; Ctrl+Z leaves it after "[VarKit".
    box.Select(0, 0);
    key = ChordKey::U, shift = ChordShift::Ctrl;
    MarkupText_KeyDown(form, key, shift);
    EXPECT_EQ(box.Text(), QStringLiteral("<u></u>a Price b"));
    EXPECT_EQ(box.SelStart(), 7);
    box.Select(9, 5);
    key = ChordKey::Z;
    MarkupText_KeyDown(form, key, shift);
    EXPECT_EQ(box.Text(), QStringLiteral("<u></u>a [VarKit =Price] b"));
    EXPECT_EQ(box.SelStart(), 16);
    EXPECT_EQ(box.SelLength(), 0);

    // Ordinary typing passes; Alt alone never reaches the box.
    key = 'B', shift = 1;
    MarkupText_KeyDown(form, key, shift);
    EXPECT_EQ(key, 'B');
    EXPECT_FALSE(form.KeySwallowed);
    key = kAltKeyCode, shift = 4;
    MarkupText_KeyDown(form, key, shift);
    EXPECT_EQ(key, 0);
    EXPECT_EQ(shift, 0);
    EXPECT_TRUE(form.KeySwallowed);
    EXPECT_TRUE(f.dialogs().boxes.isEmpty());
}

TEST(ExportKeys, ChordsWithoutTheTemplateTag)
{
    FormFixture f;
    FormState& form = f.form();
    RichTextBox& box = form.HTMLtext;
    box.SetText(QStringLiteral("line"));
    box.Select(0, 4);
    int key = ChordKey::Enter, shift = ChordShift::Ctrl;
    HTMLtext_KeyDown(form, key, shift);
    EXPECT_EQ(box.Text(), QStringLiteral("line<br>"));
    EXPECT_TRUE(form.KeySwallowed);
    // Ctrl+Z is left to the box itself, and so is Alt.
    key = ChordKey::Z, shift = ChordShift::Ctrl;
    HTMLtext_KeyDown(form, key, shift);
    EXPECT_EQ(key, ChordKey::Z);
    EXPECT_FALSE(form.KeySwallowed);
    key = kAltKeyCode, shift = 4;
    HTMLtext_KeyDown(form, key, shift);
    EXPECT_EQ(key, kAltKeyCode);
    EXPECT_EQ(box.Text(), QStringLiteral("line<br>"));
}
