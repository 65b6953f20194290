// Text as the program holds it: deciding a 64 KB page's encoding and decoding it, and the
// rich-text box: a text set while no view shows it, set while shown (the document rebuilt),
// and one keystroke typed into the document of a 64 KB text, against the same keystroke in a
// document alone; the case-insensitive replace-all, where every replacement can make a new
// match with what stands before it; and the removal of every span from a start to an end.
#include "BenchTemplates.h"
#include "platform/TextCodec.h"
#include "text/RichTextBox.h"
#include "text/TextUtilities.h"

#include <benchmark/benchmark.h>

namespace {

QString BenchText()
{
    // The benchmark template with LF line breaks between its lines, a CR LF here and there.
    QString text = MakeBenchTemplate();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    for (qsizetype at = 0; (at = text.indexOf(QLatin1Char('\n'), at + 4000)) >= 0;)
        text.insert(at, QLatin1Char('\r'));
    return text;
}

void DecodePage(benchmark::State& state, const QByteArray& head)
{
    const QByteArray bytes = head + MakeBenchTemplate().toLatin1().left(kBenchTemplateBytes - head.size());
    for (auto _ : state)
        benchmark::DoNotOptimize(DecodeText(bytes));
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK_CAPTURE(DecodePage, undeclared, QByteArray("<html>"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(DecodePage, utf8, QByteArray("<meta charset=\"utf-8\">"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(DecodePage, eucKr, QByteArray("<meta charset=\"euc-kr\">"))->Unit(benchmark::kMicrosecond);

void SetTextHidden(benchmark::State& state)
{
    const QString text = BenchText();
    RichTextBox box;
    for (auto _ : state)
        box.SetText(text);
}
BENCHMARK(SetTextHidden)->Unit(benchmark::kMicrosecond);

void SetTextShown(benchmark::State& state)
{
    const QString text = BenchText();
    RichTextBox box;
    box.SetShown(true);
    for (auto _ : state)
        box.SetText(text);
}
BENCHMARK(SetTextShown)->Unit(benchmark::kMillisecond);

// One character typed in the middle of the document and erased again, per iteration.
void TypeAndEraseInTheMiddle(benchmark::State& state, QTextDocument& document)
{
    const int middle = document.characterCount() / 2;
    for (auto _ : state) {
        QTextCursor cursor(&document);
        cursor.setPosition(middle);
        cursor.insertText(QStringLiteral("x"));
        cursor.deletePreviousChar();
    }
    state.SetItemsProcessed(state.iterations() * 2);
}

void KeystrokeInDocument(benchmark::State& state)
{
    RichTextBox box;
    box.SetText(BenchText());
    QTextDocument& document = box.Document();
    TypeAndEraseInTheMiddle(state, document);
}
BENCHMARK(KeystrokeInDocument)->Unit(benchmark::kMicrosecond);

// The same keystrokes in a document of the same text that no box follows: the part of the cost
// that is the document's own.
void KeystrokeInBareDocument(benchmark::State& state)
{
    QTextDocument document;
    document.documentLayout();
    document.setPlainText(DisplayOf(BenchText()));
    TypeAndEraseInTheMiddle(state, document);
}
BENCHMARK(KeystrokeInBareDocument)->Unit(benchmark::kMicrosecond);

// "aa" by "a" over 65,500 "a": every replacement joins the new "a" to the one after it.
void ReplaceCollapsingRun(benchmark::State& state)
{
    const QString run(kBenchTemplateBytes, QLatin1Char('a'));
    for (auto _ : state)
        benchmark::DoNotOptimize(ReplacedAnyCase(run, QStringLiteral("aa"), QStringLiteral("a")));
    state.SetBytesProcessed(state.iterations() * run.size());
}
BENCHMARK(ReplaceCollapsingRun)->Unit(benchmark::kMicrosecond);

// Every tag keyword of the 64 KB benchmark template (2,000 of them) taken out, in any case.
void ReplaceTagKeywords(benchmark::State& state)
{
    const QString text = MakeBenchTemplate();
    for (auto _ : state)
        benchmark::DoNotOptimize(ReplacedAnyCase(text, QStringLiteral("[varkit"), QStringLiteral("[")));
    state.SetBytesProcessed(state.iterations() * text.size());
}
BENCHMARK(ReplaceTagKeywords)->Unit(benchmark::kMicrosecond);

// Every HTML tag of the 64 KB benchmark template taken out, from "<" to the next ">", as the
// tag stripping takes out wrapper openers.
void StripEveryHtmlTag(benchmark::State& state)
{
    const QString text = MakeBenchTemplate();
    for (auto _ : state) {
        QString copy = text;
        benchmark::DoNotOptimize(ReplaceAnyCaseBetween(copy, QStringLiteral("<"), QStringLiteral(">"), QString()));
    }
    state.SetBytesProcessed(state.iterations() * text.size());
}
BENCHMARK(StripEveryHtmlTag)->Unit(benchmark::kMicrosecond);

}  // namespace
