#pragma once
// The template check's list on the markup screen: one line per finding, "LINE:COLUMN: message".
// A double click (or Enter) on a line puts the markup box's caret on its place. The list stays
// open beside the window while the designer mends the template; "Check Again" reads the markup
// anew.
#include <QDialog>

class FormState;
class QListWidget;

class CheckListDialog : public QDialog {
    Q_OBJECT
public:
    CheckListDialog(FormState& form, QWidget* parent);

    // Checks the markup as it stands and lists what was found.
    void Refresh();
    QListWidget* list() const { return list_; }

private:
    FormState& form_;
    QListWidget* list_ = nullptr;
};
