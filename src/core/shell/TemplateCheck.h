#pragma once
// The template check: what will surprise a template's users, each with the place of the tag
// it is about. It imports the template as the window does (quietly) and reads the tags again
// for their places, so every finding follows the program's own rules and nothing the program
// handles as the designer intended is reported.
#include "platform/ProgramFolders.h"

#include <QList>
#include <QString>
#include <optional>

class FormState;

struct CheckFinding {
    int line = 1;    // from 1
    int column = 1;  // from 1, in characters
    QString message;
    qint64 offset = 0;  // in the markup text, from 0, a CR LF as two characters
};

// The findings in the order of their places; empty (and the reason) when the template cannot be
// read.
std::optional<QList<CheckFinding>> CheckTemplate(const ProgramFolders& folders, const QString& templatePath, QString& error);

// The findings for the template the window shows on its markup screen, as it stands.
QList<CheckFinding> CheckMarkupOf(FormState& window);

// varkit --check TEMPLATE: one "FILE:LINE:COLUMN: message" line each on standard output. Exit
// status 0 when there is nothing to say, 1 when there is, 2 when the template cannot be read.
int RunCheckCommand(const ProgramFolders& folders, const QStringList& arguments);
