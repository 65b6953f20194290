#include "AdvancedSettings.h"

#include "CustomSettings.h"
#include "FileCommands.h"
#include "FormState.h"
#include "ProfileFile.h"
#include "StartUp.h"
#include "ScreenCommands.h"
#include "ScreenTag.h"
#include "TplAssociation.h"
#include "platform/AppError.h"
#include "platform/Paths.h"
#include "ImportTemplate.h"

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// The settings Save & Reload stores.
struct PanelSettings {
    QString startupTemplate;
    QString splashLogo;
    bool markupLocked = false;
    std::array<QString, 27> helpCaptions;
    std::array<QString, 27> helpLinks;

    static PanelSettings Of(const FormState& form)
    {
        return {form.StartupTemplate, form.SplashLogo, form.MarkupLocked, form.HelpCaptions, form.HelpLinks};
    }
    void ApplyTo(FormState& form) const
    {
        form.StartupTemplate = startupTemplate;
        form.SplashLogo = splashLogo;
        form.MarkupLocked = markupLocked;
        form.HelpCaptions = helpCaptions;
        form.HelpLinks = helpLinks;
    }
};

}  // namespace

QString DefaultPathProblems(const QString& t, const QString& s)
{
    QString message;
    auto either = [&](auto test) { return test(t) || test(s); };
    if (either([](const QString& x) { return x.contains(QLatin1Char(':')); }))
        message += QStringLiteral("Absolute file paths are not allowed ") + kCrLf + QStringLiteral("in the default Template or Image path.")
            + kCrLf + QStringLiteral("VarKit will add the VarKit folder path.") + kCrLf + kCrLf;
    if (either([](const QString& x) { return x.contains(QLatin1Char('/')); }))
        message += QStringLiteral("Forward slashes (/) are invalid in the ") + kCrLf + QStringLiteral("default Template or Image path. ")
            + kCrLf + QStringLiteral("Only back slashes (\\) may be used here.") + kCrLf + kCrLf;
    if (either([](const QString& x) { return x.startsWith(QLatin1Char('\\')); }))
        message += QStringLiteral("A leading slash (\\) is not required. ") + kCrLf + kCrLf;
    if (either([](const QString& x) { return x.contains(QLatin1String(".\\")); }))
        message += QStringLiteral("Upstream path designators are invalid in the ") + kCrLf
            + QStringLiteral("default Template or Image path.") + kCrLf + kCrLf;
    return message;
}

void AdvButton_Click(FormState& form, int index)
{
    const QString step = QStringLiteral("Advanced Settings");
    AdvancedSettingsState& panel = form.AdvSettings;
    Reported(form.dialogs(), QStringLiteral("Save Advanced Settings"), step, [&] {
        if (index == 0) {
            panel.visible = false;
            return;
        }
        // Saving waits for a running import: the reload would replace the template it reads.
        if (index != 1 || form.ImportRunning)
            return;
        const QString problems = DefaultPathProblems(panel.templateText, panel.splashText);
        if (!problems.isEmpty()) {
            form.dialogs().Message(QStringLiteral("Default File Settings"),
                                   problems + QStringLiteral("Please revise your Template or Image path.") + kCrLf + kCrLf,
                                   MsgButtons::Ok, MsgIcon::Exclamation);
            return;
        }
        const QString image = form.folders.FindOrUserPath(panel.splashText);
        if (!FileExists(image)) {
            const MsgAnswer answer = form.dialogs().Message(
                QStringLiteral("Default Splash Image"),
                QStringLiteral("Could not find the image file:") + kCrLf + image + kCrLf + kCrLf + QStringLiteral("Continue anyway?"),
                MsgButtons::YesNoCancel, MsgIcon::Exclamation);
            if (answer != MsgAnswer::Yes)
                return;
        }
        // The settings are written with the new values, which are the program's only once the
        // file holds them: a failed write puts the old ones back.
        const PanelSettings before = PanelSettings::Of(form);
        PanelSettings chosen = before;
        chosen.startupTemplate = panel.templateText;
        chosen.splashLogo = panel.splashText;
        chosen.markupLocked = panel.lockChecked;
        for (size_t i = 0; i < 10; ++i) {
            chosen.helpCaptions[i + 1] = panel.menuItem[i];
            chosen.helpLinks[i + 1] = panel.menuLink[i];
        }
        chosen.ApplyTo(form);
        try {
            WriteCustomSettings(form);
        } catch (const AppError&) {
            before.ApplyTo(form);  // what was typed stays in the panel
            throw;
        }
        panel.visible = false;
        ReadCustomSettings(form, form.folders.SettingsFileToRead());
        ApplySplashLogo(form);
        // The start-up template replaces the current one: unsaved work is asked about first,
        // as Open does, and a cancelled question keeps the current template (the settings
        // are stored either way).
        if (!form.StartupTemplate.isEmpty() && SettleUnsavedWork(form)) {
            TabTop_Click(form, 0);
            LoadTemplate(form, form.folders.FindOrUserPath(form.StartupTemplate));
        }
    });
    form.NotifyChanged();
}

