#pragma once

#include "platform/PrinterService.h"
#include "platform/linux/PrinterCanvas.h"

#include <QStringList>

#include <memory>
#include <optional>

class FontService;
class QPainter;
class QPrinter;

// The machine's CUPS printers plus a built-in PDF printer. A CUPS printer
// gets one print job per document; the PDF printer writes one file per run,
// each ended document a page of it. Unless a file was chosen in Print Setup,
// every run writes a new file, numbered as desktop programs number copies.
class LinuxPrinterService : public PrinterService {
public:
    explicit LinuxPrinterService(FontService& fonts);
    ~LinuxPrinterService() override;

    QStringList printers() override;
    int currentIndex() override;
    void setCurrentIndex(int index) override;
    QStringList typefaces() override;
    bool printSetupDialog(QWidget* parent) override;

    void beginRun() override;
    void endRun() override;
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

private:
    bool pdfCurrent() const;
    [[noreturn]] void failPdfWrite();
    void applyCurrentPrinter();

    FontService& fonts_;
    QStringList names_;
    int current_ = 0;
    QString defaultPdf_;
    QString chosenPdf_;  // empty: numbered files
    QString runFile_;
    std::optional<QStringList> typefaces_;
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<PrinterCanvas> canvas_;
    RecentPrinterFonts recentFonts_;  // for the run
    std::unique_ptr<QPainter> pdfPainter_;  // open while a PDF run has pages
    bool inRun_ = false;
    bool docRun_ = false;  // the open document started its own run
};
