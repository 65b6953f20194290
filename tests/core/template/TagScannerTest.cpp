// FetchKeywords on hand-written templates: the tag forms, the splitting of bodies, positions,
// the text between tags, the window state it touches, cancelling and the 64K limit.
#include "platform/DiskFileOps.h"
#include "support/FakeScannerHost.h"
#include "platform/TextFile.h"
#include "template/TagScanner.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

DiskFileOps disk;

const QString kDelimiters = QStringLiteral("= |:!#-~+?^&%;");

// The single keyword of a text that holds one tag and nothing after it.
Keyword OnlyKeyword(const QString& text)
{
    const QList<Keyword> keywords = KeywordsOf(text);
    EXPECT_EQ(keywords.size(), 1) << Escaped(text);
    return keywords.value(0);
}

void ExpectValues(const QString& tag, const QString& keyStyle, const QString& prompt, const QString& defaultText,
                  const QString& globalVariable = QString())
{
    SCOPED_TRACE(Escaped(tag));
    const Keyword keyword = OnlyKeyword(tag);
    EXPECT_EQ(Describe(keyword), Describe(MakeKeyword(keyStyle, prompt, defaultText, globalVariable)));
}

}  // namespace

TEST(TagScannerInline, KeywordMatchesInAnyCase)
{
    for (const char* keyword : {"VarKit", "varkit", "VARKIT", "vArKiT", "Varkit"}) {
        const QString tag = QStringLiteral("[") + QLatin1String(keyword) + QStringLiteral(" Title=My Auction]");
        ExpectValues(tag, QStringLiteral(" "), QStringLiteral("Title"), QStringLiteral("My Auction"));
    }
}

TEST(TagScannerInline, BodySplitsAtTheFirstEqualsAndTrimsBothSides)
{
    ExpectValues(QStringLiteral("[VarKit Link=a=b]"), QStringLiteral(" "), QStringLiteral("Link"), QStringLiteral("a=b"));
    ExpectValues(QStringLiteral("[VarKit \t Title \r\n=\t My Auction \r\n]"), QStringLiteral(" "),
                 QStringLiteral("Title"), QStringLiteral("My Auction"));
    // Only blanks, tabs and line breaks are trimmed; inner blanks stay.
    ExpectValues(QStringLiteral("[VarKit  Item  name = two  words ]"), QStringLiteral(" "), QStringLiteral("Item  name"),
                 QStringLiteral("two  words"));
    ExpectValues(QStringLiteral("[VarKit =value]"), QStringLiteral(" "), QString(), QStringLiteral("value"));
    ExpectValues(QStringLiteral("[VarKit Name=]"), QStringLiteral(" "), QStringLiteral("Name"), QString());
}

TEST(TagScannerInline, BodyWithoutEqualsIsThePromptUntrimmed)
{
    ExpectValues(QStringLiteral("[VarKit  Name \t]"), QStringLiteral(" "), QStringLiteral(" Name \t"), QString());
    ExpectValues(QStringLiteral("[VarKit!\r\nHeading\r\n]"), QStringLiteral("!"), QStringLiteral("\r\nHeading\r\n"), QString());
}

TEST(TagScannerInline, EmptyBodies)
{
    ExpectValues(QStringLiteral("[VarKit ]"), QStringLiteral(" "), QString(), QString());
    ExpectValues(QStringLiteral("[VarKit = ]"), QStringLiteral(" "), QString(), QString());
    ExpectValues(QStringLiteral("[VarKit!]"), QStringLiteral("!"), QString(), QString());

    // Nothing after the keyword: an empty style, and no failure.
    FakeScannerHost host;
    const QList<ScanCall> calls = ScanToEnd(QStringLiteral("a[VarKit]b"), host);
    ASSERT_EQ(calls.size(), 2);
    EXPECT_EQ(Describe(calls[0].keyword), Describe(MakeKeyword(QString(), {}, {}, {}, QStringLiteral("a"))));
    EXPECT_TRUE(calls[0].keyword.keyStyle.isEmpty());
    EXPECT_EQ(Describe(calls[1].keyword), Describe(MakeKeyword(QStringLiteral(" "), {}, {}, {}, QStringLiteral("b"))));
    EXPECT_TRUE(host.scripted.boxes.isEmpty());
}

