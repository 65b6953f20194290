#include "AdvancedSettingsPanel.h"

#include "shell/AdvancedSettings.h"
#include "shell/FormState.h"
#include "shell/TplAssociation.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QLabel* MakeLabel(const QString& text, const QString& toolTip, QWidget* parent, const char* name)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setToolTip(toolTip);
    return label;
}

QLineEdit* MakeBox(const QString& toolTip, QWidget* parent, const QString& name)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setToolTip(toolTip);
    return box;
}

QPushButton* MakeButton(const QString& caption, const QString& toolTip, QWidget* parent, const char* name)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(toolTip);
    button->setAutoDefault(false);
    return button;
}

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
    setFrameShape(QFrame::Box);
    setFrameShadow(QFrame::Plain);
    setLineWidth(1);
    setAutoFillBackground(true);

    heading_ = MakeLabel(T::Heading, QString(), this, "AdvSettingsHeading");
    QFont bold = heading_->font();
    bold.setBold(true);
    heading_->setFont(bold);

    templateLabel_ = MakeLabel(T::TemplateLabel, T::TemplateLabelTip, this, "AdvSettingsTemplateLabel");
    templateBox_ = MakeBox(T::TemplateTip, this, QStringLiteral("AdvSettingsTemplate"));
    connect(templateBox_, &QLineEdit::textEdited, this, [&state](const QString& text) { state.templateText = text; });
    splashLabel_ = MakeLabel(T::SplashLabel, T::SplashLabelTip, this, "AdvSettingsSplashLabel");
    splashBox_ = MakeBox(T::SplashTip, this, QStringLiteral("AdvSettingsSplash"));
    connect(splashBox_, &QLineEdit::textEdited, this, [&state](const QString& text) { state.splashText = text; });

    lock_ = new QCheckBox(T::Lock, this);
    lock_->setObjectName(QStringLiteral("AdvSettingsLock"));
    lock_->setToolTip(T::LockTip);
    // AdvSettingsLock_Click does nothing: the tick is only read by Save & Reload.
    connect(lock_, &QCheckBox::clicked, this, [&state](bool checked) { state.lockChecked = checked; });
    lockButton_ = MakeButton(state.lockButtonCaption, T::LockButtonTip, this, "AdvSettingsLockButton");
    connect(lockButton_, &QPushButton::clicked, this, [this] {
        AdvSettingsLockButton_Click(form_);
        Sync();
    });
    associate_ = MakeButton(state.associateCaption, T::AssociateTip, this, "AdvSettingsAssociate");
    connect(associate_, &QPushButton::clicked, this, [this] {
        AdvSettingsAssociate_Click(form_);
        Sync();
    });
    browse_ = MakeButton(T::Browse, T::BrowseTip, this, "AdvSettingsBrowse");
    connect(browse_, &QPushButton::clicked, this, [this] { AdvSettingsBrowse_Click(form_); });

    captionHeading_ = MakeLabel(T::CaptionHeading, QString(), this, "AdvSettingsCaptionHeading");
    linkHeading_ = MakeLabel(T::LinkHeading, QString(), this, "AdvSettingsLinkHeading");
    AddRow(0);

    const char* names[] = {"AdvButton0", "AdvButton1"};
    const QString captions[] = {T::Cancel, T::Save};
    for (int k = 0; k < 2; ++k) {
        QPushButton* button = MakeButton(captions[k], QString(), this, names[k]);
        connect(button, &QPushButton::clicked, this, [this, k] {
            AdvButton_Click(form_, k);
            Sync();
        });
        buttons_[static_cast<size_t>(k)] = button;
    }
    hide();
}

void AdvancedSettingsPanel::AddRow(int i)
{
    namespace T = AdvancedSettingsText;
    const size_t k = static_cast<size_t>(i);
    AdvancedSettingsState& state = form_.AdvSettings;
    QLineEdit* item = MakeBox(T::MenuItemTip, this, QStringLiteral("AdvMenuItem%1").arg(i));
    QLineEdit* link = MakeBox(T::MenuLinkTip, this, QStringLiteral("AdvMenuLink%1").arg(i));
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

void AdvancedSettingsPanel::Place(QWidget* widget, const Geometry& g)
{
    const QRect r = scale_.Rect(g);
    if (widget->geometry() != r)
        widget->setGeometry(r);
}

void AdvancedSettingsPanel::ApplyLayout(const TwipsScale& scale)
{
    scale_ = scale;
    const AdvSettingsLayout& l = form_.layout.AdvSettings;
    Place(this, l.frame);
    Place(heading_, l.heading);
    Place(templateLabel_, l.templateLabel);
    Place(templateBox_, l.templateBox);
    Place(splashLabel_, l.splashLabel);
    Place(splashBox_, l.splashBox);
    Place(lock_, l.lockCheck);
    Place(lockButton_, l.lockButton);
    Place(associate_, l.associateButton);
    Place(browse_, l.browseButton);
    Place(captionHeading_, l.captionHeading);
    Place(linkHeading_, l.linkHeading);
    for (size_t k = 0; k < menuItems_.size(); ++k) {
        if (!menuItems_[k])
            continue;
        Place(menuItems_[k], l.menuItem[k]);
        Place(menuLinks_[k], l.menuLink[k]);
        menuItems_[k]->show();
        menuLinks_[k]->show();
    }
    for (size_t k = 0; k < buttons_.size(); ++k)
        Place(buttons_[k], l.button[k]);
}
