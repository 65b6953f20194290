// The text target seam: the rich-text boxes and a field of the edit screen answer alike, a
// CR LF counting as two characters.
#include "editscreen/EditScreen.h"
#include "editscreen/FieldTextTarget.h"
#include "text/RichTextBox.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

void ExpectTargetBehaviour(TextTarget& target, const char* kind)
{
    SCOPED_TRACE(kind);
    ASSERT_EQ(target.Text(), QStringLiteral("one\r\ntwo"));
    target.Select(3, 3);  // the line break and the "t"
    EXPECT_EQ(target.SelText(), QStringLiteral("\r\nt"));
    target.Select(5, 1);
    EXPECT_EQ(target.SelText(), QStringLiteral("t"));
    target.SetSelText(QStringLiteral("<b>T</b>"));
    EXPECT_EQ(target.Text(), QStringLiteral("one\r\n<b>T</b>wo"));
    EXPECT_EQ(target.SelStart(), 13);  // the caret after the new text
    EXPECT_EQ(target.SelLength(), 0);
    target.Select(10, 99);  // a selection never runs past the end
    EXPECT_EQ(target.SelLength(), 5);
    EXPECT_EQ(target.SelText(), QStringLiteral("/b>wo"));
}

}  // namespace

TEST(TextTarget, RichTextBoxAndFieldAnswerAlike)
{
    RichTextBox box;
    box.SetText(QStringLiteral("one\r\ntwo"));
    ExpectTargetBehaviour(box, "rich-text box");

    EditScreen screen;
    const int i = screen.AddField();
    screen.Field(i).DataField.text = QStringLiteral("one\r\ntwo");
    FieldTextTarget field(screen, i);
    ExpectTargetBehaviour(field, "field");
}

TEST(TextTarget, AFieldAsksTheViewForTheFocusAndToRefreshIt)
{
    EditScreen screen;
    const int i = screen.AddField();
    QList<int> changed;
    QObject::connect(&screen, &EditScreen::changed, [&](ScreenElement, int index) { changed << index; });
    FieldTextTarget field(screen, i);
    field.SetFocus();
    EXPECT_EQ(screen.ActiveField, i);
    EXPECT_TRUE(screen.FocusRequested);
    field.SetSelText(QStringLiteral("x"));
    EXPECT_EQ(changed, (QList<int>{i, i}));
}
