#include "TextCodec.h"

#include "EncodingLabels.h"
#include "HtmlCharset.h"

#include <QHash>
#include <QStringDecoder>
#include <QStringEncoder>
#include <array>
#include <cstring>
#include <optional>
#include <ostream>

namespace {

// Bytes 0x80 to 0x9F of windows-1252. The five bytes the code page leaves undefined map to the
// C1 control of the same number, so that every byte survives a round trip.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr TextEncoding kUtf16Le{"UTF-16LE", true};
constexpr TextEncoding kUtf16Be{"UTF-16BE", true};

bool Is(const TextEncoding& encoding, const char* name)
{
    return std::strcmp(encoding.name, name) == 0;
}

QByteArray ByteOrderMark(const TextEncoding& encoding)
{
    if (!encoding.bom)
        return {};
    if (Is(encoding, "UTF-16LE"))
        return QByteArray("\xFF\xFE", 2);
    if (Is(encoding, "UTF-16BE"))
        return QByteArray("\xFE\xFF", 2);
    return QByteArray("\xEF\xBB\xBF", 3);
}

std::optional<TextEncoding> EncodingOfByteOrderMark(const QByteArray& bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return TextEncoding::Utf8Bom;
    if (bytes.startsWith("\xFF\xFE"))
        return kUtf16Le;
    if (bytes.startsWith("\xFE\xFF"))
        return kUtf16Be;
    return std::nullopt;
}

bool HasHighByte(const QByteArray& bytes)
{
    for (char b : bytes)
        if (static_cast<unsigned char>(b) >= 0x80)
            return true;
    return false;
}

QString DecodeWindows1252(QByteArrayView bytes)
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

// Calls add(codePoint, length) for each character: a surrogate pair is one character, a lone
// surrogate one of its own.
template <typename Add>
void ForEachCodePoint(QStringView text, Add&& add)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t ch = text[i].unicode();
        if (QChar::isHighSurrogate(ch) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            add(QChar::surrogateToUcs4(ch, text[i + 1].unicode()), 2, i);
            ++i;
        } else {
            add(char32_t(ch), 1, i);
        }
    }
}

// One byte per character, straight into the buffer, up to the first character the code page
// lacks; from there on character by character, with references.
QByteArray EncodeWindows1252(const QString& text)
{
    QByteArray out(text.size(), Qt::Uninitialized);
    const QChar* in = text.constData();
    char* put = out.data();
    qsizetype i = 0;
    for (; i < text.size(); ++i) {
        const char16_t ch = in[i].unicode();
        const int byte = ch < 0x80 ? ch : Windows1252Byte(ch);
        if (byte < 0)
            break;
        put[i] = static_cast<char>(byte);
    }
    if (i == text.size())
        return out;
    out.truncate(i);
    ForEachCodePoint(QStringView(text).sliced(i), [&](char32_t codePoint, int length, qsizetype) {
        const int byte = length == 1 ? Windows1252Byte(static_cast<char16_t>(codePoint)) : -1;
        if (byte >= 0)
            out += static_cast<char>(byte);
        else
            AppendReference(out, codePoint);
    });
    return out;
}

// Text to the converter's bytes, with the flags the encoding needs: no byte order mark of its
// own (the caller writes it), and a U+FEFF at the start kept as a character.
QByteArray Convert(const QString& text, const TextEncoding& encoding)
{
    QStringEncoder encoder(ConverterName(encoding.name), QStringConverter::Flag::Stateless);
    return encoder.isValid() ? QByteArray(encoder.encode(text)) : QByteArray();
}

std::optional<QString> Unconvert(QByteArrayView bytes, const TextEncoding& encoding)
{
    QStringDecoder decoder(ConverterName(encoding.name), QStringConverter::Flag::ConvertInitialBom);
    if (!decoder.isValid())
        return std::nullopt;
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

// Characters the encoding cannot hold (and lone surrogates, which no encoding holds) become
// references; each distinct character is tried once.
QByteArray EncodeByCharacter(const QString& text, const TextEncoding& encoding)
{
    QByteArray out;
    QHash<char32_t, QByteArray> known;
    ForEachCodePoint(text, [&](char32_t codePoint, int length, qsizetype at) {
        auto found = known.constFind(codePoint);
        if (found == known.constEnd()) {
            const QString one = text.mid(at, length);
            QByteArray bytes = length == 1 && QChar::isSurrogate(codePoint) ? QByteArray() : Convert(one, encoding);
            if (!bytes.isEmpty() && Unconvert(bytes, encoding) != one)
                bytes.clear();
            found = known.insert(codePoint, bytes);
        }
        if (found->isEmpty())
            AppendReference(out, codePoint);
        else
            out += *found;
    });
    return out;
}

QByteArray EncodeBody(const QString& text, const TextEncoding& encoding)
{
    if (Is(encoding, "windows-1252"))
        return EncodeWindows1252(text);
    QStringEncoder whole(ConverterName(encoding.name), QStringConverter::Flag::Stateless);
    if (whole.isValid()) {
        QByteArray bytes = whole.encode(text);
        if (!whole.hasError() && Unconvert(bytes, encoding) == text)
            return bytes;
    }
    return EncodeByCharacter(text, encoding);
}

// The text of the bytes in the encoding, when they come back byte for byte through it.
std::optional<QString> DecodeExactly(const QByteArray& bytes, const TextEncoding& encoding)
{
    const QByteArray bom = ByteOrderMark(encoding);
    if (!bytes.startsWith(bom))
        return std::nullopt;
    const QByteArrayView body = QByteArrayView(bytes).sliced(bom.size());
    std::optional<QString> text;
    if (Is(encoding, "windows-1252"))
        text = DecodeWindows1252(body);
    else
        text = Unconvert(body, encoding);
    if (!text || EncodeText(*text, encoding) != bytes)
        return std::nullopt;
    return text;
}

}  // namespace

bool operator==(const TextEncoding& a, const TextEncoding& b)
{
    return a.bom == b.bom && std::strcmp(a.name, b.name) == 0;
}

std::ostream& operator<<(std::ostream& out, const TextEncoding& encoding)
{
    return out << encoding.name << (encoding.bom ? " with BOM" : "");
}

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
    if (const std::optional<TextEncoding> marked = EncodingOfByteOrderMark(bytes)) {
        if (std::optional<QString> text = DecodeExactly(bytes, *marked))
            return {std::move(*text), *marked};
    }
    if (const char* declared = DeclaredEncoding(bytes)) {
        const TextEncoding encoding{declared, false};
        if (std::optional<QString> text = DecodeExactly(bytes, encoding))
            return {std::move(*text), encoding};
    }
    if (HasHighByte(bytes)) {
        if (std::optional<QString> text = DecodeExactly(bytes, TextEncoding::Utf8))
            return {std::move(*text), TextEncoding::Utf8};
    }
    return {DecodeWindows1252(bytes), TextEncoding::Windows1252};
}

QByteArray EncodeText(const QString& text, const TextEncoding& encoding)
{
    return ByteOrderMark(encoding) + EncodeBody(text, encoding);
}
