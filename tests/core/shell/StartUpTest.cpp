// Start-up, the command line, the settings read at start, the splash logo and closing.
#include "platform/NullServices.h"
#include "platform/ProgramFolders.h"
#include "shell/FormState.h"
#include "shell/ScreenCommands.h"
#include "shell/ScreenTag.h"
#include "shell/StartUp.h"
#include "support/FaultyFiles.h"
#include "support/RecordingShell.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A program folder of its own with a settings file and a start-up template.
struct Program {
    QTemporaryDir folder;
    ScriptedDialogs dialogs;
    RecordingShell shell;
    BufferClipboard clipboard;
    FaultyFiles files;
    FormState form{dialogs, shell, clipboard, files};
    int shown = 0;
    int associated = 0;
    QString fileNameWhenShown;

    QString Folder() const { return QFileInfo(folder.path()).canonicalFilePath() + QLatin1Char('/'); }
    QString Write(const QString& name, const QByteArray& bytes) const
    {
        return WriteTestFile(Folder() + name, bytes);
    }
    void WriteSettings(const QByteArray& custom) const { Write(QStringLiteral("varkit.ini"), "[Custom]\r\n" + custom); }
    bool Load(const QString& commandLine = QString(), const QString& workingFolder = QString())
    {
        FormLoadInput input;
        input.workingFolder = workingFolder;
        input.executableFolder = folder.path();
        input.homes = TestHomes(folder.path());
        input.commandLine = commandLine;
        FormLoadHooks hooks;
        hooks.showWindow = [this] {
            ++shown;
            fileNameWhenShown = form.FileName.text;
        };
        hooks.associateTplFiles = [this] { ++associated; };
        return Form_Load(form, input, hooks);
    }
};

const QByteArray kStartHere = "<h1>[VarKit! Title=Start]</h1>[VarKit Item=Lamp]";

}  // namespace

TEST(StartUp, ProgramFolderEndsInOneSeparator)
{
    QTemporaryDir dir;
    const QString canonical = QFileInfo(dir.path()).canonicalFilePath();
    EXPECT_EQ(ProgramFolderOf(dir.path()), canonical + QLatin1Char('/'));
    EXPECT_EQ(ProgramFolderOf(dir.path() + QLatin1Char('/')), canonical + QLatin1Char('/'));
    EXPECT_EQ(ProgramFolderOf(dir.path() + QStringLiteral("/nothing-here")), QString());

    // Installed: the executable in PREFIX/bin reads its program folder PREFIX/share/varkit.
    QDir(dir.path()).mkpath(QStringLiteral("bin"));
    QDir(dir.path()).mkpath(QStringLiteral("share/varkit"));
    EXPECT_EQ(ProgramFolderOf(dir.path() + QStringLiteral("/bin")), canonical + QStringLiteral("/share/varkit/"));
}

TEST(StartUp, FoldersAreFixedAtStartUp)
{
    Program p;
    p.Load();
    EXPECT_EQ(p.form.folders.Program(), p.Folder());
    EXPECT_EQ(p.form.folders.User(), p.Folder() + QStringLiteral("home/data/varkit/"));
    // The scratch and preview files sit in a temporary folder of their own, and another
    // session has another one.
    EXPECT_EQ(QFileInfo(p.form.WorkFile).fileName(), QStringLiteral("~varkit.tmp"));
    EXPECT_EQ(QFileInfo(p.form.WorkFile).path(), QFileInfo(p.form.PreviewFile).path());
    Program other;
    other.Load();
    EXPECT_NE(QFileInfo(other.form.WorkFile).path(), QFileInfo(p.form.WorkFile).path());
    EXPECT_EQ(p.form.ProfileBufferSize, 5000);
    EXPECT_EQ(p.form.HelpMenuFixedCount, static_cast<int>(p.form.MenuHelpFile.size()));
    EXPECT_EQ(p.form.HelpMenuSettingsCount, p.form.HelpMenuFixedCount);
    EXPECT_EQ(p.form.layout.HTMLframe.left, p.form.layout.DescFrame.left);
    EXPECT_EQ(p.form.layout.HTMLframe.width, p.form.layout.DescFrame.width);
}