TEST(TagScannerInline, StyleCharacterIsCarriedUnchanged)
{
    // Only "?" has a meaning to the scanner; every other style splits at "=".
    for (const char* style : {"!", ":", "#", "+", "-", "~", "$", "^", "&", "%", "(", "*", "|", "=", "[", "\t"}) {
        const QString s = QLatin1String(style);
        ExpectValues(QStringLiteral("[VarKit") + s + QStringLiteral("Shade=a|b]"), s, QStringLiteral("Shade"),
                     QStringLiteral("a|b"));
    }
    // A style "=" is the style, not the split: the body is what follows it.
    ExpectValues(QStringLiteral("[VarKit=Name]"), QStringLiteral("="), QStringLiteral("Name"), QString());
}

TEST(TagScannerGlobal, TheForms)
{
    ExpectValues(QStringLiteral("[VarKit?total]"), QStringLiteral("?"), QString(), QString(), QStringLiteral("total"));
    ExpectValues(QStringLiteral("[VarKit?total=5]"), QStringLiteral("?"), QString(), QStringLiteral("5"), QStringLiteral("total"));
    ExpectValues(QStringLiteral("[VarKit?total=\t 5 = 6 \r\n]"), QStringLiteral("?"), QString(), QStringLiteral("5 = 6"),
                 QStringLiteral("total"));
    ExpectValues(QStringLiteral("[VarKit?x^Shade=red]"), QStringLiteral("?^"), QStringLiteral("Shade"), QStringLiteral("red"),
                 QStringLiteral("x"));
    // The rest after the delimiter is trimmed first: a leading "=" gives only a default text.
    ExpectValues(QStringLiteral("[VarKit?x^ = red ]"), QStringLiteral("?^"), QString(), QStringLiteral("red"), QStringLiteral("x"));
    ExpectValues(QStringLiteral("[VarKit?x^=red=blue]"), QStringLiteral("?^"), QString(), QStringLiteral("red=blue"),
                 QStringLiteral("x"));
    // A rest without "=" is the prompt, trimmed.
    ExpectValues(QStringLiteral("[VarKit?x^ Shade ]"), QStringLiteral("?^"), QStringLiteral("Shade"), QString(), QStringLiteral("x"));
    // A rest of layout characters only leaves both empty.
    ExpectValues(QStringLiteral("[VarKit?x^ \t\r\n]"), QStringLiteral("?^"), QString(), QString(), QStringLiteral("x"));
    ExpectValues(QStringLiteral("[VarKit?x^]"), QStringLiteral("?^"), QString(), QString(), QStringLiteral("x"));
    ExpectValues(QStringLiteral("[VarKit?]"), QStringLiteral("?"), QString(), QString(), QString());
}

TEST(TagScannerGlobal, NameIsNotTrimmed)
{
    // A blank is a delimiter, so a blank straight after "?" gives an empty name and style "? ".
    ExpectValues(QStringLiteral("[VarKit? total=5]"), QStringLiteral("? "), QStringLiteral("total"), QStringLiteral("5"), QString());
    // Tabs and line breaks are not delimiters: they stay in the name.
    ExpectValues(QStringLiteral("[VarKit?\tname\r\n=5]"), QStringLiteral("?"), QString(), QStringLiteral("5"),
                 QStringLiteral("\tname\r\n"));
}

TEST(TagScannerGlobal, EveryDelimiterSplitsAndJoinsTheStyle)
{
    for (QChar d : kDelimiters) {
        const QString tag = QStringLiteral("[VarKit?ab") + d + QStringLiteral("c=d]");
        if (d == QLatin1Char('='))
            ExpectValues(tag, QStringLiteral("?"), QString(), QStringLiteral("c=d"), QStringLiteral("ab"));
        else
            ExpectValues(tag, QStringLiteral("?") + d, QStringLiteral("c"), QStringLiteral("d"), QStringLiteral("ab"));
    }
}

TEST(TagScannerGlobal, OnlyTheFirstDelimiterCounts)
{
    // Each delimiter ahead of another one wins, whatever their order in the delimiter set.
    for (QChar first : kDelimiters) {
        for (QChar second : kDelimiters) {
            if (first == QLatin1Char('=') || second == QLatin1Char('='))
                continue;
            const QString tag = QStringLiteral("[VarKit?n") + first + QStringLiteral("p") + second + QStringLiteral("q]");
            ExpectValues(tag, QStringLiteral("?") + first, QStringLiteral("p") + second + QStringLiteral("q"), QString(),
                         QStringLiteral("n"));
        }
    }
}

