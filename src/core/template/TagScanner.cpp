#include "TagScanner.h"

#include "platform/AppError.h"
#include "text/TextUtilities.h"

namespace {

// Tag keywords, upper-cased; letter case is compared through UpperCased, as ReplaceAnyCase does.
constexpr QStringView kInlineOpener = u"[VARKIT";
constexpr QStringView kWrapperOpener = u"<VARKIT";
constexpr QStringView kWrapperCloser = u"</VARKIT>";
const QString kGlobalDelimiters = QStringLiteral("= |:!#-~+=?^&%;");

// Whether text[from, end) ends in the keyword.
bool SliceEndsWith(QStringView text, qsizetype from, qsizetype end, QStringView keyword)
{
    return end - from >= keyword.size() && EndsWithAnyCase(text.sliced(from, end - from), keyword);
}

// A body split at its first "=": the trimmed prompt and default; no "=" keeps the body whole.
void SplitAtEquals(const QString& body, Keyword& keyword)
{
    const qsizetype eq = body.indexOf(QLatin1Char('='));
    if (eq < 0) {
        keyword.prompt = body;
        return;
    }
    keyword.prompt = CleanedUp(body.left(eq));
    keyword.defaultText = CleanedUp(body.mid(eq + 1));
}

void SplitGlobalBody(const QString& body, Keyword& keyword)
{
    qsizetype at = -1;
    for (qsizetype i = 0; i < body.size(); ++i) {
        if (kGlobalDelimiters.contains(body[i])) {
            at = i;
            break;
        }
    }
    keyword.keyStyle = QStringLiteral("?");
    if (at < 0) {
        keyword.globalVariable = body;
        return;
    }
    keyword.globalVariable = body.left(at);
    const QChar delimiter = body[at];
    if (delimiter == QLatin1Char('=')) {
        keyword.defaultText = CleanedUp(body.mid(at + 1));
        return;
    }
    keyword.keyStyle += delimiter;
    const QString rest = CleanedUp(body.mid(at + 1));
    if (rest.isEmpty())
        return;
    if (rest.startsWith(QLatin1Char('=')))
        keyword.defaultText = CleanedUp(rest.mid(1));
    else
        SplitAtEquals(rest, keyword);
}

// The prompt holds the wrapper opener's name with the suffix, if any.
void SplitWrapperSuffix(Keyword& keyword)
{
    if (EndsWithAnyCase(keyword.prompt, u"=TRUE")) {
        keyword.keyStyle = QStringLiteral("StartGroupOn");
        keyword.prompt.chop(5);
    } else if (EndsWithAnyCase(keyword.prompt, u"=FALSE")) {
        keyword.keyStyle = QStringLiteral("StartGroupOff");
        keyword.prompt.chop(6);
    } else {
        keyword.keyStyle = QStringLiteral("StartGroupOn");
    }
}

}  // namespace

void SplitInlineTag(const QString& tagChars, Keyword& keyword)
{
    keyword.keyStyle = tagChars.left(1);
    QString body = tagChars.mid(1);
    body.remove(QLatin1Char(']'));
    if (body.isEmpty())
        return;
    if (keyword.keyStyle == QLatin1String("?"))
        SplitGlobalBody(body, keyword);
    else
        SplitAtEquals(body, keyword);
}

