// The Font Map's Unicode blocks for a family of tens of thousands of
// characters (GLYPHARY_BENCH_FAMILY, Noto Sans CJK JP by default): the block
// list, the slowest find, showing the largest block in the real window, one
// scroll step of it, and the chart of all characters
// (GLYPHARY_BENCH_CHART_FAMILY, DejaVu Sans by default) in pages per second.
#include "SilentServices.h"
#include "RealPlatform.h"
#include "app/TfrmMain.h"
#include "catalogue/CharacterCoverage.h"
#include "catalogue/FontMap.h"
#include "printing/PrintHost.h"
#include "printing/PrintJob.h"
#include "printing/PrintState.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QListView>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>

#include <algorithm>

namespace {

QString family(const char* variable, const char* fallback)
{
    const QString value = qEnvironmentVariable(variable);
    return value.isEmpty() ? QString::fromLatin1(fallback) : value;
}

struct Window {
    QTemporaryDir dir;
    RealPlatform real{dir.path() + u'/'};
    TfrmMain frmMain{real.platform};
    QComboBox* chooser = nullptr;
    QTableWidget* grid = nullptr;
    int largest = 0;  // chooser index of the family's largest block

    Window()
    {
        frmMain.FormCreate();
        frmMain.show();
        QApplication::processEvents();
        const QString name = family("GLYPHARY_BENCH_FAMILY", "Noto Sans CJK JP");
        auto* list = frmMain.findChild<QListView*>(QStringLiteral("lstFonts"));
        const QModelIndexList hits =
            list->model()->match(list->model()->index(0, 0), Qt::DisplayRole, name, 1, Qt::MatchExactly);
        if (hits.isEmpty())
            qFatal("no family %s", qPrintable(name));
        list->setCurrentIndex(hits.first());
        auto* tabs = frmMain.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
        tabs->tabBar()->setCurrentIndex(tabs->indexOf(frmMain.findChild<QWidget*>(QStringLiteral("tabFontMap"))));
        chooser = frmMain.findChild<QComboBox*>(QStringLiteral("cboCharBlock"));
        grid = frmMain.findChild<QTableWidget*>(QStringLiteral("grdFontMap"));
        const CharacterCoverage coverage(real.fonts.characterCoverage(name), real.platform.blockNames);
        const auto& blocks = coverage.blocks();
        largest = 1 + int(std::max_element(blocks.begin(), blocks.end(),
                                           [](const auto& a, const auto& b) { return a.characters < b.characters; })
                          - blocks.begin());
    }
};

Window& window()
{
    static Window w;
    return w;
}

void BM_BlockList(benchmark::State& state)
{
    LinuxFontService fonts;
    const QString name = family("GLYPHARY_BENCH_FAMILY", "Noto Sans CJK JP");
    fonts.faces(name);  // the catalogue is the font list's, built before
    const UnicodeBlockNames names = readUnicodeBlocks(UnicodeBlocksPath);
    int characters = 0;
    for (auto _ : state) {
        const CharacterCoverage coverage(fonts.characterCoverage(name), names);
        QStringList titles;
        characters = 0;
        for (const CharacterBlock& block : coverage.blocks()) {
            titles << block.title();
            characters += block.characters;
        }
        benchmark::DoNotOptimize(titles);
    }
    state.counters["characters"] = characters;
}

// Unicode's block names, read once as the program starts.
void BM_ReadBlockNames(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(readUnicodeBlocks(UnicodeBlocksPath));
}

// A name that matches nothing reads every Unicode name twice: the worst find.
void BM_FindNoMatch(benchmark::State& state)
{
    const CharacterCoverage coverage;
    for (auto _ : state)
        benchmark::DoNotOptimize(coverage.find(QStringLiteral("no such name")));
}

// Choosing the largest block fills the grid with its cells.
void BM_ShowLargestBlock(benchmark::State& state)
{
    Window& w = window();
    int rows = 0;
    for (auto _ : state) {
        w.chooser->setCurrentIndex(w.largest);
        w.grid->viewport()->repaint();
        state.PauseTiming();
        rows = w.grid->rowCount();
        w.chooser->setCurrentIndex(0);
        state.ResumeTiming();
    }
    state.counters["cells"] = rows * FontMap::Columns;
}

// One step of the scroll bar and the paint that follows, over rows painted
// before; the first trip down the block is left out.
void BM_ScrollStep(benchmark::State& state)
{
    Window& w = window();
    w.chooser->setCurrentIndex(w.largest);
    QScrollBar* bar = w.grid->verticalScrollBar();
    const int steps = 40;
    for (int i = 0; i <= steps; ++i) {
        bar->setValue(i * bar->singleStep());
        w.grid->viewport()->repaint();
    }
    int step = 0;
    for (auto _ : state) {
        bar->setValue((step++ % steps) * bar->singleStep());
        w.grid->viewport()->repaint();
    }
    state.counters["rows"] = w.grid->rowCount();
}

class OneFamily : public PrintHost {
public:
    OneFamily(QString family, FontService& fonts) : family_(std::move(family)), fonts_(fonts) {}
    int fontCount() override { return 1; }
    QString fontName(int) override { return family_; }
    bool fontSelected(int) override { return true; }
    int selectedCount() override { return 1; }
    PrintOptions options() override
    {
        PrintOptions o;
        o.charChart = true;
        o.allChars = true;
        return o;
    }
    QString headingFontName() override { return QStringLiteral("DejaVu Sans"); }
    QString sampleText() override { return {}; }
    QString sampleTitle() override { return {}; }
    QStringList chartLines() override { return {}; }
    QString paragraphText() override { return {}; }
    QStringList sizeLineTexts() override { return {}; }
    CharacterCoverage characterCoverage(const QString& family) override
    {
        return {fonts_.characterCoverage(family), blockNames_};
    }
    void processEvents() override { QCoreApplication::processEvents(); }
    void refillFontList() override {}

private:
    QString family_;
    FontService& fonts_;
    const UnicodeBlockNames blockNames_ = readUnicodeBlocks(UnicodeBlocksPath);
};

// Counts the pages as the job ends them.
class CountingPrinter : public LinuxPrinterService {
public:
    using LinuxPrinterService::LinuxPrinterService;
    void endDoc() override
    {
        LinuxPrinterService::endDoc();
        ++pages;
    }
    int pages = 0;
};

void BM_AllCharactersChart(benchmark::State& state)
{
    LinuxFontService fonts;
    CountingPrinter printer(fonts);
    printer.setCurrentIndex(int(printer.printers().indexOf(LinuxPrinterService::pdfPrinterName())));
    printer.setPdfFileName(QDir::temp().filePath(QStringLiteral("glyphary-bench-all-characters.pdf")));
    OneFamily host(family("GLYPHARY_BENCH_CHART_FAMILY", "DejaVu Sans"), fonts);
    NoProgress progress;
    NoMessages messages;
    PrintState printState;
    PrintJob job(printer, messages, host, progress, printState);
    for (auto _ : state)
        job.print();
    state.counters["pages"] = double(printer.pages) / double(state.iterations());
    state.counters["pages/s"] = benchmark::Counter(printer.pages, benchmark::Counter::kIsRate);
}

}  // namespace

BENCHMARK(BM_BlockList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadBlockNames)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FindNoMatch)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShowLargestBlock)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_ScrollStep)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AllCharactersChart)->Unit(benchmark::kMillisecond)->Iterations(3);

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