TEST(TagScannerGlobal, OtherCharactersBelongToTheName)
{
    for (const char* c : {".", ",", "_", "@", "/", "*", "$", "(", ")", "'", "\"", "{", "}", "\\", "<", "[", "\t", "\r", "\n", "0"}) {
        const QString name = QStringLiteral("a") + QLatin1String(c) + QStringLiteral("b");
        ExpectValues(QStringLiteral("[VarKit?") + name + QStringLiteral("]"), QStringLiteral("?"), QString(), QString(), name);
    }
    // Characters beyond ASCII never delimit either.
    const QString name = QStringLiteral("pr\u00E9\u20ACx\u00A0y");
    ExpectValues(QStringLiteral("[VarKit?") + name + QStringLiteral("=1]"), QStringLiteral("?"), QString(), QStringLiteral("1"), name);
}

TEST(TagScannerWrapper, SuffixesInAnyCase)
{
    for (const char* suffix : {"=true", "=True", "=TRUE", "=tRuE"})
        ExpectValues(QStringLiteral("<VarKit Shipping") + QLatin1String(suffix) + QStringLiteral(">"),
                     QStringLiteral("StartGroupOn"), QStringLiteral(" Shipping"), QString());
    for (const char* suffix : {"=false", "=False", "=FALSE", "=fAlSe"})
        ExpectValues(QStringLiteral("<VarKit Shipping") + QLatin1String(suffix) + QStringLiteral(">"),
                     QStringLiteral("StartGroupOff"), QStringLiteral(" Shipping"), QString());
}

TEST(TagScannerWrapper, NameKeepsWhatIsNotASuffix)
{
    ExpectValues(QStringLiteral("<VarKit Shipping>"), QStringLiteral("StartGroupOn"), QStringLiteral(" Shipping"), QString());
    ExpectValues(QStringLiteral("<varkit  Two words >"), QStringLiteral("StartGroupOn"), QStringLiteral("  Two words "), QString());
    ExpectValues(QStringLiteral("<VARKIT Gift=maybe>"), QStringLiteral("StartGroupOn"), QStringLiteral(" Gift=maybe"), QString());
    // The suffix must end the name: a blank after it keeps it in the name.
    ExpectValues(QStringLiteral("<VarKit Gift=false >"), QStringLiteral("StartGroupOn"), QStringLiteral(" Gift=false "), QString());
    ExpectValues(QStringLiteral("<VarKit=TRUE>"), QStringLiteral("StartGroupOn"), QString(), QString());
    ExpectValues(QStringLiteral("<VarKit>"), QStringLiteral("StartGroupOn"), QString(), QString());
    // Only the last suffix is cut off.
    ExpectValues(QStringLiteral("<VarKit a=true=false>"), QStringLiteral("StartGroupOff"), QStringLiteral(" a=true"), QString());
    // The name is never split at "=".
    const Keyword keyword = OnlyKeyword(QStringLiteral("<VarKit a=b=true>"));
    EXPECT_EQ(keyword.prompt, QStringLiteral(" a=b"));
    EXPECT_TRUE(keyword.defaultText.isEmpty());
}

TEST(TagScannerWrapper, SectionOfTagsAndItsClose)
{
    const QString text = QStringLiteral("<p>Intro</p>\r\n<VarKit Gift=false><b>[VarKit Note=Wrapped]</b></varkit>end");
    EXPECT_EQ(Describe(KeywordsOf(text)),
              Describe(QList<Keyword>{
                  MakeKeyword(QStringLiteral("StartGroupOff"), QStringLiteral(" Gift"), {}, {}, QStringLiteral("<p>Intro</p>\r\n")),
                  MakeKeyword(QStringLiteral(" "), QStringLiteral("Note"), QStringLiteral("Wrapped"), {}, QStringLiteral("<b>")),
                  MakeKeyword(QStringLiteral("EndGroup"), {}, {}, {}, QStringLiteral("</b>")),
                  MakeKeyword(QStringLiteral(" "), {}, {}, {}, QStringLiteral("end")),
              }));
    for (const char* closer : {"</VarKit>", "</VARKIT>", "</varkit>", "</vArKIT>"}) {
        const QString closeText = QStringLiteral("before ") + QLatin1String(closer) + QStringLiteral(" after");
        EXPECT_EQ(Describe(KeywordsOf(closeText)),
                  Describe(QList<Keyword>{MakeKeyword(QStringLiteral("EndGroup"), {}, {}, {}, QStringLiteral("before ")),
                                          MakeKeyword(QStringLiteral(" "), {}, {}, {}, QStringLiteral(" after"))}))
            << closer;
    }
}

