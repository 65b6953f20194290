// The Help menu's links through a recording shell, and the About box.
#include "platform/DiskFileOps.h"
#include "shell/FormState.h"
#include "shell/HelpMenu.h"
#include "shell/HelpMenuItems.h"
#include "support/RecordingShell.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFiles.h"
#include "platform/NullServices.h"

#include <QDir>
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
    // A Help item with this link, as the settings file or a template adds it; its index.
    int AddLink(const QString& link)
    {
        AddCustomHelp(form, QStringLiteral("Guide"), link);
        return static_cast<int>(form.MenuHelpFile.size()) - 1;
    }
};

TEST(HelpMenu, LocalLinksAreLookedForInTheirFoldersInOrder)
{
    // Each row puts the file in its folder and in every folder after it: the row's own wins.
    const QStringList folders = {
        QStringLiteral("home/data/varkit/"), QStringLiteral(""),       QStringLiteral("home/data/varkit/help/"),
        QStringLiteral("help/"),             QStringLiteral("home/data/varkit/templates/"),
        QStringLiteral("templates/"),        QStringLiteral("shop/"),  QStringLiteral("written/"),
    };
    for (int row = 0; row < folders.size(); ++row) {
        HelpFixture f;
        for (int k = row; k < folders.size(); ++k)
            WriteTestFile(f.Root() + folders[k] + QStringLiteral("Guide.htm"), "<p>guide</p>");
        f.form.FileName.text = f.Root() + QStringLiteral("shop/lamp.tpl");
        // The last place is the link as written: an absolute path here.
        const bool asWritten = folders[row] == QLatin1String("written/");
        const QString link = asWritten ? f.Root() + QStringLiteral("written/Guide.htm") : QStringLiteral("guide.HTM");
        MenuHelpFile_Click(f.form, f.AddLink(link));
        EXPECT_EQ(f.shell.opened, QStringList{f.Root() + folders[row] + QStringLiteral("Guide.htm")}) << folders[row].toStdString();
        EXPECT_TRUE(f.dialogs.boxes.isEmpty());
    }
}

TEST(HelpMenu, WebAndMailLinksGoToTheShellWithoutAFileTestInAnyCase)
{
    for (const char* link : {"HTTP://EXAMPLE.COM/", "Https://example.com/a", "FTP://files.example.com", "MAILTO:jo@example.com",
                             "see http://example.com"}) {
        HelpFixture f;
        MenuHelpFile_Click(f.form, f.AddLink(QString::fromLatin1(link)));
        EXPECT_EQ(f.shell.opened, QStringList{QString::fromLatin1(link)});
        EXPECT_TRUE(f.dialogs.boxes.isEmpty()) << link;
    }
    EXPECT_FALSE(IsWebLink(QStringLiteral("www.example.com")));
}

TEST(HelpMenu, LinksThatCannotBeOpenedSayWhy)
{
    HelpFixture f;
    MenuHelpFile_Click(f.form, f.AddLink(QString()));
    MenuHelpFile_Click(f.form, f.AddLink(QStringLiteral("nowhere.htm")));
    f.shell.answer = false;
    MenuHelpFile_Click(f.form, f.AddLink(QStringLiteral("http://example.com")));
    EXPECT_EQ(f.dialogs.Titles(), QStringList(3, QStringLiteral("File Error")));
    EXPECT_EQ(f.dialogs.Texts(), (QStringList{QStringLiteral("This option is not available. "),
                                              QStringLiteral("Could not find the file \r\nnowhere.htm"),
                                              QStringLiteral("Could not open required application \r\n(Web Browser, Notepad, etc.)")}));
    EXPECT_EQ(f.dialogs.boxes[0].icon, MsgIcon::Exclamation);

    AddCustomHelp(f.form, QStringLiteral("-"), QStringLiteral("x.htm"));
    f.dialogs.boxes.clear();
    MenuHelpFile_Click(f.form, static_cast<int>(f.form.MenuHelpFile.size()) - 1);  // a separator
    MenuHelpFile_Click(f.form, 3);
    EXPECT_TRUE(f.dialogs.boxes.isEmpty());
}

TEST(HelpMenu, TheSecurityOptionShowsALinkBeforeASecondClickOpensIt)
{
    HelpFixture f;
    WriteTestFile(f.Root() + QStringLiteral("help/VarkitHelp.htm"), "<p>help</p>");
    f.form.MenuHelpFile[0].tag = QStringLiteral("changed.htm");  // reset on every click

    MenuHelpFile_Click(f.form, 2);
    EXPECT_TRUE(f.form.MenuHelpFile[2].checked);
    EXPECT_TRUE(f.form.MenuShowLink.visible);
    EXPECT_TRUE(f.form.MenuShowArrowVisible);

    MenuHelpFile_Click(f.form, 0);
    EXPECT_EQ(f.form.MenuShowLink.caption, QStringLiteral("VarkitHelp.htm"));
    EXPECT_TRUE(f.shell.opened.isEmpty());

    MenuShowLink_Click(f.form);
    EXPECT_EQ(f.shell.opened, QStringList{f.Root() + QStringLiteral("help/VarkitHelp.htm")});

    MenuHelpFile_Click(f.form, 1);
    EXPECT_EQ(f.form.MenuShowLink.caption, MakerPage());
    EXPECT_EQ(f.shell.opened.size(), 1);

    MenuHelpFile_Click(f.form, 2);
    EXPECT_FALSE(f.form.MenuHelpFile[2].checked);
    EXPECT_FALSE(f.form.MenuShowLink.visible);
    EXPECT_FALSE(f.form.MenuShowArrowVisible);
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
    const QString expected = QStringLiteral("        This program Edits and\r\n"
                                            " Previews HTML template code. \r\n"
                                            "________________________\r\n"
                                            "\r\n"
                                            "   VarKit\r\n"
                                            "            Version 1.04.01\r\n"
                                            "\r\n"
                                            "________________________\r\n"
                                            "\r\n"
                                            "  Copyright (c) 2026 the VarKit developers, MIT licence\r\n")
        + QStringLiteral("    ") + SupportAddress() + QStringLiteral("  \r\n") + QStringLiteral("  ") + MakerPage()
        + QStringLiteral("  \r\n");
    EXPECT_EQ(AboutText(QStringLiteral("1.04.01")), expected);

    HelpFixture f;
    MenuHelpAbout_Click(f.form);
    ASSERT_EQ(f.dialogs.boxes.size(), 1);
    EXPECT_EQ(f.dialogs.boxes[0].title, QStringLiteral(" About VarKit"));
    EXPECT_EQ(f.dialogs.boxes[0].buttons, MsgButtons::Ok);
    const QString version = AboutVersion(VARKIT_VERSION_MAJOR, VARKIT_VERSION_MINOR, VARKIT_VERSION_PATCH);
    EXPECT_TRUE(f.dialogs.boxes[0].text.contains(QStringLiteral("            Version ") + version + QStringLiteral("\r\n")));
}

}  // namespace
