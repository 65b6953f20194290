#include "RichTextBox.h"

// The colours of the box's text: painted into the document when it is shown, kept as spans
// that follow the text's edits while it is not.

namespace {

QColor ColorOfValue(quint32 color)
{
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

}  // namespace

void RichTextBox::SetSelColor(quint32 color)
{
    QTextCharFormat format;
    format.setForeground(ColorOfValue(color));
    QTextCursor cursor = DocumentCursor();
    if (cursor.hasSelection()) {
        cursor.mergeCharFormat(format);
        return;
    }
    QTextCharFormat typing = cursor.charFormat();
    typing.merge(format);
    typingFormat_ = typing;
    emit selectionChanged();
}

quint32 RichTextBox::ColorAt(int offset)
{
    QTextCursor probe(&Document());
    probe.setPosition(qMin(map_.ToDocument(offset) + 1, Doc().characterCount() - 1));
    const QColor c = probe.charFormat().foreground().color();
    return static_cast<quint32>(c.red()) | (static_cast<quint32>(c.green()) << 8) | (static_cast<quint32>(c.blue()) << 16);
}

void RichTextBox::PaintColors(int start, int length, quint32 base, const ColorSpans& spans)
{
    start = qBound(0, start, Length());
    const int end = start + qBound(0, length, Length() - start);
    ColorSpans painted;
    painted.reserve(spans.size() + 1);
    painted.push_back({start, end - start, base});
    for (const ColorSpan& span : spans) {
        const int from = qMax(start, span.start);
        const int to = qMin(end, span.start + span.length);
        if (from < to)
            painted.push_back({from, to - from, span.color});
    }
    if (documentStale_) {
        // What the new paint covers wholly needs no paint of its own any more.
        std::erase_if(pendingColors_, [&](const ColorSpan& span) {
            return span.start >= start && span.start + span.length <= end;
        });
        pendingColors_.insert(pendingColors_.end(), painted.begin(), painted.end());
    } else if (start == 0 && end == Length()) {
        BuildColoredDocument(painted);
        emit selectionChanged();  // the view's caret went with the old content
    } else {
        ApplyColors(painted);
    }
    // Typing at a caret in the painted text continues in the base colour.
    if (anchor_ == position_ && position_ >= start && position_ <= end) {
        QTextCharFormat typing;
        typing.setForeground(ColorOfValue(base));
        typingFormat_ = typing;
    }
}

void RichTextBox::BuildColoredDocument(const ColorSpans& spans)
{
    // The document is filled anew as setPlainText fills it, a run of characters at a time in its
    // colour: a document laid out from empty lays out what is seen first and the rest when the
    // program is idle, while a change of colour in place lays out the whole text at once.
    constexpr quint32 kNoColor = 0xFFFFFFFF;
    const QString shown = DisplayOf(text_);
    std::vector<quint32> colors(static_cast<size_t>(shown.size()), kNoColor);
    for (const ColorSpan& span : spans) {
        const auto from = colors.begin() + map_.ToDocument(span.start);
        std::fill(from, colors.begin() + map_.ToDocument(span.start + span.length), span.color);
    }
    ++applying_;
    QTextCursor cursor(&Doc());
    cursor.beginEditBlock();
    Doc().clear();
    for (qsizetype run = 0, next = 0; run < shown.size(); run = next) {
        const quint32 color = colors[static_cast<size_t>(run)];
        while (next < shown.size() && colors[static_cast<size_t>(next)] == color)
            ++next;
        QTextCharFormat format;
        if (color != kNoColor)
            format.setForeground(ColorOfValue(color));
        cursor.insertText(shown.sliced(run, next - run), format);
    }
    cursor.endEditBlock();
    --applying_;
}

void RichTextBox::ApplyColors(const ColorSpans& spans)
{
    QTextCursor cursor(&Doc());
    ++applying_;
    cursor.beginEditBlock();
    for (const ColorSpan& span : spans) {
        QTextCharFormat format;
        format.setForeground(ColorOfValue(span.color));
        cursor.setPosition(map_.ToDocument(span.start));
        cursor.setPosition(map_.ToDocument(span.start + span.length), QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(format);
    }
    cursor.endEditBlock();
    --applying_;
}

void RichTextBox::ShiftPendingColors(int start, int end, int inserted)
{
    // Text[start, end) becomes `inserted` characters: a span loses what was replaced, the part
    // after the replacement moves with the text, and the new characters take no colour.
    ColorSpans shifted;
    shifted.reserve(pendingColors_.size());
    const int shift = inserted - (end - start);
    for (const ColorSpan& span : pendingColors_) {
        const int spanEnd = span.start + span.length;
        if (span.start < start)
            shifted.push_back({span.start, qMin(spanEnd, start) - span.start, span.color});
        if (spanEnd > end) {
            const int from = qMax(span.start, end);
            shifted.push_back({from + shift, spanEnd - from, span.color});
        }
    }
    std::erase_if(shifted, [](const ColorSpan& span) { return span.length <= 0; });
    pendingColors_ = std::move(shifted);
}
