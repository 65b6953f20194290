#include "EditScreen.h"

#include "platform/AppError.h"

EditScreen::EditScreen()
{
    fields.emplace_back();
    options.emplace_back();
    groups.emplace_back();
    InitScreenColors(*this);
}

int EditScreen::AddField()
{
    EditField field = fields.front();
    field.DataLabel.visible = field.DataField.visible = field.DataButton.visible = false;
    fields.push_back(std::move(field));
    return FieldCount() - 1;
}

int EditScreen::AddOption()
{
    FieldOption option = options.front();
    option.DataOption.visible = option.DataOptButton.visible = false;
    option.DataOptImg.visible = option.DataOptColor.visible = false;
    options.push_back(std::move(option));
    TileSourceFiles.append(QString());
    return OptionCount() - 1;
}

int EditScreen::AddGroup()
{
    FieldGroup group = groups.front();
    group.DataKeep.visible = group.DataGrouping.visible = false;
    groups.push_back(std::move(group));
    return GroupCount() - 1;
}

void EditScreen::RemoveLastField()
{
    if (fields.size() > 1)
        fields.pop_back();
}

void EditScreen::RemoveLastOption()
{
    if (options.size() > 1) {
        options.pop_back();
        TileSourceFiles.removeLast();
    }
}

void EditScreen::RemoveLastGroup()
{
    if (groups.size() > 1)
        groups.pop_back();
}

void EditScreen::ApplyScrollRange()
{
    const int content = DataScrollInsert.height;
    const int viewport = DataScrollFrame.height;
    if (content > viewport) {
        const long long range = static_cast<long long>(content) - viewport;
        if (range > kScrollLimit)
            throw AppError(ErrorNumber::Overflow);
        DataScrollbar.max = static_cast<int>(range);
        DataScrollbar.enabled = true;
    } else {
        if (content > kScrollLimit)
            throw AppError(ErrorNumber::Overflow);
        DataScrollbar.max = content;
        DataScrollbar.enabled = false;
    }
    if (DataScrollbar.value > DataScrollbar.max)
        DataScrollbar.value = DataScrollbar.max;
    NotifyChanged(ScreenElement::ScrollArea, 0);
}

std::vector<int> EditScreen::OptionsOfField(int i) const
{
    std::vector<int> result;
    const QString tag = QString::number(i);
    for (int j = 1; j < OptionCount(); ++j)
        if (Option(j).DataOption.tag == tag)
            result.push_back(j);
    return result;
}

std::vector<std::vector<int>> EditScreen::OptionRows() const
{
    std::vector<std::vector<int>> rows(static_cast<size_t>(FieldCount()));
    for (int j = 1; j < OptionCount(); ++j) {
        bool ok = false;
        const int owner = Option(j).DataOption.tag.toInt(&ok);
        if (ok && owner > 0 && owner < FieldCount())
            rows[static_cast<size_t>(owner)].push_back(j);
    }
    return rows;
}

int EditScreen::SelectedOptionOfField(int i) const
{
    for (int j : OptionsOfField(i))
        if (Option(j).DataOptButton.selected)
            return j;
    return -1;
}

void EditScreen::RequestFocus(int i)
{
    ActiveField = i;
    FocusRequested = true;
    NotifyChanged(ScreenElement::Field, i);
}

int FirstUsableField(const EditScreen& screen)
{
    for (int i = 1; i < screen.FieldCount(); ++i) {
        const TextBoxControl& box = screen.Field(i).DataField;
        if (box.visible && box.enabled)
            return i;
    }
    return 0;
}

void InitScreenColors(EditScreen& screen)
{
    screen.ScreenColors = {
        0x000000, 0xFFFFFF,  // plain text
        0x000000, 0xFFFFFF,  // title
        0xFF0000, 0xFFF0E0,  // link
        0x000000, 0xE0F0FF,  // variable
        0x808080, screen.DataScrollInsertBackColor,  // dividers and sections
        0x008000, 0xF0FFF0,  // comments and instructions
        0x402040, 0xF0E0F0,  // included files
        0x000000, 0xD0FFFF,  // global fields
        0x000000, 0xD0FFFF,  // theme, colour-option and tile-option rows
    };
}
