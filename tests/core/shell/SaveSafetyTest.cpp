// Nothing lost on the way out: every file the window writes either lands whole or leaves the old
// one and says so; the export never goes over its template; the replace question is about the
// name really written.
#include "html/LinkPreview.h"
#include "shell/AdvancedSettings.h"
#include "shell/FileCommands.h"
#include "support/FormFixture.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QFileInfo>
#include <functional>
#include <gtest/gtest.h>

namespace {

struct Saves : FormFixture {
    Saves()
    {
        Import(kTemplate, QStringLiteral("listing.tpl"));
        path = folder() + QStringLiteral("listing.tpl");
        form().HTMLtext.SetText(QStringLiteral("<p>Lamp</p>"));
        form().TemplateChanged = form().ExportChanged = false;
        dialogs().boxes.clear();
    }
    void AnswerFile(const QString& name, int filter) { dialogs().files.push_back({name, filter}); }
    QString LastText() { return dialogs().boxes.isEmpty() ? QString() : dialogs().boxes.last().text; }

    static inline const QByteArray kTemplate = "<p>[VarKit Item=Lamp]</p>\r\n";
    QString path;
};

}  // namespace

TEST(SaveSafety, AFullDiskKeepsEveryOldFileAndSaysSo)
{
    struct Row {
        const char* what;
        std::function<QString(Saves&)> file;
        std::function<void(Saves&)> save;
        QString message;  // what the box says, before any path
    };
    const QList<Row> rows = {
        {"Save Template", [](Saves& s) { return s.folder() + QStringLiteral("listing.tpl"); },
         [](Saves& s) { MenuFileSave_Click(s.form(), 0); }, QStringLiteral("File Save Error. ")},
        {"Save Template As", [](Saves& s) { return s.folder() + QStringLiteral("other.tpl"); },
         [](Saves& s) {
             s.AnswerFile(s.folder() + QStringLiteral("other.tpl"), 2);
             s.dialogs().answers = {MsgAnswer::Yes};
             MenuFileSave_Click(s.form(), 1);
         },
         QStringLiteral("File Save Error. ")},
        {"Save Edited Data", [](Saves& s) { return s.folder() + QStringLiteral("edited.tpl"); },
         [](Saves& s) {
             s.form().ModifiedTemplate = QStringLiteral("<p>[VarKit Item=Vase]</p>");
             s.AnswerFile(s.folder() + QStringLiteral("edited.tpl"), 2);
             s.dialogs().answers = {MsgAnswer::Yes};
             MenuFileSave_Click(s.form(), 2);
         },
         QStringLiteral("File Save Error. ")},
        {"Save as Auction Code", [](Saves& s) { return s.folder() + QStringLiteral("listing.htm"); },
         [](Saves& s) {
             s.AnswerFile(s.folder() + QStringLiteral("listing.htm"), 1);
             s.dialogs().answers = {MsgAnswer::Yes};
             MenuFileSaveWeb_Click(s.form());
         },
         QStringLiteral("File Save Error. \r\n")},
        {"Preview", [](Saves& s) { return s.form().PreviewFile; }, [](Saves& s) { LinkPreview(s.form()); },
         QStringLiteral("Could not write the file \r\n")},
        {"Advanced Settings", [](Saves& s) { return s.form().folders.SettingsFile(); },
         [](Saves& s) {
             s.form().AdvSettings.splashText = QString();
             s.dialogs().answers = {MsgAnswer::Yes};  // no splash image: go on
             AdvButton_Click(s.form(), 1);
         },
         QStringLiteral("Error 75: Path/File access error\r\nLocation = Advanced Settings")},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        Saves s;
        const QString target = row.file(s);
        const QByteArray old = "the old " + QFileInfo(target).fileName().toUtf8();
        WriteTestFile(target, old);
        s.files().FillDisk();
        row.save(s);
        EXPECT_EQ(ReadTestFile(target), old);
        EXPECT_TRUE(s.LastText().startsWith(row.message)) << s.LastText().toStdString();
    }
}

