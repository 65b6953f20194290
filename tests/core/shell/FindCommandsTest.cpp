// Find Next, Replace and the Edit menu's Copy, Paste and Select All on the box in front.
#include "shell/CurrentTarget.h"
#include "shell/FindCommands.h"
#include "shell/ScreenTag.h"
#include "support/FormFixture.h"

#include <gtest/gtest.h>

namespace {

struct FindTargetCase {
    Screen screen;
    const char* what;  // the not-found message's name for the box
};

class FindNextOn : public ::testing::TestWithParam<FindTargetCase> {
protected:
    FindNextOn()
    {
        SetScreen(form(), GetParam().screen);
        form().FindEnabled = true;
    }
    FormState& form() { return f.form(); }
    RichTextBox& box()
    {
        switch (GetParam().screen) {
        case Screen::Export: return form().HTMLtext;
        case Screen::Blowup: return form().Blowup.DataBlowup;
        default: return form().MarkupText;
        }
    }
    // Sets the box's text with the caret at the top and the find and replace boxes' texts.
    void Start(const char* text, const char* find, const char* replace = "")
    {
        box().SetText(QString::fromLatin1(text));
        box().Select(0, 0);
        form().Find.findText = QString::fromLatin1(find);
        form().Find.replaceText = QString::fromLatin1(replace);
    }
    // Presses the button and gives the selection after it, or the not-found message's first
    // line with "@end" when the caret went to the end.
    QString Press(int button)
    {
        const qsizetype shown = f.dialogs().boxes.size();
        FindButton_Click(form(), button);
        if (f.dialogs().boxes.size() == shown)
            return QStringLiteral("%1+%2").arg(box().SelStart()).arg(box().SelLength());
        const RecordedBox& message = f.dialogs().boxes.last();
        EXPECT_EQ(message.title, QStringLiteral("Find"));
        const QStringList parts = message.text.split(QStringLiteral("\r\n\r\n"));
        EXPECT_EQ(parts.value(1), QStringLiteral("Could not find \"%1\"").arg(form().Find.findText));
        const bool atEnd = box().SelStart() == box().Text().size() && box().SelLength() == 0;
        return parts.value(0) + (atEnd ? QStringLiteral("@end") : QString());
    }
    QString Entire() const { return QStringLiteral("Searched entire %1. @end").arg(QString::fromLatin1(GetParam().what)); }

    FormFixture f;
};

const QString kRemainder = QStringLiteral("Searched Remainder. @end");

}  // namespace

TEST_P(FindNextOn, WalksWrapsOverlapsAndReplaces)
{
    // Every match in any case, then the end, then again from the top.
    Start("Lamp one, LAMP two, lamp three", "lamp");
    EXPECT_EQ(Press(1), QStringLiteral("0+4"));
    EXPECT_EQ(Press(1), QStringLiteral("10+4"));
    EXPECT_EQ(Press(1), QStringLiteral("20+4"));
    EXPECT_EQ(Press(1), kRemainder);
    EXPECT_EQ(Press(1), QStringLiteral("0+4"));

    // No match anywhere: from the caret it is the remainder, from the end the whole text.
    form().Find.findText = QStringLiteral("bulb");
    EXPECT_EQ(Press(1), kRemainder);
    EXPECT_EQ(Press(1), Entire());

    // "aa" in "aaa": the second search finds the match one character further.
    Start("xaaay", "aa");
    EXPECT_EQ(Press(1), QStringLiteral("1+2"));
    EXPECT_EQ(Press(1), QStringLiteral("2+2"));
    EXPECT_EQ(Press(1), kRemainder);

    // Replace with nothing selected only searches; then it replaces the match and selects the
    // next one, and after the last it says so.
    Start("Lamp one, lamp two", "lamp", "Bulb");
    EXPECT_EQ(Press(2), QStringLiteral("0+4"));
    EXPECT_EQ(box().Text(), QStringLiteral("Lamp one, lamp two"));
    EXPECT_EQ(Press(2), QStringLiteral("10+4"));
    EXPECT_EQ(Press(2), kRemainder);
    EXPECT_EQ(box().Text(), QStringLiteral("Bulb one, Bulb two"));

    // An empty "Find what?" does nothing; Cancel hides the panel.
    box().Select(3, 2);
    form().Find.findText.clear();
    form().Find.visible = true;
    EXPECT_EQ(Press(1), QStringLiteral("3+2"));
    FindButton_Click(form(), 0);
    EXPECT_FALSE(form().Find.visible);
}

