#include "platform/AppError.h"
#include "shell/SaveEditedCommands.h"
#include "shell/ScreenCommands.h"
#include "support/FakeScannerHost.h"
#include "support/FormFixture.h"
#include "support/TestFiles.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

struct Saving : FormFixture {
    int FieldCaptioned(const QString& caption)
    {
        for (int i = 1; i < screen().FieldCount(); ++i)
            if (screen().Field(i).DataLabel.caption.trimmed() == caption)
                return i;
        ADD_FAILURE() << caption.toStdString();
        return 0;
    }
    void Choose(int i, int k)
    {
        const std::vector<int> options = screen().OptionsOfField(i);
        for (size_t n = 0; n < options.size(); ++n)
            screen().Option(options[n]).DataOptButton.selected = static_cast<int>(n) == k;
        screen().Field(i).DataField.text = screen().Option(options[static_cast<size_t>(k)]).DataOption.caption;
    }
    QString SaveTo(const QString& name)
    {
        const QString path = folder() + name;
        QDir().mkpath(QFileInfo(path).path());
        dialogs().files.push_back({path, 2});
        return path;
    }
};

// What a user sees of the edit screen: every field, option and section, blanks at the ends of
// captions and values aside (a tag's value is trimmed when it is read).
std::vector<std::string> Screen(const EditScreen& s)
{
    std::vector<std::string> rows;
    for (int i = 1; i < s.FieldCount(); ++i) {
        const EditField& f = s.Field(i);
        // An opener's style says how the section started; its tick is the section's.
        const QString style = f.DataLabel.tag.startsWith(QLatin1String("StartGroup")) ? QStringLiteral("StartGroup") : f.DataLabel.tag;
        rows.push_back(QStringLiteral("field %1|%2|%3|%4")
                           .arg(style, f.DataLabel.caption.trimmed(), f.DataField.text.trimmed())
                           .arg(f.DataField.visible)
                           .toStdString());
        for (int j : s.OptionsOfField(i))
            rows.push_back(QStringLiteral("  option %1|%2")
                               .arg(s.Option(j).DataOption.caption.trimmed())
                               .arg(s.Option(j).DataOptButton.selected)
                               .toStdString());
    }
    for (int g = 1; g < s.GroupCount(); ++g)
        rows.push_back(QStringLiteral("section %1|%2").arg(s.Group(g).DataKeep.caption.trimmed()).arg(s.Group(g).DataKeep.value).toStdString());
    return rows;
}

QByteArray Png(Qt::GlobalColor color)
{
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

}  // namespace

TEST(SaveEditedCommands, TheStartUpTemplateSavedWithNewValuesOpensTheSame)
{
    Saving f;
    f.Import(ReadTestFile(QStringLiteral(VARKIT_PROGRAM_DIR "/templates/Start_Here.TPL")), QStringLiteral("templates/Start_Here.TPL"));
    ASSERT_GT(f.screen().FieldCount(), 40);
    f.screen().Field(f.FieldCaptioned(QStringLiteral("Item name"))).DataField.text = QStringLiteral("Green glass lamp");
    f.screen().Field(f.FieldCaptioned(QStringLiteral("Listing title"))).DataField.text = QStringLiteral("Green glass lamp - boxed");
    f.screen().Field(f.FieldCaptioned(QStringLiteral("Quantity available"))).DataField.text = QStringLiteral("3");
    f.Choose(f.FieldCaptioned(QStringLiteral("Condition")), 2);
    f.screen().Group(1).DataKeep.value = 1;
    f.screen().Group(2).DataKeep.value = 0;
    f.form().ExportChanged = true;
    f.dialogs().boxes.clear();
    const std::vector<std::string> before = Screen(f.screen());

    const QString saved = f.SaveTo(QStringLiteral("templates/My_Lamp.tpl"));
    ASSERT_TRUE(MenuFileSaveModified_Click(f.form()));
    EXPECT_TRUE(f.dialogs().boxes.size() == 1 && f.dialogs().boxes[0].kind == QLatin1String("file"));
    const QByteArray bytes = ReadTestFile(saved);
    EXPECT_TRUE(bytes.contains("[VarKit Condition=New|Like new||Used]"));
    EXPECT_TRUE(bytes.contains("<VarKit Gift wrapping=true>"));
    EXPECT_TRUE(bytes.contains("<VarKit Returns policy=false>"));
    // The markup screen shows the saved file, under its name, with nothing left unsaved.
    EXPECT_EQ(f.form().MarkupText.Text().toUtf8(), bytes);
    EXPECT_EQ(f.form().FileName.text, saved);
    EXPECT_TRUE(f.form().FileName.tag.isEmpty());
    EXPECT_FALSE(f.form().TemplateChanged);
    EXPECT_FALSE(f.form().ExportChanged);
    EXPECT_EQ(f.form().FileSize, QString::number(bytes.size()));
    EXPECT_EQ(f.form().MarkupText.SelStart(), 0);
    EXPECT_NE(f.form().MarkupText.ColorAt(static_cast<int>(bytes.indexOf("[VarKit")) + 1), 0u);  // coloured

    Saving g;
    g.Import(bytes, QStringLiteral("templates/My_Lamp.tpl"));
    const std::vector<std::string> after = Screen(g.screen());
    EXPECT_EQ(after.size(), before.size());
    for (size_t k = 0; k < before.size() && k < after.size(); ++k)
        EXPECT_EQ(after[k], before[k]) << "row " << k;
}

