#include "printing/SheetContext.h"

#include "platform/PrinterService.h"
#include "printing/PrintHost.h"
#include "printing/PrintProgress.h"
#include "printing/PrintState.h"

PageLayout SheetContext::layout() const
{
    return {state.PrinterDpiX, state.PrinterDpiY};
}

void SheetContext::walkFamilies(const QString& zeroText, const QString& runningText,
                                const DrawFamily& draw)
{
    walk(
        zeroText, runningText, [this] { return host.fontCount(); },
        [this](int i) { return host.fontSelected(i); }, [this](int i) { return host.fontName(i); },
        draw);
}

void SheetContext::walkFamilies(const QString& zeroText, const QString& runningText,
                                const QStringList& families, const DrawFamily& draw)
{
    walk(
        zeroText, runningText, [&families] { return int(families.size()); },
        [](int) { return true; }, [&families](int i) { return families.at(i); }, draw);
}

void SheetContext::walk(const QString& zeroText, const QString& runningText,
                        const std::function<int()>& count,
                        const std::function<bool(int)>& selected,
                        const std::function<QString(int)>& name, const DrawFamily& draw)
{
    progress.setPrintedCaption(zeroText);
    int counter = 0;
    // The count is read afresh: the list may be refilled while events are pumped.
    for (int i = 0; i < count(); ++i) {
        host.processEvents();
        if (i >= count())
            break;
        if (selected(i)) {
            ++counter;
            progress.setPrintedCaption(runningText.arg(counter));
            const PrintOptions now = host.options();
            draw({name(i), 0, now.bold, now.italic, now.variations});
        }
        // Counted before the cancel test: a cancel during the last family lets it finish.
        if (counter == host.selectedCount())
            break;
        if (state.PrintCancelled) {
            if (printer.docOpen())
                printer.abortDoc();
            break;
        }
    }
}
