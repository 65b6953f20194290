// The Advanced Settings panel in the window, headless: its captions and tool tips, its place
// below the template name box and its ten rows, filling it from the settings file, Save & Reload
// typed through its widgets, the path rules, the splash-image question, the lock button, and
// the Help menu and title bar that the settings file shapes.
#include "WindowFixture.h"

#include "platform/FreedesktopAssociation.h"
#include "shell/AdvancedSettings.h"
#include "shell/ScreenTag.h"
#include "ui/AdvancedSettingsPanel.h"
#include "ui/EditScreenView.h"

#include <QCheckBox>
#include <QImage>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString kPleaseRevise = QStringLiteral("Please revise your Template or Image path.\r\n\r\n");

struct Panel : ProgramWindow {
    using ProgramWindow::ProgramWindow;

    AdvancedSettingsPanel* panel() const { return window->advSettings(); }
    // The user's settings file: where Save & Reload writes.
    QString IniPath() const { return form.folders.SettingsFile(); }
    QByteArray Ini() const { return Read(IniPath()); }
    // "Help > Advanced Settings ... > Create Designer Private Label File ..."
    bool OpenPanel() { return Choose(window->helpSettingsMenu(), QStringLiteral("MenuHelpSettingsDes")); }
    void Retype(QLineEdit* box, const QString& text)
    {
        box->setFocus();
        box->selectAll();
        if (text.isEmpty())
            QTest::keyClick(box, Qt::Key_Delete);
        else
            QTest::keyClicks(box, text);
        Settle();
    }
    // The visible entries of the Help menu, separators as "-".
    QStringList HelpEntries() const
    {
        QStringList entries;
        for (QAction* action : window->helpMenu()->actions())
            if (action->isVisible())
                entries << (action->isSeparator() ? QStringLiteral("-") : action->text());
        return entries;
    }
    void SaveLogo(const QString& name) const
    {
        QImage logo(16, 16, QImage::Format_RGB32);
        logo.fill(Qt::darkGreen);
        const QString path = Folder() + name;
        QDir().mkpath(QFileInfo(path).absolutePath());
        logo.save(path);
    }
    QRect TwipsRect(const Geometry& g) const { return window->scale().Rect(g); }
};

}  // namespace

TEST(AdvancedSettingsPanel, EveryControlHasItsCaptionAndToolTip)
{
    Panel w;
    ASSERT_TRUE(w.Start());
    EXPECT_FALSE(w.panel()->isVisible());
    ASSERT_TRUE(w.OpenPanel());
    AdvancedSettingsPanel* p = w.panel();
    ASSERT_TRUE(p->isVisible());
    EXPECT_EQ(p->heading()->text(), QStringLiteral("Customize Startup Defaults"));
    EXPECT_EQ(p->templateLabel()->text(), QStringLiteral("Template:"));
    EXPECT_EQ(p->templateLabel()->toolTip(), QStringLiteral("Specify default startup template."));
    EXPECT_EQ(p->templateBox()->toolTip(),
              QStringLiteral("Template file location must be relative to VarKit program (.tpl, .htm, .html, .txt)"));
    EXPECT_EQ(p->splashLabel()->text(), QStringLiteral("Splash Image:"));
    EXPECT_EQ(p->splashLabel()->toolTip(), QStringLiteral("Specify custom splash image for markup screen."));
    EXPECT_EQ(p->splashBox()->toolTip(),
              QStringLiteral("Image file location must be relative to VarKit program (.bmp, .gif, .jpg)"));
    EXPECT_EQ(p->lockBox()->text(), QStringLiteral("Markup Locked"));
    EXPECT_EQ(p->lockBox()->toolTip(),
              QStringLiteral("Designates whether markup screen is locked and hidden. Save to change default."));
    EXPECT_EQ(p->lockButton()->toolTip(), QStringLiteral("Temporarily Lock/Unlock without changing default settings."));
    EXPECT_EQ(p->associateButton()->text(), QStringLiteral("Link TPL Files"));
    EXPECT_EQ(p->associateButton()->toolTip(),
              QStringLiteral("Linked files with TPL extension will launch this program when clicked."));
    EXPECT_EQ(p->browseButton()->text(), QStringLiteral("Browse ..."));
    EXPECT_EQ(p->browseButton()->toolTip(), QStringLiteral("Browse VarKit folder"));
    EXPECT_EQ(p->captionHeading()->text(), QStringLiteral("Help Menu Caption"));
    EXPECT_EQ(p->linkHeading()->text(), QStringLiteral("Help Menu Link"));
    for (int i = 0; i < 10; ++i) {
        ASSERT_NE(p->menuItem(i), nullptr) << i;
        ASSERT_NE(p->menuLink(i), nullptr) << i;
        EXPECT_TRUE(p->menuItem(i)->isVisible()) << i;
        EXPECT_EQ(p->menuItem(i)->toolTip(),
                  QStringLiteral("Clickable caption to appear in Help Menu. Use a single hyphen (-) to create a separator."))
            << i;
        EXPECT_EQ(p->menuLink(i)->toolTip(), QStringLiteral("Web page, file, or program to launch when Help Menu item is clicked."))
            << i;
    }
    EXPECT_EQ(p->button(0)->text(), QStringLiteral("Cancel/Close"));
    // "Save && Reload" shows as "Save & Reload": a literal ampersand, no mnemonic.
    EXPECT_EQ(p->button(1)->text(), QStringLiteral("Save && Reload"));
    EXPECT_TRUE(QKeySequence::mnemonic(p->button(1)->text()).isEmpty());
    EXPECT_TRUE(w.dialogs.boxes.isEmpty());
}

