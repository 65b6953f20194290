#include "MarkupScreenView.h"

#include "KeyForwarder.h"
#include "RichTextView.h"
#include "WidgetKit.h"
#include "authoring/EditorEvents.h"
#include "platform/KeyCodes.h"
#include "authoring/TagButtons.h"
#include "shell/FindCommands.h"
#include "shell/FormState.h"
#include "shell/StartUp.h"

#include <QMouseEvent>
#include <QStyle>
#include <QToolButton>

namespace {

// Controls the resize rules leave alone keep these design-time places (twips, in the frame).
constexpr Geometry kBadge{120, 90, 660, 300};
constexpr Geometry kTitle{900, 105, 6600, 270};
constexpr Geometry kSizeCaption{7560, 105, 900, 270};
constexpr Geometry kSizeValue{8520, 105, 900, 270};
constexpr Geometry kTagButtonFrame{120, 450, 7800, 360};

}  // namespace

MarkupScreenView::MarkupScreenView(FormState& form, QWidget* parent) : QFrame(parent), form_(form), scale_(TwipsScale::Of(this))
{
    setObjectName(QStringLiteral("MarkupFrame"));
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    badge_ = MakeBadge(QStringLiteral("SHIP"), this, QStringLiteral("MarkupBadge"));
    title_ = MakeLabel(QStringLiteral("Enter or paste code or Drag-Drop a Template filename"), this, QStringLiteral("MarkupTitle"));
    sizeCaption_ = MakeLabel(QStringLiteral("code size:"), this, QStringLiteral("MarkupSizeCaption"));
    size_ = MakeLabel(QString(), this, QStringLiteral("MarkupSize"));

    tagButtonFrame_ = new QWidget(this);
    tagButtonFrame_->setObjectName(QStringLiteral("TagButtonFrame"));
    for (size_t k = 0; k < form_.TagButton.size(); ++k) {
        const TagButtonState& state = form_.TagButton[k];
        if (!state.exists)
            continue;
        auto* button = new QToolButton(tagButtonFrame_);
        button->setObjectName(QStringLiteral("TagButton%1").arg(k));
        button->setText(state.caption);
        button->setToolTip(state.toolTip);
        button->setAccessibleName(state.toolTip.trimmed());
        button->setFocusPolicy(Qt::NoFocus);
        if (k == 31)
            button->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
        else if (k == 40)
            button->setIcon(PaletteIcon(16));
        tagButtons_[k] = button;
        connect(button, &QToolButton::clicked, this, [this, index = static_cast<int>(k)] {
            TagButton_Click(form_, index, form_.TagButtonFrameEnabled);
            form_.NotifyChanged();
        });
    }

    markupText_ = new RichTextView(form_.MarkupText, this);
    markupText_->setObjectName(QStringLiteral("MarkupText"));
    markupText_->setAccessibleName(QStringLiteral("Template code"));
    markupText_->setFont(MarkupFont());
    // Tab types a tab into the template; the screen keys and the menus lead out of the box.
    markupText_->setTabChangesFocus(false);
    KeyForwarder::Install(
        markupText_, [this](int& keyCode, int shift) { MarkupText_KeyDown(form_, keyCode, shift); },
        [this](int& keyAscii) { MarkupText_KeyPress(form_, keyAscii); });
    customLogo_ = new ClickLabel(this);
    customLogo_->setObjectName(QStringLiteral("CustomLogo"));
    customLogo_->setAlignment(Qt::AlignCenter);
    customLogo_->setAutoFillBackground(true);
    customLogo_->hide();
    connect(customLogo_, &ClickLabel::clicked, this, [this] { CustomLogo_Click(form_); });
}

void MarkupScreenView::Sync()
{
    size_->setText(form_.MarkupSize);
    for (size_t k = 0; k <= 20; ++k)
        if (tagButtons_[k])
            SetBackground(tagButtons_[k], ToQColor(form_.TagButton[k].backColor));
    tagButtonFrame_->setVisible(form_.TagButtonFrameVisible);
    tagButtonFrame_->setEnabled(form_.TagButtonFrameEnabled);
    SyncLogo();
}

void MarkupScreenView::SyncLogo()
{
    // A locked markup is hidden whole behind the logo: no edge of it shows, and nothing typed
    // can reach it.
    markupText_->setVisible(!(form_.CustomLogoVisible && form_.MarkupLocked));
    if (!form_.CustomLogoVisible) {
        customLogo_->hide();
        return;
    }
    const QSize size = customLogo_->size();
    if (!form_.CustomLogoPicture.isNull() && size.width() > 0 && size.height() > 0) {
        const qreal ratio = devicePixelRatioF();
        QPixmap picture = QPixmap::fromImage(form_.CustomLogoPicture.scaled(size * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        picture.setDevicePixelRatio(ratio);
        customLogo_->setPixmap(picture);
    } else {
        customLogo_->clear();
    }
    customLogo_->show();
    customLogo_->raise();
}

void MarkupScreenView::ApplyLayout(const TwipsScale& scale)
{
    scale_ = scale;
    const WindowLayoutModel& l = form_.layout;
    Place(this, scale_, l.MarkupFrame);
    Place(badge_, scale_, kBadge);
    Place(title_, scale_, kTitle);
    Place(sizeCaption_, scale_, kSizeCaption);
    Place(size_, scale_, kSizeValue);
    Place(tagButtonFrame_, scale_, kTagButtonFrame);
    int x = 0;
    for (size_t k = 0; k < tagButtons_.size(); ++k) {
        if (!tagButtons_[k])
            continue;
        const int width = k == 30 ? 720 : (k == 20 ? 450 : 360);
        if (k == 20 || k == 30)
            x += 120;  // a little gap between the groups
        Place(tagButtons_[k], scale_, {x, 0, width, kTagButtonFrame.height});
        x += width + 30;
    }
    Place(markupText_, scale_, l.MarkupText);
    Place(customLogo_, scale_, l.CustomLogo);
    if (form_.CustomLogoVisible)
        SyncLogo();  // the logo picture follows its new size
}

void MarkupScreenView::mousePressEvent(QMouseEvent* event)
{
    const int button = event->button() == Qt::LeftButton ? 1 : event->button() == Qt::RightButton ? 2 : 4;
    MarkupFrame_MouseDown(form_, button, ShiftState(event->modifiers()));
    QFrame::mousePressEvent(event);
}