TEST(StartUp, ScreenColoursAndTagButtonBackgrounds)
{
    Program p;
    p.Load();
    const auto& c = p.form.screen.ScreenColors;
    EXPECT_EQ(c[4], 0xFF0000u);
    EXPECT_EQ(c[5], 0xFFF0E0u);
    EXPECT_EQ(c[9], p.form.screen.DataScrollInsertBackColor);
    EXPECT_EQ(c[12], 0x402040u);
    const auto& b = p.form.TagButton;
    EXPECT_EQ(b[0].backColor, c[11]);
    EXPECT_EQ(b[1].backColor, c[9]);
    EXPECT_EQ(b[2].backColor, c[1]);
    EXPECT_EQ(b[3].backColor, c[3]);
    EXPECT_EQ(b[4].backColor, c[5]);
    EXPECT_EQ(b[5].backColor, c[7]);
    EXPECT_EQ(b[6].backColor, c[13]);
    EXPECT_EQ(b[7].backColor, c[15]);
    EXPECT_EQ(b[8].backColor, c[15]);
    EXPECT_EQ(b[9].backColor, 0xF0F0F0u);
    EXPECT_EQ(b[10].backColor, c[15]);
    EXPECT_EQ(b[11].backColor, 0xD0F0F0u);
    EXPECT_EQ(b[12].backColor, 0xD0F0F0u);
    EXPECT_EQ(b[13].backColor, 0xB0B0B0u);
    EXPECT_EQ(b[20].backColor, c[9]);
}

TEST(StartUp, EmptyCommandLineLoadsTheStartupTemplate)
{
    Program p;
    p.Write(QStringLiteral("templates/Start_Here.TPL"), kStartHere);
    p.WriteSettings("StartupTemplate=templates\\Start_Here.TPL\r\nSplashLogo=\r\nPreventMarkup=False\r\n");
    ASSERT_TRUE(p.Load());
    EXPECT_EQ(p.form.StartupTemplate, QStringLiteral("templates\\Start_Here.TPL"));
    EXPECT_EQ(p.form.FileName.text, p.Folder() + QStringLiteral("templates/Start_Here.TPL"));  // shown in native form
    EXPECT_EQ(p.shown, 1);
    EXPECT_EQ(p.fileNameWhenShown, p.form.FileName.text);  // named before the window shows
    ASSERT_EQ(p.form.screen.FieldCount(), 4);
    EXPECT_EQ(p.form.screen.Field(1).DataField.text, QStringLiteral("Start"));
    EXPECT_EQ(p.form.screen.Field(2).DataField.text, QStringLiteral("Lamp"));
    EXPECT_EQ(ScreenOf(p.form), Screen::Edit);
    EXPECT_FALSE(p.form.TemplateChanged);
    EXPECT_TRUE(p.form.MarkupText.Text().startsWith(QStringLiteral("<h1>")));
    EXPECT_TRUE(p.dialogs.boxes.isEmpty()) << p.dialogs.Titles().join(QLatin1Char(',')).toStdString();
}

TEST(StartUp, WithoutATemplateTheMarkupScreenStays)
{
    Program p;
    ASSERT_TRUE(p.Load());
    EXPECT_TRUE(p.form.FileName.text.isEmpty());
    EXPECT_EQ(ScreenOf(p.form), Screen::Markup);
    EXPECT_EQ(p.form.screen.FieldCount(), 1);
    EXPECT_EQ(p.shown, 1);
    EXPECT_EQ(p.form.ColorLineColor[1], SelectedBarColor(1));
    EXPECT_TRUE(p.dialogs.boxes.isEmpty());
}

TEST(StartUp, StartupTemplateThatDoesNotExistIsIgnored)
{
    Program p;
    p.WriteSettings("StartupTemplate=templates\\Gone.TPL\r\n");
    ASSERT_TRUE(p.Load());
    EXPECT_TRUE(p.form.StartupTemplate.isEmpty());
    EXPECT_TRUE(p.form.FileName.text.isEmpty());
    EXPECT_TRUE(p.dialogs.boxes.isEmpty());
}

TEST(StartUp, CommandLineTemplateWinsOverTheStartupTemplate)
{
    Program p;
    p.Write(QStringLiteral("templates/Start_Here.TPL"), kStartHere);
    p.WriteSettings("StartupTemplate=templates\\Start_Here.TPL\r\n");
    const QString other = p.Write(QStringLiteral("my listing.tpl"), "[VarKit Colour=red]");
    ASSERT_TRUE(p.Load(QLatin1Char('"') + other + QLatin1Char('"')));
    EXPECT_EQ(p.form.FileName.text, other);
    ASSERT_EQ(p.form.screen.FieldCount(), 3);
    EXPECT_EQ(p.form.screen.Field(1).DataField.text, QStringLiteral("red"));
}