TEST(AdvancedSettingsPanel, StandsBelowTheTemplateBoxWithItsRowsBuilt)
{
    Panel w;
    ASSERT_TRUE(w.Start());
    ASSERT_TRUE(w.OpenPanel());
    const AdvSettingsLayout& l = w.form.layout.AdvSettings;
    const Geometry& name = w.form.layout.FileName;
    EXPECT_EQ(l.frame.top, name.top + name.height + 30);
    EXPECT_EQ(l.frame.left, name.left);
    AdvancedSettingsPanel* p = w.panel();
    EXPECT_EQ(p->geometry(), w.TwipsRect(l.frame));
    EXPECT_GT(p->geometry().top(), w.window->fileName()->geometry().bottom());
    EXPECT_LE(p->geometry().top() - w.window->fileName()->geometry().bottom(), w.window->scale().Y(30) + 1);
    ASSERT_EQ(l.rows, 10);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(p->menuItem(i)->geometry(), w.TwipsRect(l.menuItem[static_cast<size_t>(i)])) << i;
        EXPECT_EQ(p->menuLink(i)->geometry(), w.TwipsRect(l.menuLink[static_cast<size_t>(i)])) << i;
        if (i > 0) {
            EXPECT_GT(p->menuItem(i)->y(), p->menuItem(i - 1)->geometry().bottom()) << i;  // rows do not overlap
            EXPECT_EQ(p->menuItem(i)->x(), p->menuItem(0)->x()) << i;
            EXPECT_EQ(p->menuLink(i)->x(), p->menuLink(0)->x()) << i;
        }
    }
    // Both buttons below the last row, inside the panel.
    for (int k = 0; k < 2; ++k) {
        EXPECT_GT(p->button(k)->y(), p->menuItem(9)->geometry().bottom());
        EXPECT_LT(p->button(k)->geometry().bottom(), p->height());
        EXPECT_EQ(p->button(k)->geometry(), w.TwipsRect(l.button[static_cast<size_t>(k)]));
    }
    // Nothing sticks out of the panel, and the panel fits the window as it opens.
    for (QWidget* child : p->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        EXPECT_TRUE(p->rect().contains(child->geometry())) << child->objectName().toStdString();
    EXPECT_TRUE(w.window->client()->rect().contains(p->geometry()));
    // In front of the screens.
    QWidget* top = w.window->client()->childAt(p->geometry().center());
    EXPECT_TRUE(top == p || p->isAncestorOf(top));
}

