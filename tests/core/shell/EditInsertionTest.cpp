// The Edit menu's insertion items and the enlarged editor's buttons reach the box in front.
#include "shell/EditInsertion.h"
#include "shell/ScreenTag.h"
#include "support/FormFixture.h"

#include <gtest/gtest.h>

TEST(EditInsertion, EachItemSendsItsChordToTheBoxInFront)
{
    const char* const results[] = {"<b>x</b>", "<i>x</i>", "<u>x</u>", "<li>x</li>", "<small>x</small>",
                                   "<big>x</big>", "&nbsp;x", "x<br>"};
    for (int k = 0; k < 8; ++k) {
        SCOPED_TRACE(k);
        FormFixture f;
        FormState& form = f.form();
        form.HTMLtext.SetText(QStringLiteral("x"));
        form.HTMLtext.Select(0, 1);
        SetScreen(form, Screen::Export);
        MenuEditInsertion_Click(form, k);
        EXPECT_EQ(form.HTMLtext.Text(), QString::fromLatin1(results[k]));
    }
}

TEST(EditInsertion, ItemsFollowTheScreen)
{
    FormFixture f;
    f.Import("<p>[VarKit Item=Lamp]</p>");
    FormState& form = f.form();
    form.MarkupText.Select(0, 3);

    // The active field on the edit screen.
    SetScreen(form, Screen::Edit);
    form.screen.ActiveField = 1;
    form.screen.Field(1).DataField.selStart = 0;
    form.screen.Field(1).DataField.selLength = 4;
    MenuEditInsertion_Click(form, 0);
    EXPECT_EQ(form.screen.Field(1).DataField.text, QStringLiteral("<b>Lamp</b>"));

    // The markup, and nothing while it is locked.
    SetScreen(form, Screen::Markup);
    MenuEditInsertion_Click(form, 1);
    EXPECT_EQ(form.MarkupText.Text(), QStringLiteral("<i><p></i>[VarKit Item=Lamp]</p>"));
    SetScreen(form, Screen::NoMarkup);
    MenuEditInsertion_Click(form, 1);
    EXPECT_EQ(form.MarkupText.Text(), QStringLiteral("<i><p></i>[VarKit Item=Lamp]</p>"));
    EXPECT_TRUE(f.dialogs().boxes.isEmpty());
}

TEST(EditInsertion, EnlargedEditorButtonsAndClear)
{
    FormFixture f;
    FormState& form = f.form();
    RichTextBox& box = form.Blowup.DataBlowup;
    box.SetText(QStringLiteral("Big lamp"));
    box.Select(4, 4);
    SetScreen(form, Screen::Blowup);
    EditButton_Click(form, 5);
    EXPECT_EQ(box.Text(), QStringLiteral("Big <big>lamp</big>"));
    box.SetText(QStringLiteral("<B>a</b>&nbsp;<li><i>b</i></li><br><u>c</u><small>d</small><big>e</big>"));
    box.Select(0, box.Length());
    EditButton_Click(form, 8);
    EXPECT_EQ(box.Text(), QStringLiteral("abcde"));
}
