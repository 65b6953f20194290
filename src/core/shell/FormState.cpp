#include "FormState.h"

#include "ScreenCommands.h"

FormState::FormState(Dialogs& dialogs, Shell& shell, Clipboard& clipboard, FileOps& files)
    : TemplateSession(dialogs, shell, clipboard, files)
{
    // Every change of the two texts, typed or set, shows the new size and marks unsaved work.
    connect(&MarkupText, &RichTextBox::changed, this, [this] { MarkupText_Change(*this); });
    connect(&HTMLtext, &RichTextBox::changed, this, [this] { HTMLtext_Change(*this); });
}