TEST(SaveSafety, TheAuctionCodeIsNeverSavedOverItsTemplate)
{
    Saves s;
    // Enter in the dialog takes the suggestion: the template's name as a page, beside it.
    s.AnswerFile(s.path, 1);
    s.AnswerFile(s.folder() + QStringLiteral("LISTING.TPL"), 1);
    s.AnswerFile(s.folder() + QStringLiteral("listing.htm"), 1);
    ASSERT_TRUE(MenuFileSaveWeb_Click(s.form()));
    EXPECT_EQ(s.dialogs().boxes[0].fileRequest.fileName, s.folder() + QStringLiteral("listing.htm"));
    EXPECT_EQ(s.dialogs().CountTitled(QStringLiteral("File Error")), 2);
    EXPECT_TRUE(s.dialogs().boxes[1].text.startsWith(QStringLiteral("The HTML cannot be saved over the template it is made from: ")));
    EXPECT_EQ(ReadTestFile(s.path), Saves::kTemplate);
    EXPECT_EQ(ReadTestFile(s.folder() + QStringLiteral("listing.htm")), QByteArray("<p>Lamp</p>"));

    // A page template gets a name of its own beside it.
    s.Import(QByteArray("<p>[VarKit Item=Lamp]</p>"), QStringLiteral("page.htm"));
    s.dialogs().boxes.clear();
    MenuFileSaveWeb_Click(s.form());
    EXPECT_EQ(s.dialogs().boxes[0].fileRequest.fileName, s.folder() + QStringLiteral("page_code.htm"));
}

TEST(SaveSafety, TheReplaceQuestionIsAboutTheNameWritten)
{
    Saves s;
    const QString page = s.WriteFile(QStringLiteral("listing.htm"), "the old page");
    // "listing" becomes listing.htm, which exists: asked, No, and the dialog shows again.
    s.AnswerFile(s.folder() + QStringLiteral("listing"), 1);
    s.dialogs().answers = {MsgAnswer::No};
    EXPECT_FALSE(MenuFileSaveWeb_Click(s.form()));
    ASSERT_EQ(s.dialogs().boxes.size(), 3);
    EXPECT_EQ(s.dialogs().boxes[1].text, page + QStringLiteral(" already exists.\r\nDo you want to replace it?"));
    EXPECT_EQ(s.dialogs().boxes[1].buttons, MsgButtons::YesNo);
    EXPECT_EQ(s.dialogs().boxes[2].kind, QStringLiteral("file"));
    EXPECT_EQ(ReadTestFile(page), QByteArray("the old page"));

    // A doubled extension is cut before the question, and Yes replaces that file.
    s.AnswerFile(s.folder() + QStringLiteral("listing.htm.htm"), 1);
    s.dialogs().answers = {MsgAnswer::Yes};
    ASSERT_TRUE(MenuFileSaveWeb_Click(s.form()));
    EXPECT_EQ(ReadTestFile(page), QByteArray("<p>Lamp</p>"));
    EXPECT_FALSE(QFile::exists(page + QStringLiteral(".htm")));

    // A new name asks nothing.
    s.dialogs().boxes.clear();
    s.AnswerFile(s.folder() + QStringLiteral("fresh"), 2);
    ASSERT_TRUE(MenuFileSave_Click(s.form(), 1));
    EXPECT_EQ(s.dialogs().boxes.size(), 1);
    EXPECT_EQ(ReadTestFile(s.folder() + QStringLiteral("fresh.txt")), Saves::kTemplate);
}

TEST(SaveSafety, AFailedSaveAndReloadKeepsTheSettingsInForce)
{
    Saves s;
    s.form().HelpCaptions[1] = QStringLiteral("Shop");
    MenuHelpSettingsDes_Click(s.form());
    AdvancedSettingsState& panel = s.form().AdvSettings;
    panel.templateText = QStringLiteral("listing.tpl");
    panel.splashText = QStringLiteral("logo.gif");
    panel.lockChecked = true;
    panel.menuItem[0] = QStringLiteral("Help me");
    s.files().FillDisk();
    s.dialogs().answers = {MsgAnswer::Yes};  // no such image: go on
    AdvButton_Click(s.form(), 1);
    EXPECT_TRUE(s.LastText().contains(QStringLiteral("\r\nLocation = Advanced Settings"))) << s.LastText().toStdString();
    EXPECT_TRUE(panel.visible);  // what was typed stays in the panel
    EXPECT_EQ(panel.menuItem[0], QStringLiteral("Help me"));
    EXPECT_TRUE(s.form().StartupTemplate.isEmpty());
    EXPECT_TRUE(s.form().SplashLogo.isEmpty());
    EXPECT_FALSE(s.form().MarkupLocked);
    EXPECT_EQ(s.form().HelpCaptions[1], QStringLiteral("Shop"));

    // Once the disk takes it, the same press stores and applies them.
    s.files().Heal();
    s.dialogs().answers = {MsgAnswer::Yes};
    AdvButton_Click(s.form(), 1);
    EXPECT_FALSE(panel.visible);
    EXPECT_TRUE(s.form().MarkupLocked);
    EXPECT_EQ(s.form().SplashLogo, QStringLiteral("logo.gif"));
}
