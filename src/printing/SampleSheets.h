#pragma once

#include "platform/Specimen.h"
#include "printing/PageLayout.h"

#include <QString>
#include <QStringList>

class PrinterService;
struct SheetContext;

// Spacing of a 3-line sample sheet at one specimen size, in device pixels.
struct SampleBlockMetrics {
    int lineStep = 0;   // one specimen line
    int nameLine = 0;   // the family name above the specimen
    int gap = 0;        // after a block
    int pageLimit = 0;  // the lowest start of a block that still ends above 10.5 inches

    static SampleBlockMetrics forSize(const PageLayout& layout, float sampleSize);
};

// Spacing of a 1-line sample sheet.
struct OneLineMetrics {
    int entryStep = 0;    // from one entry's specimen line to the next entry's name
    int columnLimit = 0;  // the lowest start of an entry that still ends above 10.5 inches

    static OneLineMetrics forSize(const PageLayout& layout, float sampleSize);
};

// One family's block on a 3-line sheet at (x, y): the name line, then the
// specimen lines at the heading's sample size. y advances past the block; when
// the next block would not fit, the page is ended and a new one begun and headed.
void PrintSampleBlock(PrinterService& printer, const PageLayout& layout,
                      const SampleHeading& heading, int& x, int& y, const QString& nameLine,
                      const Specimen& sample, const QStringList& chartLines,
                      const SampleBlockMetrics& metrics);

void PrintThreeLineSamples(SheetContext& context);
void PrintOneLineSamples(SheetContext& context);
