#include "platform/TextFile.h"
#include "shell/FileCommands.h"
#include "shell/ImportTemplate.h"
#include "shell/ScreenTag.h"
#include "support/FormFixture.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

struct Files : FormFixture {
    Files()
    {
        path = WriteFile(QStringLiteral("listing.tpl"), "<p>[VarKit Item=Lamp]</p>\r\n");
        Import(QByteArray("<p>[VarKit Item=Lamp]</p>\r\n"), QStringLiteral("listing.tpl"));
        form().TemplateChanged = false;
        form().ExportChanged = false;
        dialogs().boxes.clear();
    }
    QByteArray Read(const QString& name) const
    {
        return ReadTestFile(name);
    }
    void AnswerFile(const QString& name, int filter = 2) { dialogs().files.push_back({name, filter}); }
    QString path;
};

}  // namespace

TEST(FileCommands, SaveDialogNamesGetTheirExtensionsOnce)
{
    EXPECT_EQ(SaveDialogName(QStringLiteral("/tmp/listing"), 1), QStringLiteral("/tmp/listing.htm"));
    EXPECT_EQ(SaveDialogName(QStringLiteral("/tmp/listing"), 2), QStringLiteral("/tmp/listing.txt"));
    EXPECT_EQ(SaveDialogName(QStringLiteral("/tmp/listing"), 4), QStringLiteral("/tmp/listing"));
    EXPECT_EQ(SaveDialogName(QStringLiteral("/tmp/listing.htm.htm"), 1), QStringLiteral("/tmp/listing.htm"));
    EXPECT_EQ(SaveDialogName(QStringLiteral("/tmp/LISTING.TPL.tpl"), 2), QStringLiteral("/tmp/LISTING.TPL"));
    EXPECT_EQ(SaveDialogName(QStringLiteral("/home/j.doe/listing.htm"), 1), QStringLiteral("/home/j.doe/listing.htm"));
    EXPECT_EQ(SaveDialogName(QStringLiteral("/home/j.doe/listing"), 1), QStringLiteral("/home/j.doe/listing.htm"));
    EXPECT_EQ(SaveDialogName(QStringLiteral("shop.v2.htm"), 1), QStringLiteral("shop.v2.htm"));
    EXPECT_EQ(SaveDialogName(QStringLiteral("C:\\a.b\\shop.tpl"), 2), QStringLiteral("C:\\a.b\\shop.tpl"));
}

TEST(FileCommands, GetFilenameTitlesFiltersAndRememberedFolders)
{
    Files f;
    QString action = QStringLiteral("OPEN");
    QString name;
    f.AnswerFile(f.folder() + QStringLiteral("sub/x.tpl"));
    GetFilename(f.form(), action, 2, name);
    const FileDialogRequest& first = f.dialogs().boxes.last().fileRequest;
    EXPECT_EQ(first.title, QStringLiteral("OPEN Template File"));
    EXPECT_EQ(first.filter, QStringLiteral("Web Files (*.HTM)|*.htm;*.html|Template Files (*.TPL)|*.tpl|"
                                           "Text Files (*.TXT)|*.txt|All Files (*.*)|*.*"));
    EXPECT_EQ(first.filterIndex, 2);
    EXPECT_EQ(first.folder, f.form().folders.Program());
    EXPECT_FALSE(first.save);
    EXPECT_EQ(name, f.folder() + QStringLiteral("sub/x.tpl"));

    action = QStringLiteral("SAVE");
    GetFilename(f.form(), action, 1, name);  // cancelled
    const FileDialogRequest& second = f.dialogs().boxes.last().fileRequest;
    EXPECT_EQ(second.title, QStringLiteral("SAVE HTML File"));
    EXPECT_EQ(second.folder, f.folder() + QStringLiteral("sub/"));
    EXPECT_TRUE(second.save);
    EXPECT_EQ(action, QStringLiteral("CANCEL"));
    EXPECT_EQ(f.form().FileName.tag, QStringLiteral("Cancel"));

    action = QStringLiteral("OPEN");
    GetFilename(f.form(), action, 4, name);
    EXPECT_EQ(f.dialogs().boxes.last().fileRequest.folder, f.form().folders.Program());  // its own folder
}

