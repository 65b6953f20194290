#pragma once
// The window's size and place between runs, kept in the user's settings folder (section
// "Window" of window.ini), never in the shipped settings file.
#include "platform/FileOps.h"

#include <QRect>
#include <QString>
#include <optional>

struct WindowPlacement {
    QRect normal;            // the window's inner area when not maximized, in screen pixels
    bool maximized = false;
};

// What the file holds; empty when it holds no usable size.
std::optional<WindowPlacement> ReadWindowPlacement(FileOps& files, const QString& path);
// Stores it, making the folder when needed; throws AppError when it cannot be written.
void WriteWindowPlacement(FileOps& files, const QString& path, const WindowPlacement& placement);

// The wanted area moved and, when it is larger, shrunk to lie inside the screen's available
// area (a window kept on a bigger or a since removed screen comes back whole and reachable).
QRect FitOnScreen(const QRect& wanted, const QRect& available);
