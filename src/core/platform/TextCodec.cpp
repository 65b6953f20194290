#include "TextCodec.h"

#include <QStringDecoder>
#include <array>

namespace {

// Bytes 0x80 to 0x9F of windows-1252. The five bytes the code page leaves undefined map to the
// C1 control of the same number, so that every byte survives a round trip.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

const QByteArray kBom("\xEF\xBB\xBF", 3);

bool HasHighByte(const QByteArray& bytes)
{
    for (char b : bytes)
        if (static_cast<unsigned char>(b) >= 0x80)
            return true;
    return false;
}

bool IsValidUtf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString ignored = decoder.decode(bytes);
    return !decoder.hasError();
}

QString DecodeWindows1252(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        out[i] = Windows1252Char(static_cast<unsigned char>(bytes[i]));
    return text;
}

void AppendReference(QByteArray& out, char32_t codePoint)
{
    out += "&#";
    out += QByteArray::number(static_cast<quint32>(codePoint));
    out += ';';
}

QByteArray EncodeWindows1252(const QString& text)
{
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t ch = text[i].unicode();
        const int byte = Windows1252Byte(ch);
        if (byte >= 0) {
            out += static_cast<char>(byte);
        } else if (QChar::isHighSurrogate(ch) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            AppendReference(out, QChar::surrogateToUcs4(ch, text[i + 1].unicode()));
            ++i;
        } else {
            AppendReference(out, ch);
        }
    }
    return out;
}

}  // namespace

QChar Windows1252Char(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return QChar(kHighControls[byte - 0x80]);
    return QChar(static_cast<char16_t>(byte));
}

int Windows1252Byte(char16_t ch)
{
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF))
        return ch;
    for (int i = 0; i < 32; ++i)
        if (kHighControls[i] == ch)
            return 0x80 + i;
    return -1;
}

DecodedText DecodeText(const QByteArray& bytes)
{
    if (bytes.startsWith(kBom) && IsValidUtf8(QByteArrayView(bytes).sliced(3)))
        return {QString::fromUtf8(QByteArrayView(bytes).sliced(3)), TextEncoding::Utf8Bom};
    if (HasHighByte(bytes) && IsValidUtf8(bytes))
        return {QString::fromUtf8(bytes), TextEncoding::Utf8};
    return {DecodeWindows1252(bytes), TextEncoding::Windows1252};
}

QByteArray EncodeText(const QString& text, TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Windows1252: return EncodeWindows1252(text);
    case TextEncoding::Utf8: return text.toUtf8();
    case TextEncoding::Utf8Bom: return kBom + text.toUtf8();
    }
    return text.toUtf8();
}
