#pragma once
// A QTextEdit that shows the document of a RichTextBox: what the user selects goes back into
// the box, and the box's own selection changes and focus requests reach the editor. The box
// keeps its document up to date only while the view is shown. Copy, cut, paste and drops carry
// the box's own text, line breaks as they are.
#include <QTextEdit>

class RichTextBox;

class RichTextView : public QTextEdit {
    Q_OBJECT
public:
    RichTextView(RichTextBox& box, QWidget* parent);

    RichTextBox& box() { return box_; }

protected:
    void showEvent(QShowEvent* event) override;
    // Tab moves the focus on, as in the other boxes; Ctrl+Tab types a tab.
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    QMimeData* createMimeDataFromSelection() const override;
    void insertFromMimeData(const QMimeData* source) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    // An insertion of that many characters would pass the box's MaxLength: the box beeps.
    bool Refused(int inserted);
    void FromBox();
    void ToBox();

    RichTextBox& box_;
    bool syncing_ = false;
};

// Courier New, or the fixed-pitch font the system offers in its place.
QFont MarkupFont();
// Whether every character of the font has the same width.
bool IsFixedPitch(const QFont& font);
