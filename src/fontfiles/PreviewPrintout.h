#pragma once

#include "platform/Specimen.h"

#include "fontfiles/FontFileEntry.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class PrinterService;
class PrintProgress;
struct PrintState;

// The Preview/Install page's Print button: a 3-line sample sheet of font files
// that are not installed, each loaded for its block. It shares the print
// job's state, progress dialog and one-job-at-a-time rule.
class PreviewPrintout {
public:
    PreviewPrintout(PrinterService& printer, PrintProgress& progress, PrintState& state);

    struct Hooks {
        // Lets pending window events run, once before each file; Cancel arrives here.
        std::function<void()> processEvents;
        // Once the first heading is drawn: the files of the previous printout
        // are unloaded, and those loaded from here on come from folder.
        std::function<void(const QString& folder)> startLoading;
        // Loads the item's file and keeps it as one this printout loaded; its
        // specimen lines are drawn in that file's own face. Returns the file
        // loaded (a web font's decoded copy), empty when none was.
        std::function<QString(const FontFileItem& item)> loadFontFile;
    };
    // What every page shows besides the blocks.
    struct Page {
        QString headingFont;
        QString title;
        // The three specimen lines, the sample text last.
        QStringList chartLines;
        int pointSize = 11;
        FontVariations variations;  // the program's, for every file that has the axes
    };

    // Prints items, in list order, from the files in folder. Refused,
    // returning false, while a print job or another printout runs.
    bool print(QList<FontFileItem> items, const QString& folder, const Page& page,
               const Hooks& hooks);

private:
    void printBlocks(const QList<FontFileItem>& items, const QString& folder, const Page& page,
                     const Hooks& hooks);

    PrinterService& printer_;
    PrintProgress& progress_;
    PrintState& state_;
};