TEST(SaveEditedCommands, ACancelledOrFailedSaveLeavesTheMarkupAndTheFlags)
{
    Saving f;
    f.Import("<p>[VarKit Item=Lamp]</p>", QStringLiteral("item.tpl"));
    f.screen().Field(1).DataField.text = QStringLiteral("Vase");
    f.form().ExportChanged = true;
    const QString markup = f.form().MarkupText.Text();
    const QString name = f.form().FileName.text;

    EXPECT_FALSE(MenuFileSaveModified_Click(f.form()));  // the dialog cancelled
    EXPECT_TRUE(f.form().FileName.tag.isEmpty());

    const QString target = f.SaveTo(QStringLiteral("vase.tpl"));
    f.files().FillDisk();
    EXPECT_FALSE(MenuFileSaveModified_Click(f.form()));
    EXPECT_EQ(f.dialogs().Texts().last(), QStringLiteral("File Save Error. "));
    EXPECT_FALSE(QFileInfo::exists(target));
    EXPECT_EQ(f.form().MarkupText.Text(), markup);
    EXPECT_EQ(f.form().FileName.text, name);
    EXPECT_TRUE(f.form().FileName.tag.isEmpty());
    EXPECT_TRUE(f.form().ExportChanged);
    EXPECT_FALSE(f.form().TemplateChanged);
}

TEST(SaveEditedCommands, TheTemplateIsWrittenInItsOwnEncodingAndUnsavedMarkupIsAskedAbout)
{
    Saving f;
    f.Import("<p>caf\xE9 [VarKit Item=th\xE9]</p>", QStringLiteral("cafe.tpl"));  // windows-1252
    f.screen().Field(1).DataField.text = QStringLiteral("cr\u00E8me \u2603");
    f.form().MarkupText.SetText(f.form().MarkupText.Text() + QStringLiteral("<!-- draft -->"));
    ASSERT_TRUE(f.form().TemplateChanged);
    f.dialogs().answers = {MsgAnswer::Cancel};
    EXPECT_FALSE(MenuFileSaveModified_Click(f.form()));
    ASSERT_EQ(f.dialogs().boxes.size(), 1);
    EXPECT_EQ(f.dialogs().boxes[0].title, QStringLiteral("Template File"));

    f.dialogs().answers = {MsgAnswer::No};
    const QString saved = f.SaveTo(QStringLiteral("creme.tpl"));
    ASSERT_TRUE(MenuFileSaveModified_Click(f.form()));
    EXPECT_EQ(ReadTestFile(saved), QByteArray("<p>caf\xE9 [VarKit Item=cr\xE8me &#9731;]</p>"));
    EXPECT_EQ(f.form().MarkupText.Text(), QStringLiteral("<p>caf\u00E9 [VarKit Item=cr\u00E8me &#9731;]</p>"));
}

