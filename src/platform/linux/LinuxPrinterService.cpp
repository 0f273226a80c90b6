#include "platform/linux/LinuxPrinterService.h"

#include "platform/FontService.h"
#include "platform/linux/PpdFonts.h"
#include "platform/linux/PrinterCanvas.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QStandardPaths>

#include <utility>

#ifdef GLYPHARY_HAVE_CUPS
#include <cups/ppd.h>
#endif

namespace {

constexpr int pdfDpi = 600;

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

// The first of "name.pdf", "name (2).pdf", "name (3).pdf", ... that no file has.
QString freeFileName(const QString& path)
{
    if (!QFileInfo::exists(path))
        return path;
    const QFileInfo info(path);
    const QString suffix = info.suffix().isEmpty() ? QString() : u'.' + info.suffix();
    for (int copy = 2;; ++copy) {
        const QString candidate = info.dir().filePath(
            QStringLiteral("%1 (%2)%3").arg(info.completeBaseName()).arg(copy).arg(suffix));
        if (!QFileInfo::exists(candidate))
            return candidate;
    }
}

}  // namespace

LinuxPrinterService::LinuxPrinterService(FontService& fonts)
    : fonts_(fonts)
    , names_(QPrinterInfo::availablePrinterNames())
    , defaultPdf_(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
               + QStringLiteral("/Glyphary samples.pdf"))
    , printer_(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    names_.append(pdfPrinterName());
    const qsizetype system = names_.indexOf(QPrinterInfo::defaultPrinterName());
    current_ = QPrinterInfo::defaultPrinterName().isEmpty() || system < 0
        ? int(names_.size() - 1)
        : int(system);
    applyCurrentPrinter();
}

LinuxPrinterService::~LinuxPrinterService()
{
    if (pdfPainter_)
        pdfPainter_->end();
}

QString LinuxPrinterService::pdfPrinterName()
{
    return QStringLiteral("PDF file");
}

QStringList LinuxPrinterService::printers()
{
    return names_;
}

int LinuxPrinterService::currentIndex()
{
    return current_;
}

void LinuxPrinterService::setCurrentIndex(int index)
{
    if (index < 0 || index >= names_.size())
        return;
    current_ = index;
    typefaces_.reset();
    applyCurrentPrinter();
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
    QPrintDialog dialog(printer_.get(), parent);
    dialog.setWindowTitle(QStringLiteral("Print Setup"));
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    // The dialog chooses a printer and its paper; it prints nothing.
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>()) {
        if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok))
            ok->setText(QStringLiteral("OK"));
    }
    if (dialog.exec() != QDialog::Accepted) {
        applyCurrentPrinter();
        return false;
    }

    if (printer_->outputFormat() == QPrinter::PdfFormat) {
        const QString file = printer_->outputFileName();
        if (!file.isEmpty())
            chosenPdf_ = file == defaultPdf_ ? QString() : file;
        choosePrinter(pdfPrinterName());
    } else {
        choosePrinter(printer_->printerName());
    }
    return true;
}

void LinuxPrinterService::choosePrinter(const QString& name)
{
    // Known by name: a printer added before the PDF printer takes the
    // current printer's place in the list.
    const QString before = names_.at(current_);
    if (!names_.contains(name))
        names_.insert(names_.size() - 1, name);
    current_ = int(names_.indexOf(before));
    if (name != before)
        setCurrentIndex(int(names_.indexOf(name)));
    else
        applyCurrentPrinter();
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
    if (pdfPainter_) {
        const bool written = pdfPainter_->end();
        pdfPainter_.reset();
        if (!written)
            failPdfWrite();
    }
}

QString LinuxPrinterService::lastRunFile() const
{
    return runFile_;
}

void LinuxPrinterService::failPdfWrite()
{
    // The run wrote no file to tell of.
    const QString file = std::exchange(runFile_, QString());
    throw PrinterError(QStringLiteral("Unable to write to %1").arg(file).toStdString());
}

void LinuxPrinterService::beginDoc()
{
    if (canvas_)
        return;
    docRun_ = !inRun_;
    if (docRun_)
        beginRun();
    canvas_ = std::make_unique<PrinterCanvas>(fonts_, *printer_, dpiY(), recentFonts_);
}

void LinuxPrinterService::endDoc()
{
    if (!canvas_)
        return;
    // Closed before it is committed: a failing printer leaves no document open.
    const std::unique_ptr<PrinterCanvas> page = std::move(canvas_);
    const bool ownRun = docRun_;
    if (pdfCurrent()) {
        if (pdfPainter_) {
            printer_->newPage();
        } else {
            // Chosen at the run's first page, so that a run that prints
            // nothing takes no name.
            runFile_ = chosenPdf_.isEmpty() ? freeFileName(defaultPdf_) : chosenPdf_;
            QDir().mkpath(QFileInfo(runFile_).absolutePath());
            printer_->setOutputFileName(runFile_);
            pdfPainter_ = std::make_unique<QPainter>();
            if (!pdfPainter_->begin(printer_.get())) {
                pdfPainter_.reset();
                failPdfWrite();
            }
        }
        page->replay(*pdfPainter_);
    } else {
        QPainter painter;
        if (!painter.begin(printer_.get()))
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
    return printer_->resolution();
}

int LinuxPrinterService::dpiY()
{
    return printer_->resolution();
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
    applyCurrentPrinter();
}

bool LinuxPrinterService::pdfCurrent() const
{
    return current_ == names_.size() - 1;
}

void LinuxPrinterService::applyCurrentPrinter()
{
    if (pdfCurrent()) {
        printer_->setOutputFormat(QPrinter::PdfFormat);
        printer_->setOutputFileName(pdfFileName());
        // File managers and viewers show these rather than the file name.
        printer_->setDocName(QStringLiteral("Glyphary"));
        printer_->setCreator(QStringLiteral("Glyphary"));
        printer_->setResolution(pdfDpi);
        // A laser printer's unprintable border; the sheets are laid out from here.
        printer_->setPageMargins(QMarginsF(0.25, 0.25, 0.25, 0.25), QPageLayout::Inch);
    } else {
        // Left set, the PDF printer's file would take this printer's jobs.
        printer_->setOutputFileName(QString());
        printer_->setOutputFormat(QPrinter::NativeFormat);
        printer_->setPrinterName(names_.at(current_));
    }
}
