// The find box's refilter over this machine's families: one keystroke's
// query against what is kept, and the first query, which works it out.
#include "catalogue/FamilyFilter.h"
#include "catalogue/FontCatalogue.h"
#include "catalogue/FontQuery.h"
#include "platform/linux/LinuxFontService.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace {

const QStringList Queries{
    QStringLiteral("n"),
    QStringLiteral("noto serif"),
    QStringLiteral("lang:ru"),
    QStringLiteral("lang:ru serif"),
    QStringLiteral("has:₹"),
    QStringLiteral("\"Ước mơ\""),
    QStringLiteral("type:opentype style:italic"),
    // Pasted: what is read of it is cut.
    QStringLiteral("a ").repeated(50000),
    QStringLiteral("has:") + QStringLiteral("Ước mơ ").repeated(15000),
};

LinuxFontService* fonts = nullptr;

LinuxFontService& service() { return *fonts; }

// As the Main page lists them with the PDF printer.
QStringList listed()
{
    FontCatalogue catalogue(service());
    return catalogue.fill(service().scalableFamilies());
}

void report(benchmark::State& state, qsizetype families, qsizetype shown)
{
    state.counters["families"] = static_cast<double>(families);
    state.counters["listed"] = static_cast<double>(shown);
    state.SetLabel(Queries[state.range(0)].left(30).toStdString());
}

void BM_Keystroke(benchmark::State& state)
{
    FamilyFilter filter(service());
    filter.setFamilies(listed());
    filter.match(FontQuery(Queries[state.range(0)]));
    qsizetype shown = 0;
    for (auto _ : state)
        shown = filter.match(FontQuery(Queries[state.range(0)])).count;
    report(state, filter.families().size(), shown);
}
BENCHMARK(BM_Keystroke)->DenseRange(0, 8)->Unit(benchmark::kMillisecond);

// The first query after the list is filled: names folded, sets taken.
void BM_FirstQuery(benchmark::State& state)
{
    const QStringList families = listed();
    FamilyFilter filter(service());
    qsizetype shown = 0;
    for (auto _ : state) {
        filter.setFamilies(families);
        shown = filter.match(FontQuery(Queries[state.range(0)])).count;
    }
    report(state, families.size(), shown);
}
BENCHMARK(BM_FirstQuery)->Arg(1)->Arg(3)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    LinuxFontService machine;
    fonts = &machine;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
