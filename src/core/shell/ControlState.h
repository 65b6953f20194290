#pragma once
// The static controls of the window as the procedures see them: a command button and a menu
// item (the file-name box is the template session's TextBoxState).
#include <QString>

struct CommandButtonState {
    QString caption;
    QString tag;
    QString toolTip;
    bool enabled = true;
    bool visible = true;
};

struct MenuItemState {
    QString caption;
    QString tag;
    bool enabled = true;
    bool visible = true;
    bool checked = false;
};
