#include "ScreenCommands.h"

#include "shell/FormState.h"
#include "template/ImportTemplate.h"

void Button_Click(FormState& form, int index)
{
    switch (index) {
    case 4:
        ImportTemplate(form);
        break;
    default:
        // Make HTML, preview, copy, prior choices and saving defaults come with their screens.
        break;
    }
}
