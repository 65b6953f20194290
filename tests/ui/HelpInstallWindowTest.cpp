// The window's Help menu through the recording shell, and the question an installation template
// asks before it changes anything.
#include "WindowFixture.h"

#include <QMenuBar>

namespace {

TEST(HelpInstallWindow, AnInstallationTemplateAsksFirstAndInstallsOnYes)
{
    ProgramWindow w;
    ASSERT_TRUE(w.Start());
    const QString designer = w.Folder() + QStringLiteral("designer/");
    WriteTestFile(designer + QStringLiteral("images/logo.gif"), "GIF89a");
    WriteTestFile(designer + QStringLiteral("designer.ini"),
                  "[Custom]\r\nHelpMenu1=Shop\r\nHelpLink1=http://example.com/shop\r\nHelpMenu2=Brand\r\n");
    const QByteArray tags = "<p>[VarKit$$folder=images][VarKit$$ini=designer.ini][VarKit$$message=Done][VarKit$$killme=x]</p>";
    const QString installer = WriteTestFile(designer + QStringLiteral("install.tpl"), tags);
    const QString user = w.form.folders.User();

    w.dialogs.files.push_back({installer, 1});
    w.dialogs.answers.push_back(MsgAnswer::No);
    ASSERT_TRUE(w.Choose(w.window->fileMenu(), QStringLiteral("MenuFileOpen0")));
    ASSERT_EQ(w.dialogs.CountTitled(QStringLiteral("Installation Template")), 1);
    EXPECT_FALSE(QFileInfo::exists(user + QStringLiteral("images/logo.gif")));
    EXPECT_TRUE(QFileInfo::exists(installer));

    w.dialogs.boxes.clear();
    w.dialogs.files.push_back({installer, 1});
    w.dialogs.answers.push_back(MsgAnswer::Yes);
    ASSERT_TRUE(w.Choose(w.window->fileMenu(), QStringLiteral("MenuFileOpen0")));
    const QStringList titles = w.dialogs.Titles();
    const qsizetype question = titles.indexOf(QStringLiteral("Installation Template"));
    ASSERT_GE(question, 0);
    EXPECT_GT(titles.indexOf(QStringLiteral("Installation Message")), question);
    EXPECT_EQ(ReadTestFile(user + QStringLiteral("images/logo.gif")), QByteArray("GIF89a"));
    EXPECT_FALSE(QFileInfo::exists(installer));
    EXPECT_EQ(w.window->windowTitle(), QStringLiteral(" VarKit - Brand"));
    bool shopItem = false;
    for (QAction* action : w.window->helpMenu()->actions())
        shopItem = shopItem || action->text() == QLatin1String("   Shop");
    EXPECT_TRUE(shopItem);
}

TEST(HelpInstallWindow, HelpOpensTheHelpPageAndTheSecurityOptionShowsTheLinkFirst)
{
    ProgramWindow w;
    w.Write(QStringLiteral("VarkitHelp.htm"), "<p>help</p>");
    ASSERT_TRUE(w.Start());
    ASSERT_TRUE(w.Choose(w.window->helpMenu(), QStringLiteral("MenuHelpFile0")));
    EXPECT_EQ(w.shell.opened, QStringList{w.Folder() + QStringLiteral("VarkitHelp.htm")});

    ASSERT_TRUE(w.Choose(w.window->helpMenu(), QStringLiteral("MenuHelpFile2")));
    ASSERT_TRUE(w.Choose(w.window->helpMenu(), QStringLiteral("MenuHelpFile0")));
    EXPECT_EQ(w.shell.opened.size(), 1);
    EXPECT_TRUE(w.Action(QStringLiteral("MenuShowArrow"))->isVisible());
    QAction* link = w.Action(QStringLiteral("MenuShowLink"));
    EXPECT_EQ(link->text(), QStringLiteral("VarkitHelp.htm"));
    link->trigger();
    EXPECT_EQ(w.shell.opened.size(), 2);

    ASSERT_TRUE(w.Choose(w.window->helpMenu(), QStringLiteral("MenuHelpAbout")));
    EXPECT_EQ(w.dialogs.Last()->title, QStringLiteral(" About VarKit"));
}

}  // namespace
