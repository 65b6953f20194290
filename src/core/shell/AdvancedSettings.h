#pragma once
// The Advanced Settings panel: the start-up template, the splash image, the markup lock and
// the first ten Help-menu entries, edited and stored in the settings file.
#include "AdvancedSettingsState.h"

class FormState;

// The panel's captions and tool tips.
namespace AdvancedSettingsText {
inline const QString Heading = QStringLiteral("Customize Startup Defaults");
inline const QString TemplateLabel = QStringLiteral("Template:");
inline const QString TemplateLabelTip = QStringLiteral("Specify default startup template.");
inline const QString TemplateTip = QStringLiteral("Template file location must be relative to VarKit program (.tpl, .htm, .html, .txt)");
inline const QString SplashLabel = QStringLiteral("Splash Image:");
inline const QString SplashLabelTip = QStringLiteral("Specify custom splash image for markup screen.");
inline const QString SplashTip = QStringLiteral("Image file location must be relative to VarKit program (.bmp, .gif, .jpg)");
inline const QString Lock = QStringLiteral("Markup Locked");
inline const QString LockTip = QStringLiteral("Designates whether markup screen is locked and hidden. Save to change default.");
inline const QString LockButtonTip = QStringLiteral("Temporarily Lock/Unlock without changing default settings.");
inline const QString AssociateTip = QStringLiteral("Linked files with TPL extension will launch this program when clicked.");
inline const QString Browse = QStringLiteral("Browse ...");
inline const QString BrowseTip = QStringLiteral("Browse VarKit folder");
inline const QString CaptionHeading = QStringLiteral("Help Menu Caption");
inline const QString LinkHeading = QStringLiteral("Help Menu Link");
inline const QString MenuItemTip = QStringLiteral("Clickable caption to appear in Help Menu. Use a single hyphen (-) to create a separator.");
inline const QString MenuLinkTip = QStringLiteral("Web page, file, or program to launch when Help Menu item is clicked.");
inline const QString Cancel = QStringLiteral("Cancel/Close");
inline const QString Save = QStringLiteral("Save && Reload");
}

// The path rules of the template and image boxes, in order; empty when both pass.
QString DefaultPathProblems(const QString& templateText, const QString& splashText);

// 0 Cancel/Close hides the panel; 1 Save & Reload checks, stores, re-reads and reloads.
void AdvButton_Click(FormState& form, int index);
// Flips the markup lock until the program ends, without writing the file.
void AdvSettingsLockButton_Click(FormState& form);
void AdvSettingsBrowse_Click(FormState& form);
// The opening of the "Advanced Settings ..." submenu: queries the .tpl association for the
// association button's tag and caption.
void MenuHelpSettings_Click(FormState& form);
// "Create Designer Private Label File ...": fills the panel from the settings and shows it
// directly below the template name box.
void MenuHelpSettingsDes_Click(FormState& form);
// Creates the panel's Help-menu rows 1 to 9 below row 0 (form.layout.AdvSettings), moves the
// two buttons below row 9 and makes the panel tall enough for them.
void BuildHelpRows(FormState& form);
