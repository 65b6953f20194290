#include "support/TestFiles.h"
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
    // The user's settings file, the one the program reads first and writes.
    void WriteIni(const QByteArray& bytes) { WriteTestFile(form().folders.SettingsFile(), bytes); }
    void Read() { ReadCustomSettings(form(), form().folders.SettingsFileToRead()); }
    int AddedItems() { return static_cast<int>(form().MenuHelpFile.size()) - form().HelpMenuFixedCount; }
    QByteArray Ini() { return Read(form().folders.SettingsFile()); }
    static QByteArray Read(const QString& path)
    {
        return ReadTestFile(path, QByteArray());
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
    const QString settings = s.form().folders.SettingsFile();
    s.files().FailWrites([settings](const QString& path) { return path == settings ? 70 : 0; });
    s.form().HelpCaptions[3] = QStringLiteral("new");
    EXPECT_THROW(WriteCustomSettings(s.form()), AppError);
    s.files().Heal();
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
    EXPECT_FALSE(QFile::exists(f.form().folders.SettingsFile()));
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
    EXPECT_EQ(s.dialogs().boxes[0].text, QStringLiteral("Could not find the image file:\r\n") + s.form().folders.User()
                                             + QStringLiteral("\r\n\r\nContinue anyway?"));
    EXPECT_TRUE(panel.visible);
    EXPECT_TRUE(s.Ini().isEmpty());

    s.dialogs().answers = {MsgAnswer::Yes};
    AdvButton_Click(s.form(), 1);
    EXPECT_FALSE(panel.visible);
    EXPECT_TRUE(s.Ini().contains("StartupTemplate=templates\\a.tpl\r\n"));
    EXPECT_EQ(s.AddedItems(), 1);
    EXPECT_EQ(s.form().FileName.text, s.folder() + QStringLiteral("templates/a.tpl"));
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
    EXPECT_FALSE(QFile::exists(s.form().folders.SettingsFile()));
}

TEST(CustomSettings, HugeFileIsReadAndWrittenWhole)
{
    Settings s;
    s.WriteFile(QStringLiteral("templates/a.tpl"), "x");
    // 5 MB of another program's keys before the section, the section itself at the very end.
    QByteArray big = "[Other]\r\n";
    big.reserve(5 * 1024 * 1024 + 200);
    for (int n = 0; big.size() < 5 * 1024 * 1024; ++n)
        big += "Key" + QByteArray::number(n) + "=" + QByteArray(90, 'x') + "\r\n";
    const QByteArray other = big;
    big += "[Custom]\r\nStartupTemplate=templates\\a.tpl\r\nHelpMenu1=Shop\r\nHelpLink1=shop.htm\r\n";
    s.WriteIni(big);
    s.Read();
    EXPECT_TRUE(s.dialogs().boxes.isEmpty());
    EXPECT_EQ(s.form().StartupTemplate, QStringLiteral("templates\\a.tpl"));
    ASSERT_EQ(s.AddedItems(), 1);
    EXPECT_EQ(s.form().MenuHelpFile.back().tag, QStringLiteral("shop.htm"));

    MenuHelpSettingsDes_Click(s.form());
    EXPECT_EQ(s.form().AdvSettings.menuItem[0], QStringLiteral("Shop"));

    s.form().HelpCaptions[2] = QStringLiteral("Care");
    s.form().HelpLinks[2] = QStringLiteral("care.htm");
    WriteCustomSettings(s.form());
    const QByteArray written = s.Ini();
    EXPECT_TRUE(written.startsWith(other));  // the other program's section is kept byte for byte
    EXPECT_TRUE(written.contains("HelpMenu2=Care\r\n\r\nHelpLink2=care.htm\r\n\r\n"));
    s.Read();
    EXPECT_EQ(s.AddedItems(), 2);
}

