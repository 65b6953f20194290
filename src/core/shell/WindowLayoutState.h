#pragma once
// The static frames of the main window as plain records in twips.
//
// Coordinates are those of the containing panel: the screen frames, FileName, the find panel
// and the enlarged editor stand in the window's client area (below the menu bar); the editors,
// the viewport and the buttons of a screen stand in their frame. The coloured bars under the
// tab captions are measured from the left edge of the screen frames, so that a bar that "ends
// at the frame's width" ends where the frame does.
#include "editscreen/EditScreenControls.h"

#include <array>

struct LayoutLine {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
};

// The Advanced Settings panel (AdvSettings) and its controls, in the panel's coordinates. Only
// Help-menu row 0 exists at first; BuildHelpRows adds rows 1 to 9 below it and moves the two
// buttons and the panel's bottom edge down.
struct AdvSettingsLayout {
    Geometry frame{1200, 1245, 9600, 2895};
    Geometry heading{120, 105, 6000, 300};
    Geometry templateLabel{120, 525, 1260, 270};
    Geometry templateBox{1440, 480, 4200, 345};
    Geometry splashLabel{120, 945, 1260, 270};
    Geometry splashBox{1440, 900, 4200, 345};
    Geometry lockCheck{5760, 480, 1920, 345};
    Geometry lockButton{7800, 465, 1680, 375};
    Geometry associateButton{5760, 885, 1920, 375};
    Geometry browseButton{7800, 885, 1680, 375};
    Geometry captionHeading{120, 1410, 3120, 270};
    Geometry linkHeading{3360, 1410, 6120, 270};
    std::array<Geometry, 10> menuItem{{{120, 1710, 3120, 345}}};   // AdvMenuItem(0..9)
    std::array<Geometry, 10> menuLink{{{3360, 1710, 6120, 345}}};  // AdvMenuLink(0..9)
    // How many Help-menu rows exist: 1 until BuildHelpRows, then 10.
    int rows = 1;
    // AdvButton(0) "Cancel/Close" and AdvButton(1) "Save && Reload".
    std::array<Geometry, 2> button{{{5880, 2235, 1740, 420}, {7740, 2235, 1740, 420}}};
};

struct WindowLayoutModel {
    // The window's inner size in twips; both stay 0 until a window reports its size, and a
    // session without a window applies only the scroll range rule.
    int innerWidth = 0;
    int innerHeight = 0;
    bool minimized = false;
    // Whether the keyboard focus is on the edit screen's scroll bar (the window tells).
    bool scrollbarHasFocus = false;

    LayoutLine Line0{0, 0, 12000, 0};
    Geometry TabFrame{0, 0, 12000, 780};
    // Tab captions and their bars, indexed like TabTop (0, 1 and 4 exist).
    std::array<Geometry, 5> TabTop{{{0, 150, 1440, 390}, {1500, 150, 1440, 390}, {}, {}, {3000, 150, 1440, 390}}};
    std::array<LayoutLine, 5> ColorLine{{{0, 600, 11520, 600}, {1500, 600, 11520, 600}, {}, {}, {3000, 600, 11520, 600}}};
    Geometry FileSizeLabel{4740, 270, 780, 270};
    Geometry FileSize{5520, 270, 1200, 270};

    Geometry FileNameLabel{240, 915, 900, 270};
    Geometry FileName{1200, 870, 10560, 345};

    // The edit screen.
    Geometry DescFrame{240, 1320, 11520, 7440};
    // The two lines above and below the scroll viewport.
    std::array<LayoutLine, 2> DataScrollLine{{{60, 885, 11460, 885}, {60, 7395, 11460, 7395}}};
    Geometry DataScrollbar{11130, 0, 255, 6480};

    Geometry FindFrame{7320, 1770, 4200, 1740};

    // The enlarged field editor.
    Geometry Blowup{300, 1500, 11400, 7200};
    Geometry BlowupButtonFrame{0, 6720, 11400, 480};
    Geometry DataBlowup{120, 600, 11040, 6120};
    Geometry BlowupLabel{120, 240, 11040, 300};
    // The HTML button row (EditButton 0 to 8) above the editor's top left corner.
    Geometry EditButtonFrame{120, 150, 3600, 390};

    // The markup screen.
    Geometry MarkupFrame{240, 1320, 11520, 7440};
    Geometry MarkupText{120, 900, 11280, 6420};
    Geometry CustomLogo{150, 930, 11220, 6360};

    // The export screen; its Preview and Copy buttons are Button 2 and Button 3.
    Geometry HTMLframe{240, 1320, 11520, 7440};
    Geometry HTMLtext{120, 900, 11280, 5940};
    Geometry PreviewButton{5800, 6945, 1200, 390};
    Geometry CopyButton{4520, 6945, 1200, 390};

    AdvSettingsLayout AdvSettings;

    static constexpr int kWideEnough = 8400;
    static constexpr int kTallEnough = 6000;
};