TEST(TagScannerText, BracketsOutsideTagsAreText)
{
    const QString before = QStringLiteral("a] b > c ]> <b>bold</b> [x] <VarKi ");
    const QList<Keyword> keywords = KeywordsOf(before + QStringLiteral("[VarKit Name]") + QStringLiteral("] >"));
    ASSERT_EQ(keywords.size(), 2);
    EXPECT_EQ(keywords[0].auctionText, before);
    EXPECT_EQ(keywords[0].prompt, QStringLiteral("Name"));
    EXPECT_EQ(keywords[1].auctionText, QStringLiteral("] >"));
}

TEST(TagScannerText, EndOfFileGivesTheTrailingText)
{
    const QString trailing = QStringLiteral("\r\n<p>Thanks for looking!</p>\r\n");
    const QList<Keyword> keywords = KeywordsOf(QStringLiteral("[VarKit Price=5]") + trailing);
    ASSERT_EQ(keywords.size(), 2);
    EXPECT_EQ(Describe(keywords[1]), Describe(MakeKeyword(QStringLiteral(" "), {}, {}, {}, trailing)));

    // A text of blanks and line breaks only is one trailing text.
    const QString blanks = QStringLiteral("  \r\n\t \r\n\r\n ");
    EXPECT_EQ(Describe(KeywordsOf(blanks)), Describe(QList<Keyword>{MakeKeyword(QStringLiteral(" "), {}, {}, {}, blanks)}));

    // An empty template gives no call at all; a call at the end returns at once, all values reset.
    EXPECT_TRUE(KeywordsOf(QString()).isEmpty());
    const TemplateFile file = TemplateFile::FromText(QStringLiteral("abc"));
    FakeScannerHost host;
    qint64 startLoc = 4;
    Keyword keyword = MakeKeyword(QStringLiteral("!"), QStringLiteral("p"), QStringLiteral("d"), QStringLiteral("g"), QStringLiteral("a"));
    FetchKeywords(file, startLoc, keyword, host);
    EXPECT_EQ(startLoc, 4);
    EXPECT_EQ(Describe(keyword), Describe(MakeKeyword(QStringLiteral(" "))));
    EXPECT_FALSE(host.templateLoading);
    EXPECT_TRUE(host.codeSizes.isEmpty());
}

TEST(TagScannerText, UnclosedTags)
{
    // An inline tag that never closes is dropped with its content.
    EXPECT_EQ(Describe(KeywordsOf(QStringLiteral("before [VarKit Name=value and more\r\n<p>x</p>"))),
              Describe(QList<Keyword>{MakeKeyword(QStringLiteral(" "), {}, {}, {}, QStringLiteral("before "))}));
    // An unclosed wrapper opener stays in the text.
    const QString text = QStringLiteral("text <VarKit Shipping=true and no end");
    EXPECT_EQ(Describe(KeywordsOf(text)), Describe(QList<Keyword>{MakeKeyword(QStringLiteral(" "), {}, {}, {}, text)}));
    // A partial keyword is plain text.
    const QString partial = QStringLiteral("[VarKi x] [Var Kit] </VarKit <VarKi>");
    EXPECT_EQ(Describe(KeywordsOf(partial)), Describe(QList<Keyword>{MakeKeyword(QStringLiteral(" "), {}, {}, {}, partial)}));
}

TEST(TagScannerText, AnOpenerInsideATagStartsItAfresh)
{
    EXPECT_EQ(Describe(KeywordsOf(QStringLiteral("a[VarKit lost [VarKit!Kept=1]b"))),
              Describe(QList<Keyword>{MakeKeyword(QStringLiteral("!"), QStringLiteral("Kept"), QStringLiteral("1"), {}, QStringLiteral("a")),
                                      MakeKeyword(QStringLiteral(" "), {}, {}, {}, QStringLiteral("b"))}));
    // An opener that a removed opener splits stays out of the text too ("[Var" + "Kit" is not rejoined).
    EXPECT_EQ(KeywordsOf(QStringLiteral("[Var[VarKit x]Kit")).value(0).auctionText, QStringLiteral("[Var"));
}

