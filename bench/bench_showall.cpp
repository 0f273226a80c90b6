// Show All Selected with every family of the machine selected: the cost of
// scrolling by one screen (the first time down the page and after), of a
// repaint of the visible screenful, and, for comparison, of drawing the whole
// page in one pass.
#include "catalogue/SelectedFontsPainter.h"
#include "platform/linux/LinuxFontService.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <memory>

namespace {

constexpr int ViewWidth = 677;
constexpr int ViewHeight = 400;

struct Fixture {
    LinuxFontService fonts;
    SelectedFontsPainter painter{fonts};
    SelectedFontsPainter::Page page;
    QImage image{ViewWidth, ViewHeight, QImage::Format_ARGB32_Premultiplied};

    Fixture()
    {
        page.families = fonts.screenFamilies();
        page.families.sort(Qt::CaseInsensitive);
        page.headingFontName = QStringLiteral("DejaVu Sans");
        page.sampleText = QStringLiteral("The quick brown fox jumps over the lazy dog.");
    }

    int pageHeight() const
    {
        return SelectedFontsPainter::height(page.dpi, page.pointSize, page.families.size());
    }

    // A paint of area, as the scroll box asks for it, onto a screenful.
    void paintAt(const QRect& area)
    {
        image.fill(Qt::white);
        QPainter p(&image);
        p.setClipRect(0, 0, ViewWidth, ViewHeight);
        p.translate(0, -area.top());
        benchmark::DoNotOptimize(painter.paint(p, area, page));
    }
};

Fixture& fixture()
{
    static Fixture f;
    return f;
}

// The first trip down the page loads every font file it meets.
void BM_FirstScrollDownThePage(benchmark::State& state)
{
    Fixture& f = fixture();
    int screens = 0;
    for (auto _ : state) {
        for (int top = 0; top < f.pageHeight(); top += ViewHeight, ++screens)
            f.paintAt(QRect(0, top, ViewWidth, ViewHeight));
    }
    state.counters["screens"] = screens;
    state.counters["families"] = double(f.page.families.size());
    state.counters["perScreen"] = benchmark::Counter(screens, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_ScrollOneScreen(benchmark::State& state)
{
    Fixture& f = fixture();
    int top = 0;
    for (auto _ : state) {
        f.paintAt(QRect(0, top, ViewWidth, ViewHeight));
        top += ViewHeight;
        if (top >= f.pageHeight())
            top = 0;
    }
}

void BM_VisibleScreenful(benchmark::State& state)
{
    Fixture& f = fixture();
    const QRect area(0, f.pageHeight() / 2, ViewWidth, ViewHeight);
    for (auto _ : state)
        f.paintAt(area);
}

void BM_WholePage(benchmark::State& state)
{
    Fixture& f = fixture();
    const QRect area(0, 0, ViewWidth, f.pageHeight());
    for (auto _ : state)
        f.paintAt(area);
}

}  // namespace

BENCHMARK(BM_FirstScrollDownThePage)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_ScrollOneScreen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VisibleScreenful)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WholePage)->Unit(benchmark::kMillisecond)->Iterations(3);

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
