#include "editscreen/OptionClicks.h"
#include "support/FormFixture.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

const QString kTileTitle = QStringLiteral("Load Tiles and Icons ");

// A template with two text fields of two and three options, a tile field and a colour field;
// options 1 2 | 3 4 5 | 6 7 | 8 9.
struct Clicks : FormFixture {
    Clicks()
    {
        QImage(8, 8, QImage::Format_RGB32).save(folder() + QStringLiteral("a.png"));
        QImage(8, 8, QImage::Format_RGB32).save(folder() + QStringLiteral("b.png"));
        Import("[VarKit One=Yes|No][VarKit Size=Small|Medium|Large][VarKit& Tile=a.png|b.png][VarKit% Colour=red|blue]");
    }
    QString Text(int i) const { return const_cast<Clicks*>(this)->screen().Field(i).DataField.text; }
    QString Caption(int j) { return screen().Option(j).DataOption.caption; }
    bool Selected(int j) { return screen().Option(j).DataOptButton.selected; }
    // A picture file written outside the template's folder.
    QString Picture(const QString& name, int width = 5)
    {
        const QString path = folder() + QStringLiteral("drops/") + name;
        WriteFile(QStringLiteral("drops/") + name, QByteArray());
        QImage(width, 3, QImage::Format_RGB32).save(path, "PNG");
        return path;
    }
};

}  // namespace

TEST(OptionClicks, TheTemplateHoldsTheOptionsTheTestsName)
{
    Clicks c;
    ASSERT_EQ(c.screen().OptionCount(), 10);
    EXPECT_EQ(c.Caption(4), QStringLiteral("Medium"));
    EXPECT_EQ(c.Caption(6), QStringLiteral("a.png"));
    EXPECT_TRUE(c.screen().Option(8).DataOptColor.visible);
}

TEST(OptionClicks, ChoosingAnOptionMarksItAloneAndLeavesOtherFieldsAlone)
{
    Clicks c;
    DataOptButton_Click(c.screen(), 4);
    EXPECT_FALSE(c.Selected(3));
    EXPECT_TRUE(c.Selected(4));
    EXPECT_FALSE(c.Selected(5));
    EXPECT_EQ(c.Text(2), QStringLiteral("Medium"));
    EXPECT_TRUE(c.Selected(1));
    EXPECT_FALSE(c.Selected(2));
    EXPECT_EQ(c.Text(1), QStringLiteral("Yes"));
    EXPECT_TRUE(c.Selected(6));

    // Any button pressed on a label or a tile selects, the right one included.
    DataOption_MouseDown(c.screen(), 5);
    EXPECT_EQ(c.Text(2), QStringLiteral("Large"));
    EXPECT_FALSE(c.Selected(4));
    DataOptImg_MouseDown(c.screen(), 7);
    EXPECT_EQ(c.Text(3), QStringLiteral("b.png"));
    EXPECT_FALSE(c.Selected(6));
    EXPECT_TRUE(c.Selected(5));
    // Indices outside the options do nothing.
    DataOptButton_Click(c.screen(), 0);
    DataOptButton_Click(c.screen(), 10);
    EXPECT_TRUE(c.Selected(7));
    EXPECT_TRUE(c.Selected(1));
}

TEST(OptionClicks, ModifyingAnOptionAsksWithTheSevenLinesAndKeepsTheSelection)
{
    Clicks c;
    c.dialogs().inputs = {QStringLiteral("Huge"), QString(), std::nullopt};
    DataOption_MouseUp(c.form(), 4, MouseButton::Right, false);
    ASSERT_EQ(c.dialogs().boxes.size(), 1);
    const RecordedBox& box = c.dialogs().boxes[0];
    EXPECT_EQ(box.kind, QStringLiteral("input"));
    EXPECT_EQ(box.title, QStringLiteral("Modify Default Option"));
    EXPECT_EQ(box.defaultText, QStringLiteral("Medium"));
    EXPECT_EQ(box.text, QStringLiteral("This modification is temporary until you \r\nSave Edited Data Fields.\r\n\r\n"
                                       "Warning: modifying the default value of an option \r\n"
                                       "could cause the template to function incorrectly.\r\n\r\n"
                                       "Change the default value of this option."));
    EXPECT_EQ(c.Caption(4), QStringLiteral("Huge"));
    EXPECT_EQ(c.Text(2), QStringLiteral("Small"));
    EXPECT_TRUE(c.Selected(3));
    EXPECT_FALSE(c.Selected(4));

    // An empty answer and a cancel change nothing; a left button asks nothing.
    DataOption_MouseUp(c.form(), 4, MouseButton::Right, false);
    DataOption_MouseUp(c.form(), 4, MouseButton::Right, false);
    DataOption_MouseUp(c.form(), 4, MouseButton::Left, false);
    EXPECT_EQ(c.Caption(4), QStringLiteral("Huge"));
    EXPECT_EQ(c.dialogs().boxes.size(), 3);
}

