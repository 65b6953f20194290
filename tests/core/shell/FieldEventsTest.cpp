// Label clicks: the enlarged editor over the edit screen, or the file dialog of an include
// field; the editor's OK and Cancel; the tab switch that asks about a real edit.
#include "shell/FieldEvents.h"
#include "shell/ScreenCommands.h"
#include "shell/ScreenTag.h"
#include "support/FormFixture.h"

#include <gtest/gtest.h>

namespace {

// Fields of these styles, each labelled "Label <i>" and holding "value <i>".
void FieldsOfStyles(FormFixture& f, const QStringList& styles)
{
    EditScreen& screen = f.screen();
    for (const QString& style : styles) {
        const int i = screen.AddField();
        EditField& field = screen.Field(i);
        field.DataLabel.tag = style;
        field.DataLabel.caption = QStringLiteral("Label %1").arg(i);
        field.DataField.visible = true;
        field.DataField.text = QStringLiteral("value %1").arg(i);
    }
}

}  // namespace

TEST(FieldEvents, ALabelClickOpensTheEnlargedEditor)
{
    FormFixture f;
    FieldsOfStyles(f, {QStringLiteral(" "), QStringLiteral("!"), QStringLiteral("&"), QStringLiteral("~")});
    FormState& form = f.form();
    const WindowLayoutModel& l = form.layout;
    const bool withButtons[] = {true, true, false, false};
    for (int i = 1; i <= 4; ++i) {
        SCOPED_TRACE(i);
        DataLabel_Click(form, i);
        EXPECT_TRUE(form.Blowup.visible);
        EXPECT_EQ(form.Blowup.tag, QString::number(i));
        EXPECT_EQ(form.Blowup.DataBlowup.Text(), QStringLiteral("value %1").arg(i));
        EXPECT_EQ(form.Blowup.label, QStringLiteral("Label %1").arg(i));
        EXPECT_EQ(ScreenOf(form), Screen::Blowup);
        EXPECT_TRUE(form.FindEnabled);
        const bool buttons = withButtons[i - 1];
        EXPECT_EQ(form.Blowup.EditButtonFrameVisible, buttons);
        EXPECT_EQ(l.BlowupLabel.left, buttons ? l.EditButtonFrame.left + l.EditButtonFrame.width + 240 : l.DataBlowup.left);
        BlowupButton_Click(form, 0);
    }
    // The side button does the same.
    DataButton_Click(form, 2);
    EXPECT_EQ(form.Blowup.tag, QStringLiteral("2"));
    EXPECT_TRUE(f.dialogs().boxes.isEmpty());
}

TEST(FieldEvents, F2InAFieldDoesWhatItsLabelClickDoes)
{
    FormFixture f;
    FieldsOfStyles(f, {QStringLiteral(" "), QStringLiteral("+"), QStringLiteral("#")});
    FormState& form = f.form();
    EditScreen& screen = form.screen;
    screen.Field(1).DataLabel.visible = true;
    screen.Field(2).DataButton.visible = true;  // a side button alone will do

    // Ctrl+F2 and F2 in a field that shows neither label nor button go to the field.
    int key = 113;
    int shift = 2;
    DataField_WindowKeyDown(form, 1, key, shift);
    EXPECT_EQ(key, 113);
    shift = 0;
    DataField_WindowKeyDown(form, 3, key, shift);
    EXPECT_EQ(key, 113);
    EXPECT_FALSE(form.Blowup.visible);

    DataField_WindowKeyDown(form, 1, key, shift);
    EXPECT_EQ(key, 0);
    EXPECT_TRUE(form.Blowup.visible);
    EXPECT_EQ(form.Blowup.tag, QStringLiteral("1"));
    EXPECT_EQ(ScreenOf(form), Screen::Blowup);
    BlowupButton_Click(form, 0);

    key = 113;
    DataField_WindowKeyDown(form, 2, key, shift);  // the include field asks for a file
    EXPECT_EQ(key, 0);
    ASSERT_EQ(f.dialogs().boxes.size(), 1);
    EXPECT_EQ(f.dialogs().boxes[0].fileRequest.filterIndex, 4);
    EXPECT_FALSE(form.Blowup.visible);

    // Other keys keep their field meaning: Shift+Enter breaks the line.
    screen.Field(1).DataField.selStart = 5;
    key = 13;
    shift = 1;
    DataField_WindowKeyDown(form, 1, key, shift);
    EXPECT_EQ(key, 0);
    EXPECT_EQ(screen.Field(1).DataField.text, QStringLiteral("value\r\n 1"));
}

