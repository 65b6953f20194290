// FetchKeywords on seeded random texts made mostly of tag characters, checked against a plain
// re-implementation of the scan loop that re-searches the whole upper-cased buffer after
// every character (the slow way the scanner's fast tail checks must agree with), and against
// invariants that hold for any input.
#include "platform/DiskFileOps.h"
#include "support/FakeScannerHost.h"
#include "platform/TextCodec.h"
#include "platform/TextFile.h"
#include "template/TagScanner.h"
#include "text/TextUtilities.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <random>

namespace {

DiskFileOps disk;

// ---- The reference scan ----------------------------------------------------------------

QString Upper(const QString& text)
{
    QString upper = text;
    for (QChar& c : upper)
        c = c.toUpper();
    return upper;
}

void ReferenceSplitAtEquals(const QString& body, Keyword& keyword)
{
    const qsizetype eq = body.indexOf(QLatin1Char('='));
    if (eq < 0) {
        keyword.prompt = body;
        return;
    }
    keyword.prompt = CleanedUp(body.left(eq));
    keyword.defaultText = CleanedUp(body.mid(eq + 1));
}

void ReferenceInline(const QString& buffer, Keyword& keyword)
{
    keyword.keyStyle = buffer.left(1);
    QString body = buffer.mid(1);
    body.remove(QLatin1Char(']'));
    if (body.isEmpty())
        return;
    if (keyword.keyStyle != QLatin1String("?")) {
        ReferenceSplitAtEquals(body, keyword);
        return;
    }
    const QString delimiters = QStringLiteral("= |:!#-~+=?^&%;");
    qsizetype at = 0;
    while (at < body.size() && !delimiters.contains(body[at]))
        ++at;
    keyword.globalVariable = body.left(at);
    if (at == body.size())
        return;
    if (body[at] == QLatin1Char('=')) {
        keyword.defaultText = CleanedUp(body.mid(at + 1));
        return;
    }
    keyword.keyStyle = QStringLiteral("?") + body[at];
    const QString rest = CleanedUp(body.mid(at + 1));
    if (rest.isEmpty())
        return;
    if (rest.startsWith(QLatin1Char('=')))
        keyword.defaultText = CleanedUp(rest.mid(1));
    else
        ReferenceSplitAtEquals(rest, keyword);
}

void ReferenceWrapper(const QString& buffer, Keyword& keyword)
{
    const qsizetype p = Upper(buffer).indexOf(QStringLiteral("<VARKIT"));
    if (p >= 0) {
        keyword.auctionText = buffer.left(p);
        keyword.prompt = buffer.mid(p + 7);
    } else {
        // The opener was read before an inline opener emptied the buffer; what the buffer
        // holds since then names the section and the text stays as it is.
        keyword.prompt = buffer;
    }
    const QString upper = Upper(keyword.prompt);
    if (upper.endsWith(QStringLiteral("=TRUE"))) {
        keyword.keyStyle = QStringLiteral("StartGroupOn");
        keyword.prompt.chop(5);
    } else if (upper.endsWith(QStringLiteral("=FALSE"))) {
        keyword.keyStyle = QStringLiteral("StartGroupOff");
        keyword.prompt.chop(6);
    } else {
        keyword.keyStyle = QStringLiteral("StartGroupOn");
    }
}

// One call of the scan. With cancelAfter > 0 the cancel request arrives while events run
// after the character at that position has been taken.
Keyword ReferenceFetch(const QString& text, qint64& startLoc, qint64 cancelAfter = 0)
{
    Keyword keyword;
    QString buffer;
    bool insideInline = false;
    bool insideWrapper = false;
    qint64 lastRead = startLoc;
    for (;;) {
        if (startLoc > text.size())
            return keyword;
        lastRead = startLoc;
        const QChar c = text[startLoc - 1];
        if (c == QLatin1Char(']') && insideInline) {
            ReferenceInline(buffer, keyword);
            break;
        }
        if (c == QLatin1Char('>') && insideWrapper) {
            insideWrapper = false;
            keyword.prompt.clear();
            keyword.defaultText.clear();
            ReferenceWrapper(buffer, keyword);
            break;
        }
        buffer += c;
        if (!insideInline)
            keyword.auctionText += c;
        const QString upper = Upper(buffer);
        if (upper.contains(QStringLiteral("[VARKIT"))) {
            insideInline = true;
            ReplaceAnyCase(keyword.auctionText, QStringLiteral("[VarKit"), QString());
            buffer.clear();
        } else if (upper.contains(QStringLiteral("<VARKIT"))) {
            insideWrapper = true;
        } else if (upper.contains(QStringLiteral("</VARKIT>"))) {
            ReplaceAnyCase(keyword.auctionText, QStringLiteral("</VarKit>"), QString());
            keyword.keyStyle = QStringLiteral("EndGroup");
            keyword.prompt.clear();
            keyword.defaultText.clear();
            break;
        }
        ++startLoc;
        if (cancelAfter > 0 && lastRead == cancelAfter)
            return keyword;
    }
    startLoc = lastRead + 1;
    return keyword;
}

struct ReferenceCall {
    Keyword keyword;
    qint64 startLocAfter = 0;
};

QList<ReferenceCall> ReferenceScan(const QString& text)
{
    QList<ReferenceCall> calls;
    qint64 startLoc = 1;
    while (startLoc <= text.size()) {
        ReferenceCall call;
        call.keyword = ReferenceFetch(text, startLoc);
        call.startLocAfter = startLoc;
        calls << call;
    }
    return calls;
}

// ---- Random texts ----------------------------------------------------------------------

class TagSoup {
public:
    explicit TagSoup(unsigned seed, bool beyondWindows1252 = false) : random_(seed), wide_(beyondWindows1252) {}

