// The find panel from the keyboard and its buttons: Ctrl+F opens it, Enter and F3 find the next
// match, Replace and Cancel do what they say.
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

    press(Qt::Key_F, Qt::ControlModifier);
    ASSERT_EQ(QApplication::focusWidget(), w.Child<QLineEdit>(QStringLiteral("FindBox")));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("lamp"));
    press(Qt::Key_Return);
    EXPECT_EQ(w.form.HTMLtext.SelStart(), first);
    EXPECT_EQ(QApplication::focusWidget(), w.window->htmlText());
    press(Qt::Key_F3);
    EXPECT_EQ(w.form.HTMLtext.SelStart(), second);

    w.form.HTMLtext.Select(first, 4);
    w.form.Find.replaceText = QStringLiteral("Bulb");
    w.Click(w.window->findPanel()->button(2));
    EXPECT_EQ(w.form.HTMLtext.Text().mid(first, 4), QStringLiteral("Bulb"));
    EXPECT_EQ(w.form.HTMLtext.SelStart(), second);
    w.Click(w.window->findPanel()->button(0));
    EXPECT_FALSE(w.window->findPanel()->isVisible());
}
