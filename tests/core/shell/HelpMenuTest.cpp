// The Help menu's links through a recording shell, and the About box.
#include "platform/DiskFileOps.h"
#include "platform/NullServices.h"
#include "shell/FormState.h"
#include "shell/HelpMenu.h"
#include "shell/HelpMenuItems.h"
#include "support/RecordingShell.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFiles.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct HelpFixture {
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    RecordingShell shell;
    BufferClipboard clipboard;
    DiskFileOps files;
    FormState form{dialogs, shell, clipboard, files};

    HelpFixture() { form.folders = TestFolders(Root()); }
    QString Root() const { return QFileInfo(dir.path()).canonicalFilePath() + QLatin1Char('/'); }
    // Chooses a Help item with this link, as the settings file or a template adds it.
    void Choose(const QString& link)
    {
        AddCustomHelp(form, QStringLiteral("Guide"), link);
        MenuHelpFile_Click(form, static_cast<int>(form.MenuHelpFile.size()) - 1);
    }
};

TEST(HelpMenu, LocalLinksAreLookedForInTheirFoldersInOrder)
{
    // Each row puts the file in its folder and in every folder after it: the row's own wins.
    const QStringList folders = {
        QStringLiteral("home/data/varkit/"),           QStringLiteral(""),           QStringLiteral("home/data/varkit/help/"),
        QStringLiteral("help/"),                       QStringLiteral("home/data/varkit/templates/"),
        QStringLiteral("templates/"),                  QStringLiteral("shop/"),      QStringLiteral("written/"),
    };
    for (int row = 0; row < folders.size(); ++row) {
        HelpFixture f;
        for (int k = row; k < folders.size(); ++k)
            WriteTestFile(f.Root() + folders[k] + QStringLiteral("Guide.htm"), "<p>guide</p>");
        f.form.FileName.text = f.Root() + QStringLiteral("shop/lamp.tpl");
        // The last place is the link as written: an absolute path here.
        f.Choose(folders[row] == QLatin1String("written/") ? f.Root() + QStringLiteral("written/Guide.htm") : QStringLiteral("guide.HTM"));
        EXPECT_EQ(f.shell.opened, QStringList{f.Root() + folders[row] + QStringLiteral("Guide.htm")}) << folders[row].toStdString();
    }
}

TEST(HelpMenu, WebLinksInAnyCaseGoStraightToTheShellAndFailuresSayWhy)
{
    HelpFixture f;
    const QStringList web = {QStringLiteral("HTTP://EXAMPLE.COM/"), QStringLiteral("Https://example.com/a"),
                             QStringLiteral("FTP://files.example.com"), QStringLiteral("MAILTO:jo@example.com")};
    for (const QString& link : web)
        f.Choose(link);
    EXPECT_EQ(f.shell.opened, web);
    EXPECT_TRUE(f.dialogs.boxes.isEmpty());

    f.Choose(QString());
    f.Choose(QStringLiteral("www.example.com"));
    f.shell.answer = false;
    f.Choose(QStringLiteral("http://example.com"));
    EXPECT_EQ(f.dialogs.Titles(), QStringList(3, QStringLiteral("File Error")));
    EXPECT_EQ(f.dialogs.Texts(), (QStringList{QStringLiteral("This option is not available. "),
                                              QStringLiteral("Could not find the file \r\nwww.example.com"),
                                              QStringLiteral("Could not open required application \r\n(Web Browser, Notepad, etc.)")}));
    MenuHelpFile_Click(f.form, 3);  // the separator
    EXPECT_EQ(f.dialogs.boxes.size(), 3);
}

TEST(HelpMenu, TheSecurityOptionShowsALinkBeforeASecondClickOpensIt)
{
    HelpFixture f;
    WriteTestFile(f.Root() + QStringLiteral("help/VarkitHelp.htm"), "<p>help</p>");
    f.form.MenuHelpFile[0].tag = QStringLiteral("changed.htm");  // reset on every click

    MenuHelpFile_Click(f.form, 2);
    EXPECT_TRUE(f.form.MenuHelpFile[2].checked && f.form.MenuShowLink.visible && f.form.MenuShowArrowVisible);
    MenuHelpFile_Click(f.form, 0);
    EXPECT_EQ(f.form.MenuShowLink.caption, QStringLiteral("VarkitHelp.htm"));
    EXPECT_TRUE(f.shell.opened.isEmpty());
    MenuShowLink_Click(f.form);
    EXPECT_EQ(f.shell.opened, QStringList{f.Root() + QStringLiteral("help/VarkitHelp.htm")});

    MenuHelpFile_Click(f.form, 2);
    EXPECT_FALSE(f.form.MenuHelpFile[2].checked || f.form.MenuShowLink.visible || f.form.MenuShowArrowVisible);
    MenuHelpFile_Click(f.form, 1);
    EXPECT_EQ(f.shell.opened.last(), MakerPage());
    f.form.MenuShowLink.caption = QStringLiteral("-");
    MenuShowLink_Click(f.form);
    EXPECT_EQ(f.shell.opened.size(), 2);
}

TEST(HelpMenu, AboutShowsItsTwelveLines)
{
    EXPECT_EQ(AboutVersion(1, 4, 1), QStringLiteral("1.04.01"));
    EXPECT_EQ(AboutVersion(2, 10, 0), QStringLiteral("2.10.00"));
    EXPECT_EQ(AboutText(QStringLiteral("1.04.01")),
              QStringLiteral("        This program Edits and\r\n Previews HTML template code. \r\n________________________\r\n\r\n"
                             "   VarKit\r\n            Version 1.04.01\r\n\r\n________________________\r\n\r\n"
                             "  Copyright (c) 2026 the VarKit developers, MIT licence\r\n    ")
                  + SupportAddress() + QStringLiteral("  \r\n  ") + MakerPage() + QStringLiteral("  \r\n"));

    HelpFixture f;
    MenuHelpAbout_Click(f.form);
    EXPECT_EQ(f.dialogs.Titles(), QStringList{QStringLiteral(" About VarKit")});
    const QString version = AboutVersion(VARKIT_VERSION_MAJOR, VARKIT_VERSION_MINOR, VARKIT_VERSION_PATCH);
    EXPECT_TRUE(f.dialogs.Texts()[0].contains(QStringLiteral("\r\n            Version ") + version + QStringLiteral("\r\n")));
}

}  // namespace
