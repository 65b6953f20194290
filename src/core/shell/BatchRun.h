#pragma once
// Many pages from one template: each row of a table gives the values of one page. The first
// row names what each column sets, as the export's --set and --include do: a prompt (every field
// of that prompt), "@N" (field N), or "include:NAME" / "include:@N" (a section checkbox, yes or
// no). Every row starts from the template's own values, and Make HTML draws a new random code for
// each. The pages are staged as they are made and put in place together at the end.
#include "CsvTable.h"
#include "editscreen/EditScreenControls.h"
#include "platform/StagedFiles.h"

#include <QHash>
#include <memory>
#include <vector>

class FormState;
class StderrDialogs;

class BatchRun {
public:
    struct Failure {
        int row = 0;   // from 1, as the page numbers count
        int line = 0;  // where the row starts in the table's file
        QString message;
    };

    // `form` holds the imported template; its boxes go to `dialogs`.
    BatchRun(FormState& form, StderrDialogs& dialogs, CsvTable table);
    ~BatchRun();

    // Checks every column against the template and the name column (empty: pages are numbered
    // 0001.htm, 0002.htm, ...) against the header. False and the reason when one names nothing.
    bool Prepare(const QString& nameColumn, QString& error);
    // Makes the folder (throws AppError when it cannot be made).
    void OpenFolder(const QString& folder);

    int Rows() const { return static_cast<int>(table_.rows.size()); }
    // Makes row k's page (from 0) and stages it; false when its Make HTML failed. The page is
    // written while the next rows are made.
    bool RunRow(int k);
    // Adds the rows whose page could not be written to the failures and puts the other staged
    // pages in place (throws AppError).
    void Commit();

    int Written() const { return written_; }
    const QList<Failure>& Failures() const { return failures_; }

    // The name a page gets for a wanted name (blank: the row number): characters a file name
    // cannot hold become "_", and a name already taken in this batch gets "-2", "-3", ...
    QString PageName(const QString& wanted, int row);

private:
    struct Column {
        bool include = false;
        QString target;
    };
    void Restore();
    bool Fail(int k, const QString& message);

    FormState& form_;
    StderrDialogs& dialogs_;
    CsvTable table_;
    QList<Column> columns_;
    int nameColumn_ = -1;
    std::vector<EditField> fields_;
    std::vector<FieldOption> options_;
    std::vector<FieldGroup> groups_;
    std::unique_ptr<StagedFiles> output_;
    QHash<QString, int> rowOfPage_;  // the page names taken in this batch -> their row, from 0
    QList<Failure> failures_;
    int written_ = 0;
};