    QString Text(int maxPieces)
    {
        static const QStringList pieces = {
            QStringLiteral("[VarKit"), QStringLiteral("[varkit"), QStringLiteral("[VARKIT"), QStringLiteral("[vArKiT"),
            QStringLiteral("<varkit"), QStringLiteral("<VarKit"), QStringLiteral("</VARKIT>"), QStringLiteral("</varkit>"),
            QStringLiteral("[VarK"), QStringLiteral("Kit"), QStringLiteral("it"), QStringLiteral("[Var"),
            QStringLiteral("</Var"), QStringLiteral("<Var"), QStringLiteral("]"), QStringLiteral("]"),
            QStringLiteral(">"), QStringLiteral(">"), QStringLiteral("<"), QStringLiteral("/"), QStringLiteral("["),
            QStringLiteral("="), QStringLiteral("="), QStringLiteral("|"), QStringLiteral("?"), QStringLiteral("?"),
            QStringLiteral("^"), QStringLiteral(" "), QStringLiteral(" "), QStringLiteral("\t"), QStringLiteral("\r\n"),
            QStringLiteral("=true"), QStringLiteral("=FALSE"), QStringLiteral("=True"), QStringLiteral("=false"),
            QStringLiteral(":"), QStringLiteral("!"), QStringLiteral("#"), QStringLiteral("-"), QStringLiteral("~"),
            QStringLiteral("+"), QStringLiteral("&"), QStringLiteral("%"), QStringLiteral(";"), QStringLiteral("$"),
            QStringLiteral("a"), QStringLiteral("x"), QStringLiteral("Name"), QStringLiteral("<p>"),
            QStringLiteral("[VarKit?"), QStringLiteral("[VARKIT?"), QStringLiteral("[VarKit?n^"), QStringLiteral("[varkit?n="),
            QStringLiteral("[VarKit?n "), QStringLiteral("[VarKit]"), QStringLiteral("[VarKit "), QStringLiteral("<VarKit "),
            QString(QChar(u'\0')),
        };
        static const QStringList widePieces = {
            QStringLiteral("\u0131"), QStringLiteral("\u212A"), QStringLiteral("\u00DF"), QStringLiteral("\u4E2D"),
            QStringLiteral("\U0001F600"), QString(QChar(u'\xD83D')), QStringLiteral("[VARK\u0131T"),
            QStringLiteral("<Var\u212Ait"), QStringLiteral("\u0130"), QStringLiteral("\u017F"),
        };
        QString text;
        const int count = Below(maxPieces + 1);
        for (int i = 0; i < count; ++i) {
            const int kind = Below(10);
            if (kind < 7)
                text += pieces[Below(int(pieces.size()))];
            else if (kind < 9 || !wide_)
                text += Windows1252Char(static_cast<unsigned char>(Below(256)));
            else
                text += widePieces[Below(int(widePieces.size()))];
        }
        return text;
    }

