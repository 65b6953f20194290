#pragma once
// Twips (1/1440 inch) to pixels at the screen's logical resolution: 15 twips a pixel at 96 dpi.
#include "editscreen/EditScreenControls.h"

#include <QColor>
#include <QRect>
#include <QWidget>
#include <cmath>

struct TwipsScale {
    double dpiX = 96;
    double dpiY = 96;

    static TwipsScale Of(const QWidget* widget)
    {
        return {static_cast<double>(widget->logicalDpiX()), static_cast<double>(widget->logicalDpiY())};
    }
    int X(int twips) const { return static_cast<int>(std::lround(twips * dpiX / 1440.0)); }
    int Y(int twips) const { return static_cast<int>(std::lround(twips * dpiY / 1440.0)); }
    int ToTwipsX(int pixels) const { return static_cast<int>(std::lround(pixels * 1440.0 / dpiX)); }
    int ToTwipsY(int pixels) const { return static_cast<int>(std::lround(pixels * 1440.0 / dpiY)); }
    QRect Rect(const Geometry& g) const
    {
        // Edges are rounded, not sizes, so neighbours that touch in twips touch on screen.
        const int left = X(g.left);
        const int top = Y(g.top);
        return QRect(left, top, qMax(0, X(g.left + g.width) - left), qMax(0, Y(g.top + g.height) - top));
    }
};

// A colour value 0x00BBGGRR as a QColor.
inline QColor ToQColor(quint32 value)
{
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF), static_cast<int>((value >> 16) & 0xFF));
}
