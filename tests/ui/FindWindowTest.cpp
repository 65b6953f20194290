// The find panel from the keyboard and its buttons: Ctrl+F opens it on the export screen, Enter
// and F3 find the next match, Replace and Cancel do what they say.
#include "WindowFixture.h"
#include "shell/ScreenTag.h"
#include "ui/FindPanel.h"

#include <QLineEdit>
#include <QPushButton>

TEST(FindWindow, CtrlFAndF3WalkTheExportAndThePanelReplaces)
{
    ProgramWindow w;
    ASSERT_TRUE(w.Start());
    w.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.window.get()));
    const auto press = [&](int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
        w.Settle();
    };
    press(Qt::Key_3, Qt::ControlModifier);
    ASSERT_EQ(ScreenOf(w.form), Screen::Export);
    const QString html = w.form.HTMLtext.Text();
    const int first = static_cast<int>(html.indexOf(QStringLiteral("Lamp")));
    const int second = static_cast<int>(html.indexOf(QStringLiteral("Lamp"), first + 1));
    ASSERT_GT(second, first);

    press(Qt::Key_F, Qt::ControlModifier);
    FindPanel* panel = w.window->findPanel();
    auto* findBox = w.Child<QLineEdit>(QStringLiteral("FindBox"));
    ASSERT_TRUE(panel->isVisible());
    ASSERT_EQ(QApplication::focusWidget(), findBox);
    QTest::keyClicks(findBox, QStringLiteral("lamp"));
    press(Qt::Key_Return);
    EXPECT_EQ(w.form.HTMLtext.SelStart(), first);
    EXPECT_EQ(QApplication::focusWidget(), w.window->htmlText());
    press(Qt::Key_F3);
    EXPECT_EQ(w.form.HTMLtext.SelStart(), second);

    // Replace puts the "Replace" text over the match and goes on to the next one.
    w.form.HTMLtext.Select(first, 4);
    press(Qt::Key_F, Qt::ControlModifier);
    QTest::keyClicks(w.Child<QLineEdit>(QStringLiteral("ReplaceBox")), QStringLiteral("Bulb"));
    w.Click(panel->button(2));
    EXPECT_EQ(w.form.HTMLtext.Text().mid(first, 4), QStringLiteral("Bulb"));
    EXPECT_EQ(w.form.HTMLtext.SelStart(), second);
    w.Click(panel->button(0));
    EXPECT_FALSE(panel->isVisible());
}
