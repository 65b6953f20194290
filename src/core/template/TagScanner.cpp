#include "TagScanner.h"

#include "platform/AppError.h"
#include "text/TextUtilities.h"

namespace {

const QString kInlineOpener = QStringLiteral("[VARKIT");
const QString kWrapperOpener = QStringLiteral("<VARKIT");
const QString kWrapperCloser = QStringLiteral("</VARKIT>");
const QString kGlobalDelimiters = QStringLiteral("= |:!#-~+=?^&%;");

void ChopTail(QString& text, const QString& tail)
{
    if (text.endsWith(tail, Qt::CaseInsensitive))
        text.chop(tail.size());
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

// The buffer holds everything read in this call up to the ">".
void ProcessWrapper(const QString& buffer, Keyword& keyword)
{
    const qsizetype p = buffer.indexOf(kWrapperOpener, 0, Qt::CaseInsensitive);
    if (p >= 0) {
        keyword.auctionText = buffer.left(p);
        keyword.prompt = buffer.mid(p + kWrapperOpener.size());
    } else {
        // An inline opener inside the wrapper opener emptied the buffer: what is left names it.
        keyword.prompt = buffer;
    }
    if (keyword.prompt.endsWith(QLatin1String("=TRUE"), Qt::CaseInsensitive)) {
        keyword.keyStyle = QStringLiteral("StartGroupOn");
        keyword.prompt.chop(5);
    } else if (keyword.prompt.endsWith(QLatin1String("=FALSE"), Qt::CaseInsensitive)) {
        keyword.keyStyle = QStringLiteral("StartGroupOff");
        keyword.prompt.chop(6);
    } else {
        keyword.keyStyle = QStringLiteral("StartGroupOn");
    }
}

QString OverflowStep(const QString& step)
{
    return step + QStringLiteral("\r\n\r\n") + QStringLiteral("The template exceeds the 64K size limit.")
        + QStringLiteral("\r\n") + QStringLiteral("Remove unnecessary code or comments, or ")
        + QStringLiteral("\r\n") + QStringLiteral("place static sections of code in a separate file")
        + QStringLiteral("\r\n") + QStringLiteral("that can be inserted using the 'include' VarKit.");
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
    try {
        AsAppError([&] {
            const QString& text = file.text();
            QString buffer;
            bool insideInline = false;
            bool insideWrapper = false;
            bool bufferHoldsWrapperOpener = false;
            qint64 lastRead = startLoc;
            for (;;) {
                if (file.AtEnd(startLoc)) {
                    host.SetTemplateLoading(false);
                    return;
                }
                step = QStringLiteral("Read Next File Byte");
                if (file.templateBytes() > TemplateFile::kSizeLimit)
                    throw AppError(ErrorNumber::Overflow);
                if (host.CancelRequested())
                    break;
                if (startLoc < 1)
                    throw AppError(ErrorNumber::InvalidCall, QStringLiteral("Bad file position"));
                lastRead = startLoc;
                const QChar c = text[startLoc - 1];
                if (c == QLatin1Char(']') && insideInline) {
                    SplitInlineTag(buffer, keyword);
                    break;
                }
                if (c == QLatin1Char('>') && insideWrapper) {
                    keyword.prompt.clear();
                    keyword.defaultText.clear();
                    ProcessWrapper(buffer, keyword);
                    break;
                }
                buffer += c;
                if (!insideInline)
                    keyword.auctionText += c;
                // Every byte is looked at as it arrives, so a new keyword can only end at the
                // buffer's last character: the tail says what a search of the whole buffer would.
                if (buffer.endsWith(kInlineOpener, Qt::CaseInsensitive)) {
                    insideInline = true;
                    ChopTail(keyword.auctionText, kInlineOpener);
                    buffer.clear();
                    bufferHoldsWrapperOpener = false;
                } else if (bufferHoldsWrapperOpener || buffer.endsWith(kWrapperOpener, Qt::CaseInsensitive)) {
                    insideWrapper = true;
                    bufferHoldsWrapperOpener = true;
                } else if (buffer.endsWith(kWrapperCloser, Qt::CaseInsensitive)) {
                    ChopTail(keyword.auctionText, kWrapperCloser);
                    keyword.keyStyle = QStringLiteral("EndGroup");
                    keyword.prompt.clear();
                    keyword.defaultText.clear();
                    break;
                }
                if (host.CancelRequested())
                    break;
                host.ShowCodeSize(startLoc);
                ++startLoc;
                host.LetEventsRunSoon();
                if (host.CancelRequested())
                    break;
            }
            // Finish: the next call starts right after the tag's closing character; a cancel
            // leaves the position where it stands.
            if (!host.CancelRequested())
                startLoc = lastRead + 1;
            host.LetEventsRun();
            host.SetTemplateLoading(false);
        });
    } catch (const AppError& error) {
        const QString location = error.number() == ErrorNumber::Overflow ? OverflowStep(step) : step;
        ShowErrorReport(host.dialogs(), QStringLiteral("Extract from Template"), error, location);
        keyword.prompt = kScanError;
        host.SetTemplateLoading(false);
    }
}
