#pragma once
// The colour editor of the edit screen (EditColorFrame): the code box, the button that opens the
// colour dialog, and the round and square swatches. It draws form.EditColor and hands the keys
// and clicks to the editor's procedures.
#include "Twips.h"

#include <QWidget>

class CircleSwatch;
class ClickLabel;
class FormState;
class QLineEdit;
class QToolButton;

class ColorEditorView : public QWidget {
    Q_OBJECT
public:
    ColorEditorView(FormState& form, QWidget* parent);

    void Sync();
    void ApplyLayout(const TwipsScale& scale);

    QLineEdit* textBox() const { return text_; }

private:
    FormState& form_;
    QLineEdit* text_ = nullptr;
    QToolButton* button_ = nullptr;
    CircleSwatch* circle_ = nullptr;
    ClickLabel* box_ = nullptr;
};
