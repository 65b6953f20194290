#include "FindCommands.h"

#include "FormState.h"

void FindButton_Click(FormState& form, int index)
{
    if (index == 0)
        form.Find.visible = false;
    form.NotifyChanged();
}
