// Show All Selected with every family of the machine selected: the cost of a
// paint of the visible screenful, of scrolling by one screen, and, for
// comparison, of drawing the whole page as one pass would.
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

void BM_VisibleScreenful(benchmark::State& state)
{
    Fixture& f = fixture();
    const QRect area(0, f.pageHeight() / 2, ViewWidth, ViewHeight);
    f.paintAt(area);  // fonts loaded once, as on the screen
    for (auto _ : state)
        f.paintAt(area);
    state.counters["families"] = double(f.page.families.size());
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

void BM_WholePage(benchmark::State& state)
{
    Fixture& f = fixture();
    const QRect area(0, 0, ViewWidth, f.pageHeight());
    for (auto _ : state)
        f.paintAt(area);
}

}  // namespace

BENCHMARK(BM_VisibleScreenful)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScrollOneScreen)->Unit(benchmark::kMillisecond);
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
