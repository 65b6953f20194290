// The File menu and the template name box in the window, headless: which entries each screen
// allows, every answer to the unsaved-work questions of Open, Clear and the close request,
// saving over a protected file and into a protected folder, saving the HTML, and file drops.
#include "WindowFixture.h"

#include "editscreen/EditScreen.h"
#include "shell/ScreenTag.h"
#include "ui/EditScreenView.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QUrl>

namespace {

const QString kTemplateQuestion = QStringLiteral("Save changes to current template \r\nbefore continuing?");
const QString kExportQuestion = QStringLiteral("Save changes to exported HTML \r\nbefore continuing?");
const QString kQuitTemplateQuestion = QStringLiteral("Save changes to current TEMPLATE \r\nbefore quitting?");
const QString kQuitExportQuestion = QStringLiteral("Save changes to HTML Export File \r\nbefore quitting?");
const QString kProtected = QStringLiteral("Existing template may be protected. \r\nChoose a new file name. ");
const QByteArray kOtherTemplate = "<p>[VarKit Colour=blue]</p>";
const QByteArray kEdit = "<!-- edited -->";

struct Files : ProgramWindow {
    QMenu* FileMenu() const { return window->fileMenu(); }
    // The start-up template loaded, on the markup screen with a change typed at its end.
    void StartWithTemplateChange()
    {
        ASSERT_TRUE(Start());
        Click(window->tab(1));
        TypeIntoMarkup(QString::fromLatin1(kEdit));
        ASSERT_TRUE(form.TemplateChanged);
    }
    // The HTML made (entering the export screen), then back on the markup screen.
    void MakeExport()
    {
        Click(window->tab(4));
        ASSERT_FALSE(form.HTMLtext.Text().isEmpty());
        ASSERT_TRUE(form.ExportChanged);
        Click(window->tab(1));
    }
    QString Other() const { return Write(QStringLiteral("other.tpl"), kOtherTemplate); }
    // What the markup and export boxes hold, as a saved file holds it.
    QByteArray SavedMarkup() const { return form.MarkupText.Text().toLatin1(); }
    QByteArray SavedHtml() const { return form.HTMLtext.Text().toLatin1(); }
    void ExpectQuestion(int k, const QString& title, const QString& text) const
    {
        ASSERT_GT(dialogs.boxes.size(), k);
        const RecordedBox& box = dialogs.boxes[k];
        EXPECT_EQ(box.kind, QStringLiteral("message"));
        EXPECT_EQ(box.title, title);
        EXPECT_EQ(box.text, text);
        EXPECT_EQ(box.buttons, MsgButtons::YesNoCancel);
        EXPECT_EQ(box.icon, MsgIcon::Exclamation);
    }
    QStringList Kinds() const
    {
        QStringList kinds;
        for (const RecordedBox& box : dialogs.boxes)
            kinds << box.kind;
        return kinds;
    }
    EditScreenView& view() { return *window->editScreen(); }
};

// Sends a drag over the template name box and then, when asked, drops it there.
struct DragResult {
    bool enterAccepted = false;
    Qt::DropAction enterAction = Qt::IgnoreAction;
    bool dropAccepted = false;
};

DragResult DragOnto(QWidget* box, QMimeData& mime, bool drop)
{
    DragResult result;
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction | Qt::MoveAction | Qt::LinkAction, &mime, Qt::LeftButton, Qt::NoModifier);
    enter.setAccepted(true);  // the box must refuse it itself
    QApplication::sendEvent(box, &enter);
    result.enterAccepted = enter.isAccepted();
    result.enterAction = enter.dropAction();
    if (drop) {
        QDropEvent dropped(QPointF(5, 5), Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
        dropped.setAccepted(false);
        QApplication::sendEvent(box, &dropped);
        result.dropAccepted = dropped.isAccepted();
    }
    return result;
}

void SetUrls(QMimeData& mime, const QStringList& paths)
{
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls << QUrl::fromLocalFile(path);
    mime.setUrls(urls);
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// The menu itself

TEST(FileMenu, EntriesFollowTheScreen)
{
    Files w;
    ASSERT_TRUE(w.Start());
    const QStringList names{QStringLiteral("MenuFileOpen0"), QStringLiteral("MenuFileOpen1"), QStringLiteral("MenuFileSave0"),
                            QStringLiteral("MenuFileSave1"), QStringLiteral("MenuFileSaveModified"), QStringLiteral("MenuFileSaveWeb")};
    auto enabled = [&] {
        w.OpenMenu(w.FileMenu());
        QList<bool> states;
        for (const QString& name : names)
            states << w.Action(name)->isEnabled();
        return states;
    };
    // The edit screen with the fields of the start-up template.
    EXPECT_EQ(enabled(), (QList<bool>{true, false, false, false, true, false}));
    w.Click(w.window->tab(1));
    EXPECT_EQ(enabled(), (QList<bool>{true, true, true, true, false, false}));
    w.Click(w.window->tab(4));
    EXPECT_EQ(enabled(), (QList<bool>{false, false, false, false, false, true}));
    // A disabled entry cannot be chosen.
    EXPECT_FALSE(w.Choose(w.FileMenu(), QStringLiteral("MenuFileOpen0")));
    EXPECT_TRUE(w.dialogs.boxes.isEmpty());
    // The folder command and Exit are always there.
    EXPECT_TRUE(w.Action(QStringLiteral("MenuFileFolder"))->isEnabled());
    EXPECT_TRUE(w.Action(QStringLiteral("MenuFileExit"))->isEnabled());

    // An edit screen without fields (an untagged template) offers no "Save Edited Data fields".
    w.Click(w.window->tab(1));
    w.dialogs.answers = {MsgAnswer::No};  // the HTML just made is not kept
    w.dialogs.files = {{w.Write(QStringLiteral("plain.htm"), "<p>no tags</p>"), 2}};
    ASSERT_TRUE(w.Choose(w.FileMenu(), QStringLiteral("MenuFileOpen0")));
    w.Click(w.window->tab(0));
    EXPECT_EQ(enabled(), (QList<bool>{true, false, false, false, false, false}));
}

TEST(FileMenu, MenuIsDisabledWhileTheModelSaysSo)
{
    Files w;
    ASSERT_TRUE(w.Start());
    QAction* menu = w.FileMenu()->menuAction();
    EXPECT_TRUE(menu->isEnabled());
    w.form.FileMenuEnabled = false;  // as during an import
    w.form.NotifyChanged();
    w.Settle();
    EXPECT_FALSE(menu->isEnabled());
    w.form.FileMenuEnabled = true;
    w.form.NotifyChanged();
    w.Settle();
    EXPECT_TRUE(menu->isEnabled());
}

// ---------------------------------------------------------------------------------------------
// Open

TEST(FileOpen, WithoutChangesOpensTheChosenTemplate)
{
    Files w;
    ASSERT_TRUE(w.Start());
    const QString other = w.Other();
    w.dialogs.files = {{other, 2}};
    ASSERT_TRUE(w.Choose(w.FileMenu(), QStringLiteral("MenuFileOpen0")));
    ASSERT_EQ(w.Kinds(), QStringList{QStringLiteral("file")});
    const FileDialogRequest& request = w.dialogs.boxes[0].fileRequest;
    EXPECT_EQ(request.title, QStringLiteral("OPEN Template File"));
    EXPECT_FALSE(request.save);
    EXPECT_EQ(request.filterIndex, 2);
    EXPECT_EQ(request.folder, w.form.folders.Program());
    EXPECT_EQ(w.window->fileName()->text(), other);
    ASSERT_NE(w.view().fieldBox(1), nullptr);
    EXPECT_EQ(w.view().fieldBox(1)->toPlainText(), QStringLiteral("blue"));
    EXPECT_FALSE(w.form.TemplateChanged);
    EXPECT_FALSE(w.form.ExportChanged);

    // The next dialog starts in the folder of the file chosen last.
    const QString deeper = w.Write(QStringLiteral("shop/deeper.tpl"), kOtherTemplate);
    w.dialogs.files = {{deeper, 2}};
    ASSERT_TRUE(w.Choose(w.FileMenu(), QStringLiteral("MenuFileOpen0")));
    w.dialogs.files = {};
    ASSERT_TRUE(w.Choose(w.FileMenu(), QStringLiteral("MenuFileOpen0")));
    EXPECT_EQ(w.dialogs.boxes.last().fileRequest.folder, w.Folder() + QStringLiteral("shop/"));
    // A cancelled dialog leaves the template where it was.
    EXPECT_EQ(w.form.FileName.text, deeper);
    EXPECT_EQ(w.form.FileName.tag, QStringLiteral("Cancel"));
}

TEST(FileOpen, CancelAtTheTemplateQuestionChangesNothing)
{
    Files w;
    w.StartWithTemplateChange();
    const QString markup = w.form.MarkupText.Text();
    w.dialogs.answers = {MsgAnswer::Cancel};
    ASSERT_TRUE(w.Choose(w.FileMenu(), QStringLiteral("MenuFileOpen0")));
    ASSERT_EQ(w.dialogs.boxes.size(), 1);
    w.ExpectQuestion(0, QStringLiteral("Template File"), kTemplateQuestion);
    EXPECT_EQ(w.form.FileName.text, w.StartTemplatePath());
    EXPECT_EQ(w.form.MarkupText.Text(), markup);
    EXPECT_TRUE(w.form.TemplateChanged);
    EXPECT_EQ(w.Read(w.StartTemplateFile()), kWindowStartTemplate);
}

TEST(FileOpen, NoAtTheTemplateQuestionOpensWithoutSaving)
{
    Files w;
    w.StartWithTemplateChange();
    const QString other = w.Other();
    w.dialogs.answers = {MsgAnswer::No};
    w.dialogs.files = {{other, 2}};
    ASSERT_TRUE(w.Choose(w.FileMenu(), QStringLiteral("MenuFileOpen0")));
    w.ExpectQuestion(0, QStringLiteral("Template File"), kTemplateQuestion);
    EXPECT_EQ(w.Kinds(), (QStringList{QStringLiteral("message"), QStringLiteral("file")}));
    EXPECT_EQ(w.window->fileName()->text(), other);
    EXPECT_EQ(w.form.MarkupText.Text(), QString::fromLatin1(kOtherTemplate));
    EXPECT_FALSE(w.form.TemplateChanged);
    EXPECT_EQ(w.Read(w.StartTemplateFile()), kWindowStartTemplate);
}

TEST(FileOpen, YesAtTheTemplateQuestionSavesFirst)
{
    Files w;
    w.StartWithTemplateChange();
    const QByteArray saved = w.SavedMarkup();
    const QString other = w.Other();
    w.dialogs.answers = {MsgAnswer::Yes};
    w.dialogs.files = {{other, 2}};
    ASSERT_TRUE(w.Choose(w.FileMenu(), QStringLiteral("MenuFileOpen0")));
    // The template had a name: it is saved under it without a dialog, then Open asks.
    EXPECT_EQ(w.Kinds(), (QStringList{QStringLiteral("message"), QStringLiteral("file")}));
    EXPECT_EQ(w.dialogs.boxes[1].fileRequest.title, QStringLiteral("OPEN Template File"));
    EXPECT_EQ(w.Read(w.StartTemplateFile()), saved);
    EXPECT_TRUE(saved.contains(kEdit));
    EXPECT_EQ(w.window->fileName()->text(), other);
    EXPECT_FALSE(w.form.TemplateChanged);
}

TEST(FileOpen, YesWhoseSaveIsCancelledStops)
{
    Files w;
    ASSERT_TRUE(w.Start());
    w.Click(w.window->tab(1));
    ASSERT_TRUE(w.Choose(w.FileMenu(), QStringLiteral("MenuFileOpen1")));  // Clear: no name any more
    w.TypeIntoMarkup(QStringLiteral("<p>[VarKit New=one]</p>"));
    w.dialogs.boxes.clear();
    w.dialogs.answers = {MsgAnswer::Yes};
    w.dialogs.files = {{QString(), 2}, {w.Other(), 2}};  // the save dialog is cancelled
    ASSERT_TRUE(w.Choose(w.FileMenu(), QStringLiteral("MenuFileOpen0")));
    ASSERT_EQ(w.Kinds(), (QStringList{QStringLiteral("message"), QStringLiteral("file")}));
    EXPECT_EQ(w.dialogs.boxes[1].fileRequest.title, QStringLiteral("SAVE Template File"));
    EXPECT_TRUE(w.dialogs.boxes[1].fileRequest.save);
    EXPECT_TRUE(w.form.FileName.text.isEmpty());
    EXPECT_EQ(w.form.MarkupText.Text(), QStringLiteral("<p>[VarKit New=one]</p>"));
    EXPECT_TRUE(w.form.TemplateChanged);
}

TEST(FileOpen, BothQuestionsComeInOrderAndCancelAtTheSecondChangesNothing)
{
    Files w;
    w.StartWithTemplateChange();
    w.MakeExport();
    const QString html = w.form.HTMLtext.Text();
    w.dialogs.answers = {MsgAnswer::No, MsgAnswer::Cancel};
    ASSERT_TRUE(w.Choose(w.FileMenu(), QStringLiteral("MenuFileOpen0")));
    ASSERT_EQ(w.dialogs.boxes.size(), 2);
    w.ExpectQuestion(0, QStringLiteral("Template File"), kTemplateQuestion);
    w.ExpectQuestion(1, QStringLiteral("HTML File"), kExportQuestion);
    EXPECT_EQ(w.form.FileName.text, w.StartTemplatePath());
    EXPECT_TRUE(w.form.TemplateChanged);
    EXPECT_TRUE(w.form.ExportChanged);
    EXPECT_EQ(w.form.HTMLtext.Text(), html);
    EXPECT_EQ(w.Read(w.StartTemplateFile()), kWindowStartTemplate);
}

TEST(FileOpen, NoAtBothQuestionsOpens)
{
    Files w;
    w.StartWithTemplateChange();
    w.MakeExport();
    const QString other = w.Other();
    w.dialogs.answers = {MsgAnswer::No, MsgAnswer::No};
    w.dialogs.files = {{other, 2}};
    ASSERT_TRUE(w.Choose(w.FileMenu(), QStringLiteral("MenuFileOpen0")));
    EXPECT_EQ(w.Kinds(), (QStringList{QStringLiteral("message"), QStringLiteral("message"), QStringLiteral("file")}));
    EXPECT_EQ(w.form.FileName.text, other);
    EXPECT_FALSE(w.form.TemplateChanged);
    EXPECT_FALSE(w.form.ExportChanged);
}

TEST(FileOpen, YesAtTheExportQuestionSavesTheHtmlFirst)
{
    Files w;
    w.StartWithTemplateChange();
    w.MakeExport();
    const QByteArray html = w.SavedHtml();
    const QString page = w.Folder() + QStringLiteral("page.htm");
    const QString other = w.Other();
    w.dialogs.answers = {MsgAnswer::No, MsgAnswer::Yes};
    w.dialogs.files = {{page, 1}, {other, 2}};
    ASSERT_TRUE(w.Choose(w.FileMenu(), QStringLiteral("MenuFileOpen0")));
    ASSERT_EQ(w.Kinds(), (QStringList{QStringLiteral("message"), QStringLiteral("message"), QStringLiteral("file"),
                                      QStringLiteral("file")}));
    EXPECT_EQ(w.dialogs.boxes[2].fileRequest.title, QStringLiteral("SAVE HTML File"));
    EXPECT_EQ(w.dialogs.boxes[2].fileRequest.filterIndex, 1);
    EXPECT_EQ(w.Read(page), html);
    EXPECT_EQ(w.form.FileName.text, other);
}

TEST(FileOpen, YesAtTheExportQuestionWithTheDialogCancelledStops)
{
    Files w;
    w.StartWithTemplateChange();
    w.MakeExport();
    w.dialogs.answers = {MsgAnswer::No, MsgAnswer::Yes};
    w.dialogs.files = {{QString(), 1}, {w.Other(), 2}};
    ASSERT_TRUE(w.Choose(w.FileMenu(), QStringLiteral("MenuFileOpen0")));
    EXPECT_EQ(w.Kinds(), (QStringList{QStringLiteral("message"), QStringLiteral("message"), QStringLiteral("file")}));
    EXPECT_EQ(w.form.FileName.text, w.StartTemplatePath());
    EXPECT_EQ(w.window->fileName()->text(), w.StartTemplatePath());
    EXPECT_TRUE(w.form.ExportChanged);
    EXPECT_TRUE(w.form.TemplateChanged);
}

// ---------------------------------------------------------------------------------------------
// Clear

TEST(FileClear, CancelKeepsEverything)
{
    Files w;
    w.StartWithTemplateChange();
    const int fields = w.form.screen.FieldCount();
    w.dialogs.answers = {MsgAnswer::Cancel};
    ASSERT_TRUE(w.Choose(w.FileMenu(), QStringLiteral("MenuFileOpen1")));
    ASSERT_EQ(w.dialogs.boxes.size(), 1);
    w.ExpectQuestion(0, QStringLiteral("Template File"), kTemplateQuestion);
    EXPECT_EQ(w.form.screen.FieldCount(), fields);
    EXPECT_EQ(w.window->fileName()->text(), w.StartTemplatePath());
    EXPECT_TRUE(w.window->markupText()->toPlainText().contains(QString::fromLatin1(kEdit)));
}

TEST(FileClear, NoClearsTheTemplateTheScreensAndTheFlags)
{
    Files w;
    w.StartWithTemplateChange();
    w.MakeExport();
    w.dialogs.answers = {MsgAnswer::No, MsgAnswer::No};
    ASSERT_TRUE(w.Choose(w.FileMenu(), QStringLiteral("MenuFileOpen1")));
    EXPECT_EQ(w.dialogs.boxes.size(), 2);
    EXPECT_TRUE(w.window->fileName()->text().isEmpty());
    EXPECT_TRUE(w.window->markupText()->toPlainText().isEmpty());
    EXPECT_TRUE(w.form.HTMLtext.Text().isEmpty());  // the export box, hidden behind the markup
    EXPECT_EQ(w.form.screen.FieldCount(), 1);
    EXPECT_EQ(w.view().fieldBox(1), nullptr);
    EXPECT_FALSE(w.form.TemplateChanged);
    EXPECT_FALSE(w.form.ExportChanged);
    EXPECT_TRUE(w.FileMenu()->menuAction()->isEnabled());
    EXPECT_EQ(w.Read(w.StartTemplateFile()), kWindowStartTemplate);
}

TEST(FileClear, YesSavesBothBeforeClearing)
{
    Files w;
    w.StartWithTemplateChange();
    w.MakeExport();
    const QByteArray markup = w.SavedMarkup();
    const QByteArray html = w.SavedHtml();
    const QString page = w.Folder() + QStringLiteral("out/page");
    QDir().mkpath(w.Folder() + QStringLiteral("out"));
    w.dialogs.answers = {MsgAnswer::Yes, MsgAnswer::Yes};
    w.dialogs.files = {{page, 1}};  // no extension: the web filter adds ".htm"
    ASSERT_TRUE(w.Choose(w.FileMenu(), QStringLiteral("MenuFileOpen1")));
    EXPECT_EQ(w.Read(w.StartTemplateFile()), markup);
    EXPECT_EQ(w.Read(page + QStringLiteral(".htm")), html);
    EXPECT_TRUE(w.form.FileName.text.isEmpty());
    EXPECT_TRUE(w.form.MarkupText.Text().isEmpty());
}

// ---------------------------------------------------------------------------------------------
// Save Template, Save Template As, Save as Auction Code

TEST(FileSave, SaveTemplateWritesUnderTheCurrentName)
{
    Files w;
    w.StartWithTemplateChange();
    const QByteArray saved = w.SavedMarkup();
    ASSERT_TRUE(w.Choose(w.FileMenu(), QStringLiteral("MenuFileSave0")));
    EXPECT_TRUE(w.dialogs.boxes.isEmpty());
    EXPECT_EQ(w.Read(w.StartTemplateFile()), saved);
    EXPECT_FALSE(w.form.TemplateChanged);
    EXPECT_EQ(w.Child<QLabel>(QStringLiteral("FileSize"))->text(), QString::number(saved.size()));
    // Saving again does not grow the file.
    ASSERT_TRUE(w.Choose(w.FileMenu(), QStringLiteral("MenuFileSave0")));
    EXPECT_EQ(w.Read(w.StartTemplateFile()), saved);
}

TEST(FileSave, SaveAsAddsTheExtensionOfTheChosenFilter)
{
    Files w;
    w.StartWithTemplateChange();
    const QByteArray saved = w.SavedMarkup();
    w.dialogs.files = {{w.Folder() + QStringLiteral("copy"), 2}};
    ASSERT_TRUE(w.Choose(w.FileMenu(), QStringLiteral("MenuFileSave1")));
    ASSERT_EQ(w.Kinds(), QStringList{QStringLiteral("file")});
    EXPECT_EQ(w.dialogs.boxes[0].fileRequest.fileName, w.StartTemplatePath());
    EXPECT_EQ(w.dialogs.boxes[0].fileRequest.filterIndex, 2);
    EXPECT_EQ(w.Read(w.Folder() + QStringLiteral("copy.txt")), saved);
    EXPECT_EQ(w.window->fileName()->text(), w.Folder() + QStringLiteral("copy.txt"));
    EXPECT_EQ(w.Read(w.StartTemplateFile()), kWindowStartTemplate);

    w.dialogs.files = {{w.Folder() + QStringLiteral("web"), 1}};
    ASSERT_TRUE(w.Choose(w.FileMenu(), QStringLiteral("MenuFileSave1")));
    EXPECT_EQ(w.Read(w.Folder() + QStringLiteral("web.htm")), saved);

    // Cancelling the dialog leaves the change flag as it was.
    w.TypeIntoMarkup(QStringLiteral("x"));
    w.dialogs.files = {};
    ASSERT_TRUE(w.Choose(w.FileMenu(), QStringLiteral("MenuFileSave1")));
    EXPECT_TRUE(w.form.TemplateChanged);
    EXPECT_EQ(w.form.FileName.tag, QStringLiteral("Cancel"));
    EXPECT_EQ(w.form.FileName.text, w.Folder() + QStringLiteral("web.htm"));
}

TEST(FileSave, ReadOnlyTemplateGivesTheProtectedMessageThenTheDialog)
{
    Files w;
    w.StartWithTemplateChange();
    const QByteArray saved = w.SavedMarkup();
    const QString target = w.StartTemplateFile();
    w.files.FailWrites([target](const QString& path) { return path == target ? 70 : 0; });
    const QString elsewhere = w.Folder() + QStringLiteral("mine.tpl");
    w.dialogs.files = {{elsewhere, 2}};
    ASSERT_TRUE(w.Choose(w.FileMenu(), QStringLiteral("MenuFileSave0")));
    ASSERT_EQ(w.Kinds(), (QStringList{QStringLiteral("message"), QStringLiteral("file")}));
    EXPECT_EQ(w.dialogs.boxes[0].title, QStringLiteral("File Error"));
    EXPECT_EQ(w.dialogs.boxes[0].text, kProtected);
    EXPECT_EQ(w.dialogs.boxes[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(w.dialogs.boxes[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(w.dialogs.boxes[1].fileRequest.title, QStringLiteral("SAVE Template File"));
    EXPECT_EQ(w.dialogs.boxes[1].fileRequest.fileName, w.StartTemplatePath());
    EXPECT_EQ(w.Read(elsewhere), saved);
    EXPECT_EQ(w.Read(target), kWindowStartTemplate);
    EXPECT_EQ(w.window->fileName()->text(), elsewhere);
    EXPECT_FALSE(w.form.TemplateChanged);
}

TEST(FileSave, ReadOnlyFolderRefusesEveryNameInItUntilAnotherFolderIsChosen)
{
    Files w;
    ASSERT_TRUE(w.Start());
    const QString locked = w.Folder() + QStringLiteral("locked/");
    const QString listing = w.Write(QStringLiteral("locked/listing.tpl"), kOtherTemplate);
    w.Click(w.window->tab(1));
    w.dialogs.files = {{listing, 2}};
    ASSERT_TRUE(w.Choose(w.FileMenu(), QStringLiteral("MenuFileOpen0")));
    ASSERT_EQ(w.form.FileName.text, listing);
    w.TypeIntoMarkup(QStringLiteral("<p>more</p>"));
    const QByteArray saved = w.SavedMarkup();
    w.dialogs.boxes.clear();

    w.files.FailWrites([locked](const QString& path) { return path.startsWith(locked) ? 70 : 0; });
    const QString outside = w.Folder() + QStringLiteral("saved.tpl");
    w.dialogs.files = {{locked + QStringLiteral("new.tpl"), 2}, {outside, 2}};
    ASSERT_TRUE(w.Choose(w.FileMenu(), QStringLiteral("MenuFileSave0")));
    ASSERT_EQ(w.Kinds(), (QStringList{QStringLiteral("message"), QStringLiteral("file"), QStringLiteral("message"),
                                      QStringLiteral("file")}));
    EXPECT_EQ(w.dialogs.boxes[0].text, kProtected);
    EXPECT_EQ(w.dialogs.boxes[2].text, kProtected);
    EXPECT_FALSE(QFileInfo::exists(locked + QStringLiteral("new.tpl")));
    EXPECT_EQ(w.Read(listing), kOtherTemplate);
    EXPECT_EQ(w.Read(outside), saved);
    EXPECT_EQ(w.form.FileName.text, outside);
    EXPECT_FALSE(w.form.TemplateChanged);

    // The HTML cannot go there either: the export path is named, and the export stays unsaved.
    w.MakeExport();
    w.Click(w.window->tab(4));
    w.dialogs.boxes.clear();
    w.dialogs.files = {{locked + QStringLiteral("page.htm"), 1}};
    ASSERT_TRUE(w.Choose(w.FileMenu(), QStringLiteral("MenuFileSaveWeb")));
    ASSERT_EQ(w.Kinds(), (QStringList{QStringLiteral("file"), QStringLiteral("message")}));
    EXPECT_EQ(w.dialogs.boxes[1].title, QStringLiteral("File Error"));
    EXPECT_EQ(w.dialogs.boxes[1].text, QStringLiteral("File Save Error. \r\n") + locked + QStringLiteral("page.htm"));
    EXPECT_FALSE(QFileInfo::exists(locked + QStringLiteral("page.htm")));
    EXPECT_TRUE(w.form.ExportChanged);
    EXPECT_EQ(w.window->fileName()->text(), outside);
}

TEST(FileSave, OtherWriteFailureSaysSoAndKeepsTheChange)
{
    Files w;
    w.StartWithTemplateChange();
    const QString target = w.StartTemplateFile();
    w.files.FailWrites([target](const QString& path) { return path == target ? 75 : 0; });
    ASSERT_TRUE(w.Choose(w.FileMenu(), QStringLiteral("MenuFileSave0")));
    ASSERT_EQ(w.dialogs.boxes.size(), 1);
    EXPECT_EQ(w.dialogs.boxes[0].title, QStringLiteral("File Error"));
    EXPECT_EQ(w.dialogs.boxes[0].text, QStringLiteral("File Save Error. "));
    EXPECT_TRUE(w.form.TemplateChanged);
    EXPECT_EQ(w.Read(target), kWindowStartTemplate);
}

TEST(FileSave, AuctionCodeSavesTheHtmlAndShowsTheTemplateAgain)
{
    Files w;
    ASSERT_TRUE(w.Start());
    w.Click(w.window->tab(4));
    const QByteArray html = w.SavedHtml();
    ASSERT_TRUE(html.contains("<h1>Brass Lamp</h1>"));
    w.dialogs.files = {{w.Folder() + QStringLiteral("listing"), 1}};
    ASSERT_TRUE(w.Choose(w.FileMenu(), QStringLiteral("MenuFileSaveWeb")));
    ASSERT_EQ(w.Kinds(), QStringList{QStringLiteral("file")});
    const FileDialogRequest& request = w.dialogs.boxes[0].fileRequest;
    EXPECT_EQ(request.title, QStringLiteral("SAVE HTML File"));
    EXPECT_TRUE(request.save);
    EXPECT_EQ(request.filterIndex, 1);
    EXPECT_EQ(request.fileName, w.Folder() + QStringLiteral("templates/Start_Here.htm"));
    EXPECT_EQ(w.Read(w.Folder() + QStringLiteral("listing.htm")), html);
    EXPECT_EQ(w.window->fileName()->text(), w.StartTemplatePath());
    EXPECT_FALSE(w.form.ExportChanged);
    EXPECT_EQ(w.Child<QLabel>(QStringLiteral("FileSize"))->text(), QString::number(html.size()));
}

// ---------------------------------------------------------------------------------------------
// The close request

TEST(FileQuit, CancelAtTheTemplateQuestionStaysOpen)
{
    Files w;
    w.StartWithTemplateChange();
    w.dialogs.answers = {MsgAnswer::Cancel};
    EXPECT_FALSE(w.window->close());
    EXPECT_TRUE(w.window->isVisible());
    ASSERT_EQ(w.dialogs.boxes.size(), 1);
    w.ExpectQuestion(0, QStringLiteral("Template File"), kQuitTemplateQuestion);
    EXPECT_TRUE(QFileInfo::exists(w.form.WorkFile));  // not unloaded
    EXPECT_TRUE(w.form.TemplateChanged);
}

TEST(FileQuit, NoQuitsWithoutSaving)
{
    Files w;
    w.StartWithTemplateChange();
    w.dialogs.answers = {MsgAnswer::No};
    EXPECT_TRUE(w.window->close());
    EXPECT_FALSE(w.window->isVisible());
    EXPECT_EQ(w.dialogs.boxes.size(), 1);
    EXPECT_EQ(w.Read(w.StartTemplateFile()), kWindowStartTemplate);
    EXPECT_FALSE(QFileInfo::exists(w.form.WorkFile));
}

TEST(FileQuit, YesSavesThenQuits)
{
    Files w;
    w.StartWithTemplateChange();
    const QByteArray saved = w.SavedMarkup();
    w.dialogs.answers = {MsgAnswer::Yes};
    EXPECT_TRUE(w.window->close());
    EXPECT_EQ(w.Read(w.StartTemplateFile()), saved);
    EXPECT_FALSE(w.window->isVisible());
}

TEST(FileQuit, YesWhoseSaveDialogIsCancelledStaysOpen)
{
    Files w;
    ASSERT_TRUE(w.Start());
    w.Click(w.window->tab(1));
    ASSERT_TRUE(w.Choose(w.FileMenu(), QStringLiteral("MenuFileOpen1")));
    w.TypeIntoMarkup(QStringLiteral("<p>unsaved work</p>"));
    w.dialogs.answers = {MsgAnswer::Yes};
    w.dialogs.files = {{QString(), 2}};
    EXPECT_FALSE(w.window->close());
    EXPECT_TRUE(w.window->isVisible());
    EXPECT_EQ(w.Kinds(), (QStringList{QStringLiteral("message"), QStringLiteral("file")}));
    EXPECT_TRUE(w.form.TemplateChanged);
    EXPECT_EQ(w.form.MarkupText.Text(), QStringLiteral("<p>unsaved work</p>"));
}

TEST(FileQuit, YesWhoseSaveFailsStaysOpen)
{
    Files w;
    w.StartWithTemplateChange();
    const QString target = w.StartTemplateFile();
    w.files.FailWrites([target](const QString& path) { return path == target ? 75 : 0; });
    w.dialogs.answers = {MsgAnswer::Yes};
    EXPECT_FALSE(w.window->close());
    EXPECT_TRUE(w.window->isVisible());
    EXPECT_EQ(w.dialogs.Titles(), (QStringList{QStringLiteral("Template File"), QStringLiteral("File Error")}));
    EXPECT_TRUE(w.form.TemplateChanged);
    EXPECT_EQ(w.Read(target), kWindowStartTemplate);
}

TEST(FileQuit, ProtectedTemplateSavedElsewhereThenQuits)
{
    Files w;
    w.StartWithTemplateChange();
    const QByteArray saved = w.SavedMarkup();
    const QString target = w.StartTemplateFile();
    w.files.FailWrites([target](const QString& path) { return path == target ? 70 : 0; });
    const QString elsewhere = w.Folder() + QStringLiteral("rescued.tpl");
    w.dialogs.answers = {MsgAnswer::Yes};
    w.dialogs.files = {{elsewhere, 2}};
    EXPECT_TRUE(w.window->close());
    EXPECT_EQ(w.dialogs.Titles(), (QStringList{QStringLiteral("Template File"), QStringLiteral("File Error"),
                                               QStringLiteral("SAVE Template File")}));
    EXPECT_EQ(w.Read(elsewhere), saved);
    EXPECT_EQ(w.Read(target), kWindowStartTemplate);
}

TEST(FileQuit, ExportQuestionAnswers)
{
    {
        Files w;
        ASSERT_TRUE(w.Start());
        w.MakeExport();
        w.dialogs.answers = {MsgAnswer::Cancel};
        EXPECT_FALSE(w.window->close());
        ASSERT_EQ(w.dialogs.boxes.size(), 1);
        w.ExpectQuestion(0, QStringLiteral("HTML File"), kQuitExportQuestion);
    }
    {
        Files w;
        ASSERT_TRUE(w.Start());
        w.MakeExport();
        w.dialogs.answers = {MsgAnswer::Yes};
        w.dialogs.files = {{QString(), 1}};
        EXPECT_FALSE(w.window->close());  // the save was cancelled
        EXPECT_TRUE(w.form.ExportChanged);
    }
    {
        Files w;
        ASSERT_TRUE(w.Start());
        w.MakeExport();
        const QByteArray html = w.SavedHtml();
        const QString page = w.Folder() + QStringLiteral("final.htm");
        w.dialogs.answers = {MsgAnswer::Yes};
        w.dialogs.files = {{page, 1}};
        EXPECT_TRUE(w.window->close());
        EXPECT_EQ(w.Read(page), html);
    }
    {
        Files w;
        ASSERT_TRUE(w.Start());
        w.MakeExport();
        w.dialogs.answers = {MsgAnswer::No};
        EXPECT_TRUE(w.window->close());
    }
}

TEST(FileQuit, BothQuestionsAndCancelAtTheSecondStaysOpen)
{
    Files w;
    w.StartWithTemplateChange();
    w.MakeExport();
    w.dialogs.answers = {MsgAnswer::No, MsgAnswer::Cancel};
    EXPECT_FALSE(w.window->close());
    ASSERT_EQ(w.dialogs.boxes.size(), 2);
    w.ExpectQuestion(0, QStringLiteral("Template File"), kQuitTemplateQuestion);
    w.ExpectQuestion(1, QStringLiteral("HTML File"), kQuitExportQuestion);
    EXPECT_TRUE(w.window->isVisible());

    // Asked again, No twice quits.
    w.dialogs.answers = {MsgAnswer::No, MsgAnswer::No};
    EXPECT_TRUE(w.window->close());
    EXPECT_EQ(w.dialogs.boxes.size(), 4);
}

TEST(FileQuit, ExitAsksTheSameQuestions)
{
    Files w;
    w.StartWithTemplateChange();
    w.dialogs.answers = {MsgAnswer::Cancel};
    ASSERT_TRUE(w.Choose(w.FileMenu(), QStringLiteral("MenuFileExit")));
    EXPECT_TRUE(w.window->isVisible());
    EXPECT_EQ(w.dialogs.CountTitled(QStringLiteral("Template File")), 1);
    w.dialogs.answers = {MsgAnswer::No};
    ASSERT_TRUE(w.Choose(w.FileMenu(), QStringLiteral("MenuFileExit")));
    EXPECT_FALSE(w.window->isVisible());
    EXPECT_FALSE(QFileInfo::exists(w.form.WorkFile));
}

TEST(FileQuit, RefusedWhileATemplateIsLoading)
{
    Files w;
    ASSERT_TRUE(w.Start());
    w.Click(w.window->tab(1));
    w.form.TemplateLoading = true;  // the scanner is running
    EXPECT_FALSE(w.window->close());
    ASSERT_EQ(w.dialogs.boxes.size(), 1);
    EXPECT_EQ(w.dialogs.boxes[0].title, QStringLiteral("Template File"));
    EXPECT_EQ(w.dialogs.boxes[0].text, QStringLiteral("A Template is Loading.\r\nPlease cancel before quitting."));
    EXPECT_EQ(w.dialogs.boxes[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(ScreenOf(w.form), Screen::Edit);
    EXPECT_TRUE(QFileInfo::exists(w.form.WorkFile));
    w.form.TemplateLoading = false;
    EXPECT_TRUE(w.window->close());
}

// ---------------------------------------------------------------------------------------------
// Drops on the template name box

TEST(FileDrop, PictureIsRefusedDuringTheDrag)
{
    Files w;
    ASSERT_TRUE(w.Start());
    const QString picture = w.Write(QStringLiteral("logo.png"), "not really a picture");
    QMimeData mime;
    SetUrls(mime, {picture});
    const DragResult result = DragOnto(w.window->fileName(), mime, true);
    w.Settle();
    EXPECT_FALSE(result.enterAccepted);
    EXPECT_FALSE(result.dropAccepted);
    EXPECT_EQ(w.form.FileName.text, w.StartTemplatePath());
    EXPECT_EQ(w.window->fileName()->text(), w.StartTemplatePath());
    EXPECT_EQ(w.view().fieldBox(2)->toPlainText(), QStringLiteral("Lamp"));
    EXPECT_TRUE(w.dialogs.boxes.isEmpty());
}

TEST(FileDrop, TwoTemplatesLoadTheFirst)
{
    Files w;
    ASSERT_TRUE(w.Start());
    const QString first = w.Other();
    const QString second = w.Write(QStringLiteral("second.TPL"), "[VarKit Size=large]");
    QMimeData mime;
    SetUrls(mime, {first, second});
    const DragResult result = DragOnto(w.window->fileName(), mime, true);
    EXPECT_TRUE(result.enterAccepted);
    EXPECT_EQ(result.enterAction, Qt::CopyAction);
    EXPECT_TRUE(result.dropAccepted);
    w.Settle();
    EXPECT_EQ(w.window->fileName()->text(), first);
    ASSERT_NE(w.view().fieldBox(1), nullptr);
    EXPECT_EQ(w.view().fieldBox(1)->toPlainText(), QStringLiteral("blue"));
    EXPECT_EQ(w.form.MarkupText.Text(), QString::fromLatin1(kOtherTemplate));
}

TEST(FileDrop, TheFirstFileDecidesAndOtherDragsAreRefused)
{
    Files w;
    ASSERT_TRUE(w.Start());
    const QString page = w.Write(QStringLiteral("page.HTML"), "<p>[VarKit Item=Cup]</p>");
    const QString picture = w.Write(QStringLiteral("photo.jpg"), "x");
    {
        QMimeData mime;
        SetUrls(mime, {picture, page});
        EXPECT_FALSE(DragOnto(w.window->fileName(), mime, false).enterAccepted);
    }
    {
        QMimeData mime;
        mime.setText(QStringLiteral("some text"));
        EXPECT_FALSE(DragOnto(w.window->fileName(), mime, true).enterAccepted);
        w.Settle();
        EXPECT_EQ(w.window->fileName()->text(), w.StartTemplatePath());
    }
    {
        QMimeData mime;
        SetUrls(mime, {page, picture});
        EXPECT_TRUE(DragOnto(w.window->fileName(), mime, true).dropAccepted);
        w.Settle();
        EXPECT_EQ(w.form.FileName.text, page);
        EXPECT_EQ(w.view().fieldBox(1)->toPlainText(), QStringLiteral("Cup"));
    }
    // While an import runs the box takes no input, and no drop either.
    w.form.FileName.enabled = false;
    w.form.NotifyChanged();
    w.Settle();
    QMimeData mime;
    SetUrls(mime, {w.Other()});
    EXPECT_FALSE(DragOnto(w.window->fileName(), mime, true).dropAccepted);
    w.Settle();
    EXPECT_EQ(w.form.FileName.text, page);
}

TEST(FileDrop, UnsavedWorkIsAskedAboutFirst)
{
    Files w;
    w.StartWithTemplateChange();
    QMimeData mime;
    SetUrls(mime, {w.Other()});
    w.dialogs.answers = {MsgAnswer::Cancel};
    EXPECT_TRUE(DragOnto(w.window->fileName(), mime, true).dropAccepted);
    w.Settle();
    ASSERT_EQ(w.dialogs.boxes.size(), 1);
    w.ExpectQuestion(0, QStringLiteral("Template File"), kTemplateQuestion);
    EXPECT_EQ(w.form.FileName.text, w.StartTemplatePath());
    EXPECT_TRUE(w.form.MarkupText.Text().contains(QString::fromLatin1(kEdit)));
}
