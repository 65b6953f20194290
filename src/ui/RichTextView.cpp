#include "RichTextView.h"

#include "text/RichTextBox.h"

#include <QApplication>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QMimeData>

bool IsFixedPitch(const QFont& font)
{
    const QFontMetricsF metrics(font);
    return qFuzzyCompare(metrics.horizontalAdvance(QLatin1Char('i')), metrics.horizontalAdvance(QLatin1Char('W')));
}

QFont MarkupFont()
{
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSizeF(10);
    if (IsFixedPitch(font))
        return font;
    for (const QFont& other : {QFontDatabase::systemFont(QFontDatabase::FixedFont), QFont(QStringLiteral("monospace"))}) {
        QFont candidate = other;
        candidate.setPointSizeF(10);
        if (IsFixedPitch(candidate))
            return candidate;
    }
    return font;
}

RichTextView::RichTextView(RichTextBox& box, QWidget* parent) : QTextEdit(parent), box_(box)
{
    setTabChangesFocus(true);
    setDocument(&box.Document());
    setAcceptRichText(false);
    setLineWrapMode(QTextEdit::WidgetWidth);
    setUndoRedoEnabled(false);
    connect(this, &QTextEdit::cursorPositionChanged, this, &RichTextView::ToBox);
    connect(this, &QTextEdit::selectionChanged, this, &RichTextView::ToBox);
    connect(&box, &RichTextBox::selectionChanged, this, &RichTextView::FromBox);
    connect(&box, &RichTextBox::focusRequested, this, [this] { setFocus(Qt::OtherFocusReason); });
}

void RichTextView::showEvent(QShowEvent* event)
{
    QTextEdit::showEvent(event);
    box_.SetShown(true);
    FromBox();
}

void RichTextView::hideEvent(QHideEvent* event)
{
    box_.SetShown(false);
    QTextEdit::hideEvent(event);
}

QMimeData* RichTextView::createMimeDataFromSelection() const
{
    auto* data = new QMimeData;
    data->setText(box_.SelText());
    return data;
}

void RichTextView::insertFromMimeData(const QMimeData* source)
{
    if (!source || !source->hasText() || isReadOnly())
        return;
    const QString text = source->text();
    if (Refused(static_cast<int>(text.size())))
        return;
    box_.SetSelText(text);
}

bool RichTextView::Refused(int inserted)
{
    if (box_.Fits(inserted))
        return false;
    QApplication::beep();
    return true;
}

void RichTextView::inputMethodEvent(QInputMethodEvent* event)
{
    if (Refused(static_cast<int>(event->commitString().size()))) {
        event->accept();
        return;
    }
    QTextEdit::inputMethodEvent(event);
}

void RichTextView::FromBox()
{
    // A hidden view catches up when it is shown; asking for the cursor now would build a
    // document nobody sees.
    if (syncing_ || !isVisible())
        return;
    syncing_ = true;
    setTextCursor(box_.DocumentCursor());
    syncing_ = false;
}

void RichTextView::ToBox()
{
    if (syncing_)
        return;
    syncing_ = true;
    const QTextCursor cursor = textCursor();
    box_.SetDocumentSelection(cursor.anchor(), cursor.position());
    syncing_ = false;
}

void RichTextView::keyPressEvent(QKeyEvent* event)
{
    const bool ctrlTab = event->key() == Qt::Key_Tab && event->modifiers() == Qt::ControlModifier;
    // A box with a length limit takes no character past it; a line break counts CR LF.
    const bool lineBreak = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool typing = ctrlTab || lineBreak || (!event->text().isEmpty() && event->text().front().isPrint());
    if (typing && !isReadOnly() && Refused(lineBreak ? 2 : static_cast<int>(qMax<qsizetype>(1, event->text().size())))) {
        event->accept();
        return;
    }
    if (ctrlTab) {
        insertPlainText(QStringLiteral("\t"));
        return;
    }
    QTextEdit::keyPressEvent(event);
}