TEST(SaveEditedCommands, ReplacedTilesAreCopiedBesideTheTemplateAskingBeforeOverwriting)
{
    Saving f;
    f.WriteFile(QStringLiteral("a.png"), Png(Qt::red));
    f.Import("[VarKit& Tile=a.png|b.png]", QStringLiteral("tiles.tpl"));
    const QString source = f.WriteFile(QStringLiteral("pics/new.png"), Png(Qt::blue));
    const int j = f.screen().OptionsOfField(1).front();
    f.screen().TileSourceFiles[j] = source;
    f.screen().Option(j).DataOption.caption = QStringLiteral("new.png");
    f.screen().Option(j).DataOptImg.picture = QImage(source);
    const QString copy = f.folder() + QStringLiteral("out/new.png");

    const QString saved = f.SaveTo(QStringLiteral("out/saved.tpl"));
    ASSERT_TRUE(MenuFileSaveModified_Click(f.form()));
    EXPECT_EQ(ReadTestFile(copy), Png(Qt::blue));
    EXPECT_TRUE(ReadTestFile(saved).startsWith("[VarKit&Tile=new.png"));
    EXPECT_EQ(f.dialogs().boxes.size(), 1);  // the same picture already there: no question

    WriteTestFile(copy, Png(Qt::green));  // the designer's own picture
    f.dialogs().boxes.clear();
    f.dialogs().answers = {MsgAnswer::Yes, MsgAnswer::No};  // replace the template, keep the picture
    f.SaveTo(QStringLiteral("out/saved.tpl"));
    ASSERT_TRUE(MenuFileSaveModified_Click(f.form()));
    ASSERT_EQ(f.dialogs().boxes.size(), 3);
    EXPECT_EQ(f.dialogs().boxes[2].title, QStringLiteral("Save Edited fields"));
    EXPECT_EQ(f.dialogs().boxes[2].buttons, MsgButtons::YesNo);
    EXPECT_EQ(f.dialogs().boxes[2].text, copy + QStringLiteral(" already exists with another picture.\r\nReplace it with ") + source
                                             + QStringLiteral("?"));
    EXPECT_EQ(ReadTestFile(copy), Png(Qt::green));

    f.dialogs().answers = {MsgAnswer::Yes, MsgAnswer::Yes};
    f.SaveTo(QStringLiteral("out/saved.tpl"));
    ASSERT_TRUE(MenuFileSaveModified_Click(f.form()));
    EXPECT_EQ(ReadTestFile(copy), Png(Qt::blue));

    // A copy that fails is reported; the template written before it is still shown.
    f.files().FailWrites([](const QString& path) { return path.endsWith(QLatin1String("again.png")) ? 70 : 0; });
    f.screen().Option(j).DataOption.caption = QStringLiteral("again.png");
    f.dialogs().boxes.clear();
    const QString other = f.SaveTo(QStringLiteral("out/other.tpl"));
    ASSERT_TRUE(MenuFileSaveModified_Click(f.form()));
    EXPECT_EQ(f.dialogs().boxes.last().title, QStringLiteral("Save Edited fields"));
    EXPECT_TRUE(f.dialogs().boxes.last().text.endsWith(QStringLiteral("\r\nLocation = Save Modified File")));
    EXPECT_EQ(f.form().FileName.text, other);
    EXPECT_TRUE(f.form().MarkupText.Text().startsWith(QStringLiteral("[VarKit&Tile=again.png")));
}

TEST(SaveEditedCommands, TheSaveButtonExplainsAndAsks)
{
    Saving f;
    f.Import("[VarKit Item=Lamp]", QStringLiteral("item.tpl"));
    f.dialogs().answers = {MsgAnswer::No};
    Button_Click(f.form(), 6);
    ASSERT_EQ(f.dialogs().boxes.size(), 1);
    const RecordedBox& box = f.dialogs().boxes[0];
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
    f.dialogs().answers = {MsgAnswer::Yes};
    const QString saved = f.SaveTo(QStringLiteral("lamp.tpl"));
    EXPECT_TRUE(SaveEditFields(f.form()));
    EXPECT_EQ(ReadTestFile(saved), QByteArray("[VarKit Item=Lamp]"));
}

TEST(SaveEditedCommands, GetDeletesTheOldDataOnlyOnceTheNewTemplateIsWritten)
{
    Saving f;
    const QString old = f.WriteFile(QStringLiteral("item.tpe"), "[Edited Defaults]\r\n0001=Vase\r\n");
    f.dialogs().answers = {MsgAnswer::Cancel};  // the import's question: ask later
    f.Import("[VarKit Item=Lamp]", QStringLiteral("item.tpl"));
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