TEST(AdvancedSettingsPanel, OpensFilledFromTheSettingsFile)
{
    Panel w("[Custom]\r\nStartupTemplate=templates\\Start_Here.TPL\r\nSplashLogo=art\\logo.png\r\nPreventMarkup=False\r\n"
            "HelpMenu1=Shop\r\n\r\nHelpLink1=http://example.com/shop\r\n\r\nHelpMenu3=Notes\r\nHelpLink3=notes.htm\r\n");
    w.SaveLogo(QStringLiteral("art/logo.png"));
    ASSERT_TRUE(w.Start());
    ASSERT_TRUE(w.OpenPanel());
    AdvancedSettingsPanel* p = w.panel();
    EXPECT_EQ(p->templateBox()->text(), QStringLiteral("templates\\Start_Here.TPL"));
    EXPECT_EQ(p->splashBox()->text(), QStringLiteral("art\\logo.png"));
    EXPECT_FALSE(p->lockBox()->isChecked());
    EXPECT_EQ(p->lockButton()->text(), QStringLiteral("Lock now"));
    EXPECT_EQ(p->menuItem(0)->text(), QStringLiteral("Shop"));
    EXPECT_EQ(p->menuLink(0)->text(), QStringLiteral("http://example.com/shop"));
    EXPECT_TRUE(p->menuItem(1)->text().isEmpty());  // absent from the file
    EXPECT_EQ(p->menuItem(2)->text(), QStringLiteral("Notes"));
    EXPECT_EQ(p->menuLink(2)->text(), QStringLiteral("notes.htm"));
    EXPECT_EQ(p->templateBox(), QApplication::focusWidget());
}

TEST(AdvancedSettingsPanel, SaveAndReloadThroughTheWidgets)
{
    Panel w;
    w.Write(QStringLiteral("templates/second.tpl"), "<p>[VarKit Colour=green]</p>");
    w.SaveLogo(QStringLiteral("logo.png"));
    ASSERT_TRUE(w.Start());
    ASSERT_TRUE(w.OpenPanel());
    AdvancedSettingsPanel* p = w.panel();
    w.Retype(p->templateBox(), QStringLiteral("templates\\second.tpl"));
    w.Retype(p->splashBox(), QStringLiteral("logo.png"));
    w.Retype(p->menuItem(0), QStringLiteral("Shop page"));
    w.Retype(p->menuLink(0), QStringLiteral("http://example.com/shop"));
    w.Retype(p->menuItem(4), QStringLiteral("Guide"));
    w.Retype(p->menuLink(4), QStringLiteral("guide.htm"));
    w.Retype(p->menuItem(9), QStringLiteral("My Brand"));  // no link: brands the title bar
    w.Click(p->button(1));

    EXPECT_TRUE(w.dialogs.boxes.isEmpty()) << w.dialogs.Titles().join(QLatin1Char(',')).toStdString();
    EXPECT_FALSE(p->isVisible());
    const QByteArray ini = w.Ini();
    EXPECT_TRUE(ini.contains("StartupTemplate=templates\\second.tpl\r\n"));
    EXPECT_TRUE(ini.contains("SplashLogo=logo.png\r\n"));
    EXPECT_TRUE(ini.contains("PreventMarkup=False\r\n"));
    EXPECT_TRUE(ini.contains("HelpMenu1=Shop page\r\n\r\nHelpLink1=http://example.com/shop\r\n\r\n"));
    EXPECT_TRUE(ini.contains("HelpMenu5=Guide\r\n\r\nHelpLink5=guide.htm\r\n\r\n"));
    EXPECT_TRUE(ini.contains("HelpMenu10=My Brand\r\n\r\nHelpLink10=\r\n\r\n"));
    EXPECT_TRUE(ini.contains("HelpMenu2=\r\n\r\nHelpLink2=\r\n\r\n"));
    EXPECT_TRUE(ini.contains("HelpLink25=\r\n\r\n"));

    // Read back: the Help menu holds the two items before "Advanced Settings ...".
    const QStringList entries = w.HelpEntries();
    const qsizetype settings = entries.indexOf(QStringLiteral("Advanced Settings ..."));
    ASSERT_GE(settings, 3);
    EXPECT_EQ(entries.mid(settings - 3, 3),
              (QStringList{QStringLiteral("   Shop page"), QStringLiteral("   Guide"), QStringLiteral("-")}));
    EXPECT_EQ(w.window->windowTitle(), QStringLiteral(" VarKit - My Brand"));
    // The start-up template is loaded on the edit screen.
    EXPECT_EQ(w.window->fileName()->text(), w.Folder() + QStringLiteral("templates/second.tpl"));
    EXPECT_EQ(ScreenOf(w.form), Screen::Edit);
    ASSERT_NE(w.window->editScreen()->fieldBox(1), nullptr);
    EXPECT_EQ(w.window->editScreen()->fieldBox(1)->toPlainText(), QStringLiteral("green"));
    EXPECT_FALSE(w.form.TemplateChanged);
    EXPECT_FALSE(w.form.CustomLogoPicture.isNull());

    // Opened again, the panel shows what the file now holds.
    ASSERT_TRUE(w.OpenPanel());
    EXPECT_EQ(p->menuItem(4)->text(), QStringLiteral("Guide"));
    EXPECT_EQ(p->menuLink(0)->text(), QStringLiteral("http://example.com/shop"));
    EXPECT_EQ(p->templateBox()->text(), QStringLiteral("templates\\second.tpl"));
}

