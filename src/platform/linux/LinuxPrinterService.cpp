#include "platform/linux/LinuxPrinterService.h"

#include "platform/FontService.h"
#include "platform/linux/PdfJoin.h"
#include "platform/linux/PpdFonts.h"
#include "platform/linux/PrinterCanvas.h"
#include "platform/linux/WholeFile.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStandardPaths>

#include <atomic>
#include <future>
#include <utility>

#ifdef GLYPHARY_HAVE_CUPS
#include <cups/ppd.h>
#endif

namespace {

constexpr int pdfDpi = 600;
// What a normal print server takes to answer at start-up; a later answer
// still joins the list.
constexpr std::chrono::milliseconds StartWait{500};

const QString NoAnswer =
    QStringLiteral("The printer service does not answer, so only the PDF printer can be used.");

// How long the window waits on the printer between looks at its events.
constexpr std::chrono::milliseconds PumpEvery{10};

// Runs work on a thread of its own while watch, if any, pumps the window's
// events: Qt's PDF writer ends a document in one call that embeds every font
// it set, seconds for a few large ones. With hearCancel, a Cancel raises the
// flag that work is given. Qt's PDF engine needs no more of the window's
// thread than the font engines its pages took, which it holds and which lock
// their faces for each outline.
template <typename Work>
auto awayFromWindow(RunWatch* watch, bool hearCancel, Work work)
{
    std::atomic<bool> cancel = false;
    auto done = std::async(std::launch::async, [&] { return work(std::as_const(cancel)); });
    if (watch) {
        do {
            watch->pump();
            if (hearCancel && watch->cancelled())
                cancel = true;
        } while (done.wait_for(PumpEvery) != std::future_status::ready);
    }
    return done.get();
}

// A laser printer's unprintable border; the sheets are laid out from here.
QPageLayout defaultPdfLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(0.25, 0.25, 0.25, 0.25), QPageLayout::Inch);
}

void setUpPdf(QPdfWriter& writer, const QPageLayout& layout)
{
    writer.setResolution(pdfDpi);
    writer.setPageLayout(layout);
    // File managers and viewers show these rather than the file name.
    writer.setTitle(QStringLiteral("Glyphary"));
    writer.setCreator(QStringLiteral("Glyphary"));
}

// The resident fonts a PostScript queue's description lists.
QStringList residentFamilies(const QString& printerName)
{
#ifdef GLYPHARY_HAVE_CUPS
    // The PPD interface is deprecated in favour of IPP attributes, which carry
    // no font list; it is still the only source of resident fonts.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    const char* path = cupsGetPPD(printerName.toLocal8Bit().constData());
#pragma GCC diagnostic pop
    if (path == nullptr)
        return {};
    const QString ppdPath = QString::fromLocal8Bit(path);
    QFile file(ppdPath);
    QStringList families;
    if (file.open(QIODevice::ReadOnly))
        families = ppdFontFamilies(file.readAll());
    file.close();
    QFile::remove(ppdPath);
    return families;
#else
    Q_UNUSED(printerName);
    return {};
#endif
}

}  // namespace

// Qt's PDF writer holds every font a document has set, tables and all, until
// the document ends; held fonts can't leave Qt's font cache, which walks all
// of them whenever a new one comes. A run that sets many fonts therefore ends
// its document every so often into a part file of its own, and the parts are
// joined into the run's file at the end.
struct LinuxPrinterService::PdfRun {
    std::vector<std::unique_ptr<WholeFile>> parts;  // the last one is being written
    std::unique_ptr<QPdfWriter> writer;
    QPainter painter;
    QSet<QString> partFaces;
    QString target;
    QString folder;
    bool numbered = false;

    WholeFile& file() { return *parts.back(); }
};

LinuxPrinterService::LinuxPrinterService(FontService& fonts)
    : fonts_(fonts)
    , names_{pdfPrinterName()}
    , defaultPdf_(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
               + QStringLiteral("/Glyphary samples.pdf"))
    , pdfLayout_(defaultPdfLayout())
    , pdfMeasure_(std::make_unique<QPdfWriter>(QString()))
{
    setUpPdf(*pdfMeasure_, pdfLayout_);
    joinQueues(StartWait);
    if (queuesJoined_) {
        const QString system = queues_.answer()->defaultName;
        if (names_.contains(system))
            current_ = int(names_.indexOf(system));
    }
}

LinuxPrinterService::~LinuxPrinterService() = default;

void LinuxPrinterService::joinQueues(std::chrono::milliseconds wait)
{
    if (queuesJoined_)
        return;
    const std::optional<CupsQueues::Answer> answer = queues_.answer(wait);
    if (!answer)
        return;
    queuesJoined_ = true;
    // Kept by name: a queue chosen in Print Setup meanwhile is already there.
    const QString current = names_.at(current_);
    for (const QString& name : answer->names) {
        if (!names_.contains(name))
            names_.insert(names_.size() - 1, name);
    }
    current_ = int(names_.indexOf(current));
}

