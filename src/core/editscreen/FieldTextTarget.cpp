#include "FieldTextTarget.h"

#include "EditScreen.h"

QString FieldTextTarget::Text() const
{
    return screen_.Field(index_).DataField.text;
}

int FieldTextTarget::SelStart() const
{
    const TextBoxControl& box = screen_.Field(index_).DataField;
    return qBound(0, box.selStart, static_cast<int>(box.text.size()));
}

int FieldTextTarget::SelLength() const
{
    const TextBoxControl& box = screen_.Field(index_).DataField;
    return qBound(0, box.selLength, static_cast<int>(box.text.size()) - SelStart());
}

QString FieldTextTarget::SelText() const
{
    return Text().mid(SelStart(), SelLength());
}

void FieldTextTarget::SetSelText(const QString& text)
{
    const int start = SelStart();
    TextBoxControl& box = screen_.Field(index_).DataField;
    box.text.replace(start, SelLength(), text);
    box.selStart = start + static_cast<int>(text.size());
    box.selLength = 0;
    screen_.NotifyChanged(ScreenElement::Field, index_);
}

void FieldTextTarget::Select(int start, int length)
{
    TextBoxControl& box = screen_.Field(index_).DataField;
    const int size = static_cast<int>(box.text.size());
    box.selStart = qBound(0, start, size);
    box.selLength = qBound(0, length, size - box.selStart);
    screen_.NotifyChanged(ScreenElement::Field, index_);
}

void FieldTextTarget::SetFocus()
{
    screen_.RequestFocus(index_);
}
