// The tag buttons on the markup's selection: each form of tag, the caret where the designer
// types next, the single undo, the colour button and Clear.
#include "authoring/TagButtons.h"
#include "authoring/TagColorSpans.h"
#include "support/FormFixture.h"

#include <gtest/gtest.h>

namespace {

struct Markup {
    FormFixture f;
    bool barEnabled = true;

    explicit Markup(const QString& text, int start = 0, int length = 0)
    {
        box().SetText(text);
        box().Select(start, length);
    }
    RichTextBox& box() { return f.form().MarkupText; }
    QString text() { return box().Text(); }
    void Click(int index) { TagButton_Click(f.form(), index, barEnabled); }
};

}  // namespace

TEST(TagButtons, EachButtonPutsItsFormAroundTheSelection)
{
    // "Price" selected in "A Price B"; the caret goes where the "@" stands.
    const struct {
        int index;
        const char* caption;
        const char* toolTip;
        const char* result;
    } rows[] = {
        {0, "~", "Comment or Instructions ", "A [VarKit~@ =Price] B"},
        {1, "-", "Visual Section Divider ", "A [VarKit-@ Price] B"},
        {2, " ", "Plain Text ", "A [VarKit @ =Price] B"},
        {3, "!", "Title ", "A [VarKit!@ =Price] B"},
        {4, ":", "URL ", "A [VarKit:@ =Price] B"},
        {5, "#", "Variable ", "A [VarKit#@ =Price] B"},
        {6, "+", "Include File ", "A [VarKit+@ =Price] B"},
        {7, "?", "Global variable ", "A [VarKit?@? =Price] B"},
        {8, "?", "Global Target ", "A [VarKit?@] B"},
        {9, "|", "Option List divider ", "A |@ B"},
        {10, "^", "Global Theme ", "A [VarKit^@ =Price] B"},
        {11, "&&", "Option List Image-chip ", "A [VarKit&@ =Price] B"},
        {12, "%", "Option List Color-chip ", "A [VarKit%@ =Price] B"},
        {13, "$", "Add a Menu HyperLink ", "A [VarKit$@ =Price] B"},
        {20, "<>", "Selectable Section Wrapper ", "A <VarKit =true>Price</VarKit>@ B"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.index);
        Markup m(QStringLiteral("A Price B"), 2, 5);
        const TagButtonState& button = m.f.form().TagButton[static_cast<size_t>(row.index)];
        EXPECT_EQ(button.caption, QString::fromLatin1(row.caption));
        EXPECT_EQ(button.toolTip, QString::fromLatin1(row.toolTip));
        m.Click(row.index);
        QString expected = QString::fromLatin1(row.result);
        const int caret = static_cast<int>(expected.indexOf(u'@'));
        expected.remove(caret, 1);
        EXPECT_EQ(m.text(), expected);
        EXPECT_EQ(m.box().SelStart(), caret);
        EXPECT_EQ(m.box().SelLength(), 0);
        EXPECT_TRUE(m.f.dialogs().boxes.isEmpty());
    }
}

TEST(TagButtons, InsertedTagsAreColouredAndEmptyWithoutASelection)
{
    Markup m(QStringLiteral("ab"), 1);
    m.Click(5);
    EXPECT_EQ(m.text(), QStringLiteral("a[VarKit# =]b"));
    EXPECT_EQ(m.box().SelStart(), 9);
    EXPECT_EQ(m.box().ColorAt(0), kPlainTextColor);
    EXPECT_EQ(m.box().ColorAt(1), kTagColor);
    EXPECT_EQ(m.box().ColorAt(11), kTagColor);
    EXPECT_EQ(m.box().ColorAt(12), kPlainTextColor);
}

TEST(TagButtons, UndoPutsBackTheLastInsertionOnce)
{
    Markup m(QStringLiteral("A Price B"), 2, 5);
    m.Click(8);
    EXPECT_EQ(m.text(), QStringLiteral("A [VarKit?] B"));
    m.Click(TagButtonIndex::Undo);
    EXPECT_EQ(m.text(), QStringLiteral("A Price B"));
    EXPECT_EQ(m.box().SelStart(), 2);
    EXPECT_EQ(m.box().SelLength(), 5);
    EXPECT_EQ(m.f.form().UndoStart, -1);
    // A second press has nothing to undo.
    m.box().Select(0, 1);
    m.Click(TagButtonIndex::Undo);
    EXPECT_EQ(m.text(), QStringLiteral("A Price B"));

    // Once the designer has typed into the inserted tag, undo leaves the text alone.
    m.box().Select(2, 5);
    m.Click(5);
    m.box().SetSelText(QStringLiteral("Name"));
    m.Click(TagButtonIndex::Undo);
    EXPECT_EQ(m.text(), QStringLiteral("A [VarKit#Name =Price] B"));
}

TEST(TagButtons, ColourButtonPutsThePickedColourInPlaceOfTheSelection)
{
    Markup m(QStringLiteral("color=red;"), 6, 3);
    m.f.dialogs().colors.push_back(0x00563412);
    m.Click(TagButtonIndex::Color);
    EXPECT_EQ(m.f.dialogs().colorRequests, (QList<quint32>{0x0000FF}));
    EXPECT_EQ(m.text(), QStringLiteral("color=#123456;"));
    m.Click(TagButtonIndex::Undo);
    EXPECT_EQ(m.text(), QStringLiteral("color=red;"));
    // A cancelled picker changes nothing.
    m.Click(TagButtonIndex::Color);
    EXPECT_EQ(m.text(), QStringLiteral("color=red;"));
}

TEST(TagButtons, ClearStripsTheSelectionAndUndoRestoresIt)
{
    const QString before = QStringLiteral("<p>[VarKit#Item= Lamp ]</p><VarKit Ship=true>[VarKit?x]by post</VarKit> end");
    Markup m(before, 3, static_cast<int>(before.indexOf(QStringLiteral(" end"))) - 3);
    m.f.form().MarkupText.SetShown(true);
    bool barDisabledDuringRun = false;
    QObject::connect(&m.f.form(), &TemplateSession::stateChanged, [&] { barDisabledDuringRun |= !m.barEnabled; });
    m.Click(TagButtonIndex::Clear);
    EXPECT_EQ(m.text(), QStringLiteral("<p>Lamp</p>by post end"));
    EXPECT_TRUE(barDisabledDuringRun);
    EXPECT_TRUE(m.barEnabled);
    EXPECT_EQ(m.f.form().MarkupSize, QString::number(m.text().size()));
    EXPECT_EQ(m.box().ColorAt(4), kPlainTextColor);

    m.Click(TagButtonIndex::Undo);
    EXPECT_EQ(m.text(), before);
    EXPECT_EQ(m.box().ColorAt(3), kTagColor);
}