QString LinuxPrinterService::serviceProblem()
{
    joinQueues();
    const std::optional<CupsQueues::Answer> answer = queues_.answer();
    return answer && !answer->answered ? NoAnswer : QString();
}

QPrinter& LinuxPrinterService::queuePrinter()
{
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!pdfCurrent() && printer_->printerName() != names_.at(current_)) {
        // Left set, a file would take this printer's jobs.
        printer_->setOutputFileName(QString());
        printer_->setOutputFormat(QPrinter::NativeFormat);
        printer_->setPrinterName(names_.at(current_));
    }
    return *printer_;
}

QString LinuxPrinterService::pdfPrinterName()
{
    return QStringLiteral("PDF file");
}

QStringList LinuxPrinterService::printers()
{
    joinQueues();
    return names_;
}

int LinuxPrinterService::currentIndex()
{
    joinQueues();
    return current_;
}

void LinuxPrinterService::setCurrentIndex(int index)
{
    if (index < 0 || index >= names_.size())
        return;
    current_ = index;
    typefaces_.reset();
}

QStringList LinuxPrinterService::typefaces()
{
    if (!typefaces_) {
        QStringList names = fonts_.scalableFamilies();
        if (!pdfCurrent())
            names += residentFamilies(names_.at(current_));
        typefaces_ = names;
    }
    return *typefaces_;
}

bool LinuxPrinterService::printSetupDialog(QWidget* parent)
{
    // The dialog lists the queues itself, without a time limit: with a
    // server that does not answer it would never open.
    joinQueues(std::chrono::duration_cast<std::chrono::milliseconds>(CupsQueues::TimeLimit)
               + std::chrono::seconds(1));
    if (!queuesJoined_ || !serviceProblem().isEmpty())
        return false;

    QPrinter& printer = queuePrinter();
    if (pdfCurrent()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfFileName());
        printer.setResolution(pdfDpi);
        printer.setPageLayout(pdfLayout_);
    }
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Print Setup"));
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    // The dialog chooses a printer and its paper; it prints nothing.
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>()) {
        if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok))
            ok->setText(QStringLiteral("OK"));
    }
    const bool accepted = dialog.exec() == QDialog::Accepted;
    if (accepted && printer.outputFormat() == QPrinter::PdfFormat) {
        const QString file = printer.outputFileName();
        if (!file.isEmpty())
            chosenPdf_ = file == defaultPdf_ ? QString() : file;
        pdfLayout_ = printer.pageLayout();
        setUpPdf(*pdfMeasure_, pdfLayout_);
        choosePrinter(pdfPrinterName());
    } else if (accepted) {
        choosePrinter(printer.printerName());
    }
    // The printer object serves the queues: it leaves the dialog as their printer.
    if (pdfCurrent() || !accepted) {
        printer.setOutputFileName(QString());
        printer.setOutputFormat(QPrinter::NativeFormat);
        if (!pdfCurrent())
            printer.setPrinterName(names_.at(current_));
    }
    return accepted;
}

void LinuxPrinterService::choosePrinter(const QString& name)
{
    joinQueues();
    // Known by name: a printer added before the PDF printer takes the
    // current printer's place in the list.
    const QString before = names_.at(current_);
    if (!names_.contains(name))
        names_.insert(names_.size() - 1, name);
    current_ = int(names_.indexOf(before));
    if (name != before)
        setCurrentIndex(int(names_.indexOf(name)));
}

void LinuxPrinterService::beginRun()
{
    inRun_ = true;
    runFile_.clear();
}

void LinuxPrinterService::endRun()
{
    inRun_ = false;
    recentFonts_.clear();
    fontMatch_.clear();
    if (!pdfRun_)
        return;
    const std::unique_ptr<PdfRun> run = std::move(pdfRun_);
    if (watch_)
        watch_->writingFile();
    // A run of one part is its file; the parts of a longer one are read back.
    WholeFile joined;
    WholeFile& whole = run->parts.size() > 1 ? joined : run->file();
    const bool finished = awayFromWindow(watch_, true, [&](const std::atomic<bool>& cancel) {
        run->painter.end();
        if (&whole == &run->file())
            return whole.finish();
        QStringList parts;
        for (const std::unique_ptr<WholeFile>& part : run->parts)
            parts.append(part->temporaryPath());
        return run->file().flush() && !cancel && joined.open(run->folder)
            && joinPdfFiles(parts, joined.device(), cancel) && joined.finish();
    });
    // Heard up to the rename: the whole file goes out or none of it.
    if (watch_ && watch_->cancelled())
        return;
    QString written;
    if (finished) {
        if (run->numbered)
            written = whole.commitNumbered(run->target);
        else if (whole.commitReplacing(run->target))
            written = run->target;
    }
    if (written.isEmpty())
        throw PrinterError(QStringLiteral("Unable to write to %1").arg(run->target).toStdString());
    runFile_ = written;
}

