// Drawing a variable font at axis positions that change with every step, as a
// slider drag does. The font is GLYPHARY_BENCH_VARIABLE_FILE (a .ttf; the
// npm registry's @fontsource-variable packages hold real ones as WOFF2, which
// woff2_decompress turns into one), its axis GLYPHARY_BENCH_AXIS, else wght.
#include "catalogue/SelectedFontsPainter.h"
#include "peak_memory.h"
#include "platform/linux/LinuxFontService.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

const QString Sample = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ\nabcdefghijklmnopqrstuvwxyz1234567890\n"
                                      "The quick brown fox jumps over the lazy dog.");

QString variableFile() { return QString::fromLocal8Bit(qgetenv("GLYPHARY_BENCH_VARIABLE_FILE")); }

QString axisTag()
{
    const QString tag = QString::fromLocal8Bit(qgetenv("GLYPHARY_BENCH_AXIS"));
    return tag.isEmpty() ? QStringLiteral("wght") : tag;
}

// Every step a position not drawn before: the worst a drag can do.
double position(int step) { return 100 + (step * 7.3) - 800 * ((step * 73) / 8000); }

void draw(QPainter& painter, const QFont& font, int y)
{
    painter.setFont(font);
    painter.drawText(QRect(0, y, 1200, 200), Qt::TextWordWrap, Sample);
}

void BM_SliderStep(benchmark::State& state)
{
    if (variableFile().isEmpty()) {
        state.SkipWithError("set GLYPHARY_BENCH_VARIABLE_FILE");
        return;
    }
    LinuxFontService fonts;
    fonts.addFontFile(variableFile());
    QImage image(1200, 200, QImage::Format_ARGB32_Premultiplied);
    PeakMemory memory;
    int step = 0;
    for (auto _ : state) {
        Specimen specimen(variableFile(), 12);
        specimen.variations.axes[axisTag()] = position(step++);
        QPainter painter(&image);
        draw(painter, fonts.makeFont(specimen), 0);
    }
    state.counters["steps"] = step;
    state.counters["peak MB"] = memory.peakMb();
}
BENCHMARK(BM_SliderStep)->Unit(benchmark::kMillisecond);

// The same step over a hundred families, as Show All draws them all.
void BM_ShowAllStep(benchmark::State& state)
{
    if (variableFile().isEmpty()) {
        state.SkipWithError("set GLYPHARY_BENCH_VARIABLE_FILE");
        return;
    }
    QTemporaryDir dir;
    LinuxFontService fonts;
    QStringList copies;
    for (int i = 0; i < 100; ++i) {
        copies << dir.filePath(QStringLiteral("copy%1.ttf").arg(i));
        QFile::copy(variableFile(), copies.last());
        fonts.addFontFile(copies.last());
    }
    // The page as Show All paints it: a hundred headings and sample lines.
    SelectedFontsPainter::Page page;
    page.families = copies;
    page.headingFontName = QStringLiteral("DejaVu Sans");
    page.sampleText = QStringLiteral("The quick brown fox jumps over the lazy dog.");
    const int height = SelectedFontsPainter::height(page.dpi, page.pointSize, copies.size());
    QImage image(1200, height, QImage::Format_ARGB32_Premultiplied);
    PeakMemory memory;
    int step = 0;
    for (auto _ : state) {
        page.variations.axes[axisTag()] = position(step++);
        QPainter painter(&image);
        SelectedFontsPainter(fonts).paint(painter, image.rect(), page);
    }
    state.counters["peak MB"] = memory.peakMb();
}
BENCHMARK(BM_ShowAllStep)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