TEST(OptionClicks, RightClicksDoNothingUnderTheMarkupLock)
{
    Clicks c;
    c.clipboard().SetFiles({c.Picture(QStringLiteral("new.png"))});
    c.dialogs().popups = {1};
    c.dialogs().inputs = {QStringLiteral("Changed")};
    c.dialogs().colors = {ColorRGB(1, 2, 3)};
    for (int j = 1; j < c.screen().OptionCount(); ++j) {
        DataOption_MouseUp(c.form(), j, MouseButton::Right, true);
        DataOptImg_MouseUp(c.form(), j, MouseButton::Right, true);
    }
    EXPECT_TRUE(c.dialogs().boxes.isEmpty());
    EXPECT_EQ(c.Caption(6), QStringLiteral("a.png"));
    EXPECT_EQ(c.Caption(9), QStringLiteral("blue"));
}

TEST(OptionClicks, RecolouringAChipWritesItIntoTheFieldEvenWhenAnotherOptionIsSelected)
{
    Clicks c;
    c.screen().TileSourceFiles[9] = QStringLiteral("/old/source.png");
    c.dialogs().colors = {ColorRGB(0x12, 0x34, 0x56), std::nullopt};
    DataOptImg_MouseUp(c.form(), 9, MouseButton::Right, false);
    ASSERT_EQ(c.dialogs().colorRequests.size(), 1);
    EXPECT_EQ(c.dialogs().colorRequests[0], ColorRGB(0, 0, 255));
    const FieldOption& chip = c.screen().Option(9);
    EXPECT_EQ(chip.DataOptColor.backColor, ColorRGB(0x12, 0x34, 0x56));
    EXPECT_EQ(chip.DataOption.caption, QStringLiteral("#123456"));
    EXPECT_EQ(c.Text(4), QStringLiteral("#123456"));
    EXPECT_TRUE(c.Selected(8));
    EXPECT_FALSE(c.Selected(9));
    EXPECT_TRUE(c.screen().TileSourceFiles[9].isEmpty());

    // Cancelling the picker keeps everything.
    DataOptImg_MouseUp(c.form(), 9, MouseButton::Right, false);
    EXPECT_EQ(c.Text(4), QStringLiteral("#123456"));
    EXPECT_EQ(c.dialogs().colorRequests.size(), 2);
    EXPECT_EQ(c.dialogs().colorRequests[1], ColorRGB(0x12, 0x34, 0x56));
}

TEST(OptionClicks, TheTileMenuFollowsTheClipboard)
{
    Clicks c;
    const QString picture = c.Picture(QStringLiteral("new.png"));
    const struct {
        const char* what;
        QStringList files;
        QString text;
        bool menu;
        bool pasteEnabled;
    } rows[] = {
        {"nothing", {}, QString(), false, false},
        {"only text", {}, QStringLiteral("/some/file.png"), false, false},
        {"a text file first", {c.folder() + QStringLiteral("notes.txt"), picture}, QString(), true, false},
        {"a picture first", {picture, c.folder() + QStringLiteral("notes.txt")}, QString(), true, true},
    };
    for (const auto& row : rows) {
        c.dialogs().boxes.clear();
        c.dialogs().popupRequests.clear();
        c.clipboard().SetFiles(row.files);
        c.clipboard().SetText(row.text);
        DataOptImg_MouseUp(c.form(), 7, MouseButton::Right, false);
        ASSERT_EQ(c.dialogs().popupRequests.size(), row.menu ? 1 : 0) << row.what;
        if (!row.menu)
            continue;
        EXPECT_EQ(c.dialogs().boxes[0].title, QStringLiteral("Edit Tiles"));
        const QList<PopupItem>& items = c.dialogs().popupRequests[0];
        ASSERT_EQ(items.size(), 2);
        EXPECT_EQ(items[0].caption, QStringLiteral("Copy Tile"));
        EXPECT_TRUE(items[0].enabled);
        EXPECT_EQ(items[1].caption, QStringLiteral("Paste as new Tile"));
        EXPECT_EQ(items[1].enabled, row.pasteEnabled) << row.what;
        EXPECT_EQ(c.form().MenuTiles.tag, QStringLiteral("7"));
        EXPECT_TRUE(c.form().MenuTiles.pasteTag.isEmpty()) << row.what;
    }
    EXPECT_EQ(c.Caption(7), QStringLiteral("b.png"));
}

