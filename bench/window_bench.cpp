// The window: from start to the window shown with the start-up template imported, and importing
// the 64 KB benchmark template in the window with its widgets.
#include "BenchTemplates.h"
#include "platform/DiskFileOps.h"
#include "platform/NullServices.h"
#include "platform/QuietDialogs.h"
#include "shell/FormState.h"
#include "shell/StartUp.h"
#include "shell/ImportTemplate.h"
#include "ui/EditScreenView.h"
#include "ui/MainWindow.h"
#include "ui/QtClipboard.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

void Settle()
{
    for (int k = 0; k < 3; ++k)
        QApplication::processEvents();
}

// Everything from creating the window to the start-up template's widgets drawn.
void StartToWindowShown(benchmark::State& state)
{
    const QString programFolder = QStringLiteral(VARKIT_PROGRAM_DIR);
    if (!QFile::exists(programFolder + QStringLiteral("/templates/Start_Here.TPL"))) {
        state.SkipWithError("the program folder has no start-up template");
        return;
    }
    for (auto _ : state) {
        QuietDialogs dialogs;
        NullShell shell;
        QtClipboard clipboard;
        DiskFileOps files;
        FormState form(dialogs, shell, clipboard, files);
        MainWindow window(form);
        FormLoadInput input;
        input.executableFolder = programFolder;
        FormLoadHooks hooks;
        hooks.showWindow = [&] {
            window.show();
            QApplication::processEvents();
        };
        Form_Load(form, input, hooks);
        Settle();
        benchmark::DoNotOptimize(window.editScreen()->widgetCount());
        if (form.screen.FieldCount() < 10 || dialogs.Messages() > 0)
            state.SkipWithError("the start-up template did not import cleanly");
        window.close();
    }
}
BENCHMARK(StartToWindowShown)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The process part of a start: loading the program and its libraries and running to exit.
void ProgramProcessStartAndExit(benchmark::State& state)
{
    for (auto _ : state) {
        QProcess process;
        process.start(QStringLiteral(VARKIT_EXECUTABLE), {QStringLiteral("--version")});
        if (!process.waitForFinished(10000) || process.exitCode() != 0)
            state.SkipWithError("varkit --version failed");
    }
}
BENCHMARK(ProgramProcessStartAndExit)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The 64 KB template imported in a shown window, widgets included.
void ImportBenchTemplateInWindow(benchmark::State& state)
{
    QTemporaryDir dir;
    QuietDialogs dialogs;
    NullShell shell;
    QtClipboard clipboard;
    DiskFileOps files;
    FormState form(dialogs, shell, clipboard, files);
    MainWindow window(form);
    form.folders = ProgramFolders(dir.path(), UserHomes{});
    window.show();
    Settle();
    form.FileName.text = WriteBenchTemplate(dir.path());
    FetchTemplate(form, form.FileName.text);
    for (auto _ : state) {
        ImportTemplate(form);
        Settle();
        benchmark::DoNotOptimize(window.editScreen()->widgetCount());
    }
    state.counters["fields"] = form.screen.FieldCount() - 1;
    state.counters["widgets"] = window.editScreen()->widgetCount();
}
BENCHMARK(ImportBenchTemplateInWindow)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
