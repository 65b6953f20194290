#include "html/MakeHtml.h"
#include "platform/Paths.h"
#include "shell/AdvancedSettings.h"
#include "shell/ImportTemplate.h"
#include "shell/ScreenCommands.h"
#include "shell/ScreenTag.h"
#include "support/FormFixture.h"

#include <QDir>
#include <QFile>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

const QString kNotCaptioned = QStringLiteral("Template has not been Captioned for use by this program");

}  // namespace

TEST(ImportTemplate, UntaggedTemplateGivesOneEmptyFieldHoldingTheWholeText)
{
    FormFixture f;
    f.Import("<html><body>Hello</body></html>");
    EditScreen& s = f.screen();
    EXPECT_EQ(s.FieldCount(), 2);
    EXPECT_FALSE(s.Field(1).DataField.visible);
    EXPECT_EQ(f.form().TemplateSegments[1], QStringLiteral("<html><body>Hello</body></html>\r\n"));
    EXPECT_TRUE(s.DataScrollMessage.visible);
    EXPECT_EQ(s.DataScrollMessage.caption, kNotCaptioned);
    EXPECT_EQ(f.form().Button[4].caption, QStringLiteral("Reload Template"));
    EXPECT_FALSE(f.form().ImportRunning);
    EXPECT_TRUE(f.form().FileName.enabled);
    EXPECT_TRUE(f.dialogs().boxes.isEmpty());
}

TEST(ImportTemplate, OnlyCommandsAndHiddenStylesAreNotCaptioned)
{
    FormFixture f;
    f.Import("[VarKit?total][VarKit$=x][VarKit?x^=1|2]text");
    EXPECT_TRUE(f.screen().DataScrollMessage.visible);
    EXPECT_EQ(f.screen().DataScrollMessage.caption, kNotCaptioned);
}

TEST(ImportTemplate, FieldsSegmentsAndNamesFollowTheTags)
{
    FormFixture f;
    f.Import("<h1>[VarKit! Title=My Auction]</h1><p>[VarKit Price=9.99] and [VarKit?shop]</p>"
             "[VarKit Size=S||M|L][VarKit- =Shipping][VarKit-Payment]end");
    EditScreen& s = f.screen();
    const FormState& form = f.form();
    ASSERT_EQ(s.FieldCount(), 8);  // six tags and the end of the file
    EXPECT_EQ(s.Field(1).DataLabel.caption, QStringLiteral("Title"));
    EXPECT_EQ(s.Field(1).DataLabel.tag, QStringLiteral("!"));
    EXPECT_EQ(s.Field(1).DataField.text, QStringLiteral("My Auction"));
    EXPECT_EQ(s.Field(2).DataField.text, QStringLiteral("9.99"));
    EXPECT_EQ(form.FieldNames[3], QStringLiteral("shop"));
    EXPECT_EQ(s.Field(4).DataField.text, QStringLiteral("M"));
    EXPECT_EQ(s.Field(4).DataField.tag, QStringLiteral("3"));
    EXPECT_EQ(s.Field(5).DataField.text, QStringLiteral("Shipping"));  // a divider with only a default
    EXPECT_EQ(s.Field(6).DataField.text, QStringLiteral("Payment"));  // a divider shows its caption
    EXPECT_EQ(form.TemplateSegments[1], QStringLiteral("<h1>"));
    EXPECT_EQ(form.TemplateSegments[2], QStringLiteral("</h1><p>"));
    EXPECT_EQ(form.TemplateSegments[3], QStringLiteral(" and "));
    EXPECT_EQ(form.TemplateSegments[4], QStringLiteral("</p>"));
    EXPECT_EQ(form.TemplateSegments[7], QStringLiteral("end\r\n"));
    EXPECT_EQ(form.TemplateSegments[8], QStringLiteral("end\r\n"));
    EXPECT_FALSE(s.DataScrollMessage.visible);
    EXPECT_TRUE(s.DataScrollInsertVisible);
    EXPECT_EQ(form.EditSize, QString::number(form.MarkupText.Length() + 2));
}