TEST(AdvancedSettingsPanel, SeparatorRowHidesTheBarBeforeAdvancedSettings)
{
    Panel w;
    ASSERT_TRUE(w.Start());
    QAction* bar = w.Action(QStringLiteral("MenuBarHelp"));
    w.OpenMenu(w.window->helpMenu());
    EXPECT_FALSE(bar->isVisible());  // the last built-in item is a separator already
    ASSERT_TRUE(w.OpenPanel());
    w.Retype(w.panel()->menuItem(0), QStringLiteral("Shop"));
    w.Retype(w.panel()->menuLink(0), QStringLiteral("shop.htm"));
    w.dialogs.answers = {MsgAnswer::Yes};  // no splash image
    w.Click(w.panel()->button(1));
    EXPECT_TRUE(bar->isVisible());
    ASSERT_TRUE(w.OpenPanel());
    w.Retype(w.panel()->menuItem(1), QStringLiteral("-"));
    w.Retype(w.panel()->menuLink(1), QStringLiteral("x"));
    w.dialogs.answers = {MsgAnswer::Yes};
    w.Click(w.panel()->button(1));
    EXPECT_FALSE(bar->isVisible());
    const QStringList entries = w.HelpEntries();
    EXPECT_EQ(entries.mid(entries.indexOf(QStringLiteral("Advanced Settings ...")) - 2, 2),
              (QStringList{QStringLiteral("   Shop"), QStringLiteral("-")}));
}

TEST(AdvancedSettingsPanel, AbsolutePathGetsTheRuleMessageAndKeepsWhatWasTyped)
{
    Panel w;
    ASSERT_TRUE(w.Start());
    const QByteArray before = w.Ini();
    ASSERT_TRUE(w.OpenPanel());
    AdvancedSettingsPanel* p = w.panel();
    w.Retype(p->templateBox(), QStringLiteral("C:\\x.tpl"));
    w.Retype(p->menuItem(0), QStringLiteral("Kept"));
    w.Click(p->button(1));
    ASSERT_EQ(w.dialogs.boxes.size(), 1);
    const RecordedBox& box = w.dialogs.boxes[0];
    EXPECT_EQ(box.title, QStringLiteral("Default File Settings"));
    EXPECT_EQ(box.text, QStringLiteral("Absolute file paths are not allowed \r\nin the default Template or Image path.\r\n"
                                       "VarKit will add the VarKit folder path.\r\n\r\n")
                            + kPleaseRevise);
    EXPECT_EQ(box.icon, MsgIcon::Exclamation);
    EXPECT_EQ(box.buttons, MsgButtons::Ok);
    EXPECT_TRUE(p->isVisible());
    EXPECT_EQ(p->templateBox()->text(), QStringLiteral("C:\\x.tpl"));
    EXPECT_EQ(p->menuItem(0)->text(), QStringLiteral("Kept"));
    EXPECT_EQ(w.Ini(), before);
    EXPECT_EQ(w.form.StartupTemplate, QStringLiteral("templates\\Start_Here.TPL"));
}

TEST(AdvancedSettingsPanel, EveryPathRuleInOrderForBothBoxes)
{
    Panel w;
    ASSERT_TRUE(w.Start());
    ASSERT_TRUE(w.OpenPanel());
    AdvancedSettingsPanel* p = w.panel();
    w.Retype(p->templateBox(), QStringLiteral("\\templates/..\\x.tpl"));
    w.Retype(p->splashBox(), QStringLiteral("D:logo.gif"));
    w.Click(p->button(1));
    ASSERT_EQ(w.dialogs.boxes.size(), 1);
    const QString text = w.dialogs.boxes[0].text;
    const qsizetype absolute = text.indexOf(QStringLiteral("Absolute file paths"));
    const qsizetype forward = text.indexOf(QStringLiteral("Forward slashes (/)"));
    const qsizetype leading = text.indexOf(QStringLiteral("A leading slash"));
    const qsizetype upstream = text.indexOf(QStringLiteral("Upstream path designators"));
    EXPECT_EQ(absolute, 0);
    EXPECT_LT(absolute, forward);
    EXPECT_LT(forward, leading);
    EXPECT_LT(leading, upstream);
    EXPECT_TRUE(text.endsWith(kPleaseRevise));
    EXPECT_TRUE(p->isVisible());
}