TEST(OptionClicks, PastingGivesTheTileTheFileWithoutCountersAndDoesNotSelectIt)
{
    Clicks c;
    const QString picture = c.Picture(QStringLiteral("photo[1].png"), 7);
    c.clipboard().SetFiles({picture});
    c.dialogs().popups = {1};
    DataOptImg_MouseUp(c.form(), 7, MouseButton::Right, false);
    EXPECT_EQ(c.form().MenuTiles.pasteTag, QStringLiteral("paste"));
    EXPECT_EQ(c.Caption(7), QStringLiteral("photo.png"));
    EXPECT_EQ(c.Text(3), QStringLiteral("photo.png"));
    EXPECT_EQ(c.screen().Option(7).DataOptImg.picture.width(), 7);
    EXPECT_EQ(c.screen().TileSourceFiles[7], picture);
    EXPECT_TRUE(c.Selected(6));
    EXPECT_FALSE(c.Selected(7));
}

TEST(OptionClicks, CopyTilePutsThePictureAndTheCaptionOnTheClipboard)
{
    Clicks c;
    c.clipboard().SetFiles({c.folder() + QStringLiteral("notes.txt")});
    c.dialogs().popups = {0};
    DataOptImg_MouseUp(c.form(), 6, MouseButton::Right, false);
    EXPECT_EQ(c.clipboard().Text(), QStringLiteral("a.png"));
    EXPECT_EQ(c.clipboard().image().size(), QSize(8, 8));
    EXPECT_EQ(c.Caption(6), QStringLiteral("a.png"));
}

TEST(OptionClicks, DroppedPicturesReplaceTheTileAndSelectIt)
{
    Clicks c;
    EXPECT_TRUE(TileAcceptsDrop(c.screen(), 7, {c.folder() + QStringLiteral("x.JPEG")}));
    EXPECT_FALSE(TileAcceptsDrop(c.screen(), 7, {c.folder() + QStringLiteral("x.txt"), c.folder() + QStringLiteral("y.png")}));
    EXPECT_FALSE(TileAcceptsDrop(c.screen(), 7, {}));
    EXPECT_FALSE(TileAcceptsDrop(c.screen(), 9, {c.folder() + QStringLiteral("x.png")}));

    const QString twelve = c.Picture(QStringLiteral("page[12].png"));
    DataOptImg_OLEDragDrop(c.form(), 7, {twelve, c.Picture(QStringLiteral("other.png"))});
    EXPECT_EQ(c.Caption(7), QStringLiteral("page[12].png"));
    EXPECT_EQ(c.Text(3), QStringLiteral("page[12].png"));
    EXPECT_EQ(c.screen().TileSourceFiles[7], twelve);
    EXPECT_TRUE(c.Selected(7));
    EXPECT_FALSE(c.Selected(6));
    EXPECT_TRUE(c.dialogs().boxes.isEmpty());
}

TEST(OptionClicks, AFileThatIsNoPictureIsReportedAndKeepsTheCaption)
{
    Clicks c;
    const QString fake = c.WriteFile(QStringLiteral("drops/fake.png"), "not a picture");
    const QString missing = c.folder() + QStringLiteral("drops/missing.png");
    DataOptImg_OLEDragDrop(c.form(), 7, {fake});
    c.clipboard().SetFiles({missing});
    c.dialogs().popups = {1};
    DataOptImg_MouseUp(c.form(), 6, MouseButton::Right, false);

    EXPECT_EQ(c.dialogs().Titles(), (QStringList{kTileTitle, QStringLiteral("Edit Tiles"), kTileTitle}));
    EXPECT_EQ(c.dialogs().boxes[0].text, QStringLiteral("Error 481: Invalid picture\r\nLocation = Drop Tile Image"));
    EXPECT_EQ(c.dialogs().boxes[2].text, QStringLiteral("Error 53: File not found\r\nLocation = Paste Tile Image"));
    EXPECT_EQ(c.dialogs().boxes[2].icon, MsgIcon::Exclamation);
    EXPECT_EQ(c.screen().TileSourceFiles[7], fake);
    EXPECT_EQ(c.screen().TileSourceFiles[6], missing);
    EXPECT_EQ(c.Caption(7), QStringLiteral("b.png"));
    EXPECT_EQ(c.Caption(6), QStringLiteral("a.png"));
    EXPECT_EQ(c.Text(3), QStringLiteral("a.png"));
    EXPECT_TRUE(c.Selected(6));
}
