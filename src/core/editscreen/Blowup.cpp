#include "Blowup.h"

#include "EditScreen.h"

bool TakesEditButtons(const QString& style)
{
    return style == QLatin1String("!") || style == QLatin1String(" ");
}

bool OpenBlowup(BlowupState& blowup, const EditScreen& screen, int index)
{
    if (index < 1 || index >= screen.FieldCount())
        return false;
    const EditField& field = screen.Field(index);
    blowup.tag = QString::number(index);
    blowup.DataBlowup.SetText(field.DataField.text);
    blowup.DataBlowup.Select(0, 0);
    blowup.label = field.DataLabel.caption;
    blowup.EditButtonFrameVisible = TakesEditButtons(field.DataLabel.tag);
    blowup.visible = true;
    return true;
}

int BlowupField(const BlowupState& blowup, const EditScreen& screen)
{
    bool ok = false;
    const int i = blowup.tag.toInt(&ok);
    return ok && i >= 1 && i < screen.FieldCount() ? i : 0;
}

bool BlowupEdited(const BlowupState& blowup, const EditScreen& screen)
{
    if (!blowup.visible)
        return false;
    const int i = BlowupField(blowup, screen);
    const QString fieldText = i ? screen.Field(i).DataField.text : QString();
    return blowup.DataBlowup.Text() != fieldText;
}

void CloseBlowup(BlowupState& blowup, EditScreen& screen, bool store)
{
    if (store) {
        if (const int i = BlowupField(blowup, screen)) {
            TextBoxControl& box = screen.Field(i).DataField;
            box.text = blowup.DataBlowup.Text();
            box.selStart = box.selLength = 0;
            screen.NotifyChanged(ScreenElement::Field, i);
        }
    }
    blowup.visible = false;
}
