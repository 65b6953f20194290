#include "BatchCommand.h"

#include "CsvTable.h"
#include "HeadlessSession.h"
#include "html/IncludeFile.h"
#include "platform/AppError.h"
#include "platform/TextFile.h"

#include <cstdio>

namespace {

// A table larger than this is not read (it would not be a table of listings).
constexpr qint64 kTableReadLimit = 256 * 1024 * 1024;

}  // namespace

std::optional<CsvTable> ReadBatchTable(FileOps& files, const QString& path, QString& error)
{
    QByteArray bytes;
    try {
        AsAppError([&] { bytes = ReadFileBytes(files, path, kTableReadLimit); });
    } catch (const AppError& e) {
        error = QStringLiteral("cannot read ") + path + QStringLiteral(": ") + e.message();
        return std::nullopt;
    }
    std::optional<CsvTable> table = ParseCsv(DecodeCsvBytes(bytes), error);
    if (!table)
        error = path + QStringLiteral(", ") + error;
    return table;
}

std::optional<BatchRequest> ParseBatchArguments(const QStringList& arguments, QString& error)
{
    BatchRequest request;
    QStringList positional;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--out-dir") || argument == QLatin1String("--name")) {
            if (i + 1 >= arguments.size()) {
                error = argument + QStringLiteral(" needs a value");
                return std::nullopt;
            }
            (argument == QLatin1String("--name") ? request.nameColumn : request.outDir) = arguments[++i];
        } else if (argument.startsWith(QLatin1String("--"))) {
            error = QStringLiteral("unknown option ") + argument;
            return std::nullopt;
        } else {
            positional << argument;
        }
    }
    if (positional.size() != 2 || request.outDir.isEmpty()) {
        error = QStringLiteral("--batch takes ROWS.csv, --out-dir DIR and TEMPLATE (see varkit --help)");
        return std::nullopt;
    }
    request.rowsPath = positional[0];
    request.templatePath = positional[1];
    return request;
}

BatchOutcome MakeBatchPages(FormState& form, StderrDialogs& dialogs, CsvTable table, const BatchRequest& request,
                            const std::function<bool(int)>& advance)
{
    BatchOutcome outcome;
    BatchRun batch(form, dialogs, std::move(table));
    outcome.rows = batch.Rows();
    QString error;
    if (!batch.Prepare(request.nameColumn, error)) {
        outcome.error = request.rowsPath + QStringLiteral(": ") + error;
        return outcome;
    }
    try {
        batch.OpenFolder(request.outDir);
    } catch (const AppError& e) {
        outcome.error = QStringLiteral("cannot make the folder ") + request.outDir + QStringLiteral(": ") + e.message();
        return outcome;
    }
    const IncludeCacheScope includes;
    while (outcome.done < outcome.rows && !outcome.cancelled) {
        batch.RunRow(outcome.done++);
        outcome.cancelled = advance && !advance(outcome.done) && outcome.done < outcome.rows;
    }
    try {
        batch.Commit();
    } catch (const AppError& e) {
        outcome.error = QStringLiteral("could not write the pages to ") + request.outDir + QStringLiteral(": ") + e.message();
    }
    outcome.failures = batch.Failures();
    outcome.written = batch.Written();
    return outcome;
}

QString DescribeFailure(const BatchRun::Failure& failure)
{
    return QStringLiteral("row ") + QString::number(failure.row) + QStringLiteral(" (line ") + QString::number(failure.line)
        + QStringLiteral(") was not written: ") + failure.message;
}

int RunBatchCommand(const ProgramFolders& folders, const QStringList& arguments)
{
    QString error;
    const std::optional<BatchRequest> request = ParseBatchArguments(arguments, error);
    if (!request) {
        Complain(error);
        return 2;
    }
    HeadlessSession session(folders);
    std::optional<CsvTable> table = ReadBatchTable(session.form().files(), request->rowsPath, error);
    if (!table) {
        Complain(error);
        return 2;
    }
    if (!session.Load(request->templatePath)) {
        Complain(QStringLiteral("could not import ") + request->templatePath);
        return 2;
    }
    const BatchOutcome outcome = MakeBatchPages(session.form(), session.dialogs(), std::move(*table), *request);
    if (!outcome.error.isEmpty()) {
        Complain(outcome.error);
        return 2;
    }
    for (const BatchRun::Failure& failure : outcome.failures)
        Complain(DescribeFailure(failure));
    return outcome.failures.isEmpty() ? 0 : 1;
}
