#include "printing/FullPageSample.h"

#include "platform/AnsiCodePage.h"
#include "platform/Canvas.h"
#include "platform/PrinterService.h"
#include "printing/PageLayout.h"
#include "printing/PrintHost.h"
#include "printing/PrintState.h"
#include "printing/SheetContext.h"

#include <QStringList>

#include <array>

namespace {

struct SizeLine {
    int points;
    long double top;  // inches
};

constexpr std::array<SizeLine, 12> SizeLines{{{8, 0.7L},
                                              {9, 0.87L},
                                              {10, 1.05L},
                                              {11, 1.25L},
                                              {12, 1.47L},
                                              {14, 1.7L},
                                              {16, 1.95L},
                                              {18, 2.25L},
                                              {24, 2.57L},
                                              {36, 3.0L},
                                              {48, 3.6L},
                                              {60, 4.4L}}};

struct StyleBlock {
    const char* label;
    bool bold;
    bool italic;
};

constexpr std::array<StyleBlock, 4> StyleBlocks{{{"Normal", false, false},
                                                 {"Bold", true, false},
                                                 {"Italic", false, true},
                                                 {"Bold Italic", true, true}}};

struct CodeRange {
    int first;
    int last;
};

constexpr std::array<CodeRange, 4> ExtendedLines{{{127, 158}, {159, 190}, {191, 222}, {223, 255}}};

}  // namespace

void PrintFullPage(Canvas& canvas, const PageLayout& layout, const QString& headingFont,
                   const QString& heading, const Specimen& family, const QStringList& sizeLines,
                   const QStringList& chartLines)
{
    // The page shows every style itself: the style boxes do not apply.
    const Specimen regular = family.styled(false, false);
    PrintFamilyHeading(canvas, layout, headingFont, heading);
    const int x = layout.X(0.6L);

    for (std::size_t i = 0; i < SizeLines.size(); ++i) {
        canvas.setFont(regular.sized(SizeLines[i].points));
        canvas.textOut(x, layout.Y(SizeLines[i].top), sizeLines.value(qsizetype(i)));
    }

    int y = layout.Y(5.5L);
    for (const StyleBlock& block : StyleBlocks) {
        canvas.setFont({headingFont, 11});
        canvas.textOut(x, y, QLatin1String(block.label));
        y += layout.Y(0.17L);
        canvas.setFont(family.styled(block.bold, block.italic).sized(12));
        for (const QString& line : chartLines) {
            canvas.textOut(x, y, line);
            y += layout.Y(0.2L);
        }
        y += layout.Y(0.1L);
    }

    canvas.setFont({headingFont, 11});
    canvas.textOut(x, y, QStringLiteral("Extended Characters"));
    canvas.setFont(regular.sized(12));
    const bool symbol = canvas.symbolFont();
    for (std::size_t i = 0; i < ExtendedLines.size(); ++i) {
        y += i == 0 ? layout.Y(0.2L) : layout.Y(0.23L);
        QString line;
        for (int code = ExtendedLines[i].first; code <= ExtendedLines[i].last; ++code) {
            line += fontChar(static_cast<unsigned char>(code), symbol);
            line += u' ';
        }
        canvas.textOut(x, y, line);
    }
}

void PrintFullPages(SheetContext& context)
{
    const PageLayout layout = context.layout();
    const QStringList chartLines = context.host.chartLines();
    context.walkFamilies(QStringLiteral("Full Pages Printed: 0"),
                         QStringLiteral("Full Pages Printed: %1"), [&](const Specimen& family) {
                             if (!context.printer.docOpen())
                                 context.printer.beginDoc();
                             PrintFullPage(context.printer.canvas(), layout,
                                           context.host.headingFontName(),
                                           family.face + context.state.StyleSuffix, family,
                                           context.host.sizeLineTexts(), chartLines);
                             context.printer.endDoc();
                         });
}
