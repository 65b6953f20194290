#pragma once
// Small widget classes and makers the window's panels share: labels, frames, lines, buttons and
// boxes with their object names, a label that reports clicks, the colour editor's round swatch,
// and placing a widget at a geometry in twips.
#include "Twips.h"

#include <QLabel>

class QFrame;
class QLineEdit;
class QPushButton;

// A label that reports clicks and double-clicks; the release that ends a double-click is no
// second click. A focusable one (a tab caption) is clicked by Space or Enter as well.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();
    void doubleClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool releaseEndsDoubleClick_ = false;
};

// The round swatch of the colour editor.
class CircleSwatch : public QWidget {
public:
    explicit CircleSwatch(QWidget* parent) : QWidget(parent) {}
    void SetColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor color_{0x88, 0x88, 0x88};
};

QLabel* MakeLabel(const QString& text, QWidget* parent, const QString& name = {}, const QString& toolTip = {});
// The dark caption badge of a screen frame ("DESC", "SHIP", "HTML").
QLabel* MakeBadge(const QString& text, QWidget* parent, const QString& name);
QFrame* MakeFrame(QWidget* parent, const QString& name);
// A thin grey line that never takes the mouse.
QWidget* MakeLine(QWidget* parent, const QString& name);
// A push button that is no default button of its panel.
QPushButton* MakeButton(const QString& caption, QWidget* parent, const QString& name, const QString& toolTip = {});
QLineEdit* MakeLineEdit(QWidget* parent, const QString& name, const QString& toolTip = {});

// The background of a widget, filled; unchanged colours cost nothing.
void SetBackground(QWidget* widget, const QColor& color);
// A background and a text colour for every colour group.
void SetColors(QWidget* widget, QPalette::ColorRole back, quint32 backColor, QPalette::ColorRole fore, quint32 foreColor);
void SetGeometryIfChanged(QWidget* widget, const QRect& rect);
// Moves the widget to the geometry (twips) at the scale.
void Place(QWidget* widget, const TwipsScale& scale, const Geometry& g);
// A four-colour palette picture for the colour tag button.
QIcon PaletteIcon(int size);
// Shrinks and moves a top-level window so that it lies inside its screen's available area,
// frame included, at any scale.
void FitToScreen(QWidget* window);
