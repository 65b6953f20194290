#include "TabCaption.h"

#include <QAccessibleWidget>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace {

class TabAccessible : public QAccessibleWidget {
public:
    explicit TabAccessible(TabCaption* tab) : QAccessibleWidget(tab, QAccessible::PageTab) {}

    TabCaption* tab() const { return static_cast<TabCaption*>(widget()); }
    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name ? tab()->text() : QAccessibleWidget::text(kind);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.selectable = true;
        s.selected = tab()->selected();
        return s;
    }
    QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }
    void doAction(const QString& name) override
    {
        if (name == pressAction())
            emit tab()->clicked();
        else
            QAccessibleWidget::doAction(name);
    }
};

QAccessibleInterface* TabFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("TabCaption") && object && object->isWidgetType())
        return new TabAccessible(static_cast<TabCaption*>(object));
    return nullptr;
}

}  // namespace

TabCaption::TabCaption(const QString& caption, QWidget* parent) : ClickLabel(caption, parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(TabFactory);
        return true;
    }();
    Q_UNUSED(installed);
    setFocusPolicy(Qt::StrongFocus);
    setAlignment(Qt::AlignCenter);
    setCursor(Qt::PointingHandCursor);
    QFont f = font();
    f.setBold(true);
    setFont(f);
    setFrameShape(QFrame::StyledPanel);
}

void TabCaption::SetSelected(bool selected)
{
    if (selected_ == selected)
        return;
    selected_ = selected;
    QAccessible::State changed;
    changed.selected = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

void TabCaption::paintEvent(QPaintEvent* event)
{
    ClickLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QStylePainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = rect().adjusted(3, 3, -3, -3);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}