TEST(FileCommands, SavingWritesTheMarkupOnceAndClearsTheFlag)
{
    Files f;
    f.form().MarkupText.SetText(QStringLiteral("<p>[VarKit Item=Lamp]</p>\r\n<p>more</p>"));
    EXPECT_TRUE(f.form().TemplateChanged);
    ASSERT_TRUE(MenuFileSave_Click(f.form(), 0));
    EXPECT_EQ(f.Read(f.path), QByteArray("<p>[VarKit Item=Lamp]</p>\r\n<p>more</p>"));
    EXPECT_FALSE(f.form().TemplateChanged);
    EXPECT_EQ(f.form().FileSize, QStringLiteral("38"));
    FetchTemplate(f.form(), f.form().FileName.text);
    ASSERT_TRUE(MenuFileSave_Click(f.form(), 0));
    EXPECT_EQ(f.Read(f.path).size(), 38);  // a second save does not grow the file
    EXPECT_TRUE(f.dialogs().boxes.isEmpty());
}

TEST(FileCommands, OpeningAndSavingATemplateKeepsEveryByte)
{
    const QList<QByteArray> templates = {
        "<p>[VarKit A=1]</p>\r<p>b</p>",
        "<p>a</p>\r\r\n<p>[VarKit A=1]</p>\r\n",
        "<p>a</p>\r\n<p>b</p>\n<p>c</p>\n\r",
        "<p>\n[VarKit A=1]\n</p>\n",
        "\xEF\xBB\xBF\xEF\xBB\xBF<p>\xE2\x80\xA9\xEF\xB7\x90</p>",
        "<meta charset=euc-kr>\xC7\xD1\r\n",
        "caf\xE9 \x80 no line break at the end",
    };
    for (const QByteArray& bytes : templates) {
        SCOPED_TRACE(bytes.toHex().toStdString());
        FormFixture f;
        f.Import(bytes, QStringLiteral("kept.tpl"));
        ASSERT_TRUE(MenuFileSave_Click(f.form(), 0));
        EXPECT_EQ(ReadTestFile(f.form().FileName.text), bytes);
    }
}

TEST(FileCommands, SaveAsCancelledLeavesTheFlagAndMarksTheTag)
{
    Files f;
    f.form().TemplateChanged = true;
    EXPECT_FALSE(MenuFileSave_Click(f.form(), 1));
    EXPECT_TRUE(f.form().TemplateChanged);
    EXPECT_EQ(f.form().FileName.tag, QStringLiteral("Cancel"));
    EXPECT_EQ(f.form().FileName.text, f.path);

    f.AnswerFile(f.folder() + QStringLiteral("copy"), 1);
    ASSERT_TRUE(MenuFileSave_Click(f.form(), 1));
    EXPECT_EQ(f.form().FileName.text, f.folder() + QStringLiteral("copy.htm"));
    EXPECT_TRUE(QFile::exists(f.folder() + QStringLiteral("copy.htm")));
}

