// Which box a command works on, screen by screen.
#include "shell/CurrentTarget.h"
#include "shell/ScreenTag.h"
#include "support/FormFixture.h"

#include <gtest/gtest.h>

TEST(CurrentTarget, EachScreenHasItsBox)
{
    FormFixture f;
    f.Import("<p>[VarKit Title=Lamp]</p><p>[VarKit Hidden=x]</p>");
    FormState& form = f.form();
    form.MarkupText.SetText(QStringLiteral("markup"));
    form.HTMLtext.SetText(QStringLiteral("export"));
    form.Blowup.DataBlowup.SetText(QStringLiteral("enlarged"));
    form.screen.ActiveField = 1;
    const struct {
        Screen screen;
        const char* find;  // the text of the find target, or null for none
        const char* edit;
    } rows[] = {
        {Screen::Markup, "markup", "markup"},
        {Screen::NoMarkup, nullptr, nullptr},  // a locked markup is no one's target
        {Screen::Export, "export", "export"},
        {Screen::Blowup, "enlarged", "enlarged"},
        {Screen::Edit, nullptr, "Lamp"},  // the active field, for the Edit menu only
    };
    for (const auto& row : rows) {
        SetScreen(form, row.screen);
        const TextTarget* find = FindTarget(form);
        EditMenuTarget menu(form);
        const TextTarget* edit = menu.get();
        SCOPED_TRACE(ScreenTagText(row.screen).toStdString());
        EXPECT_EQ(find ? find->Text() : QString(), row.find ? QString::fromLatin1(row.find) : QString());
        EXPECT_EQ(edit ? edit->Text() : QString(), row.edit ? QString::fromLatin1(row.edit) : QString());
    }
}

TEST(CurrentTarget, TheEditScreenHasNoneWithoutAnActiveUsableField)
{
    FormFixture f;
    f.Import("<p>[VarKit Title=Lamp]</p>");
    FormState& form = f.form();
    SetScreen(form, Screen::Edit);
    form.screen.ActiveField = 0;
    EXPECT_EQ(EditMenuTarget(form).get(), nullptr);
    form.screen.ActiveField = 1;
    form.screen.Field(1).DataField.enabled = false;
    EXPECT_EQ(EditMenuTarget(form).get(), nullptr);
    form.screen.Field(1).DataField.enabled = true;
    EditMenuTarget menu(form);
    TextTarget* field = menu.get();
    ASSERT_NE(field, nullptr);
    field->Select(0, 1);
    field->SetSelText(QStringLiteral("C"));
    EXPECT_EQ(form.screen.Field(1).DataField.text, QStringLiteral("Camp"));
    // Importing again forgets the field: its number may name another one now.
    f.Import("<p>[VarKit Other=x]</p>");
    EXPECT_EQ(EditMenuTarget(form).get(), nullptr);
}
