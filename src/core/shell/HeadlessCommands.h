#pragma once
// The command-line tools that run without a window.
#include "platform/FileAssociation.h"
#include "platform/ProgramFolders.h"

#include <QString>

// varkit --fields TEMPLATE: the imported model as JSON on standard output. Exit status 0, or
// 2 when the template cannot be read.
int RunFieldsCommand(const ProgramFolders& folders, const QString& templatePath);

// varkit i, varkit d: makes the .tpl association for `programFile` and ends, without a window
// (so an installer can run it without a display). Exit status 0 when the association is in place
// afterwards, else 2 (the messages on standard error).
int RunAssociateCommand(const ProgramFolders& folders, const QString& programFile, FileAssociation& association);
