#include "SectionGroups.h"

#include "EditScreen.h"
#include "FieldCreation.h"
#include "platform/AppError.h"

void DataKeep_Click(EditScreen& screen, Dialogs& dialogs, int index)
{
    Reported(dialogs, QStringLiteral("Select Group"), QStringLiteral("Click Keep button"), [&] {
        const bool checked = screen.Group(index).DataKeep.value != 0;
        const QString tag = QString::number(index);
        for (int i = 1; i < screen.FieldCount(); ++i) {
            EditField& field = screen.Field(i);
            if (field.DataButton.tag != tag)
                continue;
            const quint32 back = checked ? StyleBackground(screen, field.DataLabel.tag) : kDisabledGrey;
            field.DataField.enabled = checked;
            field.DataField.backColor = back;
            for (int j : screen.OptionsOfField(i)) {
                FieldOption& option = screen.Option(j);
                option.DataOption.enabled = option.DataOptButton.enabled = option.DataOptImg.enabled = checked;
                option.DataOption.backColor = back;
                screen.NotifyChanged(ScreenElement::Option, j);
            }
            screen.NotifyChanged(ScreenElement::Field, i);
        }
    });
}
