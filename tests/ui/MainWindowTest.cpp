// The main window, headless: start-up, the three screens, preview and copy, the layout rules
// on real widgets, the edit screen's widgets, typing and hovering.
#include "WindowFixture.h"
#include "shell/FormState.h"
#include "shell/ScreenCommands.h"
#include "shell/ScreenTag.h"
#include "shell/StartUp.h"
#include "support/ScriptedDialogs.h"
#include "ui/EditScreenView.h"
#include "ui/MainWindow.h"
#include "ui/QtClipboard.h"
#include "ui/RichTextView.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

namespace {

const QByteArray kStartHere =
    "<html><body>\r\n"
    "[VarKit~ Fill in the fields]\r\n"
    "<h1>[VarKit! Title=Brass Lamp]</h1>\r\n"
    "<p>[VarKit Item=Lamp]</p>\r\n"
    "[VarKit?shop Shop=My Shop]\r\n"
    "<p>[VarKit Condition=New||Used|Boxed]</p>\r\n"
    "<p>[VarKit% Colour=red|green]</p>\r\n"
    "<VarKit Gift wrap=true>\r\n"
    "<p>[VarKit Wrap=Tissue]</p>\r\n"
    "</VarKit>\r\n"
    "</body></html>";

// The shared program window, started on this suite's own start-up template.
struct Window : ProgramWindow {
    Window() : ProgramWindow(kWindowSettings, kStartHere) {}

    EditScreenView& view() { return *window->editScreen(); }
    // The screen frame in front: the visible one highest in the stacking order.
    QWidget* FrontScreen()
    {
        QWidget* front = nullptr;
        for (QObject* child : window->client()->children()) {
            auto* w = qobject_cast<QWidget*>(child);
            if (w && w->isVisible()
                && (w == window->descFrame() || w == window->markupFrame() || w == window->htmlFrame()))
                front = w;  // children() runs bottom to top
        }
        return front;
    }
    void ResizeClient(int widthPx, int heightPx)
    {
        const QSize frame = window->size() - window->client()->size();
        window->resize(QSize(widthPx, heightPx) + frame);
        Settle();
    }
};

}  // namespace

TEST(MainWindow, StartsOnTheStartupTemplate)
{
    Window w;
    ASSERT_TRUE(w.Start());
    EXPECT_TRUE(w.window->isVisible());
    EXPECT_EQ(w.form.FileName.text, w.Folder() + QStringLiteral("templates/Start_Here.TPL"));
    EXPECT_EQ(w.window->fileName()->text(), w.form.FileName.text);
    EXPECT_EQ(ScreenOf(w.form), Screen::Edit);
    EXPECT_EQ(w.FrontScreen(), w.window->descFrame());
    // The fields have widgets with the model's values.
    ASSERT_NE(w.view().fieldBox(2), nullptr);
    EXPECT_EQ(w.view().fieldBox(2)->toPlainText(), QStringLiteral("Brass Lamp"));
    EXPECT_EQ(w.view().fieldLabel(2)->text(), QStringLiteral("Title"));
    EXPECT_EQ(w.view().fieldBox(3)->toPlainText(), QStringLiteral("Lamp"));
    EXPECT_TRUE(w.view().fieldBox(3)->isVisible());
    // The markup holds the template in a fixed-pitch font.
    EXPECT_TRUE(w.window->markupText()->toPlainText().startsWith(QStringLiteral("<html><body>")));
    EXPECT_TRUE(IsFixedPitch(w.window->markupText()->font()));
    EXPECT_FALSE(w.form.TemplateChanged);
    EXPECT_TRUE(w.dialogs.boxes.isEmpty()) << w.dialogs.Titles().join(QLatin1Char(',')).toStdString();
}

