#include "FieldWidgets.h"

#include "FileDropFilter.h"
#include "KeyForwarder.h"
#include "WidgetKit.h"
#include "authoring/FieldKeys.h"
#include "editscreen/EditScreen.h"
#include "editscreen/FieldDrops.h"
#include "shell/FieldEvents.h"
#include "shell/FormState.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>
#include <utility>

namespace {

QString ForDisplay(const QString& text)
{
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return shown;
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

// Line breaks go back the way the field holds them: CR LF unless it held bare LFs.
bool HoldsCrLf(const QString& text)
{
    return !(text.contains(QLatin1Char('\n')) && !text.contains(QLatin1String("\r\n")));
}

// An offset in the field's text (a CR LF two characters) as a position in the box, which shows
// a line break as one.
int ViewPosition(const QString& text, int offset)
{
    int position = offset;
    for (int k = 0; k < offset && k + 1 < text.size(); ++k) {
        if (text[k] == QLatin1Char('\r') && text[k + 1] == QLatin1Char('\n')) {
            --position;
            ++k;
        }
    }
    return position;
}

// A position in the box as an offset in the field's text.
int ModelOffset(const QString& shown, bool crlf, int position)
{
    return crlf ? position + static_cast<int>(shown.left(position).count(QLatin1Char('\n'))) : position;
}

}  // namespace

QString FieldRoleName(const QString& style)
{
    const QChar c = style.isEmpty() ? QChar() : style.back();
    switch (c.unicode()) {
    case '~': return QStringLiteral("Comment");
    case '-': return QStringLiteral("Divider");
    case '!': return QStringLiteral("Title");
    case ':': return QStringLiteral("Link");
    case '#': return QStringLiteral("Variable");
    case '?': return QStringLiteral("Global value");
    case '^': return QStringLiteral("Theme");
    case '&': return QStringLiteral("Picture");
    case '%': return QStringLiteral("Colour");
    case '+': return QStringLiteral("Include file");
    default: return QStringLiteral("Text");
    }
}

FieldBox::FieldBox(QWidget* parent, int i) : QPlainTextEdit(parent), index(i)
{
    setObjectName(QStringLiteral("DataField%1").arg(i));
    setTabChangesFocus(true);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    document()->setDocumentMargin(1);
    setBackgroundVisible(false);
    setAutoFillBackground(true);
}

void FieldBox::focusInEvent(QFocusEvent* event)
{
    QPlainTextEdit::focusInEvent(event);
    emit focused();
}

FieldWidgets::FieldWidgets(FormState& form, QWidget* content, QObject* labelFilter)
    : QObject(content), form_(form), screen_(form.screen), content_(content), labelFilter_(labelFilter)
{
}

void FieldWidgets::Resize(int n)
{
    for (int i = static_cast<int>(fields_.size()) - 1; i >= n; --i)
        Drop(i);
    fields_.resize(static_cast<size_t>(n));
}

void FieldWidgets::Sync(int i, const TwipsScale& scale)
{
    if (i < 1 || i >= screen_.FieldCount()) {
        Drop(i);
        return;
    }
    if (static_cast<size_t>(i) >= fields_.size())
        fields_.resize(static_cast<size_t>(screen_.FieldCount()));
    const EditField& model = screen_.Field(i);
    if (!model.DataLabel.visible && !model.DataField.visible && !model.DataButton.visible) {
        Drop(i);
        return;
    }
    Widgets& w = fields_[static_cast<size_t>(i)];
    SyncLabel(w, i, scale);
    SyncBox(w, i, scale);
    SyncButton(w, i, scale);
}

void FieldWidgets::SyncLabel(Widgets& w, int i, const TwipsScale& scale)
{
    const LabelControl& m = screen_.Field(i).DataLabel;
    if (m.visible && !w.label) {
        w.label = new QLabel(content_);
        w.label->setObjectName(QStringLiteral("DataLabel%1").arg(i));
        w.label->setMouseTracking(true);
        w.label->setWordWrap(true);
        w.label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        w.label->setProperty("fieldIndex", i);
        w.label->installEventFilter(labelFilter_);
        w.label->installEventFilter(this);
    }
    if (!w.label)
        return;
    if (w.label->text() != m.caption)
        w.label->setText(m.caption);
    const QFont font = FontOf(content_->font(), 0, m.fontBold, m.fontItalic, m.fontUnderline);
    if (w.label->font() != font)
        w.label->setFont(font);
    SetColors(w.label, QPalette::Window, screen_.DataScrollInsertBackColor, QPalette::WindowText, m.foreColor);
    w.label->setEnabled(m.enabled);
    QRect r = scale.Rect(m.geometry);
    r.translate(0, scale.Y(45));
    SetGeometryIfChanged(w.label, r);
    w.label->setVisible(m.visible);
}

void FieldWidgets::SyncBox(Widgets& w, int i, const TwipsScale& scale)
{
    const EditField& field = screen_.Field(i);
    const TextBoxControl& m = field.DataField;
    if (m.visible && !w.box) {
        w.box = new FieldBox(content_, i);
        FieldBox* box = w.box;
        connect(box, &QPlainTextEdit::textChanged, this, [this, box] { OnEdited(box); });
        connect(box, &QPlainTextEdit::cursorPositionChanged, this, [this, box] { OnSelected(box); });
        connect(box, &FieldBox::focused, this, [this, box] { screen_.ActiveField = box->index; });
        WireBox(box);
    }
    if (!w.box)
        return;
    // Text, then selection, then focus: a refresh keeps the caret where the model has it.
    updating_ = true;
    const QString shown = ForDisplay(m.text);
    if (w.box->toPlainText() != shown)
        w.box->setPlainText(shown);
    const int start = ViewPosition(m.text, m.selStart);
    const int end = ViewPosition(m.text, m.selStart + m.selLength);
    QTextCursor cursor = w.box->textCursor();
    if (cursor.selectionStart() != start || cursor.selectionEnd() != end) {
        const int last = static_cast<int>(shown.size());
        cursor.setPosition(qBound(0, start, last));
        cursor.setPosition(qBound(0, end, last), QTextCursor::KeepAnchor);
        w.box->setTextCursor(cursor);
    }
    updating_ = false;

    const QFont font = FontOf(content_->font(), m.fontSize, m.fontBold);
    if (w.box->font() != font)
        w.box->setFont(font);
    SetColors(w.box, QPalette::Base, m.backColor, QPalette::Text, m.foreColor);
    SetColors(w.box, QPalette::Window, m.backColor, QPalette::Text, m.foreColor);
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
    const LabelControl& label = field.DataLabel;
    const QString name = label.visible && !label.caption.trimmed().isEmpty() ? label.caption : FieldRoleName(label.tag);
    if (w.box->accessibleName() != name)
        w.box->setAccessibleName(name);
    w.box->setEnabled(m.enabled);
    SetGeometryIfChanged(w.box, scale.Rect(m.geometry));
    w.box->setVisible(m.visible);
    if (screen_.FocusRequested && screen_.ActiveField == i && m.visible && m.enabled) {
        screen_.FocusRequested = false;
        w.box->setFocus(Qt::OtherFocusReason);
    }
}

void FieldWidgets::SyncButton(Widgets& w, int i, const TwipsScale& scale)
{
    const SideButtonControl& m = screen_.Field(i).DataButton;
    if (m.visible && !w.button) {
        w.button = new QToolButton(content_);
        w.button->setObjectName(QStringLiteral("DataButton%1").arg(i));
        w.button->setAutoRaise(false);
        w.button->setFocusPolicy(Qt::NoFocus);
        const QPixmap picture = ButtonPicture(scale);
        w.button->setIcon(QIcon(picture));
        w.button->setIconSize(picture.deviceIndependentSize().toSize());
        connect(w.button, &QToolButton::clicked, this, [this, i] { DataButton_Click(form_, i); });
    }
    if (!w.button)
        return;
    // The button takes no focus: F2 in the field is its key, and its tool tip says so.
    const QString toolTip = m.toolTip + QStringLiteral(" (F2)");
    if (w.button->toolTip() != toolTip) {
        w.button->setToolTip(toolTip);
        w.button->setAccessibleName(m.toolTip.trimmed());
    }
    w.button->setEnabled(m.enabled);
    SetGeometryIfChanged(w.button, scale.Rect(m.geometry));
    w.button->setVisible(m.visible);
}

void FieldWidgets::WireBox(FieldBox* box)
{
    const int i = box->index;
    KeyForwarder::Install(
        box, [this, i](int& keyCode, int shift) { DataField_WindowKeyDown(form_, i, keyCode, shift); },
        [this, i](int& keyAscii) { DataField_KeyPress(form_, i, keyAscii); });
    FileDropFilter::Install(box->viewport(), FieldDropAccepted,
                            [this, i](const QStringList& files, int shift) { DataField_OLEDragDrop(form_, i, files, shift); });
}

bool FieldWidgets::eventFilter(QObject* watched, QEvent* event)
{
    // A click on a label: pressed and released on it with the left button.
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* label = qobject_cast<QLabel*>(watched);
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (label && label->isEnabled() && mouse->button() == Qt::LeftButton && label->rect().contains(mouse->position().toPoint())) {
            DataLabel_Click(form_, label->property("fieldIndex").toInt());
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

QPixmap FieldWidgets::ButtonPicture(const TwipsScale& scale)
{
    if (!buttonPicture_.isNull())
        return buttonPicture_;
    // A small page with lines: the enlarged editor.
    const qreal ratio = content_->devicePixelRatioF();
    const QSize size(qMax(6, scale.X(150)), qMax(6, scale.Y(150)));
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
    return buttonPicture_;
}

TextBoxControl* FieldWidgets::ModelOf(const FieldBox* box)
{
    const int i = box->index;
    return !updating_ && i >= 1 && i < screen_.FieldCount() ? &screen_.Field(i).DataField : nullptr;
}

void FieldWidgets::OnEdited(FieldBox* box)
{
    TextBoxControl* field = ModelOf(box);
    if (!field)
        return;
    TextBoxControl& m = *field;
    QString text = box->toPlainText();
    if (HoldsCrLf(m.text))
        text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    m.text = text;
    OnSelected(box);
}

void FieldWidgets::OnSelected(FieldBox* box)
{
    TextBoxControl* field = ModelOf(box);
    if (!field)
        return;
    TextBoxControl& m = *field;
    const QString shown = box->toPlainText();
    const bool crlf = HoldsCrLf(m.text);
    const QTextCursor cursor = box->textCursor();
    m.selStart = ModelOffset(shown, crlf, cursor.selectionStart());
    m.selLength = ModelOffset(shown, crlf, cursor.selectionEnd()) - m.selStart;
}

void FieldWidgets::Drop(int i)
{
    if (i < 0 || static_cast<size_t>(i) >= fields_.size())
        return;
    Widgets& w = fields_[static_cast<size_t>(i)];
    delete std::exchange(w.label, nullptr);
    delete std::exchange(w.box, nullptr);
    delete std::exchange(w.button, nullptr);
}

FieldBox* FieldWidgets::box(int i) const
{
    return i >= 0 && static_cast<size_t>(i) < fields_.size() ? fields_[static_cast<size_t>(i)].box : nullptr;
}

QLabel* FieldWidgets::label(int i) const
{
    return i >= 0 && static_cast<size_t>(i) < fields_.size() ? fields_[static_cast<size_t>(i)].label : nullptr;
}

QToolButton* FieldWidgets::button(int i) const
{
    return i >= 0 && static_cast<size_t>(i) < fields_.size() ? fields_[static_cast<size_t>(i)].button : nullptr;
}

int FieldWidgets::WidgetCount() const
{
    int count = 0;
    for (const Widgets& w : fields_)
        count += (w.label != nullptr) + (w.box != nullptr) + (w.button != nullptr);
    return count;
}
