#include "EditScreenView.h"

#include "OptionWidgets.h"
#include "WidgetKit.h"
#include "editscreen/FieldNavigation.h"
#include "editscreen/SectionGroups.h"
#include "shell/FormState.h"

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>
#include <utility>

namespace {

constexpr quint32 kHoverBlue = 0xF00000;  // #0000F0

// The rectangle that frames the rows of a section; it never takes the mouse.
class OutlineWidget : public QWidget {
public:
    explicit OutlineWidget(QWidget* parent) : QWidget(parent)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setPen(QPen(QColor(96, 96, 96), 1));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

QString ForDisplay(const QString& text)
{
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return shown;
}

}  // namespace

EditScreenView::EditScreenView(FormState& form, QWidget* parent)
    : QWidget(parent), form_(form), screen_(form.screen), scale_(TwipsScale::Of(this)),
      content_(new QWidget(this)), scrollbar_(new QScrollBar(Qt::Vertical, this)), message_(new QLabel(this)),
      fields_(new FieldWidgets(form, content_, this)), options_(new OptionWidgets(form, content_))
{
    setObjectName(QStringLiteral("DataScrollFrame"));
    content_->setObjectName(QStringLiteral("DataScrollInsert"));
    scrollbar_->setObjectName(QStringLiteral("DataScrollbar"));
    message_->setObjectName(QStringLiteral("DataScrollMessage"));
    setAutoFillBackground(true);
    content_->setAutoFillBackground(true);
    content_->setMouseTracking(true);
    content_->installEventFilter(this);
    installEventFilter(this);
    message_->setAlignment(Qt::AlignCenter);
    message_->setWordWrap(true);
    message_->setAutoFillBackground(true);
    message_->hide();
    QFont messageFont = font();
    messageFont.setPointSizeF(11);
    messageFont.setBold(true);
    message_->setFont(messageFont);

    connect(scrollbar_, &QScrollBar::valueChanged, this, [this](int value) {
        if (updating_)
            return;
        screen_.DataScrollbar.value = value;
        DataScrollbar_Change();
    });
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { BringIntoView(now); });
    connect(&screen_, &EditScreen::changed, this, &EditScreenView::OnChanged);
    connect(&screen_, &EditScreen::reset, this, &EditScreenView::OnReset);
    ScheduleRefresh();
}

EditScreenView::~EditScreenView() = default;

void EditScreenView::SetScale(const TwipsScale& scale)
{
    if (scale.dpiX == scale_.dpiX && scale.dpiY == scale_.dpiY)
        return;
    scale_ = scale;
    fields_->ClearPictures();
    options_->ClearPictures();
    fullRefresh_ = true;
    ScheduleRefresh();
}

void EditScreenView::ScheduleRefresh()
{
    if (refreshScheduled_)
        return;
    refreshScheduled_ = true;
    QTimer::singleShot(0, this, [this] {
        if (refreshScheduled_)
            Refresh();
    });
}

void EditScreenView::OnChanged(ScreenElement kind, int index)
{
    switch (kind) {
    case ScreenElement::Field: dirtyFields_.insert(index); break;
    case ScreenElement::Option: dirtyOptions_.insert(index); break;
    case ScreenElement::Group: dirtyGroups_.insert(index); break;
    case ScreenElement::ScrollArea: scrollDirty_ = true; break;
    }
    ScheduleRefresh();
}

void EditScreenView::OnReset()
{
    fullRefresh_ = true;
    ScheduleRefresh();
}

void EditScreenView::Refresh()
{
    refreshScheduled_ = false;
    const bool full = fullRefresh_;
    fullRefresh_ = false;
    const QSet<int> fields = std::exchange(dirtyFields_, {});
    const QSet<int> options = std::exchange(dirtyOptions_, {});
    const QSet<int> groups = std::exchange(dirtyGroups_, {});
    const bool updatesWereEnabled = content_->updatesEnabled();
    content_->setUpdatesEnabled(false);

    if (full) {
        fields_->Resize(screen_.FieldCount());
        options_->Resize(screen_.OptionCount());
        for (int g = static_cast<int>(groups_.size()) - 1; g >= screen_.GroupCount(); --g)
            DropGroup(g);
        groups_.resize(static_cast<size_t>(screen_.GroupCount()));
        for (int g = 1; g < screen_.GroupCount(); ++g)
            SyncGroup(g);
        for (int i = 1; i < screen_.FieldCount(); ++i)
            fields_->Sync(i, scale_);
        for (int j = 1; j < screen_.OptionCount(); ++j)
            options_->Sync(j, scale_);
    } else {
        for (int g : groups)
            SyncGroup(g);
        for (int i : fields)
            fields_->Sync(i, scale_);
        for (int j : options)
            options_->Sync(j, scale_);
    }
    if (full || scrollDirty_)
        SyncScrollArea();
    scrollDirty_ = false;
    const int widgets = fields_->WidgetCount() + options_->WidgetCount();
    if (full || widgets != tabOrderWidgets_) {
        tabOrderWidgets_ = widgets;
        SetTabOrder();
    }
    content_->setUpdatesEnabled(updatesWereEnabled);
}

