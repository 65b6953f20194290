// The edit screen's fields in the window: Enter and a chord reach the field handlers, a file
// dropped on a field arrives through its text/uri-list, and a label click opens the enlarged
// editor, which takes a chord and closes with Cancel.
#include "WindowFixture.h"
#include "ui/BlowupPanel.h"
#include "ui/EditScreenView.h"

#include <QLabel>
#include <QLayout>
#include <QMimeData>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QToolButton>
#include <QUrl>

namespace {

struct Fields : ProgramWindow {
    void Press(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
        Settle();
    }
};

}  // namespace

TEST(FieldEditingWindow, EnterMovesOnAndCtrlBWrapsTheSelection)
{
    Fields w;
    ASSERT_TRUE(w.StartActive());
    EditScreenView* view = w.window->editScreen();
    ASSERT_EQ(w.Focus(), view->fieldBox(1));
    w.Press(w.Focus(), Qt::Key_Return);
    ASSERT_EQ(w.Focus(), view->fieldBox(2));
    // The field arrives with its whole text selected; Ctrl+B wraps it.
    w.Press(w.Focus(), Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(w.form.screen.Field(2).DataField.text, QStringLiteral("<b>Lamp</b>"));
    EXPECT_EQ(view->fieldBox(2)->toPlainText(), QStringLiteral("<b>Lamp</b>"));
    EXPECT_EQ(view->fieldBox(2)->textCursor().selectedText(), QStringLiteral("<b>Lamp</b>"));
    EXPECT_EQ(w.form.screen.Field(1).DataField.text, QStringLiteral("Brass Lamp"));
}

TEST(FieldEditingWindow, AFileDroppedOnAFieldArrivesThroughItsUriList)
{
    Fields w;
    ASSERT_TRUE(w.StartActive());
    const QString page = w.Write(QStringLiteral("notes.txt"), "lamp notes");
    QWidget* target = w.window->editScreen()->fieldBox(2)->viewport();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(page)});
    const QPointF at(5, 5);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::ControlModifier);
    QApplication::sendEvent(target, &enter);
    EXPECT_TRUE(enter.isAccepted());
    EXPECT_EQ(enter.dropAction(), Qt::CopyAction);
    QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::ControlModifier);
    QApplication::sendEvent(target, &drop);
    w.Settle();
    // With Ctrl a plain-text field takes the page's contents.
    EXPECT_TRUE(w.form.screen.Field(2).DataField.text.contains(QStringLiteral("lamp notes")));
}

TEST(FieldEditingWindow, ALabelClickOpensTheEnlargedEditorAndCancelClosesIt)
{
    Fields w;
    ASSERT_TRUE(w.StartActive());
    BlowupPanel* panel = w.window->blowupPanel();
    w.Click(w.window->editScreen()->fieldLabel(2));
    ASSERT_TRUE(panel->isVisible());
    EXPECT_TRUE(panel->editButtonFrame()->isVisible());
    EXPECT_EQ(w.Child<QLabel>(QStringLiteral("BlowupLabel"))->text(), w.form.screen.Field(2).DataLabel.caption);
    EXPECT_EQ(w.Focus(), panel->editor());

    panel->editor()->selectAll();
    w.Press(panel->editor(), Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(w.form.Blowup.DataBlowup.Text(), QStringLiteral("<b>Lamp</b>"));
    EXPECT_EQ(w.Child<QLabel>(QStringLiteral("BlowupSize"))->text(), QStringLiteral("11"));

    w.Click(panel->button(0));
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(w.form.screen.Field(2).DataField.text, QStringLiteral("Lamp"));
}

TEST(FieldEditingWindow, F2OpensTheEnlargedEditorAndItsCloseGivesTheFieldBackTheFocus)
{
    Fields w;
    ASSERT_TRUE(w.StartActive());
    EditScreenView* view = w.window->editScreen();
    BlowupPanel* panel = w.window->blowupPanel();
    view->fieldBox(2)->setFocus();
    w.Settle();
    w.Press(view->fieldBox(2), Qt::Key_F2);
    ASSERT_TRUE(panel->isVisible());
    EXPECT_EQ(w.form.Blowup.tag, QStringLiteral("2"));
    EXPECT_EQ(w.Focus(), panel->editor());
    EXPECT_TRUE(view->fieldButton(2)->toolTip().contains(QStringLiteral("F2")));

    w.Press(panel->editor(), Qt::Key_Escape);
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(w.Focus(), view->fieldBox(2));
}

TEST(FieldEditingWindow, EveryCaptionOfTheHtmlButtonRowFitsInItsPlace)
{
    Fields w;
    ASSERT_TRUE(w.StartActive());
    BlowupPanel* panel = w.window->blowupPanel();
    w.Click(w.window->editScreen()->fieldLabel(2));
    ASSERT_TRUE(panel->editButtonFrame()->isVisible());
    EXPECT_EQ(panel->editButtonFrame()->width(), TwipsScale::Of(panel).X(w.form.layout.EditButtonFrame.width));
    for (int k = 0; k < 9; ++k) {
        QPushButton* button = panel->editButton(k);
        SCOPED_TRACE(button->text().toStdString());
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const QRect contents = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        EXPECT_GE(contents.width(), button->fontMetrics().horizontalAdvance(button->text()));
    }
}

TEST(FieldEditingWindow, TheEditorsLastRowShowsEveryLabelWholeBesideTheLargestSize)
{
    Fields w;
    ASSERT_TRUE(w.StartActive());
    w.Click(w.window->editScreen()->fieldLabel(2));
    QWidget* row = w.window->blowupPanel()->findChild<QWidget*>(QStringLiteral("BlowupButtonFrame"));
    ASSERT_NE(row, nullptr);
    ASSERT_TRUE(row->isVisible());
    row->findChild<QLabel*>(QStringLiteral("BlowupSize"))->setText(QStringLiteral("32000"));
    row->layout()->activate();
    const QList<QLabel*> labels = row->findChildren<QLabel*>();
    ASSERT_EQ(labels.size(), 4);
    for (QLabel* label : labels) {
        SCOPED_TRACE(label->text().toStdString());
        EXPECT_GE(label->width(), label->sizeHint().width());
    }
}
