#include "shell/SaveEditedCommands.h"
#include "shell/ScreenCommands.h"
#include "support/FormFixture.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

struct Saving : FormFixture {
    int Captioned(const QString& caption)
    {
        int i = screen().FieldCount() - 1;
        while (i > 1 && screen().Field(i).DataLabel.caption.trimmed() != caption)
            --i;
        return i;
    }
    QString SaveTo(const QString& name)
    {
        QDir().mkpath(QFileInfo(folder() + name).path());
        dialogs().files.push_back({folder() + name, 2});
        return folder() + name;
    }
};

// What the user sees: fields, options and sections (a tag's text is trimmed when it is read; an
// opener's style follows its section's tick).
std::vector<std::string> Seen(const EditScreen& s)
{
    std::vector<std::string> rows;
    for (int i = 1; i < s.FieldCount(); ++i) {
        const EditField& f = s.Field(i);
        rows.push_back(QStringLiteral("%1|%2|%3|%4")
                           .arg(f.DataLabel.tag.startsWith(QLatin1String("StartGroup")) ? QStringLiteral("(") : f.DataLabel.tag,
                                f.DataLabel.caption.trimmed(), f.DataField.text.trimmed())
                           .arg(f.DataField.visible)
                           .toStdString());
        for (int j : s.OptionsOfField(i))
            rows.push_back(QStringLiteral("  %1|%2").arg(s.Option(j).DataOption.caption).arg(s.Option(j).DataOptButton.selected).toStdString());
    }
    for (int g = 1; g < s.GroupCount(); ++g)
        rows.push_back(QStringLiteral("%1|%2").arg(s.Group(g).DataKeep.caption.trimmed()).arg(s.Group(g).DataKeep.value).toStdString());
    return rows;
}

}  // namespace

TEST(SaveEditedCommands, TheStartUpTemplateSavedWithNewValuesOpensTheSame)
{
    Saving f;
    f.Import(ReadTestFile(QStringLiteral(VARKIT_PROGRAM_DIR "/templates/Start_Here.TPL")), QStringLiteral("Start_Here.TPL"));
    f.screen().Field(f.Captioned(QStringLiteral("Item name"))).DataField.text = QStringLiteral("Green glass lamp");
    f.screen().Field(f.Captioned(QStringLiteral("Listing title"))).DataField.text = QStringLiteral("Green lamp - boxed");
    f.screen().Field(f.Captioned(QStringLiteral("Quantity available"))).DataField.text = QStringLiteral("3");
    const int condition = f.Captioned(QStringLiteral("Condition"));  // "Used" chosen, as a click does
    for (const int j : f.screen().OptionsOfField(condition))
        f.screen().Option(j).DataOptButton.selected = f.screen().Option(j).DataOption.caption == QLatin1String("Used");
    f.screen().Field(condition).DataField.text = QStringLiteral("Used");
    f.screen().Group(1).DataKeep.value = 1;
    f.screen().Group(2).DataKeep.value = 0;
    f.form().ExportChanged = true;
    const std::vector<std::string> before = Seen(f.screen());

    const QString saved = f.SaveTo(QStringLiteral("My_Lamp.tpl"));
    ASSERT_TRUE(MenuFileSaveModified_Click(f.form()));
    const QByteArray bytes = ReadTestFile(saved);
    EXPECT_TRUE(bytes.contains("[VarKit Condition=New|Like new||Used]") && bytes.contains("<VarKit Returns policy=false>"));
    // The markup screen shows the saved file, coloured, under its name, with nothing unsaved.
    EXPECT_EQ(f.form().MarkupText.Text().toUtf8(), bytes);
    EXPECT_NE(f.form().MarkupText.ColorAt(static_cast<int>(bytes.indexOf("[VarKit")) + 1), 0u);
    EXPECT_EQ(f.form().FileName.text, saved);
    EXPECT_EQ(f.form().FileSize, QString::number(bytes.size()));
    EXPECT_TRUE(f.form().FileName.tag.isEmpty() && !f.form().TemplateChanged && !f.form().ExportChanged);

    Saving g;
    g.Import(bytes, QStringLiteral("My_Lamp.tpl"));
    EXPECT_EQ(Seen(g.screen()), before);
}