void EditScreenView::SetTabOrder()
{
    // Each field box, then the captions and tiles of its options.
    std::vector<std::vector<int>> optionsOf(static_cast<size_t>(qMax(0, screen_.FieldCount())));
    for (int j = 1; j < screen_.OptionCount(); ++j) {
        bool ok = false;
        const int owner = screen_.Option(j).DataOptButton.tag.toInt(&ok);
        if (ok && owner >= 1 && owner < screen_.FieldCount())
            optionsOf[static_cast<size_t>(owner)].push_back(j);
    }
    QWidget* previous = nullptr;
    const auto follow = [&previous](QWidget* widget) {
        if (!widget)
            return;
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    };
    for (int i = 1; i < screen_.FieldCount(); ++i) {
        follow(fields_->box(i));
        for (int j : optionsOf[static_cast<size_t>(i)]) {
            follow(options_->caption(j));
            follow(options_->image(j));
        }
    }
}

void EditScreenView::BringIntoView(QWidget* widget)
{
    if (!widget || widget->parentWidget() != content_ || !screen_.DataScrollInsertVisible)
        return;
    const QRect r = widget->geometry();
    const Geometry place{scale_.ToTwipsX(r.left()), scale_.ToTwipsY(r.top()), scale_.ToTwipsX(r.width()), scale_.ToTwipsY(r.height())};
    // The scroll is the model's; the panel follows on the next refresh.
    ScrollIntoView(screen_, place);
}

void EditScreenView::SyncScrollArea()
{
    updating_ = true;
    setPalette([&] {
        QPalette p = palette();
        p.setColor(QPalette::Window, ToQColor(screen_.DataScrollFrameBackColor));
        return p;
    }());
    QPalette contentPalette = content_->palette();
    contentPalette.setColor(QPalette::Window, ToQColor(screen_.DataScrollInsertBackColor));
    content_->setPalette(contentPalette);

    auto& bar = screen_.DataScrollbar;
    scrollbar_->setRange(0, qMax(0, bar.max));
    scrollbar_->setPageStep(qMax(1, bar.largeChange));
    scrollbar_->setSingleStep(240);
    scrollbar_->setValue(bar.value);
    scrollbar_->setEnabled(bar.enabled);
    const Geometry& b = form_.layout.DataScrollbar;
    SetGeometryIfChanged(scrollbar_, QRect(scale_.X(b.left), scale_.Y(b.top), qMax(1, scale_.X(b.width)),
                                           qMax(1, scale_.Y(b.height))));
    updating_ = false;
    // A range that shrank below the value moves the content with it.
    if (screen_.DataScrollInsert.top != -bar.value)
        DataScrollbar_Change();
    SetGeometryIfChanged(content_, scale_.Rect(screen_.DataScrollInsert));
    content_->setVisible(screen_.DataScrollInsertVisible);

    message_->setText(ForDisplay(screen_.DataScrollMessage.caption));
    SetGeometryIfChanged(message_, rect().adjusted(scale_.X(120), scale_.Y(120), -scale_.X(120), -scale_.Y(120)));
    message_->setVisible(screen_.DataScrollMessage.visible);
    if (message_->isVisible())
        message_->raise();
}

void EditScreenView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    scrollDirty_ = true;
    ScheduleRefresh();
}

void EditScreenView::DataScrollbar_Change()
{
    screen_.DataScrollInsert.top = -screen_.DataScrollbar.value;
    content_->move(scale_.X(screen_.DataScrollInsert.left), scale_.Y(screen_.DataScrollInsert.top));
}

