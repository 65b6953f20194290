#include "editscreen/SectionGroups.h"
#include "html/MakeHtml.h"
#include "support/FormFixture.h"

#include <QDir>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

const QString kEnding = QStringLiteral("\r\n<!-- [ VarKit assisted ] -->\r\n\r\n");

struct Html : FormFixture {
    QString Make(const QByteArray& templateBytes)
    {
        Import(templateBytes, QStringLiteral("templates/t.tpl"));
        return Run();
    }
    QString Run()
    {
        MakeHtml(form());
        return form().HTMLtext.Text();
    }
    // The generated page without the closing lines.
    QString Page()
    {
        QString text = form().HTMLtext.Text();
        if (text.endsWith(kEnding))
            text.chop(kEnding.size());
        return text;
    }
    int Field(const QString& prompt)
    {
        for (int i = 1; i < screen().FieldCount(); ++i)
            if (screen().Field(i).DataLabel.caption == prompt)
                return i;
        return -1;
    }
    int FieldNamed(const QString& name)
    {
        for (int i = 1; i < screen().FieldCount(); ++i)
            if (form().FieldNames[i] == name)
                return i;
        return -1;
    }
};

}  // namespace

TEST(MakeHtml, UntaggedTemplateIsCopiedAndClosedWithTheComment)
{
    Html h;
    const QString html = h.Make("<p>Hello</p>");
    EXPECT_EQ(html, QStringLiteral("<p>Hello</p>\r\n") + kEnding);
    EXPECT_EQ(h.form().HtmlSize, QString::number(html.size()));
    EXPECT_TRUE(h.dialogs().boxes.isEmpty());
}

TEST(MakeHtml, ValuesReplaceTheirTagsAndHiddenKindsWriteNothing)
{
    Html h;
    h.Make("<h1>[VarKit! Title=Lamp]</h1>[VarKit- Divider][VarKit~ Note=keep out][VarKit$Caption]"
           "[VarKit Size=S||M]|[VarKit?x#Def=5]|[VarKit?x]|[VarKit^ Theme=a|b]");
    EXPECT_EQ(h.Page(), QStringLiteral("<h1>Lamp</h1>M||5|\r\n"));
    h.screen().Field(h.Field(QStringLiteral("Title"))).DataField.text = QStringLiteral("Typed");
    h.Run();
    EXPECT_TRUE(h.Page().startsWith(QStringLiteral("<h1>Typed</h1>")));
}

TEST(MakeHtml, UntickedSectionsVanishWithTheirTextAndDisabledFieldsKeepTheirSegment)
{
    Html h;
    h.Make("A<VarKit Gift=false>B[VarKit Card=Hello]C</VarKit>D[VarKit Name=Ann]E");
    // "C" is the segment of the closer, which still belongs to the section: it goes with it.
    EXPECT_EQ(h.Page(), QStringLiteral("ADAnnE\r\n"));
    h.screen().Group(1).DataKeep.value = 1;
    DataKeep_Click(h.screen(), h.dialogs(), 1);
    h.Run();
    EXPECT_EQ(h.Page(), QStringLiteral("ABHelloCDAnnE\r\n"));
    h.screen().Field(h.Field(QStringLiteral("Name"))).DataField.enabled = false;
    h.Run();
    EXPECT_EQ(h.Page(), QStringLiteral("ABHelloCDE\r\n"));
}

TEST(MakeHtml, AllExcludedKeepsThePreviousExport)
{
    Html h;
    // The template ends inside its unticked section, so even the text after the last tag goes.
    h.Make("<VarKit All=false>everything");
    EXPECT_TRUE(h.form().HTMLtext.Text().isEmpty());
    h.form().HTMLtext.SetText(QStringLiteral("old export"));
    h.form().HtmlSize.clear();
    h.Run();
    EXPECT_EQ(h.form().HTMLtext.Text(), QStringLiteral("old export"));
    EXPECT_EQ(h.form().HtmlSize, QStringLiteral("10"));
}

TEST(MakeHtml, RandomCodeIsSharedWithinARunAndDrawnAgainPerRun)
{
    Html h;
    h.Make("[VarKit?Random]-[VarKit?RANDOM]-[VarKit?random]");
    const QRegularExpression shape(QStringLiteral("^([0-9A-F]{4})-\\1-\\1\r\n$"));
    QStringList codes;
    for (int run = 0; run < 4; ++run) {
        const QRegularExpressionMatch match = shape.match(h.Page());
        ASSERT_TRUE(match.hasMatch()) << h.Page().toStdString();
        codes << match.captured(1);
        h.Run();
    }
    codes.removeDuplicates();
    EXPECT_GT(codes.size(), 1);
    // A definition named "random" overrides the code.
    Html d;
    d.Make("[VarKit?random]|[VarKit?random: Fixed=ABCD]");
    EXPECT_EQ(d.Page(), QStringLiteral("ABCD|\r\n"));
}

