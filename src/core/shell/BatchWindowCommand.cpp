#include "BatchWindowCommand.h"

#include "BatchCommand.h"
#include "FormState.h"
#include "HeadlessSession.h"
#include "text/TextUtilities.h"

namespace {

// A summary lists this many failed rows at most.
constexpr int kListedFailures = 20;

// The batch session's boxes are kept for the summary instead of going to standard error.
class KeptDialogs : public StderrDialogs {
public:
    QStringList lines;

protected:
    void Write(const QString& line) override { lines << line; }
};

void Complain(FormState& form, const QString& text)
{
    form.dialogs().Message(kBatchTitle, text, MsgButtons::Ok, MsgIcon::Exclamation);
}

std::optional<BatchRequest> AskForRequest(FormState& form)
{
    BatchRequest request;
    FileDialogRequest table;
    table.title = QStringLiteral("Make HTML for each row of a CSV");
    table.filter = QStringLiteral("CSV Files (*.CSV)|*.csv|Text Files (*.TXT)|*.txt|All Files (*.*)|*.*");
    table.folder = ExtractDirectory(form.FileName.text);
    request.rowsPath = form.dialogs().FileDialog(table).path;
    if (request.rowsPath.isEmpty())
        return std::nullopt;
    FileDialogRequest folder;
    folder.title = QStringLiteral("Folder for the pages");
    folder.folderOnly = true;
    folder.folder = ExtractDirectory(request.rowsPath);
    request.outDir = form.dialogs().FileDialog(folder).path;
    if (request.outDir.isEmpty())
        return std::nullopt;
    request.templatePath = form.FileName.text;
    return request;
}

QString Plural(int count, const QString& one, const QString& many)
{
    return QString::number(count) + QLatin1Char(' ') + (count == 1 ? one : many);
}

QString Summary(const BatchOutcome& outcome, const QString& folder)
{
    QString text;
    if (outcome.cancelled)
        text += QStringLiteral("Cancelled after ") + QString::number(outcome.done) + QStringLiteral(" of ")
            + Plural(outcome.rows, QStringLiteral("row"), QStringLiteral("rows")) + QStringLiteral(".\r\n");
    text += Plural(outcome.written, QStringLiteral("page was"), QStringLiteral("pages were")) + QStringLiteral(" written to ")
        + folder + QLatin1Char('.');
    if (!outcome.error.isEmpty())
        text += QStringLiteral("\r\n") + outcome.error;
    if (outcome.failures.isEmpty())
        return text;
    text += QStringLiteral("\r\n\r\n") + Plural(static_cast<int>(outcome.failures.size()), QStringLiteral("row was"), QStringLiteral("rows were"))
        + QStringLiteral(" not written:");
    for (qsizetype k = 0; k < outcome.failures.size() && k < kListedFailures; ++k) {
        QString line = DescribeFailure(outcome.failures[k]);
        line[0] = line[0].toUpper();
        text += QStringLiteral("\r\n") + line;
    }
    if (outcome.failures.size() > kListedFailures)
        text += QStringLiteral("\r\n... and ") + QString::number(outcome.failures.size() - kListedFailures) + QStringLiteral(" more.");
    return text;
}

}  // namespace

bool BatchAvailable(const FormState& form)
{
    return !form.ImportRunning && !form.MarkupText.Text().isEmpty();
}

void MenuFileBatch_Click(FormState& form)
{
    if (!BatchAvailable(form))
        return;
    const std::optional<BatchRequest> request = AskForRequest(form);
    if (!request)
        return;
    QString error;
    std::optional<CsvTable> table = ReadBatchTable(form.files(), request->rowsPath, error);
    if (!table) {
        Complain(form, error);
        return;
    }
    // The template as the markup screen holds it now, imported apart from the window.
    KeptDialogs dialogs;
    HeadlessSession session(form.folders, dialogs, form.files());
    if (!session.ImportMarkupOf(form)) {
        Complain(form, QStringLiteral("The template could not be imported for the pages:\r\n") + dialogs.lines.join(QStringLiteral("\r\n")));
        return;
    }
    const int rows = static_cast<int>(table->rows.size());
    std::unique_ptr<ProgressBox> progress =
        form.dialogs().Progress(kBatchTitle, QStringLiteral("Making the pages ..."), rows);
    const BatchOutcome outcome = MakeBatchPages(session.form(), dialogs, std::move(*table), *request,
                                                [&](int done) { return progress->Advance(done); });
    progress.reset();
    if (!outcome.error.isEmpty() && outcome.written == 0 && outcome.done == 0) {
        Complain(form, outcome.error);
        return;
    }
    const bool clean = outcome.failures.isEmpty() && outcome.error.isEmpty() && !outcome.cancelled;
    form.dialogs().Message(kBatchTitle, Summary(outcome, request->outDir), MsgButtons::Ok,
                           clean ? MsgIcon::Information : MsgIcon::Exclamation);
}
