#pragma once

#include "platform/PrinterService.h"
#include "printing/PrintProgress.h"
#include "printing/PrintState.h"

#include <QScopeGuard>

#include <functional>
#include <utility>

// The run's watch as the progress dialog and its Cancel button serve it.
class ProgressWatch : public RunWatch {
public:
    ProgressWatch(PrintProgress& progress, PrintState& state, std::function<void()> pump)
        : progress_(progress), state_(state), pump_(std::move(pump))
    {
    }
    void writingFile() override
    {
        // A Cancel the sheets heard has been obeyed; one from here on is the file's.
        state_.PrintCancelled = false;
        progress_.setPrintedCaption(QStringLiteral("Writing the file..."));
    }
    void pump() override { pump_(); }
    bool cancelled() override { return state_.PrintCancelled; }

private:
    PrintProgress& progress_;
    PrintState& state_;
    std::function<void()> pump_;
};

// One print run around draw, shared by the print job and the preview
// printout: an open document is ended, the progress dialog tells where a file
// went or hides; on an error the page in hand is dropped and whatever was
// ended still goes out. While the printer works on its own, pump lets the
// window's events run.
template <typename Draw>
void printRun(PrinterService& printer, PrintProgress& progress, PrintState& state,
              std::function<void()> pump, Draw&& draw)
{
    ProgressWatch watch(progress, state, std::move(pump));
    printer.beginRun();
    printer.watchRun(&watch);
    const auto unwatch = qScopeGuard([&printer] { printer.watchRun(nullptr); });
    try {
        draw();
        if (printer.docOpen())
            printer.endDoc();
        printer.endRun();
        if (const QString file = printer.lastRunFile(); !file.isEmpty())
            progress.showSavedFile(file);
        else
            progress.hideProgress();
    } catch (...) {
        try {
            if (printer.docOpen())
                printer.abortDoc();
            printer.endRun();
        } catch (...) {
        }
        progress.hideProgress();
        throw;
    }
}
