// Which encoding a page is read in (byte order mark, the charset the page declares, then the
// UTF-8 / windows-1252 rule), and that every byte comes back through the encoding it was read
// in, values written in that encoding included.
#include "platform/HtmlCharset.h"
#include "platform/TextCodec.h"

#include <QList>
#include <gtest/gtest.h>

#include <random>

namespace {

QByteArray Utf16(const QString& text, bool littleEndian)
{
    QByteArray bytes = littleEndian ? QByteArray("\xFF\xFE", 2) : QByteArray("\xFE\xFF", 2);
    for (QChar c : text) {
        const char high = static_cast<char>(c.unicode() >> 8);
        const char low = static_cast<char>(c.unicode() & 0xFF);
        bytes += littleEndian ? QByteArray{&low, 1} + QByteArray{&high, 1} : QByteArray{&high, 1} + QByteArray{&low, 1};
    }
    return bytes;
}

const QByteArray kUtf8Bom("\xEF\xBB\xBF", 3);

}  // namespace

TEST(TextEncoding, ByteOrderMarkThenDeclarationThenContent)
{
    struct Case {
        const char* what;
        QByteArray bytes;
        const char* encoding;
        bool bom;
        QString text;  // empty: not checked
    };
    const QString page = QStringLiteral("<p>caf\u00E9</p>\r\nline two\n");
    const QList<Case> cases = {
        {"ASCII page declaring UTF-8", "<meta charset=\"utf-8\"><p>Cafe</p>", "UTF-8", false, {}},
        {"http-equiv form", "<head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\"></head>", "UTF-8",
         false, {}},
        {"unquoted, upper case, content first", "<META CONTENT=text/html;charset=UTF-8 HTTP-EQUIV=content-type>", "UTF-8",
         false, {}},
        {"charset quoted inside content", "<meta http-equiv='content-type' content='text/html; charset=\"utf8\"'>", "UTF-8",
         false, {}},
        {"content without http-equiv declares nothing", "<meta content=\"text/html; charset=utf-8\">", "windows-1252",
         false, {}},
        {"declaration inside a comment", "<!-- <meta charset=\"utf-8\"> --><p>x</p>", "windows-1252", false, {}},
        {"declaration inside another tag's attribute", "<img alt='<meta charset=\"utf-8\">'>", "windows-1252", false, {}},
        {"declaration after the first 1,024 bytes", QByteArray(1024, ' ') + "<meta charset=\"utf-8\">", "windows-1252", false,
         {}},
        {"iso-8859-1 is windows-1252", "<meta charset=iso-8859-1>caf\xE9 \x80", "windows-1252", false,
         QStringLiteral("<meta charset=iso-8859-1>caf\u00E9 \u20AC")},
        {"us-ascii is windows-1252", "<meta charset=\"us-ascii\">\x93q\x94", "windows-1252", false,
         QStringLiteral("<meta charset=\"us-ascii\">\u201Cq\u201D")},
        {"EUC-KR", "<meta charset=\"euc-kr\">\xC7\xD1\xB1\xDB", "EUC-KR", false,
         QStringLiteral("<meta charset=\"euc-kr\">\uD55C\uAE00")},
        {"Shift_JIS", "<meta charset=\"shift_jis\">\x93\xFA\x96\x7B", "Shift_JIS", false,
         QStringLiteral("<meta charset=\"shift_jis\">\u65E5\u672C")},
        {"windows-1251", "<meta charset=\"windows-1251\">\xCF\xF0\xE8\xE2\xE5\xF2", "windows-1251", false,
         QStringLiteral("<meta charset=\"windows-1251\">\u041F\u0440\u0438\u0432\u0435\u0442")},
        {"a declared UTF-16 is UTF-8", "<meta charset=\"utf-16\">plain", "UTF-8", false, {}},
        {"an unknown label declares nothing", "<meta charset=\"klingon\">caf\xC3\xA9", "UTF-8", false, {}},
        {"UTF-8 declared, bytes not UTF-8", "<meta charset=\"utf-8\">caf\xE9", "windows-1252", false,
         QStringLiteral("<meta charset=\"utf-8\">caf\u00E9")},
        {"EUC-KR declared, bytes not EUC-KR", "<meta charset=\"euc-kr\">\xC7\xFF", "windows-1252", false, {}},
        {"UTF-8 byte order mark beats the declaration", kUtf8Bom + "<meta charset=\"windows-1251\">\xD0\x9F", "UTF-8", true,
         QStringLiteral("<meta charset=\"windows-1251\">\u041F")},
        {"a second byte order mark is a character", kUtf8Bom + kUtf8Bom + "t", "UTF-8", true, QStringLiteral("\uFEFFt")},
        {"UTF-16LE with a byte order mark", Utf16(page, true), "UTF-16LE", true, page},
        {"UTF-16BE with a byte order mark", Utf16(page, false), "UTF-16BE", true, page},
        {"UTF-16 byte order mark before an odd byte count", QByteArray("\xFF\xFEx", 3), "windows-1252", false,
         QStringLiteral("\u00FF\u00FEx")},
        {"no declaration, UTF-8 multi-byte", "caf\xC3\xA9", "UTF-8", false, QStringLiteral("caf\u00E9")},
        {"no declaration, windows-1252 that also forms UTF-8", "<meta name=x>CAF\xC9\xBB", "UTF-8", false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const DecodedText decoded = DecodeText(c.bytes);
        EXPECT_EQ(decoded.encoding, (TextEncoding{c.encoding, c.bom}));
        if (!c.text.isEmpty()) {
            EXPECT_EQ(decoded.text, c.text);
        }
        EXPECT_EQ(EncodeText(decoded.text, decoded.encoding), c.bytes);
    }
}

TEST(TextEncoding, ABig5SecondByteNeverStartsATag)
{
    // 0xA4 0x5B is one Big5 character whose second byte is "[" in ASCII.
    const QByteArray bytes("<meta charset=big5>\xA4\x5BVarKit Title]");
    const DecodedText decoded = DecodeText(bytes);
    EXPECT_EQ(decoded.encoding, (TextEncoding{"Big5", false}));
    EXPECT_FALSE(decoded.text.contains(QStringLiteral("[VarKit")));
    EXPECT_EQ(EncodeText(decoded.text, decoded.encoding), bytes);
}

TEST(TextEncoding, ValuesAreWrittenInThePagesOwnEncoding)
{
    const QString value = QStringLiteral("Caf\u00E9 \u2013 \u20AC5 \U0001F600");
    // A UTF-8 page gets UTF-8 bytes, not windows-1252 ones.
    const DecodedText utf8 = DecodeText("<meta charset=\"utf-8\">");
    EXPECT_EQ(EncodeText(utf8.text + value, utf8.encoding),
              QByteArray("<meta charset=\"utf-8\">Caf\xC3\xA9 \xE2\x80\x93 \xE2\x82\xAC" "5 \xF0\x9F\x98\x80"));
    // What the page's encoding lacks becomes a reference; the rest is the encoding's own bytes.
    const DecodedText korean = DecodeText("<meta charset=\"euc-kr\">\xC7\xD1");
    EXPECT_EQ(EncodeText(korean.text + QStringLiteral("\uD55C\U0001F600\u0151"), korean.encoding),
              QByteArray("<meta charset=\"euc-kr\">\xC7\xD1\xC7\xD1&#128512;&#337;"));
    const DecodedText cyrillic = DecodeText("<meta charset=\"windows-1251\">");
    EXPECT_EQ(EncodeText(cyrillic.text + QStringLiteral("\u0416\u00E9"), cyrillic.encoding),
              QByteArray("<meta charset=\"windows-1251\">\xC6&#233;"));
    // A lone surrogate is held by no encoding, UTF-8 included.
    EXPECT_EQ(EncodeText(QString(QChar(u'\xDC00')) + QStringLiteral("x"), TextEncoding::Utf8), QByteArray("&#56320;x"));
    EXPECT_EQ(EncodeText(QStringLiteral("\u4E2D"), TextEncoding{"UTF-16LE", true}), QByteArray("\xFF\xFE\x2D\x4E", 4));
}

TEST(TextEncoding, AnyBytesComeBackTheSame)
{
    // Random bytes behind the declarations and byte order marks that pick each way of reading.
    const QList<QByteArray> heads = {
        {}, kUtf8Bom, QByteArray("\xFF\xFE", 2), QByteArray("\xFE\xFF", 2), "<meta charset=utf-8>",
        "<meta charset=euc-kr>", "<meta charset=shift_jis>", "<meta charset=big5>", "<meta charset=gb18030>",
        "<meta charset=koi8-r>", "<meta charset=iso-2022-jp>", "<meta charset=windows-1258>",
    };
    std::mt19937 random(16);
    for (int round = 0; round < 600; ++round) {
        QByteArray bytes = heads[round % heads.size()];
        const int length = static_cast<int>(random() % 40);
        for (int i = 0; i < length; ++i) {
            // Mostly bytes that form characters in the multi-byte encodings.
            const unsigned pick = random() % 4;
            bytes += static_cast<char>(pick == 0 ? random() % 128 : 0x80 + random() % 128);
        }
        const DecodedText decoded = DecodeText(bytes);
        ASSERT_EQ(EncodeText(decoded.text, decoded.encoding), bytes)
            << bytes.toHex().toStdString() << " read as " << decoded.encoding;
    }
}

TEST(HtmlCharset, ContentTypeValues)
{
    const QList<std::pair<QByteArray, const char*>> cases = {
        {"text/html; charset=utf-8", "UTF-8"},
        {"text/html;charset = \"latin1\" ", "windows-1252"},
        {"charsetx; charset=koi8-r;q=1", "KOI8-R"},
        {"text/html; charset='gbk", nullptr},
        {"text/html; charset=", nullptr},
        {"text/html", nullptr},
    };
    for (const auto& [content, expected] : cases) {
        SCOPED_TRACE(content.toStdString());
        const char* found = EncodingOfContentType(content);
        if (expected)
            EXPECT_STREQ(found, expected);
        else
            EXPECT_EQ(found, nullptr);
    }
}
