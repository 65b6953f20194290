// The screen in front and the Edit menu's tag that names it.
#include "shell/ScreenTag.h"
#include "shell/WindowState.h"

#include <gtest/gtest.h>

TEST(ScreenTag, EachScreenHasItsTagTextAndReadsBackFromIt)
{
    const struct {
        Screen screen;
        const char* tag;
    } rows[] = {
        {Screen::Edit, "edit"},     {Screen::Markup, "markup"}, {Screen::NoMarkup, "nomarkup"},
        {Screen::Export, "export"}, {Screen::Blowup, "blowup"},
    };
    WindowState window;
    EXPECT_EQ(ScreenOf(window), Screen::Markup);  // the window opens on the markup screen
    for (const auto& row : rows) {
        SetScreen(window, row.screen);
        EXPECT_EQ(window.MenuEditTag, QLatin1String(row.tag));
        EXPECT_EQ(ScreenOf(window), row.screen) << row.tag;
    }
    EXPECT_TRUE(IsMarkupScreen(Screen::NoMarkup));
    EXPECT_FALSE(IsMarkupScreen(Screen::Blowup));
}
