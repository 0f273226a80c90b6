#pragma once

#include "platform/Specimen.h"
#include "printing/PageLayout.h"

#include <QString>

#include <functional>

class PrinterService;
class PrintHost;
class PrintProgress;
struct PrintState;

// What a sheet kind works with while a job runs.
struct SheetContext {
    PrinterService& printer;
    PrintHost& host;
    PrintProgress& progress;
    PrintState& state;

    PageLayout layout() const;

    // A family's specimen in the options' style and variations as they stand.
    using DrawFamily = std::function<void(const Specimen& family)>;

    // The walk every sheet kind makes over the installed-font list: events are
    // pumped at every entry, each selected family is counted, shown and drawn.
    // It stops once the count reaches the selected count, or on cancel after
    // the family in hand, aborting the open document.
    void walkFamilies(const QString& zeroText, const QString& runningText, const DrawFamily& draw);
    // The same walk over a list of family names that are all selected.
    void walkFamilies(const QString& zeroText, const QString& runningText,
                      const QStringList& families, const DrawFamily& draw);

private:
    void walk(const QString& zeroText, const QString& runningText,
              const std::function<int()>& count, const std::function<bool(int)>& selected,
              const std::function<QString(int)>& name, const DrawFamily& draw);
};
