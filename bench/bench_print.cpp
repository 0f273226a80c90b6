// Sheets for every family of the machine, printed to a PDF file: pages per
// second and seconds per family, for every kind of sheet, and the process's
// peak memory. A run also tells the processor time per family and the peak
// after its first 1,000 families and over its last 1,000, so that a cost
// that grows with the families printed shows within one run.
// The files stay in the temporary folder for a look.
//   GLYPHARY_BENCH_FAMILIES=N  prints the first N families only, so that a large
//                              set can be measured on a slice
//   GLYPHARY_BENCH_RUNS=N      print runs per kind (3); one run of one kind per
//                              process (--benchmark_filter) gives its honest peak
//   GLYPHARY_BENCH_PRINTER=Q   prints to the CUPS queue Q instead of a PDF file
#include "SilentServices.h"
#include "platform/linux/LinuxFontService.h"
#include "platform/linux/LinuxPrinterService.h"
#include "platform/linux/UnicodeBlocksFile.h"
#include "printing/PrintHost.h"
#include "printing/PrintJob.h"
#include "printing/PrintState.h"

#include "peak_memory.h"

#include <QApplication>
#include <QDir>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <ctime>

namespace {

PeakMemory* memory = nullptr;

int fromEnvironment(const char* name, int fallback)
{
    const char* value = std::getenv(name);
    return value && *value ? std::atoi(value) : fallback;
}

// Processor time rather than wall time: the machine may be shared.
double cpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

constexpr int slice = 1000;

// Processor time at the start of the run, after its first slice of families,
// at the start of its last slice and of its last family (what follows it is
// mostly the ending of the file); the peak memory after the first slice.
struct Marks {
    double start = 0;
    double firstSlice = -1;
    double lastSliceStart = -1;
    double lastFamily = -1;
    double firstSlicePeakMb = 0;
};

class EveryFamily : public PrintHost {
public:
    EveryFamily(QStringList families, FontService& fonts)
        : families_(std::move(families)), fonts_(fonts)
    {
    }
    int fontCount() override { return int(families_.size()); }
    QString fontName(int index) override { return families_.at(index); }
    bool fontSelected(int) override { return true; }
    int selectedCount() override { return int(families_.size()); }
    PrintOptions options() override { return options_; }
    // The program's default, which few Linux machines have under that name.
    QString headingFontName() override { return QStringLiteral("Arial"); }
    QString sampleText() override { return QStringLiteral("The quick brown fox jumps over the lazy dog."); }
    QString sampleTitle() override { return QStringLiteral("Every family"); }
    QString paragraphText() override { return sampleText().repeated(8); }
    QStringList sizeLineTexts() override { return QStringList(12, sampleText()); }
    QStringList chartLines() override
    {
        return {QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ"),
                QStringLiteral("abcdefghijklmnopqrstuvwxyz1234567890!@#$%^&*()-+=[]{}/:;\",.?"), sampleText()};
    }
    // Called before each family is drawn.
    void processEvents() override
    {
        QCoreApplication::processEvents();
        const int drawn = pumps_++;
        if (drawn == 0)
            marks_.start = cpuSeconds();
        if (drawn == slice) {
            marks_.firstSlice = cpuSeconds();
            marks_.firstSlicePeakMb = memory->peakMb();
        }
        if (drawn == fontCount() - slice)
            marks_.lastSliceStart = cpuSeconds();
        if (drawn == fontCount() - 1)
            marks_.lastFamily = cpuSeconds();
    }
    void startRun()
    {
        pumps_ = 0;
        marks_ = {};
    }
    const Marks& marks() const { return marks_; }
    void refillFontList() override {}
    CharacterCoverage characterCoverage(const QString& family) override
    {
        return {fonts_.characterCoverage(family), blockNames_};
    }

