// The tab strip, the command buttons, the preview and the prior-choices command.
#include "editscreen/ColorEditor.h"
#include "html/Colors.h"
#include "html/LinkPreview.h"
#include "platform/NullServices.h"
#include "shell/FormState.h"
#include "shell/ImportTemplate.h"
#include "shell/ScreenCommands.h"
#include "shell/ScreenTag.h"
#include "support/FaultyFiles.h"
#include "support/RecordingShell.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A form on scripted dialogs and a shell that records what it was asked to open.
struct Screens {
    QTemporaryDir folder;
    ScriptedDialogs dialogs;
    RecordingShell shell;
    BufferClipboard clipboard;
    FaultyFiles files;
    FormState form{dialogs, shell, clipboard, files};

    Screens() { form.folders = TestFolders(folder.path()); }

    QString Write(const QString& name, const QByteArray& bytes)
    {
        const QString path = folder.filePath(name);
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
        return path;
    }
    void Import(const QByteArray& bytes, const QString& name = QStringLiteral("t.tpl"))
    {
        form.FileName.text = Write(name, bytes);
        FetchTemplate(form, form.FileName.text);
        ImportTemplate(form);
    }
    QByteArray PreviewBytes() const
    {
        return ReadTestFile(form.PreviewFile, QByteArray());
    }
};

// The enlarged editor open on field 1 with this text.
void OpenBlowup(FormState& form, const QString& text)
{
    form.Blowup.visible = true;
    form.Blowup.tag = QStringLiteral("1");
    form.Blowup.DataBlowup.SetText(text);
}

quint32 Windows(const char* html)
{
    return ColorValueFromWindowsText(BGR(QString::fromLatin1(html))).value();
}

}  // namespace

TEST(ScreenCommands, BarColoursAreTheTabColours)
{
    EXPECT_EQ(IdleBarColor(0), Windows("#F0F0D0"));
    EXPECT_EQ(IdleBarColor(1), Windows("#D8C8C8"));
    EXPECT_EQ(IdleBarColor(4), Windows("#D0E0D0"));
    EXPECT_EQ(SelectedBarColor(0), Windows("#F8F8A0"));
    EXPECT_EQ(SelectedBarColor(1), Windows("#DBA8BD"));
    EXPECT_EQ(SelectedBarColor(4), Windows("#C0F0C0"));
    EXPECT_EQ(SelectedBarColor(1), 0xBDA8DBu);  // blue byte high
}

TEST(ScreenCommands, EditTabShowsTheEditScreen)
{
    Screens s;
    int focused = 0;
    s.form.onFocusFileName = [&] { ++focused; };
    TabTop_Click(s.form, 0);
    EXPECT_EQ(ScreenOf(s.form), Screen::Edit);
    EXPECT_TRUE(s.form.DescFrameVisible);
    EXPECT_GT(s.form.DescFrameZ, s.form.MarkupFrameZ);
    EXPECT_GT(s.form.DescFrameZ, s.form.HTMLframeZ);
    EXPECT_TRUE(s.form.MenuEditEnabled);
    EXPECT_FALSE(s.form.FindEnabled);
    EXPECT_EQ(s.form.ColorLineColor[0], SelectedBarColor(0));
    EXPECT_EQ(s.form.ColorLineColor[1], IdleBarColor(1));
    EXPECT_EQ(s.form.ColorLineColor[4], IdleBarColor(4));
    EXPECT_EQ(focused, 1);
    EXPECT_TRUE(s.dialogs.boxes.isEmpty());
}

