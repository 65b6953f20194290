#pragma once
// The enlarged field editor (Blowup): the HTML button row (EditButtonFrame) for title and
// plain-text fields, the field's label, the editor box DataBlowup (a rich-text box of the form
// state, held to 32,000 characters), the size line and the OK and Cancel buttons. It draws
// form.Blowup; its keys, drops and buttons go to the editor's handlers.
#include "Twips.h"

#include <QFrame>
#include <QPointer>
#include <array>

class FormState;
class QLabel;
class QPushButton;
class RichTextView;

class BlowupPanel : public QFrame {
    Q_OBJECT
public:
    BlowupPanel(FormState& form, QWidget* parent);

    void Sync();
    void ApplyLayout(const TwipsScale& scale);

    RichTextView* editor() const { return editor_; }
    // 0 "Cancel", 1 "OK".
    QPushButton* button(int index) const { return buttons_[static_cast<size_t>(index)]; }
    // EditButton(0..8): "B", "I", "U", "•", "-", "+", "sp", "br", "Clear".
    QPushButton* editButton(int index) const { return editButtons_[static_cast<size_t>(index)]; }
    QWidget* editButtonFrame() const { return editButtonFrame_; }

private:
    void BuildEditButtons();
    void WireEditor();
    // The HTML button row at its place, each button at least as wide as its caption needs.
    void PlaceEditButtons();
    // The label right of the row (moved along when the row had to grow) or over the editor.
    void PlaceLabel();
    // BlowupSize: the character count, after every change of the text.
    void DataBlowup_Change();

    FormState& form_;
    TwipsScale scale_;
    QWidget* editButtonFrame_ = nullptr;
    int editRowExtra_ = 0;  // pixels the row grew beyond its place to fit its captions
    std::array<QPushButton*, 9> editButtons_{};
    QLabel* label_ = nullptr;
    RichTextView* editor_ = nullptr;
    QWidget* buttonFrame_ = nullptr;
    QLabel* size_ = nullptr;
    std::array<QPushButton*, 2> buttons_{};
    // The control that had the focus when the editor opened (the field, after F2); it gets the
    // focus back when the editor closes over the edit screen.
    QPointer<QWidget> returnFocus_;
};
