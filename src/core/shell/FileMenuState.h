#pragma once
// The File menu's entries as the current screen allows them, and the folders the open and save
// dialogs remember.
#include <QString>

// Which File-menu entries are enabled, set when the menu opens.
struct FileMenuState {
    bool open = true;
    bool clear = true;
    bool save = true;
    bool saveAs = true;
    bool saveModified = false;
    bool saveWeb = false;
    bool batch = false;  // "Make HTML for each row of a CSV ..."
};

// The dialog folders remembered between calls: one for kind 4, one for every other kind.
struct FileDialogFolders {
    QString general;
    QString kind4;
};
