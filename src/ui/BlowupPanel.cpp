#include "BlowupPanel.h"

#include "FileDropFilter.h"
#include "KeyForwarder.h"
#include "RichTextView.h"
#include "WidgetKit.h"
#include "authoring/FieldKeys.h"
#include "editscreen/FieldDrops.h"
#include "shell/EditInsertion.h"
#include "shell/FieldEvents.h"
#include "shell/FormState.h"
#include "shell/ScreenTag.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

namespace {

struct EditButtonText {
    const char* caption;
    const char* toolTip;
};

const EditButtonText kEditButtons[] = {
    {"B", " <b> Bold Text </b> "},
    {"I", " <i> Italic Text </i> "},
    {"U", " <u> Underline Text </u> "},
    {"\u2022", " <li> Bullet List Item </li> "},
    {"-", " <small> Smaller Text </small> "},
    {"+", " <big> Bigger Text </big> "},
    {"sp", " No-Break space   &nbsp; "},
    {"br", " Line Break <br>   or Paragraph<br><br>"},
    {"Clear", " Clear minor Tags in highlighted text. Will not erase text. "},
};

// The narrowest width at which the button shows its whole caption, with half a blank of room
// on either side: the caption's width in the button's font and what the style keeps around it.
int WidthForCaption(const QPushButton* button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.rect = QRect(0, 0, 1000, qMax(1, button->height()));
    const QRect contents = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    const QFontMetrics metrics = button->fontMetrics();
    return metrics.horizontalAdvance(button->text()) + metrics.horizontalAdvance(QLatin1Char(' ')) + option.rect.width()
           - contents.width();
}

}  // namespace

BlowupPanel::BlowupPanel(FormState& form, QWidget* parent) : QFrame(parent), form_(form), scale_(TwipsScale::Of(this))
{
    setObjectName(QStringLiteral("Blowup"));
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    BuildEditButtons();
    label_ = MakeLabel(QString(), this, QStringLiteral("BlowupLabel"));
    editor_ = new RichTextView(form_.Blowup.DataBlowup, this);
    editor_->setObjectName(QStringLiteral("DataBlowup"));
    editor_->setAcceptRichText(false);
    editor_->setAccessibleName(QStringLiteral("Enlarged field"));
    WireEditor();
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
    // OK and Cancel as wide as their captions (with a blank each side), not the style's
    // usual button width: the room goes to the hint.
    for (QPushButton* button : buttons_) {
        const int blank = button->fontMetrics().horizontalAdvance(QLatin1Char(' '));
        button->setFixedWidth(WidthForCaption(button) + 2 * blank);
    }
    row->addWidget(buttons_[1]);
    row->addWidget(buttons_[0]);
    for (int k = 0; k < 2; ++k)
        connect(buttons_[static_cast<size_t>(k)], &QPushButton::clicked, this, [this, k] { BlowupButton_Click(form_, k); });
    hide();
}

void BlowupPanel::BuildEditButtons()
{
    editButtonFrame_ = new QWidget(this);
    editButtonFrame_->setObjectName(QStringLiteral("EditButtonFrame"));
    auto* row = new QHBoxLayout(editButtonFrame_);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    for (int k = 0; k < static_cast<int>(editButtons_.size()); ++k) {
        const EditButtonText& text = kEditButtons[k];
        QPushButton* button = MakeButton(QString::fromUtf8(text.caption), editButtonFrame_, QStringLiteral("EditButton%1").arg(k),
                                         QString::fromUtf8(text.toolTip));
        button->setAccessibleName(QString::fromUtf8(text.toolTip).trimmed());
        // The row works on the editor's selection: clicking it leaves the focus in the editor.
        button->setFocusPolicy(Qt::NoFocus);
        row->addWidget(button, k == 8 ? 2 : 1);
        connect(button, &QPushButton::clicked, this, [this, k] { EditButton_Click(form_, k); });
        editButtons_[static_cast<size_t>(k)] = button;
    }
    editButtonFrame_->hide();
}

void BlowupPanel::WireEditor()
{
    KeyForwarder::Install(
        editor_, [this](int& keyCode, int shift) { DataBlowup_KeyDown(form_, form_.Blowup, keyCode, shift); },
        [this](int& keyAscii) { DataBlowup_KeyPress(form_, keyAscii); });
    FileDropFilter::Install(editor_->viewport(), FieldDropAccepted, [this](const QStringList& files, int shift) {
        DataBlowup_OLEDragDrop(form_, form_.Blowup, files, shift);
    });
    connect(&form_.Blowup.DataBlowup, &RichTextBox::changed, this, &BlowupPanel::DataBlowup_Change);
}

void BlowupPanel::DataBlowup_Change()
{
    const QString size = QString::number(form_.Blowup.DataBlowup.Length());
    if (size_->text() != size)
        size_->setText(size);
}

void BlowupPanel::Sync()
{
    DataBlowup_Change();
    if (label_->text() != form_.Blowup.label) {
        label_->setText(form_.Blowup.label);
        editor_->setAccessibleName(form_.Blowup.label.isEmpty() ? QStringLiteral("Enlarged field") : form_.Blowup.label);
    }
    editButtonFrame_->setVisible(form_.Blowup.EditButtonFrameVisible);
    PlaceLabel();
    const bool appearing = form_.Blowup.visible && isHidden();
    const bool closingWithFocus = !form_.Blowup.visible && isVisible() && isAncestorOf(QApplication::focusWidget());
    if (appearing)
        returnFocus_ = QApplication::focusWidget();
    // The focus moves before the panel hides, so that it never passes through another control.
    if (closingWithFocus && ScreenOf(form_) == Screen::Edit && returnFocus_ && returnFocus_->isVisible())
        returnFocus_->setFocus(Qt::OtherFocusReason);
    setVisible(form_.Blowup.visible);
    if (appearing)
        editor_->setFocus(Qt::OtherFocusReason);
}

void BlowupPanel::ApplyLayout(const TwipsScale& scale)
{
    scale_ = scale;
    const WindowLayoutModel& l = form_.layout;
    Place(this, scale, l.Blowup);
    PlaceEditButtons();
    PlaceLabel();
    Place(editor_, scale, l.DataBlowup);
    Place(buttonFrame_, scale, l.BlowupButtonFrame);
    buttonFrame_->layout()->setContentsMargins(scale.X(120), 0, scale.X(120), 0);
}

void BlowupPanel::PlaceEditButtons()
{
    for (QPushButton* button : editButtons_)
        button->setMinimumWidth(WidthForCaption(button));
    Place(editButtonFrame_, scale_, form_.layout.EditButtonFrame);
    // Only a font too large for the row widens it: every caption is shown whole.
    const int needed = editButtonFrame_->layout()->minimumSize().width();
    editRowExtra_ = qMax(0, needed - editButtonFrame_->width());
    if (editRowExtra_ > 0)
        editButtonFrame_->resize(needed, editButtonFrame_->height());
}

void BlowupPanel::PlaceLabel()
{
    Place(label_, scale_, form_.layout.BlowupLabel);
    if (form_.Blowup.EditButtonFrameVisible && editRowExtra_ > 0)
        label_->move(label_->x() + editRowExtra_, label_->y());
}
