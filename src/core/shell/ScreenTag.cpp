#include "ScreenTag.h"

#include "WindowState.h"

namespace {

struct ScreenName {
    Screen screen;
    const char* tag;
};

constexpr ScreenName kScreenNames[] = {
    {Screen::Edit, "edit"},     {Screen::Markup, "markup"}, {Screen::NoMarkup, "nomarkup"},
    {Screen::Export, "export"}, {Screen::Blowup, "blowup"},
};

}  // namespace

QString ScreenTagText(Screen screen)
{
    for (const ScreenName& name : kScreenNames)
        if (name.screen == screen)
            return QString::fromLatin1(name.tag);
    return QString();
}

Screen ScreenOf(const WindowState& window)
{
    for (const ScreenName& name : kScreenNames)
        if (window.MenuEditTag == QLatin1String(name.tag))
            return name.screen;
    return Screen::Markup;
}

void SetScreen(WindowState& window, Screen screen)
{
    window.MenuEditTag = ScreenTagText(screen);
}
