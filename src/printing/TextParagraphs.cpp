#include "printing/TextParagraphs.h"

#include "platform/Canvas.h"
#include "platform/PrinterService.h"
#include "printing/PageLayout.h"
#include "printing/PrintHost.h"
#include "printing/PrintState.h"
#include "printing/SheetContext.h"

#include <QLocale>
#include <QRect>

void PrintTextParagraphs(SheetContext& context)
{
    const PageLayout layout = context.layout();
    const int left = layout.X(0.6L);
    const int right = layout.X(7.5L);
    const int bottom = layout.Y(10.5L);
    const int gap = layout.dpiY() / 6;

    context.walkFamilies(QStringLiteral("Text Paragraphs Printed: 0"),
                         QStringLiteral("Text Paragraphs Printed: %1"), [&](const Specimen& family) {
        if (!context.printer.docOpen())
            context.printer.beginDoc();
        Canvas& canvas = context.printer.canvas();
        const QString headingFont = context.host.headingFontName();
        PrintFamilyHeading(canvas, layout, headingFont, family.face + context.state.StyleSuffix);

        // The text is printed as written: an ampersand is an ampersand here,
        // as on every other sheet.
        const QString text = context.host.paragraphText();
        int top = layout.Y(0.8L);
        const auto area = [&] { return QRect(left, top, right - left, bottom - top); };
        for (const ParagraphSize& size : context.state.ParagraphSizes) {
            if (!size.Checked)
                continue;
            canvas.setFont({headingFont, 11});
            top += canvas.drawText(area(), QLocale().toString(size.PointSize, 'f', 1)
                                               + QStringLiteral(" point"),
                                   false);
            canvas.setFont(family.styled(false, false).sized(size.PointSize));
            top += canvas.drawText(area(), text, true) + gap;
        }
        context.printer.endDoc();
    });
}
