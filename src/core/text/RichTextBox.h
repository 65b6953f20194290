#pragma once
// A rich-text box as the procedures use it: whole text, selection (start counted from 0,
// length, text), formatted text, selection colour, find, focus and a change event, over a
// QTextDocument that a QTextEdit can show. The document holds one block per line; the box
// remembers whether its text came with CR LF line breaks and gives the text back (and counts
// offsets) in that form, so a template's bytes survive the trip through the box.
#include <QObject>
#include <QString>
#include <QTextCursor>
#include <QTextDocument>

class RichTextBox : public QObject {
    Q_OBJECT
public:
    explicit RichTextBox(QObject* parent = nullptr);

    QTextDocument& document() { return document_; }
    const QTextCursor& cursor() const { return cursor_; }
    // The view reports the user's selection through this.
    void SetCursor(const QTextCursor& cursor);

    QString Text() const;
    void SetText(const QString& text);
    int Length() const { return static_cast<int>(Text().size()); }

    int SelStart() const;
    void SetSelStart(int start);
    int SelLength() const;
    void SetSelLength(int length);
    QString SelText() const;
    void SetSelText(const QString& text);
    void Select(int start, int length);

    // Formatted text keeps the colours (an HTML fragment of the document).
    QString SelFormatted() const;
    void SetSelFormatted(const QString& formatted);
    QString TextFormatted() const;
    void SetTextFormatted(const QString& formatted);
    // Colours the selection (0x00BBGGRR), or the text typed next when nothing is selected.
    void SetSelColor(quint32 color);
    quint32 ColorAt(int offset) const;

    // Case-insensitive search of text from start to end (offsets from 0); selects the match.
    int Find(const QString& text, int start, int end);

    void SetFocus() { emit focusRequested(); }
    bool usesCrLf() const { return crlf_; }

signals:
    void changed();
    void selectionChanged();
    void focusRequested();

private:
    int ToDocPosition(int offset) const;
    int ToOffset(int position) const;

    QTextDocument document_;
    QTextCursor cursor_;
    bool crlf_ = false;
    mutable QString cache_;
    mutable bool cacheValid_ = false;
};
