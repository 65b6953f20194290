#include "WindowLayout.h"

#include "platform/AppError.h"
#include "shell/FormState.h"

void Form_Resize(FormState& form)
{
    if (form.onFormResize) {
        form.onFormResize();
        return;
    }
    try {
        form.screen.ApplyScrollRange();
    } catch (const AppError& error) {
        ShowErrorReport(form.dialogs(), QStringLiteral("Resize Screen"), error, QStringLiteral("Resize Screen"));
    }
}
