#include "printing/PrintJob.h"

#include "platform/MessageBoxes.h"
#include "platform/PrinterService.h"
#include "printing/CharacterChart.h"
#include "printing/FullPageSample.h"
#include "printing/PrintHost.h"
#include "printing/PrintProgress.h"
#include "printing/PrintRun.h"
#include "printing/PrintState.h"
#include "printing/SampleSheets.h"
#include "printing/SheetContext.h"
#include "printing/TextParagraphs.h"

namespace {

// " - Bold Italic", and the axis positions that differ from the fonts' own:
// " - Bold, wght 650, wdth 87.5".
QString styleSuffixFor(const PrintOptions& options)
{
    QStringList parts;
    if (options.bold && options.italic)
        parts << QStringLiteral("Bold Italic");
    else if (options.bold)
        parts << QStringLiteral("Bold");
    else if (options.italic)
        parts << QStringLiteral("Italic");
    if (!options.variations.axes.isEmpty())
        parts << options.variations.axesText();
    return parts.isEmpty() ? QString() : QStringLiteral(" - ") + parts.join(QStringLiteral(", "));
}

// Marks the job busy for its lifetime.
class BusyScope {
public:
    explicit BusyScope(bool& busy)
        : busy_(busy)
    {
        busy_ = true;
    }
    ~BusyScope() { busy_ = false; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    bool& busy_;
};

}  // namespace

PrintJob::PrintJob(PrinterService& printer, MessageBoxes& messages, PrintHost& host,
                   PrintProgress& progress, PrintState& state, QWidget* dialogParent)
    : printer_(printer)
    , messages_(messages)
    , host_(host)
    , progress_(progress)
    , state_(state)
    , dialogParent_(dialogParent)
{
}

void PrintJob::print()
{
    if (state_.JobRunning)
        return;
    const PrintOptions options = host_.options();
    if (!options.sample && !options.shortSample && !options.charChart && !options.fullPage
        && !options.para) {
        messages_.error(dialogParent_, QStringLiteral("You have not selected any print options."));
        return;
    }
    BusyScope busy(state_.JobRunning);

    progress_.setSelectedCaption(QStringLiteral("Fonts Selected: %1").arg(host_.selectedCount()));
    progress_.showProgress();
    state_.PrintCancelled = false;
    state_.StyleSuffix = styleSuffixFor(options);

    printRun(printer_, progress_, state_, [this] { host_.processEvents(); }, [this] {
        // Each sheet begins its document when it has something to draw, so
        // no page leaves here blank.
        state_.PrinterDpiX = printer_.dpiX();
        state_.PrinterDpiY = printer_.dpiY();
        runKinds();
    });
}

bool PrintJob::busy() const
{
    return state_.JobRunning;
}

void PrintJob::runKinds()
{
    SheetContext context{printer_, host_, progress_, state_};

    if (host_.options().sample && !state_.PrintCancelled)
        PrintThreeLineSamples(context);
    if (host_.options().shortSample && !state_.PrintCancelled)
        PrintOneLineSamples(context);

    if (host_.options().charChart && !state_.PrintCancelled)
        PrintCharacterCharts(context);
    if (host_.options().fullPage && !state_.PrintCancelled)
        PrintFullPages(context);

    if (host_.options().para && !state_.PrintCancelled) {
        const PrintOptions options = host_.options();
        bool any = false;
        for (std::size_t i = 0; i < state_.ParagraphSizes.size(); ++i) {
            state_.ParagraphSizes[i].Checked = options.paraSizes[i];
            any = any || options.paraSizes[i];
        }
        if (any) {
            PrintTextParagraphs(context);
        } else {
            progress_.hideProgress();
            messages_.error(dialogParent_,
                            QStringLiteral("You have not selected any point\rsizes for the text "
                                           "paragraphs."));
        }
    }
}

void PrintJob::printSetup()
{
    if (state_.JobRunning)
        return;
    BusyScope busy(state_.JobRunning);
    // By name: a printer added in the dialog can take the old one's index.
    const auto current = [this] { return printer_.printers().value(printer_.currentIndex()); };
    const QString before = current();
    printer_.printSetupDialog(dialogParent_);
    // Told when the user asks for the printers, not at start-up.
    if (const QString problem = printer_.serviceProblem(); !problem.isEmpty())
        messages_.information(dialogParent_, problem);
    if (current() != before)
        host_.refillFontList();
}
