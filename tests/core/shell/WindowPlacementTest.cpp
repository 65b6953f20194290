// The window's size and place between runs.
#include "platform/DiskFileOps.h"
#include "support/TestFiles.h"
#include "shell/WindowPlacement.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(WindowPlacement, FitOnScreenMovesAndShrinksIntoTheAvailableArea)
{
    const QRect screen(0, 0, 1600, 1000);
    struct Row {
        const char* what;
        QRect wanted;
        QRect fitted;
    } rows[] = {
        {"inside stays", {100, 80, 800, 600}, {100, 80, 800, 600}},
        {"past the right edge moves left", {1200, 80, 800, 600}, {800, 80, 800, 600}},
        {"above the top moves down", {100, -50, 800, 600}, {100, 0, 800, 600}},
        {"on a removed screen comes back", {3000, 1500, 800, 600}, {800, 400, 800, 600}},
        {"larger than the screen shrinks", {-10, -10, 2400, 1400}, {0, 0, 1600, 1000}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(FitOnScreen(row.wanted, screen), row.fitted) << row.what;
    EXPECT_EQ(FitOnScreen(QRect(1700, 1100, 800, 600), QRect(1600, 1000, 1280, 1024)), QRect(1700, 1100, 800, 600));
}

TEST(WindowPlacement, StoredAndReadBack)
{
    QTemporaryDir dir;
    DiskFileOps disk;
    const QString path = dir.path() + QStringLiteral("/config/varkit/window.ini");
    EXPECT_FALSE(ReadWindowPlacement(disk, path));  // nothing stored yet
    WriteWindowPlacement(disk, path, {QRect(-20, 30, 900, 700), true});
    const std::optional<WindowPlacement> back = ReadWindowPlacement(disk, path);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->normal, QRect(-20, 30, 900, 700));
    EXPECT_TRUE(back->maximized);

    WriteTestFile(path, "[Window]\r\nLeft=10\r\nTop=x\r\nWidth=900\r\nHeight=700\r\n");
    EXPECT_FALSE(ReadWindowPlacement(disk, path));
    WriteTestFile(path, "[Window]\r\nLeft=10\r\nTop=10\r\nWidth=0\r\nHeight=700\r\n");
    EXPECT_FALSE(ReadWindowPlacement(disk, path));
}