TEST(MainWindow, CommandLineTemplateIsOpened)
{
    Window w;
    const QString other = w.Write(QStringLiteral("other listing.tpl"), "<p>[VarKit Colour=blue]</p>");
    ASSERT_TRUE(w.Start(QLatin1Char('"') + other + QLatin1Char('"')));
    EXPECT_EQ(w.window->fileName()->text(), other);
    ASSERT_EQ(w.form.screen.FieldCount(), 3);
    ASSERT_NE(w.view().fieldBox(1), nullptr);
    EXPECT_EQ(w.view().fieldBox(1)->toPlainText(), QStringLiteral("blue"));
    EXPECT_EQ(w.view().fieldLabel(1)->text(), QStringLiteral("Colour"));
}

TEST(MainWindow, SwitchesCloseTheWindowBeforeItShows)
{
    Window w;
    EXPECT_FALSE(w.Start(QStringLiteral("i")));
    EXPECT_FALSE(w.window->isVisible());
}

TEST(MainWindow, TabsSwitchTheScreensAndTheEditMenuTag)
{
    Window w;
    ASSERT_TRUE(w.Start());
    w.Click(w.window->tab(1));
    EXPECT_EQ(ScreenOf(w.form), Screen::Markup);
    EXPECT_EQ(w.FrontScreen(), w.window->markupFrame());
    EXPECT_TRUE(w.window->findChild<QWidget*>(QStringLiteral("TagButtonFrame"))->isVisible());
    EXPECT_TRUE(w.window->findChild<QAction*>(QStringLiteral("MenuFind0"))->isEnabled());
    EXPECT_EQ(w.window->colorLine(1)->palette().color(QPalette::Window), ToQColor(SelectedBarColor(1)));
    EXPECT_EQ(w.window->colorLine(0)->palette().color(QPalette::Window), ToQColor(IdleBarColor(0)));

    w.window->fileName()->setCursorPosition(0);
    w.Click(w.window->tab(4));
    EXPECT_EQ(ScreenOf(w.form), Screen::Export);
    EXPECT_EQ(w.FrontScreen(), w.window->htmlFrame());
    EXPECT_EQ(w.window->tab(4)->toolTip(), QStringLiteral("Click to view Browser. "));
    EXPECT_TRUE(w.window->htmlText()->toPlainText().contains(QStringLiteral("<h1>Brass Lamp</h1>")));

    w.Click(w.window->tab(0));
    EXPECT_EQ(ScreenOf(w.form), Screen::Edit);
    EXPECT_EQ(w.FrontScreen(), w.window->descFrame());
    EXPECT_FALSE(w.window->findChild<QAction*>(QStringLiteral("MenuFind0"))->isEnabled());
    EXPECT_EQ(w.window->tab(4)->toolTip(), QStringLiteral("Click to view HTML code -- Dbl-click to view Browser."));
    // The caret waits at the end of the template path.
    EXPECT_EQ(w.window->fileName()->cursorPosition(), w.window->fileName()->text().size());
}

TEST(MainWindow, LockedMarkupHidesTheTagButtons)
{
    Window w;
    w.Write(QStringLiteral("varkit.ini"), "[Custom]\r\nPreventMarkup=True\r\n");
    ASSERT_TRUE(w.Start());
    EXPECT_EQ(ScreenOf(w.form), Screen::NoMarkup);
    EXPECT_FALSE(w.window->findChild<QWidget*>(QStringLiteral("TagButtonFrame"))->isVisible());
    EXPECT_FALSE(w.window->findChild<QMenu*>(QStringLiteral("MenuEdit"))->menuAction()->isEnabled());
}

TEST(MainWindow, ExportTabTwicePreviews)
{
    Window w;
    ASSERT_TRUE(w.Start());
    w.Click(w.window->tab(4));
    EXPECT_TRUE(w.shell.opened.isEmpty());
    w.Click(w.window->tab(4));
    ASSERT_EQ(w.shell.opened.size(), 1);
    EXPECT_EQ(w.shell.opened[0], w.form.PreviewFile);
    QFile preview(w.form.PreviewFile);
    ASSERT_TRUE(preview.open(QIODevice::ReadOnly));
    EXPECT_TRUE(preview.readAll().contains("<h1>Brass Lamp</h1>"));
}