TEST(SaveEditedCommands, ACancelledOrFailedSaveLeavesTheMarkupAndTheFlags)
{
    Saving f;
    f.Import("<p>[VarKit Item=Lamp]</p>", QStringLiteral("item.tpl"));
    f.form().ExportChanged = true;
    const QString markup = f.form().MarkupText.Text();
    EXPECT_FALSE(MenuFileSaveModified_Click(f.form()));  // the dialog cancelled
    EXPECT_TRUE(f.form().FileName.tag.isEmpty());
    const QString target = f.SaveTo(QStringLiteral("vase.tpl"));
    f.files().FillDisk();
    EXPECT_FALSE(MenuFileSaveModified_Click(f.form()));
    EXPECT_EQ(f.dialogs().Texts().last(), QStringLiteral("File Save Error. "));
    EXPECT_FALSE(QFileInfo::exists(target));
    EXPECT_EQ(f.form().MarkupText.Text(), markup);
    EXPECT_EQ(f.form().FileName.text, f.folder() + QStringLiteral("item.tpl"));
    EXPECT_TRUE(f.form().ExportChanged && !f.form().TemplateChanged && f.form().FileName.tag.isEmpty());

    f.files().Heal();  // a template too large to open again is written only when the user says so
    f.screen().Field(1).DataField.text = QString(70000, QLatin1Char('x'));
    f.dialogs().answers = {MsgAnswer::No};
    EXPECT_FALSE(MenuFileSaveModified_Click(f.form()));
    EXPECT_TRUE(f.dialogs().Texts().last().startsWith(QStringLiteral("The new template holds 70021 bytes, more than the 65536")));
    EXPECT_FALSE(QFileInfo::exists(target));
}

TEST(SaveEditedCommands, TheTemplateKeepsItsEncodingAndUnsavedMarkupIsAskedAbout)
{
    Saving f;
    f.Import("<p>caf\xE9 [VarKit Item=th\xE9]</p>", QStringLiteral("cafe.tpl"));  // windows-1252
    f.screen().Field(1).DataField.text = QStringLiteral("cr\u00E8me \u2603");
    f.form().MarkupText.SetText(f.form().MarkupText.Text() + QStringLiteral("<!-- draft -->"));
    f.dialogs().answers = {MsgAnswer::Cancel, MsgAnswer::No};
    EXPECT_FALSE(MenuFileSaveModified_Click(f.form()));
    EXPECT_EQ(f.dialogs().Titles(), QStringList{QStringLiteral("Template File")});
    const QString saved = f.SaveTo(QStringLiteral("creme.tpl"));
    ASSERT_TRUE(MenuFileSaveModified_Click(f.form()));
    EXPECT_EQ(ReadTestFile(saved), QByteArray("<p>caf\xE9 [VarKit Item=cr\xE8me &#9731;]</p>"));
}

