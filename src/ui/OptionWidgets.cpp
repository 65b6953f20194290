#include "OptionWidgets.h"

#include "WidgetKit.h"
#include "editscreen/EditScreen.h"
#include "editscreen/OptionClicks.h"
#include "platform/DroppedFiles.h"
#include "platform/PictureFile.h"
#include "shell/FormState.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <utility>

namespace {

// An option caption or tile the keyboard reaches: a Tab stop that shows a focus frame.
class OptionLabel : public QLabel {
public:
    explicit OptionLabel(QWidget* parent) : QLabel(parent) { setFocusPolicy(Qt::StrongFocus); }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QLabel::paintEvent(event);
        if (!hasFocus())
            return;
        QPainter painter(this);
        QPen pen(palette().color(QPalette::Highlight), 2, Qt::DotLine);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
};

bool IsSelectKey(const QKeyEvent* key)
{
    const int k = key->key();
    return key->modifiers() == Qt::NoModifier && (k == Qt::Key_Space || k == Qt::Key_Return || k == Qt::Key_Enter);
}

bool IsMenuKey(const QKeyEvent* key)
{
    return key->key() == Qt::Key_Menu || (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier);
}

}  // namespace

OptionWidgets::OptionWidgets(FormState& form, QWidget* content)
    : QObject(content), form_(form), screen_(form.screen), content_(content)
{
}

void OptionWidgets::Resize(int n)
{
    for (int j = static_cast<int>(options_.size()) - 1; j >= n; --j)
        Drop(j);
    options_.resize(static_cast<size_t>(n));
}

void OptionWidgets::Sync(int j, const TwipsScale& scale)
{
    if (j < 1 || j >= screen_.OptionCount()) {
        Drop(j);
        return;
    }
    if (static_cast<size_t>(j) >= options_.size())
        options_.resize(static_cast<size_t>(screen_.OptionCount()));
    const FieldOption& model = screen_.Option(j);
    if (!model.DataOption.visible && !model.DataOptButton.visible && !model.DataOptImg.visible && !model.DataOptColor.visible) {
        Drop(j);
        return;
    }
    Widgets& w = options_[static_cast<size_t>(j)];
    SyncChip(w, j, scale);
    SyncImage(w, j, scale);
    SyncCaption(w, j, scale);
    SyncMark(w, j, scale);
}

template <typename W>
W* OptionWidgets::Make(const char* name, int j)
{
    auto* widget = new W(content_);
    widget->setObjectName(QString::fromLatin1(name).arg(j));
    widget->setProperty("optionIndex", j);
    widget->setCursor(Qt::PointingHandCursor);
    widget->installEventFilter(this);
    return widget;
}

bool OptionWidgets::eventFilter(QObject* watched, QEvent* event)
{
    const QVariant index = watched->property("optionIndex");
    if (!index.isValid())
        return false;
    const int j = index.toInt();
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
        return OnMouse(watched, j, static_cast<QMouseEvent*>(event));
    case QEvent::KeyPress:
        return OnKey(watched, j, static_cast<QKeyEvent*>(event));
    case QEvent::ContextMenu:
        // The mouse's right button has acted on its release; the keyboard's menu request acts here.
        if (static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard)
            RightButtonAction(watched, j);
        return true;
    case QEvent::DragEnter:
    case QEvent::DragMove:
        return watched == image(j) && OnDrag(j, static_cast<QDropEvent*>(event), false);
    case QEvent::Drop:
        return watched == image(j) && OnDrag(j, static_cast<QDropEvent*>(event), true);
    default:
        return false;
    }
}

bool OptionWidgets::OnMouse(QObject* watched, int j, QMouseEvent* event)
{
    const bool press = event->type() == QEvent::MouseButtonPress;
    const MouseButton button = event->button() == Qt::LeftButton    ? MouseButton::Left
                               : event->button() == Qt::RightButton ? MouseButton::Right
                                                                    : MouseButton::Middle;
    // The procedures may open dialogs, during which the refresh can replace this option's
    // widgets: nothing here touches `watched` after the call.
    if (watched == mark(j)) {
        if (!press && button == MouseButton::Left && static_cast<QWidget*>(watched)->rect().contains(event->position().toPoint()))
            DataOptButton_Click(screen_, j);
    } else if (watched == caption(j)) {
        if (press)
            DataOption_MouseDown(screen_, j);
        else
            DataOption_MouseUp(form_, j, button, form_.MarkupLocked);
    } else if (watched == image(j)) {
        if (press)
            DataOptImg_MouseDown(screen_, j);
        else
            DataOptImg_MouseUp(form_, j, button, form_.MarkupLocked);
    } else {
        return false;
    }
    return true;
}