TEST(TagScannerText, NulAndHighCharacters)
{
    const QString nul(QChar(u'\0'));
    const QString text = QStringLiteral("a") + nul + QStringLiteral("b[VarKit x") + nul + QStringLiteral("y=1") + nul
        + QStringLiteral("]") + nul;
    EXPECT_EQ(Describe(KeywordsOf(text)),
              Describe(QList<Keyword>{
                  MakeKeyword(QStringLiteral(" "), QStringLiteral("x") + nul + QStringLiteral("y"), QStringLiteral("1") + nul, {},
                              QStringLiteral("a") + nul + QStringLiteral("b")),
                  MakeKeyword(QStringLiteral(" "), {}, {}, {}, nul)}));

    // A windows-1252 file read from disk: every byte is one character.
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("prix.tpl"));
    WriteFileBytes(disk, path, QByteArray("Prix \x80[VarKit Prix=10 \x80 \xE9t\xE9]\xFF", 29));
    const TemplateFile file = TemplateFile::Open(disk, path);
    FakeScannerHost host;
    const QList<ScanCall> calls = ScanToEnd(file, host);
    ASSERT_EQ(calls.size(), 2);
    EXPECT_EQ(Describe(calls[0].keyword), Describe(MakeKeyword(QStringLiteral(" "), QStringLiteral("Prix"),
                                                               QStringLiteral("10 \u20AC \u00E9t\u00E9"), {},
                                                               QStringLiteral("Prix \u20AC"))));
    EXPECT_EQ(calls[0].startLocAfter, 29);  // the byte after "]"
    EXPECT_EQ(calls[1].keyword.auctionText, QStringLiteral("\u00FF"));
}

TEST(TagScannerText, KeywordCaseFollowsUpperCasing)
{
    // The keyword is recognised in the upper-cased text: a dotless i upper-cases to "I", while
    // the Kelvin sign stays itself (it only folds to "k").
    ExpectValues(QStringLiteral("[VARK\u0131T Name=1]"), QStringLiteral(" "), QStringLiteral("Name"), QStringLiteral("1"));
    ExpectValues(QStringLiteral("<vark\u0131t Box=false>"), QStringLiteral("StartGroupOff"), QStringLiteral(" Box"), QString());
    const QString kelvin = QStringLiteral("[Var\u212Ait Name=1] <Var\u212Ait x> </Var\u212Ait>");
    EXPECT_EQ(Describe(KeywordsOf(kelvin)), Describe(QList<Keyword>{MakeKeyword(QStringLiteral(" "), {}, {}, {}, kelvin)}));
    // Upper-casing is per character: a sharp s before a wrapper does not shift its name.
    const Keyword keyword = OnlyKeyword(QStringLiteral("Stra\u00DFe<VarKit Box>"));
    EXPECT_EQ(keyword.auctionText, QStringLiteral("Stra\u00DFe"));
    EXPECT_EQ(keyword.prompt, QStringLiteral(" Box"));
}

TEST(TagScannerPositions, StartLocAndTextOfEachCall)
{
    const QStringList pieces = {QStringLiteral("ab"), QStringLiteral("[VarKit x=1]"), QStringLiteral("cd\r\n"),
                                QStringLiteral("<VarKit g=TRUE>"), QStringLiteral("e>f]"), QStringLiteral("</VarKit>"),
                                QStringLiteral("gh"), QStringLiteral("[VarKit?v]"), QStringLiteral("[varkit!T]"),
                                QStringLiteral("tail")};
    const QString text = pieces.join(QString());
    // For each call: the piece that ends it, the text before its tag, its style.
    const QList<int> lastPiece = {1, 3, 5, 7, 8, 9};
    const QStringList expectedText = {pieces[0], pieces[2], pieces[4], pieces[6], QString(), pieces[9]};
    const QStringList expectedStyle = {QStringLiteral(" "), QStringLiteral("StartGroupOn"), QStringLiteral("EndGroup"),
                                       QStringLiteral("?"), QStringLiteral("!"), QStringLiteral(" ")};
    FakeScannerHost host;
    const QList<ScanCall> calls = ScanToEnd(text, host);
    ASSERT_EQ(calls.size(), lastPiece.size());
    qint64 start = 1;
    for (int i = 0; i < calls.size(); ++i) {
        SCOPED_TRACE(i);
        qint64 end = 0;
        for (int p = 0; p <= lastPiece[i]; ++p)
            end += pieces[p].size();
        EXPECT_EQ(calls[i].startLocBefore, start);
        // Each call ends right after its tag's closing character.
        EXPECT_EQ(calls[i].startLocAfter, end + 1);
        EXPECT_EQ(calls[i].keyword.auctionText, expectedText[i]);
        EXPECT_EQ(calls[i].keyword.keyStyle, expectedStyle[i]);
        EXPECT_FALSE(calls[i].loadingAfter);
        start = end + 1;
    }
    EXPECT_EQ(start, text.size() + 1);
}

