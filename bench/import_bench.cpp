// Importing the 64 KB benchmark template into the edit-screen model (scan included), making its
// HTML, and the whole headless export process from start to exit.
#include "BenchTemplates.h"
#include "html/MakeHtml.h"
#include "platform/DiskFileOps.h"
#include "platform/NullServices.h"
#include "platform/StderrDialogs.h"
#include "shell/FormState.h"
#include "shell/ImportTemplate.h"
#include "shell/ScreenTag.h"

#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

struct Session {
    QTemporaryDir dir;
    StderrDialogs dialogs;
    NullShell shell;
    BufferClipboard clipboard;
    DiskFileOps files;
    FormState form{dialogs, shell, clipboard, files};
    Session()
    {
        form.folders = ProgramFolders(dir.path(), UserHomes{});
        SetScreen(form, Screen::Edit);
        form.FileName.text = WriteBenchTemplate(dir.path());
        FetchTemplate(form, form.FileName.text);
    }
};

void ImportBenchTemplate(benchmark::State& state)
{
    Session session;
    for (auto _ : state) {
        ImportTemplate(session.form);
        benchmark::DoNotOptimize(session.form.screen.FieldCount());
    }
    state.counters["fields"] = session.form.screen.FieldCount() - 1;
}
BENCHMARK(ImportBenchTemplate)->Unit(benchmark::kMillisecond);

void MakeHtmlOnBenchTemplate(benchmark::State& state)
{
    Session session;
    ImportTemplate(session.form);
    for (auto _ : state) {
        MakeHtml(session.form);
        benchmark::DoNotOptimize(session.form.HtmlSize);
    }
    state.counters["htmlChars"] = session.form.HTMLtext.Length();
}
BENCHMARK(MakeHtmlOnBenchTemplate)->Unit(benchmark::kMillisecond);

void ExportProcess(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = WriteBenchTemplate(dir.path());
    const QString out = dir.filePath(QStringLiteral("out.htm"));
    for (auto _ : state) {
        QProcess process;
        process.start(QStringLiteral(VARKIT_EXECUTABLE), {QStringLiteral("--export"), out, path});
        process.waitForFinished(30000);
        if (process.exitCode() != 0)
            state.SkipWithError("varkit --export failed");
    }
}
BENCHMARK(ExportProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
