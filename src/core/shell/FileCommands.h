#pragma once
// The File menu and the file-name box: open, clear and save templates, save the finished HTML
// ("Save as Auction &Code ..."), drop files on the box, and the close request that asks about
// unsaved work. GetFilename wraps the open/save dialog every file command uses.
#include "FileMenuState.h"
#include "SaveQuestions.h"

#include <QString>
#include <QStringList>

class FormState;

inline const QString kFileDialogFilter =
    QStringLiteral("Web Files (*.HTM)|*.htm;*.html|Template Files (*.TPL)|*.tpl|Text Files (*.TXT)|*.txt|All Files (*.*)|*.*");

// action "OPEN" or "SAVE" ("CANCEL" on return when the user cancelled); kind 1 HTML export,
// 2 template, 4 a second remembered folder; fileName the suggested name, the chosen path on return.
// A save asks before an existing file is replaced and never returns `keepFile` (the template an
// export is made from): the dialog shows again instead.
void GetFilename(FormState& form, QString& action, int kind, QString& fileName, const QString& keepFile = QString());
// The name a save dialog's answer stands for: an extension added to a bare name by the selected
// filter (1 ".htm", 2 ".txt"), a doubled extension ("listing.htm.htm") cut once.
QString SaveDialogName(const QString& chosen, int filterIndex);

// The File-menu entries the current screen allows; MenuFile_Click sets them as the menu opens.
FileMenuState FileMenuFor(const FormState& form);
void MenuFile_Click(FormState& form);
// 0 Open, 1 Clear.
void MenuFileOpen_Click(FormState& form, int index);
// 0 Save Template, 1 Save Template As, 2 the modified template of "Save Edited Data fields".
// True when the file was written.
bool MenuFileSave_Click(FormState& form, int index);
// "Save as Auction &Code ...": writes the export text. True when the file was written.
bool MenuFileSaveWeb_Click(FormState& form);
void MenuFileExit_Click(FormState& form);
// The close request; true keeps the window open.
bool Form_QueryUnload(FormState& form);

// Files dragged over the file-name box: accepted when the first is a template or page.
bool FileName_OLEDragOver(const QStringList& files);
// Files dropped on the box: the first one is loaded.
void FileName_OLEDragDrop(FormState& form, const QStringList& files);