TEST(TagScannerHostState, CodeSizeLoadingFlagAndEventRuns)
{
    const QString text = QStringLiteral("ab[VarKit x]cd");
    FakeScannerHost host;
    const QList<ScanCall> calls = ScanToEnd(text, host);
    ASSERT_EQ(calls.size(), 2);
    // Every character but the tag's closing "]" is shown as it is read.
    QList<qint64> expected;
    for (qint64 p = 1; p <= text.size(); ++p)
        if (p != text.indexOf(QLatin1Char(']')) + 1)
            expected << p;
    EXPECT_EQ(host.codeSizes, expected);
    EXPECT_EQ(host.charEventRuns, expected.size());
    EXPECT_TRUE(host.loadingWhileReading);
    // Set on entry and cleared on every exit.
    EXPECT_EQ(host.loadingChanges, (QList<bool>{true, false, true, false}));
    // Events run once after the tag; the call that reaches the end returns without it.
    EXPECT_EQ(host.tagEventRuns, 1);
}

TEST(TagScannerCancel, StopsWhereTheRequestCameAndClearsLoading)
{
    const QString text = QStringLiteral("abcdef[VarKit x=1]gh");
    const qsizetype openerEnd = text.indexOf(QLatin1Char('[')) + 7;  // characters read once "[VarKit" is complete
    const qsizetype close = text.indexOf(QLatin1Char(']'));
    for (int n = 1; n <= close; ++n) {
        SCOPED_TRACE(n);
        FakeScannerHost host;
        host.cancelAfterChars = n;
        const QList<ScanCall> calls = ScanToEnd(text, host);
        ASSERT_EQ(calls.size(), 1);
        const ScanCall& call = calls[0];
        // The request came while events ran after character n: the scan stops after it, with
        // the text read so far (the opener taken out once it is complete) and no tag.
        EXPECT_EQ(call.startLocAfter, n + 1);
        EXPECT_EQ(call.keyword.auctionText, n < openerEnd ? text.left(n) : text.left(openerEnd - 7));
        EXPECT_EQ(call.keyword.keyStyle, QStringLiteral(" "));
        EXPECT_TRUE(call.keyword.prompt.isEmpty());
        EXPECT_TRUE(call.keyword.defaultText.isEmpty());
        EXPECT_FALSE(host.templateLoading);
        EXPECT_EQ(host.loadingChanges, (QList<bool>{true, false}));
        EXPECT_TRUE(host.scripted.boxes.isEmpty());
    }
}

TEST(TagScannerCancel, PendingRequestReadsNothing)
{
    const TemplateFile file = TemplateFile::FromText(QStringLiteral("abc[VarKit x]"));
    FakeScannerHost host;
    host.cancel = true;
    qint64 startLoc = 2;
    Keyword keyword;
    FetchKeywords(file, startLoc, keyword, host);
    EXPECT_EQ(startLoc, 2);
    EXPECT_TRUE(keyword.auctionText.isEmpty());
    EXPECT_TRUE(host.codeSizes.isEmpty());
    EXPECT_FALSE(host.templateLoading);

    // Once the request is withdrawn the scan goes on from the same place.
    host.cancel = false;
    FetchKeywords(file, startLoc, keyword, host);
    EXPECT_EQ(keyword.auctionText, QStringLiteral("bc"));
    EXPECT_EQ(keyword.prompt, QStringLiteral("x"));
    EXPECT_EQ(startLoc, 14);
}

namespace {

// A template of exactly `bytes` windows-1252 bytes that holds some tags.
QString TemplateOfSize(qint64 bytes)
{
    const QString head = QStringLiteral("<html>[VarKit Title=Big]<VarKit Box=false>[VarKit!Note]</VarKit>");
    const QString tail = QStringLiteral("[VarKit Last=1]</html>");
    QString text = head;
    while (text.size() + tail.size() < bytes)
        text += QStringLiteral("<p>filler text \xE9</p>\r\n").left(bytes - tail.size() - text.size());
    return text + tail;
}

const QString kOverflowReport = QStringLiteral(
    "Error 6: Overflow\r\nLocation = Read Next File Byte\r\n\r\n"
    "The template exceeds the 64K size limit.\r\n"
    "Remove unnecessary code or comments, or \r\n"
    "place static sections of code in a separate file\r\n"
    "that can be inserted using the 'include' VarKit.");

}  // namespace

