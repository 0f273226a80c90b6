#include "catalogue/SelectedFontsPainter.h"

#include "platform/FontService.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <limits>

namespace {

// numerator / denominator to the nearest integer, halves to the even one;
// exact, where floating point would misplace some halves.
int roundHalfEven(qint64 numerator, qint64 denominator)
{
    qint64 q = numerator / denominator;
    const qint64 twiceRest = 2 * (numerator % denominator);
    if (twiceRest > denominator || (twiceRest == denominator && q % 2 != 0))
        ++q;
    return static_cast<int>(q);
}

int pixelSize(int pointSize, int dpi) { return std::max(1, roundHalfEven(qint64(pointSize) * dpi, 72)); }

QFont pixelFont(QFont font, int pointSize, int dpi)
{
    font.setPixelSize(pixelSize(pointSize, dpi));
    return font;
}

}  // namespace

int SelectedFontsPainter::headingStep(int dpi)
{
    return roundHalfEven(qint64(dpi) * 105, 720);
}

int SelectedFontsPainter::lineStep(int dpi, int pointSize)
{
    return roundHalfEven(qint64(dpi) * pointSize * 13, 720);
}

int SelectedFontsPainter::height(int dpi, int pointSize, qsizetype familyCount)
{
    const int heading = headingStep(dpi);
    const qint64 h = Margin + familyCount * (heading + lineStep(dpi, pointSize)) + heading;
    return static_cast<int>(std::min<qint64>(h, std::numeric_limits<int>::max()));
}

std::pair<qsizetype, qsizetype> SelectedFontsPainter::entriesFor(const QRect& area,
                                                                const Page& page)
{
    const int entry = headingStep(page.dpi) + lineStep(page.dpi, page.pointSize);
    if (page.families.isEmpty() || area.isEmpty())
        return {0, -1};
    // An area below the last entry, as when a smaller size shortens the page
    // under the view, gives first = count: one past the end, never further.
    const qsizetype count = page.families.size();
    return {std::clamp<qsizetype>((area.top() - Margin) / entry - 1, 0, count),
            std::min<qsizetype>(count - 1, (area.bottom() - Margin) / entry + 1)};
}

QFont SelectedFontsPainter::sampleFont(const Page& page, const QString& family) const
{
    return pixelFont(fonts_.makeFont({family, 0, page.bold, page.italic, page.variations}),
                     page.pointSize, page.dpi);
}

std::optional<FontService::OutlinedLine>
SelectedFontsPainter::outlinedSample(const Page& page, const QString& family) const
{
    if (page.variations.axes.isEmpty())
        return std::nullopt;
    return fonts_.outlinedLine({family, 0, page.bold, page.italic, page.variations},
                               page.sampleText, pixelSize(page.pointSize, page.dpi));
}

int SelectedFontsPainter::paint(QPainter& painter, const QRect& area, const Page& page)
{
    const auto [first, last] = entriesFor(area, page);
    if (first > last)
        return height(page.dpi, page.pointSize, page.families.size());

    const int heading = headingStep(page.dpi);
    const int entry = heading + lineStep(page.dpi, page.pointSize);
    const QFont headingFont =
        pixelFont(fonts_.makeFont({page.headingFontName, 0, true}), HeadingPointSize, page.dpi);
    const int headingAscent = QFontMetrics(headingFont).ascent();

    painter.save();
    for (qsizetype i = first; i <= last; ++i) {
        const int y = Margin + static_cast<int>(i) * entry;
        painter.setFont(headingFont);
        painter.drawText(Margin, y + headingAscent, page.families[i]);

        if (const auto line = outlinedSample(page, page.families[i])) {
            painter.setRenderHint(QPainter::Antialiasing);
            const QPointF origin(Margin, y + heading + line->ascent);
            for (const QPainterPath& glyph : line->glyphs)
                painter.fillPath(glyph.translated(origin), painter.pen().color());
            continue;
        }
        const QFont sample = sampleFont(page, page.families[i]);
        painter.setFont(sample);
        painter.drawText(Margin, y + heading + QFontMetrics(sample).ascent(), page.sampleText);
    }
    painter.restore();
    return height(page.dpi, page.pointSize, page.families.size());
}
