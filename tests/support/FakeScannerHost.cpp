#include "FakeScannerHost.h"

#include "template/TagScanner.h"

#include <cstdio>

void FakeScannerHost::SetTemplateLoading(bool loading)
{
    templateLoading = loading;
    loadingChanges << loading;
}

void FakeScannerHost::ShowCodeSize(qint64 position)
{
    if (!templateLoading)
        loadingWhileReading = false;
    codeSizes << position;
}

void FakeScannerHost::LetEventsRunSoon()
{
    ++charEventRuns;
    if (cancelAfterChars >= 0 && charEventRuns >= cancelAfterChars)
        cancel = true;
}

QList<ScanCall> ScanToEnd(const TemplateFile& file, FakeScannerHost& host, int maxCalls)
{
    QList<ScanCall> calls;
    qint64 startLoc = 1;
    while (!file.AtEnd(startLoc) && calls.size() < maxCalls) {
        ScanCall call;
        call.startLocBefore = startLoc;
        FetchKeywords(file, startLoc, call.keyword, host);
        call.startLocAfter = startLoc;
        call.loadingAfter = host.templateLoading;
        calls << call;
        if (host.CancelRequested() || call.keyword.prompt == kScanError)
            break;
    }
    return calls;
}

QList<ScanCall> ScanToEnd(const QString& text, FakeScannerHost& host)
{
    return ScanToEnd(TemplateFile::FromText(text), host);
}

QList<Keyword> KeywordsOf(const QString& text)
{
    FakeScannerHost host;
    QList<Keyword> keywords;
    for (const ScanCall& call : ScanToEnd(text, host))
        keywords << call.keyword;
    return keywords;
}

std::string Escaped(const QString& text)
{
    std::string out;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        char buffer[16];
        if (u == '\\') {
            out += "\\\\";
        } else if (u == '|') {
            out += "\\|";
        } else if (u >= 0x20 && u < 0x7F) {
            out += static_cast<char>(u);
        } else if (u < 0x100) {
            std::snprintf(buffer, sizeof buffer, "\\x%02X", static_cast<unsigned>(u));
            out += buffer;
        } else {
            std::snprintf(buffer, sizeof buffer, "\\u%04X", static_cast<unsigned>(u));
            out += buffer;
        }
    }
    return out;
}

std::string Describe(const Keyword& keyword)
{
    return Escaped(keyword.keyStyle) + '|' + Escaped(keyword.prompt) + '|' + Escaped(keyword.defaultText) + '|'
        + Escaped(keyword.globalVariable) + '|' + Escaped(keyword.auctionText);
}

std::vector<std::string> Describe(const QList<Keyword>& keywords)
{
    std::vector<std::string> lines;
    for (const Keyword& keyword : keywords)
        lines.push_back(Describe(keyword));
    return lines;
}

std::vector<std::string> Describe(const QList<ScanCall>& calls)
{
    std::vector<std::string> lines;
    for (const ScanCall& call : calls)
        lines.push_back(Describe(call.keyword));
    return lines;
}

Keyword MakeKeyword(const QString& keyStyle, const QString& prompt, const QString& defaultText,
                    const QString& globalVariable, const QString& auctionText)
{
    Keyword keyword;
    keyword.keyStyle = keyStyle;
    keyword.prompt = prompt;
    keyword.defaultText = defaultText;
    keyword.globalVariable = globalVariable;
    keyword.auctionText = auctionText;
    return keyword;
}

void PrintTo(const Keyword& keyword, std::ostream* os)
{
    *os << Describe(keyword);
}

void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << Escaped(text) << '"';
}
