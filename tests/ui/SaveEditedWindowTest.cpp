// The File-menu entry and the "Save " button reach their commands (tested on the core).
#include "WindowFixture.h"

#include <QPushButton>

TEST(SaveEditedWindow, TheMenuEntryAndTheSaveButtonRunTheirCommands)
{
    ProgramWindow w;
    ASSERT_TRUE(w.Start());
    w.Click(w.window->tab(0));
    w.form.screen.Field(2).DataField.text = QStringLiteral("Vase");
    const QString saved = w.Folder() + QStringLiteral("vase.tpl");
    w.dialogs.files.push_back({saved, 2});
    ASSERT_TRUE(w.Choose(w.window->fileMenu(), QStringLiteral("MenuFileSaveModified")));
    EXPECT_TRUE(w.Read(saved).contains("<p>[VarKit Item=Vase]</p>"));
    EXPECT_EQ(w.form.FileName.text, saved);

    w.dialogs.boxes.clear();
    w.dialogs.answers = {MsgAnswer::No};
    w.Click(w.Child<QPushButton>(QStringLiteral("Button6")));
    ASSERT_EQ(w.dialogs.boxes.size(), 1);
    EXPECT_EQ(w.dialogs.boxes[0].title, QStringLiteral("Save Defaults"));
}
