#include "FieldDeletion.h"

#include "EditScreen.h"
#include "platform/AppError.h"

void DataFieldDelete(EditScreen& screen, Dialogs& dialogs)
{
    Reported(dialogs, QStringLiteral("Delete Template Fields"), QStringLiteral("Delete fields"), [&] {
        // Highest index first; each shown field's removal returns the layout cursor to
        // where it stood before that field was created.
        for (int n = screen.FieldCount() - 1; n > 0; --n) {
            const int x = screen.FieldCount() - 1;
            if (screen.Field(x).DataField.visible) {
                screen.DataScrollInsert.height = screen.Field(x).DataField.geometry.top + 60;
                screen.ApplyScrollRange();
            }
            screen.RemoveLastField();
        }
        while (screen.OptionCount() > 1)
            screen.RemoveLastOption();
        while (screen.GroupCount() > 1)
            screen.RemoveLastGroup();
    });
    screen.NotifyReset();
}
