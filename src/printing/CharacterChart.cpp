#include "printing/CharacterChart.h"

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

}  // namespace

void PrintCharacterChart(Canvas& canvas, const PageLayout& layout, const QString& headingFont,
                         const QString& heading, const QString& family, bool bold, bool italic)
{
    PrintFamilyHeading(canvas, layout, headingFont, heading);

    int y = layout.Y(0.6L);
    for (int row = FirstCode; row <= LastCode; row += Columns) {
        y += layout.Y(0.4L);
        canvas.setFont(headingFont, 7, false, false);
        int x = layout.X(0.25L);
        for (int code = row; code < row + Columns; ++code) {
            x += layout.X(0.5L);
            if (code <= LastCode)
                canvas.textOut(x, y, labelOf(code));
        }

        canvas.setFont(family, 16, bold, italic);
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
                         QStringLiteral("Character Charts Printed: %1"), [&](const QString& family) {
                             if (!context.printer.docOpen())
                                 context.printer.beginDoc();
                             const PrintOptions now = context.host.options();
                             PrintCharacterChart(context.printer.canvas(), layout,
                                                 context.host.headingFontName(),
                                                 family + context.state.StyleSuffix, family,
                                                 now.bold, now.italic);
                             context.printer.endDoc();
                         });
}
