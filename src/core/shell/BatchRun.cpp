#include "BatchRun.h"

#include "ExportCommand.h"
#include "FormState.h"
#include "html/MakeHtml.h"
#include "platform/AppError.h"
#include "platform/StderrDialogs.h"
#include "platform/TextCodec.h"

#include <algorithm>

namespace {

const QString kIncludePrefix = QStringLiteral("include:");
// Longest page name kept, in characters: with ".htm" and a "-N" it stays within the 255 bytes a
// file name may take even when every character needs three bytes.
constexpr int kNameLimit = 80;

bool Unsafe(QChar c)
{
    return c.unicode() < 0x20 || c.unicode() == 0x7F || QStringLiteral("/\\:*?\"<>|").contains(c);
}

QString SafeName(const QString& wanted)
{
    QString name = wanted.left(kNameLimit);
    for (QChar& c : name)
        if (Unsafe(c))
            c = QLatin1Char('_');
    // Blanks and dots at either end would hide the file or make "." and "..".
    qsizetype start = 0;
    qsizetype end = name.size();
    while (start < end && (name[start].isSpace() || name[start] == QLatin1Char('.')))
        ++start;
    while (end > start && (name[end - 1].isSpace() || name[end - 1] == QLatin1Char('.')))
        --end;
    return name.mid(start, end - start);
}

}  // namespace

BatchRun::BatchRun(FormState& form, StderrDialogs& dialogs, CsvTable table)
    : form_(form), dialogs_(dialogs), table_(std::move(table))
{
}

BatchRun::~BatchRun() = default;

bool BatchRun::Prepare(const QString& nameColumn, QString& error)
{
    fields_ = form_.screen.fields;
    options_ = form_.screen.options;
    groups_ = form_.screen.groups;
    columns_.clear();
    nameColumn_ = -1;
    ExportRequest check;
    for (qsizetype c = 0; c < table_.header.size(); ++c) {
        const QString heading = table_.header[c].trimmed();
        if (!nameColumn.isEmpty() && nameColumn_ < 0 && heading.compare(nameColumn.trimmed(), Qt::CaseInsensitive) == 0) {
            // The name column sets the fields it names, if any.
            nameColumn_ = static_cast<int>(c);
            QString unused;
            ExportRequest probe;
            probe.sets << ExportRequest::Setting{heading, QString()};
            const bool setsFields = ApplyExportSettings(form_, probe, unused);
            columns_ << Column{false, setsFields ? heading : QString()};
            continue;
        }
        if (heading.isEmpty()) {
            error = QStringLiteral("column ") + QString::number(c + 1) + QStringLiteral(" has no heading naming a field");
            return false;
        }
        Column column;
        column.include = heading.startsWith(kIncludePrefix, Qt::CaseInsensitive);
        column.target = column.include ? heading.mid(kIncludePrefix.size()).trimmed() : heading;
        (column.include ? check.includes : check.sets) << ExportRequest::Setting{column.target, QStringLiteral("yes")};
        columns_ << column;
    }
    if (!nameColumn.isEmpty() && nameColumn_ < 0) {
        error = QStringLiteral("--name ") + nameColumn + QStringLiteral(": no column has that heading");
        return false;
    }
    const bool matched = ApplyExportSettings(form_, check, error);
    Restore();
    return matched;
}

void BatchRun::OpenFolder(const QString& folder)
{
    output_ = std::make_unique<StagedFiles>(form_.files(), folder);
}

void BatchRun::Restore()
{
    form_.screen.fields = fields_;
    form_.screen.options = options_;
    form_.screen.groups = groups_;
}

bool BatchRun::Fail(int k, const QString& message)
{
    const CsvRow& row = table_.rows[k];
    failures_.append({k + 1, row.line, message});
    return false;
}

bool BatchRun::RunRow(int k)
{
    const CsvRow& row = table_.rows[k];
    Restore();
    ExportRequest request;
    for (qsizetype c = 0; c < columns_.size(); ++c) {
        const Column& column = columns_[c];
        const QString& value = row.fields[c];
        if (column.target.isEmpty()) {
            continue;
        } else if (!column.include) {
            request.sets << ExportRequest::Setting{column.target, value};
        } else if (!value.trimmed().isEmpty()) {
            const std::optional<bool> answer = IncludeAnswer(value);
            if (!answer)
                return Fail(k, kIncludePrefix + column.target + QStringLiteral(" \"") + value + QStringLiteral("\": ") + kIncludeValues);
            request.includes << ExportRequest::Setting{column.target, *answer ? QStringLiteral("yes") : QStringLiteral("no")};
        }
    }
    QString error;
    if (!ApplyExportSettings(form_, request, error))
        return Fail(k, error);
    const int failuresBefore = dialogs_.PageFailures();
    dialogs_.SetLinePrefix(QStringLiteral("row ") + QString::number(k + 1) + QStringLiteral(": "));
    MakeHtml(form_);
    dialogs_.SetLinePrefix(QString());
    if (dialogs_.PageFailures() != failuresBefore)
        return Fail(k, dialogs_.LastFailure());
    const QString name = PageName(nameColumn_ >= 0 ? row.fields[nameColumn_] : QString(), k + 1);
    output_->Stage(name, EncodeText(form_.HTMLtext.Text(), form_.TemplateEncoding));
    return true;
}

void BatchRun::Commit()
{
    for (const StagedFiles::Failure& failure : output_->Finish())
        Fail(rowOfPage_.value(failure.fileName), QStringLiteral("could not write ") + failure.fileName + QStringLiteral(": ") + failure.error.message());
    std::stable_sort(failures_.begin(), failures_.end(), [](const Failure& a, const Failure& b) { return a.row < b.row; });
    const int staged = output_->StagedCount();
    output_->Commit();
    written_ += staged;
}

QString BatchRun::PageName(const QString& wanted, int row)
{
    QString base = SafeName(wanted);
    if (base.isEmpty())
        base = QString::number(row).rightJustified(4, QLatin1Char('0'));
    QString name = base + QStringLiteral(".htm");
    for (int n = 2; rowOfPage_.contains(name); ++n)
        name = base + QLatin1Char('-') + QString::number(n) + QStringLiteral(".htm");
    rowOfPage_.insert(name, row - 1);
    return name;
}
