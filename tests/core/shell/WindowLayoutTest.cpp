// The resize rules on the layout model, without a window.
#include "shell/WindowLayout.h"
#include "support/FormFixture.h"

#include <gtest/gtest.h>

namespace {

void Resize(FormState& form, int w, int h)
{
    form.layout.innerWidth = w;
    form.layout.innerHeight = h;
    Form_Resize(form);
}

// Twelve plain fields of 570 twips: taller than a short viewport.
QByteArray TallTemplate()
{
    QByteArray text;
    for (int k = 1; k <= 12; ++k)
        text += "[VarKit Field" + QByteArray::number(k) + "=x]\r\n";
    return text;
}

}  // namespace

TEST(WindowLayout, WideWindowRecomputesTheHorizontalLayout)
{
    FormFixture f;
    FormState& form = f.form();
    Resize(form, 15000, 9000);
    const WindowLayoutModel& l = form.layout;
    EXPECT_EQ(l.Line0.x2, 15000);
    EXPECT_EQ(l.TabFrame.width, 15000);
    EXPECT_EQ(l.DescFrame.width, 14520);
    EXPECT_EQ(l.FindFrame.left, 15000 - l.FindFrame.width - 240);
    EXPECT_EQ(l.ColorLine[0].x2, 14520);
    EXPECT_EQ(f.screen().DataScrollFrame.left, 60);
    EXPECT_EQ(f.screen().DataScrollFrame.width, 14400);
    EXPECT_EQ(l.DataScrollLine[0].x1, 60);
    EXPECT_EQ(l.DataScrollLine[1].x2, 14460);
    EXPECT_EQ(l.Blowup.left, l.DescFrame.left + 60);
    EXPECT_EQ(l.Blowup.width, 14400);
    EXPECT_EQ(f.screen().DataScrollInsert.width, 14400 - 255 - 30);
    EXPECT_EQ(l.DataScrollbar.left, 14400 - 255 - 15);
    EXPECT_EQ(l.DataBlowup.width, 14400 - l.DataBlowup.left - 240);
    EXPECT_EQ(l.BlowupLabel.width, l.DataBlowup.width);
    EXPECT_EQ(l.FileName.width, 15000 - l.FileName.left - 240);
    EXPECT_EQ(l.MarkupFrame.width, 14520);
    EXPECT_EQ(l.MarkupText.width, 14280);
    EXPECT_EQ(l.ColorLine[1].x2, 14520);
    EXPECT_EQ(l.CustomLogo.left, l.MarkupText.left + 30);
    EXPECT_EQ(l.CustomLogo.width, 14280 - 60);
    EXPECT_EQ(l.HTMLframe.width, 14520);
    EXPECT_EQ(l.HTMLtext.width, 14280);
    EXPECT_EQ(l.PreviewButton.left, 14520 / 2 + 40);
    EXPECT_EQ(l.CopyButton.left, 14520 / 2 - l.PreviewButton.width - 40);
    EXPECT_EQ(l.ColorLine[4].x2, 14520);
}

TEST(WindowLayout, TallWindowRecomputesTheVerticalLayout)
{
    FormFixture f;
    FormState& form = f.form();
    Resize(form, 12000, 10000);
    const WindowLayoutModel& l = form.layout;
    const EditScreen& s = f.screen();
    EXPECT_EQ(l.DescFrame.height, 10000 - l.DescFrame.top - 240);
    EXPECT_EQ(s.DataScrollFrame.top, l.HTMLtext.top);
    EXPECT_EQ(s.DataScrollFrame.height, l.DescFrame.height - s.DataScrollFrame.top - s.DataScrollFrame.left);
    EXPECT_EQ(l.Blowup.top, l.DescFrame.top + 180);
    EXPECT_EQ(l.Blowup.height, l.DescFrame.height - 240);
    EXPECT_EQ(l.BlowupButtonFrame.top, l.Blowup.height - l.BlowupButtonFrame.height);
    EXPECT_EQ(l.DataBlowup.height, l.BlowupButtonFrame.top - l.DataBlowup.top);
    EXPECT_EQ(l.DataScrollbar.height, s.DataScrollFrame.height);
    EXPECT_EQ(s.DataScrollbar.largeChange, static_cast<int>(0.9 * s.DataScrollFrame.height + 0.5));
    EXPECT_EQ(l.MarkupFrame.height, 10000 - l.MarkupFrame.top - 240);
    EXPECT_EQ(l.MarkupText.height, l.MarkupFrame.height - l.MarkupText.top - l.MarkupText.left);
    EXPECT_EQ(l.CustomLogo.top, l.MarkupText.top + 30);
    EXPECT_EQ(l.CustomLogo.height, l.MarkupText.height - 60);
    EXPECT_EQ(l.HTMLframe.height, 10000 - l.HTMLframe.top - 240);
    EXPECT_EQ(l.HTMLtext.height, l.HTMLframe.height - l.HTMLtext.top - 600);
    EXPECT_EQ(l.PreviewButton.top, l.HTMLframe.height - 495);
    EXPECT_EQ(l.CopyButton.top, l.PreviewButton.top);
}