TEST(CustomSettings, OnlyTheFirstOfDuplicateSectionsCounts)
{
    Settings s;
    s.WriteFile(QStringLiteral("templates/a.tpl"), "x");
    s.WriteFile(QStringLiteral("templates/b.tpl"), "x");
    s.WriteIni("[Custom]\r\nStartupTemplate=templates\\a.tpl\r\nHelpMenu1=First\r\nHelpLink1=first.htm\r\n\r\n"
               "[CUSTOM]\r\nStartupTemplate=templates\\b.tpl\r\nPreventMarkup=True\r\nHelpMenu2=Second\r\nHelpLink2=second.htm\r\n");
    s.Read();
    EXPECT_TRUE(s.dialogs().boxes.isEmpty());
    EXPECT_EQ(s.form().StartupTemplate, QStringLiteral("templates\\a.tpl"));
    EXPECT_FALSE(s.form().MarkupLocked);
    ASSERT_EQ(s.AddedItems(), 1);
    EXPECT_EQ(s.form().MenuHelpFile.back().caption, QStringLiteral("   First"));

    // Writing goes to the first section too, and the file reads back the same way.
    s.form().HelpCaptions[3] = QStringLiteral("Third");
    s.form().HelpLinks[3] = QStringLiteral("third.htm");
    WriteCustomSettings(s.form());
    const QByteArray ini = s.Ini();
    EXPECT_LT(ini.indexOf("HelpMenu3=Third"), ini.indexOf("[CUSTOM]"));
    EXPECT_EQ(ini.count("[CUSTOM]"), 1);
    s.Read();
    ASSERT_EQ(s.AddedItems(), 2);
    EXPECT_EQ(s.form().MenuHelpFile.back().tag, QStringLiteral("third.htm"));
    EXPECT_EQ(s.form().StartupTemplate, QStringLiteral("templates\\a.tpl"));
}

TEST(CustomSettings, LongHelpEntriesAreCutToTheBufferSize)
{
    Settings s;
    const QByteArray caption(7000, 'c');
    const QByteArray link = "http://example.com/" + QByteArray(5200, 'l');
    s.WriteIni("[Custom]\r\nHelpMenu1=" + caption + "\r\nHelpLink1=" + link + "\r\nHelpMenu2=Short\r\nHelpLink2=short.htm\r\n");
    s.Read();
    ASSERT_EQ(s.AddedItems(), 2);
    const int size = s.form().ProfileBufferSize;
    ASSERT_EQ(size, 5000);
    EXPECT_EQ(s.form().HelpCaptions[1].size(), size);
    EXPECT_EQ(s.form().HelpLinks[1], QString::fromLatin1(link.left(size)));
    EXPECT_EQ(s.form().MenuHelpFile[4].caption, QStringLiteral("   ") + QString::fromLatin1(caption.left(size)));
    EXPECT_EQ(s.form().MenuHelpFile[5].tag, QStringLiteral("short.htm"));  // the next key is read whole

    // The panel shows the cut values; writing them back keeps them whole.
    MenuHelpSettingsDes_Click(s.form());
    EXPECT_EQ(s.form().AdvSettings.menuLink[0].size(), size);
    WriteCustomSettings(s.form());
    s.Read();
    EXPECT_EQ(s.form().HelpLinks[1], QString::fromLatin1(link.left(size)));
    EXPECT_EQ(s.AddedItems(), 2);
}

TEST(CustomSettings, MissingStartupTemplateKeepsTheOneHeld)
{
    Settings s;
    s.WriteFile(QStringLiteral("templates/a.tpl"), "x");
    s.WriteIni("[Custom]\r\nStartupTemplate=templates\\a.tpl\r\n");
    s.Read();
    ASSERT_EQ(s.form().StartupTemplate, QStringLiteral("templates\\a.tpl"));
    for (const QByteArray& missing : {QByteArray("templates\\gone.tpl"), QByteArray("templates"), QByteArray("  ")}) {
        s.WriteIni("[Custom]\r\nStartupTemplate=" + missing + "\r\n");
        s.Read();
        EXPECT_EQ(s.form().StartupTemplate, QStringLiteral("templates\\a.tpl")) << missing.constData();
    }
    EXPECT_TRUE(s.dialogs().boxes.isEmpty());
}