TEST(ScreenCommands, MarkupTabShowsTheMarkupWithTagButtons)
{
    Screens s;
    TabTop_Click(s.form, 0);
    TabTop_Click(s.form, 1);
    EXPECT_EQ(ScreenOf(s.form), Screen::Markup);
    EXPECT_GT(s.form.MarkupFrameZ, s.form.DescFrameZ);
    EXPECT_TRUE(s.form.TagButtonFrameVisible);
    EXPECT_TRUE(s.form.TagButtonFrameEnabled);
    EXPECT_TRUE(s.form.FindEnabled);
    EXPECT_TRUE(s.form.MenuEditEnabled);
    EXPECT_EQ(s.form.ColorLineColor[1], SelectedBarColor(1));
    EXPECT_EQ(s.form.ColorLineColor[0], IdleBarColor(0));
}

TEST(ScreenCommands, MarkupTabUnderTheLogoKeepsTheTagButtonsInert)
{
    Screens s;
    s.form.CustomLogoVisible = true;
    TabTop_Click(s.form, 1);
    EXPECT_TRUE(s.form.TagButtonFrameVisible);
    EXPECT_FALSE(s.form.TagButtonFrameEnabled);
}

TEST(ScreenCommands, LockedMarkupHidesTheToolsAndReadsNomarkup)
{
    Screens s;
    s.form.MarkupLocked = true;
    TabTop_Click(s.form, 1);
    EXPECT_EQ(ScreenOf(s.form), Screen::NoMarkup);
    EXPECT_TRUE(s.form.MarkupFrameVisible);
    EXPECT_GT(s.form.MarkupFrameZ, s.form.DescFrameZ);
    EXPECT_FALSE(s.form.TagButtonFrameVisible);
    EXPECT_FALSE(s.form.MenuEditEnabled);
    EXPECT_FALSE(s.form.FindEnabled);
}

TEST(ScreenCommands, ExportTabMakesTheHtmlThenPreviews)
{
    Screens s;
    s.Import("<p>[VarKit Name=Lamp]</p>");
    TabTop_Click(s.form, 0);
    TabTop_Click(s.form, 4);
    EXPECT_EQ(ScreenOf(s.form), Screen::Export);
    EXPECT_TRUE(s.form.HTMLframeVisible);
    EXPECT_GT(s.form.HTMLframeZ, s.form.DescFrameZ);
    EXPECT_TRUE(s.form.FindEnabled);
    EXPECT_EQ(s.form.TabTopToolTip[4], QStringLiteral("Click to view Browser. "));
    EXPECT_EQ(s.form.ColorLineColor[4], SelectedBarColor(4));
    EXPECT_TRUE(s.form.HTMLtext.Text().contains(QStringLiteral("<p>Lamp</p>")));
    EXPECT_TRUE(s.shell.opened.isEmpty());

    // The second click previews.
    TabTop_Click(s.form, 4);
    ASSERT_EQ(s.shell.opened.size(), 1);
    EXPECT_EQ(s.shell.opened[0], s.form.PreviewFile);
    EXPECT_TRUE(s.PreviewBytes().startsWith("<p>Lamp</p>"));
    EXPECT_TRUE(s.PreviewBytes().endsWith("\r\n"));
    EXPECT_EQ(s.form.TabTopToolTip[4], QStringLiteral("Click to view Browser. "));
    EXPECT_TRUE(s.dialogs.boxes.isEmpty());
}

TEST(ScreenCommands, OtherTabsResetTheExportToolTip)
{
    Screens s;
    s.Import("[VarKit Name=Lamp]");
    TabTop_Click(s.form, 4);
    TabTop_Click(s.form, 0);
    EXPECT_EQ(s.form.TabTopToolTip[4], QStringLiteral("Click to view HTML code -- Dbl-click to view Browser."));
    EXPECT_EQ(s.form.TabTopToolTip[0], QStringLiteral("Click to make changes to Data Fields."));
    EXPECT_EQ(s.form.TabTopToolTip[1], QStringLiteral("Click to Modify Template code."));
}

