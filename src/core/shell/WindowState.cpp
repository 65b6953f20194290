#include "WindowState.h"

#include "HelpMenu.h"

WindowState::WindowState()
{
    Button[0] = {QStringLiteral("make HTML"), {}, {}, true, true};
    Button[1] = {QStringLiteral("< Edit"), {}, {}, true, true};
    Button[2] = {QStringLiteral("Preview"), {}, QStringLiteral("View code in Browser window."), true, true};
    Button[12] = Button[2];
    Button[3] = {QStringLiteral("Copy"), {}, QStringLiteral("Copy code to Clipboard for pasting into other applications."), true, true};
    Button[4] = {QStringLiteral("Reload Template"), {}, QStringLiteral("Reloading will change the fields below to their starting values."), true, true};
    Button[5] = {QStringLiteral("Get"), {}, QStringLiteral("Use default data from a prior saved session."), true, true};
    Button[6] = {QStringLiteral("Save "), {}, QStringLiteral("Save selections as Defaults for this Template."), true, true};

    MenuHelpFile = {
        {QStringLiteral("VarKit &Help"), kHelpPage},
        {QStringLiteral("Online Template Tools from Orvane"), MakerPage()},
        {QStringLiteral("Use security option to Preview Menu Links"), {}},
        {QStringLiteral("-"), {}},
    };
    HelpMenuFixedCount = HelpMenuSettingsCount = static_cast<int>(MenuHelpFile.size());

    TabTopToolTip = {QStringLiteral("Click to make changes to Data Fields."), QStringLiteral("Click to Modify Template code."), {}, {},
                     QStringLiteral("Click to view HTML code -- Dbl-click to view Browser.")};
}
