// The tag scanner over arbitrary bytes, decoded as a template file is: it must come to the end
// of any text, always moving on, never failing, and never leave a tag keyword in the template
// text it hands back.
#include "FuzzSupport.h"
#include "platform/QuietDialogs.h"
#include "template/TagScanner.h"

namespace {

class QuietHost : public ScannerHost {
public:
    bool CancelRequested() const override { return false; }
    void SetTemplateLoading(bool on) override { loading = on; }
    void ShowCodeSize(qint64 position) override { shown = position; }
    void LetEventsRunSoon() override {}
    void LetEventsRun() override {}
    Dialogs& dialogs() override { return boxes; }

    QuietDialogs boxes;
    bool loading = false;
    qint64 shown = 0;
};

// Keywords match character by character in upper case, as the scanner matches them.
bool HoldsKeyword(const QString& text)
{
    QString upper = text;
    for (QChar& c : upper)
        c = c.toUpper();
    return upper.contains(QLatin1String("[VARKIT")) || upper.contains(QLatin1String("</VARKIT>"));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    StartFuzzing();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const DecodedText decoded = DecodeText(InputBytes(data, size));
    const TemplateFile file = TemplateFile::FromText(decoded.text, decoded.encoding);
    QuietHost host;
    qint64 startLoc = 1;
    Keyword keyword;
    while (!file.AtEnd(startLoc)) {
        const qint64 before = startLoc;
        keyword.Reset();
        FetchKeywords(file, startLoc, keyword, host);
        // Only a template over the size limit is refused.
        Require(keyword.prompt != kScanError || file.templateBytes() > TemplateFile::kSizeLimit, "the scan failed");
        Require(startLoc > before, "the scan did not move on");
        Require(!host.loading, "the scan left the template loading");
        Require(host.shown >= before && host.shown < startLoc, "the code size is not where the scan stopped");
        Require(!HoldsKeyword(keyword.auctionText), "a tag keyword in the template text", {},
                keyword.auctionText.toUtf8());
    }
    return 0;
}