TEST(ImportTemplate, DollarTagsSetTheCaptionOrAddHelpItems)
{
    FormFixture f;
    f.Import("[VarKit$Spring Sale][VarKit$Shop rules=rules.htm][VarKit$]x");
    EXPECT_EQ(f.form().WindowCaption, QStringLiteral(" VarKit - Spring Sale"));
    ASSERT_EQ(static_cast<int>(f.form().MenuHelpFile.size()), f.form().HelpMenuFixedCount + 1);
    EXPECT_EQ(f.form().MenuHelpFile.back().caption, QStringLiteral("   Shop rules"));
    EXPECT_EQ(f.form().MenuHelpFile.back().tag, QStringLiteral("rules.htm"));
    for (int i = 1; i < f.screen().FieldCount(); ++i)
        EXPECT_FALSE(f.screen().Field(i).DataField.visible);

    // The next template's import removes the items this one added.
    f.Import("[VarKit A=1]");
    EXPECT_EQ(static_cast<int>(f.form().MenuHelpFile.size()), f.form().HelpMenuFixedCount);
}

TEST(ImportTemplate, MissingFileAndEmptyMarkupHaveTheirMessages)
{
    FormFixture f;
    f.form().MarkupText.SetText(QStringLiteral("kept"));
    f.form().FileName.text = f.folder() + QStringLiteral("nowhere.tpl");
    FetchTemplate(f.form(), f.form().FileName.text);
    ASSERT_EQ(f.dialogs().boxes.size(), 1);
    EXPECT_EQ(f.dialogs().boxes[0].title, QStringLiteral("Fetch Template Error"));
    EXPECT_EQ(f.dialogs().boxes[0].text, QStringLiteral("File not found. Check file name or path."));
    EXPECT_EQ(f.form().MarkupText.Text(), QStringLiteral("kept"));
    EXPECT_TRUE(FileName_KeyPress(f.form(), 13));
    EXPECT_EQ(f.dialogs().CountTitled(QStringLiteral("Fetch Template Error")), 2);

    f.form().MarkupText.SetText(QString());
    ImportTemplate(f.form());
    EXPECT_EQ(f.dialogs().boxes.last().title, QStringLiteral("Import Template Error"));
    EXPECT_EQ(f.dialogs().boxes.last().text, QStringLiteral("There is no Template loaded. "));
    EXPECT_FALSE(f.form().ImportRunning);
}

TEST(ImportTemplate, KeyPressTakesATildeForTheHomeFolder)
{
    FormFixture f;
    const QByteArray home = qgetenv("HOME");
    qputenv("HOME", f.folder().toUtf8());  // the home a shell would expand "~" to
    f.WriteFile(QStringLiteral("shop/a.tpl"), "[VarKit A=1]");
    f.form().FileName.text = QStringLiteral("~/shop/a.tpl");
    EXPECT_TRUE(FileName_KeyPress(f.form(), 13));
    qputenv("HOME", home);
    EXPECT_EQ(QDir::cleanPath(f.form().FileName.text), QDir::cleanPath(f.folder() + QStringLiteral("shop/a.tpl")));
    EXPECT_EQ(f.screen().Field(1).DataField.text, QStringLiteral("1"));
    EXPECT_TRUE(f.dialogs().boxes.isEmpty());
}

TEST(ImportTemplate, KeyPressLoadsOnEnterOnlyOutsideTheExportScreen)
{
    FormFixture f;
    f.form().FileName.text = f.WriteFile(QStringLiteral("a.tpl"), "[VarKit A=1]");
    EXPECT_FALSE(FileName_KeyPress(f.form(), 'x'));
    SetScreen(f.form(), Screen::Export);
    EXPECT_FALSE(FileName_KeyPress(f.form(), 13));
    EXPECT_EQ(f.screen().FieldCount(), 1);
    SetScreen(f.form(), Screen::Edit);
    EXPECT_TRUE(FileName_KeyPress(f.form(), 13));
    EXPECT_EQ(f.screen().Field(1).DataField.text, QStringLiteral("1"));
    EXPECT_EQ(f.form().MarkupSize, QStringLiteral("12"));
    EXPECT_EQ(f.form().FileSize, QStringLiteral("12"));
}