void AdvSettingsLockButton_Click(FormState& form)
{
    if (form.ImportRunning)
        return;  // locking changes the screens, which the import is filling
    AdvancedSettingsState& panel = form.AdvSettings;
    form.MarkupLocked = !form.MarkupLocked;
    panel.lockChecked = form.MarkupLocked;
    if (form.MarkupLocked) {
        panel.lockButtonCaption = QStringLiteral("Unlock now");
        form.CustomLogoVisible = true;
    } else {
        panel.lockButtonCaption = QStringLiteral("Lock now");
    }
    if (IsMarkupScreen(ScreenOf(form)))
        TabTop_Click(form, 1);
    panel.visible = false;
    form.NotifyChanged();
}

void AdvSettingsBrowse_Click(FormState& form)
{
    form.folders.MakeUserFolder();
    form.shell().Open(form.folders.User());
}

void MenuHelpSettings_Click(FormState& form)
{
    ShowAssociationState(form);
}

void MenuHelpSettingsDes_Click(FormState& form)
{
    AdvancedSettingsState& panel = form.AdvSettings;
    panel.templateText = form.StartupTemplate;
    panel.splashText = form.SplashLogo;
    panel.lockChecked = form.MarkupLocked;
    panel.lockButtonCaption = form.MarkupLocked ? QStringLiteral("Unlock now") : QStringLiteral("Lock now");
    for (size_t i = 0; i < 10; ++i) {
        const QString n = QString::number(i + 1);
        panel.menuItem[i] = GetPrivateProfileString(form.files(), QStringLiteral("Custom"), QStringLiteral("HelpMenu") + n, QString(),
                                                    form.folders.SettingsFileToRead(), form.ProfileBufferSize);
        panel.menuLink[i] = GetPrivateProfileString(form.files(), QStringLiteral("Custom"), QStringLiteral("HelpLink") + n, QString(),
                                                    form.folders.SettingsFileToRead(), form.ProfileBufferSize);
    }
    Geometry& frame = form.layout.AdvSettings.frame;
    frame.left = form.layout.FileName.left;
    frame.top = form.layout.FileName.top + form.layout.FileName.height + 30;
    panel.visible = true;
    form.NotifyChanged();
}

void BuildHelpRows(FormState& form)
{
    AdvSettingsLayout& l = form.layout.AdvSettings;
    for (size_t i = 1; i < l.menuItem.size(); ++i) {
        for (auto* row : {&l.menuItem, &l.menuLink}) {
            Geometry& box = (*row)[i];
            const Geometry& above = (*row)[i - 1];
            box = (*row)[0];
            box.top = above.top + above.height + 75;
        }
    }
    l.rows = static_cast<int>(l.menuItem.size());
    const Geometry& last = l.menuItem.back();
    for (Geometry& button : l.button)
        button.top = last.top + last.height + 180;
    l.frame.height = l.button[0].top + l.button[0].height + 240;
    form.NotifyChanged();
}
