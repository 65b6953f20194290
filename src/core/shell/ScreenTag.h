#pragma once
// The screen now in front. The Edit menu's tag names it ("edit", "markup", "nomarkup" for the
// markup screen while locked, "export", "blowup" for the enlarged field editor); the edit
// commands, find/replace and the keyboard chords dispatch on it. Only these functions read or
// write that tag.
#include <QString>

struct WindowState;

enum class Screen { Edit, Markup, NoMarkup, Export, Blowup };

Screen ScreenOf(const WindowState& window);
void SetScreen(WindowState& window, Screen screen);

// The tag text of a screen.
QString ScreenTagText(Screen screen);

// The markup screen, locked or not.
inline bool IsMarkupScreen(Screen screen)
{
    return screen == Screen::Markup || screen == Screen::NoMarkup;
}