TEST(AdvancedSettingsPanel, MissingSplashImageIsAskedAbout)
{
    Panel w;
    ASSERT_TRUE(w.Start());
    const QByteArray before = w.Ini();
    ASSERT_TRUE(w.OpenPanel());
    AdvancedSettingsPanel* p = w.panel();
    w.Retype(p->splashBox(), QStringLiteral("art\\missing.gif"));
    w.dialogs.answers = {MsgAnswer::No};
    w.Click(p->button(1));
    ASSERT_EQ(w.dialogs.boxes.size(), 1);
    EXPECT_EQ(w.dialogs.boxes[0].title, QStringLiteral("Default Splash Image"));
    EXPECT_EQ(w.dialogs.boxes[0].text, QStringLiteral("Could not find the image file:\r\n") + w.form.folders.User()
                                           + QStringLiteral("art/missing.gif\r\n\r\nContinue anyway?"));
    EXPECT_EQ(w.dialogs.boxes[0].buttons, MsgButtons::YesNoCancel);
    EXPECT_TRUE(p->isVisible());
    EXPECT_EQ(w.Ini(), before);

    w.dialogs.answers = {MsgAnswer::Cancel};
    w.Click(p->button(1));
    EXPECT_TRUE(p->isVisible());
    EXPECT_EQ(w.Ini(), before);

    w.dialogs.answers = {MsgAnswer::Yes};
    w.Click(p->button(1));
    EXPECT_FALSE(p->isVisible());
    EXPECT_TRUE(w.Ini().contains("SplashLogo=art\\missing.gif\r\n"));
}

TEST(AdvancedSettingsPanel, CancelCloseHidesWithoutWriting)
{
    Panel w;
    ASSERT_TRUE(w.Start());
    const QByteArray before = w.Ini();
    ASSERT_TRUE(w.OpenPanel());
    w.Retype(w.panel()->menuItem(0), QStringLiteral("Not stored"));
    w.Click(w.panel()->button(0));
    EXPECT_FALSE(w.panel()->isVisible());
    EXPECT_EQ(w.Ini(), before);
    EXPECT_TRUE(w.dialogs.boxes.isEmpty());
    // Opened again, the rows are read afresh from the file.
    ASSERT_TRUE(w.OpenPanel());
    EXPECT_TRUE(w.panel()->menuItem(0)->text().isEmpty());
}

TEST(AdvancedSettingsPanel, FailedWriteSaysSoAndKeepsThePanelOpen)
{
    Panel w;
    ASSERT_TRUE(w.Start());
    const QByteArray before = w.Ini();
    ASSERT_TRUE(w.OpenPanel());
    w.Retype(w.panel()->menuItem(0), QStringLiteral("Typed"));
    const QString ini = w.IniPath();
    w.files.FailWrites([ini](const QString& path) { return path == ini ? 70 : 0; });
    w.dialogs.answers = {MsgAnswer::Yes};
    w.Click(w.panel()->button(1));
    ASSERT_EQ(w.dialogs.boxes.size(), 2);
    EXPECT_EQ(w.dialogs.boxes[1].title, QStringLiteral("Save Advanced Settings"));
    EXPECT_EQ(w.dialogs.boxes[1].text, QStringLiteral("Error 70: Permission denied\r\nLocation = Advanced Settings"));
    EXPECT_TRUE(w.panel()->isVisible());
    EXPECT_EQ(w.panel()->menuItem(0)->text(), QStringLiteral("Typed"));
    EXPECT_EQ(w.Ini(), before);
}