    QByteArray Bytes(int size)
    {
        QByteArray bytes;
        while (bytes.size() < size) {
            if (Below(8) == 0)
                bytes += EncodeText(Text(3), TextEncoding::Windows1252);
            else
                bytes += static_cast<char>(Below(256));
        }
        return bytes.left(size);
    }

    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

private:
    std::mt19937 random_;
    bool wide_;
};

// ---- Checks ----------------------------------------------------------------------------

std::vector<std::string> DescribeReference(const QList<ReferenceCall>& calls)
{
    std::vector<std::string> lines;
    for (const ReferenceCall& call : calls)
        lines.push_back(Describe(call.keyword) + " @" + std::to_string(call.startLocAfter));
    return lines;
}

std::vector<std::string> DescribeWithPositions(const QList<ScanCall>& calls)
{
    std::vector<std::string> lines;
    for (const ScanCall& call : calls)
        lines.push_back(Describe(call.keyword) + " @" + std::to_string(call.startLocAfter));
    return lines;
}

// Scans the text to the end and checks what holds for any input; the scan's calls, for more.
testing::AssertionResult ScansLikeTheReference(const TemplateFile& file, QList<ScanCall>* scanned = nullptr)
{
    const QString& text = file.text();
    FakeScannerHost host;
    const QList<ScanCall> calls = ScanToEnd(file, host, int(text.size()) + 1);
    if (scanned)
        *scanned = calls;
    if (!file.AtEnd(calls.isEmpty() ? 1 : calls.last().startLocAfter))
        return testing::AssertionFailure() << "no end after " << calls.size() << " calls";
    if (!host.scripted.boxes.isEmpty())
        return testing::AssertionFailure() << "a box was shown: " << Escaped(host.scripted.boxes[0].text);
    qint64 previous = 1;
    for (const ScanCall& call : calls) {
        if (call.startLocBefore != previous || call.startLocAfter <= call.startLocBefore)
            return testing::AssertionFailure() << "position went from " << call.startLocBefore << " to "
                                               << call.startLocAfter;
        previous = call.startLocAfter;
        if (call.loadingAfter)
            return testing::AssertionFailure() << "TemplateLoading left set";
        const QString upper = Upper(call.keyword.auctionText);
        if (upper.contains(QStringLiteral("[VARKIT")) || upper.contains(QStringLiteral("</VARKIT>")))
            return testing::AssertionFailure() << "a tag keyword in the text: " << Escaped(call.keyword.auctionText);
    }
    if (!host.loadingWhileReading)
        return testing::AssertionFailure() << "a character was read with TemplateLoading clear";
    for (qsizetype i = 0; i < host.codeSizes.size(); ++i)
        if (host.codeSizes[i] < 1 || host.codeSizes[i] > text.size() || (i > 0 && host.codeSizes[i] <= host.codeSizes[i - 1]))
            return testing::AssertionFailure() << "code size " << host.codeSizes[i] << " out of order";

    const std::vector<std::string> expected = DescribeReference(ReferenceScan(text));
    const std::vector<std::string> actual = DescribeWithPositions(calls);
    if (expected != actual) {
        size_t i = 0;
        while (i < expected.size() && i < actual.size() && expected[i] == actual[i])
            ++i;
        return testing::AssertionFailure() << "call " << i << " differs:\n  expected "
                                           << (i < expected.size() ? expected[i] : "(none)") << "\n  actual   "
                                           << (i < actual.size() ? actual[i] : "(none)");
    }
    return testing::AssertionSuccess();
}

}  // namespace

TEST(TagScannerFuzz, AgreesWithTheReferenceOnWindows1252Texts)
{
    for (unsigned seed : {1u, 2u, 3u, 20240601u}) {
        TagSoup soup(seed);
        for (int i = 0; i < 1500; ++i) {
            const QString text = soup.Text(60);
            ASSERT_TRUE(ScansLikeTheReference(TemplateFile::FromText(text)))
                << "seed " << seed << " #" << i << ": " << Escaped(text);
        }
    }
}