TEST(StartUp, CommandLineExtensionsAreTestedOnTheLastFourCharacters)
{
    Program p;
    const QString html = p.Write(QStringLiteral("page.html"), "x");
    const QString txt = p.Write(QStringLiteral("notes.TXT"), "x");
    const QString htm = p.Write(QStringLiteral("p.htm"), "x");
    const QString doc = p.Write(QStringLiteral("letter.doc"), "x");
    EXPECT_EQ(HandleCommandLine(p.form, html), CommandLineAction::Template);
    EXPECT_EQ(p.form.FileName.text, html);
    EXPECT_EQ(HandleCommandLine(p.form, txt), CommandLineAction::Template);
    EXPECT_EQ(p.form.FileName.text, txt);
    EXPECT_EQ(HandleCommandLine(p.form, QStringLiteral("\"") + htm + QStringLiteral("\"")), CommandLineAction::Template);
    EXPECT_EQ(p.form.FileName.text, htm);
    p.form.FileName.text.clear();
    EXPECT_EQ(HandleCommandLine(p.form, doc), CommandLineAction::None);
    EXPECT_TRUE(p.form.FileName.text.isEmpty());
}

TEST(StartUp, CommandLineFileThatCannotBeOpenedIsReported)
{
    // Neither a missing file nor a folder that goes by a template's name loads anything, not
    // even the start-up template: the markup screen stays in front with the name in the box.
    for (const char* written : {"absent.tpl", "folder.tpl"}) {
        const QString name = QString::fromLatin1(written);
        Program p;
        QDir(p.Folder()).mkpath(QStringLiteral("folder.tpl"));
        p.Write(QStringLiteral("templates/Start_Here.TPL"), kStartHere);
        p.WriteSettings("StartupTemplate=templates\\Start_Here.TPL\r\n");
        ASSERT_TRUE(p.Load(p.Folder() + name)) << written;
        EXPECT_EQ(p.form.FileName.text, p.Folder() + name);
        EXPECT_EQ(p.form.screen.FieldCount(), 1) << written;
        EXPECT_EQ(ScreenOf(p.form), Screen::Markup) << written;
        EXPECT_EQ(p.dialogs.Titles(), QStringList{QStringLiteral("Fetch Template Error")}) << written;
        EXPECT_EQ(p.dialogs.Texts(), QStringList{QStringLiteral("File not found. Check file name or path.")}) << written;
    }
}

TEST(StartUp, RelativeCommandLineNameIsTakenFromTheStartingFolder)
{
    Program p;
    p.Write(QStringLiteral("work/jobs/lamp.tpl"), kStartHere);
    ASSERT_TRUE(p.Load(QStringLiteral("jobs/lamp.tpl"), p.Folder() + QStringLiteral("work")));
    EXPECT_EQ(p.form.FileName.text, p.Folder() + QStringLiteral("work/jobs/lamp.tpl"));
    EXPECT_EQ(p.form.MarkupText.Text(), QString::fromLatin1(kStartHere));
    EXPECT_GT(p.form.screen.FieldCount(), 1);
    EXPECT_TRUE(p.dialogs.boxes.isEmpty());

    // From another folder the same name is missing there, and said so.
    Program elsewhere;
    elsewhere.Write(QStringLiteral("work/jobs/lamp.tpl"), kStartHere);
    ASSERT_TRUE(elsewhere.Load(QStringLiteral("\"jobs/../jobs/lamp.tpl\""), elsewhere.Folder()));
    EXPECT_EQ(elsewhere.form.FileName.text, elsewhere.Folder() + QStringLiteral("jobs/lamp.tpl"));
    EXPECT_EQ(elsewhere.form.screen.FieldCount(), 1);
    EXPECT_EQ(elsewhere.dialogs.CountTitled(QStringLiteral("Fetch Template Error")), 1);
}

TEST(StartUp, SwitchesRegisterTheAssociationAndCloseBeforeShowing)
{
    for (const char* sw : {"i", "d"}) {
        Program p;
        p.Write(QStringLiteral("templates/Start_Here.TPL"), kStartHere);
        p.WriteSettings("StartupTemplate=templates\\Start_Here.TPL\r\n");
        EXPECT_FALSE(p.Load(QString::fromLatin1(sw))) << sw;
        EXPECT_EQ(p.associated, 1) << sw;
        EXPECT_EQ(p.shown, 0) << sw;
        EXPECT_EQ(p.form.screen.FieldCount(), 1) << sw;
    }
    // Only the whole text counts.
    Program p;
    EXPECT_TRUE(p.Load(QStringLiteral("i d")));
    EXPECT_EQ(p.associated, 0);
}

