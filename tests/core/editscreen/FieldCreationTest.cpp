#include "editscreen/EditScreen.h"
#include "editscreen/FieldCreation.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

namespace {

struct Screen {
    EditScreen screen;
    ScriptedDialogs dialogs;

    Screen() { screen.DataScrollInsert.height = 120; }

    int Add(const QString& style, bool hasData = true, const QString& group = QString())
    {
        DataFieldAdd(screen, dialogs, style, hasData, group);
        lastHasData = hasData;
        return screen.FieldCount() - 1;
    }
    bool lastHasData = true;
};

}  // namespace

TEST(FieldCreation, PlainRowsStackWithTheWorkedSpacing)
{
    Screen s;
    const int first = s.Add(QStringLiteral(" "));
    const int second = s.Add(QStringLiteral(" "));
    const TextBoxControl& a = s.screen.Field(first).DataField;
    const TextBoxControl& b = s.screen.Field(second).DataField;
    EXPECT_EQ(first, 1);
    EXPECT_EQ(a.geometry.top, 60);
    EXPECT_EQ(a.geometry.height, 570);
    EXPECT_EQ(b.geometry.top, a.geometry.top + a.geometry.height + 60);
    EXPECT_EQ(s.screen.DataScrollInsert.height, b.geometry.top + 570 + 120);
    EXPECT_EQ(s.screen.Field(second).DataLabel.caption, QStringLiteral("2."));
    EXPECT_EQ(s.screen.Field(second).DataButton.geometry.height, 570);
    EXPECT_TRUE(s.screen.Field(second).DataLabel.visible && b.visible && s.screen.Field(second).DataButton.visible);
}

TEST(FieldCreation, EachStyleGetsItsLook)
{
    Screen s;
    const auto& colors = s.screen.ScreenColors;
    const int url = s.Add(QStringLiteral(":"));
    const int title = s.Add(QStringLiteral("!"));
    const int comment = s.Add(QStringLiteral("~"));
    const int include = s.Add(QStringLiteral("+"));
    const int theme = s.Add(QStringLiteral("^"));
    const int global = s.Add(QStringLiteral("?"));
    const int twoChar = s.Add(QStringLiteral("?#"));  // last character decides the look

    const EditField& u = s.screen.Field(url);
    EXPECT_EQ(u.DataField.text, QStringLiteral("http://"));
    EXPECT_TRUE(u.DataLabel.fontItalic);
    EXPECT_EQ(u.DataField.foreColor, colors[4]);
    EXPECT_EQ(u.DataField.backColor, 0xFFF0E0u);
    EXPECT_EQ(u.DataField.geometry.height, 300);

    const EditField& t = s.screen.Field(title);
    EXPECT_EQ(t.DataField.geometry.height, 360);
    EXPECT_DOUBLE_EQ(t.DataField.fontSize, 12);
    EXPECT_TRUE(t.DataField.fontBold);
    EXPECT_TRUE(t.DataLabel.fontBold);

    const EditField& c = s.screen.Field(comment);
    EXPECT_EQ(c.DataField.borderStyle, 0);
    EXPECT_EQ(c.DataLabel.foreColor, colors[10]);
    EXPECT_EQ(c.DataField.backColor, colors[11]);
    EXPECT_EQ(c.DataField.geometry.height, 570);

    EXPECT_EQ(s.screen.Field(include).DataField.text, QStringLiteral("c:\\"));
    EXPECT_TRUE(s.screen.Field(include).DataLabel.fontItalic);
    EXPECT_EQ(s.screen.Field(theme).DataField.backColor, colors[17]);
    EXPECT_EQ(s.screen.Field(global).DataField.backColor, colors[15]);
    EXPECT_EQ(s.screen.Field(twoChar).DataField.backColor, colors[7]);
}

TEST(FieldCreation, DividerSitsLowerAndShowsOnlyItsBox)
{
    Screen s;
    s.Add(QStringLiteral(" "));
    const int h = s.screen.DataScrollInsert.height;
    const int divider = s.Add(QStringLiteral("-"));
    const EditField& d = s.screen.Field(divider);
    EXPECT_EQ(d.DataField.geometry.top, h);  // 60 lower than the h - 60 of a plain row
    EXPECT_TRUE(d.DataField.visible);
    EXPECT_FALSE(d.DataLabel.visible);
    EXPECT_FALSE(d.DataButton.visible);
    EXPECT_FALSE(d.DataButton.enabled);
    EXPECT_EQ(d.DataField.borderStyle, 0);
    EXPECT_TRUE(d.DataField.fontBold);
}

