// Dropped files: their kind by the last four characters of the name, the bare name a tile or a
// field keeps, and the local files a text/uri-list carries.
#include "platform/DroppedFiles.h"
#include "text/DropNames.h"

#include <QMimeData>
#include <QUrl>
#include <gtest/gtest.h>

TEST(DroppedFileKind, LastFourCharactersInAnyCase)
{
    const struct {
        const char* path;
        DroppedKind kind;
    } rows[] = {
        {"/home/a/photo.jpg", DroppedKind::Picture}, {"/home/a/PHOTO.GIF", DroppedKind::Picture},
        {"shot.Png", DroppedKind::Picture},           {"scan.jpeg", DroppedKind::Picture},
        {"page.htm", DroppedKind::Text},              {"page.HTML", DroppedKind::Text},
        {"notes.txt", DroppedKind::Text},             {"picture.bmp", DroppedKind::Other},
        {"archive.tar.gz", DroppedKind::Other},       {"jpg", DroppedKind::Other},
        {"", DroppedKind::Other},
    };
    for (const auto& row : rows)
        EXPECT_EQ(DroppedFileKind(QString::fromUtf8(row.path)), row.kind) << row.path;
}

TEST(BareDropName, FolderAndCopyCountersOneToTenGo)
{
    EXPECT_EQ(BareDropName(QStringLiteral("/tmp/cache/page[2].gif")), QStringLiteral("page.gif"));
    EXPECT_EQ(BareDropName(QStringLiteral("C:\\cache\\photo[1].jpg")), QStringLiteral("photo.jpg"));
    EXPECT_EQ(BareDropName(QStringLiteral("photo[10].jpg")), QStringLiteral("photo.jpg"));
    // Only 1 to 10, and only right before a dot.
    EXPECT_EQ(BareDropName(QStringLiteral("/a/photo[12].jpg")), QStringLiteral("photo[12].jpg"));
    EXPECT_EQ(BareDropName(QStringLiteral("/a/photo[0].jpg")), QStringLiteral("photo[0].jpg"));
    EXPECT_EQ(BareDropName(QStringLiteral("/a/set[3]b.jpg")), QStringLiteral("set[3]b.jpg"));
}

TEST(LocalFilesOf, LocalFilesInOrderWithoutWebLinks)
{
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/b.png")), QUrl(QStringLiteral("https://example.com/a.png")),
                  QUrl::fromLocalFile(QStringLiteral("/tmp/a b.txt"))});
    EXPECT_EQ(LocalFilesOf(&data), (QStringList{QStringLiteral("/tmp/b.png"), QStringLiteral("/tmp/a b.txt")}));

    QMimeData text;
    text.setText(QStringLiteral("/tmp/b.png"));
    EXPECT_TRUE(LocalFilesOf(&text).isEmpty());
    EXPECT_TRUE(LocalFilesOf(nullptr).isEmpty());
}
