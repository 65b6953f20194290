#include "CheckListDialog.h"

#include "shell/FormState.h"
#include "shell/TemplateCheck.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

CheckListDialog::CheckListDialog(FormState& form, QWidget* parent) : QDialog(parent), form_(form)
{
    setObjectName(QStringLiteral("CheckList"));
    setWindowTitle(QStringLiteral("Check Template"));
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("CheckListItems"));
    list_->setMinimumWidth(560);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* again = buttons->addButton(QStringLiteral("Check &Again"), QDialogButtonBox::ActionRole);
    again->setObjectName(QStringLiteral("CheckListAgain"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    connect(again, &QPushButton::clicked, this, &CheckListDialog::Refresh);
    connect(list_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        const QVariant offset = item->data(Qt::UserRole);
        if (!offset.isValid())
            return;
        form_.MarkupText.Select(offset.toInt(), 0);
        form_.MarkupText.SetFocus();
        parentWidget()->activateWindow();
    });
    Refresh();
}

void CheckListDialog::Refresh()
{
    list_->clear();
    const QList<CheckFinding> findings = CheckMarkupOf(form_);
    for (const CheckFinding& finding : findings) {
        auto* item = new QListWidgetItem(QString::number(finding.line) + QLatin1Char(':') + QString::number(finding.column)
                                             + QStringLiteral(": ") + finding.message,
                                         list_);
        item->setData(Qt::UserRole, static_cast<int>(finding.offset));
    }
    if (findings.isEmpty())
        new QListWidgetItem(QStringLiteral("Nothing to report: the template holds no surprises."), list_);
    list_->setCurrentRow(0);
}
