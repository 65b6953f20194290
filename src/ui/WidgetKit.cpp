#include "WidgetKit.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

void ClickLabel::mousePressEvent(QMouseEvent* event)
{
    event->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (releaseEndsDoubleClick_) {
        releaseEndsDoubleClick_ = false;
        return;
    }
    if (rect().contains(event->position().toPoint()))
        emit clicked();
}

void ClickLabel::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    releaseEndsDoubleClick_ = true;
    emit doubleClicked();
}

void ClickLabel::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (focusPolicy() != Qt::NoFocus && event->modifiers() == Qt::NoModifier
        && (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)) {
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void CircleSwatch::SetColor(const QColor& color)
{
    if (color == color_)
        return;
    color_ = color;
    update();
}

void CircleSwatch::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(64, 64, 64), 1));
    painter.setBrush(color_);
    painter.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

QLabel* MakeLabel(const QString& text, QWidget* parent, const QString& name, const QString& toolTip)
{
    auto* label = new QLabel(text, parent);
    if (!name.isEmpty())
        label->setObjectName(name);
    if (!toolTip.isEmpty())
        label->setToolTip(toolTip);
    return label;
}

QLabel* MakeBadge(const QString& text, QWidget* parent, const QString& name)
{
    QLabel* badge = MakeLabel(text, parent, name);
    badge->setAlignment(Qt::AlignCenter);
    badge->setAutoFillBackground(true);
    QPalette p = badge->palette();
    p.setColor(QPalette::Window, QColor(96, 96, 112));
    p.setColor(QPalette::WindowText, Qt::white);
    badge->setPalette(p);
    QFont f = badge->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 0.85);
    badge->setFont(f);
    return badge;
}

QFrame* MakeFrame(QWidget* parent, const QString& name)
{
    auto* frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Raised);
    frame->setAutoFillBackground(true);
    return frame;
}

QWidget* MakeLine(QWidget* parent, const QString& name)
{
    auto* line = new QWidget(parent);
    line->setObjectName(name);
    SetBackground(line, QColor(128, 128, 128));
    line->setAttribute(Qt::WA_TransparentForMouseEvents);
    return line;
}

QPushButton* MakeButton(const QString& caption, QWidget* parent, const QString& name, const QString& toolTip)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setToolTip(toolTip);
    button->setAutoDefault(false);
    return button;
}

QLineEdit* MakeLineEdit(QWidget* parent, const QString& name, const QString& toolTip)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setToolTip(toolTip);
    return box;
}

void SetBackground(QWidget* widget, const QColor& color)
{
    QPalette p = widget->palette();
    if (p.color(QPalette::Window) == color && widget->autoFillBackground())
        return;
    p.setColor(QPalette::Window, color);
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

void SetColors(QWidget* widget, QPalette::ColorRole back, quint32 backColor, QPalette::ColorRole fore, quint32 foreColor)
{
    QPalette palette = widget->palette();
    const QColor b = ToQColor(backColor);
    const QColor f = ToQColor(foreColor);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, back, b);
        palette.setColor(group, fore, f);
    }
    if (palette != widget->palette())
        widget->setPalette(palette);
}

void SetGeometryIfChanged(QWidget* widget, const QRect& rect)
{
    if (widget->geometry() != rect)
        widget->setGeometry(rect);
}

void Place(QWidget* widget, const TwipsScale& scale, const Geometry& g)
{
    SetGeometryIfChanged(widget, scale.Rect(g));
}

QIcon PaletteIcon(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor colors[] = {QColor(220, 40, 40), QColor(40, 160, 40), QColor(40, 80, 220), QColor(240, 200, 20)};
    const int half = size / 2;
    for (int k = 0; k < 4; ++k)
        painter.fillRect(QRect((k % 2) * half, (k / 2) * half, half, half), colors[k]);
    painter.setPen(QColor(60, 60, 60));
    painter.drawRect(QRect(0, 0, size - 1, size - 1));
    return QIcon(pixmap);
}

void FitToScreen(QWidget* window)
{
    const QScreen* screen = window->screen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    const QSize room = available.size() - (window->frameGeometry().size() - window->geometry().size());
    if (window->minimumWidth() > room.width() || window->minimumHeight() > room.height())
        window->setMinimumSize(window->minimumSize().boundedTo(room));
    const QSize fitted = window->size().boundedTo(room);
    if (fitted != window->size())
        window->resize(fitted);
    QRect frame = window->frameGeometry();
    if (available.contains(frame))
        return;
    frame.moveLeft(std::clamp(frame.left(), available.left(), qMax(available.left(), available.right() - frame.width() + 1)));
    frame.moveTop(std::clamp(frame.top(), available.top(), qMax(available.top(), available.bottom() - frame.height() + 1)));
    window->move(frame.topLeft());
}