TEST(ScreenCommands, ExportTabDoesNothingWhileTheFileNameIsDisabled)
{
    Screens s;
    TabTop_Click(s.form, 0);
    s.form.FileName.enabled = false;
    TabTop_Click(s.form, 4);
    EXPECT_EQ(ScreenOf(s.form), Screen::Edit);
    EXPECT_FALSE(s.form.HTMLframeVisible);
    TabTop_DblClick(s.form, 4);
    EXPECT_EQ(ScreenOf(s.form), Screen::Edit);
    EXPECT_TRUE(s.shell.opened.isEmpty());
}

TEST(ScreenCommands, DoubleClickOnTheExportTabGoesThereAndPreviews)
{
    Screens s;
    s.Import("[VarKit Name=Lamp]");
    TabTop_Click(s.form, 0);
    TabTop_DblClick(s.form, 4);
    EXPECT_EQ(ScreenOf(s.form), Screen::Export);
    ASSERT_EQ(s.shell.opened.size(), 1);
    EXPECT_TRUE(s.PreviewBytes().startsWith("Lamp"));
    // Other tabs take no double-click.
    TabTop_DblClick(s.form, 0);
    EXPECT_EQ(s.shell.opened.size(), 1);
}

TEST(ScreenCommands, BackToEditOnlyHidesTheExportFrame)
{
    Screens s;
    s.Import("[VarKit Name=Lamp]");
    TabTop_Click(s.form, 0);
    TabTop_Click(s.form, 4);
    Button_Click(s.form, 1);
    EXPECT_FALSE(s.form.HTMLframeVisible);
    EXPECT_EQ(ScreenOf(s.form), Screen::Export);
    Button_Click(s.form, 0);  // make HTML shows the frame again
    EXPECT_TRUE(s.form.HTMLframeVisible);
    Button_Click(s.form, 1);
    // Still the export screen: the tab previews instead of regenerating.
    s.form.screen.Field(1).DataField.text = QStringLiteral("Chair");
    TabTop_Click(s.form, 4);
    ASSERT_EQ(s.shell.opened.size(), 1);
    EXPECT_TRUE(s.PreviewBytes().startsWith("Lamp"));
}

TEST(ScreenCommands, PreviewBeforeMakeHtmlAsksForItAndWritesNothing)
{
    Screens s;
    Button_Click(s.form, 2);
    ASSERT_EQ(s.dialogs.boxes.size(), 1);
    EXPECT_EQ(s.dialogs.boxes[0].title, QStringLiteral("Preview"));
    EXPECT_EQ(s.dialogs.boxes[0].text, QStringLiteral("You must Make HTML first."));
    EXPECT_EQ(s.dialogs.boxes[0].icon, MsgIcon::Information);
    EXPECT_FALSE(QFileInfo::exists(s.form.PreviewFile));
    EXPECT_TRUE(s.shell.opened.isEmpty());
    Button_Click(s.form, 12);
    EXPECT_EQ(s.dialogs.CountTitled(QStringLiteral("Preview")), 2);
}

TEST(ScreenCommands, PreviewThatCannotBeWrittenSaysWhere)
{
    Screens s;
    s.Import("[VarKit Name=Lamp]");
    Button_Click(s.form, 0);
    // A preview path inside a folder that does not exist cannot be written.
    s.form.PreviewFile = s.folder.filePath(QStringLiteral("missing/~tmpkit.htm"));
    Button_Click(s.form, 2);
    ASSERT_EQ(s.dialogs.boxes.size(), 1);
    EXPECT_EQ(s.dialogs.boxes[0].title, QStringLiteral("File Error"));
    EXPECT_EQ(s.dialogs.boxes[0].icon, MsgIcon::Exclamation);
    EXPECT_TRUE(s.dialogs.boxes[0].text.startsWith(QStringLiteral("Could not write the file \r\n")));
    EXPECT_TRUE(s.dialogs.boxes[0].text.endsWith(QStringLiteral("missing/~tmpkit.htm")));
    EXPECT_TRUE(s.shell.opened.isEmpty());
}