TEST(ImportTemplate, OlderDataIsOfferedUntilYesOrNo)
{
    FormFixture f;
    const QString old = f.WriteFile(QStringLiteral("item.tpe"), "[Edited Defaults]\r\n0001=x\r\n");
    f.dialogs().answers = {MsgAnswer::Cancel, MsgAnswer::No};
    f.Import("[VarKit A=1]", QStringLiteral("item.tpl"));
    ASSERT_EQ(f.dialogs().boxes.size(), 1);
    const RecordedBox& box = f.dialogs().boxes[0];
    EXPECT_EQ(box.title, QStringLiteral("Import Template"));
    EXPECT_EQ(box.buttons, MsgButtons::YesNoCancel);
    EXPECT_EQ(box.icon, MsgIcon::Question);
    EXPECT_EQ(box.text, QStringLiteral("You have previously used an older version of VarKit \r\n"
                                       "to save unique data for these template fields.\r\n\r\n"
                                       "You now have the option to: \r\n\r\n"
                                       "YES    - import that data and save in the new format.  \r\n"
                                       "NO      - abandon and remove that data. \r\n"
                                       "CANCEL - skip this time and ask later.\r\n"));
    EXPECT_TRUE(QFile::exists(old));
    ImportTemplate(f.form());  // asked again; No removes the data
    EXPECT_EQ(f.dialogs().CountTitled(QStringLiteral("Import Template")), 2);
    EXPECT_FALSE(QFile::exists(old));
    ImportTemplate(f.form());
    EXPECT_EQ(f.dialogs().CountTitled(QStringLiteral("Import Template")), 2);
    EXPECT_EQ(PriorChoicesFile(QStringLiteral("C:\\a\\b.TPL")), QStringLiteral("C:\\a\\b.TPe"));
    EXPECT_TRUE(PriorChoicesFile(QStringLiteral("b.htm")).isEmpty());
}

TEST(ImportTemplate, ASecondCallWhileRunningOnlyCancelsTheFirst)
{
    FormFixture f;
    // The cancel press arrives while the import lets events run after clearing the screen.
    QTimer::singleShot(0, [&] {
        EXPECT_TRUE(f.form().ImportRunning);
        EXPECT_EQ(f.form().Button[4].caption, QStringLiteral("Cancel"));
        ImportTemplate(f.form());
        EXPECT_TRUE(f.form().ImportRunning);  // the running import is not re-entered
        EXPECT_EQ(f.form().Button[4].tag, QStringLiteral("Abort"));
    });
    f.Import("[VarKit A=1][VarKit B=2]");
    EXPECT_TRUE(f.form().ImportAbort);
    EXPECT_FALSE(f.form().ImportRunning);
    EXPECT_EQ(f.form().Button[4].caption, QStringLiteral("Reload Template"));
    EXPECT_TRUE(f.form().Button[4].tag.isEmpty());
    EXPECT_EQ(f.screen().FieldCount(), 1);
    // The next import runs normally.
    ImportTemplate(f.form());
    EXPECT_EQ(f.screen().FieldCount(), 4);
}

