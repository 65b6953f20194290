#include "TagButtonState.h"

std::array<TagButtonState, 41> DefaultTagButtons()
{
    std::array<TagButtonState, 41> buttons;
    const struct {
        int index;
        const char* caption;
        const char* toolTip;
    } table[] = {
        {0, "~", "Comment or Instructions "},
        {1, "-", "Visual Section Divider "},
        {2, " ", "Plain Text "},
        {3, "!", "Title "},
        {4, ":", "URL "},
        {5, "#", "Variable "},
        {6, "+", "Include File "},
        {7, "?", "Global variable "},
        {8, "?", "Global Target "},
        {9, "|", "Option List divider "},
        {10, "^", "Global Theme "},
        {11, "&&", "Option List Image-chip "},
        {12, "%", "Option List Color-chip "},
        {13, "$", "Add a Menu HyperLink "},
        {20, "<>", "Selectable Section Wrapper "},
        {30, "Clear", "Clear VarKits from Selection "},
        {31, "", "Single Undo for buttons "},
        {40, "", "Insert/Replace Color value "},
    };
    for (const auto& row : table) {
        TagButtonState& button = buttons[static_cast<size_t>(row.index)];
        button.caption = QString::fromLatin1(row.caption);
        button.toolTip = QString::fromLatin1(row.toolTip);
        button.exists = true;
    }
    return buttons;
}