TEST(ScreenCommands, PreviewInAReadOnlyFolderSaysWhere)
{
    Screens s;
    s.Import("[VarKit Name=Lamp]");
    Button_Click(s.form, 0);
    QDir().mkpath(s.folder.filePath(QStringLiteral("ro")));
    const QString folder = s.folder.filePath(QStringLiteral("ro"));
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    s.form.PreviewFile = folder + QStringLiteral("/~tmpkit.htm");
    QFile probe(folder + QStringLiteral("/probe"));
    const bool writable = probe.open(QIODevice::WriteOnly);  // root writes anywhere
    probe.remove();
    Button_Click(s.form, 2);
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (writable) {
        EXPECT_EQ(s.shell.opened.size(), 1);
        return;
    }
    ASSERT_EQ(s.dialogs.CountTitled(QStringLiteral("File Error")), 1);
    EXPECT_TRUE(s.shell.opened.isEmpty());
}

TEST(ScreenCommands, ShellThatCannotOpenSaysSo)
{
    Screens s;
    s.shell.answer = false;
    s.Import("[VarKit Name=Lamp]");
    Button_Click(s.form, 0);
    Button_Click(s.form, 2);
    ASSERT_EQ(s.dialogs.boxes.size(), 1);
    EXPECT_EQ(s.dialogs.boxes[0].title, QStringLiteral("File Error"));
    EXPECT_EQ(s.dialogs.boxes[0].text,
              QStringLiteral("Could not open Web Browser\r\n\r\nThe preview is saved as:\r\n") + s.form.PreviewFile);
}

TEST(ScreenCommands, PreviewShowsThePicturesAndTilesThePageShows)
{
    Screens s;
    s.Write(QStringLiteral("logo.gif"), "GIF89a");  // beside the template
    WriteTestFile(s.form.folders.Program() + QStringLiteral("backgrounds/paper.png"), "png");
    s.Import("<div style=\"background-image:url('[VarKit& Tile=paper.png|none.png]')\"><img src=\"logo.gif\"></div>");
    Button_Click(s.form, 0);
    const QString html = s.form.HTMLtext.Text();
    Button_Click(s.form, 2);
    const QString preview = QString::fromUtf8(s.PreviewBytes());
    const QString folder = s.folder.path();
    EXPECT_TRUE(preview.contains(QStringLiteral("url('file://") + folder + QStringLiteral("/backgrounds/paper.png')"))) << qPrintable(preview);
    EXPECT_TRUE(preview.contains(QStringLiteral("src=\"file://") + folder + QStringLiteral("/logo.gif\"")));
    EXPECT_EQ(s.form.HTMLtext.Text(), html);  // only the preview copy changes
    EXPECT_TRUE(html.contains(QStringLiteral("url('paper.png')")));
}

TEST(ScreenCommands, CopyPutsTheExportOnTheClipboardAndSelectsIt)
{
    Screens s;
    s.Import("<b>[VarKit Name=Lamp]</b>");
    Button_Click(s.form, 0);
    const QString html = s.form.HTMLtext.Text();
    ASSERT_FALSE(html.isEmpty());
    s.clipboard.SetText(QStringLiteral("before"));
    Button_Click(s.form, 3);
    EXPECT_EQ(s.clipboard.Text(), html);
    EXPECT_EQ(s.form.HTMLtext.SelStart(), 0);
    EXPECT_EQ(s.form.HTMLtext.SelLength(), html.size());
}

TEST(ScreenCommands, ReloadRunsTheImportAgain)
{
    Screens s;
    s.Import("[VarKit Name=Lamp]");
    s.form.screen.Field(1).DataField.text = QStringLiteral("typed");
    Button_Click(s.form, 4);
    EXPECT_EQ(s.form.screen.Field(1).DataField.text, QStringLiteral("Lamp"));
}