TEST(FieldCreation, HiddenStylesAndEmptyKeywordsTakeAnIndexButStayHidden)
{
    Screen s;
    for (const QString& style : {QStringLiteral("?^"), QStringLiteral("$"), QStringLiteral("(")}) {
        const int before = s.screen.DataScrollInsert.height;
        const int i = s.Add(style, true);
        EXPECT_FALSE(s.lastHasData) << style.toStdString();
        EXPECT_FALSE(s.screen.Field(i).DataField.visible);
        EXPECT_EQ(s.screen.Field(i).DataLabel.tag, style);
        EXPECT_EQ(s.screen.DataScrollInsert.height, before);
    }
    const int empty = s.Add(QStringLiteral(" "), false);
    EXPECT_EQ(empty, 4);
    EXPECT_FALSE(s.screen.Field(empty).DataField.visible);
    EXPECT_TRUE(s.dialogs.boxes.isEmpty());
}

TEST(FieldCreation, GroupsOpenCloseAndFrameTheirRows)
{
    Screen s;
    const int h = s.screen.DataScrollInsert.height;
    const int start = s.Add(QStringLiteral("StartGroupOff"), false, QStringLiteral("  "));
    EXPECT_EQ(s.screen.GroupCount(), 2);
    const FieldGroup& g = s.screen.Group(1);
    EXPECT_EQ(g.DataKeep.caption, QStringLiteral("Include this section. "));
    EXPECT_EQ(g.DataKeep.value, 0);
    EXPECT_EQ(g.DataKeep.tag, QStringLiteral("1"));
    EXPECT_EQ(g.DataGrouping.geometry.top, h - 30);
    EXPECT_EQ(g.DataKeep.geometry.top, h + 90 - 60);
    EXPECT_EQ(s.screen.DataScrollInsert.height, h + 180 + 255);
    EXPECT_FALSE(g.DataKeep.visible);
    EXPECT_EQ(s.screen.Field(start).DataButton.tag, QString());  // the opener itself is outside

    const int inside = s.Add(QStringLiteral(" "));
    EXPECT_EQ(s.screen.Field(inside).DataButton.tag, QStringLiteral("1"));
    const int before = s.screen.DataScrollInsert.height;
    const int end = s.Add(QStringLiteral("EndGroup"), false);
    EXPECT_EQ(s.screen.Field(end).DataButton.tag, QStringLiteral("1"));
    EXPECT_TRUE(s.screen.Group(1).DataKeep.visible);
    EXPECT_TRUE(s.screen.Group(1).DataGrouping.visible);
    EXPECT_EQ(s.screen.Group(1).DataGrouping.geometry.height, before - (h - 30) - 60);
    EXPECT_EQ(s.screen.Group(1).DataGrouping.geometry.width, s.screen.DataScrollInsert.width - 60 - 60);
    EXPECT_EQ(s.screen.DataScrollInsert.height, before + 90);
    EXPECT_TRUE(s.screen.OpenGroupIndex.isEmpty());

    s.Add(QStringLiteral("StartGroupOn"), false, QStringLiteral(" Gift wrap"));
    EXPECT_EQ(s.screen.Group(2).DataKeep.caption, QStringLiteral(" Gift wrap"));
    EXPECT_EQ(s.screen.Group(2).DataKeep.value, 1);
}

TEST(FieldCreation, OnlySpacesMakeASectionNameEmpty)
{
    const QList<std::pair<QString, QString>> cases = {
        {QStringLiteral("   "), QStringLiteral("Include this section. ")},
        {QStringLiteral("\t"), QStringLiteral("\t")},
        {QStringLiteral("\u00A0"), QStringLiteral("\u00A0")},
        {QStringLiteral(" \t "), QStringLiteral(" \t ")},
    };
    Screen s;
    for (const auto& [name, caption] : cases) {
        s.Add(QStringLiteral("StartGroupOn"), false, name);
        EXPECT_EQ(s.screen.Group(s.screen.GroupCount() - 1).DataKeep.caption, caption);
    }
}

