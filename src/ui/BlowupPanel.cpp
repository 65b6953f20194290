#include "BlowupPanel.h"

#include "RichTextView.h"
#include "WidgetKit.h"
#include "shell/FormState.h"
#include "shell/ScreenCommands.h"

#include <QHBoxLayout>
#include <QPushButton>

BlowupPanel::BlowupPanel(FormState& form, QWidget* parent) : QFrame(parent), form_(form)
{
    setObjectName(QStringLiteral("Blowup"));
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    label_ = MakeLabel(QString(), this, QStringLiteral("BlowupLabel"));
    editor_ = new RichTextView(form_.Blowup.DataBlowup, this);
    editor_->setObjectName(QStringLiteral("DataBlowup"));
    editor_->setAcceptRichText(false);
    editor_->setAccessibleName(QStringLiteral("Enlarged field"));
    buttonFrame_ = new QWidget(this);
    buttonFrame_->setObjectName(QStringLiteral("BlowupButtonFrame"));
    auto* row = new QHBoxLayout(buttonFrame_);
    row->addWidget(MakeLabel(QStringLiteral("32,000-character limit."), buttonFrame_));
    row->addWidget(MakeLabel(QStringLiteral("Size:"), buttonFrame_));
    size_ = MakeLabel(QString(), buttonFrame_, QStringLiteral("BlowupSize"));
    row->addWidget(size_);
    row->addWidget(MakeLabel(QStringLiteral("Use Ctrl-Enter or Ctrl-Space to add HTML Line breaks or spaces."), buttonFrame_));
    row->addStretch();
    buttons_[1] = MakeButton(QStringLiteral("OK"), buttonFrame_, QStringLiteral("BlowupButton1"));
    buttons_[0] = MakeButton(QStringLiteral("Cancel"), buttonFrame_, QStringLiteral("BlowupButton0"));
    row->addWidget(buttons_[1]);
    row->addWidget(buttons_[0]);
    for (int k = 0; k < 2; ++k)
        connect(buttons_[static_cast<size_t>(k)], &QPushButton::clicked, this, [this, k] { BlowupButton_Click(form_, k); });
    hide();
}

void BlowupPanel::Sync()
{
    const QString size = QString::number(form_.Blowup.DataBlowup.Length());
    if (size_->text() != size)
        size_->setText(size);
    if (label_->text() != form_.Blowup.label) {
        label_->setText(form_.Blowup.label);
        editor_->setAccessibleName(form_.Blowup.label.isEmpty() ? QStringLiteral("Enlarged field") : form_.Blowup.label);
    }
    const bool appearing = form_.Blowup.visible && isHidden();
    setVisible(form_.Blowup.visible);
    if (appearing)
        editor_->setFocus(Qt::OtherFocusReason);
}

void BlowupPanel::ApplyLayout(const TwipsScale& scale)
{
    const WindowLayoutModel& l = form_.layout;
    Place(this, scale, l.Blowup);
    Place(label_, scale, l.BlowupLabel);
    Place(editor_, scale, l.DataBlowup);
    Place(buttonFrame_, scale, l.BlowupButtonFrame);
    buttonFrame_->layout()->setContentsMargins(scale.X(120), 0, scale.X(120), 0);
}