TEST(ImportTemplate, OversizedTemplatesAreRefusedWithTheirReports)
{
    FormFixture f;
    f.Import(QByteArray(65537, 'x'));
    EXPECT_EQ(f.dialogs().CountTitled(QStringLiteral("Extract from Template")), 1);
    EXPECT_EQ(f.screen().FieldCount(), 1);
    EXPECT_FALSE(f.form().TemplateLoading);

    FormFixture exact;
    exact.Import(QByteArray(65536, 'x'));
    EXPECT_TRUE(exact.dialogs().boxes.isEmpty());
    EXPECT_EQ(exact.screen().FieldCount(), 2);

    // 4,999 tags and the text after them fill the field indexes; the message names that limit.
    QByteArray tags;
    for (int i = 0; i < 4999; ++i)
        tags += "[VarKit]";
    FormFixture most;
    most.Import(tags);
    EXPECT_TRUE(most.dialogs().boxes.isEmpty());
    EXPECT_EQ(most.screen().FieldCount(), FormState::kMaxFieldIndex + 1);

    FormFixture many;
    many.Import(tags + "[VarKit]");
    ASSERT_EQ(many.dialogs().CountTitled(QStringLiteral("Import Template")), 1);
    EXPECT_TRUE(many.dialogs().boxes.last().text.startsWith(
        QStringLiteral("Error 9: Subscript out of range\r\nLocation = Reading Template\r\n\r\nThe template holds more than 4999 VarKits")));
    EXPECT_EQ(many.screen().FieldCount(), FormState::kMaxFieldIndex + 1);
    EXPECT_FALSE(many.form().ImportRunning);
}

TEST(ImportTemplate, ALineFeedCountsAsTheOneByteItIs)
{
    // 60,002 bytes; counted with CR LF line breaks they would be over the 64K limit.
    QByteArray bytes = "[VarKit Name=x]\r\n";
    while (bytes.size() < 60000)
        bytes += "<p>ab</p>\n";
    FormFixture f;
    f.Import(bytes);
    EXPECT_TRUE(f.dialogs().boxes.isEmpty());
    EXPECT_EQ(f.form().MarkupSize, QString::number(bytes.size()));
    EXPECT_EQ(f.form().EditSize, QString::number(bytes.size() + 2));
}

TEST(ImportTemplate, ReloadScansTheMarkupInTheTemplatesOwnEncoding)
{
    // Read as windows-1252; the markup is then edited to "CAF\u00C9\u00BB", whose windows-1252
    // bytes (C9 BB) also form a UTF-8 character.
    FormFixture f;
    f.Import("[VarKit Name=x] \xE9");
    ASSERT_EQ(f.form().TemplateEncoding, TextEncoding::Windows1252);
    f.form().MarkupText.SetText(QStringLiteral("[VarKit Name=CAF\u00C9\u00BB]"));
    ImportTemplate(f.form());
    EXPECT_EQ(f.screen().Field(1).DataField.text, QStringLiteral("CAF\u00C9\u00BB"));
}

TEST(ImportTemplate, TemplateTextKeepsItsEncoding)
{
    FormFixture f;
    f.Import("[VarKit Name=Caf\xE9 \x80 5]<p>\x93quoted\x94</p>");
    EXPECT_EQ(f.form().TemplateEncoding, TextEncoding::Windows1252);
    EXPECT_EQ(f.screen().Field(1).DataField.text, QStringLiteral(u"Caf\u00e9 \u20ac 5"));
    EXPECT_EQ(f.form().TemplateSegments[2], QStringLiteral(u"<p>\u201cquoted\u201d</p>\r\n"));

    FormFixture u;
    u.Import("\xEF\xBB\xBF[VarKit Name=Caf\xC3\xA9 \xE6\x97\xA5]");
    EXPECT_EQ(u.form().TemplateEncoding, TextEncoding::Utf8Bom);
    EXPECT_EQ(u.screen().Field(1).DataField.text, QStringLiteral(u"Caf\u00e9 \u65e5"));
}

