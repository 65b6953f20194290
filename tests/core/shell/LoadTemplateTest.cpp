// Loading a template: the file-name box takes a path only once its file was read.
#include "shell/AdvancedSettings.h"
#include "shell/FileCommands.h"
#include "shell/ImportTemplate.h"
#include "support/FormFixture.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

TEST(LoadTemplate, AFileThatCannotBeReadLeavesTheBoxAndTheTemplate)
{
    FormFixture f;
    f.Import("<p>[VarKit Item=Lamp]</p>", QStringLiteral("lamp.tpl"));
    const QString lamp = f.form().FileName.text;
    const int fields = f.screen().FieldCount();
    EXPECT_FALSE(LoadTemplate(f.form(), f.folder() + QStringLiteral("missing.tpl")));
    EXPECT_EQ(f.dialogs().Titles(), QStringList{QStringLiteral("Fetch Template Error")});
    EXPECT_EQ(f.form().FileName.text, lamp);
    EXPECT_EQ(f.form().MarkupText.Text(), QStringLiteral("<p>[VarKit Item=Lamp]</p>"));
    EXPECT_EQ(f.screen().FieldCount(), fields);

    const QString cup = f.WriteFile(QStringLiteral("cup.tpl"), "[VarKit Item=Cup][VarKit Size=S]");
    f.form().MarkupText.SetText(QStringLiteral("typed"));
    EXPECT_TRUE(LoadTemplate(f.form(), cup));
    EXPECT_EQ(f.form().FileName.text, cup);
    EXPECT_EQ(f.screen().FieldCount(), fields + 1);
    EXPECT_FALSE(f.form().TemplateChanged);
}

TEST(LoadTemplate, SaveAndReloadWithAMissingStartUpTemplateKeepsSavingToTheCurrentOne)
{
    FormFixture f;
    f.Import("<p>[VarKit Item=Lamp]</p>", QStringLiteral("lamp.tpl"));
    const QString lamp = f.form().FileName.text;
    f.form().AdvSettings.templateText = QStringLiteral("missing.tpl");
    f.dialogs().answers = {MsgAnswer::Yes};  // continue without the splash image
    AdvButton_Click(f.form(), 1);
    EXPECT_EQ(f.dialogs().CountTitled(QStringLiteral("Fetch Template Error")), 1);
    EXPECT_EQ(f.form().FileName.text, lamp);
    f.form().MarkupText.SetText(QStringLiteral("<p>[VarKit Item=Bulb]</p>"));
    ASSERT_TRUE(MenuFileSave_Click(f.form(), 0));
    EXPECT_EQ(ReadTestFile(lamp), QByteArray("<p>[VarKit Item=Bulb]</p>"));
    EXPECT_EQ(ReadTestFile(f.folder() + QStringLiteral("missing.tpl")), QByteArray("<missing>"));
}