TEST(AdvancedSettingsPanel, LockButtonFlipsTheLockForThisRunOnly)
{
    Panel w;
    ASSERT_TRUE(w.Start());
    const QByteArray before = w.Ini();
    w.Click(w.window->tab(1));
    ASSERT_TRUE(w.OpenPanel());
    AdvancedSettingsPanel* p = w.panel();
    EXPECT_EQ(p->lockButton()->text(), QStringLiteral("Lock now"));
    EXPECT_FALSE(p->lockBox()->isChecked());
    w.Click(p->lockButton());
    EXPECT_TRUE(w.form.MarkupLocked);
    EXPECT_FALSE(p->isVisible());
    EXPECT_TRUE(p->lockBox()->isChecked());
    EXPECT_EQ(p->lockButton()->text(), QStringLiteral("Unlock now"));
    EXPECT_EQ(ScreenOf(w.form), Screen::NoMarkup);
    EXPECT_FALSE(w.Child(QStringLiteral("TagButtonFrame"))->isVisible());
    EXPECT_EQ(w.Ini(), before);

    ASSERT_TRUE(w.OpenPanel());
    EXPECT_EQ(p->lockButton()->text(), QStringLiteral("Unlock now"));
    w.Click(p->lockButton());
    EXPECT_FALSE(w.form.MarkupLocked);
    EXPECT_EQ(p->lockButton()->text(), QStringLiteral("Lock now"));
    EXPECT_FALSE(p->lockBox()->isChecked());
    EXPECT_EQ(ScreenOf(w.form), Screen::Markup);
    EXPECT_TRUE(w.Child(QStringLiteral("TagButtonFrame"))->isVisible());
    EXPECT_EQ(w.Ini(), before);
}

TEST(AdvancedSettingsPanel, TickingTheLockIsStoredOnlyBySaveAndReload)
{
    Panel w;
    ASSERT_TRUE(w.Start());
    ASSERT_TRUE(w.OpenPanel());
    AdvancedSettingsPanel* p = w.panel();
    w.Click(p->lockBox());
    EXPECT_TRUE(w.form.AdvSettings.lockChecked);
    EXPECT_FALSE(w.form.MarkupLocked);  // not before Save & Reload
    w.dialogs.answers = {MsgAnswer::Yes};
    w.Click(p->button(1));
    EXPECT_TRUE(w.form.MarkupLocked);
    EXPECT_TRUE(w.Ini().contains("PreventMarkup=True\r\n"));
    // Locked: the private-label command is no longer offered.
    EXPECT_FALSE(w.OpenPanel());
    EXPECT_FALSE(p->isVisible());
}

TEST(AdvancedSettingsPanel, BrowseOpensTheUsersVarKitFolder)
{
    Panel w;
    ASSERT_TRUE(w.Start());
    const QByteArray before = w.Ini();
    ASSERT_TRUE(w.OpenPanel());
    w.Click(w.panel()->browseButton());
    ASSERT_EQ(w.shell.opened.size(), 1);
    EXPECT_EQ(w.shell.opened[0], w.form.folders.User());
    EXPECT_TRUE(QFileInfo(w.form.folders.User()).isDir());
    EXPECT_TRUE(w.panel()->isVisible());
    EXPECT_EQ(w.Ini(), before);
}

TEST(AdvancedSettingsPanel, LinkTplFilesButtonLinks)
{
    Panel w;
    FreedesktopAssociation association(TestHomes(w.dir.path()), false);
    w.form.SetAssociation(association);
    ASSERT_TRUE(w.Start());
    ASSERT_TRUE(w.OpenPanel());
    w.Click(w.panel()->associateButton());
    EXPECT_EQ(w.dialogs.Texts(), QStringList{QStringLiteral("TPL Association Added. \r\nTPL files can launch VarKit.")});
    EXPECT_EQ(w.panel()->associateButton()->text(), QStringLiteral("Unlink TPL Files"));
    EXPECT_EQ(w.Action(QStringLiteral("MenuHelpSettingsAssoc"))->text(), QStringLiteral("Unlink TPL Files"));
}

TEST(AdvancedSettingsPanel, OpeningTheSubmenuCaptionsTheAssociation)
{
    Panel w;
    ASSERT_TRUE(w.Start());
    w.form.AdvSettings.associateCaption = QStringLiteral("stale");
    w.form.NotifyChanged();
    w.Settle();
    EXPECT_EQ(w.panel()->associateButton()->text(), QStringLiteral("stale"));
    w.OpenMenu(w.window->helpSettingsMenu());
    EXPECT_EQ(w.form.AdvSettings.associateTag, QStringLiteral("-1"));
    EXPECT_EQ(w.panel()->associateButton()->text(), QStringLiteral("Link TPL Files"));
    QAction* assoc = w.Action(QStringLiteral("MenuHelpSettingsAssoc"));
    EXPECT_EQ(assoc->text(), QStringLiteral("Link TPL Files"));
    EXPECT_FALSE(assoc->isVisible());
    EXPECT_FALSE(w.Action(QStringLiteral("MenuHelpSettingsAction"))->isVisible());
}