TEST(WindowLayout, ThresholdsAreInclusive)
{
    FormFixture f;
    FormState& form = f.form();
    Resize(form, 8400, 6000);
    EXPECT_EQ(form.layout.DescFrame.width, 8400 - 480);
    EXPECT_EQ(form.layout.DescFrame.height, 6000 - form.layout.DescFrame.top - 240);
}

TEST(WindowLayout, NarrowWindowKeepsEveryWidthButTheTopLine)
{
    FormFixture f;
    FormState& form = f.form();
    f.Import("[VarKit Size=S|M|L]");
    Resize(form, 14000, 9000);
    const WindowLayoutModel before = form.layout;
    const int fieldWidth = f.screen().Field(1).DataField.geometry.width;
    const int optionLeft = f.screen().Option(2).DataOptButton.geometry.left;

    Resize(form, 8399, 9000);
    EXPECT_EQ(form.layout.Line0.x2, 8399);
    EXPECT_EQ(form.layout.TabFrame.width, 8399);
    EXPECT_EQ(form.layout.DescFrame.width, before.DescFrame.width);
    EXPECT_EQ(form.layout.FileName.width, before.FileName.width);
    EXPECT_EQ(form.layout.HTMLtext.width, before.HTMLtext.width);
    EXPECT_EQ(f.screen().Field(1).DataField.geometry.width, fieldWidth);
    EXPECT_EQ(f.screen().Option(2).DataOptButton.geometry.left, optionLeft);

    // Restoring the width recomputes them.
    Resize(form, 12000, 9000);
    EXPECT_EQ(form.layout.DescFrame.width, 11520);
    EXPECT_NE(f.screen().Field(1).DataField.geometry.width, fieldWidth);
}

TEST(WindowLayout, LowWindowKeepsTheVerticalLayout)
{
    FormFixture f;
    FormState& form = f.form();
    Resize(form, 12000, 9000);
    const int height = form.layout.DescFrame.height;
    const int viewport = f.screen().DataScrollFrame.height;
    const int html = form.layout.HTMLtext.height;
    Resize(form, 12000, 5999);
    EXPECT_EQ(form.layout.DescFrame.height, height);
    EXPECT_EQ(f.screen().DataScrollFrame.height, viewport);
    EXPECT_EQ(form.layout.HTMLtext.height, html);
    EXPECT_EQ(form.layout.DescFrame.width, 11520);  // the width still follows
}

TEST(WindowLayout, MinimizedWindowChangesNothing)
{
    FormFixture f;
    FormState& form = f.form();
    Resize(form, 12000, 9000);
    const WindowLayoutModel before = form.layout;
    form.layout.minimized = true;
    Resize(form, 9000, 7000);
    EXPECT_EQ(form.layout.Line0.x2, before.Line0.x2);
    EXPECT_EQ(form.layout.DescFrame.width, before.DescFrame.width);
    EXPECT_EQ(form.layout.DescFrame.height, before.DescFrame.height);
    form.layout.minimized = false;
    Resize(form, 9000, 7000);
    EXPECT_EQ(form.layout.DescFrame.width, 9000 - 480);
}

TEST(WindowLayout, FieldsAndOptionsSpreadOverTheNewWidth)
{
    FormFixture f;
    FormState& form = f.form();
    f.Import("[VarKit Size=S||M|L][VarKit Note=n]");
    Resize(form, 12000, 9000);
    const EditScreen& s = f.screen();
    const int content = s.DataScrollInsert.width;
    const TextBoxControl& box = s.Field(1).DataField;
    EXPECT_EQ(box.geometry.width, content - box.geometry.left - 120);
    EXPECT_EQ(s.Field(2).DataField.geometry.width, content - s.Field(2).DataField.geometry.left - 120);
    const int n = 3;
    for (int k = 0; k < n; ++k) {
        const FieldOption& option = s.Option(1 + k);
        const int b = option.DataOptButton.geometry.width;
        const int label = box.geometry.width / n - b - 75;
        EXPECT_EQ(option.DataOption.geometry.width, label) << k;
        EXPECT_EQ(option.DataOptButton.geometry.left, box.geometry.left + k * (b + 90 + label)) << k;
        EXPECT_EQ(option.DataOption.geometry.left, option.DataOptButton.geometry.left + b) << k;
        EXPECT_EQ(option.DataOptImg.geometry.left, option.DataOption.geometry.left) << k;
        EXPECT_EQ(option.DataOptColor.geometry.left, option.DataOption.geometry.left) << k;
    }
}