TEST(MainWindow, DoubleClickOnTheExportTabPreviews)
{
    Window w;
    ASSERT_TRUE(w.Start());
    QTest::mouseDClick(w.window->tab(4), Qt::LeftButton);
    w.Settle();
    EXPECT_EQ(ScreenOf(w.form), Screen::Export);
    EXPECT_EQ(w.shell.opened.size(), 1);
}

TEST(MainWindow, PreviewBeforeMakeHtmlAsksForIt)
{
    Window w;
    ASSERT_TRUE(w.Start());
    w.form.HTMLframeVisible = true;  // the export frame shown without any HTML made
    w.form.NotifyChanged();
    w.Settle();
    w.Click(w.window->button(2));
    ASSERT_EQ(w.dialogs.boxes.size(), 1);
    EXPECT_EQ(w.dialogs.boxes[0].title, QStringLiteral("Preview"));
    EXPECT_EQ(w.dialogs.boxes[0].text, QStringLiteral("You must Make HTML first."));
    EXPECT_FALSE(QFileInfo::exists(w.form.PreviewFile));
    EXPECT_TRUE(w.shell.opened.isEmpty());
}

TEST(MainWindow, CopyPutsTheHtmlOnTheClipboard)
{
    Window w;
    ASSERT_TRUE(w.Start());
    w.Click(w.window->tab(4));
    QGuiApplication::clipboard()->setText(QStringLiteral("old"));
    w.Click(w.window->button(3));
    const QString html = w.form.HTMLtext.Text();
    ASSERT_FALSE(html.isEmpty());
    EXPECT_EQ(QGuiApplication::clipboard()->text(), html);
    EXPECT_EQ(w.window->htmlText()->textCursor().selectedText().size(), w.window->htmlText()->document()->characterCount() - 1);
}

TEST(MainWindow, MakeHtmlAndBackButtons)
{
    Window w;
    ASSERT_TRUE(w.Start());
    w.Click(w.window->tab(4));
    w.form.screen.Field(3).DataField.text = QStringLiteral("Chair");
    w.Click(w.window->button(0));
    EXPECT_TRUE(w.window->htmlText()->toPlainText().contains(QStringLiteral("<p>Chair</p>")));
    EXPECT_EQ(w.window->findChild<QLabel*>(QStringLiteral("HtmlSize"))->text(), QString::number(w.form.HTMLtext.Length()));
    w.Click(w.window->button(1));
    EXPECT_FALSE(w.window->htmlFrame()->isVisible());
    EXPECT_EQ(ScreenOf(w.form), Screen::Export);
}

TEST(MainWindow, TypingIntoAFieldReachesMakeHtml)
{
    Window w;
    ASSERT_TRUE(w.Start());
    FieldBox* box = w.view().fieldBox(3);
    ASSERT_NE(box, nullptr);
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, QStringLiteral("Desk fan"));
    EXPECT_EQ(w.form.screen.Field(3).DataField.text, QStringLiteral("Desk fan"));
    w.Click(w.window->tab(4));
    EXPECT_TRUE(w.form.HTMLtext.Text().contains(QStringLiteral("<p>Desk fan</p>")));
}

TEST(MainWindow, LineBreaksTypedGoBackAsCrLf)
{
    Window w;
    ASSERT_TRUE(w.Start());
    FieldBox* box = w.view().fieldBox(3);
    ASSERT_NE(box, nullptr);
    box->setPlainText(QStringLiteral("one\ntwo"));
    EXPECT_EQ(w.form.screen.Field(3).DataField.text, QStringLiteral("one\r\ntwo"));
}