TEST(AdvancedSettingsPanel, PrivateLabelItemFollowsTheLockInTheSettingsFile)
{
    Panel locked("[Custom]\r\nPreventMarkup=True\r\n");
    ASSERT_TRUE(locked.Start());
    EXPECT_FALSE(locked.Action(QStringLiteral("MenuHelpSettingsDes"))->isEnabled());
    EXPECT_FALSE(locked.OpenPanel());
    EXPECT_FALSE(locked.panel()->isVisible());

    Panel open("[Custom]\r\nPreventMarkup=False\r\n");
    ASSERT_TRUE(open.Start());
    EXPECT_TRUE(open.Action(QStringLiteral("MenuHelpSettingsDes"))->isEnabled());
}

TEST(HelpMenuSettings, StartUpShowsTheSettingsItemsAndTheBrandedTitle)
{
    Panel w("[Custom]\r\nHelpMenu1=Shop\r\nHelpLink1=shop.htm\r\nHelpMenu2=My Brand\r\n"
            "HelpMenu3=-\r\nHelpLink3=x\r\nHelpMenu4=Care & Use\r\nHelpLink4=care.htm\r\n");
    w.Write(QStringLiteral("extra.tpl"), "[VarKit$ Template help=extra.htm][VarKit Item=Cup]");
    ASSERT_TRUE(w.Start());
    EXPECT_EQ(w.window->windowTitle(), QStringLiteral(" VarKit - My Brand"));
    QStringList entries = w.HelpEntries();
    qsizetype settings = entries.indexOf(QStringLiteral("Advanced Settings ..."));
    ASSERT_GE(settings, 4);
    EXPECT_EQ(entries.mid(settings - 4, 4), (QStringList{QStringLiteral("   Shop"), QStringLiteral("-"),
                                                         QStringLiteral("   Care & Use"), QStringLiteral("-")}));
    EXPECT_TRUE(w.Action(QStringLiteral("MenuBarHelp"))->isVisible());

    // A template's own item follows them, and goes again with the template.
    w.Click(w.window->tab(1));
    w.dialogs.files = {{w.Folder() + QStringLiteral("extra.tpl"), 2}};
    ASSERT_TRUE(w.Choose(w.window->fileMenu(), QStringLiteral("MenuFileOpen0")));
    entries = w.HelpEntries();
    settings = entries.indexOf(QStringLiteral("Advanced Settings ..."));
    EXPECT_EQ(entries.mid(settings - 3, 3),
              (QStringList{QStringLiteral("   Care & Use"), QStringLiteral("   Template help"), QStringLiteral("-")}));
    w.Click(w.window->tab(1));
    ASSERT_TRUE(w.Choose(w.window->fileMenu(), QStringLiteral("MenuFileOpen1")));
    entries = w.HelpEntries();
    settings = entries.indexOf(QStringLiteral("Advanced Settings ..."));
    EXPECT_EQ(entries.mid(settings - 2, 2), (QStringList{QStringLiteral("   Care & Use"), QStringLiteral("-")}));
}

TEST(AdvancedSettingsPanel, SaveAndReloadKeepsUnsavedMarkupWhenToldTo)
{
    Panel w;
    w.Write(QStringLiteral("templates/second.tpl"), "<p>[VarKit Colour=green]</p>");
    ASSERT_TRUE(w.Start());
    w.Click(w.window->tab(1));
    w.TypeIntoMarkup(QStringLiteral("<!-- mine -->"));
    ASSERT_TRUE(w.OpenPanel());
    w.Retype(w.panel()->templateBox(), QStringLiteral("templates\\second.tpl"));
    w.dialogs.answers = {MsgAnswer::Yes, MsgAnswer::Cancel};
    w.Click(w.panel()->button(1));
    EXPECT_EQ(w.dialogs.Titles(), (QStringList{QStringLiteral("Default Splash Image"), QStringLiteral("Template File")}));
    EXPECT_TRUE(w.Ini().contains("StartupTemplate=templates\\second.tpl\r\n"));
    EXPECT_FALSE(w.panel()->isVisible());
    EXPECT_EQ(w.window->fileName()->text(), w.StartTemplatePath());
    EXPECT_TRUE(w.window->markupText()->toPlainText().endsWith(QStringLiteral("<!-- mine -->")));
    EXPECT_TRUE(w.form.TemplateChanged);
}
