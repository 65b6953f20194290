#pragma once
// varkit --batch ROWS.csv --out-dir DIR TEMPLATE [--name COLUMN]
// One page per row of the table, written to DIR/<COLUMN's value>.htm or DIR/0001.htm, ...
// Exit status 2 (before anything is written) when the arguments are wrong, the template or the
// table cannot be read, or a column names nothing; 1 when some rows failed (each listed on
// standard error with its row, line and message; the others are written); 0 when all were.
#include "BatchRun.h"
#include "platform/ProgramFolders.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

struct BatchRequest {
    QString rowsPath;
    QString outDir;
    QString templatePath;
    QString nameColumn;
};

// Parses the arguments after "--batch"; empty (and the reason) when they are malformed.
std::optional<BatchRequest> ParseBatchArguments(const QStringList& arguments, QString& error);

// What a batch did. `error` tells why it stopped before any page was put in place (a column
// naming nothing, a folder that cannot be made) or while the pages were put in place.
struct BatchOutcome {
    QString error;
    int rows = 0;  // in the table
    int done = 0;  // rows gone through before the end or a Cancel
    bool cancelled = false;
    int written = 0;
    QList<BatchRun::Failure> failures;
};

// The table of rows at `path`; empty (and the reason) when it cannot be read or is malformed.
std::optional<CsvTable> ReadBatchTable(FileOps& files, const QString& path, QString& error);

// One page per row of `table` from the template `form` holds (its boxes go to `dialogs`), into
// request.outDir. `advance` is told after each row how many are done; when it returns false the
// batch stops, and the pages made until then are put in place.
BatchOutcome MakeBatchPages(FormState& form, StderrDialogs& dialogs, CsvTable table, const BatchRequest& request,
                            const std::function<bool(int)>& advance = {});

// "row N (line L) was not written: message".
QString DescribeFailure(const BatchRun::Failure& failure);

int RunBatchCommand(const ProgramFolders& folders, const QStringList& arguments);
