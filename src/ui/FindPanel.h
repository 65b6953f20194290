#pragma once
// The find panel (FindFrame): "Find what?" and "Replace" boxes and the buttons Cancel, Find Next
// and Replace. It draws form.Find, writes what the user types back into it and hands its
// buttons to FindButton_Click.
#include "Twips.h"

#include <QFrame>
#include <array>

class FormState;
class QLineEdit;
class QPushButton;

class FindPanel : public QFrame {
    Q_OBJECT
public:
    FindPanel(FormState& form, QWidget* parent);

    void Sync();
    void ApplyLayout(const TwipsScale& scale);

    QPushButton* button(int index) const { return buttons_[static_cast<size_t>(index)]; }

private:
    FormState& form_;
    QLineEdit* findBox_ = nullptr;
    QLineEdit* replaceBox_ = nullptr;
    std::array<QWidget*, 2> labels_{};
    std::array<QPushButton*, 3> buttons_{};
};
