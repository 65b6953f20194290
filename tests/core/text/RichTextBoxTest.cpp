// The rich-text box gives back exactly the text it was given, whatever its line breaks, through
// its document, the user's edits in it and colours; the document only shows the text.
#include "platform/TextCodec.h"
#include "text/RichTextBox.h"

#include <QTextBlock>
#include <gtest/gtest.h>

namespace {

// Types into the document at a position, as a user typing in the view does.
void TypeAt(RichTextBox& box, int position, const QString& typed)
{
    QTextCursor cursor(&box.Document());
    cursor.setPosition(position);
    cursor.insertText(typed);
}

void DeleteAt(RichTextBox& box, int position)
{
    QTextCursor cursor(&box.Document());
    cursor.setPosition(position);
    cursor.deleteChar();
}

}  // namespace

TEST(RichTextBox, EveryLineBreakMixComesBackAsGiven)
{
    const QStringList texts = {
        QStringLiteral("a\rb"),            QStringLiteral("a\r\r\nb"),  QStringLiteral("a\r\nb\nc\r\n"),
        QStringLiteral("a\nb\n"),          QStringLiteral("x\n\r"),     QStringLiteral("\r\n\r\n"),
        QStringLiteral("a\u2029b\uFDD0c\uFDD1"), QStringLiteral("a\u00A0b\tc\u2028d"),
    };
    for (const QString& text : texts) {
        SCOPED_TRACE(text.toUtf8().toHex().toStdString());
        RichTextBox box;
        box.SetText(text);
        EXPECT_EQ(box.Length(), text.size());
        const int shown = box.Document().characterCount() - 1;
        EXPECT_EQ(box.Text(), text);
        // Colours change no character.
        box.Select(0, box.Length());
        box.SetSelColor(0x0000FF);
        EXPECT_EQ(box.Text(), text);
        // A character typed at either end changes nothing else.
        TypeAt(box, 0, QStringLiteral("<"));
        TypeAt(box, shown + 1, QStringLiteral(">"));
        EXPECT_EQ(box.Text(), QStringLiteral("<") + text + QStringLiteral(">"));
        // Formatted text put back in place of itself keeps every character.
        box.Select(0, box.Length());
        box.SetSelFormatted(box.SelFormatted());
        EXPECT_EQ(box.Text(), QStringLiteral("<") + text + QStringLiteral(">"));
    }
}

TEST(RichTextBox, EveryWindows1252CharacterSurvivesTheBox)
{
    QByteArray bytes;
    for (int b = 0; b < 256; ++b)
        bytes += static_cast<char>(b);
    const QString text = DecodeText(bytes).text + QStringLiteral("\r\nsecond line\r\n\r\nlast");
    RichTextBox box;
    box.SetText(text);
    box.Document();
    EXPECT_EQ(box.Text(), text);
    EXPECT_EQ(box.Length(), text.size());
}

TEST(RichTextBox, TypedLineBreaksTakeTheTextsOwnForm)
{
    struct Case {
        QString text;
        int position;  // in the document
        QString expected;
    };
    const QList<Case> cases = {
        {QStringLiteral("ab\ncd"), 1, QStringLiteral("a\nb\ncd")},
        {QStringLiteral("ab\r\ncd"), 1, QStringLiteral("a\r\nb\r\ncd")},
        {QStringLiteral("ab\rcd"), 1, QStringLiteral("a\rb\rcd")},
        {QStringLiteral("ab"), 1, QStringLiteral("a\r\nb")},
        // After a lone CR a typed LF would pair with it: the new line break is a CR LF.
        {QStringLiteral("a\nb\rc"), 4, QStringLiteral("a\nb\r\r\nc")},
        // Before a lone LF a typed CR would pair with it.
        {QStringLiteral("a\rb\nc"), 3, QStringLiteral("a\rb\r\n\nc")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected.toUtf8().toHex().toStdString());
        RichTextBox box;
        box.SetText(c.text);
        TypeAt(box, c.position, QString(QChar(QChar::ParagraphSeparator)));
        EXPECT_EQ(box.Text(), c.expected);
        EXPECT_EQ(box.Document().characterCount() - 1, DisplayOf(c.expected).size());
    }
}