bool OptionWidgets::OnKey(QObject* watched, int j, const QKeyEvent* key)
{
    if (IsSelectKey(key)) {
        DataOptButton_Click(screen_, j);
        return true;
    }
    if (IsMenuKey(key)) {
        RightButtonAction(watched, j);
        return true;
    }
    return false;
}

void OptionWidgets::RightButtonAction(QObject* watched, int j)
{
    // As the mouse: the press selects the option, the release acts.
    if (watched == caption(j)) {
        DataOption_MouseDown(screen_, j);
        DataOption_MouseUp(form_, j, MouseButton::Right, form_.MarkupLocked);
    } else if (watched == image(j)) {
        DataOptImg_MouseDown(screen_, j);
        DataOptImg_MouseUp(form_, j, MouseButton::Right, form_.MarkupLocked);
    }
}

bool OptionWidgets::OnDrag(int j, QDropEvent* event, bool drop)
{
    const QStringList files = LocalFilesOf(event->mimeData());
    if (!drop) {
        // A picture file first: copy is the one effect offered back.
        if (TileAcceptsDrop(screen_, j, files) && (event->possibleActions() & Qt::CopyAction)) {
            event->setDropAction(Qt::CopyAction);
            event->accept();
        } else {
            event->ignore();
        }
        return true;
    }
    if (files.isEmpty()) {
        event->ignore();
        return true;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    DataOptImg_OLEDragDrop(form_, j, files);
    return true;
}

void OptionWidgets::SyncChip(Widgets& w, int j, const TwipsScale& scale)
{
    const OptionColorControl& m = screen_.Option(j).DataOptColor;
    if (m.visible && !w.chip) {
        // The chip lies under the (empty) tile, which takes its clicks.
        auto* chip = new QFrame(content_);
        chip->setObjectName(QStringLiteral("DataOptColor%1").arg(j));
        chip->setFrameShape(QFrame::Box);
        chip->setAutoFillBackground(true);
        w.chip = chip;
    }
    if (!w.chip)
        return;
    SetColors(w.chip, QPalette::Window, m.backStyle == 1 ? m.backColor : screen_.DataScrollInsertBackColor, QPalette::WindowText,
              ColorRGB(64, 64, 64));
    w.chip->setAccessibleName(screen_.Option(j).DataOption.caption);
    SetGeometryIfChanged(w.chip, scale.Rect(m.geometry));
    w.chip->setVisible(m.visible);
}

void OptionWidgets::SyncImage(Widgets& w, int j, const TwipsScale& scale)
{
    const OptionImageControl& m = screen_.Option(j).DataOptImg;
    if (m.visible && !w.image) {
        w.image = Make<OptionLabel>("DataOptImg%1", j);
        w.image->setAcceptDrops(true);
        w.image->setAlignment(Qt::AlignCenter);
        w.image->setProperty("pictureKey", QVariant());
    }
    if (!w.image)
        return;
    const QRect r = scale.Rect(m.geometry);
    const QString key = QString::number(m.picture.cacheKey()) + QLatin1Char('/') + QString::number(r.width());
    if (w.image->property("pictureKey").toString() != key) {
        w.image->setProperty("pictureKey", key);
        if (m.picture.isNull()) {
            w.image->clear();
        } else {
            const qreal ratio = content_->devicePixelRatioF();
            QPixmap pixmap = QPixmap::fromImage(m.picture.scaled(r.size() * ratio, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation)
                                                    .copy(QRect(QPoint(0, 0), r.size() * ratio)));
            pixmap.setDevicePixelRatio(ratio);
            w.image->setPixmap(pixmap);
        }
    }
    w.image->setAccessibleName(screen_.Option(j).DataOption.caption);
    w.image->setEnabled(m.enabled);
    SetGeometryIfChanged(w.image, r);
    w.image->setVisible(m.visible);
    w.image->raise();
}

void OptionWidgets::SyncCaption(Widgets& w, int j, const TwipsScale& scale)
{
    const OptionLabelControl& m = screen_.Option(j).DataOption;
    if (m.visible && !w.caption) {
        w.caption = Make<OptionLabel>("DataOption%1", j);
        w.caption->setAutoFillBackground(true);
        w.caption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
    if (!w.caption)
        return;
    const QRect r = scale.Rect(m.geometry);
    QFont font = content_->font();
    font.setPointSizeF(m.fontSize);
    font.setBold(m.fontBold);
    if (w.caption->font() != font)
        w.caption->setFont(font);
    const QString shown = w.caption->fontMetrics().elidedText(m.caption, Qt::ElideRight, qMax(0, r.width() - 2));
    if (w.caption->text() != shown)
        w.caption->setText(shown);
    w.caption->setToolTip(shown != m.caption ? m.caption : QString());
    w.caption->setAccessibleName(m.caption);
    SetColors(w.caption, QPalette::Window, m.backColor, QPalette::WindowText, 0x000000);
    w.caption->setEnabled(m.enabled);
    SetGeometryIfChanged(w.caption, r);
    w.caption->setVisible(m.visible);
}

void OptionWidgets::SyncMark(Widgets& w, int j, const TwipsScale& scale)
{
    const OptionMarkControl& m = screen_.Option(j).DataOptButton;
    if (m.visible && !w.mark) {
        w.mark = Make<QLabel>("DataOptButton%1", j);
        w.mark->setAlignment(Qt::AlignCenter);
    }
    if (!w.mark)
        return;
    const QPixmap pixmap = MarkPixmap(m.selected, scale);
    if (w.mark->pixmap().cacheKey() != pixmap.cacheKey())
        w.mark->setPixmap(pixmap);
    w.mark->setAccessibleName(screen_.Option(j).DataOption.caption);
    w.mark->setEnabled(m.enabled);
    SetGeometryIfChanged(w.mark, scale.Rect(m.geometry));
    w.mark->setVisible(m.visible);
}

QPixmap OptionWidgets::MarkPixmap(bool selected, const TwipsScale& scale)
{
    QPixmap& cached = selected ? markSelected_ : markOpen_;
    if (!cached.isNull())
        return cached;
    const qreal ratio = content_->devicePixelRatioF();
    const QSize size(qMax(1, scale.X(210)), qMax(1, scale.Y(210)));
    const QString file = form_.folders.Find(selected ? QStringLiteral("icons/option-selected.png") : QStringLiteral("icons/option-open.png"));
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

void OptionWidgets::Drop(int j)
{
    if (j < 0 || static_cast<size_t>(j) >= options_.size())
        return;
    Widgets& w = options_[static_cast<size_t>(j)];
    delete std::exchange(w.caption, nullptr);
    delete std::exchange(w.mark, nullptr);
    delete std::exchange(w.image, nullptr);
    delete std::exchange(w.chip, nullptr);
}

QLabel* OptionWidgets::caption(int j) const
{
    return j >= 0 && static_cast<size_t>(j) < options_.size() ? options_[static_cast<size_t>(j)].caption : nullptr;
}

QLabel* OptionWidgets::mark(int j) const
{
    return j >= 0 && static_cast<size_t>(j) < options_.size() ? options_[static_cast<size_t>(j)].mark : nullptr;
}

QLabel* OptionWidgets::image(int j) const
{
    return j >= 0 && static_cast<size_t>(j) < options_.size() ? options_[static_cast<size_t>(j)].image : nullptr;
}

QWidget* OptionWidgets::chip(int j) const
{
    return j >= 0 && static_cast<size_t>(j) < options_.size() ? options_[static_cast<size_t>(j)].chip : nullptr;
}

int OptionWidgets::WidgetCount() const
{
    int count = 0;
    for (const Widgets& w : options_)
        count += (w.caption != nullptr) + (w.mark != nullptr) + (w.image != nullptr) + (w.chip != nullptr);
    return count;
}
