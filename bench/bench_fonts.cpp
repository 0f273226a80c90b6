// The font backend over this machine's fonts.
#include "platform/linux/LinuxFontService.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace {

void setFamilies(benchmark::State& state, qsizetype families)
{
    state.counters["families"] = static_cast<double>(families);
}

// A fresh service reads fontconfig's list and builds its index.
void BM_ScreenFamiliesCold(benchmark::State& state)
{
    qsizetype families = 0;
    for (auto _ : state) {
        LinuxFontService fonts;
        families = fonts.screenFamilies().size();
    }
    setFamilies(state, families);
}
BENCHMARK(BM_ScreenFamiliesCold)->Unit(benchmark::kMillisecond);

void BM_ScreenFamiliesWarm(benchmark::State& state)
{
    LinuxFontService fonts;
    qsizetype families = fonts.screenFamilies().size();
    for (auto _ : state)
        benchmark::DoNotOptimize(fonts.screenFamilies());
    setFamilies(state, families);
}
BENCHMARK(BM_ScreenFamiliesWarm)->Unit(benchmark::kMicrosecond);

void BM_ScalableFamiliesCold(benchmark::State& state)
{
    qsizetype families = 0;
    for (auto _ : state) {
        LinuxFontService fonts;
        families = fonts.scalableFamilies().size();
    }
    setFamilies(state, families);
}
BENCHMARK(BM_ScalableFamiliesCold)->Unit(benchmark::kMillisecond);

void BM_FacesOfEveryFamily(benchmark::State& state)
{
    LinuxFontService fonts;
    const QStringList families = fonts.screenFamilies();
    for (auto _ : state) {
        for (const QString& family : families)
            benchmark::DoNotOptimize(fonts.faces(family));
    }
    setFamilies(state, families.size());
}
BENCHMARK(BM_FacesOfEveryFamily)->Unit(benchmark::kMillisecond);

void BM_MakeFontForEveryFamily(benchmark::State& state)
{
    LinuxFontService fonts;
    const QStringList families = fonts.screenFamilies();
    for (auto _ : state) {
        for (const QString& family : families)
            benchmark::DoNotOptimize(fonts.makeFont({family, 0, true}));
    }
    setFamilies(state, families.size());
}
BENCHMARK(BM_MakeFontForEveryFamily)->Unit(benchmark::kMillisecond);

// What each load or unload of a previewed file costs besides Qt's own work.
void BM_BroadcastFontChange(benchmark::State& state)
{
    LinuxFontService fonts;
    qsizetype families = 0;
    for (auto _ : state) {
        fonts.broadcastFontChange();
        families = fonts.screenFamilies().size();
    }
    setFamilies(state, families);
}
BENCHMARK(BM_BroadcastFontChange)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