void EditScreenView::SyncGroup(int g)
{
    if (g < 1 || g >= screen_.GroupCount()) {
        DropGroup(g);
        return;
    }
    if (static_cast<size_t>(g) >= groups_.size())
        groups_.resize(static_cast<size_t>(screen_.GroupCount()));
    const FieldGroup& model = screen_.Group(g);
    GroupWidgets& w = groups_[static_cast<size_t>(g)];
    if (!model.DataGrouping.visible && !model.DataKeep.visible) {
        DropGroup(g);
        return;
    }
    if (model.DataGrouping.visible && !w.outline) {
        w.outline = new OutlineWidget(content_);
        w.outline->setObjectName(QStringLiteral("DataGrouping%1").arg(g));
        w.outline->lower();
    }
    if (w.outline) {
        SetGeometryIfChanged(w.outline, scale_.Rect(model.DataGrouping.geometry));
        w.outline->setVisible(model.DataGrouping.visible);
    }
    if (model.DataKeep.visible && !w.keep) {
        w.keep = new QCheckBox(content_);
        w.keep->setObjectName(QStringLiteral("DataKeep%1").arg(g));
        w.keep->setAutoFillBackground(true);
        connect(w.keep, &QCheckBox::clicked, this, [this, g](bool checked) { OnKeepClicked(g, checked); });
    }
    if (w.keep) {
        const KeepControl& m = model.DataKeep;
        if (w.keep->text() != m.caption)
            w.keep->setText(m.caption);
        w.keep->setChecked(m.value != 0);
        SetColors(w.keep, QPalette::Window, m.backColor, QPalette::WindowText, 0x000000);
        w.keep->setEnabled(m.enabled);
        SetGeometryIfChanged(w.keep, scale_.Rect(m.geometry));
        w.keep->setVisible(m.visible);
        w.keep->raise();
    }
}

void EditScreenView::OnKeepClicked(int g, bool checked)
{
    if (g < 1 || g >= screen_.GroupCount())
        return;
    screen_.Group(g).DataKeep.value = checked ? 1 : 0;
    DataKeep_Click(screen_, form_.dialogs(), g);
}

void EditScreenView::DropGroup(int g)
{
    if (g < 0 || static_cast<size_t>(g) >= groups_.size())
        return;
    GroupWidgets& w = groups_[static_cast<size_t>(g)];
    delete std::exchange(w.keep, nullptr);
    delete std::exchange(w.outline, nullptr);
}

void EditScreenView::DataLabel_MouseMove(int index)
{
    if (index < 1 || index >= screen_.FieldCount())
        return;
    LabelControl& label = screen_.Field(index).DataLabel;
    if (label.fontUnderline && label.foreColor == kHoverBlue)
        return;
    label.fontUnderline = true;
    label.foreColor = kHoverBlue;
    screen_.NotifyChanged(ScreenElement::Field, index);
}

void EditScreenView::DataScrollInsert_MouseMove()
{
    const quint32 comment = screen_.ScreenColors[10];
    for (int i = 1; i < screen_.FieldCount(); ++i) {
        LabelControl& label = screen_.Field(i).DataLabel;
        const quint32 color = label.tag == QLatin1String("~") ? comment : 0x000000;
        if (!label.fontUnderline && label.foreColor == color)
            continue;
        label.fontUnderline = false;
        label.foreColor = color;
        screen_.NotifyChanged(ScreenElement::Field, i);
    }
}

bool EditScreenView::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseMove:
        if (watched == content_) {
            DataScrollInsert_MouseMove();
        } else if (auto* label = qobject_cast<QLabel*>(watched); label && label->property("fieldIndex").isValid()) {
            DataLabel_MouseMove(label->property("fieldIndex").toInt());
            return true;
        }
        break;
    case QEvent::Wheel:
        if ((watched == content_ || watched == this) && scrollbar_->isEnabled()) {
            QCoreApplication::sendEvent(scrollbar_, event);
            return true;
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

FieldBox* EditScreenView::fieldBox(int i) const { return fields_->box(i); }
QLabel* EditScreenView::fieldLabel(int i) const { return fields_->label(i); }
QToolButton* EditScreenView::fieldButton(int i) const { return fields_->button(i); }
QLabel* EditScreenView::optionCaption(int j) const { return options_->caption(j); }
QLabel* EditScreenView::optionMark(int j) const { return options_->mark(j); }
QLabel* EditScreenView::optionImage(int j) const { return options_->image(j); }
QWidget* EditScreenView::optionChip(int j) const { return options_->chip(j); }

QCheckBox* EditScreenView::groupCheck(int g) const
{
    return g >= 0 && static_cast<size_t>(g) < groups_.size() ? groups_[static_cast<size_t>(g)].keep : nullptr;
}

QWidget* EditScreenView::groupOutline(int g) const
{
    return g >= 0 && static_cast<size_t>(g) < groups_.size() ? groups_[static_cast<size_t>(g)].outline : nullptr;
}

int EditScreenView::widgetCount() const
{
    int count = 0;
    count += fields_->WidgetCount() + options_->WidgetCount();
    for (const GroupWidgets& w : groups_)
        count += (w.keep != nullptr) + (w.outline != nullptr);
    return count;
}
