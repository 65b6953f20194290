#include "StartUp.h"

#include "ScreenCommands.h"
#include "platform/AppError.h"
#include "platform/Paths.h"
#include "platform/PictureFile.h"
#include "platform/TextFile.h"
#include "shell/AdvancedSettings.h"
#include "shell/CustomSettings.h"
#include "shell/FormState.h"
#include "ImportTemplate.h"

#include <QDir>
#include <QImage>

void InitTagButtonColors(FormState& form)
{
    const auto& c = form.screen.ScreenColors;
    const struct {
        int button;
        quint32 color;
    } backgrounds[] = {
        {0, c[11]}, {1, c[9]}, {2, c[1]}, {3, c[3]}, {4, c[5]}, {5, c[7]}, {6, c[13]}, {7, c[15]},
        {8, c[15]}, {9, 0xF0F0F0}, {10, c[15]}, {11, c[15] & 0xF0F0F0}, {12, c[15] & 0xF0F0F0},
        {13, 0xB0B0B0}, {20, c[9]},
    };
    for (const auto& row : backgrounds)
        form.TagButton[static_cast<size_t>(row.button)].backColor = row.color;
}

void ApplySplashLogo(FormState& form)
{
    if (form.SplashLogo.isEmpty()) {
        form.CustomLogoVisible = false;
        // Nothing covers the markup any more: the tag buttons work again.
        form.TagButtonFrameEnabled = true;
        form.NotifyChanged();
        return;
    }
    form.CustomLogoPicture = ReadPicture(form.files(), form.folders.Find(form.SplashLogo));
    if (form.MarkupLocked) {
        form.TagButtonFrameVisible = false;
        form.MenuHelpSettingsDes.enabled = false;
    }
    form.CustomLogoVisible = true;
    form.TagButtonFrameEnabled = false;
    form.NotifyChanged();
}

void CustomLogo_Click(FormState& form)
{
    if (form.MarkupLocked)
        return;
    form.CustomLogoVisible = false;
    form.TagButtonFrameEnabled = true;
    form.NotifyChanged();
}

void HideProgramFiles(FormState&)
{
}

CommandLineAction HandleCommandLine(FormState& form, const QString& commandLine, const QString& workingFolder)
{
    if (commandLine == QLatin1String("i") || commandLine == QLatin1String("d"))
        return CommandLineAction::Associate;
    if (!commandLine.isEmpty()) {
        QString path = commandLine;
        path.remove(QLatin1Char('"'));
        const QString extension = path.right(4).toUpper();
        if (extension == QLatin1String(".TPL") || extension == QLatin1String(".HTM") || extension == QLatin1String("HTML")
            || extension == QLatin1String(".TXT")) {
            // A relative name is the one the user typed where the program was started.
            const QDir started(workingFolder.isEmpty() ? QDir::currentPath() : workingFolder);
            const QString absolute = QDir::cleanPath(started.absoluteFilePath(ToNativeSeparators(path)));
            // A name that leads nowhere stays in the box, so that the load reports it.
            const QString longName = LongPathName(absolute);
            form.FileName.text = longName.isEmpty() ? absolute : longName;
            return CommandLineAction::Template;
        }
        return CommandLineAction::None;
    }
    if (!form.StartupTemplate.isEmpty()) {
        form.FileName.text = form.folders.FindOrUserPath(form.StartupTemplate);
        return CommandLineAction::Template;
    }
    return CommandLineAction::None;
}

bool Form_Load(FormState& form, const FormLoadInput& input, const FormLoadHooks& hooks)
{
    QString step = QStringLiteral("Loading program");
    bool closeNow = false;
    Reported(form.dialogs(), QStringLiteral("Form Load"), step, [&] {
        form.folders = ProgramFolders(ProgramFolderOf(input.executableFolder), input.homes);
        form.ProgramFile = input.executableFile;
        form.ProfileBufferSize = 5000;
        form.layout.HTMLframe.left = form.layout.DescFrame.left;
        form.layout.HTMLframe.width = form.layout.DescFrame.width;
        form.HelpMenuFixedCount = form.HelpMenuSettingsCount = static_cast<int>(form.MenuHelpFile.size());

        step = QStringLiteral("Loading program defaults");
        InitScreenColors(form.screen);
        InitTagButtonColors(form);
        ReadCustomSettings(form, form.folders.SettingsFileToRead());
        ApplySplashLogo(form);
        TabTop_Click(form, 1);

        EditScreen& screen = form.screen;
        EditField& pattern = screen.Field(0);
        pattern.DataField.geometry.top = -pattern.DataField.geometry.height;
        pattern.DataLabel.geometry.top = pattern.DataField.geometry.top;
        screen.DataScrollInsert.left = 0;
        screen.DataScrollInsert.top = 0;
        screen.DataScrollbar.max = screen.DataScrollInsert.height;
        screen.NotifyChanged(ScreenElement::ScrollArea, 0);

        if (HandleCommandLine(form, input.commandLine, input.workingFolder) == CommandLineAction::Associate) {
            if (hooks.associateTplFiles)
                hooks.associateTplFiles();
            HideProgramFiles(form);
            form.pump.RunNow();
            closeNow = true;
            return;
        }
        form.NotifyChanged();
        if (hooks.showWindow)
            hooks.showWindow();
        BuildHelpRows(form);
        if (!form.FileName.text.isEmpty() && !CanOpenForReading(form.FileName.text)) {
            // The markup screen stays in front, with the name in the box to correct.
            ReportTemplateNotFound(form.dialogs());
        } else if (!form.FileName.text.isEmpty()) {
            TabTop_Click(form, 0);
            LoadTemplate(form, form.FileName.text);
            // The program starts with the focus in the first field that takes input.
            if (const int first = FirstUsableField(form.screen))
                form.screen.RequestFocus(first);
        }
    });
    if (closeNow)
        return false;
    form.NotifyChanged();
    return true;
}

void Form_Unload(FormState& form)
{
    for (const QString& path : {form.WorkFile, form.PreviewFile})
        if (!path.isEmpty() && FileExists(path))
            RemoveIgnoringErrors(form.files(), ResolvePath(path));
}

void MenuFileFolder_Click(FormState& form)
{
    form.folders.MakeUserFolder();
    const std::optional<QString> answer = form.dialogs().Input(
        QStringLiteral("Show VarKit Folder"),
        QStringLiteral("Click OK if you would like to view the folder contents.") + QStringLiteral("\r\n\r\n\r\n\r\n")
            + QStringLiteral("VarKit Folder Path:"),
        form.folders.User());
    if (answer && !answer->isEmpty())
        form.shell().Open(*answer);
}
