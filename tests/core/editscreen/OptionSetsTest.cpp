#include "editscreen/FieldCreation.h"
#include "editscreen/OptionSets.h"
#include "support/FormFixture.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

struct Options : FormFixture {
    Options() { screen().DataScrollInsert.height = 120; }

    // Adds a field of this style and an option set from the list; returns the field index.
    int AddSet(const QString& style, QString list)
    {
        bool hasData = true;
        DataFieldAdd(screen(), dialogs(), style, hasData, QString());
        const int i = screen().FieldCount() - 1;
        DataOptionAdd(form(), list, i);
        lastList = list;
        return i;
    }
    QStringList Captions(int i)
    {
        QStringList result;
        for (int j : screen().OptionsOfField(i))
            result << screen().Option(j).DataOption.caption;
        return result;
    }
    int SelectedPosition(int i)
    {
        const std::vector<int> row = screen().OptionsOfField(i);
        for (size_t k = 0; k < row.size(); ++k)
            if (screen().Option(row[k]).DataOptButton.selected)
                return static_cast<int>(k);
        return -1;
    }
    QString lastList;
};

}  // namespace

TEST(OptionSets, WorkedExampleSelectsTheMarkedOptionAndLaysOutTheRow)
{
    Options o;
    const int i = o.AddSet(QStringLiteral(" "), QStringLiteral("Small|Medium||Large"));
    const EditField& field = o.screen().Field(i);
    EXPECT_EQ(field.DataField.tag, QStringLiteral("3"));
    EXPECT_EQ(field.DataField.text, QStringLiteral("Large"));
    EXPECT_EQ(o.lastList, QStringLiteral("Small|Medium||Large|"));
    const std::vector<int> row = o.screen().OptionsOfField(i);
    ASSERT_EQ(row.size(), 3u);
    const int left = field.DataField.geometry.left;
    const int lefts[] = {left, left + 1580, left + 3160};
    for (size_t k = 0; k < 3; ++k) {
        const FieldOption& option = o.screen().Option(row[k]);
        EXPECT_EQ(option.DataOption.geometry.width, 1280);
        EXPECT_EQ(option.DataOptButton.geometry.left, lefts[k]);
        EXPECT_EQ(option.DataOption.geometry.left, lefts[k] + 210);
        EXPECT_TRUE(option.DataOption.visible);
        EXPECT_TRUE(option.DataOptButton.visible);
        EXPECT_EQ(option.DataOption.tag, QString::number(i));
        EXPECT_EQ(option.DataOptButton.selected, k == 2);
    }
}

TEST(OptionSets, DefaultSelectionRules)
{
    struct Case {
        const char* list;
        QStringList captions;
        int selected;
    };
    const Case cases[] = {
        {" Red | Green |Blue", {"Red", "Green", "Blue"}, 0},
        {"|Red|Green", {"", "Red", "Green"}, 1},
        {"Red|Green|", {"Red", "Green", ""}, 0},
        {"Red||Green|Blue", {"Red", "Green", "Blue"}, 1},
        {"||Red|Green", {"", "Red", "Green"}, 1},
        {"a||b||c", {"a", "b", "c"}, 2},
    };
    for (const Case& c : cases) {
        Options o;
        const int i = o.AddSet(QStringLiteral(" "), QString::fromLatin1(c.list));
        EXPECT_EQ(o.Captions(i), c.captions) << c.list;
        EXPECT_EQ(o.SelectedPosition(i), c.selected) << c.list;
        EXPECT_EQ(o.screen().Field(i).DataField.text, c.captions[c.selected]) << c.list;
        int marks = 0;
        for (int j : o.screen().OptionsOfField(i))
            marks += o.screen().Option(j).DataOptButton.selected ? 1 : 0;
        EXPECT_EQ(marks, 1) << c.list;
        for (int j : o.screen().OptionsOfField(i)) {
            const FieldOption& option = o.screen().Option(j);
            EXPECT_EQ(option.DataOption.visible, !option.DataOption.caption.isEmpty()) << c.list;
        }
    }
}

TEST(OptionSets, ListsOfOnlyBarsSelectNothing)
{
    for (const char* list : {"|", "||", "|||", "| | |"}) {
        Options o;
        const int i = o.AddSet(QStringLiteral(" "), QString::fromLatin1(list));
        EXPECT_EQ(o.SelectedPosition(i), -1) << list;
        EXPECT_TRUE(o.screen().Field(i).DataField.text.isEmpty()) << list;
        EXPECT_EQ(o.screen().Field(i).DataField.tag.toInt(), static_cast<int>(o.screen().OptionsOfField(i).size()));
        EXPECT_TRUE(o.dialogs().boxes.isEmpty()) << list;
    }
}

TEST(OptionSets, ThemeChosenSetsStayHiddenAndLeaveTheFieldAlone)
{
    Options o;
    bool hasData = true;
    DataFieldAdd(o.screen(), o.dialogs(), QStringLiteral("?^"), hasData, QString());
    const int i = o.screen().FieldCount() - 1;
    o.screen().Field(i).DataField.text = QStringLiteral("before");
    const int height = o.screen().DataScrollInsert.height;
    QString list = QStringLiteral("#FFFFFF|#000000");
    DataOptionAdd(o.form(), list, i);
    EXPECT_EQ(o.screen().Field(i).DataField.tag, QStringLiteral("2"));
    EXPECT_EQ(o.screen().Field(i).DataField.text, QStringLiteral("before"));
    EXPECT_EQ(o.screen().DataScrollInsert.height, height);
    for (int j : o.screen().OptionsOfField(i))
        EXPECT_FALSE(o.screen().Option(j).DataOption.visible || o.screen().Option(j).DataOptButton.visible);
}