TEST(StartUp, PatternRowSitsAboveTheVisibleArea)
{
    Program p;
    p.Load();
    const EditField& pattern = p.form.screen.Field(0);
    EXPECT_EQ(pattern.DataField.geometry.top, -pattern.DataField.geometry.height);
    EXPECT_EQ(pattern.DataLabel.geometry.top, pattern.DataField.geometry.top);
    EXPECT_EQ(p.form.screen.DataScrollInsert.top, 0);
    EXPECT_EQ(p.form.screen.DataScrollInsert.left, 0);
}

TEST(StartUp, NoSplashLogoLeavesTheTagButtonsUsable)
{
    Program p;
    p.WriteSettings("SplashLogo=\r\nPreventMarkup=False\r\n");
    p.Load();
    EXPECT_FALSE(p.form.CustomLogoVisible);
    EXPECT_TRUE(p.form.TagButtonFrameVisible);
    EXPECT_TRUE(p.form.TagButtonFrameEnabled);
    EXPECT_TRUE(p.form.MenuHelpSettingsDes.enabled);
}

TEST(StartUp, SplashLogoCoversTheMarkupUntilClicked)
{
    Program p;
    QImage logo(40, 20, QImage::Format_RGB32);
    logo.fill(Qt::red);
    logo.save(p.Folder() + QStringLiteral("logo.png"));
    p.WriteSettings("SplashLogo=logo.png\r\nPreventMarkup=False\r\n");
    p.Load();
    EXPECT_EQ(p.form.SplashLogo, QStringLiteral("logo.png"));
    EXPECT_TRUE(p.form.CustomLogoVisible);
    EXPECT_EQ(p.form.CustomLogoPicture.size(), QSize(40, 20));
    EXPECT_TRUE(p.form.TagButtonFrameVisible);
    EXPECT_FALSE(p.form.TagButtonFrameEnabled);
    CustomLogo_Click(p.form);
    EXPECT_FALSE(p.form.CustomLogoVisible);
    EXPECT_TRUE(p.form.TagButtonFrameEnabled);
}

TEST(StartUp, LockedMarkupKeepsTheLogoAndHidesTheTagButtons)
{
    Program p;
    QImage logo(10, 10, QImage::Format_RGB32);
    logo.fill(Qt::blue);
    logo.save(p.Folder() + QStringLiteral("logo.png"));
    p.WriteSettings("SplashLogo=logo.png\r\nPreventMarkup=True\r\n");
    p.Load();
    EXPECT_TRUE(p.form.MarkupLocked);
    EXPECT_EQ(ScreenOf(p.form), Screen::NoMarkup);
    EXPECT_TRUE(p.form.CustomLogoVisible);
    EXPECT_FALSE(p.form.TagButtonFrameVisible);
    EXPECT_FALSE(p.form.MenuHelpSettingsDes.enabled);
    CustomLogo_Click(p.form);
    EXPECT_TRUE(p.form.CustomLogoVisible);
    EXPECT_FALSE(p.form.TagButtonFrameEnabled);
}

TEST(StartUp, MissingLogoFileLeavesTheLogoEmpty)
{
    Program p;
    p.WriteSettings("SplashLogo=gone.png\r\n");
    p.Load();
    EXPECT_TRUE(p.form.CustomLogoVisible);
    EXPECT_TRUE(p.form.CustomLogoPicture.isNull());
    EXPECT_TRUE(p.dialogs.boxes.isEmpty());
}

TEST(StartUp, PreventMarkupThatIsNoBooleanIsReported)
{
    Program p;
    p.WriteSettings("PreventMarkup=perhaps\r\n");
    ASSERT_TRUE(p.Load());
    ASSERT_EQ(p.dialogs.CountTitled(QStringLiteral("Custom Settings")), 1);
    EXPECT_EQ(p.dialogs.boxes[0].text, QStringLiteral("Error 13: Type mismatch\r\nLocation = Read Custom Settings"));
    EXPECT_FALSE(p.form.MarkupLocked);
    EXPECT_EQ(p.shown, 1);  // the start-up goes on
}

