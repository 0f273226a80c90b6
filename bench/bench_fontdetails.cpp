// Opening the font details of one family: its files' names, counts,
// coverage and languages, and the dialog's tabs. The family is
// GLYPHARY_BENCH_FAMILY ("Bench Twenty" from bench/scale/make_twenty_faces.py
// unless given); a file, GLYPHARY_BENCH_FILE (say one of
// bench/scale/make_many_instances.py), is timed as a previewed file.
#include "app/TfrmFontDetails.h"
#include "fontfiles/FontDetails.h"
#include "platform/linux/LinuxFontService.h"
#include "platform/linux/LinuxShell.h"
#include "platform/linux/UnicodeBlocksFile.h"

#include <QApplication>
#include <QTabWidget>
#include <benchmark/benchmark.h>

namespace {

QString benchFamily()
{
    const QString family = qEnvironmentVariable("GLYPHARY_BENCH_FAMILY");
    return family.isEmpty() ? QStringLiteral("Bench Twenty") : family;
}

void setCounters(benchmark::State& state, LinuxFontService& fonts, qsizetype faces)
{
    state.counters["families"] = static_cast<double>(fonts.screenFamilies().size());
    state.counters["faces"] = static_cast<double>(faces);
}

// The data alone, with the font list already read.
void BM_FamilyDetails(benchmark::State& state)
{
    LinuxFontService fonts;
    fonts.screenFamilies();
    const UnicodeBlockNames names = readUnicodeBlocks(UnicodeBlocksPath);
    qsizetype faces = 0;
    for (auto _ : state)
        faces = familyDetails(fonts, names, benchFamily(), QString()).size();
    setCounters(state, fonts, faces);
}
BENCHMARK(BM_FamilyDetails)->Unit(benchmark::kMillisecond);

// What a user waits for: the dialog filled with a tab per face.
void BM_DialogShowsFamily(benchmark::State& state)
{
    LinuxFontService fonts;
    LinuxShell shell;
    fonts.screenFamilies();
    const UnicodeBlockNames names = readUnicodeBlocks(UnicodeBlocksPath);
    TfrmFontDetails dialog(fonts, names, shell, shell.userFontsFolder(), nullptr);
    dialog.show();
    for (auto _ : state) {
        state.PauseTiming();
        dialog.showNothing();
        QApplication::processEvents();
        state.ResumeTiming();
        dialog.showFamily(benchFamily());
        QApplication::processEvents();
    }
    setCounters(state, fonts, dialog.findChild<QTabWidget*>("tabFaces")->count());
}
BENCHMARK(BM_DialogShowsFamily)->Unit(benchmark::kMillisecond);

// A previewed file: a variable font with thousands of named instances.
void BM_DialogShowsFile(benchmark::State& state)
{
    const QString file = qEnvironmentVariable("GLYPHARY_BENCH_FILE");
    if (file.isEmpty()) {
        state.SkipWithError("GLYPHARY_BENCH_FILE names no file");
        return;
    }
    LinuxFontService fonts;
    LinuxShell shell;
    const UnicodeBlockNames names = readUnicodeBlocks(UnicodeBlocksPath);
    TfrmFontDetails dialog(fonts, names, shell, shell.userFontsFolder(), nullptr);
    dialog.show();
    for (auto _ : state) {
        state.PauseTiming();
        dialog.showNothing();
        QApplication::processEvents();
        state.ResumeTiming();
        dialog.showFile(file);
        QApplication::processEvents();
    }
    state.counters["faces"] = dialog.findChild<QTabWidget*>("tabFaces")->count();
}
BENCHMARK(BM_DialogShowsFile)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