TEST(MainWindow, ModelChangesReachTheWidgetsOnceTheEventLoopTurns)
{
    Window w;
    ASSERT_TRUE(w.Start());
    EditField& field = w.form.screen.Field(3);
    field.DataField.text = QStringLiteral("changed");
    w.form.screen.NotifyChanged(ScreenElement::Field, 3);
    EXPECT_EQ(w.view().fieldBox(3)->toPlainText(), QStringLiteral("Lamp"));  // not yet
    w.Settle();
    EXPECT_EQ(w.view().fieldBox(3)->toPlainText(), QStringLiteral("changed"));
}

TEST(MainWindow, OnlyShownElementsGetWidgets)
{
    Window w;
    ASSERT_TRUE(w.Start());
    const EditScreen& s = w.form.screen;
    for (int i = 1; i < s.FieldCount(); ++i) {
        const bool shown = s.Field(i).DataField.visible;
        EXPECT_EQ(w.view().fieldBox(i) != nullptr, shown) << i;
    }
    // The "?shop" global is shown; the last field (the end of the file) is not.
    EXPECT_EQ(w.view().fieldBox(s.FieldCount() - 1), nullptr);
    // Option rows: captions for the text options, chips for the colours.
    const std::vector<int> condition = s.OptionsOfField(5);
    ASSERT_EQ(condition.size(), 3u);
    ASSERT_NE(w.view().optionCaption(condition[1]), nullptr);
    EXPECT_EQ(w.view().optionCaption(condition[1])->text(), QStringLiteral("Used"));
    const std::vector<int> colours = s.OptionsOfField(6);
    ASSERT_EQ(colours.size(), 2u);
    ASSERT_NE(w.view().optionChip(colours[0]), nullptr);
    EXPECT_EQ(w.view().optionChip(colours[0])->palette().color(QPalette::Window), QColor(255, 0, 0));
    EXPECT_EQ(w.view().optionCaption(colours[0]), nullptr);  // colour options show no caption
    ASSERT_NE(w.view().optionMark(condition[0]), nullptr);
    EXPECT_NE(w.view().optionMark(condition[0])->pixmap().cacheKey(),
              w.view().optionMark(condition[1])->pixmap().cacheKey());  // the selected mark differs
}

TEST(MainWindow, ImportingAgainReplacesTheWidgets)
{
    Window w;
    ASSERT_TRUE(w.Start());
    const QString small = w.Write(QStringLiteral("small.tpl"), "[VarKit Only=one]");
    w.window->fileName()->setText(small);
    w.form.FileName.text = small;
    QTest::keyClick(w.window->fileName(), Qt::Key_Return);
    w.Settle();
    ASSERT_EQ(w.form.screen.FieldCount(), 3);
    EXPECT_EQ(w.view().fieldBox(1)->toPlainText(), QStringLiteral("one"));
    EXPECT_EQ(w.view().fieldBox(3), nullptr);
    EXPECT_EQ(w.view().groupCheck(1), nullptr);
    EXPECT_EQ(w.view().widgetCount(), 3);  // label, box and button of the one field
}

TEST(MainWindow, SectionCheckboxGreysItsFields)
{
    Window w;
    ASSERT_TRUE(w.Start());
    QCheckBox* keep = w.view().groupCheck(1);
    ASSERT_NE(keep, nullptr);
    EXPECT_TRUE(keep->isChecked());
    EXPECT_EQ(keep->text().trimmed(), QStringLiteral("Gift wrap"));
    int wrap = -1;
    for (int i = 1; i < w.form.screen.FieldCount(); ++i)
        if (w.form.screen.Field(i).DataLabel.caption == QLatin1String("Wrap"))
            wrap = i;
    ASSERT_GT(wrap, 0);
    QTest::mouseClick(keep, Qt::LeftButton, {}, QPoint(6, keep->height() / 2));  // on the box
    w.Settle();
    EXPECT_FALSE(keep->isChecked());
    EXPECT_EQ(w.form.screen.Group(1).DataKeep.value, 0);
    EXPECT_FALSE(w.form.screen.Field(wrap).DataField.enabled);
    EXPECT_FALSE(w.view().fieldBox(wrap)->isEnabled());
}

