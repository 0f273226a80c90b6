#include "fontfiles/PreviewPrintout.h"

#include "platform/PrinterService.h"
#include "printing/PageLayout.h"
#include "printing/PrintProgress.h"
#include "printing/PrintRun.h"
#include "printing/PrintState.h"
#include "printing/SampleSheets.h"

#include <QDir>
#include <QScopeGuard>

PreviewPrintout::PreviewPrintout(PrinterService& printer, PrintProgress& progress,
                                 PrintState& state)
    : printer_(printer)
    , progress_(progress)
    , state_(state)
{
}

bool PreviewPrintout::print(QList<FontFileItem> items, const QString& folder, const Page& page,
                            const Hooks& hooks)
{
    if (state_.JobRunning)
        return false;
    state_.JobRunning = true;
    const auto done = qScopeGuard([this] { state_.JobRunning = false; });

    progress_.setSelectedCaption(QStringLiteral("Fonts Selected: %1").arg(items.size()));
    progress_.setPrintedCaption(QStringLiteral("Samples Printed: 0"));
    progress_.showProgress();
    state_.PrintCancelled = false;

    printRun(printer_, progress_, state_, hooks.processEvents,
             [&] { printBlocks(items, folder, page, hooks); });
    return true;
}

void PreviewPrintout::printBlocks(const QList<FontFileItem>& items, const QString& folder,
                                  const Page& page, const Hooks& hooks)
{
    printer_.beginDoc();
    state_.PrinterDpiX = printer_.dpiX();
    state_.PrinterDpiY = printer_.dpiY();
    const PageLayout layout(state_.PrinterDpiX, state_.PrinterDpiY);
    const SampleBlockMetrics metrics = SampleBlockMetrics::forSize(layout, float(page.pointSize));
    // Each file's face carries its own style; the print options' Bold and
    // Italic, which the heading's style part reports, don't apply here.
    const SampleHeading heading{page.headingFont, page.title,
                                page.variations.axes.isEmpty()
                                    ? QString()
                                    : QStringLiteral(" - ") + page.variations.axesText(),
                                float(page.pointSize)};

    int x = 0;
    int y = 0;
    PrintSampleHeading(printer_.canvas(), layout, heading, x, y);
    hooks.startLoading(folder);

    int counter = 0;
    for (const FontFileItem& item : items) {
        hooks.processEvents();
        const QString loaded = hooks.loadFontFile(item);
        ++counter;
        progress_.setPrintedCaption(QStringLiteral("Samples Printed: %1").arg(counter));
        // The loaded file's path names its face: a name read from the file
        // may belong to another face or another installed font as well.
        PrintSampleBlock(printer_, layout, heading, x, y, item.first,
                         Specimen(loaded.isEmpty() ? QDir(folder).filePath(item.second.FileName)
                                                   : loaded,
                                  0, false, false, page.variations)
                             .inFace(item.second.FaceIndex),
                         page.chartLines, metrics);
        // Counted before the cancel test: a cancel during the last block lets it print.
        if (counter == items.size())
            break;
        if (state_.PrintCancelled) {
            if (printer_.docOpen())
                printer_.abortDoc();
            break;
        }
    }
}