void LinuxPrinterService::watchRun(RunWatch* watch)
{
    watch_ = watch;
}

QString LinuxPrinterService::lastRunFile() const
{
    return runFile_;
}

void LinuxPrinterService::startPdfRun()
{
    // Begun at the run's first page, so that a run that prints nothing
    // writes nothing.
    auto run = std::make_unique<PdfRun>();
    run->numbered = chosenPdf_.isEmpty();
    run->target = pdfFileName();
    run->folder = QFileInfo(run->target).absolutePath();
    QDir().mkpath(run->folder);
    pdfRun_ = std::move(run);
    startPdfPart();
}

void LinuxPrinterService::startPdfPart()
{
    PdfRun& run = *pdfRun_;
    run.partFaces.clear();
    run.parts.push_back(std::make_unique<WholeFile>());
    if (!run.file().open(run.folder))
        failPdfWrite();
    run.writer = std::make_unique<QPdfWriter>(&run.file().device());
    setUpPdf(*run.writer, pdfLayout_);
    if (!run.painter.begin(run.writer.get()))
        failPdfWrite();
}

void LinuxPrinterService::setFacesPerPart(int faces)
{
    facesPerPart_ = faces;
}

void LinuxPrinterService::failPdfWrite()
{
    // What the run wrote is dropped; no file is told of.
    const std::unique_ptr<PdfRun> run = std::move(pdfRun_);
    if (run->painter.isActive()) {
        awayFromWindow(watch_, false, [&run](const std::atomic<bool>&) {
            run->painter.end();
            return true;
        });
    }
    runFile_.clear();
    throw PrinterError(QStringLiteral("Unable to write to %1").arg(run->target).toStdString());
}

void LinuxPrinterService::beginDoc()
{
    if (canvas_)
        return;
    docRun_ = !inRun_;
    if (docRun_)
        beginRun();
    const QPaintDevice& device =
        pdfCurrent() ? static_cast<const QPaintDevice&>(*pdfMeasure_) : queuePrinter();
    canvas_ = std::make_unique<PrinterCanvas>(fonts_, device, dpiY(), recentFonts_, fontMatch_);
}

void LinuxPrinterService::endDoc()
{
    if (!canvas_)
        return;
    // Closed before it is committed: a failing printer leaves no document open.
    const std::unique_ptr<PrinterCanvas> page = std::move(canvas_);
    const bool ownRun = docRun_;
    if (pdfCurrent()) {
        if (!pdfRun_) {
            startPdfRun();
        } else if (pdfRun_->partFaces.size() >= facesPerPart_) {
            PdfRun& run = *pdfRun_;
            if (!awayFromWindow(watch_, false, [&run](const std::atomic<bool>&) {
                    run.painter.end();
                    return run.file().flush();
                }))
                failPdfWrite();
            startPdfPart();
        } else {
            pdfRun_->writer->newPage();
        }
        page->replay(pdfRun_->painter);
        page->addFaces(pdfRun_->partFaces);
        // A full disk stops the run at the page it struck.
        if (!pdfRun_->file().good())
            failPdfWrite();
    } else {
        QPrinter& printer = queuePrinter();
        QPainter painter;
        if (!painter.begin(&printer))
            throw PrinterError(
                QStringLiteral("Unable to print on %1").arg(names_.at(current_)).toStdString());
        page->replay(painter);
        painter.end();
    }
    if (ownRun)
        endRun();
}

void LinuxPrinterService::abortDoc()
{
    canvas_.reset();
    if (docRun_)
        endRun();
}

bool LinuxPrinterService::docOpen() const
{
    return canvas_ != nullptr;
}

int LinuxPrinterService::dpiX()
{
    return pdfCurrent() ? pdfDpi : queuePrinter().resolution();
}

int LinuxPrinterService::dpiY()
{
    return dpiX();
}

Canvas& LinuxPrinterService::canvas()
{
    Q_ASSERT(canvas_);
    return *canvas_;
}

QString LinuxPrinterService::pdfFileName() const
{
    return chosenPdf_.isEmpty() ? defaultPdf_ : chosenPdf_;
}

void LinuxPrinterService::setPdfFileName(const QString& path)
{
    chosenPdf_ = path;
}

bool LinuxPrinterService::pdfCurrent() const
{
    return current_ == names_.size() - 1;
}
