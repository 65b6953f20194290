#include "EditScreenView.h"

#include "editscreen/SectionGroups.h"
#include "platform/PictureFile.h"
#include "shell/FormState.h"

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>

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

QFont FontOf(const QFont& base, double pointSize, bool bold, bool italic = false, bool underline = false)
{
    QFont font = base;
    if (pointSize > 0)
        font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    return font;
}

template <typename W>
void Delete(W*& widget)
{
    delete widget;
    widget = nullptr;
}

}  // namespace

FieldBox::FieldBox(QWidget* parent) : QPlainTextEdit(parent)
{
    setTabChangesFocus(true);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    document()->setDocumentMargin(1);
    setBackgroundVisible(false);
    setAutoFillBackground(true);
}

EditScreenView::EditScreenView(FormState& form, QWidget* parent)
    : QWidget(parent), form_(form), screen_(form.screen), scale_(TwipsScale::Of(this)),
      content_(new QWidget(this)), scrollbar_(new QScrollBar(Qt::Vertical, this)), message_(new QLabel(this))
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
    markSelected_ = markOpen_ = buttonPicture_ = QPixmap();
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
        for (int i = static_cast<int>(fields_.size()) - 1; i >= screen_.FieldCount(); --i)
            DropField(i);
        for (int j = static_cast<int>(options_.size()) - 1; j >= screen_.OptionCount(); --j)
            DropOption(j);
        for (int g = static_cast<int>(groups_.size()) - 1; g >= screen_.GroupCount(); --g)
            DropGroup(g);
        fields_.resize(static_cast<size_t>(screen_.FieldCount()));
        options_.resize(static_cast<size_t>(screen_.OptionCount()));
        groups_.resize(static_cast<size_t>(screen_.GroupCount()));
        for (int g = 1; g < screen_.GroupCount(); ++g)
            SyncGroup(g);
        for (int i = 1; i < screen_.FieldCount(); ++i)
            SyncField(i);
        for (int j = 1; j < screen_.OptionCount(); ++j)
            SyncOption(j);
    } else {
        for (int g : groups)
            SyncGroup(g);
        for (int i : fields)
            SyncField(i);
        for (int j : options)
            SyncOption(j);
    }
    if (full || scrollDirty_)
        SyncScrollArea();
    scrollDirty_ = false;
    content_->setUpdatesEnabled(updatesWereEnabled);
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

QPixmap EditScreenView::MarkPixmap(bool selected)
{
    QPixmap& cached = selected ? markSelected_ : markOpen_;
    if (!cached.isNull())
        return cached;
    const qreal ratio = devicePixelRatioF();
    const QSize size(qMax(1, scale_.X(210)), qMax(1, scale_.Y(210)));
    const QString file = form_.folders.Find(selected ? QStringLiteral("icons/option-selected.png")
                                                     : QStringLiteral("icons/option-open.png"));
    const QImage image = ReadPicture(form_.files(), file);
    if (!image.isNull()) {
        cached = QPixmap::fromImage(image.scaled(size * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    } else {
        // Drawn marks when the program folder has none: a ring, filled for the selection.
        QPixmap pixmap(size * ratio);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        const qreal pen = qMax<qreal>(1.0, ratio);
        painter.setPen(QPen(QColor(64, 64, 64), pen));
        painter.setBrush(Qt::white);
        const QRectF ring = QRectF(QPointF(0, 0), QSizeF(pixmap.size())).adjusted(pen, pen, -pen, -pen);
        painter.drawEllipse(ring);
        if (selected) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(0, 0, 0));
            const qreal inset = ring.width() * 0.27;
            painter.drawEllipse(ring.adjusted(inset, inset, -inset, -inset));
        }
        cached = pixmap;
    }
    cached.setDevicePixelRatio(ratio);
    return cached;
}

