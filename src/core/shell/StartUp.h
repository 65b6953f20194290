#pragma once
// What the main window does between being started and being closed: fixing the program's
// folders, the screen colours, the start-up settings, the splash logo,
// the command line and the start-up template; and removing the scratch files on closing.
#include "platform/ProgramFolders.h"

#include <QString>
#include <functional>

class FormState;

// The window's part of the start-up, done through these calls.
struct FormLoadHooks {
    // Shows the window, gives FileName the focus and lets pending events run.
    std::function<void()> showWindow;
    // Registers the .tpl association (the switches "i" and "d").
    std::function<void()> associateTplFiles;
};

struct FormLoadInput {
    QString executableFolder;
    // The executable itself, absolute (what the .tpl association starts).
    QString executableFile;
    // The user's folders (UserHomesFrom the environment in the program).
    UserHomes homes;
    // The whole argument text of the command line.
    QString commandLine;
    // The folder the program was started in, which a relative template name is taken from
    // (empty: the current folder).
    QString workingFolder;
};

// Runs the start-up steps in order. False when the window is to close at once (the switches
// "i" and "d"); a failure is reported as "Form Load" and skips the remaining steps.
bool Form_Load(FormState& form, const FormLoadInput& input, const FormLoadHooks& hooks);

// Gives the tag buttons their backgrounds from the screen colour table.
void InitTagButtonColors(FormState& form);

// Shows or hides the splash logo over the markup screen according to the settings.
void ApplySplashLogo(FormState& form);
// A click on the splash logo removes it unless the markup is locked.
void CustomLogo_Click(FormState& form);

// Files are hidden here only by a leading dot, which the program's files do not have: nothing
// to do.
void HideProgramFiles(FormState& form);

enum class CommandLineAction { None, Template, Associate };
// Puts the command line's template (or the start-up template) into FileName; "i" and "d" ask
// for the association instead. A relative name is taken from `workingFolder` (empty: the
// current folder); a name that leads to no file is put in as it is, for the load to report.
CommandLineAction HandleCommandLine(FormState& form, const QString& commandLine,
                                    const QString& workingFolder = QString());

// Deletes the scratch file and the preview file; a missing file is no error.
void Form_Unload(FormState& form);

// "Show VarKit &Folder ...": offers the user's VarKit folder (made when missing) and opens the
// answer on the desktop.
void MenuFileFolder_Click(FormState& form);
