// The window from the keyboard and for assistive technology: start-up focus, the tab keys, the
// File shortcuts, Escape, a focus chain that never reaches a hidden screen, the field caret kept
// across a refresh, key forwarding, accessible names, and a window that fits its screen.
#include "WindowFixture.h"
#include "editscreen/FieldTextTarget.h"
#include "shell/ScreenTag.h"
#include "ui/AdvancedSettingsPanel.h"
#include "ui/BlowupPanel.h"
#include "ui/EditScreenView.h"
#include "ui/KeyForwarder.h"
#include "ui/TabCaption.h"
#include "ui/WidgetKit.h"

#include <QAccessible>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>

namespace {

struct Keys : ProgramWindow {
    using ProgramWindow::ProgramWindow;
    void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(Focus() ? Focus() : window.get(), static_cast<Qt::Key>(key), modifiers);
        Settle();
    }
    // Whether the widget is shown and no screen frame above it is hidden.
    bool Reachable(QWidget* widget) const { return widget && widget->isVisibleTo(window.get()) && widget->isVisible(); }
};

}  // namespace

TEST(KeyboardWindow, FillAFieldMakeTheHtmlAndCopyItWithoutTheMouse)
{
    Keys w;
    ASSERT_TRUE(w.StartActive());
    EditScreenView* view = w.window->editScreen();
    ASSERT_EQ(w.Focus(), view->fieldBox(1));  // the program starts in the first field
    w.Press(Qt::Key_End);
    QTest::keyClicks(w.Focus(), QStringLiteral(" Copper"));
    w.Settle();
    EXPECT_EQ(w.form.screen.Field(1).DataField.text, QStringLiteral("Brass Lamp Copper"));

    w.Press(Qt::Key_3, Qt::ControlModifier);
    EXPECT_EQ(ScreenOf(w.form), Screen::Export);
    EXPECT_TRUE(w.form.HTMLtext.Text().contains(QStringLiteral("<h1>Brass Lamp Copper</h1>")));
    // Tab round the whole chain: it never stops on a hidden screen, and it reaches Copy.
    QWidget* copy = w.window->button(3);
    for (int k = 0; k < 40 && w.Focus() != copy; ++k) {
        w.Press(Qt::Key_Tab);
        ASSERT_TRUE(w.Reachable(w.Focus())) << w.Focus()->objectName().toStdString();
        EXPECT_FALSE(w.window->descFrame()->isAncestorOf(w.Focus()));
        EXPECT_FALSE(w.window->markupFrame()->isAncestorOf(w.Focus()));
    }
    ASSERT_EQ(w.Focus(), copy);
    w.Press(Qt::Key_Space);
    EXPECT_EQ(QApplication::clipboard()->text(), w.form.HTMLtext.Text());

    w.Press(Qt::Key_1, Qt::ControlModifier);
    EXPECT_EQ(ScreenOf(w.form), Screen::Edit);
    w.Press(Qt::Key_2, Qt::ControlModifier);
    EXPECT_EQ(ScreenOf(w.form), Screen::Markup);
    for (int k = 0; k < 40; ++k) {
        w.Press(Qt::Key_Tab);
        ASSERT_TRUE(w.Reachable(w.Focus())) << w.Focus()->objectName().toStdString();
        EXPECT_FALSE(w.window->descFrame()->isAncestorOf(w.Focus()));
        EXPECT_FALSE(w.window->htmlFrame()->isAncestorOf(w.Focus()));
    }
}