TEST(ImportTemplate, EnterInTheFileBoxAsksBeforeReplacingUnsavedMarkup)
{
    FormFixture f;
    f.Import("[VarKit A=1]", QStringLiteral("a.tpl"));
    f.form().MarkupText.SetText(QStringLiteral("typed by hand"));
    f.form().FileName.text = f.WriteFile(QStringLiteral("b.tpl"), "[VarKit B=2]");
    f.dialogs().answers = {MsgAnswer::Cancel};
    EXPECT_TRUE(FileName_KeyPress(f.form(), 13));
    EXPECT_EQ(f.dialogs().boxes.last().title, QStringLiteral("Template File"));
    EXPECT_EQ(f.form().MarkupText.Text(), QStringLiteral("typed by hand"));
    f.dialogs().answers = {MsgAnswer::No};
    EXPECT_TRUE(FileName_KeyPress(f.form(), 13));
    EXPECT_EQ(f.screen().Field(1).DataLabel.caption, QStringLiteral("B"));
}

TEST(ImportTemplate, CommandsThatChangeTheTemplateOrTheSettingsWaitForIt)
{
    FormFixture f;
    f.WriteFile(QStringLiteral("other.tpl"), "[VarKit Colour=Red]");
    f.WriteFile(QStringLiteral("test.tpe"), "[Edited Defaults]\r\n0001=Vase\r\n");
    f.WriteFile(QStringLiteral("logo.gif"), "GIF89a");
    AdvancedSettingsState& panel = f.form().AdvSettings;
    panel.templateText = QStringLiteral("other.tpl");
    panel.splashText = QStringLiteral("logo.gif");
    panel.lockChecked = true;
    // Each arrives while the import lets events run after clearing the screen.
    QTimer::singleShot(0, [&] {
        for (const int button : {0, 5, 6})
            EXPECT_FALSE(f.form().Button[static_cast<size_t>(button)].enabled);
        AdvButton_Click(f.form(), 1);           // Save & Reload
        AdvSettingsLockButton_Click(f.form());  // Lock now
        Button_Click(f.form(), 5);              // Get
        Button_Click(f.form(), 0);              // make HTML
        EXPECT_FALSE(LoadTemplate(f.form(), f.folder() + QStringLiteral("other.tpl")));
    });
    f.dialogs().answers = {MsgAnswer::Cancel};  // the old data file: ask later
    f.Import("[VarKit Item=Lamp]");
    EXPECT_EQ(f.form().MarkupText.Text(), QStringLiteral("[VarKit Item=Lamp]"));
    EXPECT_EQ(f.screen().Field(1).DataLabel.caption, QStringLiteral("Item"));
    EXPECT_EQ(f.screen().Field(1).DataField.text, QStringLiteral("Lamp"));
    EXPECT_TRUE(f.form().HTMLtext.Text().isEmpty());
    EXPECT_FALSE(f.form().MarkupLocked);
    EXPECT_TRUE(f.form().StartupTemplate.isEmpty());
    EXPECT_FALSE(QFile::exists(f.form().folders.SettingsFile()));
    // Afterwards they run again.
    for (const int button : {0, 5, 6})
        EXPECT_TRUE(f.form().Button[static_cast<size_t>(button)].enabled);
    Button_Click(f.form(), 5);
    EXPECT_EQ(f.screen().Field(1).DataField.text, QStringLiteral("Vase"));
}

TEST(ImportTemplate, ManyTileNamesListNoMoreFoldersThanOne)
{
    const auto foldersListed = [](int tiles) {
        FormFixture f;
        for (int i = 0; i < 50; ++i)
            f.WriteFile(QStringLiteral("filler%1.txt").arg(i), "x");
        QByteArray markup = "[VarKit& Tile=";
        for (int i = 0; i < tiles; ++i)
            markup += "tile" + QByteArray::number(i) + ".gif|";
        markup += "last.gif][VarKit+ Part=missing.htm]";
        const FolderListingScope scope;  // the import's and Make HTML's share it
        f.Import(markup);
        MakeHtml(f.form());
        return scope.FoldersListed();
    };
    const int one = foldersListed(1);
    EXPECT_GT(one, 0);
    EXPECT_EQ(foldersListed(300), one);
}