    PrintOptions options_;

private:
    QStringList families_;
    int pumps_ = 0;
    Marks marks_;
    FontService& fonts_;
    const UnicodeBlockNames blockNames_ = readUnicodeBlocks(UnicodeBlocksPath);
};

struct Kind {
    const char* file;
    void (*choose)(PrintOptions&);
    int familiesPerPage;  // 0: a page for each family
};

void printEveryFamily(benchmark::State& state, const Kind& kind)
{
    LinuxFontService fonts;
    LinuxPrinterService printer(fonts);
    const QString queue = QString::fromLocal8Bit(qgetenv("GLYPHARY_BENCH_PRINTER"));
    if (queue.isEmpty()) {
        printer.setCurrentIndex(int(printer.printers().indexOf(LinuxPrinterService::pdfPrinterName())));
        printer.setPdfFileName(QDir::temp().filePath(QLatin1String(kind.file)));
    } else {
        printer.choosePrinter(queue);
    }
    QStringList families = fonts.scalableFamilies();
    families.sort(Qt::CaseInsensitive);
    if (const int limit = fromEnvironment("GLYPHARY_BENCH_FAMILIES", -1);
        limit >= 0 && limit < families.size())
        families.resize(limit);
    EveryFamily host(families, fonts);
    kind.choose(host.options_);
    NoProgress progress;
    NoMessages messages;
    PrintState printState;
    PrintJob job(printer, messages, host, progress, printState);

    double cpu = 0;
    double firstSlice = 0;
    double lastSlice = 0;
    double ending = 0;
    for (auto _ : state) {
        host.startRun();
        job.print();
        const double end = cpuSeconds();
        const Marks& marks = host.marks();
        cpu += end - marks.start;
        if (marks.firstSlice >= 0)
            firstSlice += marks.firstSlice - marks.start;
        if (marks.lastSliceStart >= 0)
            lastSlice += end - marks.lastSliceStart;
        if (marks.lastFamily >= 0)
            ending += end - marks.lastFamily;
    }

    const double pages = kind.familiesPerPage == 0 ? double(families.size())
                                                   : double(families.size() / kind.familiesPerPage + 1);
    state.counters["families"] = double(families.size());
    state.counters["pages/s"] = benchmark::Counter(pages, benchmark::Counter::kIsIterationInvariantRate);
    state.counters["s/family"] = benchmark::Counter(double(families.size()),
                                                    benchmark::Counter::kIsIterationInvariantRate
                                                        | benchmark::Counter::kInvert);
    const double runs = double(state.iterations());
    state.counters["cpu ms/family"] = cpu / runs / double(families.size()) * 1000;
    state.counters["cpu s last family to end"] = ending / runs;
    if (families.size() >= 2 * slice) {
        state.counters["cpu ms/family first 1k"] = firstSlice / runs / slice * 1000;
        state.counters["cpu ms/family last 1k"] = lastSlice / runs / slice * 1000;
        state.counters["peak MB after 1k"] = host.marks().firstSlicePeakMb;
    }
    state.counters["peak MB"] = memory->peakMb();
    state.counters["anon MB"] = memory->anonMb();
    state.counters["file MB"] = memory->fileMb();
}

void BM_ThreeLineSheets(benchmark::State& state)
{
    printEveryFamily(state, {"glyphary-bench-3-line.pdf", [](PrintOptions& o) { o.sample = true; }, 11});
}

void BM_OneLineSheets(benchmark::State& state)
{
    printEveryFamily(state, {"glyphary-bench-1-line.pdf", [](PrintOptions& o) { o.shortSample = true; }, 40});
}

void BM_CharacterCharts(benchmark::State& state)
{
    printEveryFamily(state, {"glyphary-bench-charts.pdf", [](PrintOptions& o) { o.charChart = true; }, 0});
}

void BM_FullPages(benchmark::State& state)
{
    printEveryFamily(state, {"glyphary-bench-full-pages.pdf", [](PrintOptions& o) { o.fullPage = true; }, 0});
}

void BM_Paragraphs(benchmark::State& state)
{
    printEveryFamily(state, {"glyphary-bench-paragraphs.pdf",
                             [](PrintOptions& o) {
                                 o.para = true;
                                 o.paraSizes[0] = o.paraSizes[6] = o.paraSizes[12] = true;
                             },
                             0});
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    PeakMemory peak;
    memory = &peak;
    const int runs = fromEnvironment("GLYPHARY_BENCH_RUNS", 3);
    for (const auto& [name, kind] : {std::pair{"BM_ThreeLineSheets", &BM_ThreeLineSheets},
                                     std::pair{"BM_OneLineSheets", &BM_OneLineSheets},
                                     std::pair{"BM_CharacterCharts", &BM_CharacterCharts},
                                     std::pair{"BM_FullPages", &BM_FullPages},
                                     std::pair{"BM_Paragraphs", &BM_Paragraphs}})
        benchmark::RegisterBenchmark(name, kind)->Unit(benchmark::kSecond)->Iterations(runs)->UseRealTime();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