TEST(TagScannerFuzz, AgreesWithTheReferenceBeyondWindows1252)
{
    // Dotless i, Kelvin sign, sharp s, CJK, surrogate pairs and a lone surrogate: keyword
    // matching follows upper-casing character by character.
    for (unsigned seed : {7u, 8u}) {
        TagSoup soup(seed, true);
        for (int i = 0; i < 1500; ++i) {
            const QString text = soup.Text(60);
            ASSERT_TRUE(ScansLikeTheReference(TemplateFile::FromText(text, TextEncoding::Utf8)))
                << "seed " << seed << " #" << i << ": " << Escaped(text);
        }
    }
}

TEST(TagScannerFuzz, LongTextsWithFewTags)
{
    // Long stretches between tags keep the buffer large, where a whole-buffer search and a
    // tail check could part ways.
    TagSoup soup(99);
    for (int i = 0; i < 40; ++i) {
        QString text;
        for (int part = 0; part < 6; ++part) {
            text += QString(soup.Below(300), QLatin1Char('v'));
            text += soup.Text(8);
        }
        ASSERT_TRUE(ScansLikeTheReference(TemplateFile::FromText(text))) << "#" << i << ": " << Escaped(text);
    }
}

TEST(TagScannerFuzz, BinaryFilesFromDisk)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("binary.tpl"));
    TagSoup soup(4242);
    for (int i = 0; i < 30; ++i) {
        const QByteArray bytes = soup.Bytes(1 + soup.Below(3000));
        WriteFileBytes(disk, path, bytes);
        const TemplateFile file = TemplateFile::Open(disk, path);
        ASSERT_EQ(file.byteSize(), bytes.size());
        ASSERT_TRUE(ScansLikeTheReference(file)) << "#" << i;
    }
}

TEST(TagScannerFuzz, CancelAnywhereStopsLikeTheReference)
{
    TagSoup soup(31337);
    for (int i = 0; i < 1500; ++i) {
        const QString text = soup.Text(40);
        if (text.isEmpty())
            continue;
        SCOPED_TRACE(Escaped(text));
        const TemplateFile file = TemplateFile::FromText(text);
        QList<ScanCall> full;
        ASSERT_TRUE(ScansLikeTheReference(file, &full));

        FakeScannerHost host;
        host.cancelAfterChars = 1 + soup.Below(int(text.size()));
        const QList<ScanCall> calls = ScanToEnd(file, host);
        ASSERT_FALSE(calls.isEmpty());
        EXPECT_FALSE(host.templateLoading);
        // Every call before the cancelled one is the same as without a cancel.
        const qsizetype whole = host.cancel ? calls.size() - 1 : calls.size();
        ASSERT_LE(whole, full.size());
        for (qsizetype c = 0; c < whole; ++c) {
            ASSERT_EQ(Describe(calls[c].keyword), Describe(full[c].keyword)) << "call " << c;
            ASSERT_EQ(calls[c].startLocAfter, full[c].startLocAfter) << "call " << c;
        }
        if (!host.cancel) {
            EXPECT_EQ(calls.size(), full.size());
            continue;
        }
        // The cancelled call stops right after the character it last showed.
        const ScanCall& last = calls.last();
        ASSERT_FALSE(host.codeSizes.isEmpty());
        qint64 startLoc = last.startLocBefore;
        const Keyword expected = ReferenceFetch(text, startLoc, host.codeSizes.last());
        EXPECT_EQ(Describe(last.keyword), Describe(expected));
        EXPECT_EQ(last.startLocAfter, startLoc);
        EXPECT_EQ(last.startLocAfter, host.codeSizes.last() + 1);
    }
}

TEST(TagScannerFuzz, TextPiecesCanStillJoinIntoAnOpener)
{
    // Each piece of text is free of tag keywords, but the scanner never looks across a tag:
    // a keyword split by a tag comes back as two pieces that join into it.
    const QList<Keyword> keywords = KeywordsOf(QStringLiteral("[Var</VarKit>Kit x]"));
    ASSERT_EQ(keywords.size(), 2);
    EXPECT_EQ(keywords[0].keyStyle, QStringLiteral("EndGroup"));
    EXPECT_EQ(keywords[0].auctionText + keywords[1].auctionText, QStringLiteral("[VarKit x]"));
}
