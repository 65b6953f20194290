#pragma once
// A field of the edit screen (DataField(i)) as a text target: its value, the selection the model
// keeps for it, and the focus asked of the view.
#include "text/TextTarget.h"

class EditScreen;

class FieldTextTarget : public TextTarget {
public:
    FieldTextTarget(EditScreen& screen, int index) : screen_(screen), index_(index) {}

    QString Text() const override;
    int SelStart() const override;
    int SelLength() const override;
    QString SelText() const override;
    void SetSelText(const QString& text) override;
    void Select(int start, int length) override;
    void SetFocus() override;

private:
    EditScreen& screen_;
    int index_;
};
