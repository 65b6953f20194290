#pragma once
// The markup screen (MarkupFrame): its caption, the "code size:" label, the row of tag buttons,
// the markup text box and the splash logo over it. It draws the form state and places its
// controls by the layout model.
#include "Twips.h"

#include <QFrame>
#include <array>

class ClickLabel;
class FormState;
class QLabel;
class QToolButton;
class RichTextView;

class MarkupScreenView : public QFrame {
    Q_OBJECT
public:
    MarkupScreenView(FormState& form, QWidget* parent);

    void Sync();
    void ApplyLayout(const TwipsScale& scale);

    RichTextView* markupText() const { return markupText_; }
    QToolButton* tagButton(int index) const { return tagButtons_[static_cast<size_t>(index)]; }

protected:
    // Ctrl with the right button on the frame enables the designer file item again.
    void mousePressEvent(QMouseEvent* event) override;

private:
    void SyncLogo();

    FormState& form_;
    TwipsScale scale_;
    QLabel* badge_ = nullptr;
    QLabel* title_ = nullptr;
    QLabel* sizeCaption_ = nullptr;
    QLabel* size_ = nullptr;
    QWidget* tagButtonFrame_ = nullptr;
    std::array<QToolButton*, 41> tagButtons_{};
    RichTextView* markupText_ = nullptr;
    ClickLabel* customLogo_ = nullptr;
};
