#include "RichTextBox.h"

#include <QTextDocumentFragment>

namespace {

constexpr char16_t kParagraph = 0x2029;

bool IsSeparator(QChar c)
{
    // Paragraphs, and the frame marks a pasted table leaves.
    return c.unicode() == kParagraph || c.unicode() == 0xFDD0 || c.unicode() == 0xFDD1;
}

}  // namespace

RichTextBox::RichTextBox(QObject* parent) : QObject(parent) {}

RichTextBox::~RichTextBox() = default;

QTextDocument& RichTextBox::Doc() const
{
    // Made when first needed: a box nobody shows (a headless run) never lays out text, which
    // needs the GUI application's fonts.
    if (!document_) {
        auto* self = const_cast<RichTextBox*>(this);
        document_ = std::make_unique<QTextDocument>();
        document_->setUndoRedoEnabled(false);
        // A document reports its changes only once it has a layout.
        document_->documentLayout();
        connect(document_.get(), &QTextDocument::contentsChange, self, &RichTextBox::OnDocumentChange);
        connect(document_.get(), &QTextDocument::contentsChanged, self, &RichTextBox::OnDocumentChanged);
    }
    return *document_;
}

void RichTextBox::SetText(const QString& text)
{
    text_ = text;
    map_.Reset(text_);
    documentStale_ = true;
    pendingColors_.clear();
    typingFormat_.reset();
    anchor_ = position_ = 0;
    if (shown_)
        EnsureDocument();
    emit changed();
    emit selectionChanged();
}

void RichTextBox::EnsureDocument()
{
    if (!documentStale_)
        return;
    // A rebuilt document holds no colours, as a text set anew holds none.
    if (pendingColors_.empty()) {
        ++applying_;
        Doc().setPlainText(DisplayOf(text_));
        --applying_;
    } else {
        BuildColoredDocument(pendingColors_);
        pendingColors_.clear();
    }
    documentStale_ = false;
}

QTextDocument& RichTextBox::Document()
{
    EnsureDocument();
    return Doc();
}

void RichTextBox::SetShown(bool shown)
{
    shown_ = shown;
    if (shown_ && documentStale_) {
        EnsureDocument();
        emit selectionChanged();
    }
}

void RichTextBox::SetSelection(int anchor, int position)
{
    const int length = Length();
    anchor = qBound(0, anchor, length);
    position = qBound(0, position, length);
    if (anchor != anchor_ || position != position_)
        typingFormat_.reset();
    anchor_ = anchor;
    position_ = position;
    emit selectionChanged();
}

void RichTextBox::SetSelStart(int start)
{
    SetSelection(start, start);
}

void RichTextBox::SetSelLength(int length)
{
    Select(SelStart(), length);
}

void RichTextBox::Select(int start, int length)
{
    start = qBound(0, start, Length());
    SetSelection(start, start + qMax(0, length));
}

void RichTextBox::SetSelText(const QString& text)
{
    if (!Fits(static_cast<int>(text.size())))
        return;
    const int start = SelStart();
    ReplaceText(start, start + SelLength(), text);
    typingFormat_.reset();
    SetSelection(start + static_cast<int>(text.size()), start + static_cast<int>(text.size()));
    emit changed();
}

void RichTextBox::ReplaceText(int start, int end, const QString& with)
{
    if (!documentStale_) {
        // The span shown anew takes in a CR before it and an LF after it, so that a pair split
        // or joined by the change is shown as the text now holds it.
        const int from = start > 0 && text_[start - 1] == u'\r' ? start - 1 : start;
        const int to = end < Length() && text_[end] == u'\n' ? end + 1 : end;
        const QString span = text_.mid(from, start - from) + with + text_.mid(end, to - end);
        QTextCursor cursor(&Doc());
        cursor.setPosition(map_.ToDocument(from));
        cursor.setPosition(map_.ToDocument(to), QTextCursor::KeepAnchor);
        ++applying_;
        if (typingFormat_)
            cursor.insertText(DisplayOf(span), *typingFormat_);
        else
            cursor.insertText(DisplayOf(span));
        --applying_;
    }
    else if (!pendingColors_.empty())
        ShiftPendingColors(start, end, static_cast<int>(with.size()));
    text_.replace(start, end - start, with);
    map_.Replace(text_, start, end - start, static_cast<int>(with.size()));
}

QString RichTextBox::DocumentSlice(int position, int length)
{
    QTextCursor cursor(&Doc());
    cursor.setPosition(position);
    cursor.setPosition(position + length, QTextCursor::KeepAnchor);
    return cursor.selectedText();
}

