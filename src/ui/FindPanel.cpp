#include "FindPanel.h"

#include "WidgetKit.h"
#include "shell/FindCommands.h"
#include "shell/FormState.h"

#include <QLineEdit>
#include <QPushButton>

FindPanel::FindPanel(FormState& form, QWidget* parent) : QFrame(parent), form_(form)
{
    setObjectName(QStringLiteral("FindFrame"));
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    labels_[0] = MakeLabel(QStringLiteral("Find what?"), this);
    findBox_ = MakeLineEdit(this, QStringLiteral("FindBox"));
    findBox_->setAccessibleName(QStringLiteral("Find what?"));
    labels_[1] = MakeLabel(QStringLiteral("Replace"), this);
    replaceBox_ = MakeLineEdit(this, QStringLiteral("ReplaceBox"));
    replaceBox_->setAccessibleName(QStringLiteral("Replace"));
    connect(findBox_, &QLineEdit::textEdited, this, [this](const QString& text) { form_.Find.findText = text; });
    connect(replaceBox_, &QLineEdit::textEdited, this, [this](const QString& text) { form_.Find.replaceText = text; });
    connect(findBox_, &QLineEdit::returnPressed, this, [this] {
        if (form_.FindEnabled)
            FindButton_Click(form_, 1);
    });
    const char* captions[] = {"Cancel", "Find Next", "Replace"};
    for (int k = 0; k < 3; ++k) {
        buttons_[static_cast<size_t>(k)] = MakeButton(QString::fromLatin1(captions[k]), this, QStringLiteral("FindButton%1").arg(k));
        connect(buttons_[static_cast<size_t>(k)], &QPushButton::clicked, this, [this, k] { FindButton_Click(form_, k); });
    }
    setTabOrder(findBox_, replaceBox_);
    setTabOrder(replaceBox_, buttons_[1]);
    setTabOrder(buttons_[1], buttons_[2]);
    setTabOrder(buttons_[2], buttons_[0]);
    hide();
}

void FindPanel::Sync()
{
    if (findBox_->text() != form_.Find.findText)
        findBox_->setText(form_.Find.findText);
    if (replaceBox_->text() != form_.Find.replaceText)
        replaceBox_->setText(form_.Find.replaceText);
    buttons_[1]->setEnabled(form_.FindEnabled);
    buttons_[2]->setEnabled(form_.FindEnabled);
    setVisible(form_.Find.visible);
    if (focusRequestsSeen_ != form_.Find.focusRequests) {
        focusRequestsSeen_ = form_.Find.focusRequests;
        QLineEdit* box = form_.Find.focusBox == FindBoxId::Replace ? replaceBox_ : findBox_;
        if (form_.Find.visible) {
            raise();
            box->selectAll();
            box->setFocus(Qt::OtherFocusReason);
        }
    }
}

void FindPanel::mousePressEvent(QMouseEvent* event)
{
    raise();
    QFrame::mousePressEvent(event);
}

void FindPanel::ApplyLayout(const TwipsScale& scale)
{
    Place(this, scale, form_.layout.FindFrame);
    Place(labels_[0], scale, {120, 120, 1200, 270});
    Place(findBox_, scale, {1320, 90, 2760, 330});
    Place(labels_[1], scale, {120, 600, 1200, 270});
    Place(replaceBox_, scale, {1320, 570, 2760, 330});
    Place(buttons_[1], scale, {120, 1140, 1260, 390});
    Place(buttons_[2], scale, {1440, 1140, 1260, 390});
    Place(buttons_[0], scale, {2760, 1140, 1260, 390});
}
