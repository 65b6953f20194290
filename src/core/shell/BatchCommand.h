#pragma once
// varkit --batch ROWS.csv --out-dir DIR TEMPLATE [--name COLUMN]
// One page per row of the table, written to DIR/<COLUMN's value>.htm or DIR/0001.htm, ...
// Exit status 2 (before anything is written) when the arguments are wrong, the template or the
// table cannot be read, or a column names nothing; 1 when some rows failed (each listed on
// standard error with its row, line and message; the others are written); 0 when all were.
#include "platform/ProgramFolders.h"

#include <QString>
#include <QStringList>
#include <optional>

struct BatchRequest {
    QString rowsPath;
    QString outDir;
    QString templatePath;
    QString nameColumn;
};

// Parses the arguments after "--batch"; empty (and the reason) when they are malformed.
std::optional<BatchRequest> ParseBatchArguments(const QStringList& arguments, QString& error);

int RunBatchCommand(const ProgramFolders& folders, const QStringList& arguments);
