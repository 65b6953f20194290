#include "CustomSettings.h"

#include "FormState.h"
#include "HelpMenuItems.h"
#include "ProfileFile.h"
#include "ScreenCommands.h"
#include "ScreenTag.h"
#include "platform/AppError.h"
#include "platform/Paths.h"


namespace {

const QString kSection = QStringLiteral("Custom");

QString Read(FormState& form, const QString& path, const QString& key, const QString& defaultValue = QString())
{
    return GetPrivateProfileString(form.files(), kSection, key, defaultValue, path, form.ProfileBufferSize);
}

}  // namespace

bool SettingsBoolean(const QString& text)
{
    const QString value = text.trimmed();
    if (value.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (value.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (!ok)
        throw AppError(ErrorNumber::TypeMismatch);
    return number != 0;
}

void ReadCustomSettings(FormState& form, const QString& path)
{
    const QString step = QStringLiteral("Read Custom Settings");
    Reported(form.dialogs(), QStringLiteral("Custom Settings"), step, [&] {
        const QString startup = Read(form, path, QStringLiteral("StartupTemplate")).trimmed();
        if (!startup.isEmpty() && FileExists(form.folders.Find(startup)))
            form.StartupTemplate = startup;

        const QString lock = Read(form, path, QStringLiteral("PreventMarkup"), QStringLiteral("False"));
        if (!lock.isEmpty()) {
            form.MarkupLocked = SettingsBoolean(lock);
            form.AdvSettings.lockChecked = form.MarkupLocked;
            form.MenuHelpSettingsDes.enabled = !form.MarkupLocked;
            form.MenuHelpSettingsActionEnabled = !form.MarkupLocked;
            if (form.MarkupLocked)
                form.CustomLogoVisible = true;
            if (IsMarkupScreen(ScreenOf(form)))
                TabTop_Click(form, 1);
        }

        const QString splash = Read(form, path, QStringLiteral("SplashLogo")).trimmed();
        if (!splash.isEmpty())
            form.SplashLogo = splash;

        ClearMenuOptions(form);
        for (int n = 1; n <= 25; ++n) {
            const QString caption = Read(form, path, QStringLiteral("HelpMenu") + QString::number(n));
            const QString link = Read(form, path, QStringLiteral("HelpLink") + QString::number(n));
            if (!caption.isEmpty())
                form.HelpCaptions[static_cast<size_t>(n)] = caption;
            if (!link.isEmpty())
                form.HelpLinks[static_cast<size_t>(n)] = link;
            const QString& c = form.HelpCaptions[static_cast<size_t>(n)];
            const QString& l = form.HelpLinks[static_cast<size_t>(n)];
            if (l.isEmpty() || c.isEmpty()) {
                // A caption without a link brands the title bar; the last such entry wins.
                if (!c.trimmed().isEmpty())
                    form.WindowCaption = QStringLiteral(" VarKit - ") + c;
            } else {
                AddCustomHelp(form, c, l);
            }
        }
        form.HelpMenuSettingsCount = static_cast<int>(form.MenuHelpFile.size());
    });
    form.NotifyChanged();
}

void WriteCustomSettings(FormState& form)
{
    // One write for every key: a failure leaves the old file whole instead of half the keys
    // changed, and a large file is rewritten once, not once per key.
    QList<std::pair<QString, QString>> values = {
        {QStringLiteral("StartupTemplate"), form.StartupTemplate},
        {QStringLiteral("SplashLogo"), form.SplashLogo},
        {QStringLiteral("PreventMarkup"), form.MarkupLocked ? QStringLiteral("True") : QStringLiteral("False")},
    };
    for (int n = 1; n <= 25; ++n) {
        values.append({QStringLiteral("HelpMenu") + QString::number(n), form.HelpCaptions[static_cast<size_t>(n)] + QStringLiteral("\r\n")});
        values.append({QStringLiteral("HelpLink") + QString::number(n), form.HelpLinks[static_cast<size_t>(n)] + QStringLiteral("\r\n")});
    }
    // The user's own file; the first write starts it as a copy of the shipped one, so that keys
    // and sections this program does not write carry over.
    form.folders.PrepareSettingsFile(form.files());
    WriteProfileValues(form.files(), kSection, values, form.folders.SettingsFile());
}
