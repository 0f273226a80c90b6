// The find box's refilter over this machine's families: one keystroke's
// query against what is kept, the first query, which works it out, and
// typing into the window's box with the list repainted after each key.
#include "RealPlatform.h"
#include "app/TfrmMain.h"
#include "catalogue/FamilyFilter.h"
#include "catalogue/FontCatalogue.h"
#include "catalogue/FontQuery.h"
#include "platform/linux/LinuxFontService.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QTemporaryDir>
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

// Each key of a query typed into the box, the list refiltered and repainted
// before the next; the slowest key is reported beside the mean.
void BM_TypingInWindow(benchmark::State& state)
{
    const QString query = Queries[state.range(0)].left(FontQuery::MaxLength);
    QTemporaryDir folder;
    RealPlatform real(folder.path() + u'/');
    TfrmMain frmMain(real.platform);
    frmMain.FormCreate();
    frmMain.show();
    QCoreApplication::processEvents();
    auto* lblFonts = frmMain.findChild<QLabel*>(QStringLiteral("lblFonts"));
    auto* edtFind = frmMain.findChild<QLineEdit*>(QStringLiteral("edtFind"));
    auto* lstFonts = frmMain.findChild<QListView*>(QStringLiteral("lstFonts"));
    const QString unfiltered = lblFonts->text();
    qint64 slowest = 0;
    qint64 total = 0;
    qint64 keys = 0;
    for (auto _ : state) {
        for (qsizetype typed = 1; typed <= query.size(); ++typed) {
            QElapsedTimer key;
            key.start();
            edtFind->setText(query.left(typed));
            QCoreApplication::processEvents();
            lstFonts->viewport()->repaint();
            lblFonts->repaint();
            slowest = std::max(slowest, key.nsecsElapsed());
            total += key.nsecsElapsed();
            ++keys;
        }
        state.PauseTiming();
        if (lblFonts->text() == unfiltered)
            state.SkipWithError("the list was not filtered");
        edtFind->clear();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["key_ms"] = keys > 0 ? double(total) / double(keys) / 1e6 : 0.0;
    state.counters["slowest_key_ms"] = double(slowest) / 1e6;
    state.counters["families"] = frmMain.catalogue().FontCount();
    state.SetLabel(query.left(30).toStdString());
}
BENCHMARK(BM_TypingInWindow)->Arg(1)->Arg(3)->Arg(4)->Arg(5)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The window's saved settings go to a scratch folder, not the user's.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication app(argc, argv);
    LinuxFontService machine;
    fonts = &machine;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
