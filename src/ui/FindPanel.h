#pragma once
// The find panel (FindFrame): "Find what?" and "Replace" boxes and the buttons Cancel, Find Next
// and Replace. It draws form.Find, writes what the user types back into it and hands its
// buttons to FindButton_Click. Enter in "Find what?" is Find Next.
#include "Twips.h"

#include <QFrame>
#include <array>

class FormState;
class QLineEdit;
class QMouseEvent;
class QPushButton;

class FindPanel : public QFrame {
    Q_OBJECT
public:
    FindPanel(FormState& form, QWidget* parent);

    void Sync();
    void ApplyLayout(const TwipsScale& scale);

    QPushButton* button(int index) const { return buttons_[static_cast<size_t>(index)]; }

protected:
    // A click on the panel itself brings it to the front.
    void mousePressEvent(QMouseEvent* event) override;

private:
    FormState& form_;
    int focusRequestsSeen_ = 0;
    QLineEdit* findBox_ = nullptr;
    QLineEdit* replaceBox_ = nullptr;
    std::array<QWidget*, 2> labels_{};
    std::array<QPushButton*, 3> buttons_{};
};
