// The tag tools reach the boxes: a tag button, a chord on the markup and on the export box, and
// an Edit-menu insertion item.
#include "WindowFixture.h"
#include "authoring/TagColorSpans.h"
#include "shell/ScreenCommands.h"
#include "shell/ScreenTag.h"

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
