#pragma once

#include "platform/PrinterService.h"

#include <QStringList>

#include <memory>
#include <optional>

class FontService;
class PrinterCanvas;
class QPainter;
class QPrinter;

// The machine's CUPS printers plus a built-in PDF printer. A CUPS printer
// gets one print job per document; the PDF printer writes one file per run,
// each ended document a page of it.
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
    void beginDoc() override;
    void endDoc() override;
    void abortDoc() override;
    bool docOpen() const override;

    int dpiX() override;
    int dpiY() override;
    Canvas& canvas() override;

    static QString pdfPrinterName();
    // Where the PDF printer writes; chosen in Print Setup.
    QString pdfFileName() const;
    void setPdfFileName(const QString& path);

private:
    bool pdfCurrent() const;
    void applyCurrentPrinter();

    FontService& fonts_;
    QStringList names_;
    int current_ = 0;
    QString pdfFile_;
    std::optional<QStringList> typefaces_;
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<PrinterCanvas> canvas_;
    std::unique_ptr<QPainter> pdfPainter_;  // open while a PDF run has pages
    bool inRun_ = false;
    bool docRun_ = false;  // the open document started its own run
};
