#include "printing/PageLayout.h"

#include "platform/Canvas.h"

#include <cmath>

int roundHalfEven(long double value)
{
    // The default rounding mode, to nearest, sends halves to the even neighbour.
    return static_cast<int>(std::nearbyintl(value));
}

PageLayout::PageLayout(int dpiX, int dpiY)
    : dpiX_(dpiX)
    , dpiY_(dpiY)
{
}

int PageLayout::X(long double inches) const
{
    return roundHalfEven(inches * dpiX_);
}

int PageLayout::Y(long double inches) const
{
    return roundHalfEven(inches * dpiY_);
}

void PrintSampleHeading(Canvas& canvas, const PageLayout& layout, const SampleHeading& heading,
                        int& x, int& y)
{
    x = layout.X(0.6L);
    y = layout.Y(0.45L);
    canvas.setFont({heading.headingFont, 10});
    canvas.textOut(x, y, heading.title);

    // The style and the axis settings, without the suffix's leading " - ".
    const QString right = heading.styleSuffix.mid(3)
        + QString::asprintf("   Size: %.0f points", static_cast<double>(heading.sampleSize));
    canvas.textOut(layout.X(7.5L) - canvas.textWidth(right), layout.Y(0.45L), right);

    canvas.setPenWidth(layout.penWidth());
    canvas.line(layout.X(0.6L), layout.Y(0.7L), layout.X(7.5L), layout.Y(0.7L));

    x = layout.X(0.6L);
    y = layout.Y(0.8L);
}

void PrintFamilyHeading(Canvas& canvas, const PageLayout& layout, const QString& headingFont,
                        const QString& text)
{
    canvas.setFont({headingFont, 12});
    const int width = canvas.textWidth(text);
    const int left = roundHalfEven(4.0L * layout.dpiX() - width / 2.0L);
    canvas.textOut(left, layout.Y(0.3L), text);

    canvas.setPenWidth(layout.penWidth());
    canvas.line(layout.X(0.6L), layout.Y(0.6L), layout.X(7.5L), layout.Y(0.6L));
}
