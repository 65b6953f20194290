// Colour coding the 64 KB / 2,000-tag benchmark template on the markup screen, and one tag-button
// click on it (which colours only the inserted tag).
#include "BenchTemplates.h"
#include "authoring/ColorcodeMarkup.h"
#include "authoring/TagButtons.h"
#include "authoring/TagColorSpans.h"
#include "platform/DiskFileOps.h"
#include "platform/NullServices.h"
#include "platform/StderrDialogs.h"
#include "shell/FormState.h"

#include <benchmark/benchmark.h>

namespace {

struct Markup {
    StderrDialogs dialogs;
    NullShell shell;
    BufferClipboard clipboard;
    DiskFileOps files;
    FormState form{dialogs, shell, clipboard, files};
    Markup()
    {
        form.MarkupText.SetText(MakeBenchTemplate());
        // As on the markup screen: the document is built and kept up to date at once.
        form.MarkupText.SetShown(true);
    }
};

// Where the spans go: the three passes over the text alone.
void TagColorSpansOfBenchTemplate(benchmark::State& state)
{
    const QString text = MakeBenchTemplate();
    for (auto _ : state)
        benchmark::DoNotOptimize(TagColorSpans(text).size());
}
BENCHMARK(TagColorSpansOfBenchTemplate)->Unit(benchmark::kMillisecond);

// The whole markup recoloured in the box's document, as after an import on the markup screen.
void ColorcodeWholeBenchTemplate(benchmark::State& state)
{
    Markup markup;
    for (auto _ : state) {
        ColorcodeMarkup(markup.form, QString());
        benchmark::DoNotOptimize(markup.form.MarkupText.Document().characterCount());
    }
}
BENCHMARK(ColorcodeWholeBenchTemplate)->Unit(benchmark::kMillisecond);

// A "#" tag-button click on a word in the middle of the coloured template, and its undo (which
// puts the template back as it was for the next round).
void TagButtonClickOnBenchTemplate(benchmark::State& state)
{
    Markup markup;
    ColorcodeMarkup(markup.form, QString());
    const int middle = markup.form.MarkupText.Length() / 2;
    bool barEnabled = true;
    for (auto _ : state) {
        markup.form.MarkupText.Select(middle, 4);
        TagButton_Click(markup.form, 5, barEnabled);
        state.PauseTiming();
        TagButton_Click(markup.form, TagButtonIndex::Undo, barEnabled);
        state.ResumeTiming();
    }
}
BENCHMARK(TagButtonClickOnBenchTemplate)->Unit(benchmark::kMillisecond);

}  // namespace