TEST(TagScannerSizeLimit, ExactlyTheLimitScansToTheEnd)
{
    const QString text = TemplateOfSize(TemplateFile::kSizeLimit);
    const TemplateFile file = TemplateFile::FromText(text);
    ASSERT_EQ(file.templateBytes(), 65536);
    FakeScannerHost host;
    const QList<ScanCall> calls = ScanToEnd(file, host);
    EXPECT_TRUE(host.scripted.boxes.isEmpty());
    ASSERT_EQ(calls.size(), 6);
    EXPECT_EQ(calls[4].keyword.prompt, QStringLiteral("Last"));
    EXPECT_EQ(calls[5].keyword.auctionText, QStringLiteral("</html>"));
    EXPECT_EQ(calls[5].startLocAfter, 65537);
}

TEST(TagScannerSizeLimit, OneByteMoreIsReportedOnce)
{
    const TemplateFile file = TemplateFile::FromText(TemplateOfSize(TemplateFile::kSizeLimit + 1));
    ASSERT_EQ(file.templateBytes(), 65537);
    FakeScannerHost host;
    const QList<ScanCall> calls = ScanToEnd(file, host);
    ASSERT_EQ(calls.size(), 1);
    EXPECT_EQ(calls[0].keyword.prompt, QStringLiteral("!ERROR!"));
    EXPECT_FALSE(calls[0].loadingAfter);
    EXPECT_FALSE(host.templateLoading);
    ASSERT_EQ(host.scripted.boxes.size(), 1);
    const RecordedBox& box = host.scripted.boxes[0];
    EXPECT_EQ(box.title, QStringLiteral("Extract from Template"));
    EXPECT_EQ(box.text, kOverflowReport);
    EXPECT_EQ(box.buttons, MsgButtons::Ok);
    EXPECT_EQ(box.icon, MsgIcon::Exclamation);
}

TEST(TagScannerSizeLimit, CountsTheTemplatesBytesFromDisk)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("work.tmp"));

    // The import appends a line break to the markup; those two bytes are not the template's.
    WriteTextFile(disk, path, TemplateOfSize(TemplateFile::kSizeLimit) + QStringLiteral("\r\n"), TextEncoding::Windows1252);
    const TemplateFile fits = TemplateFile::Open(disk, path, 2);
    ASSERT_EQ(fits.byteSize(), 65538);
    FakeScannerHost fitsHost;
    ScanToEnd(fits, fitsHost);
    EXPECT_TRUE(fitsHost.scripted.boxes.isEmpty());

    WriteTextFile(disk, path, TemplateOfSize(TemplateFile::kSizeLimit + 1) + QStringLiteral("\r\n"), TextEncoding::Windows1252);
    const TemplateFile tooBig = TemplateFile::Open(disk, path, 2);
    FakeScannerHost tooBigHost;
    ScanToEnd(tooBig, tooBigHost);
    ASSERT_EQ(tooBigHost.scripted.boxes.size(), 1);
    EXPECT_EQ(tooBigHost.scripted.boxes[0].text, kOverflowReport);

    // A UTF-8 template counts its encoded bytes, not its characters.
    const QString utf8 = QStringLiteral("[VarKit Name=\u4E2D]") + QString(22000, QChar(u'\u4E2D'));
    WriteTextFile(disk, path, utf8, TextEncoding::Utf8);
    const TemplateFile wide = TemplateFile::Open(disk, path);
    ASSERT_GT(wide.byteSize(), TemplateFile::kSizeLimit);
    ASSERT_LE(wide.byteSize(), TemplateFile::kSizeLimit + 1);  // nothing beyond the limit is read
    FakeScannerHost wideHost;
    const QList<ScanCall> calls = ScanToEnd(wide, wideHost);
    ASSERT_EQ(calls.size(), 1);
    EXPECT_EQ(calls[0].keyword.prompt, QStringLiteral("!ERROR!"));
    EXPECT_EQ(wideHost.scripted.CountTitled(QStringLiteral("Extract from Template")), 1);
}