TEST(FieldEvents, OkStoresTheTextAndCancelDoesNot)
{
    FormFixture f;
    FieldsOfStyles(f, {QStringLiteral(" ")});
    FormState& form = f.form();

    DataLabel_Click(form, 1);
    form.Blowup.DataBlowup.SetText(QStringLiteral("not kept"));
    BlowupButton_Click(form, 0);
    EXPECT_EQ(form.screen.Field(1).DataField.text, QStringLiteral("value 1"));
    EXPECT_FALSE(form.Blowup.visible);
    EXPECT_EQ(ScreenOf(form), Screen::Edit);
    EXPECT_FALSE(form.FindEnabled);

    DataLabel_Click(form, 1);
    form.Blowup.DataBlowup.SetText(QStringLiteral("line one\r\nline two"));
    BlowupButton_Click(form, 1);
    EXPECT_EQ(form.screen.Field(1).DataField.text, QStringLiteral("line one\r\nline two"));
    EXPECT_EQ(ScreenOf(form), Screen::Edit);
}

TEST(FieldEvents, AnIncludeLabelAsksForAFile)
{
    FormFixture f;
    FieldsOfStyles(f, {QStringLiteral("+")});
    FormState& form = f.form();

    DataLabel_Click(form, 1);  // cancelled: the value stays
    ASSERT_EQ(f.dialogs().boxes.size(), 1);
    const FileDialogRequest& request = f.dialogs().boxes[0].fileRequest;
    EXPECT_FALSE(request.save);
    EXPECT_EQ(request.filterIndex, 4);
    EXPECT_EQ(form.screen.Field(1).DataField.text, QStringLiteral("value 1"));

    const QString chosen = f.WriteFile(QStringLiteral("part.htm"), "<p>part</p>");
    f.dialogs().files = {FileDialogResult{chosen, 1}};
    DataLabel_Click(form, 1);
    EXPECT_EQ(form.screen.Field(1).DataField.text, chosen);
    EXPECT_FALSE(form.Blowup.visible);
    EXPECT_NE(ScreenOf(form), Screen::Blowup);
}

TEST(FieldEvents, ASwitchOfTabsAsksAboutARealEdit)
{
    FormFixture f;
    f.Import("<p>[VarKit Item=Lamp]</p>");
    FormState& form = f.form();
    TabTop_Click(form, 0);

    DataLabel_Click(form, 1);
    TabTop_Click(form, 1);  // nothing typed: nothing asked
    EXPECT_TRUE(f.dialogs().boxes.isEmpty());
    // The EDIT tab closes an unchanged editor as well.
    TabTop_Click(form, 0);
    DataLabel_Click(form, 1);
    TabTop_Click(form, 0);
    EXPECT_TRUE(f.dialogs().boxes.isEmpty());
    EXPECT_FALSE(form.Blowup.visible);
    EXPECT_EQ(ScreenOf(form), Screen::Edit);
    EXPECT_FALSE(form.FindEnabled);

    TabTop_Click(form, 0);
    DataLabel_Click(form, 1);
    form.Blowup.DataBlowup.Select(4, 0);
    form.Blowup.DataBlowup.SetSelText(QStringLiteral(" shade"));
    f.dialogs().answers = {MsgAnswer::Yes};
    TabTop_Click(form, 4);
    ASSERT_EQ(f.dialogs().boxes.size(), 1);
    EXPECT_EQ(f.dialogs().boxes[0].text, QStringLiteral("Save editing to this field?\r\n"));
    EXPECT_EQ(form.screen.Field(1).DataField.text, QStringLiteral("Lamp shade"));
    EXPECT_FALSE(form.Blowup.visible);
    EXPECT_TRUE(form.HTMLtext.Text().contains(QStringLiteral("<p>Lamp shade</p>")));
}
