#pragma once
// Template, include and export files are bytes on disk and QString in memory. A file that is
// valid UTF-8 (with a BOM, or holding multi-byte sequences) is UTF-8, any other windows-1252.
// Text goes back in the encoding it came in; what that encoding cannot hold is written as an
// HTML numeric character reference, so nothing typed is lost.
#include <QByteArray>
#include <QString>

enum class TextEncoding { Windows1252, Utf8, Utf8Bom };

struct DecodedText {
    QString text;
    TextEncoding encoding = TextEncoding::Windows1252;
};

DecodedText DecodeText(const QByteArray& bytes);
QByteArray EncodeText(const QString& text, TextEncoding encoding);

// The windows-1252 byte of a character, or -1 when the code page has none for it.
int Windows1252Byte(char16_t ch);
QChar Windows1252Char(unsigned char byte);