TEST(SaveEditedCommands, ReplacedTilesAreCopiedBesideTheTemplateAskingBeforeOverwriting)
{
    Saving f;
    QImage(4, 4, QImage::Format_RGB32).save(f.folder() + QStringLiteral("a.png"));
    f.Import("[VarKit& Tile=a.png|b.png]", QStringLiteral("tiles.tpl"));
    const QString source = f.WriteFile(QStringLiteral("pics/new.png"), QByteArray("blue"));
    const int j = f.screen().OptionsOfField(1).front();
    f.screen().TileSourceFiles[j] = source;
    f.screen().Option(j).DataOption.caption = QStringLiteral("new.png");
    const QString copy = f.folder() + QStringLiteral("out/new.png");
    WriteTestFile(copy, QByteArray("green"));  // the designer's own picture
    f.dialogs().answers = {MsgAnswer::No};
    f.SaveTo(QStringLiteral("out/saved.tpl"));
    ASSERT_TRUE(MenuFileSaveModified_Click(f.form()));
    EXPECT_EQ(f.dialogs().Texts().last(), copy + QStringLiteral(" already exists with another picture.\r\nReplace it with ") + source + QStringLiteral("?"));
    EXPECT_EQ(f.dialogs().boxes.last().buttons, MsgButtons::YesNo);
    EXPECT_EQ(ReadTestFile(copy), QByteArray("green"));

    f.dialogs().answers = {MsgAnswer::Yes, MsgAnswer::Yes};  // replace the template, and the picture
    f.SaveTo(QStringLiteral("out/saved.tpl"));
    ASSERT_TRUE(MenuFileSaveModified_Click(f.form()));
    EXPECT_EQ(ReadTestFile(copy), QByteArray("blue"));
    const int boxes = f.dialogs().boxes.size();
    f.dialogs().answers = {MsgAnswer::Yes};
    f.SaveTo(QStringLiteral("out/saved.tpl"));
    ASSERT_TRUE(MenuFileSaveModified_Click(f.form()));
    EXPECT_EQ(f.dialogs().boxes.size(), boxes + 2);  // the dialog and the template's question: the picture is there

    // A copy that fails is reported; the template written before it is still shown.
    f.files().FailWrites([](const QString& path) { return path.endsWith(QLatin1String("again.png")) ? 70 : 0; });
    f.screen().Option(j).DataOption.caption = QStringLiteral("again.png");
    const QString other = f.SaveTo(QStringLiteral("out/other.tpl"));
    ASSERT_TRUE(MenuFileSaveModified_Click(f.form()));
    EXPECT_EQ(f.dialogs().Titles().last(), QStringLiteral("Save Edited fields"));
    EXPECT_TRUE(f.dialogs().Texts().last().endsWith(QStringLiteral("\r\nLocation = Save Modified File")));
    EXPECT_EQ(f.form().FileName.text, other);
}

TEST(SaveEditedCommands, TheSaveButtonAsksAndGetDeletesTheOldDataOnlyOnceSaved)
{
    Saving f;
    const QString old = f.WriteFile(QStringLiteral("item.tpe"), "[Edited Defaults]\r\n0001=Vase\r\n");
    f.dialogs().answers = {MsgAnswer::Cancel, MsgAnswer::No};  // the import's question; then the Save button's
    f.Import("[VarKit Item=Lamp]", QStringLiteral("item.tpl"));
    Button_Click(f.form(), 6);
    const RecordedBox& box = f.dialogs().boxes.last();
    EXPECT_EQ(box.title, QStringLiteral("Save Defaults"));
    EXPECT_EQ(box.buttons, MsgButtons::YesNoCancel);
    EXPECT_EQ(box.icon, MsgIcon::Question);
    EXPECT_EQ(box.text, QStringLiteral("The data field values that display in the Edit screen can be modified \r\n"
                                       "and saved to a new template as new startup values. \r\n\r\n"
                                       "This menu feature will obsolete the older save/get method and  \r\n"
                                       "will allow more flexility and more auction variations per template. \r\n"
                                       "Be sure to select a new file name for each modified template. \r\n"
                                       "Templates saved this way can be loaded just like new templates. \r\n\r\n"
                                       "Would you like to save your data to a new file now?"));
    EXPECT_EQ(f.dialogs().boxes.size(), 2);  // No: no file dialog

    f.dialogs().answers = {MsgAnswer::Yes};  // save now, but the dialog is cancelled
    Button_Click(f.form(), 5);
    EXPECT_EQ(f.screen().Field(1).DataField.text, QStringLiteral("Vase"));
    EXPECT_TRUE(QFileInfo::exists(old));
    f.dialogs().answers = {MsgAnswer::Yes};
    const QString saved = f.SaveTo(QStringLiteral("vase.tpl"));
    Button_Click(f.form(), 5);
    EXPECT_EQ(ReadTestFile(saved), QByteArray("[VarKit Item=Vase]"));
    EXPECT_FALSE(QFileInfo::exists(old));
}