QString RichTextBox::TypedText(QStringView shown, int start, int end) const
{
    // A paragraph typed into the text becomes its own kind of line break, except where that
    // would pair with a CR before it or an LF after it.
    QString lineBreak;
    QString typed;
    typed.reserve(shown.size());
    for (qsizetype i = 0; i < shown.size(); ++i) {
        if (!IsSeparator(shown[i])) {
            typed += shown[i];
            continue;
        }
        if (lineBreak.isEmpty())
            lineBreak = LineBreakOf(text_);
        const bool pairsBefore = typed.isEmpty() && start > 0 && text_[start - 1] == u'\r' && lineBreak == u"\n";
        const bool pairsAfter = i + 1 == shown.size() && end < Length() && text_[end] == u'\n' && lineBreak == u"\r";
        typed += pairsBefore || pairsAfter ? QStringLiteral("\r\n") : lineBreak;
    }
    return typed;
}

void RichTextBox::OnDocumentChange(int position, int removed, int added)
{
    if (applying_)
        return;
    documentEdited_ = true;
    // The document may report more than changed (a change of colours reports its characters
    // as removed and added again, a rebuild may count its closing separator): what it reports
    // is compared with what it showed, and only the characters that differ are the user's.
    const int oldLength = map_.DocumentLength(Length());
    const int newLength = Doc().characterCount() - 1;
    position = qBound(0, position, oldLength);
    removed = qMin(removed, oldLength - position);
    added = qMin(added, newLength - position);
    if (newLength - oldLength != added - removed) {
        position = 0;
        removed = oldLength;
        added = newLength;
    }
    const QString now = DocumentSlice(position, added);
    const int spanStart = map_.ToText(position);
    const QString was = DisplayOf(QStringView(text_).sliced(spanStart, map_.ToText(position + removed) - spanStart));
    qsizetype prefix = 0;
    while (prefix < was.size() && prefix < now.size() && was[prefix] == now[prefix])
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < was.size() - prefix && suffix < now.size() - prefix
           && was[was.size() - 1 - suffix] == now[now.size() - 1 - suffix])
        ++suffix;
    if (prefix == was.size() && prefix == now.size())
        return;  // colours only
    const int from = map_.ToText(position + static_cast<int>(prefix));
    const int to = map_.ToText(position + removed - static_cast<int>(suffix));
    const QString typed = TypedText(QStringView(now).sliced(prefix, now.size() - prefix - suffix), from, to);
    text_.replace(from, to - from, typed);
    map_.Replace(text_, from, to - from, static_cast<int>(typed.size()));
    // Deleting what stood between a CR and an LF makes them one line break, which the document
    // still shows as two: one of them goes once the document has finished this change.
    if (typed.isEmpty() && from > 0 && from < Length() && text_[from - 1] == u'\r' && text_[from] == u'\n')
        joinedBreakAt_ = position + static_cast<int>(prefix);
}

void RichTextBox::OnDocumentChanged()
{
    if (applying_)
        return;
    if (joinedBreakAt_ >= 0) {
        QTextCursor cursor(&Doc());
        cursor.setPosition(joinedBreakAt_);
        cursor.setPosition(joinedBreakAt_ + 1, QTextCursor::KeepAnchor);
        joinedBreakAt_ = -1;
        ++applying_;
        cursor.removeSelectedText();
        --applying_;
    }
    if (documentEdited_) {
        documentEdited_ = false;
        emit changed();
    }
}

QTextCursor RichTextBox::DocumentCursor()
{
    EnsureDocument();
    QTextCursor cursor(&Doc());
    cursor.setPosition(map_.ToDocument(anchor_));
    cursor.setPosition(map_.ToDocument(position_), QTextCursor::KeepAnchor);
    if (typingFormat_ && anchor_ == position_)
        cursor.setCharFormat(*typingFormat_);
    return cursor;
}

void RichTextBox::SetDocumentSelection(int anchor, int position)
{
    if (applying_)
        return;
    SetSelection(map_.ToText(anchor), map_.ToText(position));
}

QString RichTextBox::SelFormatted()
{
    return DocumentCursor().selection().toHtml();
}

void RichTextBox::SetSelFormatted(const QString& formatted)
{
    QTextCursor cursor = DocumentCursor();
    cursor.insertFragment(QTextDocumentFragment::fromHtml(formatted));
    const int end = map_.ToText(cursor.position());
    SetSelection(end, end);
}

QString RichTextBox::TextFormatted()
{
    return Document().toHtml();
}

void RichTextBox::SetTextFormatted(const QString& formatted)
{
    Document().setHtml(formatted);
    SetSelection(0, 0);
}

int RichTextBox::Find(const QString& text, int start, int end)
{
    const int limit = end < 0 ? Length() : qMin(end, Length());
    if (text.isEmpty() || start < 0)
        return -1;
    const qsizetype at = text_.indexOf(text, start, Qt::CaseInsensitive);
    if (at < 0 || at + text.size() > limit)
        return -1;
    Select(static_cast<int>(at), static_cast<int>(text.size()));
    return static_cast<int>(at);
}