TEST(MakeHtml, GlobalsTakeTheLastDefinition)
{
    Html h;
    h.Make("[VarKit?shop]|[VarKit?shop: First=One]|[VarKit?SHOP: Second=Two]|[VarKit?Shop]");
    EXPECT_EQ(h.Page(), QStringLiteral("Two|||Two\r\n"));
}

TEST(MakeHtml, ThemeChoosesThePositionInEveryThemeSet)
{
    Html h;
    h.Make("[VarKit^ Theme=Classic|Modern|Bold][VarKit?bg^=white|blue|red][VarKit?font^=serif|sans]"
           "[VarKit?bg]/[VarKit?font]");
    EXPECT_EQ(h.Page(), QStringLiteral("white/serif\r\n"));
    h.screen().Field(h.Field(QStringLiteral("Theme"))).DataField.text = QStringLiteral("modern");
    h.Run();
    EXPECT_EQ(h.Page(), QStringLiteral("blue/sans\r\n"));
    h.screen().Field(h.Field(QStringLiteral("Theme"))).DataField.text = QStringLiteral("BOLD");
    h.Run();
    EXPECT_EQ(h.Page(), QStringLiteral("red/\r\n"));  // the font set has no third option
    h.screen().Field(h.Field(QStringLiteral("Theme"))).DataField.text = QStringLiteral("none");
    h.Run();
    EXPECT_EQ(h.Page(), QStringLiteral("/\r\n"));
}

TEST(MakeHtml, ArithmeticRunsLeftToRight)
{
    struct Case {
        const char* expression;
        const char* result;
    };
    const Case cases[] = {
        {"(a+b*2)", "8"},     {"7\\2", "3"},        {"7~2", "1"},          {"-7~2", "-1"},
        {"50#FF0000", "#FF0000"}, {"0#FF0000", "#000000"}, {"25#808080", "#404040"}, {"1/3", "0.333333333333333"},
        {"0.1+0.2", "0.3"},   {"1e20*1", "1E+20"},  {"a +1", "1"},          {"2.5\\1", "2"},
        {"abc+4", "4"},       {"3--1", "2"},        {"", "0"},
    };
    for (const Case& c : cases) {
        Html h;
        h.Make(QByteArray("[VarKit?a: A=1][VarKit?b: B=3][VarKit(") + c.expression + "]");
        const int field = h.screen().FieldCount() - 2;
        EXPECT_EQ(h.screen().Field(field).DataField.text, QString::fromLatin1(c.result)) << c.expression;
        EXPECT_EQ(h.Page(), QString::fromLatin1(c.result) + QStringLiteral("\r\n")) << c.expression;
        EXPECT_TRUE(h.dialogs().boxes.isEmpty()) << c.expression;
    }
    Html label;
    label.Make("[VarKit?a: A=1][VarKit?b: B=3][VarKit((a+b*2)]");
    EXPECT_EQ(label.screen().Field(3).DataLabel.caption, QStringLiteral("a+b*2"));
    label.Run();
    EXPECT_EQ(label.screen().Field(3).DataField.text, QStringLiteral("8"));
}

TEST(MakeHtml, DivisionByZeroWarnsAndGoesOn)
{
    Html h;
    h.Make("[VarKit(10/0]|[VarKit(9\\0]");
    EXPECT_EQ(h.Page(), QStringLiteral("10|9\r\n"));
    ASSERT_EQ(h.dialogs().CountTitled(QStringLiteral("Missing Value")), 2);
    EXPECT_EQ(h.dialogs().boxes[0].text, QStringLiteral("A field that expected a number is set to zero \r\n"
                                                        "or has non-numeric characters. \r\n\r\n"
                                                        "Processing will continue without it, \r\n"
                                                        "but page appearance may be affected."));
    EXPECT_EQ(h.dialogs().boxes[0].icon, MsgIcon::Information);
}

