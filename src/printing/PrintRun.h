#pragma once

#include "platform/PrinterService.h"
#include "printing/PrintProgress.h"

// One print run around draw, shared by the print job and the preview
// printout: an open document is ended, the progress dialog tells where a file
// went or hides; on an error the page in hand is dropped and whatever was
// ended still goes out.
template <typename Draw>
void printRun(PrinterService& printer, PrintProgress& progress, Draw&& draw)
{
    printer.beginRun();
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
