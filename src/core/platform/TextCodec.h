#pragma once
// Template, include, export and settings files are bytes on disk and QString in memory. A file's
// encoding is decided as a browser decides it: a byte order mark first, then the charset the
// page declares in its first 1,024 bytes, then: valid UTF-8 holding multi-byte sequences is
// UTF-8, anything else windows-1252. An encoding is taken only when the bytes come back the same
// through it, so no byte is ever lost. Text goes back in the encoding it came in; what that
// encoding cannot hold is written as an HTML numeric character reference (&#8364;).
#include <QByteArray>
#include <QString>
#include <iosfwd>

// An encoding by its name in the Encoding standard ("windows-1252", "UTF-8", "EUC-KR") and
// whether the file starts with a byte order mark. Names point into static tables.
struct TextEncoding {
    const char* name = "windows-1252";
    bool bom = false;

    static const TextEncoding Windows1252;
    static const TextEncoding Utf8;
    static const TextEncoding Utf8Bom;

    QString Name() const { return QString::fromLatin1(name); }
    friend bool operator==(const TextEncoding& a, const TextEncoding& b);
};

inline constexpr TextEncoding TextEncoding::Windows1252{"windows-1252", false};
inline constexpr TextEncoding TextEncoding::Utf8{"UTF-8", false};
inline constexpr TextEncoding TextEncoding::Utf8Bom{"UTF-8", true};

std::ostream& operator<<(std::ostream& out, const TextEncoding& encoding);

struct DecodedText {
    QString text;
    TextEncoding encoding = TextEncoding::Windows1252;
};

DecodedText DecodeText(const QByteArray& bytes);
// The text in the encoding (with its byte order mark when it has one); a character the encoding
// cannot hold becomes a numeric character reference.
QByteArray EncodeText(const QString& text, const TextEncoding& encoding);

// The windows-1252 byte of a character, or -1 when the code page has none for it.
int Windows1252Byte(char16_t ch);
QChar Windows1252Char(unsigned char byte);
