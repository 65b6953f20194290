#include "AdvancedSettingsPanel.h"

#include "WidgetKit.h"
#include "shell/AdvancedSettings.h"
#include "shell/FormState.h"
#include "shell/TplAssociation.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>

namespace {

void SetTextIfChanged(QLineEdit* box, const QString& text)
{
    if (box->text() != text)
        box->setText(text);
}

}  // namespace

AdvancedSettingsPanel::AdvancedSettingsPanel(FormState& form, QWidget* parent) : QFrame(parent), form_(form)
{
    namespace T = AdvancedSettingsText;
    AdvancedSettingsState& state = form_.AdvSettings;
    setObjectName(QStringLiteral("AdvSettings"));
    // A window too low for the panel scrolls it instead of hiding its buttons.
    scroll_ = new QScrollArea(this);
    scroll_->setFrameShape(QFrame::NoFrame);
    content_ = new QFrame;
    content_->setFrameShape(QFrame::Box);
    content_->setFrameShadow(QFrame::Plain);
    content_->setLineWidth(1);
    content_->setAutoFillBackground(true);
    scroll_->setWidget(content_);
    QWidget* const panel = content_;

    heading_ = MakeLabel(T::Heading, panel, QStringLiteral("AdvSettingsHeading"));
    QFont bold = heading_->font();
    bold.setBold(true);
    heading_->setFont(bold);

    templateLabel_ = MakeLabel(T::TemplateLabel, panel, QStringLiteral("AdvSettingsTemplateLabel"), T::TemplateLabelTip);
    templateBox_ = MakeLineEdit(panel, QStringLiteral("AdvSettingsTemplate"), T::TemplateTip);
    templateBox_->setAccessibleName(T::TemplateLabel);
    connect(templateBox_, &QLineEdit::textEdited, this, [&state](const QString& text) { state.templateText = text; });
    splashLabel_ = MakeLabel(T::SplashLabel, panel, QStringLiteral("AdvSettingsSplashLabel"), T::SplashLabelTip);
    splashBox_ = MakeLineEdit(panel, QStringLiteral("AdvSettingsSplash"), T::SplashTip);
    splashBox_->setAccessibleName(T::SplashLabel);
    connect(splashBox_, &QLineEdit::textEdited, this, [&state](const QString& text) { state.splashText = text; });

    lock_ = new QCheckBox(T::Lock, panel);
    lock_->setObjectName(QStringLiteral("AdvSettingsLock"));
    lock_->setToolTip(T::LockTip);
    // AdvSettingsLock_Click does nothing: the tick is only read by Save & Reload.
    connect(lock_, &QCheckBox::clicked, this, [&state](bool checked) { state.lockChecked = checked; });
    lockButton_ = MakeButton(state.lockButtonCaption, panel, QStringLiteral("AdvSettingsLockButton"), T::LockButtonTip);
    connect(lockButton_, &QPushButton::clicked, this, [this] {
        AdvSettingsLockButton_Click(form_);
        Sync();
    });
    associate_ = MakeButton(state.associateCaption, panel, QStringLiteral("AdvSettingsAssociate"), T::AssociateTip);
    connect(associate_, &QPushButton::clicked, this, [this] {
        AdvSettingsAssociate_Click(form_);
        Sync();
    });
    browse_ = MakeButton(T::Browse, panel, QStringLiteral("AdvSettingsBrowse"), T::BrowseTip);
    connect(browse_, &QPushButton::clicked, this, [this] { AdvSettingsBrowse_Click(form_); });

    captionHeading_ = MakeLabel(T::CaptionHeading, panel, QStringLiteral("AdvSettingsCaptionHeading"));
    linkHeading_ = MakeLabel(T::LinkHeading, panel, QStringLiteral("AdvSettingsLinkHeading"));
    AddRow(0);

    const char* names[] = {"AdvButton0", "AdvButton1"};
    const QString captions[] = {T::Cancel, T::Save};
    for (int k = 0; k < 2; ++k) {
        QPushButton* button = MakeButton(captions[k], panel, QLatin1String(names[k]));
        connect(button, &QPushButton::clicked, this, [this, k] {
            AdvButton_Click(form_, k);
            Sync();
        });
        buttons_[static_cast<size_t>(k)] = button;
    }
    // Whatever gets the focus inside is scrolled into view, however the focus came there.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now && content_->isAncestorOf(now))
            scroll_->ensureWidgetVisible(now);
    });
    hide();
}