TEST(FileCommands, AProtectedTemplateAsksForAnotherName)
{
    Files f;
    const QString protectedPath = f.path;
    f.files().FailWrites([protectedPath](const QString& p) { return p == protectedPath ? 70 : 0; });
    f.form().MarkupText.SetText(QStringLiteral("changed"));
    f.AnswerFile(f.folder() + QStringLiteral("other.tpl"));
    ASSERT_TRUE(MenuFileSave_Click(f.form(), 0));
    ASSERT_GE(f.dialogs().boxes.size(), 2);
    EXPECT_EQ(f.dialogs().boxes[0].title, QStringLiteral("File Error"));
    EXPECT_EQ(f.dialogs().boxes[0].text, QStringLiteral("Existing template may be protected. \r\nChoose a new file name. "));
    EXPECT_EQ(f.dialogs().boxes[1].kind, QStringLiteral("file"));
    EXPECT_EQ(f.Read(f.folder() + QStringLiteral("other.tpl")), QByteArray("changed"));
    EXPECT_EQ(f.Read(protectedPath), QByteArray("<p>[VarKit Item=Lamp]</p>\r\n"));
    EXPECT_EQ(f.form().FileName.text, f.folder() + QStringLiteral("other.tpl"));

    // Any other failure says so and keeps the work unsaved.
    f.files().FailWrites([](const QString&) { return 75; });
    f.form().MarkupText.SetText(QStringLiteral("again"));
    EXPECT_FALSE(MenuFileSave_Click(f.form(), 0));
    EXPECT_EQ(f.dialogs().boxes.last().text, QStringLiteral("File Save Error. "));
    EXPECT_TRUE(f.form().TemplateChanged);
    EXPECT_TRUE(f.form().FileName.tag.isEmpty());
}

TEST(FileCommands, SavingTheExportKeepsTheTemplatePath)
{
    Files f;
    f.form().HTMLtext.SetText(QStringLiteral("<p>Lamp</p>"));
    f.AnswerFile(f.folder() + QStringLiteral("page"), 1);
    ASSERT_TRUE(MenuFileSaveWeb_Click(f.form()));
    EXPECT_EQ(f.Read(f.folder() + QStringLiteral("page.htm")), QByteArray("<p>Lamp</p>"));
    EXPECT_EQ(f.form().FileName.text, f.path);
    EXPECT_FALSE(f.form().ExportChanged);
    EXPECT_EQ(f.dialogs().boxes.last().fileRequest.fileName, f.folder() + QStringLiteral("listing.htm"));

    f.files().FailWrites([](const QString&) { return 75; });
    f.form().HTMLtext.SetText(QStringLiteral("<p>Changed</p>"));
    f.AnswerFile(f.folder() + QStringLiteral("page.htm"), 1);
    f.dialogs().answers = {MsgAnswer::Yes};  // replace the page saved above
    EXPECT_FALSE(MenuFileSaveWeb_Click(f.form()));
    EXPECT_EQ(f.dialogs().boxes.last().text, QStringLiteral("File Save Error. \r\n") + f.folder() + QStringLiteral("page.htm"));
    EXPECT_TRUE(f.form().ExportChanged);
    EXPECT_EQ(f.form().FileName.text, f.path);
}

TEST(FileCommands, OpenAsksAboutBothTextsInOrder)
{
    Files f;
    const QString other = f.WriteFile(QStringLiteral("other.tpl"), "[VarKit Other=2]");
    f.form().MarkupText.SetText(QStringLiteral("edited"));
    f.form().HTMLtext.SetText(QStringLiteral("html"));

    for (const MsgAnswer first : {MsgAnswer::Cancel}) {
        f.dialogs().answers = {first};
        MenuFileOpen_Click(f.form(), 0);
        EXPECT_EQ(f.dialogs().boxes.size(), 1);
        EXPECT_EQ(f.dialogs().boxes[0].title, QStringLiteral("Template File"));
        EXPECT_EQ(f.dialogs().boxes[0].text, QStringLiteral("Save changes to current template \r\nbefore continuing?"));
        EXPECT_EQ(f.form().MarkupText.Text(), QStringLiteral("edited"));
    }
    f.dialogs().boxes.clear();
    f.dialogs().answers = {MsgAnswer::No, MsgAnswer::Cancel};
    MenuFileOpen_Click(f.form(), 0);
    ASSERT_EQ(f.dialogs().boxes.size(), 2);
    EXPECT_EQ(f.dialogs().boxes[1].title, QStringLiteral("HTML File"));
    EXPECT_EQ(f.dialogs().boxes[1].text, QStringLiteral("Save changes to exported HTML \r\nbefore continuing?"));
    EXPECT_EQ(f.form().MarkupText.Text(), QStringLiteral("edited"));
    EXPECT_EQ(f.form().HTMLtext.Text(), QStringLiteral("html"));

    f.dialogs().boxes.clear();
    f.dialogs().answers = {MsgAnswer::No, MsgAnswer::No};
    f.AnswerFile(other);
    MenuFileOpen_Click(f.form(), 0);
    EXPECT_EQ(f.form().FileName.text, other);
    EXPECT_EQ(f.screen().Field(1).DataLabel.caption, QStringLiteral("Other"));
    EXPECT_FALSE(f.form().TemplateChanged);
    EXPECT_FALSE(f.form().ExportChanged);
    EXPECT_EQ(f.Read(f.path), QByteArray("<p>[VarKit Item=Lamp]</p>\r\n"));  // No saved nothing
}

