#include "DesignerFiles.h"

#include "shell/FormState.h"

void RunActionFile(FormState&, const QString&, QString&)
{
    // Installation commands (copying the designer's folders and files) are not carried out
    // yet: an installation template imports as an ordinary template.
}
