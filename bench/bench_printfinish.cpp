// A large print as the window lives it: the longest stretch in which a 0-ms
// timer of the event loop could not fire, over the whole run and over its
// last stretch (up to the job's return, where the file is finished), with
// the time the file took to write once the dialog said so. The families are
// those whose names match the expression GLYPHARY_BENCH_MATCH, the Noto Sans
// CJK families unless set (Debian's fonts-noto-cjk has ten, five of them
// Mono), each charted with all its characters: 2,780 pages for the ten.
//   GLYPHARY_BENCH_RUNS=N  print runs (1)
#include "SilentServices.h"
#include "platform/linux/LinuxFontService.h"
#include "platform/linux/LinuxPrinterService.h"
#include "platform/linux/UnicodeBlocksFile.h"
#include "printing/PrintHost.h"
#include "printing/PrintJob.h"
#include "printing/PrintState.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>

namespace {

class MatchingFamilies : public PrintHost {
public:
    MatchingFamilies(QStringList families, FontService& fonts)
        : families_(std::move(families)), fonts_(fonts)
    {
        options_.charChart = true;
        options_.allChars = true;
    }
    int fontCount() override { return int(families_.size()); }
    QString fontName(int index) override { return families_.at(index); }
    bool fontSelected(int) override { return true; }
    int selectedCount() override { return int(families_.size()); }
    PrintOptions options() override { return options_; }
    QString headingFontName() override { return QStringLiteral("Arial"); }
    QString sampleText() override { return QStringLiteral("The quick brown fox jumps over the lazy dog."); }
    QString sampleTitle() override { return QStringLiteral("Large print"); }
    QString paragraphText() override { return sampleText(); }
    QStringList sizeLineTexts() override { return QStringList(12, sampleText()); }
    QStringList chartLines() override { return {sampleText(), sampleText(), sampleText()}; }
    void processEvents() override { QCoreApplication::processEvents(); }
    void refillFontList() override {}
    CharacterCoverage characterCoverage(const QString& family) override
    {
        return {fonts_.characterCoverage(family), blockNames_};
    }

private:
    QStringList families_;
    FontService& fonts_;
    PrintOptions options_;
    const UnicodeBlockNames blockNames_ = readUnicodeBlocks(UnicodeBlocksPath);
};

// Notes when the dialog says the file is being written.
class WritingProgress : public NoProgress {
public:
    void setPrintedCaption(const QString& text) override
    {
        if (text.startsWith(QStringLiteral("Writing")))
            writingAt = clock.elapsed();
    }
    QElapsedTimer clock;
    qint64 writingAt = -1;
};

void BM_LargePrintStalls(benchmark::State& state)
{
    QString match = QString::fromLocal8Bit(qgetenv("GLYPHARY_BENCH_MATCH"));
    if (match.isEmpty())
        match = QStringLiteral("^Noto Sans (Mono )?CJK");
    LinuxFontService fonts;
    QStringList families = fonts.scalableFamilies().filter(QRegularExpression(match));
    families.sort(Qt::CaseInsensitive);
    if (families.isEmpty()) {
        state.SkipWithError("no family matches GLYPHARY_BENCH_MATCH");
        return;
    }
    LinuxPrinterService printer(fonts);
    printer.setCurrentIndex(int(printer.printers().indexOf(LinuxPrinterService::pdfPrinterName())));
    printer.setPdfFileName(QDir::temp().filePath(QStringLiteral("glyphary-bench-large-print.pdf")));
    MatchingFamilies host(families, fonts);
    WritingProgress progress;
    NoMessages messages;
    PrintState printState;
    PrintJob job(printer, messages, host, progress, printState);

    qint64 longest = 0;
    qint64 last = 0;
    qint64 writing = 0;
    for (auto _ : state) {
        progress.clock.start();
        progress.writingAt = -1;
        qint64 tick = 0;
        qint64 runLongest = 0;
        QTimer timer;
        QObject::connect(&timer, &QTimer::timeout, [&] {
            const qint64 now = progress.clock.elapsed();
            runLongest = std::max(runLongest, now - tick);
            tick = now;
        });
        timer.start(0);
        job.print();
        const qint64 end = progress.clock.elapsed();
        timer.stop();
        longest = std::max({longest, runLongest, end - tick});
        last = std::max(last, end - tick);
        if (progress.writingAt >= 0)
            writing = std::max(writing, end - progress.writingAt);
    }
    state.counters["families"] = double(families.size());
    state.counters["longest stall ms"] = double(longest);
    state.counters["stall at the end ms"] = double(last);
    state.counters["writing the file ms"] = double(writing);
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const char* runs = std::getenv("GLYPHARY_BENCH_RUNS");
    benchmark::RegisterBenchmark("BM_LargePrintStalls", BM_LargePrintStalls)
        ->Unit(benchmark::kSecond)
        ->Iterations(runs && *runs ? std::atoi(runs) : 1)
        ->UseRealTime();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