TEST(WindowLayout, ThreeOptionsOverA3000TwipField)
{
    FormFixture f;
    FormState& form = f.form();
    f.Import("[VarKit Size=S||M|L]");
    // A 9000-twip window gives a content panel of 9000 - 480 - 120 - 255 - 30 = 8115 twips;
    // a field starting at 4995 is then 3000 wide.
    const int left = 8115 - 120 - 3000;
    f.screen().Field(1).DataField.geometry.left = left;
    Resize(form, 9000, 9000);
    ASSERT_EQ(f.screen().Field(1).DataField.geometry.width, 3000);
    const int b = f.screen().Option(1).DataOptButton.geometry.width;
    const int label = 3000 / 3 - b - 75;
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(f.screen().Option(1 + k).DataOption.geometry.width, label);
        EXPECT_EQ(f.screen().Option(1 + k).DataOptButton.geometry.left, left + k * (b + 90 + label));
    }
}

TEST(WindowLayout, GroupsTakeTheContentWidth)
{
    FormFixture f;
    FormState& form = f.form();
    f.Import("<VarKit Extras=true>[VarKit Note=n]</VarKit>");
    Resize(form, 13000, 9000);
    const EditScreen& s = f.screen();
    ASSERT_EQ(s.GroupCount(), 2);
    const FieldGroup& g = s.Group(1);
    EXPECT_EQ(g.DataGrouping.geometry.width, s.DataScrollInsert.width - g.DataGrouping.geometry.left - 60);
    EXPECT_EQ(g.DataKeep.geometry.width, g.DataGrouping.geometry.width);
}

TEST(WindowLayout, ScrollRangeFollowsTheViewport)
{
    FormFixture f;
    FormState& form = f.form();
    f.Import("[VarKit One=x]");
    Resize(form, 12000, 12000);
    const EditScreen& s = f.screen();
    ASSERT_LT(s.DataScrollInsert.height, s.DataScrollFrame.height);
    EXPECT_FALSE(s.DataScrollbar.enabled);
    EXPECT_EQ(s.DataScrollbar.max, s.DataScrollInsert.height);

    f.Import(TallTemplate());
    Resize(form, 12000, 6000);
    ASSERT_GT(s.DataScrollInsert.height, s.DataScrollFrame.height);
    EXPECT_TRUE(s.DataScrollbar.enabled);
    EXPECT_EQ(s.DataScrollbar.max, s.DataScrollInsert.height - s.DataScrollFrame.height);
    EXPECT_EQ(s.DataScrollbar.largeChange, static_cast<int>(0.9 * s.DataScrollFrame.height + 0.5));
}

TEST(WindowLayout, FocusOnTheScrollBarMovesToTheFileName)
{
    FormFixture f;
    FormState& form = f.form();
    int moved = 0;
    form.onFocusFileName = [&] { ++moved; };
    form.layout.scrollbarHasFocus = true;
    Resize(form, 12000, 9000);
    EXPECT_EQ(moved, 1);
    form.FileName.enabled = false;
    Resize(form, 12000, 9000);
    EXPECT_EQ(moved, 1);
    form.FileName.enabled = true;
    form.layout.scrollbarHasFocus = false;
    Resize(form, 12000, 9000);
    EXPECT_EQ(moved, 1);
}

TEST(WindowLayout, WithoutAWindowOnlyTheScrollRangeIsApplied)
{
    FormFixture f;
    f.Import(TallTemplate());
    const EditScreen& s = f.screen();
    EXPECT_EQ(f.form().layout.DescFrame.width, WindowLayoutModel().DescFrame.width);
    EXPECT_EQ(s.Field(1).DataField.geometry.width, EditField().DataField.geometry.width);
    EXPECT_TRUE(s.DataScrollbar.enabled);
    EXPECT_EQ(s.DataScrollbar.max, s.DataScrollInsert.height - s.DataScrollFrame.height);
}

TEST(WindowLayout, ApplyHookRunsAfterTheRules)
{
    FormFixture f;
    FormState& form = f.form();
    int widthSeen = 0;
    form.onFormResize = [&] { widthSeen = form.layout.DescFrame.width; };
    Resize(form, 10000, 9000);
    EXPECT_EQ(widthSeen, 9520);
}

TEST(WindowLayout, ScrollOverflowIsReportedAsResizeScreen)
{
    FormFixture f;
    FormState& form = f.form();
    f.screen().DataScrollInsert.height = 60000;
    Resize(form, 12000, 9000);
    ASSERT_FALSE(f.dialogs().boxes.isEmpty());
    EXPECT_EQ(f.dialogs().Last()->title, QStringLiteral("Resize Screen"));
    EXPECT_EQ(f.dialogs().Last()->text, QStringLiteral("Error 6: Overflow\r\nLocation = Resize Screen"));
}

TEST(WindowLayout, TagButtonsCarryTheirCaptionsAndTips)
{
    const auto buttons = DefaultTagButtons();
    EXPECT_EQ(buttons[2].caption, QStringLiteral(" "));
    EXPECT_EQ(buttons[11].caption, QStringLiteral("&&"));
    EXPECT_EQ(buttons[20].toolTip, QStringLiteral("Selectable Section Wrapper "));
    EXPECT_EQ(buttons[40].toolTip, QStringLiteral("Insert/Replace Color value "));
    EXPECT_FALSE(buttons[14].exists);
    int count = 0;
    for (const TagButtonState& b : buttons)
        count += b.exists;
    EXPECT_EQ(count, 18);
}