TEST(FieldCreation, StrayEndGroupAndNestedStartsDoNotBreakTheScreen)
{
    Screen s;
    const int h = s.screen.DataScrollInsert.height;
    const int stray = s.Add(QStringLiteral("EndGroup"), false);
    EXPECT_EQ(s.screen.GroupCount(), 1);
    EXPECT_FALSE(s.screen.Field(stray).DataField.visible);
    EXPECT_EQ(s.screen.DataScrollInsert.height, h);

    s.Add(QStringLiteral("StartGroupOn"), false, QStringLiteral("outer"));
    s.Add(QStringLiteral("StartGroupOn"), false, QStringLiteral("inner"));
    const int inside = s.Add(QStringLiteral(" "));
    s.Add(QStringLiteral("EndGroup"), false);
    s.Add(QStringLiteral("EndGroup"), false);  // no group is open any more
    EXPECT_EQ(s.screen.Field(inside).DataButton.tag, QStringLiteral("2"));
    EXPECT_FALSE(s.screen.Group(1).DataKeep.visible);  // replaced before it was closed
    EXPECT_TRUE(s.screen.Group(2).DataKeep.visible);
    EXPECT_TRUE(s.dialogs.boxes.isEmpty());
}

TEST(FieldCreation, VerticalLimitReportsEveryFieldThatNoLongerFits)
{
    Screen s;
    int reportsAtFirstFailure = -1;
    int firstFailing = -1;
    for (int n = 0; n < 70; ++n) {
        s.Add(QStringLiteral(" "));
        if (firstFailing < 0 && !s.dialogs.boxes.isEmpty()) {
            firstFailing = s.screen.FieldCount() - 1;
            reportsAtFirstFailure = static_cast<int>(s.dialogs.boxes.size());
        }
    }
    ASSERT_GT(firstFailing, 1);
    EXPECT_EQ(reportsAtFirstFailure, 1);
    // Every field from the first failing one on has its own report.
    EXPECT_EQ(s.dialogs.boxes.size(), 70 - (firstFailing - 1));
    const RecordedBox& box = s.dialogs.boxes.first();
    EXPECT_EQ(box.title, QStringLiteral("Add Template Fields"));
    EXPECT_EQ(box.icon, MsgIcon::Exclamation);
    EXPECT_EQ(box.text,
              QStringLiteral("Error 6: Overflow\r\nLocation = Add fields\r\n\r\n"
                             "The vertical limit of the screen has been reached.\r\n"
                             "There may be too many vertical data fields or fillers. \r\n"
                             "You will get an error message for each one. \r\n\r\n"
                             "Try combining or eliminating some fields and dividers, \r\n"
                             "or use VarKits that create smaller onscreen fields. "));
    // The failing field was still placed; the scroll range kept its last valid value.
    EXPECT_TRUE(s.screen.Field(firstFailing).DataField.visible);
    EXPECT_LE(s.screen.DataScrollbar.max, EditScreen::kScrollLimit);
    EXPECT_TRUE(s.screen.Field(1).DataField.visible);
}

TEST(FieldCreation, StyleBackgroundsFollowTheColourTable)
{
    EditScreen screen;
    const auto& c = screen.ScreenColors;
    EXPECT_EQ(StyleBackground(screen, QStringLiteral("!")), c[3]);
    EXPECT_EQ(StyleBackground(screen, QStringLiteral(":")), c[5]);
    EXPECT_EQ(StyleBackground(screen, QStringLiteral("#")), c[7]);
    EXPECT_EQ(StyleBackground(screen, QStringLiteral("-")), c[9]);
    EXPECT_EQ(StyleBackground(screen, QStringLiteral("~")), c[11]);
    EXPECT_EQ(StyleBackground(screen, QStringLiteral("+")), c[13]);
    EXPECT_EQ(StyleBackground(screen, QStringLiteral("^")), c[15]);
    EXPECT_EQ(StyleBackground(screen, QStringLiteral("?#")), c[1]);
    EXPECT_EQ(c[9], screen.DataScrollInsertBackColor);
    EXPECT_EQ(c[5], 0xFFF0E0u);
    EXPECT_EQ(c[12], 0x402040u);
}
