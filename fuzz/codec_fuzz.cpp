// The text codec's round trip over arbitrary bytes: whatever the line breaks, byte order marks
// and declared encoding, a file read and written again is the same bytes. The text then passes
// through a text box as the markup and export screens hold it: the box gives back exactly what
// it was given, its document shows it, and an edit (made by the program or typed into the
// document) changes only the characters edited. The last input byte places the edits.
#include "FuzzSupport.h"
#include "platform/TextCodec.h"
#include "text/BoxText.h"
#include "text/RichTextBox.h"

#include <QTextCursor>
#include <QTextDocument>

namespace {

QByteArray Utf16Bytes(const QString& text)
{
    return QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
}

void RequireSameText(const QString& expected, const QString& actual, const char* what)
{
    Require(expected == actual, what, Utf16Bytes(expected), Utf16Bytes(actual));
}

void RequireShown(RichTextBox& box, const char* what)
{
    RequireSameText(DisplayOf(box.Text()), box.Document().toRawText(), what);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    StartFuzzing();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = InputBytes(data, size);
    const DecodedText decoded = DecodeText(bytes);
    const QByteArray written = EncodeText(decoded.text, decoded.encoding);
    Require(written == bytes, "read and written again, the file changed", bytes, written);

    RichTextBox box;
    box.SetShown(true);
    box.SetText(decoded.text);
    RequireSameText(decoded.text, box.Text(), "the box changed the text it was given");
    RequireShown(box, "the document does not show the text");
    Require(EncodeText(box.Text(), decoded.encoding) == bytes, "the box's text is not the file");

    const int place = size > 0 ? data[size - 1] : 0;
    const QString edits[] = {QStringLiteral("\r"), QStringLiteral("\n"), QStringLiteral("\r\n"), QStringLiteral("x"),
                             QString()};
    const int length = box.Length();
    const int start = length * (place >> 3) / 32;
    const int removed = qMin(length - start, place & 3);
    const QString& inserted = edits[place % 5];
    QString expected = box.Text();
    expected.replace(start, removed, inserted);
    box.Select(start, removed);
    box.SetSelText(inserted);
    RequireSameText(expected, box.Text(), "an edit changed more than the edited characters");
    RequireShown(box, "after an edit the document does not show the text");

    // A character typed into the document goes into the text where the document shows it.
    DocumentMap map;
    map.Reset(box.Text());
    const int position = map.ToDocument(box.Length() * (place & 7) / 8);
    expected = box.Text();
    expected.insert(map.ToText(position), QLatin1Char('y'));
    QTextCursor cursor(&box.Document());
    cursor.setPosition(position);
    cursor.insertText(QStringLiteral("y"));
    RequireSameText(expected, box.Text(), "a typed character changed more than itself");
    RequireShown(box, "after typing the document does not show the text");
    return 0;
}
