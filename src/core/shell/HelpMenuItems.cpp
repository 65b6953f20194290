#include "HelpMenuItems.h"

#include "FormState.h"
#include "platform/AppError.h"

void ApplyHelpSeparatorRule(FormState& form)
{
    form.MenuBarHelpVisible = form.MenuHelpFile.empty() || form.MenuHelpFile.back().caption != QLatin1String("-");
}

void AddCustomHelp(FormState& form, const QString& caption, const QString& link)
{
    Reported(form.dialogs(), QStringLiteral("Custom Help"), QStringLiteral("Add custom help"), [&] {
        MenuItemState item;
        if (caption.trimmed() != QLatin1String("-")) {
            item.caption = QStringLiteral("   ") + caption;
            form.MenuBarHelpVisible = true;
        } else {
            item.caption = QStringLiteral("-");
            form.MenuBarHelpVisible = false;
        }
        item.tag = link;
        form.MenuHelpFile.push_back(item);
    });
    form.NotifyChanged();
}

void DeleteMenuOption(FormState& form)
{
    if (static_cast<int>(form.MenuHelpFile.size()) == form.HelpMenuFixedCount)
        return;
    while (static_cast<int>(form.MenuHelpFile.size()) > form.HelpMenuSettingsCount
           && static_cast<int>(form.MenuHelpFile.size()) > form.HelpMenuFixedCount)
        form.MenuHelpFile.pop_back();
    ApplyHelpSeparatorRule(form);
    form.NotifyChanged();
}

void ClearMenuOptions(FormState& form)
{
    while (static_cast<int>(form.MenuHelpFile.size()) > form.HelpMenuFixedCount)
        form.MenuHelpFile.pop_back();
    form.HelpMenuSettingsCount = form.HelpMenuFixedCount;
    ApplyHelpSeparatorRule(form);
    form.NotifyChanged();
}
