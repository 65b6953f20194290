#include "platform/TextCodec.h"
#include "text/RichTextBox.h"

#include <gtest/gtest.h>

TEST(RichTextBox, EveryWindows1252CharacterSurvivesTheBox)
{
    QByteArray bytes;
    for (int b = 0; b < 256; ++b)
        if (b != '\r' && b != '\n')
            bytes += static_cast<char>(b);
    const QString text = DecodeText(bytes).text + QStringLiteral("\r\nsecond line\r\n\r\nlast");
    RichTextBox box;
    box.SetText(text);
    EXPECT_EQ(box.Text(), text);
    EXPECT_EQ(box.Length(), text.size());
    const QString lf = QStringLiteral("a\u00a0b\tc\nd\n");
    box.SetText(lf);
    EXPECT_EQ(box.Text(), lf);
}

TEST(RichTextBox, SelectionOffsetsCountEachCrLfAsTwo)
{
    RichTextBox box;
    box.SetText(QStringLiteral("ab\r\ncd\r\nef"));
    box.Select(4, 2);
    EXPECT_EQ(box.SelText(), QStringLiteral("cd"));
    EXPECT_EQ(box.SelStart(), 4);
    EXPECT_EQ(box.SelLength(), 2);
    box.Select(1, 5);
    EXPECT_EQ(box.SelText(), QStringLiteral("b\r\ncd"));
    box.SetSelText(QStringLiteral("X\r\nY"));
    EXPECT_EQ(box.Text(), QStringLiteral("aX\r\nY\r\nef"));
    EXPECT_EQ(box.SelStart(), 5);  // the caret stands after the inserted text
    EXPECT_EQ(box.SelLength(), 0);
    EXPECT_EQ(box.Find(QStringLiteral("EF"), 0, -1), 7);
    EXPECT_EQ(box.SelText(), QStringLiteral("ef"));
    EXPECT_EQ(box.Find(QStringLiteral("zz"), 0, -1), -1);
    EXPECT_EQ(box.Find(QStringLiteral("aX"), 1, -1), -1);
}

TEST(RichTextBox, ColoursSurviveFormattedTextAndSetTextRemovesThem)
{
    RichTextBox box;
    box.SetText(QStringLiteral("plain [VarKit x] plain"));
    box.Select(6, 10);
    box.SetSelColor(0x008000);
    EXPECT_EQ(box.ColorAt(7), 0x008000u);
    EXPECT_EQ(box.ColorAt(1), 0x000000u);
    const QString formatted = box.TextFormatted();
    RichTextBox copy;
    copy.SetTextFormatted(formatted);
    EXPECT_EQ(copy.Text(), box.Text());
    EXPECT_EQ(copy.ColorAt(7), 0x008000u);
    box.SetText(box.Text());
    EXPECT_EQ(box.ColorAt(7), 0x000000u);
}

TEST(RichTextBox, ChangeEventFollowsEverySetAndInsert)
{
    RichTextBox box;
    int changes = 0;
    QObject::connect(&box, &RichTextBox::changed, [&] { ++changes; });
    box.SetText(QStringLiteral("one"));
    const int afterSet = changes;
    EXPECT_GT(afterSet, 0);
    box.SetSelStart(3);
    box.SetSelText(QStringLiteral(" two"));
    EXPECT_GT(changes, afterSet);
    EXPECT_EQ(box.Text(), QStringLiteral("one two"));
}
