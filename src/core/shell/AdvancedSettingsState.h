#pragma once
// The Advanced Settings panel as the user edits it: the start-up template, the splash image,
// the markup lock and the first ten Help-menu entries.
#include <QString>
#include <array>

struct AdvancedSettingsState {
    bool visible = false;
    QString templateText;                                  // AdvSettingsTemplate
    QString splashText;                                    // AdvSettingsSplash
    bool lockChecked = false;                              // AdvSettingsLock
    QString lockButtonCaption = QStringLiteral("Unlock now");  // AdvSettingsLockButton
    QString associateCaption = QStringLiteral("Link TPL Files");  // AdvSettingsAssociate
    QString associateTag;
    std::array<QString, 10> menuItem;                      // AdvMenuItem(0..9)
    std::array<QString, 10> menuLink;                      // AdvMenuLink(0..9)

    AdvancedSettingsState()
    {
        menuItem.fill(QStringLiteral("Caption"));
        menuLink.fill(QStringLiteral("Link"));
    }
};