void AdvancedSettingsPanel::AddRow(int i)
{
    namespace T = AdvancedSettingsText;
    const size_t k = static_cast<size_t>(i);
    AdvancedSettingsState& state = form_.AdvSettings;
    QLineEdit* item = MakeLineEdit(content_, QStringLiteral("AdvMenuItem%1").arg(i), T::MenuItemTip);
    QLineEdit* link = MakeLineEdit(content_, QStringLiteral("AdvMenuLink%1").arg(i), T::MenuLinkTip);
    item->setAccessibleName(T::CaptionHeading + QStringLiteral(" %1").arg(i + 1));
    link->setAccessibleName(T::LinkHeading + QStringLiteral(" %1").arg(i + 1));
    item->setText(state.menuItem[k]);
    link->setText(state.menuLink[k]);
    connect(item, &QLineEdit::textEdited, this, [&state, k](const QString& text) { state.menuItem[k] = text; });
    connect(link, &QLineEdit::textEdited, this, [&state, k](const QString& text) { state.menuLink[k] = text; });
    menuItems_[k] = item;
    menuLinks_[k] = link;
    if (i > 0) {
        // Tab order runs along the rows: caption, link, next caption.
        setTabOrder(menuLinks_[k - 1], item);
        setTabOrder(item, link);
    }
}

void AdvancedSettingsPanel::Sync()
{
    const AdvancedSettingsState& state = form_.AdvSettings;
    const AdvSettingsLayout& l = form_.layout.AdvSettings;
    const int rows = qBound(1, l.rows, static_cast<int>(menuItems_.size()));
    bool rowsAdded = false;
    for (int i = 1; i < rows; ++i) {
        if (!menuItems_[static_cast<size_t>(i)]) {
            AddRow(i);
            rowsAdded = true;
        }
    }
    if (rowsAdded) {
        setTabOrder(menuLinks_[static_cast<size_t>(rows - 1)], buttons_[0]);
        setTabOrder(buttons_[0], buttons_[1]);
    }
    ApplyLayout(scale_);  // the panel stands below the template name box, as tall as its rows

    SetTextIfChanged(templateBox_, state.templateText);
    SetTextIfChanged(splashBox_, state.splashText);
    lock_->setChecked(state.lockChecked);
    if (lockButton_->text() != state.lockButtonCaption)
        lockButton_->setText(state.lockButtonCaption);
    if (associate_->text() != state.associateCaption)
        associate_->setText(state.associateCaption);
    for (size_t k = 0; k < menuItems_.size(); ++k) {
        if (!menuItems_[k])
            continue;
        SetTextIfChanged(menuItems_[k], state.menuItem[k]);
        SetTextIfChanged(menuLinks_[k], state.menuLink[k]);
    }

    const bool appearing = state.visible && isHidden();
    setVisible(state.visible);
    if (state.visible)
        raise();
    if (appearing)
        templateBox_->setFocus(Qt::OtherFocusReason);
}

void AdvancedSettingsPanel::ApplyLayout(const TwipsScale& scale)
{
    scale_ = scale;
    const AdvSettingsLayout& l = form_.layout.AdvSettings;
    // The panel stands at its place, no taller than the window below it; its content keeps the
    // whole height and scrolls.
    const QRect whole = scale_.Rect(l.frame);
    content_->resize(whole.size());
    QRect shown = whole;
    if (parentWidget())
        shown.setHeight(qMax(0, qMin(whole.height(), parentWidget()->height() - whole.top())));
    SetGeometryIfChanged(this, shown);
    SetGeometryIfChanged(scroll_, rect());
    Place(heading_, scale_, l.heading);
    Place(templateLabel_, scale_, l.templateLabel);
    Place(templateBox_, scale_, l.templateBox);
    Place(splashLabel_, scale_, l.splashLabel);
    Place(splashBox_, scale_, l.splashBox);
    Place(lock_, scale_, l.lockCheck);
    Place(lockButton_, scale_, l.lockButton);
    Place(associate_, scale_, l.associateButton);
    Place(browse_, scale_, l.browseButton);
    Place(captionHeading_, scale_, l.captionHeading);
    Place(linkHeading_, scale_, l.linkHeading);
    for (size_t k = 0; k < menuItems_.size(); ++k) {
        if (!menuItems_[k])
            continue;
        Place(menuItems_[k], scale_, l.menuItem[k]);
        Place(menuLinks_[k], scale_, l.menuLink[k]);
        menuItems_[k]->show();
        menuLinks_[k]->show();
    }
    for (size_t k = 0; k < buttons_.size(); ++k)
        Place(buttons_[k], scale_, l.button[k]);
}
