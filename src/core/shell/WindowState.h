#pragma once
// The window's own state beside the template session: the command buttons and menus, the
// screen in front and how the three screen frames are stacked, the tab captions' tool tips and
// bars, the panels over the screens, the layout in twips, the remembered dialog folders and the
// settings that brand the window.
#include "AdvancedSettingsState.h"
#include "editscreen/BlowupState.h"
#include "ControlState.h"
#include "FileMenuState.h"
#include "FindState.h"
#include "TagButtonState.h"
#include "WindowLayoutState.h"
#include "editscreen/ColorEditorState.h"

#include <QImage>
#include <QStringList>
#include <array>
#include <vector>

struct WindowState {
    WindowState();

    std::array<CommandButtonState, 13> Button;
    bool FileMenuEnabled = true;
    // The screen in front (ScreenTag.h reads and writes it).
    QString MenuEditTag = QStringLiteral("markup");
    QString WindowCaption = QStringLiteral(" VarKit");

    // Settings.
    QString StartupTemplate;
    QString SplashLogo;
    bool MarkupLocked = false;
    std::array<QString, 27> HelpCaptions;
    std::array<QString, 27> HelpLinks;

    // The Help menu's item array; the built-in items come first.
    std::vector<MenuItemState> MenuHelpFile;
    int HelpMenuFixedCount = 0;
    int HelpMenuSettingsCount = 0;
    bool MenuBarHelpVisible = true;
    // The menu bar's link display of the Help menu's security option: the arrow " Click Link
    // to Open  »" and the link itself (its caption), shown and hidden together.
    MenuItemState MenuShowLink{{}, {}, true, false, false};
    bool MenuShowArrowVisible = false;

    // Installation templates: the designer's contact lines, kept across imports; whether the
    // designer commands run (never in a headless run, which lists them instead) and the ones a
    // headless import did not run ("$file images\logo.gif").
    QString DesignerContact;
    bool DesignerCommandsRun = true;
    QStringList DesignerCommandsNotRun;

    // File commands and the Advanced Settings panel.
    FileMenuState FileMenu;
    FileDialogFolders DialogFolders;
    AdvancedSettingsState AdvSettings;
    bool MenuHelpSettingsActionEnabled = true;

    // Geometry of the static frames in twips, and the window's inner size (Form_Resize).
    WindowLayoutModel layout;
    // The tab captions 0 (EDIT), 1 (MARKUP) and 4 (EXPORT): tool tips and the bars under them.
    std::array<QString, 5> TabTopToolTip;
    std::array<quint32, 5> ColorLineColor{0xD0F0F0, 0xC8C8D8, 0, 0, 0xD0E0D0};  // the idle colours
    // The three screen frames stand on top of each other: each is shown or hidden, and the
    // shown one with the highest stacking number is in front.
    bool DescFrameVisible = true;
    bool MarkupFrameVisible = true;
    bool HTMLframeVisible = false;
    int DescFrameZ = 1;
    int MarkupFrameZ = 2;
    int HTMLframeZ = 0;
    int FrameZCounter = 2;
    bool MenuEditEnabled = true;
    // MenuFind(0..2) and FindButton(1..2) are enabled together.
    bool FindEnabled = false;
    FindState Find;
    BlowupState Blowup;
    // The tag-button row of the markup screen and the splash logo over the markup text.
    std::array<TagButtonState, 41> TagButton = DefaultTagButtons();
    bool TagButtonFrameVisible = true;
    bool TagButtonFrameEnabled = true;
    bool CustomLogoVisible = false;
    QImage CustomLogoPicture;
    // "Create Designer Private Label File ...": disabled until the settings file was read.
    MenuItemState MenuHelpSettingsDes{QStringLiteral("Create Designer Private Label File ..."), {}, false, true, false};
    ColorEditorState EditColor;
};