TEST(ScreenCommands, ButtonsSevenToElevenDoNothing)
{
    Screens s;
    s.Import("[VarKit Name=Lamp]");
    const Screen before = ScreenOf(s.form);
    for (int i = 7; i <= 11; ++i)
        Button_Click(s.form, i);
    EXPECT_TRUE(s.dialogs.boxes.isEmpty());
    EXPECT_TRUE(s.form.HTMLtext.Text().isEmpty());
    EXPECT_EQ(ScreenOf(s.form), before);
    EXPECT_TRUE(s.shell.opened.isEmpty());
}

TEST(ScreenCommands, PriorChoicesFillTheFieldsWithLineBreaksForPilcrows)
{
    Screens s;
    const QString path = s.Write(QStringLiteral("old.tpl"), "[VarKit A=a][VarKit B=b][VarKit C=c]");
    // windows-1252 pilcrow 0xB6 between two words
    s.Write(QStringLiteral("old.tpe"), "[Edited Defaults]\r\n0001=first\xB6second\r\n0003=third\r\n");
    s.dialogs.answers = {MsgAnswer::Cancel, MsgAnswer::No};  // the import's question, then ours
    s.form.FileName.text = path;
    FetchTemplate(s.form, s.form.FileName.text);
    ImportTemplate(s.form);
    s.dialogs.boxes.clear();
    s.dialogs.answers = {MsgAnswer::No};
    Button_Click(s.form, 5);
    EXPECT_EQ(s.form.screen.Field(1).DataField.text, QStringLiteral("first\r\nsecond"));
    EXPECT_EQ(s.form.screen.Field(2).DataField.text, QStringLiteral("b"));
    EXPECT_EQ(s.form.screen.Field(3).DataField.text, QStringLiteral("third"));
    ASSERT_EQ(s.dialogs.boxes.size(), 1);
    EXPECT_EQ(s.dialogs.boxes[0].title, QStringLiteral("Use Edited Defaults"));
    EXPECT_EQ(s.dialogs.boxes[0].buttons, MsgButtons::YesNo);
    EXPECT_TRUE(s.dialogs.boxes[0].text.startsWith(
        QStringLiteral("You may now save your Edited Data as a new template from the File Menu. \r\n\r\n")));
    EXPECT_TRUE(s.dialogs.boxes[0].text.endsWith(
        QStringLiteral("The old save/get file is gone. \r\n\r\nWould you like to save your custom data to a new file now?")));
    EXPECT_TRUE(QFileInfo::exists(s.folder.filePath(QStringLiteral("old.tpe"))));
}

TEST(ScreenCommands, PriorChoicesWithoutTheirFileSayNothing)
{
    Screens s;
    s.Import("[VarKit A=a]", QStringLiteral("new.tpl"));
    Button_Click(s.form, 5);
    EXPECT_TRUE(s.dialogs.boxes.isEmpty());
    EXPECT_EQ(s.form.screen.Field(1).DataField.text, QStringLiteral("a"));
    // A template that is not a .tpl has no prior-choices file at all.
    s.Write(QStringLiteral("page.htme"), "[Edited Defaults]\r\n0001=x\r\n");
    s.Import("[VarKit A=a]", QStringLiteral("page.htm"));
    Button_Click(s.form, 5);
    EXPECT_TRUE(s.dialogs.boxes.isEmpty());
}

