#pragma once
// A rich-text box as the procedures use it: whole text, selection (start counted from 0,
// length, text), formatted text, selection colour, find, focus and a change event.
//
// The text is the truth: a QString holding every character and line break exactly as given
// (CR LF, lone CR or lone LF, in any mix), which the scanner, Make HTML, saving and the headless
// commands read. A QTextDocument only shows it, for a QTextEdit: it is brought up to date when
// something needs it (a view shows the box, or colours are asked for), so a box nobody looks at
// costs no document work. An edit made in the document (typing, a pasted or formatted fragment)
// changes only the characters that differ; colours change no character. Offsets count a CR LF
// as two characters.
#include "text/BoxText.h"
#include "text/ColorSpan.h"
#include "text/TextTarget.h"

#include <QObject>
#include <QString>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <memory>
#include <optional>

class RichTextBox : public QObject, public TextTarget {
    Q_OBJECT
public:
    explicit RichTextBox(QObject* parent = nullptr);
    ~RichTextBox() override;

    QString Text() const override { return text_; }
    void SetText(const QString& text);
    int Length() const { return static_cast<int>(text_.size()); }

    int SelStart() const override { return qMin(anchor_, position_); }
    void SetSelStart(int start);
    int SelLength() const override { return qAbs(position_ - anchor_); }
    void SetSelLength(int length);
    QString SelText() const override { return text_.mid(SelStart(), SelLength()); }
    // Replaces the selection; refused whole (nothing changes) when the result would pass
    // MaxLength.
    void SetSelText(const QString& text) override;
    void Select(int start, int length) override;

    // Formatted text keeps the colours (an HTML fragment of the document).
    QString SelFormatted();
    void SetSelFormatted(const QString& formatted);
    QString TextFormatted();
    void SetTextFormatted(const QString& formatted);
    // Colours the selection (0x00BBGGRR), or the text typed next when nothing is selected.
    void SetSelColor(quint32 color);
    quint32 ColorAt(int offset);

    // Case-insensitive search of text from start to end (offsets from 0); selects the match.
    int Find(const QString& text, int start, int end);

    void SetFocus() override { emit focusRequested(); }

    // The most characters an edit may leave in the box (a CR LF two); 0 for no limit. SetText
    // is not held to it, so a longer text set by the program is kept whole and can only shrink.
    int MaxLength = 0;
    // Whether replacing the selection by `inserted` characters keeps the box within MaxLength
    // (or at least does not make it longer).
    bool Fits(int inserted) const
    {
        return MaxLength <= 0 || inserted <= SelLength() || Length() - SelLength() + inserted <= MaxLength;
    }

    // For the view that shows the box: the document, up to date; whether the view is shown
    // (a shown box keeps its document up to date at once); the selection as a cursor in the
    // document; and the user's selection in document positions.
    QTextDocument& Document();
    void SetShown(bool shown);
    QTextCursor DocumentCursor();
    void SetDocumentSelection(int anchor, int position);

    // Paints text[start, start + length) in `base` and then each span over it, in order, as one
    // edit of the document. Colours change no character, so no change event follows. A box
    // nobody shows keeps the spans and paints them when its document is next built.
    void PaintColors(int start, int length, quint32 base, const ColorSpans& spans);

signals:
    void changed();
    void selectionChanged();
    void focusRequested();

private:
    void EnsureDocument();
    void ApplyColors(const ColorSpans& spans);
    void BuildColoredDocument(const ColorSpans& spans);
    void ShiftPendingColors(int start, int end, int inserted);
    void SetSelection(int anchor, int position);
    // Replaces text[start, end) and shows the change in the document when it is up to date.
    void ReplaceText(int start, int end, const QString& with);
    void OnDocumentChange(int position, int removed, int added);
    void OnDocumentChanged();
    QString DocumentSlice(int position, int length);
    QString TypedText(QStringView shown, int start, int end) const;

    QString text_;
    DocumentMap map_;
    int anchor_ = 0;
    int position_ = 0;
    // The document that shows the text; made by Doc() when first needed.
    QTextDocument& Doc() const;
    mutable std::unique_ptr<QTextDocument> document_;
    bool documentStale_ = false;
    bool shown_ = false;
    int applying_ = 0;             // the box itself is changing the document
    bool documentEdited_ = false;  // the document changed since the last change event
    int joinedBreakAt_ = -1;       // a document separator to remove: its CR and LF became a pair
    std::optional<QTextCharFormat> typingFormat_;
    ColorSpans pendingColors_;  // painted when the document is next built
};