TEST(OptionSets, RowsGrowThePanelByTheirHeight)
{
    Options o;
    o.AddSet(QStringLiteral(" "), QStringLiteral("a|b"));
    const int afterText = o.screen().DataScrollInsert.height;
    o.AddSet(QStringLiteral("%"), QStringLiteral("red|blue"));
    const EditField& chips = o.screen().Field(o.screen().FieldCount() - 1);
    EXPECT_EQ(o.screen().DataScrollInsert.height,
              chips.DataField.geometry.top + chips.DataField.geometry.height + 120 + 480 + 90);
    EXPECT_GT(afterText, 120);
}

TEST(OptionSets, TilesAreFoundInTheFourFoldersInTurn)
{
    Options o;
    QImage red(8, 8, QImage::Format_RGB32);
    red.fill(Qt::red);
    QImage blue(6, 6, QImage::Format_RGB32);
    blue.fill(Qt::blue);
    o.WriteFile(QStringLiteral("templates/dummy.txt"), "x");
    o.WriteFile(QStringLiteral("backgrounds/dummy.txt"), "x");
    red.save(o.folder() + QStringLiteral("templates/beside.png"));  // next to the template
    blue.save(o.folder() + QStringLiteral("backgrounds/only_here.png"));
    o.WriteFile(QStringLiteral("templates/fake.png"), "this is not a picture");
    o.form().FileName.text = o.folder() + QStringLiteral("templates/listing.tpl");

    const int i = o.AddSet(QStringLiteral("&"), QStringLiteral("beside.png|only_here.png|missing.png|fake.png"));
    const std::vector<int> row = o.screen().OptionsOfField(i);
    ASSERT_EQ(row.size(), 4u);
    EXPECT_EQ(o.screen().Option(row[0]).DataOptImg.picture.size(), QSize(8, 8));
    EXPECT_EQ(o.screen().Option(row[1]).DataOptImg.picture.size(), QSize(6, 6));
    EXPECT_TRUE(o.screen().Option(row[2]).DataOptImg.picture.isNull());
    EXPECT_TRUE(o.screen().Option(row[3]).DataOptImg.picture.isNull());
    for (int j : row) {
        const FieldOption& tile = o.screen().Option(j);
        EXPECT_TRUE(tile.DataOptImg.visible);
        EXPECT_FALSE(tile.DataOption.visible);
        EXPECT_EQ(tile.DataOptColor.backStyle, 0);
        EXPECT_EQ(tile.DataOptImg.geometry.left, tile.DataOption.geometry.left);
    }
    EXPECT_EQ(o.screen().Field(i).DataField.text, QStringLiteral("beside.png"));
    EXPECT_TRUE(o.dialogs().boxes.isEmpty());
    EXPECT_EQ(o.screen().TileSourceFiles.size(), o.screen().OptionCount());
    EXPECT_TRUE(o.screen().TileSourceFiles.join(QString()).isEmpty());
}

TEST(OptionSets, ColourChipsTakeTheirColourFromTheText)
{
    Options o;
    const int i = o.AddSet(QStringLiteral("%"), QStringLiteral("indianred|#00ff00|rgb(0,0,255)|not a colour"));
    const std::vector<int> row = o.screen().OptionsOfField(i);
    ASSERT_EQ(row.size(), 4u);
    const quint32 expected[] = {ColorRGB(0xCD, 0x5C, 0x5C), ColorRGB(0, 255, 0), ColorRGB(0, 0, 255), 0};
    for (size_t k = 0; k < 4; ++k) {
        const FieldOption& chip = o.screen().Option(row[k]);
        EXPECT_EQ(chip.DataOptColor.backColor, expected[k]) << k;
        EXPECT_EQ(chip.DataOptColor.backStyle, 1);
        EXPECT_TRUE(chip.DataOptColor.visible);
        EXPECT_TRUE(chip.DataOptImg.enabled);
        EXPECT_FALSE(chip.DataOption.visible);
    }
    EXPECT_EQ(o.screen().Field(i).DataField.text, QStringLiteral("indianred"));
}

TEST(OptionSets, ManyOptionsNeverGetANegativeWidthOrOverlappingMarks)
{
    Options o;
    QStringList choices;
    for (int k = 1; k <= 17; ++k)
        choices << QString::number(k);
    const int i = o.AddSet(QStringLiteral(" "), choices.join(QLatin1Char('|')));
    const std::vector<int> row = o.screen().OptionsOfField(i);
    ASSERT_EQ(row.size(), 17u);
    for (size_t k = 0; k < row.size(); ++k) {
        const FieldOption& option = o.screen().Option(row[k]);
        EXPECT_GE(option.DataOption.geometry.width, 0);
        if (k > 0) {
            EXPECT_GE(option.DataOptButton.geometry.left - o.screen().Option(row[k - 1]).DataOptButton.geometry.left,
                      option.DataOptButton.geometry.width);
        }
    }
}