void FetchKeywords(const TemplateFile& file, qint64& startLoc, Keyword& keyword, ScannerHost& host)
{
    keyword.Reset();
    host.SetTemplateLoading(true);
    QString step = QStringLiteral("Extract Keywords");
    const QString& text = file.text();
    // The keyword buffer and the template text read before the tag are both slices of the
    // template (0-based, end exclusive), so nothing is copied character by character. The
    // buffer runs from bufferStart to the character just read; an inline opener restarts it
    // after itself. The text runs from where the call started and grows with the buffer until
    // an inline opener ends it (textEnd >= 0), or the wrapper tag cuts it.
    const qint64 callStart = startLoc - 1;
    qint64 bufferStart = callStart;
    qint64 read = callStart;  // end of what has been read into the buffer
    qint64 textStart = callStart;
    qint64 textEnd = -1;
    const auto takeText = [&] {
        const qint64 end = textEnd >= 0 ? textEnd : read;
        if (end > textStart)
            keyword.auctionText = text.mid(textStart, end - textStart);
    };
    const auto location = [&](const AppError& error) {
        return error.number() == ErrorNumber::Overflow ? TemplateTooBigStep(step) : step;
    };
    const bool ran = ReportedAt(host.dialogs(), QStringLiteral("Extract from Template"), location, [&] {
        bool insideInline = false;
        bool insideWrapper = false;
        qint64 wrapperAt = -1;  // where the buffer's wrapper opener starts, -1 when it holds none
        qint64 lastRead = startLoc;
        for (;;) {
            if (file.AtEnd(startLoc)) {
                takeText();
                host.SetTemplateLoading(false);
                return;
            }
            step = QStringLiteral("Read Next File Byte");
            if (file.templateBytes() > TemplateFile::kSizeLimit)
                throw AppError(ErrorNumber::Overflow);
            // The cancel request changes only while events run, so after the first
            // character the check that follows the events stands for this one too.
            if (startLoc == callStart + 1 && host.CancelRequested())
                break;
            if (startLoc < 1)
                throw AppError(ErrorNumber::InvalidCall, QStringLiteral("Bad file position"));
            lastRead = startLoc;
            const qint64 at = startLoc - 1;
            const QChar c = text[at];
            if (c == QLatin1Char(']') && insideInline) {
                SplitInlineTag(text.mid(bufferStart, at - bufferStart), keyword);
                break;
            }
            if (c == QLatin1Char('>') && insideWrapper) {
                keyword.prompt.clear();
                keyword.defaultText.clear();
                if (wrapperAt >= 0) {
                    textStart = bufferStart;
                    textEnd = wrapperAt;
                    keyword.prompt = text.mid(wrapperAt + kWrapperOpener.size(), at - wrapperAt - kWrapperOpener.size());
                } else {
                    // An inline opener inside the wrapper opener emptied the buffer: what is
                    // left names it, and the text before the inline opener stays.
                    keyword.prompt = text.mid(bufferStart, at - bufferStart);
                }
                SplitWrapperSuffix(keyword);
                break;
            }
            read = at + 1;
            // Every character is looked at as it arrives, so a new keyword can only end at
            // the buffer's last character: the tail says what a search of the whole buffer
            // would. Until the first inline opener the text is the buffer, so a keyword that
            // ends the buffer also ends the text; after it the text ends in none. The
            // openers end in "T" and the closer in ">", which rules out most characters.
            const char16_t u = c.unicode();
            const bool endsInT = u == u'T' || u == u't' || (u >= 0x80 && c.toUpper() == QLatin1Char('T'));
            if (endsInT && SliceEndsWith(text, bufferStart, read, kInlineOpener)) {
                insideInline = true;
                if (textEnd < 0)
                    textEnd = read - kInlineOpener.size();
                bufferStart = read;
                wrapperAt = -1;
            } else if (wrapperAt >= 0 || (endsInT && SliceEndsWith(text, bufferStart, read, kWrapperOpener))) {
                insideWrapper = true;
                if (wrapperAt < 0)
                    wrapperAt = read - kWrapperOpener.size();
            } else if (u == u'>' && SliceEndsWith(text, bufferStart, read, kWrapperCloser)) {
                if (textEnd < 0)
                    textEnd = read - kWrapperCloser.size();
                keyword.keyStyle = QStringLiteral("EndGroup");
                keyword.prompt.clear();
                keyword.defaultText.clear();
                break;
            }
            host.ShowCodeSize(startLoc);
            ++startLoc;
            host.LetEventsRunSoon();
            if (host.CancelRequested())
                break;
        }
        takeText();
        // Finish: the next call starts right after the tag's closing character; a cancel
        // leaves the position where it stands.
        if (!host.CancelRequested())
            startLoc = lastRead + 1;
        host.LetEventsRun();
        host.SetTemplateLoading(false);
    });
    if (!ran) {
        takeText();
        keyword.prompt = kScanError;
        host.SetTemplateLoading(false);
    }
}