void EditScreenView::SyncField(int i)
{
    if (i < 1 || i >= screen_.FieldCount()) {
        DropField(i);
        return;
    }
    if (static_cast<size_t>(i) >= fields_.size())
        fields_.resize(static_cast<size_t>(screen_.FieldCount()));
    const EditField& model = screen_.Field(i);
    FieldWidgets& w = fields_[static_cast<size_t>(i)];
    const bool wanted = model.DataLabel.visible || model.DataField.visible || model.DataButton.visible;
    if (!wanted) {
        DropField(i);
        return;
    }

    // Label.
    if (model.DataLabel.visible && !w.label) {
        w.label = new QLabel(content_);
        w.label->setMouseTracking(true);
        w.label->setWordWrap(true);
        w.label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        w.label->setProperty("fieldIndex", i);
        w.label->installEventFilter(this);
    }
    if (w.label) {
        const LabelControl& m = model.DataLabel;
        if (w.label->text() != m.caption)
            w.label->setText(m.caption);
        const QFont font = FontOf(content_->font(), 0, m.fontBold, m.fontItalic, m.fontUnderline);
        if (w.label->font() != font)
            w.label->setFont(font);
        SetColors(w.label, QPalette::Window, screen_.DataScrollInsertBackColor, QPalette::WindowText, m.foreColor);
        w.label->setEnabled(m.enabled);
        QRect r = scale_.Rect(m.geometry);
        r.translate(0, scale_.Y(45));
        SetGeometryIfChanged(w.label, r);
        w.label->setVisible(m.visible);
    }

    // Input box.
    if (model.DataField.visible && !w.box) {
        w.box = new FieldBox(content_);
        w.box->index = i;
        FieldBox* box = w.box;
        connect(box, &QPlainTextEdit::textChanged, this, [this, box] { OnFieldEdited(box); });
    }
    if (w.box) {
        const TextBoxControl& m = model.DataField;
        const QString shown = ForDisplay(m.text);
        if (w.box->toPlainText() != shown) {
            updating_ = true;
            w.box->setPlainText(shown);
            updating_ = false;
        }
        const QFont font = FontOf(content_->font(), m.fontSize, m.fontBold);
        if (w.box->font() != font)
            w.box->setFont(font);
        SetColors(w.box, QPalette::Base, m.backColor, QPalette::Text, m.foreColor);
        QPalette p = w.box->palette();
        p.setColor(QPalette::Window, ToQColor(m.backColor));
        w.box->setPalette(p);
        const QFrame::Shape shape = m.borderStyle == 0 ? QFrame::NoFrame : QFrame::StyledPanel;
        if (w.box->frameShape() != shape) {
            w.box->setFrameShape(shape);
            w.box->setFrameShadow(QFrame::Sunken);
        }
        const Qt::ScrollBarPolicy policy = m.geometry.height >= 500 ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
        if (w.box->verticalScrollBarPolicy() != policy)
            w.box->setVerticalScrollBarPolicy(policy);
        if (w.box->toolTip() != m.toolTip)
            w.box->setToolTip(m.toolTip);
        w.box->setEnabled(m.enabled);
        SetGeometryIfChanged(w.box, scale_.Rect(m.geometry));
        w.box->setVisible(m.visible);
    }

    // The button that opens the enlarged editor.
    if (model.DataButton.visible && !w.button) {
        w.button = new QToolButton(content_);
        w.button->setAutoRaise(false);
        w.button->setFocusPolicy(Qt::NoFocus);
        if (buttonPicture_.isNull()) {
            const qreal ratio = devicePixelRatioF();
            const QSize size(qMax(6, scale_.X(150)), qMax(6, scale_.Y(150)));
            QPixmap pixmap(size * ratio);
            pixmap.fill(Qt::transparent);
            QPainter painter(&pixmap);
            painter.scale(ratio, ratio);
            painter.setPen(QPen(QColor(40, 40, 40), 1));
            painter.drawRect(QRectF(0.5, 0.5, size.width() - 1.5, size.height() - 1.5));
            painter.fillRect(QRectF(1, 1, size.width() - 2, 2.5), QColor(40, 70, 160));
            for (int y = 5; y < size.height() - 2; y += 2)
                painter.drawLine(QPointF(2.5, y + 0.5), QPointF(size.width() - 3, y + 0.5));
            painter.end();
            pixmap.setDevicePixelRatio(ratio);
            buttonPicture_ = pixmap;
        }
        w.button->setIcon(QIcon(buttonPicture_));
        w.button->setIconSize(buttonPicture_.deviceIndependentSize().toSize());
    }
    if (w.button) {
        const SideButtonControl& m = model.DataButton;
        if (w.button->toolTip() != m.toolTip)
            w.button->setToolTip(m.toolTip);
        w.button->setEnabled(m.enabled);
        SetGeometryIfChanged(w.button, scale_.Rect(m.geometry));
        w.button->setVisible(m.visible);
    }
}

