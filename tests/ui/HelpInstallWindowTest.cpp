// The question an installation template asks in the window before it changes anything, and a
// Help item through the recording shell.
#include "WindowFixture.h"

namespace {

TEST(HelpInstallWindow, AnInstallationTemplateAsksFirstAndInstallsOnlyOnYes)
{
    ProgramWindow w;
    ASSERT_TRUE(w.Start());
    const QString designer = w.Folder() + QStringLiteral("designer/");
    WriteTestFile(designer + QStringLiteral("images/logo.gif"), "GIF89a");
    WriteTestFile(designer + QStringLiteral("designer.ini"), "[Custom]\r\nHelpMenu1=Shop\r\nHelpLink1=http://example.com\r\n");
    const QString installer = WriteTestFile(designer + QStringLiteral("install.tpl"),
                                            "<p>[VarKit$$folder=images][VarKit$$ini=designer.ini][VarKit$$killme=x]</p>");
    const QString copied = w.form.folders.User() + QStringLiteral("images/logo.gif");

    for (const MsgAnswer answer : {MsgAnswer::No, MsgAnswer::Yes}) {
        w.dialogs.boxes.clear();
        w.dialogs.files.push_back({installer, 1});
        w.dialogs.answers.push_back(answer);
        ASSERT_TRUE(w.Choose(w.window->fileMenu(), QStringLiteral("MenuFileOpen0")));
        EXPECT_EQ(w.dialogs.CountTitled(QStringLiteral("Installation Template")), 1);
        EXPECT_EQ(QFileInfo::exists(copied), answer == MsgAnswer::Yes);
        EXPECT_EQ(QFileInfo::exists(installer), answer == MsgAnswer::No);
    }
    QStringList captions;
    for (QAction* action : w.window->helpMenu()->actions())
        captions << action->text();
    EXPECT_TRUE(captions.contains(QStringLiteral("   Shop")));
}

TEST(HelpInstallWindow, VarKitHelpOpensTheHelpPageThroughTheShell)
{
    ProgramWindow w;
    w.Write(QStringLiteral("VarkitHelp.htm"), "<p>help</p>");
    ASSERT_TRUE(w.Start());
    ASSERT_TRUE(w.Choose(w.window->helpMenu(), QStringLiteral("MenuHelpFile0")));
    EXPECT_EQ(w.shell.opened, QStringList{w.Folder() + QStringLiteral("VarkitHelp.htm")});
}

}  // namespace
