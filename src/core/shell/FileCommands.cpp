#include "FileCommands.h"

#include "shell/FormState.h"

void MenuFileOpen_Click(FormState&, int)
{
    // Opening and clearing through the File menu come with the file commands.
}
