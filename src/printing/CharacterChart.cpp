#include "printing/CharacterChart.h"

#include "catalogue/CharacterCoverage.h"
#include "platform/AnsiCodePage.h"
#include "platform/Canvas.h"
#include "platform/PrinterService.h"
#include "printing/PageLayout.h"
#include "printing/PrintHost.h"
#include "printing/PrintState.h"
#include "printing/SheetContext.h"

namespace {

constexpr int FirstCode = 33;
constexpr int LastCode = 255;
constexpr int Columns = 14;

// Printable ASCII codes show their character beside the number; above that
// the label font may not have the character, so the number stands alone.
QString labelOf(int code)
{
    if (code <= 126)
        return QString::number(code) + u' ' + QChar(char16_t(code));
    return QString::number(code);
}

constexpr int BlockColumns = 16;

QString hexLabel(char32_t code)
{
    return QStringLiteral("%1").arg(uint(code), 4, 16, QLatin1Char('0')).toUpper();
}

}  // namespace

void PrintAllCharacters(SheetContext& context, const CharacterCoverage& coverage,
                        const QString& heading, const Specimen& family)
{
    PrinterService& printer = context.printer;
    const PageLayout layout = context.layout();
    const QString headingFont = context.host.headingFontName();
    const int rowHeight = layout.Y(0.4L) + layout.Y(0.15L);
    const int top = layout.Y(0.6L);
    // As deep as the chart of the code page: sixteen rows.
    const int bottom = top + 16 * rowHeight;
    int y = top;
    const auto startPage = [&] {
        if (!printer.docOpen())
            printer.beginDoc();
        PrintFamilyHeading(printer.canvas(), layout, headingFont, heading);
        y = top;
    };
    startPage();
    for (const CharacterBlock& block : coverage.blocks()) {
        bool headed = false;
        for (char32_t row = block.first; row <= block.last; row += BlockColumns) {
            bool any = false;
            for (char32_t code = row; code < row + BlockColumns && !any; ++code)
                any = coverage.has(code);
            if (!any)
                continue;
            if (y + (headed ? 0 : layout.Y(0.4L)) + rowHeight > bottom) {
                printer.endDoc();
                // A family of many pages hears Cancel between them.
                context.host.processEvents();
                if (context.state.PrintCancelled)
                    return;
                startPage();
                headed = false;
            }
            Canvas& canvas = printer.canvas();
            if (!headed) {
                y += layout.Y(0.4L);
                canvas.setFont({headingFont, 9, true});
                canvas.textOut(layout.X(0.75L), y, block.title());
                headed = true;
            }
            y += layout.Y(0.4L);
            canvas.setFont({headingFont, 7});
            for (int k = 0; k < BlockColumns; ++k) {
                if (coverage.has(row + char32_t(k)))
                    canvas.textOut(layout.X(0.25L) + (k + 1) * layout.X(0.43L), y, hexLabel(row + char32_t(k)));
            }
            canvas.setFont(family.sized(16));
            y += layout.Y(0.15L);
            for (int k = 0; k < BlockColumns; ++k) {
                const char32_t code = row + char32_t(k);
                if (coverage.has(code))
                    canvas.textOut(layout.X(0.28L) + (k + 1) * layout.X(0.43L), y, QString::fromUcs4(&code, 1));
            }
        }
    }
    printer.endDoc();
}

void PrintCharacterChart(Canvas& canvas, const PageLayout& layout, const QString& headingFont,
                         const QString& heading, const Specimen& family)
{
    PrintFamilyHeading(canvas, layout, headingFont, heading);

    int y = layout.Y(0.6L);
    for (int row = FirstCode; row <= LastCode; row += Columns) {
        y += layout.Y(0.4L);
        canvas.setFont({headingFont, 7});
        int x = layout.X(0.25L);
        for (int code = row; code < row + Columns; ++code) {
            x += layout.X(0.5L);
            if (code <= LastCode)
                canvas.textOut(x, y, labelOf(code));
        }

        canvas.setFont(family.sized(16));
        const bool symbol = canvas.symbolFont();
        y += layout.Y(0.15L);
        x = layout.X(0.28L);
        for (int code = row; code < row + Columns; ++code) {
            x += layout.X(0.5L);
            if (code <= LastCode)
                canvas.textOut(x, y, QString(fontChar(static_cast<unsigned char>(code), symbol)));
        }
    }
}

void PrintCharacterCharts(SheetContext& context)
{
    const PageLayout layout = context.layout();
    context.walkFamilies(QStringLiteral("Character Charts Printed: 0"),
                         QStringLiteral("Character Charts Printed: %1"), [&](const Specimen& family) {
                             if (!context.printer.docOpen())
                                 context.printer.beginDoc();
                             const QString heading = family.face + context.state.StyleSuffix;
                             if (context.host.options().allChars) {
                                 // A family whose characters are unknown, such as a
                                 // printer's own, gets the code page's chart.
                                 const CharacterCoverage coverage =
                                     context.host.characterCoverage(family.face);
                                 if (!coverage.blocks().isEmpty()) {
                                     PrintAllCharacters(context, coverage, heading, family);
                                     return;
                                 }
                             }
                             PrintCharacterChart(context.printer.canvas(), layout,
                                                 context.host.headingFontName(), heading, family);
                             context.printer.endDoc();
                         });
}
