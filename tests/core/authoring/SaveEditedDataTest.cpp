#include "authoring/SaveEditedData.h"
#include "shell/SaveEditedCommands.h"
#include "support/FakeScannerHost.h"
#include "support/FormFixture.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

// Marks option k (0-based) of field i as the chosen one, as a click does.
void Choose(EditScreen& screen, int i, int k)
{
    const std::vector<int> options = screen.OptionsOfField(i);
    for (size_t n = 0; n < options.size(); ++n)
        screen.Option(options[n]).DataOptButton.selected = static_cast<int>(n) == k;
    screen.Field(i).DataField.text = screen.Option(options[static_cast<size_t>(k)]).DataOption.caption;
}

struct Row {
    const char* what;
    QByteArray templateText;
    std::function<void(EditScreen&)> edit;
    QString rebuilt;
};

constexpr char kPadded[] = " \0x[VarKit A=1]y\0 ";

}  // namespace

TEST(SaveEditedData, EveryTagFormCarriesWhatTheScreenShows)
{
    const auto none = [](EditScreen&) {};
    const Row rows[] = {
        {"a plain field takes its new value", "<p>[VarKit Item=Lamp]</p>",
         [](EditScreen& s) { s.Field(1).DataField.text = QStringLiteral("Desk lamp"); }, "<p>[VarKit Item=Desk lamp]</p>"},
        {"Green chosen of Red, Green and Blue", "[VarKit Colour=Red|Green|Blue]", [](EditScreen& s) { Choose(s, 1, 1); },
         "[VarKit Colour=Red||Green|Blue]"},
        {"the first option chosen gives the plain list", "[VarKit Colour=Red||Green|Blue]",
         [](EditScreen& s) { Choose(s, 1, 0); }, "[VarKit Colour=Red|Green|Blue]"},
        {"an unchecked section is written false", "<VarKit Gift=true>x</VarKit>",
         [](EditScreen& s) { s.Group(1).DataKeep.value = 0; }, "<VarKit Gift=false>x</VarKit>"},
        {"a checked section is written true", "<VarKit Gift=false>x</VarKit>",
         [](EditScreen& s) { s.Group(1).DataKeep.value = 1; }, "<VarKit Gift=true>x</VarKit>"},
        {"an unnamed section is named by its checkbox", "<VarKit>x</VarKit>", none,
         "<VarKit Include this section. =true>x</VarKit>"},
        {"a section at the end of the template", "a<VarKit Last=false>", none, "a<VarKit Last=false>"},
        {"a computed field is written without its value", "[VarKit(a+b]",
         [](EditScreen& s) { s.Field(1).DataField.text = QStringLiteral("7"); }, "[VarKit(a+b]"},
        {"a global target carries no value", "[VarKit?price]",
         [](EditScreen& s) { s.Field(1).DataField.text = QStringLiteral("19.99"); }, "[VarKit?price]"},
        {"a global target that shows a value keeps it", "[VarKit?total=5]",
         [](EditScreen& s) { s.Field(1).DataField.text = QStringLiteral("6"); }, "[VarKit?total=6]"},
        {"a global with a style", "[VarKit?price#Price=19.99]",
         [](EditScreen& s) { s.Field(1).DataField.text = QStringLiteral("25"); }, "[VarKit?price#Price=25]"},
        {"a Help link takes the last menu item of its caption", "[VarKit$Tips=a.htm][VarKit$Tips=b.htm]", none,
         "[VarKit$Tips=b.htm][VarKit$Tips=b.htm]"},
        {"the window caption has no link", "[VarKit$My Shop]", none, "[VarKit$My Shop=]"},
        {"a blank field with nothing writes nothing", "a[VarKit =]b", none, "ab"},
        {"an empty option gets two blanks", "[VarKit Size=|S|M]", none, "[VarKit Size=  ||S|M]"},
        {"blanks and NULs at both ends go", QByteArray(kPadded, sizeof kPadded - 1), none, "x[VarKit A=1]y"},
        {"typed characters that would break the tag", "[VarKit Note=n]",
         [](EditScreen& s) { s.Field(1).DataField.text = QStringLiteral("a]b|c [VarKit [1"); },
         "[VarKit Note=a&#93;b&#124;c &#91;VarKit [1]"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        FormFixture f;
        f.Import(row.templateText);
        row.edit(f.screen());
        EXPECT_EQ(Escaped(ModifiedTemplateOf(f.form())), Escaped(row.rebuilt));
    }
}

TEST(SaveEditedData, EmptyOptionsShowTwoBlanksOnTheScreenToo)
{
    FormFixture f;
    f.Import("[VarKit Size=S||]");
    EXPECT_EQ(ModifiedTemplateOf(f.form()), QStringLiteral("[VarKit Size=S|  ]"));
    EXPECT_EQ(f.screen().Option(f.screen().OptionsOfField(1).back()).DataOption.caption, QStringLiteral("  "));
}
