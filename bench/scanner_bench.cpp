// The tag scanner on a 64K template of 2,000 tags: one iteration is one whole scan, from the
// first byte to the end of the file, the way the import drives it.
#include "BenchTemplates.h"
#include "platform/DiskFileOps.h"
#include "platform/EventPump.h"
#include "platform/StderrDialogs.h"
#include "template/TagScanner.h"
#include "template/TemplateFile.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// The window state the scanner touches, with events let run through an EventPump as the
// program's own form does.
class BenchHost : public ScannerHost {
public:
    explicit BenchHost(bool formatCodeSize) : formatCodeSize_(formatCodeSize) {}

    bool CancelRequested() const override { return cancelTag == QLatin1String("Abort"); }
    void SetTemplateLoading(bool loading) override { templateLoading = loading; }
    void ShowCodeSize(qint64 position) override
    {
        if (formatCodeSize_)
            codeSizeText = QString::number(position);
        else
            codeSize = position;
    }
    void LetEventsRunSoon() override { pump.Tick(); }
    void LetEventsRun() override { pump.MaybeRun(); }
    Dialogs& dialogs() override { return dialogs_; }

    EventPump pump;
    QString cancelTag;
    bool templateLoading = false;
    qint64 codeSize = 0;
    QString codeSizeText;

private:
    bool formatCodeSize_;
    StderrDialogs dialogs_;
};

struct ScanCounts {
    int tags = 0;
    int visible = 0;
    bool failed = false;
};

ScanCounts ScanWholeFile(const TemplateFile& file, BenchHost& host)
{
    ScanCounts counts;
    qint64 startLoc = 1;
    Keyword keyword;
    while (!file.AtEnd(startLoc)) {
        FetchKeywords(file, startLoc, keyword, host);
        if (keyword.prompt == kScanError || host.CancelRequested()) {
            counts.failed = true;
            break;
        }
        if (keyword.keyStyle != QLatin1String(" ") || !keyword.prompt.isEmpty())
            ++counts.tags;
        if (!keyword.prompt.isEmpty() || !keyword.defaultText.isEmpty())
            ++counts.visible;
        benchmark::DoNotOptimize(keyword.auctionText.constData());
    }
    return counts;
}

// Reads the template from disk once and checks that it is the template the figures are for.
bool LoadBenchTemplate(benchmark::State& state, QTemporaryDir& dir, TemplateFile& file)
{
    if (!dir.isValid()) {
        state.SkipWithError("no temporary folder");
        return false;
    }
    DiskFileOps files;
    file = TemplateFile::Open(files, WriteBenchTemplate(dir.path()));
    if (file.templateBytes() >= TemplateFile::kSizeLimit || file.templateBytes() < 64000) {
        state.SkipWithError("the bench template is not just under 64K");
        return false;
    }
    BenchHost host(false);
    const ScanCounts counts = ScanWholeFile(file, host);
    if (counts.failed || counts.tags != kBenchTemplateTags || counts.visible != kBenchTemplateVisibleTags) {
        state.SkipWithError("the bench template does not hold the expected tags");
        return false;
    }
    return true;
}

void ScanBenchTemplate(benchmark::State& state, bool formatCodeSize)
{
    QTemporaryDir dir;
    TemplateFile file;
    if (!LoadBenchTemplate(state, dir, file))
        return;
    BenchHost host(formatCodeSize);
    for (auto _ : state) {
        const ScanCounts counts = ScanWholeFile(file, host);
        benchmark::DoNotOptimize(counts.tags);
    }
    state.SetBytesProcessed(state.iterations() * file.byteSize());
    state.counters["tags"] = kBenchTemplateTags;
    state.counters["bytes"] = double(file.byteSize());
    state.counters["event_runs"] = benchmark::Counter(double(host.pump.runs()), benchmark::Counter::kAvgIterations);
}

// The scan alone, with the "code size:" position kept as a number.
void BM_ScanWholeTemplate(benchmark::State& state)
{
    ScanBenchTemplate(state, false);
}
BENCHMARK(BM_ScanWholeTemplate)->Unit(benchmark::kMillisecond);

// The same with the position formatted as text for every character, as a label would show it.
void BM_ScanWholeTemplateFormattingCodeSize(benchmark::State& state)
{
    ScanBenchTemplate(state, true);
}
BENCHMARK(BM_ScanWholeTemplateFormattingCodeSize)->Unit(benchmark::kMillisecond);

// Reading and decoding the file as well, as each import does.
void BM_OpenAndScanWholeTemplate(benchmark::State& state)
{
    QTemporaryDir dir;
    TemplateFile file;
    if (!LoadBenchTemplate(state, dir, file))
        return;
    const QString path = dir.filePath(QStringLiteral("bench.tpl"));
    BenchHost host(false);
    DiskFileOps files;
    for (auto _ : state) {
        const TemplateFile opened = TemplateFile::Open(files, path);
        const ScanCounts counts = ScanWholeFile(opened, host);
        benchmark::DoNotOptimize(counts.tags);
    }
    state.SetBytesProcessed(state.iterations() * file.byteSize());
}
BENCHMARK(BM_OpenAndScanWholeTemplate)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