TEST(CustomSettings, PathsWithDotsColonsAndSlashesInTheFile)
{
    // The reader takes what names an existing file below the program folder in either
    // separator; the path rules apply only to what is typed into the panel.
    Settings s;
    s.WriteFile(QStringLiteral("templates/a.tpl"), "x");
    s.WriteIni("[Custom]\r\nStartupTemplate=templates/a.tpl\r\nSplashLogo=C:\\art\\logo.gif\r\n");
    s.Read();
    EXPECT_EQ(s.form().StartupTemplate, QStringLiteral("templates/a.tpl"));
    EXPECT_EQ(s.form().SplashLogo, QStringLiteral("C:\\art\\logo.gif"));
    EXPECT_TRUE(s.dialogs().boxes.isEmpty());

    Settings absolute;
    absolute.WriteIni("[Custom]\r\nStartupTemplate=C:\\templates\\a.tpl\r\n");
    absolute.Read();
    EXPECT_TRUE(absolute.form().StartupTemplate.isEmpty());

    Settings up;
    up.WriteFile(QStringLiteral("templates/a.tpl"), "x");
    up.WriteIni("[Custom]\r\nStartupTemplate=templates\\..\\templates\\a.tpl\r\n");
    up.Read();
    EXPECT_EQ(up.form().StartupTemplate, QStringLiteral("templates\\..\\templates\\a.tpl"));
    // Opened in the panel and saved unchanged, such values are refused with the rule message.
    MenuHelpSettingsDes_Click(up.form());
    up.form().AdvSettings.splashText = QStringLiteral("art/logo.gif");
    AdvButton_Click(up.form(), 1);
    ASSERT_EQ(up.dialogs().boxes.size(), 1);
    EXPECT_EQ(up.dialogs().boxes[0].title, QStringLiteral("Default File Settings"));
    EXPECT_TRUE(up.dialogs().boxes[0].text.startsWith(QStringLiteral("Forward slashes (/) are invalid")));
    EXPECT_TRUE(up.dialogs().boxes[0].text.contains(QStringLiteral("Upstream path designators are invalid")));
    EXPECT_TRUE(up.form().AdvSettings.visible);
}

TEST(AdvancedSettings, HelpRowsStandBelowRowZeroWithTheButtonsUnderThem)
{
    FormFixture f;
    AdvSettingsLayout& l = f.form().layout.AdvSettings;
    const Geometry item0 = l.menuItem[0];
    const Geometry link0 = l.menuLink[0];
    // Before the rows are built the buttons stand below row 0.
    EXPECT_EQ(l.rows, 1);
    EXPECT_EQ(l.button[0].top, item0.top + item0.height + 180);
    EXPECT_EQ(l.frame.height, l.button[0].top + l.button[0].height + 240);

    BuildHelpRows(f.form());
    EXPECT_EQ(l.rows, 10);
    int top = item0.top;
    for (size_t i = 1; i < 10; ++i) {
        top += item0.height + 75;
        EXPECT_EQ(l.menuItem[i].top, top) << i;
        EXPECT_EQ(l.menuLink[i].top, top) << i;
        EXPECT_EQ(l.menuItem[i].left, item0.left) << i;
        EXPECT_EQ(l.menuLink[i].left, link0.left) << i;
        EXPECT_EQ(l.menuItem[i].width, item0.width) << i;
        EXPECT_EQ(l.menuLink[i].height, link0.height) << i;
    }
    EXPECT_EQ(l.menuItem[0].top, item0.top);  // row 0 stays
    for (const Geometry& button : l.button)
        EXPECT_EQ(button.top, top + item0.height + 180);
    EXPECT_EQ(l.frame.height, top + item0.height + 180 + l.button[0].height + 240);
    // Every control fits inside the panel.
    for (size_t i = 0; i < 10; ++i)
        EXPECT_LE(l.menuLink[i].left + l.menuLink[i].width, l.frame.width) << i;
    EXPECT_LE(l.button[1].left + l.button[1].width, l.frame.width);

    // Building twice changes nothing.
    const AdvSettingsLayout once = l;
    BuildHelpRows(f.form());
    EXPECT_EQ(l.frame.height, once.frame.height);
    EXPECT_EQ(l.menuItem[9].top, once.menuItem[9].top);

    // The panel opens 30 twips below the template name box.
    MenuHelpSettingsDes_Click(f.form());
    EXPECT_EQ(l.frame.top, f.form().layout.FileName.top + f.form().layout.FileName.height + 30);
    EXPECT_EQ(l.frame.left, f.form().layout.FileName.left);
}

