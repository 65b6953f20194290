// Find Next, Replace and the Edit menu's Copy, Paste and Select All on the box in front.
#include "shell/CurrentTarget.h"
#include "shell/FindCommands.h"
#include "shell/ScreenTag.h"
#include "support/FormFixture.h"

#include <gtest/gtest.h>

namespace {

class FindNextOn : public ::testing::TestWithParam<std::pair<Screen, const char*>> {
protected:
    FindNextOn() { SetScreen(f.form(), GetParam().first); }
    RichTextBox& box()
    {
        FormState& form = f.form();
        return *(GetParam().first == Screen::Export ? &form.HTMLtext
                 : GetParam().first == Screen::Blowup ? &form.Blowup.DataBlowup : &form.MarkupText);
    }
    void Start(const char* text, const char* find, const char* replace = "")
    {
        box().SetText(QString::fromLatin1(text));
        box().Select(0, 0);
        f.form().Find.findText = QString::fromLatin1(find);
        f.form().Find.replaceText = QString::fromLatin1(replace);
    }
    // The selection after pressing the button, or the not-found message with "@end" when the
    // caret went to the end.
    QString Press(int button)
    {
        const qsizetype shown = f.dialogs().boxes.size();
        FindButton_Click(f.form(), button);
        if (f.dialogs().boxes.size() == shown)
            return QStringLiteral("%1+%2").arg(box().SelStart()).arg(box().SelLength());
        const bool atEnd = box().SelStart() == box().Text().size() && box().SelLength() == 0;
        return f.dialogs().Last()->title + QLatin1Char(':') + f.dialogs().Last()->text + (atEnd ? "@end" : "");
    }
    QString NotFound(const QString& first)
    {
        return QStringLiteral("Find:%1\r\n\r\nCould not find \"%2\"@end").arg(first, f.form().Find.findText);
    }
    FormFixture f;
};

}  // namespace

TEST_P(FindNextOn, WalksWrapsOverlapsAndReplaces)
{
    const QString remainder = QStringLiteral("Searched Remainder. ");
    Start("Lamp one, LAMP two, lamp three", "lamp");
    for (const char* selection : {"0+4", "10+4", "20+4"})
        EXPECT_EQ(Press(1), QString::fromLatin1(selection));
    EXPECT_EQ(Press(1), NotFound(remainder));
    EXPECT_EQ(Press(1), QStringLiteral("0+4"));  // from the top again
    f.form().Find.findText = QStringLiteral("bulb");
    EXPECT_EQ(Press(1), NotFound(remainder));
    EXPECT_EQ(Press(1), NotFound(QStringLiteral("Searched entire %1. ").arg(QString::fromLatin1(GetParam().second))));

    Start("xaaay", "aa");  // overlapping matches
    EXPECT_EQ(Press(1), QStringLiteral("1+2"));
    EXPECT_EQ(Press(1), QStringLiteral("2+2"));

    Start("Lamp one, lamp two", "lamp", "Bulb");
    EXPECT_EQ(Press(2), QStringLiteral("0+4"));  // nothing selected: only a search
    EXPECT_EQ(Press(2), QStringLiteral("10+4"));
    EXPECT_EQ(Press(2), NotFound(remainder));
    EXPECT_EQ(box().Text(), QStringLiteral("Bulb one, Bulb two"));

    box().Select(3, 2);
    f.form().Find.findText.clear();  // an empty "Find what?" does nothing
    EXPECT_EQ(Press(1), QStringLiteral("3+2"));
}

INSTANTIATE_TEST_SUITE_P(FindCommands, FindNextOn,
                         ::testing::Values(std::pair(Screen::Markup, "Markup code"), std::pair(Screen::Export, "Export code"),
                                           std::pair(Screen::Blowup, "Edit Field")),
                         [](const auto& info) { return ScreenTagText(info.param.first).toStdString(); });

TEST(FindCommands, SearchesALongTextToItsEnd)
{
    FormFixture f;
    SetScreen(f.form(), Screen::Markup);
    f.form().MarkupText.SetText(QString(70000, QLatin1Char('-')) + QStringLiteral("Lamp"));
    f.form().MarkupText.Select(40000, 0);
    f.form().Find.findText = QStringLiteral("lamp");
    MenuFind_Click(f.form(), 1);
    EXPECT_EQ(f.form().MarkupText.SelStart(), 70000);
}

TEST(FindCommands, EditMenuWorksOnTheBoxInFrontOrTheActiveField)
{
    FormFixture f;
    f.Import("<p>[VarKit Item=Brass Lamp]</p>");
    FormState& form = f.form();
    form.screen.ActiveField = 1;
    for (Screen screen : {Screen::Markup, Screen::Export, Screen::Blowup, Screen::Edit}) {
        SCOPED_TRACE(ScreenTagText(screen).toStdString());
        SetScreen(form, screen);
        EditMenuTarget target(form);
        TextTarget& box = *target.get();
        f.clipboard().SetText(QStringLiteral("x"));
        box.Select(0, 0);
        box.SetSelText(QStringLiteral("Brass Lamp"));
        box.Select(6, 4);
        MenuEditCopy_Click(form);
        box.Select(0, 0);
        MenuEditCopy_Click(form);  // copying nothing keeps the clipboard
        box.Select(0, 5);
        MenuEditPaste_Click(form);
        EXPECT_TRUE(box.Text().startsWith(QStringLiteral("Lamp Lamp")));
        MenuEditSelectAll_Click(form);
        EXPECT_EQ(box.SelText(), box.Text());
    }
}

TEST(FindCommands, OnlyCtrlRightClickOnTheMarkupFrameEnablesTheDesignerFile)
{
    FormFixture f;
    f.form().MenuHelpSettingsDes.enabled = false;
    for (auto [button, shift] : {std::pair(2, 0), std::pair(1, 2), std::pair(2, 3), std::pair(2, 6)})
        MarkupFrame_MouseDown(f.form(), button, shift);
    EXPECT_FALSE(f.form().MenuHelpSettingsDes.enabled);
    MarkupFrame_MouseDown(f.form(), 2, 2);
    EXPECT_TRUE(f.form().MenuHelpSettingsDes.enabled);
}
