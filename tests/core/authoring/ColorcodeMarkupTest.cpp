// The markup's tags read back green, their values navy and the rest black, from the character
// formats of the box's document.
#include "authoring/ColorcodeMarkup.h"
#include "authoring/TagColorSpans.h"
#include "support/FormFixture.h"

#include <gtest/gtest.h>

namespace {

// One letter per character: t tag, v value, . plain.
QString ColorMap(RichTextBox& box)
{
    QString map;
    for (int i = 0; i < box.Length(); ++i) {
        const quint32 color = box.ColorAt(i);
        map += color == kTagColor ? u't' : color == kTagValueColor ? u'v' : color == kPlainTextColor ? u'.' : u'?';
    }
    return map;
}

QString Colored(FormFixture& f, const QString& text)
{
    f.form().MarkupText.SetText(text);
    ColorcodeMarkup(f.form(), QString());
    return ColorMap(f.form().MarkupText);
}

}  // namespace

TEST(ColorcodeMarkup, PaintsTagsAndValuesAsTheMarkupShowsThem)
{
    const struct {
        const char* text;
        const char* colors;
    } rows[] = {
        // Any letter case of the keyword.
        {"a[VARKIT#n=x]b[varKit#n=y]", ".ttttttttttvt.ttttttttttvt"},
        // Only the text after the first equals sign is navy.
        {"[VarKit#a=b=c]", "ttttttttttvvvt"},
        // A value holding "]" is coloured up to the first "]".
        {"[VarKit =a]b]", "tttttttttvt.."},
        // An opener without a closer ends its pass; earlier tags stay, later passes run.
        {"[VarKit =a] [VarKit =b <VarKit x>", "tttttttttvt............tttttttttt"},
        // Wrapper tags green, the HTML they enclose black.
        {"<VarKit =true><b>x</b></VarKit>", "tttttttttttttt........ttttttttt"},
        // A tag without "=" is green throughout; a tag with nothing after "=" too.
        {"[VarKit-Part][VarKit#n=]", "tttttttttttttttttttttttt"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        FormFixture f;
        EXPECT_EQ(Colored(f, QString::fromLatin1(row.text)), QString::fromLatin1(row.colors));
    }
}

TEST(ColorcodeMarkup, RecolouringTheWholeMarkupLeavesNoOldColours)
{
    FormFixture f;
    RichTextBox& box = f.form().MarkupText;
    Colored(f, QStringLiteral("x[VarKit#n=v]y"));
    // The tag's text is typed over: no tag, no colour.
    box.Select(1, 7);
    box.SetSelText(QStringLiteral("[Plain "));
    ColorcodeMarkup(f.form(), QString());
    EXPECT_EQ(ColorMap(box), QStringLiteral("..............")) << box.Text().toStdString();
}

TEST(ColorcodeMarkup, ColouringIsNoChangeOfTheText)
{
    FormFixture f;
    FormState& form = f.form();
    form.MarkupText.SetText(QStringLiteral("a [VarKit#n=v] b\r\nc"));
    form.TemplateChanged = false;
    int changes = 0;
    QObject::connect(&form.MarkupText, &RichTextBox::changed, [&] { ++changes; });
    ColorcodeMarkup(form, QString());
    EXPECT_EQ(changes, 0);
    EXPECT_FALSE(form.TemplateChanged);

    // An inserted text is one change, coloured where it went, with the caret after it.
    form.MarkupText.Select(2, 0);
    ColorcodeMarkup(form, QStringLiteral("[VarKit =x]"));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(form.MarkupText.Text(), QStringLiteral("a [VarKit =x][VarKit#n=v] b\r\nc"));
    EXPECT_EQ(form.MarkupText.SelStart(), 13);
    EXPECT_EQ(ColorMap(form.MarkupText), QStringLiteral("..tttttttttvtttttttttttvt....."));
}

TEST(ColorcodeMarkup, AHiddenBoxPaintsWhenItsDocumentIsBuilt)
{
    // The box paints nothing while nobody shows it; the colours follow the text through edits
    // until its document is built.
    FormFixture f;
    RichTextBox& box = f.form().MarkupText;
    box.SetText(QStringLiteral("[VarKit#a=1] [VarKit#b=2]"));
    ColorcodeMarkup(f.form(), QString());
    box.Select(13, 0);
    box.SetSelText(QStringLiteral("new "));
    box.Select(0, 4);
    box.SetSelText(QString());
    EXPECT_EQ(box.Text(), QStringLiteral("Kit#a=1] new [VarKit#b=2]"));
    EXPECT_EQ(ColorMap(box), QStringLiteral("ttttttvt.....ttttttttttvt"));
}

TEST(TagColorSpans, GivesTheSpansInPassOrder)
{
    const ColorSpans spans = TagColorSpans(u"[VarKit =v]</VarKit><VarKit x>");
    const ColorSpans expected = {{20, 10, kTagColor}, {11, 9, kTagColor}, {0, 11, kTagColor}, {9, 1, kTagValueColor}};
    EXPECT_EQ(spans, expected);
}