TEST(ScreenCommands, SwitchingTabsAsksAboutChangedBlowupText)
{
    Screens s;
    s.Import("[VarKit A=a]");
    TabTop_Click(s.form, 0);
    OpenBlowup(s.form, QStringLiteral("a"));
    SetScreen(s.form, Screen::Blowup);
    TabTop_Click(s.form, 1);  // unchanged text: no question
    EXPECT_TRUE(s.dialogs.boxes.isEmpty());
    EXPECT_FALSE(s.form.Blowup.visible);

    OpenBlowup(s.form, QStringLiteral("edited"));
    s.dialogs.answers = {MsgAnswer::Yes};
    TabTop_Click(s.form, 0);
    ASSERT_EQ(s.dialogs.boxes.size(), 1);
    EXPECT_EQ(s.dialogs.boxes[0].title, QStringLiteral("Edit data"));
    EXPECT_EQ(s.dialogs.boxes[0].text, QStringLiteral("Save editing to this field?\r\n"));
    EXPECT_EQ(s.dialogs.boxes[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(s.form.screen.Field(1).DataField.text, QStringLiteral("edited"));
    EXPECT_FALSE(s.form.Blowup.visible);

    OpenBlowup(s.form, QStringLiteral("dropped"));
    s.dialogs.answers = {MsgAnswer::No};
    TabTop_Click(s.form, 1);
    EXPECT_EQ(s.form.screen.Field(1).DataField.text, QStringLiteral("edited"));
    EXPECT_FALSE(s.form.Blowup.visible);
}

TEST(ScreenCommands, BoxChangesRaiseTheFlagsAndSizes)
{
    Screens s;
    s.form.MarkupText.SetText(QStringLiteral("ab\r\ncd"));
    MarkupText_Change(s.form);
    EXPECT_TRUE(s.form.TemplateChanged);
    EXPECT_EQ(s.form.MarkupSize, QString::number(s.form.MarkupText.Length()));
    EXPECT_EQ(s.form.MarkupSize, QStringLiteral("6"));
    s.form.HTMLtext.SetText(QStringLiteral("x\ny"));
    HTMLtext_Change(s.form);
    EXPECT_TRUE(s.form.ExportChanged);
    EXPECT_EQ(s.form.HtmlSize, QStringLiteral("3"));
}

TEST(ColorEditor, EnterNormalisesTheTextAndPaintsTheSwatches)
{
    Screens s;
    s.form.EditColor.text = QStringLiteral(" Red ");
    EXPECT_FALSE(EditColorTxt_KeyPress(s.form.EditColor, 65));
    EXPECT_EQ(s.form.EditColor.text, QStringLiteral(" Red "));
    EXPECT_TRUE(EditColorTxt_KeyPress(s.form.EditColor, 13));
    EXPECT_EQ(s.form.EditColor.text, QStringLiteral("#FF0000"));
    EXPECT_EQ(s.form.EditColor.swatchColor, 0x0000FFu);
    EXPECT_TRUE(s.form.EditColor.selectAllRequested);
}

TEST(ColorEditor, ButtonOpensTheDialogOnTheCurrentColour)
{
    Screens s;
    s.form.EditColor.text = QStringLiteral("rgb(255,128,0)");
    s.dialogs.colors = {std::optional<quint32>(0x336699)};  // 0x00BBGGRR: red 0x99, blue 0x33
    EditColorBtn_Click(s.form.EditColor, s.dialogs);
    ASSERT_EQ(s.dialogs.colorRequests.size(), 1);
    EXPECT_EQ(s.dialogs.colorRequests[0], 0x0080FFu);
    EXPECT_EQ(s.form.EditColor.text, QStringLiteral("#996633"));
    EXPECT_EQ(s.form.EditColor.swatchColor, 0x336699u);
    EXPECT_TRUE(s.form.EditColor.selectAllRequested);
}

TEST(ColorEditor, CancelLeavesTextAndSwatches)
{
    Screens s;
    s.form.EditColor.text = QStringLiteral("navy");
    s.form.EditColor.swatchColor = 0x123456;
    s.dialogs.colors = {std::nullopt};
    EditColorBox_Click(s.form.EditColor, s.dialogs);
    EXPECT_EQ(s.dialogs.colorRequests.size(), 1);
    EXPECT_EQ(s.form.EditColor.text, QStringLiteral("navy"));
    EXPECT_EQ(s.form.EditColor.swatchColor, 0x123456u);
    EXPECT_FALSE(s.form.EditColor.selectAllRequested);
}