INSTANTIATE_TEST_SUITE_P(FindCommands, FindNextOn,
                         ::testing::Values(FindTargetCase{Screen::Markup, "Markup code"},
                                           FindTargetCase{Screen::Export, "Export code"},
                                           FindTargetCase{Screen::Blowup, "Edit Field"}),
                         [](const auto& info) { return ScreenTagText(info.param.screen).toStdString(); });

TEST(FindCommands, SearchesALongTextToItsEnd)
{
    FormFixture f;
    FormState& form = f.form();
    SetScreen(form, Screen::Markup);
    const QString text = QString(70000, QLatin1Char('-')) + QStringLiteral("Lamp");
    form.MarkupText.SetText(text);
    form.MarkupText.Select(40000, 0);
    form.Find.findText = QStringLiteral("lamp");
    FindButton_Click(form, 1);
    EXPECT_EQ(form.MarkupText.SelStart(), 70000);
    EXPECT_EQ(form.MarkupText.SelLength(), 4);
}

TEST(FindCommands, MenuItemsShowThePanelOrSearch)
{
    FormFixture f;
    FormState& form = f.form();
    SetScreen(form, Screen::Export);
    form.HTMLtext.SetText(QStringLiteral("a lamp"));
    form.Find.findText = QStringLiteral("LAMP");
    MenuFind_Click(form, 2);
    EXPECT_TRUE(form.Find.visible);
    EXPECT_EQ(form.Find.focusBox, FindBoxId::Replace);
    MenuFind_Click(form, 0);
    EXPECT_EQ(form.Find.focusBox, FindBoxId::Find);
    EXPECT_EQ(form.Find.focusRequests, 2);
    MenuFind_Click(form, 1);
    EXPECT_EQ(form.HTMLtext.SelText(), QStringLiteral("lamp"));
    // The edit screen has no box to search.
    SetScreen(form, Screen::Edit);
    form.HTMLtext.Select(0, 0);
    MenuFind_Click(form, 1);
    EXPECT_EQ(form.HTMLtext.SelLength(), 0);
    EXPECT_TRUE(f.dialogs().boxes.isEmpty());
}

TEST(FindCommands, EditMenuWorksOnTheBoxInFront)
{
    FormFixture f;
    f.Import("<p>[VarKit Item=Brass Lamp]</p>");
    FormState& form = f.form();
    form.screen.ActiveField = 1;
    const struct {
        Screen screen;
        TextTarget* box;  // null: the edit screen's active field
    } rows[] = {
        {Screen::Markup, &form.MarkupText},
        {Screen::Export, &form.HTMLtext},
        {Screen::Blowup, &form.Blowup.DataBlowup},
        {Screen::Edit, nullptr},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(ScreenTagText(row.screen).toStdString());
        SetScreen(form, row.screen);
        EditMenuTarget target(form);
        TextTarget& box = row.box ? *row.box : *target.get();
        box.Select(0, 0);
        box.SetSelText(QStringLiteral("Brass Lamp"));
        box.Select(6, 4);
        MenuEditCopy_Click(form);
        EXPECT_EQ(f.clipboard().Text(), QStringLiteral("Lamp"));
        box.Select(0, 5);
        MenuEditPaste_Click(form);
        EXPECT_TRUE(box.Text().startsWith(QStringLiteral("Lamp Lamp")));
        MenuEditSelectAll_Click(form);
        EXPECT_EQ(box.SelText(), box.Text());
        // Copying nothing keeps what the clipboard holds.
        box.Select(0, 0);
        MenuEditCopy_Click(form);
        EXPECT_EQ(f.clipboard().Text(), QStringLiteral("Lamp"));
    }
    // The locked markup screen has no box: nothing changes.
    SetScreen(form, Screen::NoMarkup);
    form.MarkupText.Select(0, 0);
    MenuEditSelectAll_Click(form);
    EXPECT_EQ(form.MarkupText.SelLength(), 0);
}

TEST(FindCommands, CtrlRightClickOnTheMarkupFrameEnablesTheDesignerFile)
{
    const struct {
        int button, shift;
        bool enables;
    } rows[] = {{2, 2, true}, {2, 0, false}, {1, 2, false}, {2, 3, false}, {2, 6, false}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.button * 10 + row.shift);
        FormFixture f;
        f.form().MenuHelpSettingsDes.enabled = false;
        MarkupFrame_MouseDown(f.form(), row.button, row.shift);
        EXPECT_EQ(f.form().MenuHelpSettingsDes.enabled, row.enables);
    }
}