void EditScreenView::OnFieldEdited(FieldBox* box)
{
    if (updating_)
        return;
    const int i = box->index;
    if (i < 1 || i >= screen_.FieldCount())
        return;
    TextBoxControl& m = screen_.Field(i).DataField;
    QString text = box->toPlainText();
    // Line breaks go back the way the field holds them: CR LF unless it held bare LFs.
    const bool bareLf = m.text.contains(QLatin1Char('\n')) && !m.text.contains(QLatin1String("\r\n"));
    if (!bareLf)
        text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    m.text = text;
}

void EditScreenView::SyncOption(int j)
{
    if (j < 1 || j >= screen_.OptionCount()) {
        DropOption(j);
        return;
    }
    if (static_cast<size_t>(j) >= options_.size())
        options_.resize(static_cast<size_t>(screen_.OptionCount()));
    const FieldOption& model = screen_.Option(j);
    OptionWidgets& w = options_[static_cast<size_t>(j)];
    const bool wanted = model.DataOption.visible || model.DataOptButton.visible || model.DataOptImg.visible
        || model.DataOptColor.visible;
    if (!wanted) {
        DropOption(j);
        return;
    }

    if (model.DataOptColor.visible && !w.chip) {
        auto* chip = new QFrame(content_);
        chip->setFrameShape(QFrame::Box);
        chip->setAutoFillBackground(true);
        w.chip = chip;
    }
    if (w.chip) {
        const OptionColorControl& m = model.DataOptColor;
        QPalette p = w.chip->palette();
        p.setColor(QPalette::Window, m.backStyle == 1 ? ToQColor(m.backColor) : ToQColor(screen_.DataScrollInsertBackColor));
        p.setColor(QPalette::WindowText, QColor(64, 64, 64));
        w.chip->setPalette(p);
        SetGeometryIfChanged(w.chip, scale_.Rect(m.geometry));
        w.chip->setVisible(m.visible);
    }

    if (model.DataOptImg.visible && !w.image) {
        w.image = new QLabel(content_);
        w.image->setAlignment(Qt::AlignCenter);
        w.image->setProperty("pictureKey", QVariant());
    }
    if (w.image) {
        const OptionImageControl& m = model.DataOptImg;
        const QRect r = scale_.Rect(m.geometry);
        const QString key = QString::number(m.picture.cacheKey()) + QLatin1Char('/') + QString::number(r.width());
        if (w.image->property("pictureKey").toString() != key) {
            w.image->setProperty("pictureKey", key);
            if (m.picture.isNull()) {
                w.image->clear();
            } else {
                const qreal ratio = devicePixelRatioF();
                QPixmap pixmap = QPixmap::fromImage(
                    m.picture.scaled(r.size() * ratio, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation)
                        .copy(QRect(QPoint(0, 0), r.size() * ratio)));
                pixmap.setDevicePixelRatio(ratio);
                w.image->setPixmap(pixmap);
            }
        }
        w.image->setEnabled(m.enabled);
        SetGeometryIfChanged(w.image, r);
        w.image->setVisible(m.visible);
        w.image->raise();
    }

    if (model.DataOption.visible && !w.caption) {
        w.caption = new QLabel(content_);
        w.caption->setAutoFillBackground(true);
        w.caption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
    if (w.caption) {
        const OptionLabelControl& m = model.DataOption;
        QRect r = scale_.Rect(m.geometry);
        const QFont font = FontOf(content_->font(), m.fontSize, m.fontBold);
        if (w.caption->font() != font)
            w.caption->setFont(font);
        const QString shown = w.caption->fontMetrics().elidedText(m.caption, Qt::ElideRight, qMax(0, r.width() - 2));
        if (w.caption->text() != shown)
            w.caption->setText(shown);
        w.caption->setToolTip(shown != m.caption ? m.caption : QString());
        SetColors(w.caption, QPalette::Window, m.backColor, QPalette::WindowText, 0x000000);
        w.caption->setEnabled(m.enabled);
        SetGeometryIfChanged(w.caption, r);
        w.caption->setVisible(m.visible);
    }

    if (model.DataOptButton.visible && !w.mark) {
        w.mark = new QLabel(content_);
        w.mark->setAlignment(Qt::AlignCenter);
    }
    if (w.mark) {
        const OptionMarkControl& m = model.DataOptButton;
        const QPixmap pixmap = MarkPixmap(m.selected);
        if (w.mark->pixmap().cacheKey() != pixmap.cacheKey())
            w.mark->setPixmap(pixmap);
        w.mark->setEnabled(m.enabled);
        SetGeometryIfChanged(w.mark, scale_.Rect(m.geometry));
        w.mark->setVisible(m.visible);
    }
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
        w.outline->lower();
    }
    if (w.outline) {
        SetGeometryIfChanged(w.outline, scale_.Rect(model.DataGrouping.geometry));
        w.outline->setVisible(model.DataGrouping.visible);
    }
    if (model.DataKeep.visible && !w.keep) {
        w.keep = new QCheckBox(content_);
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

void EditScreenView::DropField(int i)
{
    if (i < 0 || static_cast<size_t>(i) >= fields_.size())
        return;
    FieldWidgets& w = fields_[static_cast<size_t>(i)];
    Delete(w.label);
    Delete(w.box);
    Delete(w.button);
}

void EditScreenView::DropOption(int j)
{
    if (j < 0 || static_cast<size_t>(j) >= options_.size())
        return;
    OptionWidgets& w = options_[static_cast<size_t>(j)];
    Delete(w.caption);
    Delete(w.mark);
    Delete(w.image);
    Delete(w.chip);
}

void EditScreenView::DropGroup(int g)
{
    if (g < 0 || static_cast<size_t>(g) >= groups_.size())
        return;
    GroupWidgets& w = groups_[static_cast<size_t>(g)];
    Delete(w.keep);
    Delete(w.outline);
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

FieldBox* EditScreenView::fieldBox(int i) const
{
    return i >= 0 && static_cast<size_t>(i) < fields_.size() ? fields_[static_cast<size_t>(i)].box : nullptr;
}

QLabel* EditScreenView::fieldLabel(int i) const
{
    return i >= 0 && static_cast<size_t>(i) < fields_.size() ? fields_[static_cast<size_t>(i)].label : nullptr;
}

QToolButton* EditScreenView::fieldButton(int i) const
{
    return i >= 0 && static_cast<size_t>(i) < fields_.size() ? fields_[static_cast<size_t>(i)].button : nullptr;
}

QLabel* EditScreenView::optionCaption(int j) const
{
    return j >= 0 && static_cast<size_t>(j) < options_.size() ? options_[static_cast<size_t>(j)].caption : nullptr;
}

QLabel* EditScreenView::optionMark(int j) const
{
    return j >= 0 && static_cast<size_t>(j) < options_.size() ? options_[static_cast<size_t>(j)].mark : nullptr;
}

QLabel* EditScreenView::optionImage(int j) const
{
    return j >= 0 && static_cast<size_t>(j) < options_.size() ? options_[static_cast<size_t>(j)].image : nullptr;
}

QWidget* EditScreenView::optionChip(int j) const
{
    return j >= 0 && static_cast<size_t>(j) < options_.size() ? options_[static_cast<size_t>(j)].chip : nullptr;
}

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
    for (const FieldWidgets& w : fields_)
        count += (w.label != nullptr) + (w.box != nullptr) + (w.button != nullptr);
    for (const OptionWidgets& w : options_)
        count += (w.caption != nullptr) + (w.mark != nullptr) + (w.image != nullptr) + (w.chip != nullptr);
    for (const GroupWidgets& w : groups_)
        count += (w.keep != nullptr) + (w.outline != nullptr);
    return count;
}