TEST(RichTextBox, DeletingBetweenCrAndLfJoinsThemAsTheTextDoes)
{
    RichTextBox box;
    box.SetText(QStringLiteral("a\rx\nb"));
    DeleteAt(box, 2);
    EXPECT_EQ(box.Text(), QStringLiteral("a\r\nb"));
    EXPECT_EQ(box.Document().blockCount(), 2);
    box.Select(3, 1);
    EXPECT_EQ(box.SelText(), QStringLiteral("b"));
    EXPECT_EQ(box.DocumentCursor().selectedText(), QStringLiteral("b"));
}

TEST(RichTextBox, SelectionOffsetsCountEachCrLfAsTwo)
{
    RichTextBox box;
    box.SetText(QStringLiteral("ab\r\ncd\r\nef"));
    box.Select(4, 2);
    EXPECT_EQ(box.SelText(), QStringLiteral("cd"));
    EXPECT_EQ(box.SelStart(), 4);
    EXPECT_EQ(box.SelLength(), 2);
    EXPECT_EQ(box.DocumentCursor().selectedText(), QStringLiteral("cd"));
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
    // The user's selection in the document comes back in offsets.
    box.SetDocumentSelection(3, 6);
    EXPECT_EQ(box.SelText(), QStringLiteral("Y\r\ne"));
}

TEST(RichTextBox, InsertingSplitsOrJoinsPairsAsTheTextSays)
{
    RichTextBox box;
    box.SetText(QStringLiteral("a\r\nb"));
    box.Document();
    box.Select(2, 0);  // between the CR and the LF
    box.SetSelText(QStringLiteral("x"));
    EXPECT_EQ(box.Text(), QStringLiteral("a\rx\nb"));
    EXPECT_EQ(box.Document().blockCount(), 3);
    box.Select(2, 1);
    box.SetSelText(QString());
    EXPECT_EQ(box.Text(), QStringLiteral("a\r\nb"));
    EXPECT_EQ(box.Document().blockCount(), 2);
    box.Select(3, 1);
    EXPECT_EQ(box.DocumentCursor().selectedText(), QStringLiteral("b"));
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
    // With nothing selected the colour is the one of the text typed next.
    box.SetSelStart(5);
    box.SetSelColor(0xFF0000);
    box.SetSelText(QStringLiteral("!"));
    EXPECT_EQ(box.ColorAt(5), 0xFF0000u);
    EXPECT_EQ(box.ColorAt(6), 0x000000u);
}

TEST(RichTextBox, ChangeEventFollowsEverySetInsertAndEdit)
{
    RichTextBox box;
    int changes = 0;
    QObject::connect(&box, &RichTextBox::changed, [&] { ++changes; });
    box.SetText(QStringLiteral("one"));
    EXPECT_EQ(changes, 1);
    box.SetSelStart(3);
    box.SetSelText(QStringLiteral(" two"));
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(box.Text(), QStringLiteral("one two"));
    TypeAt(box, 0, QStringLiteral("x"));
    EXPECT_EQ(changes, 3);
}

TEST(RichTextBox, MaxLengthRefusesAnEditThatWouldPassIt)
{
    RichTextBox box;
    box.MaxLength = 10;
    box.SetText(QStringLiteral("12345678"));
    box.Select(8, 0);
    EXPECT_TRUE(box.Fits(2));
    EXPECT_FALSE(box.Fits(3));
    box.SetSelText(QStringLiteral("\r\n"));  // a CR LF counts two
    EXPECT_EQ(box.Text(), QStringLiteral("12345678\r\n"));
    box.SetSelText(QStringLiteral("x"));  // refused whole
    EXPECT_EQ(box.Length(), 10);
    // A replacement of the same length or shorter is always taken.
    box.Select(0, 2);
    box.SetSelText(QStringLiteral("ab"));
    EXPECT_EQ(box.Text(), QStringLiteral("ab345678\r\n"));

    // A longer text set by the program is kept whole and may only shrink.
    box.SetText(QString(12, QLatin1Char('z')));
    EXPECT_EQ(box.Length(), 12);
    box.Select(12, 0);
    box.SetSelText(QStringLiteral("y"));
    EXPECT_EQ(box.Length(), 12);
    box.Select(0, 3);
    box.SetSelText(QStringLiteral("y"));
    EXPECT_EQ(box.Length(), 10);
}
