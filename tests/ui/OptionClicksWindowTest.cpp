// The options on real widgets: a click on an option's label, the keys on a caption or tile and
// picture files dropped on a tile reach the option procedures.
#include "WindowFixture.h"
#include "ui/EditScreenView.h"

#include <QClipboard>
#include <QImage>
#include <QLabel>
#include <QMimeData>
#include <QUrl>

namespace {

const QByteArray kOptionsTemplate =
    "<p>[VarKit Condition=New||Used|Boxed]</p>\r\n"
    "<p>[VarKit& Tile=a.png|b.png]</p>\r\n";

struct Window : ProgramWindow {
    Window() : ProgramWindow(kWindowSettings, kOptionsTemplate) {}
    EditScreenView& view() { return *window->editScreen(); }
};

}  // namespace

TEST(OptionClicksWindow, ClickingAnOptionLabelChoosesIt)
{
    Window w;
    ASSERT_TRUE(w.Start());
    const std::vector<int> row = w.form.screen.OptionsOfField(1);
    ASSERT_EQ(row.size(), 3u);
    QLabel* boxed = w.view().optionCaption(row[2]);
    ASSERT_NE(boxed, nullptr);
    w.Click(boxed);
    EXPECT_EQ(w.form.screen.Field(1).DataField.text, QStringLiteral("Boxed"));
    EXPECT_EQ(w.view().fieldBox(1)->toPlainText(), QStringLiteral("Boxed"));
    EXPECT_TRUE(w.form.screen.Option(row[2]).DataOptButton.selected);
    EXPECT_FALSE(w.form.screen.Option(row[1]).DataOptButton.selected);
}

TEST(OptionClicksWindow, TabReachesTheOptionsOfAFieldWhoseKeysDoWhatTheMouseDoes)
{
    Window w;
    ASSERT_TRUE(w.StartActive());
    const std::vector<int> row = w.form.screen.OptionsOfField(1);
    const std::vector<int> tiles = w.form.screen.OptionsOfField(2);
    ASSERT_EQ(row.size(), 3u);
    ASSERT_EQ(tiles.size(), 2u);
    w.view().fieldBox(1)->setFocus();
    w.Settle();
    // Field 1, then its option captions, then field 2 and its tiles.
    QList<QWidget*> reached;
    for (int k = 0; k < 6; ++k) {
        QTest::keyClick(w.Focus(), Qt::Key_Tab);
        w.Settle();
        reached << w.Focus();
    }
    const QList<QWidget*> expected = {w.view().optionCaption(row[0]), w.view().optionCaption(row[1]),
                                      w.view().optionCaption(row[2]), w.view().fieldBox(2),
                                      w.view().optionImage(tiles[0]), w.view().optionImage(tiles[1])};
    EXPECT_EQ(reached, expected);

    QLabel* boxed = w.view().optionCaption(row[2]);
    boxed->setFocus();
    w.Settle();
    QTest::keyClick(boxed, Qt::Key_Space);
    w.Settle();
    EXPECT_EQ(w.form.screen.Field(1).DataField.text, QStringLiteral("Boxed"));
    EXPECT_TRUE(w.form.screen.Option(row[2]).DataOptButton.selected);

    // The Menu key on a caption selects it and asks for its new text, as the right button does.
    w.dialogs.inputs = {QStringLiteral("Sealed")};
    QLabel* used = w.view().optionCaption(row[1]);
    used->setFocus();
    w.Settle();
    QTest::keyClick(used, Qt::Key_Menu);
    w.Settle();
    ASSERT_EQ(w.dialogs.CountTitled(QStringLiteral("Modify Default Option")), 1);
    EXPECT_EQ(w.form.screen.Option(row[1]).DataOption.caption, QStringLiteral("Sealed"));
    EXPECT_TRUE(w.form.screen.Option(row[1]).DataOptButton.selected);
}

TEST(OptionClicksWindow, APictureDroppedOnATileReplacesIt)
{
    Window w;
    ASSERT_TRUE(w.Start());
    const std::vector<int> row = w.form.screen.OptionsOfField(2);
    ASSERT_EQ(row.size(), 2u);
    QLabel* tile = w.view().optionImage(row[1]);
    ASSERT_NE(tile, nullptr);
    EXPECT_TRUE(tile->acceptDrops());
    const QString picture = w.Folder() + QStringLiteral("drop[2].png");
    QImage(12, 12, QImage::Format_RGB32).save(picture);

    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(picture)});
    const QPoint at = tile->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(tile, &enter);
    EXPECT_TRUE(enter.isAccepted());
    EXPECT_EQ(enter.dropAction(), Qt::CopyAction);

    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(tile, &drop);
    w.Settle();
    EXPECT_EQ(w.form.screen.Field(2).DataField.text, QStringLiteral("drop.png"));
    EXPECT_EQ(w.form.screen.TileSourceFiles[row[1]], picture);
    EXPECT_TRUE(w.form.screen.Option(row[1]).DataOptButton.selected);
    EXPECT_FALSE(w.view().optionImage(row[1])->pixmap().isNull());

    // A text file is refused while it is dragged over.
    QMimeData text;
    text.setUrls({QUrl::fromLocalFile(w.Folder() + QStringLiteral("notes.txt"))});
    QDragEnterEvent refused(at, Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w.view().optionImage(row[0]), &refused);
    EXPECT_FALSE(refused.isAccepted());
}

TEST(OptionClicksWindow, TheClipboardsFileListIsItsLocalFilesWithNamesCut)
{
    QtClipboard clipboard;
    const QString longName = QStringLiteral("/") + QString(1500, QLatin1Char('n')) + QStringLiteral(".png");
    auto* data = new QMimeData;
    data->setUrls({QUrl(QStringLiteral("https://example.com/a.png")), QUrl::fromLocalFile(longName),
                   QUrl::fromLocalFile(QStringLiteral("/tmp/second.gif"))});
    QGuiApplication::clipboard()->setMimeData(data);
    EXPECT_TRUE(clipboard.HasFiles());
    EXPECT_EQ(clipboard.Files(), (QStringList{longName.left(1024), QStringLiteral("/tmp/second.gif")}));

    // Web links alone, or text, are no file list.
    auto* links = new QMimeData;
    links->setUrls({QUrl(QStringLiteral("https://example.com/a.png"))});
    QGuiApplication::clipboard()->setMimeData(links);
    EXPECT_FALSE(clipboard.HasFiles());
    clipboard.SetText(QStringLiteral("/tmp/second.gif"));
    EXPECT_FALSE(clipboard.HasFiles());
    EXPECT_TRUE(clipboard.Files().isEmpty());
}