TEST(MakeHtml, AValueThatIsNotANumberWarnsOncePerComputedField)
{
    struct Case {
        const char* price;
        const char* expression;
        const char* result;
        int boxes;
    };
    const Case cases[] = {
        {"1,299.00", "price+1", "2", 1},  {"$20", "price+1", "1", 1},   {"$20", "price+price", "0", 1},
        {"$20", "10/price", "10", 1},     {" 20 ", "price+1", "21", 0}, {"2e3", "price+1", "2001", 0},
        {"", "price+1", "1", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.price) + " in " + c.expression);
        Html h;
        h.Make(QByteArray("[VarKit?price: Price=1][VarKit(") + c.expression + "]");
        h.screen().Field(1).DataField.text = QString::fromLatin1(c.price);
        h.Run();
        EXPECT_EQ(h.screen().Field(2).DataField.text, QString::fromLatin1(c.result));
        EXPECT_EQ(h.dialogs().CountTitled(QStringLiteral("Missing Value")), c.boxes);
    }
}

TEST(MakeHtml, FailuresStopTheRunAndKeepTheOldExport)
{
    const char* failing[] = {"[VarKit(1+2+3+4+5+6+7+8+9+10+11]", "[VarKit(7~0]", "[VarKit(1e400+1]",
                             "[VarKit(1e300*1e300]", "[VarKit(50#FF0000+1]"};
    const char* errors[] = {"Error 9: Subscript out of range", "Error 11: Division by zero", "Error 6: Overflow",
                            "Error 6: Overflow", "Error 13: Type mismatch"};
    for (int k = 0; k < 5; ++k) {
        Html h;
        h.Make(QByteArray("[VarKit?g]|[VarKit?g: G=written]|") + failing[k]);
        ASSERT_EQ(h.dialogs().boxes.size(), 1) << failing[k];
        EXPECT_EQ(h.dialogs().boxes[0].title, QStringLiteral("Make HTML"));
        EXPECT_EQ(h.dialogs().boxes[0].text,
                  QString::fromLatin1(errors[k]) + QStringLiteral("\r\nLocation = Apply Math to HTML"));
        EXPECT_TRUE(h.form().HTMLtext.Text().isEmpty());
        EXPECT_TRUE(h.form().HtmlSize.isEmpty());
        EXPECT_EQ(h.screen().Field(1).DataField.text, QStringLiteral("written"));  // globals ran first
    }
    Html ten;
    ten.Make("[VarKit(1+1+1+1+1+1+1+1+1+1]");
    EXPECT_EQ(ten.Page(), QStringLiteral("10\r\n"));
}

TEST(MakeHtml, IncludesAreSearchedInTheirFoldersAndFailuresAreSkipped)
{
    Html h;
    h.WriteFile(QStringLiteral("templates/beside.htm"), "<b>beside</b>");
    h.WriteFile(QStringLiteral("templates/sub/only.htm"), "ONLY");
    h.WriteFile(QStringLiteral("program.htm"), "PROGRAM");
    h.WriteFile(QStringLiteral("templates/binary.htm"), QByteArray("bin\0ary", 7));
    QDir().mkpath(h.folder() + QStringLiteral("templates/folder.htm"));
    h.Make("[[VarKit+ A=beside.htm]][[VarKit+ B=program.htm]][[VarKit+ C=sub\\only.htm]]"
           "[[VarKit+ D=missing.htm]][[VarKit+ E=binary.htm]][[VarKit+ F=folder.htm]]");
    EXPECT_EQ(h.Page(), QStringLiteral("[<b>beside</b>][PROGRAM][ONLY][][][]\r\n"));
    ASSERT_EQ(h.dialogs().CountTitled(QStringLiteral("Include File Error")), 3);
    EXPECT_EQ(h.dialogs().boxes[0].text, QStringLiteral("Included File was not found and was skipped. \r\n"
                                                        "Check the name and path for file: \r\n\"missing.htm\"\r\n"));
    EXPECT_EQ(h.dialogs().boxes[1].text, QStringLiteral("Could not load Included File. It was skipped.\r\n"
                                                        " Make sure file is readable text: \r\n\"binary.htm\"\r\n"));
    EXPECT_EQ(h.dialogs().boxes[2].text.left(44), QStringLiteral("Included File was not found and was skipped."));
}

TEST(MakeHtml, IncludesFoundOnlyInTheTemplatesFolderAndLargeOnesAreInserted)
{
    Html h;
    h.WriteFile(QStringLiteral("templates/shared.htm"), "SHARED");
    h.WriteFile(QStringLiteral("templates/big.htm"), QByteArray(70000, 'z'));
    h.Import("[VarKit+ S=shared.htm][VarKit+ Big=big.htm]", QStringLiteral("elsewhere/t.tpl"));
    h.Run();
    EXPECT_EQ(h.Page(), QStringLiteral("SHARED") + QString(70000, QLatin1Char('z')) + QStringLiteral("\r\n"));
}
