// The tag tools reach the boxes: a tag button, a chord on the markup and on the export box, an
// Edit-menu insertion item, and the template check's list with its way to each place.
#include "WindowFixture.h"
#include "authoring/TagColorSpans.h"
#include "shell/ScreenCommands.h"
#include "shell/ScreenTag.h"
#include "ui/CheckListDialog.h"

#include <QListWidget>
#include <QToolButton>

TEST(MarkupToolsWindow, TagButtonChordsAndEditMenuReachTheMarkup)
{
    ProgramWindow w;
    ASSERT_TRUE(w.Start());
    TabTop_Click(w.form, 1);
    w.Settle();
    RichTextBox& markup = w.form.MarkupText;
    const int lamp = static_cast<int>(markup.Text().indexOf(QStringLiteral("Brass")));
    // The start-up template shows its tags coloured.
    EXPECT_EQ(markup.ColorAt(lamp), kTagValueColor);

    markup.Select(0, 6);
    w.Click(w.Child<QToolButton>(QStringLiteral("TagButton20")));
    EXPECT_TRUE(markup.Text().startsWith(QStringLiteral("<VarKit =true><html></VarKit>")));
    EXPECT_EQ(markup.ColorAt(0), kTagColor);

    markup.Select(0, 6);
    QTest::keyClick(w.window->markupText(), Qt::Key_B, Qt::ControlModifier);
    w.Settle();
    EXPECT_TRUE(markup.Text().startsWith(QStringLiteral("<b><VarKi</b>t =true>")));
    EXPECT_TRUE(w.form.TemplateChanged);

    markup.Select(0, 0);
    EXPECT_TRUE(w.Choose(w.window->findChild<QMenu*>(QStringLiteral("MenuEdit")), QStringLiteral("MenuEditInsertion1")));
    EXPECT_TRUE(markup.Text().startsWith(QStringLiteral("<i></i><b>")));
}

TEST(MarkupToolsWindow, ChordOnTheExportBox)
{
    ProgramWindow w;
    ASSERT_TRUE(w.Start());
    TabTop_Click(w.form, 4);
    w.Settle();
    RichTextBox& html = w.form.HTMLtext;
    html.Select(0, 6);
    QTest::keyClick(w.window->htmlText(), Qt::Key_U, Qt::ControlModifier);
    w.Settle();
    EXPECT_TRUE(html.Text().startsWith(QStringLiteral("<u><html></u>")));
}

TEST(MarkupToolsWindow, TheCheckListPutsTheCaretOnThePlaceDoubleClicked)
{
    const QByteArray head = "<html><body>\r\n<h1>[VarKit! Title=Brass Lamp]</h1>\r\n";
    ProgramWindow w(kWindowSettings, head + "<p>[VarKit Item=Lamp</p>\r\n</body></html>");
    ASSERT_TRUE(w.Start());
    QMenu* file = w.window->fileMenu();
    EXPECT_FALSE(w.Choose(file, QStringLiteral("MenuFileCheck")));  // the edit screen has no markup to check
    TabTop_Click(w.form, 1);
    w.Settle();

    ASSERT_TRUE(w.Choose(file, QStringLiteral("MenuFileCheck")));
    auto* dialog = w.window->findChild<CheckListDialog*>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    QListWidget* list = dialog->list();
    ASSERT_GE(list->count(), 1);
    EXPECT_TRUE(list->item(0)->text().startsWith(QStringLiteral("3:4: "))) << list->item(0)->text().toStdString();

    w.form.MarkupText.Select(0, 0);
    const QRect place = list->visualItemRect(list->item(0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, place.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, place.center());
    w.Settle();
    // The line breaks before the place count two characters each.
    EXPECT_EQ(w.form.MarkupText.SelStart(), head.size() + 3);
    EXPECT_EQ(w.form.MarkupText.SelLength(), 0);
}
