// Moving between fields with the keyboard: usable fields only, the whole text selected, the
// focus asked of the view, and the field list scrolled so that the field is in view.
#include "editscreen/EditScreen.h"
#include "editscreen/FieldNavigation.h"

#include <gtest/gtest.h>

namespace {

// Fields 1 to n, 480 twips high, one every 600 twips from the top; the viewport 3000 high.
void AddFields(EditScreen& screen, int n)
{
    for (int k = 0; k < n; ++k) {
        const int i = screen.AddField();
        TextBoxControl& box = screen.Field(i).DataField;
        box.visible = true;
        box.text = QStringLiteral("value %1").arg(i);
        box.geometry = {2400, 120 + 600 * k, 4695, 480};
    }
    screen.DataScrollFrame.height = 3000;
    screen.DataScrollInsert.height = 120 + 600 * n;
    screen.ApplyScrollRange();
}

}  // namespace

TEST(FieldNavigation, SkipsDisabledAndHiddenFieldsBothWays)
{
    EditScreen screen;
    AddFields(screen, 5);
    screen.Field(2).DataField.enabled = false;
    screen.Field(3).DataField.visible = false;

    EXPECT_TRUE(NextField(screen, 1));
    EXPECT_EQ(screen.ActiveField, 4);
    EXPECT_TRUE(screen.FocusRequested);
    const TextBoxControl& reached = screen.Field(4).DataField;
    EXPECT_EQ(reached.selStart, 0);
    EXPECT_EQ(reached.selLength, reached.text.size());

    screen.FocusRequested = false;
    EXPECT_TRUE(PreviousField(screen, 4));
    EXPECT_EQ(screen.ActiveField, 1);
    EXPECT_TRUE(screen.FocusRequested);
}

TEST(FieldNavigation, RunningPastEitherEndChangesNothing)
{
    EditScreen screen;
    AddFields(screen, 3);
    screen.Field(3).DataField.visible = false;
    screen.ActiveField = 2;
    EXPECT_FALSE(NextField(screen, 2));   // only a hidden field follows
    EXPECT_FALSE(PreviousField(screen, 1));
    EXPECT_EQ(screen.ActiveField, 2);
    EXPECT_FALSE(screen.FocusRequested);
    EXPECT_EQ(screen.DataScrollbar.value, 0);
}

TEST(FieldNavigation, ScrollValuesKeepTheFieldInView)
{
    EditScreen screen;
    AddFields(screen, 10);  // content 6120, viewport 3000: the bar reaches 3120
    ASSERT_TRUE(screen.DataScrollbar.enabled);
    ASSERT_EQ(screen.DataScrollbar.max, 3120);

    // Field 4 ends at 2400 (+120 margin 2520): in view, no scroll.
    NextField(screen, 3);
    EXPECT_EQ(screen.DataScrollbar.value, 0);
    // Field 5 ends at 3000: its bottom goes 120 twips above the lower edge.
    NextField(screen, 4);
    EXPECT_EQ(screen.DataScrollbar.value, 3000 + 120 - 3000);
    EXPECT_EQ(screen.DataScrollInsert.top, -120);
    // Field 9 ends at 5400.
    NextField(screen, 8);
    EXPECT_EQ(screen.DataScrollbar.value, 5400 + 120 - 3000);
    EXPECT_EQ(screen.DataScrollInsert.top, -2520);

    // Going up: field 6 (top 3120) is in view; field 5 (top 2520) starts right at the upper
    // edge and comes to stand 60 twips below it.
    PreviousField(screen, 7);
    EXPECT_EQ(screen.DataScrollbar.value, 2520);
    PreviousField(screen, 6);
    EXPECT_EQ(screen.DataScrollbar.value, 2520 - 60);
    EXPECT_EQ(screen.DataScrollInsert.top, -2460);
    PreviousField(screen, 2);
    EXPECT_EQ(screen.DataScrollbar.value, 120 - 60);
}

TEST(FieldNavigation, TheBarStaysWithinItsRange)
{
    EditScreen screen;
    AddFields(screen, 10);
    // The last field's bottom plus the margin lies past the content: the bar stops at its end.
    screen.DataScrollInsert.height = 6000;
    screen.ApplyScrollRange();
    NextField(screen, 9);
    EXPECT_EQ(screen.DataScrollbar.value, screen.DataScrollbar.max);
    EXPECT_EQ(screen.ActiveField, 10);

    // Everything in view (the bar disabled): no scroll even within the margin.
    EditScreen few;
    AddFields(few, 4);
    few.DataScrollFrame.height = 2500;
    few.DataScrollInsert.height = 2460;
    few.ApplyScrollRange();
    ASSERT_FALSE(few.DataScrollbar.enabled);
    NextField(few, 3);
    EXPECT_EQ(few.DataScrollbar.value, 0);
    EXPECT_EQ(few.ActiveField, 4);
}

TEST(FieldNavigation, AControlFocusedByTabComesIntoViewByTheSameMargins)
{
    EditScreen screen;
    AddFields(screen, 10);  // 6120 twips of rows in a 3000-twip window
    // Below the window: its bottom ends 120 twips above the lower edge.
    const Geometry below{2400, 3600, 1800, 300};
    EXPECT_TRUE(ScrollIntoView(screen, below));
    EXPECT_EQ(screen.DataScrollbar.value, 3600 + 300 + 120 - 3000);
    EXPECT_EQ(screen.DataScrollInsert.top, -screen.DataScrollbar.value);
    // In view: nothing moves.
    EXPECT_FALSE(ScrollIntoView(screen, {2400, 2400, 1800, 300}));
    EXPECT_EQ(screen.DataScrollbar.value, 1020);
    // Above the window: its top 60 twips below the upper edge.
    EXPECT_TRUE(ScrollIntoView(screen, {2400, 600, 1800, 300}));
    EXPECT_EQ(screen.DataScrollbar.value, 540);
}