TEST(CustomSettings, UnixLineEndsAndBinaryBytesAreRead)
{
    Settings s;
    s.WriteFile(QStringLiteral("templates/a.tpl"), "x");
    s.WriteIni("[Custom]\nStartupTemplate=templates\\a.tpl\nPreventMarkup=0\nHelpMenu1=Shop\nHelpLink1=shop.htm\n");
    s.Read();
    EXPECT_EQ(s.form().StartupTemplate, QStringLiteral("templates\\a.tpl"));
    EXPECT_FALSE(s.form().MarkupLocked);
    ASSERT_EQ(s.AddedItems(), 1);
    EXPECT_EQ(s.form().MenuHelpFile.back().tag, QStringLiteral("shop.htm"));
    // Writing keeps the lines it does not touch and ends its own in CR LF.
    WriteCustomSettings(s.form());
    const QByteArray ini = s.Ini();
    EXPECT_TRUE(ini.startsWith("[Custom]\n"));
    EXPECT_TRUE(ini.contains("HelpMenu1=Shop\r\n\r\nHelpLink1=shop.htm\r\n\r\n"));
    s.Read();
    EXPECT_EQ(s.AddedItems(), 1);

    // NUL bytes and stray control bytes around the section: a value ends at its NUL.
    Settings binary;
    static const char bytes[] = "\x01\x02\xff\xfe\r\n[Custom]\r\nHelpMenu1=Sh\0op\r\nHelpLink1=shop.htm\r\n\x7f\0\x10garbage\0\0";
    binary.WriteIni(QByteArray(bytes, sizeof bytes - 1));
    binary.Read();
    ASSERT_EQ(binary.AddedItems(), 1);
    EXPECT_EQ(binary.form().MenuHelpFile.back().caption, QStringLiteral("   Sh"));
    EXPECT_TRUE(binary.dialogs().boxes.isEmpty());
}

TEST(AdvancedSettings, SaveAndReloadAsksBeforeReplacingUnsavedWork)
{
    Settings s;
    s.WriteFile(QStringLiteral("templates/a.tpl"), "[VarKit Item=Lamp]");
    s.Import("<p>[VarKit Item=Mine]</p>", QStringLiteral("mine.tpl"));
    const QString mine = s.form().FileName.text;
    s.form().MarkupText.SetText(QStringLiteral("<p>[VarKit Item=Mine, edited]</p>"));
    ASSERT_TRUE(s.form().TemplateChanged);
    s.dialogs().boxes.clear();

    MenuHelpSettingsDes_Click(s.form());
    s.form().AdvSettings.templateText = QStringLiteral("templates\\a.tpl");
    s.dialogs().answers = {MsgAnswer::Yes, MsgAnswer::Cancel};  // no splash image; keep my template
    AdvButton_Click(s.form(), 1);
    EXPECT_EQ(s.dialogs().Titles(), (QStringList{QStringLiteral("Default Splash Image"), QStringLiteral("Template File")}));
    EXPECT_EQ(s.dialogs().boxes[1].text, QStringLiteral("Save changes to current template \r\nbefore continuing?"));
    EXPECT_TRUE(s.Ini().contains("StartupTemplate=templates\\a.tpl\r\n"));  // the settings are stored
    EXPECT_FALSE(s.form().AdvSettings.visible);
    EXPECT_EQ(s.form().FileName.text, mine);
    EXPECT_EQ(s.form().MarkupText.Text(), QStringLiteral("<p>[VarKit Item=Mine, edited]</p>"));
    EXPECT_TRUE(s.form().TemplateChanged);

    // Yes saves the edited template first, then the start-up template is loaded.
    MenuHelpSettingsDes_Click(s.form());
    s.dialogs().boxes.clear();
    s.dialogs().answers = {MsgAnswer::Yes, MsgAnswer::Yes};
    AdvButton_Click(s.form(), 1);
    EXPECT_EQ(s.dialogs().Titles(), (QStringList{QStringLiteral("Default Splash Image"), QStringLiteral("Template File")}));
    EXPECT_EQ(s.Read(mine), "<p>[VarKit Item=Mine, edited]</p>");
    EXPECT_EQ(s.form().FileName.text, s.folder() + QStringLiteral("templates/a.tpl"));
    EXPECT_EQ(s.screen().Field(1).DataField.text, QStringLiteral("Lamp"));
    EXPECT_FALSE(s.form().TemplateChanged);
}
