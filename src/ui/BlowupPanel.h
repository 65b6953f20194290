#pragma once
// The enlarged field editor (Blowup): the field's label, the editor box DataBlowup (a rich-text
// box of the form state), the size line and the OK and Cancel buttons. It draws form.Blowup and
// hands its buttons to BlowupButton_Click.
#include "Twips.h"

#include <QFrame>
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

private:
    FormState& form_;
    QLabel* label_ = nullptr;
    RichTextView* editor_ = nullptr;
    QWidget* buttonFrame_ = nullptr;
    QLabel* size_ = nullptr;
    std::array<QPushButton*, 2> buttons_{};
};
