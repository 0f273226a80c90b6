#pragma once

#include "platform/Canvas.h"
#include "platform/PrinterService.h"

#include <QHash>

// Draws nothing; enough for code that needs a canvas while a document is open.
class NullCanvas : public Canvas {
public:
    void setFont(const Specimen&) override {}
    bool symbolFont() override { return false; }
    void textOut(int, int, const QString&) override {}
    int textWidth(const QString&) override { return 0; }
    int drawText(const QRect&, const QString&, bool) override { return 0; }
    void setPenWidth(int) override {}
    void line(int, int, int, int) override {}
};

// Printers with their typefaces, and documents recorded as events.
class FakePrinterService : public PrinterService {
public:
    QStringList printers() override;
    int currentIndex() override;
    void setCurrentIndex(int index) override;
    QStringList typefaces() override;
    bool printSetupDialog(QWidget* parent) override;
    void beginRun() override;
    void endRun() override;
    QString lastRunFile() const override { return runFile; }
    void beginDoc() override;
    void endDoc() override;
    void abortDoc() override;
    bool docOpen() const override;
    int dpiX() override;
    int dpiY() override;
    Canvas& canvas() override;

    // The current printer's typefaces.
    void setTypefaces(const QStringList& names);

    QStringList printerNames{QStringLiteral("PDF file")};
    int current = 0;
    // Typefaces per printer name.
    QHash<QString, QStringList> typefacesByPrinter;
    // How often the current printer's typefaces were enumerated afresh.
    int enumerations = 0;
    // "beginRun", "begin", "end", "abort", "endRun" in call order.
    QStringList events;
    int dpi = 600;
    // The file that every run reports; empty: runs go to a printer.
    QString runFile;
    // A printer that appears in the list while the setup dialog is open: it
    // takes the current printer's index and becomes current.
    QString setupAdds;
    // The printer that the setup dialog makes current, or -1 to keep it.
    int setupChoice = -1;
    bool setupAccepted = true;
    NullCanvas nullCanvas;
    // Where documents draw, when not nowhere.
    Canvas* drawOn = &nullCanvas;
    // A message that endDoc throws as a PrinterError, when set.
    QString endDocError;

private:
    bool open_ = false;
    bool kept_ = false;
    QStringList keptTypefaces_;
};