TEST(FileCommands, ClearEmptiesEverything)
{
    Files f;
    f.form().FileSize = QStringLiteral("27");
    ASSERT_NE(f.form().EditSize, QStringLiteral("0"));
    MenuFileOpen_Click(f.form(), 1);
    EXPECT_TRUE(f.form().FileName.text.isEmpty());
    EXPECT_EQ(f.form().FileSize, QStringLiteral("0"));
    EXPECT_EQ(f.form().EditSize, QStringLiteral("0"));
    EXPECT_EQ(f.form().MarkupSize, QStringLiteral("0"));
    EXPECT_TRUE(f.form().MarkupText.Text().isEmpty());
    EXPECT_TRUE(f.form().HTMLtext.Text().isEmpty());
    EXPECT_EQ(f.screen().FieldCount(), 1);
    EXPECT_FALSE(f.form().TemplateChanged);
    EXPECT_FALSE(f.form().ExportChanged);
    EXPECT_TRUE(f.dialogs().boxes.isEmpty());
}

TEST(FileCommands, CloseRequestAsksAndStaysOpenWhenWorkWouldBeLost)
{
    Files f;
    EXPECT_FALSE(Form_QueryUnload(f.form()));  // nothing unsaved
    f.form().TemplateLoading = true;
    EXPECT_TRUE(Form_QueryUnload(f.form()));
    EXPECT_EQ(f.dialogs().boxes.last().text, QStringLiteral("A Template is Loading.\r\nPlease cancel before quitting."));
    f.form().TemplateLoading = false;
    f.form().ImportRunning = true;  // between two tags the import is still running
    EXPECT_TRUE(Form_QueryUnload(f.form()));
    f.form().ImportRunning = false;

    f.form().MarkupText.SetText(QStringLiteral("edited"));
    f.dialogs().answers = {MsgAnswer::Cancel};
    EXPECT_TRUE(Form_QueryUnload(f.form()));
    EXPECT_EQ(f.dialogs().boxes.last().text, QStringLiteral("Save changes to current TEMPLATE \r\nbefore quitting?"));

    f.form().FileName.text.clear();  // Yes, then the save dialog is cancelled: stay open
    f.dialogs().answers = {MsgAnswer::Yes};
    EXPECT_TRUE(Form_QueryUnload(f.form()));
    EXPECT_TRUE(f.form().TemplateChanged);

    f.form().FileName.text = f.path;
    f.files().FailWrites([](const QString&) { return 75; });  // Yes, then the save fails: stay open
    f.dialogs().answers = {MsgAnswer::Yes};
    EXPECT_TRUE(Form_QueryUnload(f.form()));
    f.files().Heal();

    f.form().HTMLtext.SetText(QStringLiteral("<p>x</p>"));
    f.dialogs().answers = {MsgAnswer::No, MsgAnswer::Cancel};
    EXPECT_TRUE(Form_QueryUnload(f.form()));
    EXPECT_EQ(f.dialogs().boxes.last().title, QStringLiteral("HTML File"));
    EXPECT_EQ(f.dialogs().boxes.last().text, QStringLiteral("Save changes to HTML Export File \r\nbefore quitting?"));
    f.dialogs().answers = {MsgAnswer::No, MsgAnswer::No};
    EXPECT_FALSE(Form_QueryUnload(f.form()));
}