TEST(KeyboardWindow, TabsFileShortcutsAndEscape)
{
    Keys w;
    ASSERT_TRUE(w.StartActive());
    TabCaption* markup = w.window->tab(1);
    markup->setFocus();
    w.Press(Qt::Key_Space);
    EXPECT_EQ(ScreenOf(w.form), Screen::Markup);
    EXPECT_TRUE(markup->selected());
    QAccessibleInterface* tab = QAccessible::queryAccessibleInterface(markup);
    ASSERT_TRUE(tab);
    EXPECT_EQ(tab->role(), QAccessible::PageTab);
    EXPECT_EQ(tab->text(QAccessible::Name), QStringLiteral("MARKUP"));

    const struct {
        const char* action;
        QKeySequence keys;
    } shortcuts[] = {{"MenuFileOpen0", QKeySequence(Qt::CTRL | Qt::Key_O)},
                     {"MenuFileSave0", QKeySequence(Qt::CTRL | Qt::Key_S)},
                     {"MenuFileSave1", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
                     {"MenuFileExit", QKeySequence(Qt::CTRL | Qt::Key_Q)}};
    for (const auto& row : shortcuts)
        EXPECT_EQ(w.Action(QLatin1String(row.action))->shortcut(), row.keys) << row.action;
    // Save Template is the markup screen's: its shortcut is off on the edit screen.
    EXPECT_TRUE(w.Action(QStringLiteral("MenuFileSave0"))->isEnabled());
    w.Press(Qt::Key_1, Qt::ControlModifier);
    EXPECT_FALSE(w.Action(QStringLiteral("MenuFileSave0"))->isEnabled());

    // Escape closes the Advanced Settings panel as its Cancel does.
    ASSERT_TRUE(w.Choose(w.window->helpSettingsMenu(), QStringLiteral("MenuHelpSettingsDes")));
    ASSERT_TRUE(w.window->advSettings()->isVisible());
    w.Press(Qt::Key_Escape);
    EXPECT_FALSE(w.form.AdvSettings.visible);
    EXPECT_FALSE(w.window->advSettings()->isVisible());
    // The find panel and the enlarged editor close the same way.
    w.form.Find.visible = true;
    w.window->SyncFromState();
    w.Press(Qt::Key_Escape);
    EXPECT_FALSE(w.form.Find.visible);
    w.form.Blowup.visible = true;
    w.form.Blowup.tag = QStringLiteral("1");
    w.form.Blowup.DataBlowup.SetText(QStringLiteral("not kept"));
    w.window->SyncFromState();
    w.Press(Qt::Key_Escape);
    EXPECT_FALSE(w.form.Blowup.visible);
    EXPECT_EQ(w.form.screen.Field(1).DataField.text, QStringLiteral("Brass Lamp"));
}

TEST(KeyboardWindow, AFieldKeepsItsCaretThroughARefreshAndHandlersCanSwallowKeys)
{
    Keys w;
    ASSERT_TRUE(w.StartActive());
    EditScreenView* view = w.window->editScreen();
    FieldBox* box = view->fieldBox(2);
    ASSERT_TRUE(box);
    FieldTextTarget item(w.form.screen, 2);
    item.Select(1, 2);
    w.Settle();
    EXPECT_EQ(box->textCursor().selectedText(), QStringLiteral("am"));
    item.SetSelText(QStringLiteral("AM"));  // the model changes: the view refreshes the text
    item.SetFocus();
    w.Settle();
    EXPECT_EQ(box->toPlainText(), QStringLiteral("LAMp"));
    EXPECT_EQ(box->textCursor().position(), 3);
    EXPECT_EQ(w.Focus(), box);
    QTest::keyClick(box, Qt::Key_X);
    w.Settle();
    EXPECT_EQ(w.form.screen.Field(2).DataField.text, QStringLiteral("LAMxp"));
    EXPECT_EQ(w.form.screen.Field(2).DataField.selStart, 4);

    // A key-down handler that sets the code to 0 keeps the key from the box; so does key-press.
    // Ctrl pressed alone comes first (17 with Ctrl down).
    QList<int> downs;
    KeyForwarder::Install(box, [&](int& keyCode, int shift) {
        downs << keyCode * 10 + shift;
        if (keyCode == 66 && shift == 2)
            keyCode = 0;
    }, [](int& keyAscii) {
        if (keyAscii == 'q')
            keyAscii = 0;
    });
    QTest::keyClick(box, Qt::Key_B, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Q);
    QTest::keyClick(box, Qt::Key_Plus, Qt::KeypadModifier);
    w.Settle();
    EXPECT_EQ(downs, (QList<int>{172, 662, 810, 1070}));
    EXPECT_EQ(w.form.screen.Field(2).DataField.text, QStringLiteral("LAMx+p"));
}

TEST(KeyboardWindow, EveryControlHasAnAccessibleName)
{
    const QByteArray options = "<p>[VarKit~=A note]</p><p>[VarKit Item=Lamp]</p>[VarKit Condition=New||Used]";
    Keys w{kWindowSettings, options};
    ASSERT_TRUE(w.StartActive());
    EditScreenView* view = w.window->editScreen();
    view->Refresh();
    for (int i = 1; i < w.form.screen.FieldCount(); ++i) {
        if (FieldBox* box = view->fieldBox(i)) {
            EXPECT_FALSE(box->accessibleName().isEmpty()) << i;
        }
        if (QToolButton* button = view->fieldButton(i)) {
            EXPECT_EQ(button->accessibleName(), QStringLiteral("View enlarged window to enter or paste multi-line text."));
        }
    }
    EXPECT_EQ(view->fieldBox(1)->accessibleName(), QStringLiteral("Comment"));  // no caption
    EXPECT_EQ(view->fieldBox(2)->accessibleName(), QStringLiteral("Item"));
    const std::vector<int> condition = w.form.screen.OptionsOfField(3);
    ASSERT_FALSE(condition.empty());
    QLabel* mark = view->optionMark(condition.front());
    ASSERT_TRUE(mark);
    EXPECT_EQ(mark->accessibleName(), QStringLiteral("New"));
    EXPECT_EQ(mark->objectName(), QStringLiteral("DataOptButton%1").arg(condition.front()));
    EXPECT_EQ(w.Child<QToolButton>(QStringLiteral("TagButton31"))->accessibleName(), QStringLiteral("Single Undo for buttons"));
    EXPECT_TRUE(w.Action(QStringLiteral("MenuEditInsertion3")));
    EXPECT_EQ(w.window->fileMenu()->accessibleName(), QStringLiteral("File"));
    EXPECT_EQ(w.window->blowupPanel()->editor()->accessibleName(), QStringLiteral("Enlarged field"));
    for (QLineEdit* box : w.window->findChildren<QLineEdit*>())
        EXPECT_FALSE(box->accessibleName().isEmpty()) << box->objectName().toStdString();
}

TEST(KeyboardWindow, TheWindowFitsItsScreenAndATallPanelScrolls)
{
    Keys w;
    ASSERT_TRUE(w.StartActive());
    const QRect available = w.window->screen()->availableGeometry();
    w.window->resize(available.width() * 2, available.height() * 2);
    FitToScreen(w.window.get());
    EXPECT_TRUE(available.contains(w.window->frameGeometry()));

    w.window->resize(w.window->width(), w.window->minimumHeight());
    w.Settle();
    ASSERT_TRUE(w.Choose(w.window->helpSettingsMenu(), QStringLiteral("MenuHelpSettingsDes")));
    AdvancedSettingsPanel* panel = w.window->advSettings();
    EXPECT_LE(panel->geometry().bottom(), w.window->client()->height());
    QScrollArea* scroll = panel->findChild<QScrollArea*>();
    ASSERT_TRUE(scroll);
    EXPECT_GT(scroll->verticalScrollBar()->maximum(), 0);
    panel->button(1)->setFocus();  // the focus scrolls the buttons into view
    w.Settle();
    EXPECT_GT(scroll->verticalScrollBar()->value(), 0);
}
