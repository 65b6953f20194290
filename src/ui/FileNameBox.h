#pragma once
// The template name box (FileName): what the user types goes into the form state, Enter loads
// the template it names (FileName_KeyPress), and dropped template files are loaded
// (FileName_OLEDragOver, FileName_OLEDragDrop).
#include <QLineEdit>

class FormState;

class FileNameBox : public QLineEdit {
    Q_OBJECT
public:
    FileNameBox(FormState& form, QWidget* parent);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // True (and the drop accepted) when the drop carries a template the box takes now.
    bool Accepts(QDropEvent* event, QStringList& files);

    FormState& form_;
};
