// Importing the 64 KB benchmark template into the edit-screen model (scan included), making its
// HTML beside the plain join of its segments and values it is held to (within 5x), rebuilding
// it from the edit screen, and the whole headless export process from start to exit.
#include "BenchTemplates.h"
#include "html/MakeHtml.h"
#include "platform/DiskFileOps.h"
#include "platform/NullServices.h"
#include "platform/StderrDialogs.h"
#include "shell/FormState.h"
#include "shell/ImportTemplate.h"
#include "shell/SaveEditedCommands.h"
#include "shell/ScreenTag.h"

#include <QFile>
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

// "Save Edited Data fields" rebuilding the imported template from its edit screen.
void BackloadBenchTemplate(benchmark::State& state)
{
    Session session;
    ImportTemplate(session.form);
    const QList<TemplateHelpLink> links = TemplateHelpLinks(session.form);
    qsizetype length = 0;
    for (auto _ : state) {
        length = BackloadTemplateData(session.form.screen, session.form.TemplateSegments, session.form.FieldNames, links).size();
        benchmark::DoNotOptimize(length);
    }
    state.counters["chars"] = static_cast<double>(length);
}
BENCHMARK(BackloadBenchTemplate)->Unit(benchmark::kMillisecond);

// What Make HTML is measured against: the template's segments and the values Make HTML left in
// the fields joined into one string, nothing decided about any field.
void PlainJoinOnBenchTemplate(benchmark::State& state)
{
    Session session;
    ImportTemplate(session.form);
    MakeHtml(session.form);
    const EditScreen& screen = session.form.screen;
    const QStringList& segments = session.form.TemplateSegments;
    const int count = screen.FieldCount();
    for (auto _ : state) {
        qsizetype length = segments[count].size();
        for (int i = 1; i < count; ++i)
            length += segments[i].size() + screen.Field(i).DataField.text.size();
        QString page;
        page.reserve(length);
        for (int i = 1; i < count; ++i) {
            page += segments[i];
            page += screen.Field(i).DataField.text;
        }
        page += segments[count];
        benchmark::DoNotOptimize(page.data());
    }
    state.counters["htmlChars"] = session.form.HTMLtext.Length();
}
BENCHMARK(PlainJoinOnBenchTemplate)->Unit(benchmark::kMillisecond);

// A template of 300 tile options beside a number of other files (the argument): none of the
// tile pictures exists, so each is looked for in every folder a tile may be in, and the old data
// file beside the template is looked for too. The time stays flat however full the folder is.
void ImportTilesInAFullFolder(benchmark::State& state)
{
    Session session;
    for (int i = 0; i < state.range(0); ++i) {
        QFile file(session.dir.filePath(QStringLiteral("photo%1.jpg").arg(i)));
        if (!file.open(QIODevice::WriteOnly))
            state.SkipWithError("cannot fill the folder");
    }
    QString markup = QStringLiteral("[VarKit& Tile=");
    for (int i = 0; i < 300; ++i)
        markup += QStringLiteral("tile%1.gif|").arg(i);
    session.form.FileName.text = session.dir.filePath(QStringLiteral("tiles.tpl"));
    session.form.MarkupText.SetText(markup + QStringLiteral("last.gif]"));
    for (auto _ : state) {
        ImportTemplate(session.form);
        MakeHtml(session.form);
        benchmark::DoNotOptimize(session.form.screen.FieldCount());
    }
}
BENCHMARK(ImportTilesInAFullFolder)->Arg(0)->Arg(3000)->Unit(benchmark::kMillisecond);

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
