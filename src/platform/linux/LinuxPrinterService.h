#pragma once

#include "platform/PrinterService.h"
#include "platform/linux/CupsQueues.h"
#include "platform/linux/PrinterCanvas.h"

#include <QPageLayout>
#include <QStringList>

#include <memory>
#include <optional>

class FontService;
class QPdfWriter;
class QPrinter;

// The machine's CUPS printers plus a built-in PDF printer. A CUPS printer
// gets one print job per document; the PDF printer writes one file per run,
// each ended document a page of it. Unless a file was chosen in Print Setup,
// every run writes a new file, numbered as desktop programs number copies.
// A PDF run that sets many fonts writes its file in parts joined at the end:
// memory stays bounded and every page costs the same. Parts are ended and
// joined on a thread of their own while the run's watch pumps the window's
// events.
// The PDF printer never asks CUPS: the queues are read on a thread of their
// own and join the list when they arrive.
class LinuxPrinterService : public PrinterService {
public:
    explicit LinuxPrinterService(FontService& fonts);
    ~LinuxPrinterService() override;

    QStringList printers() override;
    int currentIndex() override;
    void setCurrentIndex(int index) override;
    QStringList typefaces() override;
    bool printSetupDialog(QWidget* parent) override;
    QString serviceProblem() override;

    void beginRun() override;
    void endRun() override;
    void watchRun(RunWatch* watch) override;
    QString lastRunFile() const override;
    void beginDoc() override;
    void endDoc() override;
    void abortDoc() override;
    bool docOpen() const override;

    int dpiX() override;
    int dpiY() override;
    Canvas& canvas() override;

    static QString pdfPrinterName();
    // The file chosen in Print Setup, or the name that numbered files start from.
    QString pdfFileName() const;
    // As a file chosen in Print Setup: every run writes it anew.
    void setPdfFileName(const QString& path);
    // Makes the named printer current as Print Setup does; a printer added
    // since start-up joins the list.
    void choosePrinter(const QString& name);
    // How many faces a PDF run sets before its document is ended into a part
    // of the file and a new one begun; the page that passes it ends the part.
    void setFacesPerPart(int faces);

private:
    struct PdfRun;

    bool pdfCurrent() const;
    // The queues join the list once they have come, waiting up to wait.
    void joinQueues(std::chrono::milliseconds wait = std::chrono::milliseconds(0));
    // The printer object of the CUPS queues, made at first use: making one
    // asks CUPS for its default printer.
    QPrinter& queuePrinter();
    void startPdfRun();
    void startPdfPart();
    [[noreturn]] void failPdfWrite();

    FontService& fonts_;
    CupsQueues queues_;
    bool queuesJoined_ = false;
    QStringList names_;
    int current_ = 0;
    QString defaultPdf_;
    QString chosenPdf_;  // empty: numbered files
    QString runFile_;
    QPageLayout pdfLayout_;
    std::optional<QStringList> typefaces_;
    std::unique_ptr<QPdfWriter> pdfMeasure_;  // measures text as the PDF file sets it
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<PrinterCanvas> canvas_;
    RecentPrinterFonts recentFonts_;  // for the run
    PrinterFontMatch fontMatch_;      // for the run
    std::unique_ptr<PdfRun> pdfRun_;  // while a PDF run has pages
    RunWatch* watch_ = nullptr;
    bool inRun_ = false;
    bool docRun_ = false;  // the open document started its own run
    // Each face held costs about 110 KB until its part ends.
    int facesPerPart_ = 400;
};
