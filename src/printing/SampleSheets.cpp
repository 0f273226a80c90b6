#include "printing/SampleSheets.h"

#include "platform/Canvas.h"
#include "platform/PrinterService.h"
#include "printing/PrintHost.h"
#include "printing/PrintState.h"
#include "printing/SheetContext.h"

namespace {

const QString zeroText = QStringLiteral("Samples Printed: 0");
const QString runningText = QStringLiteral("Samples Printed: %1");

SampleHeading headingFor(SheetContext& context, const PrintOptions& options)
{
    return {context.host.headingFontName(), context.host.sampleTitle(),
            context.state.StyleSuffix, static_cast<float>(options.sampleSize)};
}

void startPage(PrinterService& printer, const PageLayout& layout, const SampleHeading& heading,
               int& x, int& y)
{
    printer.endDoc();
    printer.beginDoc();
    PrintSampleHeading(printer.canvas(), layout, heading, x, y);
}

// Drops characters from the end until the text fits; never splits a surrogate pair.
QString cutToWidth(Canvas& canvas, QString text, int width)
{
    while (!text.isEmpty() && canvas.textWidth(text) > width) {
        text.chop(1);
        if (!text.isEmpty() && text.back().isHighSurrogate())
            text.chop(1);
    }
    return text;
}

}  // namespace

SampleBlockMetrics SampleBlockMetrics::forSize(const PageLayout& layout, float sampleSize)
{
    const long double s = sampleSize;
    const long double dpiY = layout.dpiY();
    SampleBlockMetrics m;
    m.lineStep = roundHalfEven((s + 3.5L) / 72 * dpiY);
    m.nameLine = layout.Y(0.17L);
    m.gap = layout.Y(0.1L);
    m.pageLimit = roundHalfEven(10.5L * dpiY - (s + 3.5L) * 3 / 72 * dpiY - 0.17L * dpiY);
    return m;
}

OneLineMetrics OneLineMetrics::forSize(const PageLayout& layout, float sampleSize)
{
    const long double s = sampleSize;
    const long double dpiY = layout.dpiY();
    OneLineMetrics m;
    m.entryStep = roundHalfEven(((s + 3.5L) / 72 + 0.1L) * dpiY);
    m.columnLimit = roundHalfEven(10.5L * dpiY - (s + 3.5L) / 72 * dpiY - 0.17L * dpiY);
    return m;
}

void PrintSampleBlock(PrinterService& printer, const PageLayout& layout,
                      const SampleHeading& heading, int& x, int& y, const QString& nameLine,
                      const Specimen& sample, const QStringList& chartLines,
                      const SampleBlockMetrics& metrics)
{
    Canvas& canvas = printer.canvas();
    canvas.setFont({heading.headingFont, 10});
    canvas.textOut(x, y, nameLine);
    y += metrics.nameLine;

    canvas.setFont(sample.sized(heading.sampleSize));
    for (const QString& line : chartLines) {
        canvas.textOut(x, y, line);
        y += metrics.lineStep;
    }
    y += metrics.gap;

    if (y > metrics.pageLimit)
        startPage(printer, layout, heading, x, y);
}

void PrintThreeLineSamples(SheetContext& context)
{
    const PageLayout layout = context.layout();
    const PrintOptions options = context.host.options();
    const SampleHeading heading = headingFor(context, options);
    const SampleBlockMetrics metrics = SampleBlockMetrics::forSize(layout, heading.sampleSize);
    const QStringList chartLines = context.host.chartLines();

    // The first kind of a job: no document is open yet.
    context.printer.beginDoc();
    int x = 0;
    int y = 0;
    PrintSampleHeading(context.printer.canvas(), layout, heading, x, y);
    context.walkFamilies(zeroText, runningText, [&](const Specimen& family) {
        PrintSampleBlock(context.printer, layout, heading, x, y, family.face, family, chartLines,
                         metrics);
    });
    if (context.printer.docOpen())
        context.printer.endDoc();
}

void PrintOneLineSamples(SheetContext& context)
{
    const PageLayout layout = context.layout();
    const PrintOptions options = context.host.options();
    const SampleHeading heading = headingFor(context, options);

    QStringList families;
    for (int i = 0; i < context.host.fontCount(); ++i) {
        if (context.host.fontSelected(i))
            families.append(context.host.fontName(i));
    }
    const OneLineMetrics metrics = OneLineMetrics::forSize(layout, heading.sampleSize);

    if (!context.printer.docOpen())
        context.printer.beginDoc();
    int x = 0;
    int y = 0;
    PrintSampleHeading(context.printer.canvas(), layout, heading, x, y);
    int column = 1;
    context.walkFamilies(zeroText, runningText, families, [&](const Specimen& family) {
        Canvas& canvas = context.printer.canvas();
        canvas.setFont({heading.headingFont, 10});
        x = column == 1 ? layout.X(0.6L) : layout.X(4.4L);
        canvas.textOut(x, y, family.face);
        y += layout.Y(0.17L);

        canvas.setFont(family.sized(heading.sampleSize));
        canvas.textOut(x, y, cutToWidth(canvas, context.host.sampleText(), layout.X(3.5L)));
        y += metrics.entryStep;

        if (y > metrics.columnLimit) {
            if (column == 2) {
                startPage(context.printer, layout, heading, x, y);
                column = 1;
            } else {
                column = 2;
                y = layout.Y(0.8L);
            }
        }
    });
    if (context.printer.docOpen())
        context.printer.endDoc();
}