TEST(MainWindow, LabelHoverUnderlinesInBlueUntilTheMouseLeavesForThePanel)
{
    Window w;
    ASSERT_TRUE(w.Start());
    QLabel* label = w.view().fieldLabel(3);
    ASSERT_NE(label, nullptr);
    QMouseEvent over(QEvent::MouseMove, QPointF(3, 3), label->mapToGlobal(QPointF(3, 3)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(label, &over);
    w.Settle();
    EXPECT_TRUE(w.form.screen.Field(3).DataLabel.fontUnderline);
    EXPECT_EQ(w.form.screen.Field(3).DataLabel.foreColor, 0xF00000u);
    EXPECT_TRUE(label->font().underline());
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(0, 0, 240));

    QWidget* content = w.view().content();
    QMouseEvent bare(QEvent::MouseMove, QPointF(2, 2), content->mapToGlobal(QPointF(2, 2)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(content, &bare);
    w.Settle();
    EXPECT_FALSE(label->font().underline());
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(0, 0, 0));
    // A comment label goes back to the comment colour.
    EXPECT_EQ(w.form.screen.Field(1).DataLabel.foreColor, w.form.screen.ScreenColors[10]);
}

TEST(MainWindow, ScrollBarMovesTheContentPanel)
{
    Window w;
    ASSERT_TRUE(w.Start());
    w.ResizeClient(800, 420);
    const EditScreen& s = w.form.screen;
    ASSERT_TRUE(s.DataScrollbar.enabled) << s.DataScrollInsert.height << " " << s.DataScrollFrame.height;
    QScrollBar* bar = w.view().scrollbar();
    EXPECT_TRUE(bar->isEnabled());
    EXPECT_EQ(bar->maximum(), s.DataScrollbar.max);
    EXPECT_EQ(bar->pageStep(), s.DataScrollbar.largeChange);
    bar->setValue(600);
    w.Settle();
    EXPECT_EQ(s.DataScrollbar.value, 600);
    EXPECT_EQ(s.DataScrollInsert.top, -600);
    EXPECT_EQ(w.view().content()->y(), -w.window->scale().Y(600));
}

TEST(MainWindow, GeometryIsTwipsAtTheScreenResolution)
{
    Window w;
    ASSERT_TRUE(w.Start());
    const TwipsScale scale = w.window->scale();
    const Geometry& g = w.form.screen.Field(3).DataField.geometry;
    EXPECT_EQ(w.view().fieldBox(3)->geometry(), scale.Rect(g));
    EXPECT_EQ(w.window->descFrame()->geometry(), scale.Rect(w.form.layout.DescFrame));
    EXPECT_EQ(scale.X(1440), w.window->logicalDpiX());
}

TEST(MainWindow, ResizeFollowsTheRulesAtAndBelowTheThresholds)
{
    Window w;
    ASSERT_TRUE(w.Start());
    const TwipsScale scale = w.window->scale();
    const int wide = scale.X(8400);
    const int tall = scale.Y(6000);
    w.ResizeClient(wide + 200, tall + 200);
    const int frameWidth = w.window->descFrame()->width();
    EXPECT_EQ(w.form.layout.DescFrame.width, w.form.layout.innerWidth - 480);
    EXPECT_NEAR(w.window->htmlText()->width(), scale.X(w.form.layout.HTMLframe.width - 240), 1);
    const int fieldWidth = w.view().fieldBox(3)->width();

    // Narrower than 8400 twips: widths stay; lower than 6000: heights stay.
    w.ResizeClient(wide - 40, tall - 40);
    EXPECT_LT(w.form.layout.innerWidth, 8400);
    EXPECT_EQ(w.window->descFrame()->width(), frameWidth);
    EXPECT_EQ(w.view().fieldBox(3)->width(), fieldWidth);
    const int frameHeight = w.window->descFrame()->height();

    w.ResizeClient(wide + 600, tall - 40);
    EXPECT_GT(w.window->descFrame()->width(), frameWidth);
    EXPECT_GT(w.view().fieldBox(3)->width(), fieldWidth);
    EXPECT_EQ(w.window->descFrame()->height(), frameHeight);

    w.ResizeClient(wide + 600, tall + 600);
    EXPECT_GT(w.window->descFrame()->height(), frameHeight);
}

TEST(MainWindow, ColourEditorTakesEnterAndTheDialog)
{
    Window w;
    ASSERT_TRUE(w.Start());
    QLineEdit* text = w.window->colorText();
    text->selectAll();
    QTest::keyClicks(text, QStringLiteral("Red"));
    QTest::keyClick(text, Qt::Key_Return);
    w.Settle();
    EXPECT_EQ(text->text(), QStringLiteral("#FF0000"));
    EXPECT_EQ(w.form.EditColor.swatchColor, 0x0000FFu);
    auto* box = w.window->findChild<QLabel*>(QStringLiteral("EditColorBox"));
    EXPECT_EQ(box->palette().color(QPalette::Window), QColor(255, 0, 0));
    EXPECT_EQ(text->selectedText(), QStringLiteral("#FF0000"));

    w.dialogs.colors = {std::optional<quint32>(0x00FF00)};
    w.Click(w.window->findChild<QToolButton*>(QStringLiteral("EditColorBtn")));
    EXPECT_EQ(w.dialogs.colorRequests.last(), 0x0000FFu);
    EXPECT_EQ(text->text(), QStringLiteral("#00FF00"));
    EXPECT_EQ(box->palette().color(QPalette::Window), QColor(0, 255, 0));
}

TEST(MainWindow, MarkupTypingRaisesTheChangeFlagAndSize)
{
    Window w;
    ASSERT_TRUE(w.Start());
    w.Click(w.window->tab(1));
    RichTextView* markup = w.window->markupText();
    markup->moveCursor(QTextCursor::End);
    QTest::keyClicks(markup, QStringLiteral("xyz"));
    w.Settle();
    EXPECT_TRUE(w.form.TemplateChanged);
    EXPECT_TRUE(w.form.MarkupText.Text().endsWith(QStringLiteral("</html>xyz")));
    EXPECT_EQ(w.window->findChild<QLabel*>(QStringLiteral("MarkupSize"))->text(), QString::number(w.form.MarkupText.Length()));
    // The box knows where the user's caret is.
    EXPECT_EQ(w.form.MarkupText.SelStart(), w.form.MarkupText.Length());
}

TEST(MainWindow, MarkupEditsKeepTheTemplatesOwnLineBreaks)
{
    ProgramWindow w(kWindowSettings, "<p>a</p>\n<p>[VarKit Item=Lamp]</p>\r<p>b</p>\n");
    ASSERT_TRUE(w.Start());
    w.Click(w.window->tab(1));
    RichTextView* markup = w.window->markupText();
    markup->setFocus();
    markup->moveCursor(QTextCursor::Start);
    markup->moveCursor(QTextCursor::EndOfBlock);
    QTest::keyClick(markup, Qt::Key_Return);
    QTest::keyClicks(markup, QStringLiteral("x"));
    w.Settle();
    EXPECT_EQ(w.form.MarkupText.Text(), QStringLiteral("<p>a</p>\nx\n<p>[VarKit Item=Lamp]</p>\r<p>b</p>\n"));
    // Copy and paste carry the box's own characters.
    w.form.MarkupText.Select(32, 7);
    markup->copy();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("</p>\r<p"));
    markup->moveCursor(QTextCursor::End);
    markup->paste();
    w.Settle();
    EXPECT_TRUE(w.form.MarkupText.Text().endsWith(QStringLiteral("</p>\n</p>\r<p")));
}

TEST(MainWindow, ProcedureSelectionReachesTheEditor)
{
    Window w;
    ASSERT_TRUE(w.Start());
    w.form.MarkupText.Select(0, 6);
    TabTop_Click(w.form, 1);  // a hidden box takes the selection when it is shown
    w.Settle();
    EXPECT_EQ(w.window->markupText()->textCursor().selectedText(), QStringLiteral("<html>"));
}

TEST(MainWindow, MenuBarCaptions)
{
    Window w;
    QStringList menus;
    for (QAction* action : w.window->menuBar()->actions())
        if (action->isVisible())
            menus << action->text();
    EXPECT_EQ(menus, (QStringList{QStringLiteral("&File     "), QStringLiteral("&Edit     "), QStringLiteral("&Help     ")}));
    auto* file = w.window->findChild<QMenu*>(QStringLiteral("MenuFile"));
    QStringList entries;
    for (QAction* action : file->actions())
        if (action->isVisible())
            entries << (action->isSeparator() ? QStringLiteral("-") : action->text());
    EXPECT_EQ(entries, (QStringList{QStringLiteral("&Open ..."), QStringLiteral("&Clear"), QStringLiteral("-"),
                                    QStringLiteral("&Save Template"), QStringLiteral("Save Template &As ..."),
                                    QStringLiteral("Chec&k Template ..."), QStringLiteral("-"),
                                    QStringLiteral("Save Edited &Data fields ..."), QStringLiteral("Save as Auction &Code ..."),
                                    QStringLiteral("&Make HTML for each row of a CSV ..."), QStringLiteral("-"),
                                    QStringLiteral("Show VarKit &Folder ..."), QStringLiteral("E&xit")}));
    w.Start();
    auto* help = w.window->findChild<QMenu*>(QStringLiteral("MenuHelp"));
    QStringList helpEntries;
    for (QAction* action : help->actions())
        if (action->isVisible())
            helpEntries << (action->isSeparator() ? QStringLiteral("-") : action->text());
    EXPECT_EQ(helpEntries.mid(0, 3), (QStringList{QStringLiteral("VarKit &Help"), QStringLiteral("Online Template Tools from Orvane"),
                                                 QStringLiteral("Use security option to Preview Menu Links")}));
    EXPECT_EQ(helpEntries.last(), QStringLiteral("&About VarKit ..."));
    EXPECT_TRUE(helpEntries.contains(QStringLiteral("Advanced Settings ...")));
    auto* tiles = w.window->tilesMenu();
    ASSERT_NE(tiles, nullptr);
    EXPECT_EQ(tiles->title(), QStringLiteral("Edit Tiles"));
    EXPECT_EQ(tiles->actions().size(), 2);
}

TEST(MainWindow, FolderCommandOpensTheAnsweredFolder)
{
    Window w;
    ASSERT_TRUE(w.Start());
    w.dialogs.inputs = {std::optional<QString>(w.form.folders.User())};
    w.window->findChild<QAction*>(QStringLiteral("MenuFileFolder"))->trigger();
    ASSERT_EQ(w.shell.opened.size(), 1);
    EXPECT_EQ(w.shell.opened[0], w.form.folders.User());
}

TEST(MainWindow, ClosingDeletesTheScratchAndPreviewFiles)
{
    Window w;
    ASSERT_TRUE(w.Start());
    w.Click(w.window->tab(4));
    w.Click(w.window->tab(4));
    ASSERT_TRUE(QFileInfo::exists(w.form.PreviewFile));
    ASSERT_TRUE(QFileInfo::exists(w.form.WorkFile));
    // The HTML just made counts as unsaved: the close request asks about it first.
    w.dialogs.answers = {MsgAnswer::No};
    EXPECT_TRUE(w.window->close());
    ASSERT_EQ(w.dialogs.CountTitled(QStringLiteral("HTML File")), 1);
    EXPECT_FALSE(QFileInfo::exists(w.form.PreviewFile));
    EXPECT_FALSE(QFileInfo::exists(w.form.WorkFile));
}
