// "Make HTML for each row of a CSV ..." wired into the File menu: offered once a template is
// loaded, it asks for the table and the folder and writes a page per row.
#include "WindowFixture.h"

#include "shell/BatchWindowCommand.h"

TEST(BatchWindow, TheFileMenuMakesAPagePerRowOfTheChosenTable)
{
    ProgramWindow w;
    ASSERT_TRUE(w.Start());
    const QString rows = w.Write(QStringLiteral("rows.csv"), "Title;Item\nGreen vase;Vase\nRed cup;Cup\n");
    const QString out = w.Folder() + QStringLiteral("pages");
    w.dialogs.files.push_back({rows, 1});
    w.dialogs.files.push_back({out, 1});

    ASSERT_TRUE(w.Choose(w.window->fileMenu(), QStringLiteral("MenuFileBatch")));

    EXPECT_TRUE(w.Read(out + QStringLiteral("/0001.htm")).startsWith("<html><body>\r\n<h1>Green vase</h1>\r\n<p>Vase</p>"));
    EXPECT_TRUE(w.Read(out + QStringLiteral("/0002.htm")).startsWith("<html><body>\r\n<h1>Red cup</h1>\r\n<p>Cup</p>"));
    ASSERT_NE(w.dialogs.Last(), nullptr);
    EXPECT_EQ(w.dialogs.Last()->title, kBatchTitle);
    EXPECT_EQ(w.dialogs.Last()->text, QStringLiteral("2 pages were written to ") + out + QLatin1Char('.'));
    EXPECT_EQ(w.Action(QStringLiteral("MenuFileBatch"))->text(), QStringLiteral("&Make HTML for each row of a CSV ..."));
}
