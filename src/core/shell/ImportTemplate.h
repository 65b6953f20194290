#pragma once
// Loading a template: FetchTemplate reads a template file into the markup screen;
// ImportTemplate turns the markup into the edit screen, one field per tag. LoadTemplate does
// both and is how every command loads a template (Open, a drop, the file-name box, start-up,
// Save & Reload, a designer's installation template, the command-line tools).
#include <QString>

class Dialogs;
class FormState;
class TemplateSession;

// Reads the template at `path` into the markup screen, with the caret at its start. The
// file-name box takes the path only once the file was read: a file that cannot be read shows
// "Fetch Template Error" and leaves the box and the markup as they were. True when it was read.
bool FetchTemplate(TemplateSession& session, const QString& path);
void ImportTemplate(FormState& form);
// FetchTemplate, then ImportTemplate unless the markup is empty; the markup is then the file
// as it stands on disk (not changed). True when the file was read.
bool LoadTemplate(FormState& form, const QString& path);
// "File not found. Check file name or path.", titled "Fetch Template Error": a template that
// cannot be opened.
void ReportTemplateNotFound(Dialogs& dialogs);
// The file-name box's key handler; true when it handled the key.
bool FileName_KeyPress(FormState& form, int keyAscii);

// The prior-choices file of an older release: the ".TPL" path with its last letter "e";
// empty for a path that does not end in ".TPL".
QString PriorChoicesFile(const QString& templatePath);
