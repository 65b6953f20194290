#pragma once
// Installation templates: a designer's template whose "$" commands copy the designer's folders
// and files into the user's VarKit folder, install the designer's settings file, show a message
// and delete the template. Such a template comes from someone the user may not know, so the
// window asks before the first command runs, a headless run only lists the commands, and every
// path stays inside its folder (InstallPaths.h).
#include <QList>
#include <QString>

class FormState;
class TemplateFile;

// The template being installed, as it was when its import began.
struct InstallationFile {
    QString path;    // the template file; "$killme" deletes this one and no other
    QString folder;  // its folder, where the copied folders and files are taken from
};
InstallationFile InstallationFileOf(const QString& templatePath);

struct DesignerCommand {
    QString command;   // as written ("$File")
    QString argument;  // the tag's default text
};

// The designer commands of a template in the order they run; those after "$killme" never run
// and are left out.
QList<DesignerCommand> DesignerCommandsIn(const TemplateFile& file);

enum class DesignerCommandMode { Run, List, Skip };

// What an import does with the template's designer commands: a headless run lists them; the
// window asks once, listing what they will do, when there is something to ask about (Run on
// Yes, Skip on No).
DesignerCommandMode DesignerCommandModeFor(FormState& form, const TemplateFile& file, const InstallationFile& installation);

// The question shown before an installation runs; empty when none of the commands changes
// anything on disk or shows anything.
QString InstallationQuestion(const QList<DesignerCommand>& commands, const QString& userFolder, const QString& templatePath);

// Carries out one designer command of an installation template; "$killme" sets `argument` to
// "kill", which ends the import.
void RunActionFile(FormState& form, const InstallationFile& installation, const QString& command, QString& argument);
