#include "platform/AppError.h"
#include "platform/TextFile.h"
#include "shell/AdvancedSettings.h"
#include "shell/CustomSettings.h"
#include "shell/ProfileFile.h"
#include "support/FormFixture.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

struct Settings : FormFixture {
    void WriteIni(const QByteArray& bytes) { WriteFile(QStringLiteral("varkit.ini"), bytes); }
    void Read() { ReadCustomSettings(form(), form().SettingsFile); }
    int AddedItems() { return static_cast<int>(form().MenuHelpFile.size()) - form().HelpMenuFixedCount; }
    QByteArray Ini() const
    {
        QFile file(folder() + QStringLiteral("varkit.ini"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

}  // namespace

TEST(CustomSettings, ReadsAWindowsFileWithQuotesOddCaseAndMissingKeys)
{
    Settings s;
    s.WriteFile(QStringLiteral("templates/Start_Here.TPL"), "[VarKit A=1]");
    s.WriteIni("[custom]\r\nstartuptemplate = \"templates\\start_here.tpl\"\r\nPREVENTMARKUP=false\r\n"
               "HelpMenu1=Shop page\r\n\r\nHelpLink1=http://example.com/shop\r\n\r\n"
               "HelpMenu2=  My Brand  \r\n\r\nHelpMenu3=-\r\nHelpLink3=x\r\n");
    s.Read();
    EXPECT_EQ(s.form().StartupTemplate, QStringLiteral("templates\\start_here.tpl"));
    EXPECT_FALSE(s.form().MarkupLocked);
    EXPECT_TRUE(s.form().SplashLogo.isEmpty());
    ASSERT_EQ(s.AddedItems(), 2);
    EXPECT_EQ(s.form().MenuHelpFile[4].caption, QStringLiteral("   Shop page"));
    EXPECT_EQ(s.form().MenuHelpFile[4].tag, QStringLiteral("http://example.com/shop"));
    EXPECT_EQ(s.form().MenuHelpFile[5].caption, QStringLiteral("-"));
    EXPECT_FALSE(s.form().MenuBarHelpVisible);  // the last item is a separator
    EXPECT_EQ(s.form().WindowCaption, QStringLiteral(" VarKit - My Brand"));
    EXPECT_EQ(s.form().HelpMenuSettingsCount, s.form().HelpMenuFixedCount + 2);
    EXPECT_TRUE(s.dialogs().boxes.isEmpty());

    // Reading again replaces the items instead of adding them twice.
    s.Read();
    EXPECT_EQ(s.AddedItems(), 2);
}

TEST(CustomSettings, MissingFilesAndBadValuesAreHandled)
{
    Settings s;
    s.Read();  // no file at all: the defaults
    EXPECT_TRUE(s.form().StartupTemplate.isEmpty());
    EXPECT_EQ(s.AddedItems(), 0);
    EXPECT_TRUE(s.dialogs().boxes.isEmpty());

    s.WriteIni("[Custom]\r\nStartupTemplate=templates\\missing.tpl\r\nPreventMarkup=maybe\r\n");
    s.Read();
    EXPECT_TRUE(s.form().StartupTemplate.isEmpty());
    ASSERT_EQ(s.dialogs().boxes.size(), 1);
    EXPECT_EQ(s.dialogs().boxes[0].title, QStringLiteral("Custom Settings"));
    EXPECT_EQ(s.dialogs().boxes[0].text, QStringLiteral("Error 13: Type mismatch\r\nLocation = Read Custom Settings"));

    Settings binary;
    QByteArray noise;
    for (int i = 0; i < 4096; ++i)
        noise += static_cast<char>((i * 131) % 256);
    binary.WriteIni(noise);
    binary.Read();
    EXPECT_EQ(binary.AddedItems(), 0);

    Settings longLink;
    longLink.WriteIni("[Custom]\r\nHelpMenu1=Long\r\nHelpLink1=" + QByteArray(6000, 'x') + "\r\n");
    longLink.Read();
    ASSERT_EQ(longLink.AddedItems(), 1);
    EXPECT_EQ(longLink.form().MenuHelpFile.back().tag.size(), 5000);
}

TEST(CustomSettings, LockedMarkupShowsTheLogoAndDisablesTheDesignerItems)
{
    Settings s;
    s.WriteIni("[Custom]\r\nPreventMarkup=True\r\nSplashLogo= logo.png \r\n");
    s.Read();
    EXPECT_TRUE(s.form().MarkupLocked);
    EXPECT_TRUE(s.form().AdvSettings.lockChecked);
    EXPECT_TRUE(s.form().CustomLogoVisible);
    EXPECT_FALSE(s.form().MenuHelpSettingsDes.enabled);
    EXPECT_FALSE(s.form().MenuHelpSettingsActionEnabled);
    EXPECT_EQ(s.form().SplashLogo, QStringLiteral("logo.png"));
}

TEST(CustomSettings, WrittenFileHoldsEveryKeyAndReadsBackTheSame)
{
    Settings s;
    s.form().StartupTemplate = QStringLiteral("templates\\a.tpl");
    s.form().MarkupLocked = true;
    s.form().HelpCaptions[1] = QStringLiteral("Shop");
    s.form().HelpLinks[1] = QStringLiteral("shop.htm");
    s.form().HelpCaptions[25] = QStringLiteral("Last");
    s.form().HelpLinks[25] = QStringLiteral("last.htm");
    WriteCustomSettings(s.form());
    const QByteArray ini = s.Ini();
    for (int n = 1; n <= 25; ++n) {
        EXPECT_TRUE(ini.contains("HelpMenu" + QByteArray::number(n) + "=")) << n;
        EXPECT_TRUE(ini.contains("HelpLink" + QByteArray::number(n) + "=")) << n;
    }
    EXPECT_TRUE(ini.contains("HelpMenu1=Shop\r\n\r\nHelpLink1=shop.htm\r\n\r\nHelpMenu2=\r\n\r\n"));
    EXPECT_TRUE(ini.contains("PreventMarkup=True\r\n"));
    WriteCustomSettings(s.form());
    EXPECT_EQ(s.Ini(), ini);  // writing twice gives the same file

    Settings back;
    back.WriteFile(QStringLiteral("templates/a.tpl"), "x");
    back.WriteIni(ini);
    back.Read();
    EXPECT_EQ(back.form().StartupTemplate, QStringLiteral("templates\\a.tpl"));
    EXPECT_TRUE(back.form().MarkupLocked);
    ASSERT_EQ(back.AddedItems(), 2);
    EXPECT_EQ(back.form().MenuHelpFile.back().tag, QStringLiteral("last.htm"));
}

TEST(CustomSettings, AFailedWriteLeavesTheOldFileWhole)
{
    Settings s;
    s.WriteIni("[Custom]\r\nStartupTemplate=old.tpl\r\n");
    const QByteArray before = s.Ini();
    const QString settings = s.form().SettingsFile;
    SetWriteFaultForTests([settings](const QString& path) { return path == settings ? 70 : 0; });
    s.form().HelpCaptions[3] = QStringLiteral("new");
    EXPECT_THROW(WriteCustomSettings(s.form()), AppError);
    SetWriteFaultForTests(nullptr);
    EXPECT_EQ(s.Ini(), before);
}

TEST(AdvancedSettings, PathRulesGiveTheirParagraphsInOrder)
{
    const QString absolute = QStringLiteral("Absolute file paths are not allowed \r\nin the default Template or Image path.\r\n"
                                            "VarKit will add the VarKit folder path.\r\n\r\n");
    const QString forward = QStringLiteral("Forward slashes (/) are invalid in the \r\ndefault Template or Image path. \r\n"
                                           "Only back slashes (\\) may be used here.\r\n\r\n");
    const QString leading = QStringLiteral("A leading slash (\\) is not required. \r\n\r\n");
    const QString upstream = QStringLiteral("Upstream path designators are invalid in the \r\ndefault Template or Image path.\r\n\r\n");
    EXPECT_EQ(DefaultPathProblems(QStringLiteral("C:\\x.tpl"), QString()), absolute);
    EXPECT_EQ(DefaultPathProblems(QStringLiteral("templates/x.tpl"), QString()), forward);
    EXPECT_EQ(DefaultPathProblems(QStringLiteral("\\templates\\x.tpl"), QString()), leading);
    EXPECT_EQ(DefaultPathProblems(QStringLiteral("..\\x.tpl"), QString()), upstream);
    EXPECT_EQ(DefaultPathProblems(QString(), QStringLiteral(".\\logo.gif")), upstream);
    EXPECT_EQ(DefaultPathProblems(QStringLiteral("C:/x.tpl"), QStringLiteral("\\..\\y.gif")), absolute + forward + leading + upstream);
    EXPECT_TRUE(DefaultPathProblems(QStringLiteral("templates\\x.tpl"), QStringLiteral("logo.gif")).isEmpty());

    FormFixture f;
    f.form().AdvSettings.visible = true;
    f.form().AdvSettings.templateText = QStringLiteral("templates/x.tpl");
    AdvButton_Click(f.form(), 1);
    ASSERT_EQ(f.dialogs().boxes.size(), 1);
    EXPECT_EQ(f.dialogs().boxes[0].title, QStringLiteral("Default File Settings"));
    EXPECT_EQ(f.dialogs().boxes[0].text, forward + QStringLiteral("Please revise your Template or Image path.\r\n\r\n"));
    EXPECT_TRUE(f.form().AdvSettings.visible);
    EXPECT_TRUE(f.form().StartupTemplate.isEmpty());
    EXPECT_FALSE(QFile::exists(f.form().SettingsFile));
}

TEST(AdvancedSettings, SaveAndReloadAsksAboutAMissingImageThenStoresAndLoads)
{
    Settings s;
    s.WriteFile(QStringLiteral("templates/a.tpl"), "[VarKit Item=Lamp]");
    MenuHelpSettingsDes_Click(s.form());
    EXPECT_TRUE(s.form().AdvSettings.visible);
    EXPECT_EQ(s.form().AdvSettings.menuItem[0], QString());  // read afresh: nothing there yet
    AdvancedSettingsState& panel = s.form().AdvSettings;
    panel.templateText = QStringLiteral("templates\\a.tpl");
    panel.menuItem[0] = QStringLiteral("Shop");
    panel.menuLink[0] = QStringLiteral("shop.htm");

    s.dialogs().answers = {MsgAnswer::No};
    AdvButton_Click(s.form(), 1);
    ASSERT_EQ(s.dialogs().boxes.size(), 1);
    EXPECT_EQ(s.dialogs().boxes[0].title, QStringLiteral("Default Splash Image"));
    EXPECT_EQ(s.dialogs().boxes[0].text, QStringLiteral("Could not find the image file:\r\n") + s.form().ProgramFolder
                                             + QStringLiteral("\r\n\r\nContinue anyway?"));
    EXPECT_TRUE(panel.visible);
    EXPECT_TRUE(s.Ini().isEmpty());

    s.dialogs().answers = {MsgAnswer::Yes};
    AdvButton_Click(s.form(), 1);
    EXPECT_FALSE(panel.visible);
    EXPECT_TRUE(s.Ini().contains("StartupTemplate=templates\\a.tpl\r\n"));
    EXPECT_EQ(s.AddedItems(), 1);
    EXPECT_EQ(s.form().FileName.text, s.form().ProgramFolder + QStringLiteral("templates\\a.tpl"));
    EXPECT_EQ(s.screen().Field(1).DataField.text, QStringLiteral("Lamp"));
    EXPECT_FALSE(s.form().TemplateChanged);

    MenuHelpSettingsDes_Click(s.form());
    EXPECT_EQ(panel.menuItem[0], QStringLiteral("Shop"));
    EXPECT_EQ(panel.menuLink[0], QStringLiteral("shop.htm"));
    EXPECT_EQ(panel.templateText, QStringLiteral("templates\\a.tpl"));
}

TEST(AdvancedSettings, LockButtonFlipsTheLockWithoutWriting)
{
    Settings s;
    AdvSettingsLockButton_Click(s.form());
    EXPECT_TRUE(s.form().MarkupLocked);
    EXPECT_EQ(s.form().AdvSettings.lockButtonCaption, QStringLiteral("Unlock now"));
    EXPECT_TRUE(s.form().CustomLogoVisible);
    AdvSettingsLockButton_Click(s.form());
    EXPECT_FALSE(s.form().MarkupLocked);
    EXPECT_EQ(s.form().AdvSettings.lockButtonCaption, QStringLiteral("Lock now"));
    EXPECT_FALSE(QFile::exists(s.form().SettingsFile));
}
