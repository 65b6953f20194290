#include "ColorEditorView.h"

#include "WidgetKit.h"
#include "editscreen/ColorEditor.h"
#include "shell/FormState.h"

#include <QLineEdit>
#include <QToolButton>

namespace {

constexpr Geometry kFrame{120, 450, 2580, 360};
constexpr Geometry kText{0, 0, 1320, 360};
constexpr Geometry kButton{1380, 0, 360, 360};
constexpr Geometry kCircle{1800, 15, 330, 330};
constexpr Geometry kBox{2220, 15, 330, 330};

}  // namespace

ColorEditorView::ColorEditorView(FormState& form, QWidget* parent) : QWidget(parent), form_(form)
{
    setObjectName(QStringLiteral("EditColorFrame"));
    ColorEditorState& editor = form_.EditColor;
    text_ = MakeLineEdit(this, QStringLiteral("EditColorTxt"), ColorEditorState::kTextToolTip);
    text_->setAccessibleName(QStringLiteral("Color code"));
    connect(text_, &QLineEdit::textEdited, this, [&editor](const QString& text) { editor.text = text; });
    connect(text_, &QLineEdit::returnPressed, this, [this, &editor] {
        editor.text = text_->text();
        if (EditColorTxt_KeyPress(editor, 13))
            form_.NotifyChanged();
    });
    button_ = new QToolButton(this);
    button_->setObjectName(QStringLiteral("EditColorBtn"));
    button_->setToolTip(ColorEditorState::kButtonToolTip);
    button_->setAccessibleName(ColorEditorState::kButtonToolTip);
    button_->setText(QStringLiteral("..."));
    connect(button_, &QToolButton::clicked, this, [this, &editor] {
        if (EditColorBtn_Click(editor, form_.dialogs()))
            form_.NotifyChanged();
    });
    circle_ = new CircleSwatch(this);
    circle_->setObjectName(QStringLiteral("EditColorCir"));
    box_ = new ClickLabel(this);
    box_->setObjectName(QStringLiteral("EditColorBox"));
    box_->setToolTip(ColorEditorState::kBoxToolTip);
    box_->setAccessibleName(ColorEditorState::kBoxToolTip);
    box_->setFrameShape(QFrame::Box);
    connect(box_, &ClickLabel::clicked, this, [this, &editor] {
        if (EditColorBox_Click(editor, form_.dialogs()))
            form_.NotifyChanged();
    });
}

void ColorEditorView::Sync()
{
    ColorEditorState& editor = form_.EditColor;
    if (text_->text() != editor.text)
        text_->setText(editor.text);
    circle_->SetColor(ToQColor(editor.swatchColor));
    SetBackground(box_, ToQColor(editor.swatchColor));
    if (editor.selectAllRequested) {
        editor.selectAllRequested = false;
        text_->selectAll();
        text_->setFocus(Qt::OtherFocusReason);
    }
}

void ColorEditorView::ApplyLayout(const TwipsScale& scale)
{
    Place(this, scale, kFrame);
    Place(text_, scale, kText);
    Place(button_, scale, kButton);
    Place(circle_, scale, kCircle);
    Place(box_, scale, kBox);
}
