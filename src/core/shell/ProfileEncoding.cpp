#include "ProfileEncoding.h"

namespace {

bool FitsWindows1252(const QString& text)
{
    for (QChar ch : text)
        if (Windows1252Byte(ch.unicode()) < 0)
            return false;
    return true;
}

// A letter that windows-1252 holds and ASCII does not: while the text keeps one, the written
// file reads back as windows-1252.
bool HoldsWindows1252Letter(const QString& text)
{
    for (QChar ch : text)
        if (ch.unicode() >= 0x80 && Windows1252Byte(ch.unicode()) >= 0)
            return true;
    return false;
}

}  // namespace

bool IsAscii(const QByteArray& bytes)
{
    for (char b : bytes)
        if (static_cast<unsigned char>(b) >= 0x80)
            return false;
    return true;
}

// The file's bytes in its own encoding, unless the next read would take them for other text: a
// windows-1252 file whose last byte that UTF-8 lacks was just removed would read as UTF-8 and
// change the meaning of the rest; a file whose encoding was declared only in a value now
// replaced would read back in another encoding. It is then written as UTF-8, which reads back as written
// (with a byte order mark when even that would be misread).
QByteArray EncodedToReadBack(const QString& text, const TextEncoding& encoding, bool wasAscii)
{
    QList<TextEncoding> choices;
    // A windows-1252 file that is or will be plain ASCII has no encoding of its own to keep: a
    // character windows-1252 lacks makes it UTF-8 rather than a reference, and the next write
    // of the same values chooses the same.
    const bool plainAscii = wasAscii || !HoldsWindows1252Letter(text);
    if (!(encoding == TextEncoding::Windows1252 && plainAscii && !FitsWindows1252(text)))
        choices << encoding;
    choices << TextEncoding::Utf8;
    for (const TextEncoding& choice : choices) {
        QByteArray bytes = EncodeText(text, choice);
        // The next read takes the bytes for what they hold, and the next write of the same text
        // in the encoding that read finds gives the same bytes: an encoding declared only in a
        // value just replaced is not kept.
        const DecodedText back = DecodeText(bytes);
        if (EncodeText(back.text, choice) == bytes && EncodeText(text, back.encoding) == bytes)
            return bytes;
    }
    return EncodeText(text, TextEncoding::Utf8Bom);
}