TEST(FileCommands, DropsTakeOnlyTemplatesAndLoadTheFirst)
{
    Files f;
    EXPECT_FALSE(FileName_OLEDragOver({QStringLiteral("/tmp/photo.jpg")}));
    EXPECT_FALSE(FileName_OLEDragOver({}));
    EXPECT_TRUE(FileName_OLEDragOver({QStringLiteral("/tmp/a.TPL"), QStringLiteral("/tmp/b.jpg")}));
    EXPECT_TRUE(FileName_OLEDragOver({QStringLiteral("/tmp/page.html")}));
    const QString a = f.WriteFile(QStringLiteral("a.tpl"), "[VarKit First=1]");
    const QString b = f.WriteFile(QStringLiteral("b.tpl"), "[VarKit Second=2]");
    FileName_OLEDragDrop(f.form(), {a, b});
    EXPECT_EQ(f.form().FileName.text, a);
    EXPECT_EQ(f.screen().Field(1).DataLabel.caption, QStringLiteral("First"));
    EXPECT_FALSE(f.form().TemplateChanged);

    // Unsaved work is asked about before a drop replaces it.
    f.form().MarkupText.SetText(QStringLiteral("typed"));
    f.dialogs().answers = {MsgAnswer::Cancel};
    FileName_OLEDragDrop(f.form(), {b});
    EXPECT_EQ(f.form().MarkupText.Text(), QStringLiteral("typed"));
}

TEST(FileCommands, FileMenuFollowsTheScreen)
{
    Files f;
    SetScreen(f.form(), Screen::Edit);
    MenuFile_Click(f.form());
    EXPECT_TRUE(f.form().FileMenu.open);
    EXPECT_FALSE(f.form().FileMenu.clear || f.form().FileMenu.save || f.form().FileMenu.saveAs || f.form().FileMenu.saveWeb);
    EXPECT_TRUE(f.form().FileMenu.saveModified);
    SetScreen(f.form(), Screen::NoMarkup);
    MenuFile_Click(f.form());
    EXPECT_TRUE(f.form().FileMenu.clear && f.form().FileMenu.save && f.form().FileMenu.saveAs);
    EXPECT_FALSE(f.form().FileMenu.saveModified || f.form().FileMenu.saveWeb);
    SetScreen(f.form(), Screen::Export);
    MenuFile_Click(f.form());
    EXPECT_TRUE(f.form().FileMenu.saveWeb);
    EXPECT_FALSE(f.form().FileMenu.open || f.form().FileMenu.clear || f.form().FileMenu.save);
}

TEST(FileCommands, FileSizeIsShownForAPathInWindowsForm)
{
    Files f;
    // A start-up template is named the way the settings file stores it: with backslashes.
    f.WriteFile(QStringLiteral("templates/Start_Here.TPL"), "<p>[VarKit Item=Cup]</p>");
    f.form().FileName.text = f.folder() + QStringLiteral("templates\\Start_Here.TPL");
    FetchTemplate(f.form(), f.form().FileName.text);
    f.form().MarkupText.SetText(QStringLiteral("<p>[VarKit Item=Mug]</p>"));
    ASSERT_TRUE(MenuFileSave_Click(f.form(), 0));
    const QByteArray written = f.Read(f.folder() + QStringLiteral("templates/Start_Here.TPL"));
    EXPECT_EQ(written, "<p>[VarKit Item=Mug]</p>");
    EXPECT_EQ(f.form().FileSize, QString::number(written.size()));

    f.form().HTMLtext.SetText(QStringLiteral("<p>Mug</p>"));
    f.AnswerFile(f.folder() + QStringLiteral("out\\page.htm"), 1);
    QDir().mkpath(f.folder() + QStringLiteral("out"));
    ASSERT_TRUE(MenuFileSaveWeb_Click(f.form()));
    EXPECT_EQ(f.Read(f.folder() + QStringLiteral("out/page.htm")), "<p>Mug</p>");
    EXPECT_EQ(f.form().FileSize, QStringLiteral("10"));
}
