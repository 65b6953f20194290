#include "RichTextBox.h"

#include <QFont>
#include <QTextBlock>
#include <QTextDocumentFragment>

RichTextBox::RichTextBox(QObject* parent) : QObject(parent), cursor_(&document_)
{
    document_.setUndoRedoEnabled(false);
    connect(&document_, &QTextDocument::contentsChanged, this, [this] {
        cacheValid_ = false;
        emit changed();
    });
}

void RichTextBox::SetCursor(const QTextCursor& cursor)
{
    cursor_ = cursor;
    emit selectionChanged();
}

QString RichTextBox::Text() const
{
    if (!cacheValid_) {
        // The raw text keeps non-breaking spaces (the plain text turns them into blanks); its
        // paragraph separators are the line breaks.
        cache_ = document_.toRawText();
        cache_.replace(QChar::ParagraphSeparator, crlf_ ? QStringLiteral("\r\n") : QStringLiteral("\n"));
        cacheValid_ = true;
    }
    return cache_;
}

void RichTextBox::SetText(const QString& text)
{
    crlf_ = text.contains(QLatin1String("\r\n"));
    QString plain = text;
    if (crlf_)
        plain.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    document_.setPlainText(plain);
    cursor_ = QTextCursor(&document_);
    cacheValid_ = false;
    emit selectionChanged();
}

int RichTextBox::ToDocPosition(int offset) const
{
    if (offset <= 0)
        return 0;
    if (!crlf_)
        return qMin(offset, document_.characterCount() - 1);
    // Each block before the offset holds one CR LF, which the document counts as one character.
    int lo = 0;
    int hi = document_.blockCount() - 1;
    while (lo < hi) {
        const int mid = (lo + hi + 1) / 2;
        const int blockOffset = document_.findBlockByNumber(mid).position() + mid;
        if (blockOffset <= offset)
            lo = mid;
        else
            hi = mid - 1;
    }
    const QTextBlock block = document_.findBlockByNumber(lo);
    const int within = qMin(offset - (block.position() + lo), block.length() - 1);
    return block.position() + qMax(0, within);
}

int RichTextBox::ToOffset(int position) const
{
    if (!crlf_)
        return position;
    return position + document_.findBlock(position).blockNumber();
}

int RichTextBox::SelStart() const
{
    return ToOffset(cursor_.selectionStart());
}

void RichTextBox::SetSelStart(int start)
{
    cursor_.setPosition(ToDocPosition(start));
    emit selectionChanged();
}

int RichTextBox::SelLength() const
{
    return ToOffset(cursor_.selectionEnd()) - ToOffset(cursor_.selectionStart());
}

void RichTextBox::SetSelLength(int length)
{
    const int start = SelStart();
    Select(start, length);
}

void RichTextBox::Select(int start, int length)
{
    cursor_.setPosition(ToDocPosition(start));
    cursor_.setPosition(ToDocPosition(start + qMax(0, length)), QTextCursor::KeepAnchor);
    emit selectionChanged();
}

QString RichTextBox::SelText() const
{
    QString text = cursor_.selectedText();
    text.replace(QChar::ParagraphSeparator, crlf_ ? QStringLiteral("\r\n") : QStringLiteral("\n"));
    return text;
}

void RichTextBox::SetSelText(const QString& text)
{
    QString plain = text;
    if (crlf_)
        plain.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    else if (plain.contains(QLatin1String("\r\n")) && document_.isEmpty()) {
        crlf_ = true;
        plain.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    }
    cursor_.insertText(plain);
    emit selectionChanged();
}

QString RichTextBox::SelFormatted() const
{
    return cursor_.selection().toHtml();
}

void RichTextBox::SetSelFormatted(const QString& formatted)
{
    cursor_.insertFragment(QTextDocumentFragment::fromHtml(formatted));
    emit selectionChanged();
}

QString RichTextBox::TextFormatted() const
{
    return document_.toHtml();
}

void RichTextBox::SetTextFormatted(const QString& formatted)
{
    document_.setHtml(formatted);
    cursor_ = QTextCursor(&document_);
    emit selectionChanged();
}

void RichTextBox::SetSelColor(quint32 color)
{
    QTextCharFormat format;
    format.setForeground(QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF));
    cursor_.mergeCharFormat(format);
}

quint32 RichTextBox::ColorAt(int offset) const
{
    QTextCursor probe(const_cast<QTextDocument*>(&document_));
    probe.setPosition(ToDocPosition(offset) + 1);
    const QColor c = probe.charFormat().foreground().color();
    return static_cast<quint32>(c.red()) | (static_cast<quint32>(c.green()) << 8) | (static_cast<quint32>(c.blue()) << 16);
}

int RichTextBox::Find(const QString& text, int start, int end)
{
    const QString whole = Text();
    const int limit = end < 0 ? static_cast<int>(whole.size()) : qMin(end, static_cast<int>(whole.size()));
    if (text.isEmpty() || start < 0)
        return -1;
    const qsizetype at = whole.indexOf(text, start, Qt::CaseInsensitive);
    if (at < 0 || at + text.size() > limit)
        return -1;
    Select(static_cast<int>(at), static_cast<int>(text.size()));
    return static_cast<int>(at);
}
