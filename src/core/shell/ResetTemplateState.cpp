#include "ResetTemplateState.h"

#include "FormState.h"
#include "HelpMenuItems.h"
#include "editscreen/FieldDeletion.h"

void ResetTemplateState(FormState& form, int panelHeight)
{
    EditScreen& screen = form.screen;
    DataFieldDelete(screen, form.dialogs());
    DeleteMenuOption(form);
    screen.DataScrollInsert.top = 0;
    screen.DataScrollInsert.height = panelHeight;
    screen.DataScrollbar.value = 0;
    screen.OpenGroupIndex.clear();
    // The active field's number would name another field of the next template.
    screen.ActiveField = 0;
    screen.FocusRequested = false;
    for (QStringList* list : {&form.TemplateSegments, &form.FieldNames})
        for (QString& entry : *list)
            entry.clear();
    form.UndoStart = -1;
    form.UndoOldText.clear();
    form.UndoNewText.clear();
}