TEST(StartUp, UnloadDeletesTheScratchAndPreviewFiles)
{
    Program p;
    p.Load();
    WriteTestFile(p.form.WorkFile, "scratch");
    WriteTestFile(p.form.PreviewFile, "preview");
    const QString other = p.Write(QStringLiteral("keep.htm"), "keep");
    Form_Unload(p.form);
    EXPECT_FALSE(QFileInfo::exists(p.form.WorkFile));
    EXPECT_FALSE(QFileInfo::exists(p.form.PreviewFile));
    EXPECT_TRUE(QFileInfo::exists(other));
    Form_Unload(p.form);  // both gone: no complaint
    EXPECT_TRUE(p.dialogs.boxes.isEmpty());
}

TEST(StartUp, ImportLeavesTheScratchFileUntilUnload)
{
    Program p;
    p.Write(QStringLiteral("templates/Start_Here.TPL"), kStartHere);
    p.WriteSettings("StartupTemplate=templates\\Start_Here.TPL\r\n");
    p.Load();
    EXPECT_TRUE(QFileInfo::exists(p.form.WorkFile));
    Form_Unload(p.form);
    EXPECT_FALSE(QFileInfo::exists(p.form.WorkFile));
}

TEST(StartUp, FolderCommandOffersTheUsersVarKitFolder)
{
    Program p;
    p.Load();
    p.dialogs.inputs = {std::optional<QString>(p.form.folders.User())};
    MenuFileFolder_Click(p.form);
    ASSERT_EQ(p.dialogs.boxes.size(), 1);
    EXPECT_EQ(p.dialogs.boxes[0].kind, QStringLiteral("input"));
    EXPECT_EQ(p.dialogs.boxes[0].title, QStringLiteral("Show VarKit Folder"));
    EXPECT_EQ(p.dialogs.boxes[0].text,
              QStringLiteral("Click OK if you would like to view the folder contents.\r\n\r\n\r\n\r\nVarKit Folder Path:"));
    EXPECT_EQ(p.dialogs.boxes[0].defaultText, p.form.folders.User());
    EXPECT_TRUE(QFileInfo(p.form.folders.User()).isDir());  // made, so that there is something to show
    ASSERT_EQ(p.shell.opened.size(), 1);
    EXPECT_EQ(p.shell.opened[0], p.form.folders.User());

    // Cancel, or an emptied answer, opens nothing.
    p.dialogs.inputs = {std::nullopt, std::optional<QString>(QString())};
    MenuFileFolder_Click(p.form);
    MenuFileFolder_Click(p.form);
    EXPECT_EQ(p.shell.opened.size(), 1);
}

TEST(StartUp, ReadsTheWholeSettingsFileAndBuildsTheHelpRows)
{
    Program p;
    p.WriteSettings("PreventMarkup=False\r\nHelpMenu1=Shop\r\nHelpLink1=shop.htm\r\nHelpMenu2=My Brand\r\n");
    ASSERT_TRUE(p.Load());
    ASSERT_EQ(static_cast<int>(p.form.MenuHelpFile.size()), p.form.HelpMenuFixedCount + 1);
    EXPECT_EQ(p.form.MenuHelpFile.back().caption, QStringLiteral("   Shop"));
    EXPECT_EQ(p.form.MenuHelpFile.back().tag, QStringLiteral("shop.htm"));
    EXPECT_EQ(p.form.HelpMenuSettingsCount, p.form.HelpMenuFixedCount + 1);
    EXPECT_EQ(p.form.WindowCaption, QStringLiteral(" VarKit - My Brand"));
    EXPECT_TRUE(p.form.MenuHelpSettingsDes.enabled);
    EXPECT_FALSE(p.form.AdvSettings.lockChecked);
    EXPECT_EQ(p.form.layout.AdvSettings.rows, 10);
    EXPECT_TRUE(p.dialogs.boxes.isEmpty());
}

TEST(StartUp, LockedSettingsTickThePanelAndDisableTheDesignerItems)
{
    Program p;
    p.WriteSettings("PreventMarkup=True\r\n");
    ASSERT_TRUE(p.Load());
    EXPECT_TRUE(p.form.AdvSettings.lockChecked);
    EXPECT_FALSE(p.form.MenuHelpSettingsDes.enabled);
    EXPECT_FALSE(p.form.MenuHelpSettingsActionEnabled);
}
