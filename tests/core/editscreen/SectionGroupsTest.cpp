#include "editscreen/SectionGroups.h"
#include "support/FormFixture.h"

#include <gtest/gtest.h>

namespace {

const QByteArray kSections =
    "<p>[VarKit Outside=o]</p>\r\n"
    "<VarKit Gift wrap=false><p>[VarKit! Note title=Gift][VarKit?x# Twochar=5][VarKit Paper=Red|Gold]</p></VarKit>\r\n"
    "<VarKit Returns=TRUE><p>[VarKit Days=30]</p></VarKit>\r\n";

int FieldWithPrompt(const EditScreen& screen, const QString& prompt)
{
    for (int i = 1; i < screen.FieldCount(); ++i)
        if (screen.Field(i).DataLabel.caption == prompt)
            return i;
    return -1;
}

}  // namespace

TEST(SectionGroups, FalseSectionsStartGreyedAndTickingRestoresEachStyle)
{
    FormFixture f;
    f.Import(kSections);
    EditScreen& s = f.screen();
    ASSERT_EQ(s.GroupCount(), 3);
    EXPECT_EQ(s.Group(1).DataKeep.caption, QStringLiteral(" Gift wrap"));
    EXPECT_EQ(s.Group(1).DataKeep.value, 0);
    EXPECT_EQ(s.Group(2).DataKeep.value, 1);

    const int title = FieldWithPrompt(s, QStringLiteral("Note title"));
    const int twoChar = FieldWithPrompt(s, QStringLiteral("Twochar"));
    const int paper = FieldWithPrompt(s, QStringLiteral("Paper"));
    const int outside = FieldWithPrompt(s, QStringLiteral("Outside"));
    const int days = FieldWithPrompt(s, QStringLiteral("Days"));
    ASSERT_GT(title, 0);
    ASSERT_GT(paper, 0);
    for (int i : {title, twoChar, paper}) {
        EXPECT_FALSE(s.Field(i).DataField.enabled) << i;
        EXPECT_EQ(s.Field(i).DataField.backColor, kDisabledGrey) << i;
    }
    for (int j : s.OptionsOfField(paper)) {
        EXPECT_FALSE(s.Option(j).DataOption.enabled);
        EXPECT_FALSE(s.Option(j).DataOptButton.enabled);
        EXPECT_FALSE(s.Option(j).DataOptImg.enabled);
        EXPECT_EQ(s.Option(j).DataOption.backColor, kDisabledGrey);
    }
    EXPECT_TRUE(s.Field(outside).DataField.enabled);
    EXPECT_TRUE(s.Field(days).DataField.enabled);

    s.Group(1).DataKeep.value = 1;
    DataKeep_Click(s, f.dialogs(), 1);
    EXPECT_TRUE(s.Field(title).DataField.enabled);
    EXPECT_EQ(s.Field(title).DataField.backColor, s.ScreenColors[3]);
    EXPECT_EQ(s.Field(twoChar).DataField.backColor, s.ScreenColors[1]);
    EXPECT_EQ(s.Field(paper).DataField.backColor, s.ScreenColors[1]);
    for (int j : s.OptionsOfField(paper)) {
        EXPECT_TRUE(s.Option(j).DataOption.enabled);
        EXPECT_EQ(s.Option(j).DataOption.backColor, s.ScreenColors[1]);
    }

    // Unticking the other section touches only its own fields.
    s.Group(2).DataKeep.value = 0;
    DataKeep_Click(s, f.dialogs(), 2);
    EXPECT_FALSE(s.Field(days).DataField.enabled);
    EXPECT_TRUE(s.Field(title).DataField.enabled);
    EXPECT_TRUE(s.Field(outside).DataField.enabled);
    EXPECT_TRUE(f.dialogs().boxes.isEmpty());
}

TEST(SectionGroups, SectionWithoutFieldsChangesNothing)
{
    FormFixture f;
    f.Import("<VarKit Empty=false></VarKit>[VarKit A=1]");
    EditScreen& s = f.screen();
    const int a = FieldWithPrompt(s, QStringLiteral("A"));
    const quint32 before = s.Field(a).DataField.backColor;
    DataKeep_Click(s, f.dialogs(), 1);
    EXPECT_TRUE(s.Field(a).DataField.enabled);
    EXPECT_EQ(s.Field(a).DataField.backColor, before);
}
