#pragma once

#include "platform/FontService.h"

#include <QFont>
#include <QRect>
#include <QString>
#include <QStringList>

#include <utility>

class QPainter;

// The Show All Selected page: every drawn family under a small heading with its
// name, one under another. Only the families that meet the painted area are
// drawn, so scrolling through thousands of families stays smooth; the height
// follows from the count alone and needs no font.
class SelectedFontsPainter {
public:
    struct Page {
        QStringList families;  // the families to draw, in list order
        QString headingFontName;
        QString sampleText;
        bool bold = false;
        bool italic = false;
        FontVariations variations;
        int pointSize = 12;
        int dpi = 96;
    };

    static constexpr int Margin = 5;
    static constexpr int HeadingPointSize = 9;

    explicit SelectedFontsPainter(FontService& fonts) : fonts_(fonts) {}

    // 10.5 points and 130 % of the sample size, in pixels, halves to even.
    static int headingStep(int dpi);
    static int lineStep(int dpi, int pointSize);
    static int height(int dpi, int pointSize, qsizetype familyCount);

    // The first and last entry drawn for area: one more on either side, since
    // glyphs may reach beyond their own lines. first > last when none is.
    static std::pair<qsizetype, qsizetype> entriesFor(const QRect& area, const Page& page);
    // The font of a family's sample line.
    QFont sampleFont(const Page& page, const QString& family) const;
    // The family's sample line drawn from its outlines, where the page's axes
    // move its face: a drag then redraws a hundred families at once.
    std::optional<FontService::OutlinedLine> outlinedSample(const Page& page,
                                                            const QString& family) const;

    // Draws the families that meet area and returns the height of the whole page.
    int paint(QPainter& painter, const QRect& area, const Page& page);

private:
    FontService& fonts_;
};
