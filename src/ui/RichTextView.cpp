#include "RichTextView.h"

#include "text/RichTextBox.h"

#include <QFontDatabase>

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
    setDocument(&box.document());
    setAcceptRichText(false);
    setLineWrapMode(QTextEdit::WidgetWidth);
    setUndoRedoEnabled(false);
    FromBox();
    connect(this, &QTextEdit::cursorPositionChanged, this, &RichTextView::ToBox);
    connect(this, &QTextEdit::selectionChanged, this, &RichTextView::ToBox);
    connect(&box, &RichTextBox::selectionChanged, this, &RichTextView::FromBox);
    connect(&box, &RichTextBox::focusRequested, this, [this] { setFocus(Qt::OtherFocusReason); });
}

void RichTextView::FromBox()
{
    if (syncing_)
        return;
    syncing_ = true;
    if (textCursor() != box_.cursor())
        setTextCursor(box_.cursor());
    syncing_ = false;
}

void RichTextView::ToBox()
{
    if (syncing_)
        return;
    syncing_ = true;
    box_.SetCursor(textCursor());
    syncing_ = false;
}
