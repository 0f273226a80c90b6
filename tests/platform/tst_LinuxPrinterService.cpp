#include "fakes/FakeFontService.h"
#include "platform/Canvas.h"
#include "platform/linux/LinuxPrinterService.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// Page placement and fonts of the PDF printer are read back from real sheets
// in the printing tests; here the run and the printer list.
class tst_LinuxPrinterService : public QObject {
    Q_OBJECT
private slots:
    void pdfPrinter();
    void runOfAbortedDocumentsWritesNothing();
    void unwritableFileIsReported();
    void typefacesKeptUntilPrinterSetAgain();

private:
    LinuxPrinterService& pdf(const QString& file);

    QTemporaryDir dir_;
    FakeFontService fonts_;
    std::unique_ptr<LinuxPrinterService> printer_;
};

LinuxPrinterService& tst_LinuxPrinterService::pdf(const QString& file)
{
    printer_ = std::make_unique<LinuxPrinterService>(fonts_);
    printer_->setCurrentIndex(int(printer_->printers().indexOf(LinuxPrinterService::pdfPrinterName())));
    printer_->setPdfFileName(dir_.filePath(file));
    return *printer_;
}

void tst_LinuxPrinterService::pdfPrinter()
{
    LinuxPrinterService printer(fonts_);
    QVERIFY(printer.printers().contains(QStringLiteral("PDF file")));
    QVERIFY(printer.currentIndex() >= 0);
    QVERIFY(printer.pdfFileName().endsWith(QStringLiteral("/Glyphary samples.pdf")));
    QCOMPARE(pdf(QStringLiteral("x.pdf")).dpiX(), 600);
    QCOMPARE(printer_->dpiY(), 600);
}

void tst_LinuxPrinterService::runOfAbortedDocumentsWritesNothing()
{
    LinuxPrinterService& printer = pdf(QStringLiteral("none.pdf"));
    printer.beginRun();
    printer.beginDoc();
    printer.canvas().setFont(QStringLiteral("DejaVu Sans"), 12, false, false);
    printer.canvas().textOut(0, 0, QStringLiteral("Lost"));
    printer.abortDoc();
    QVERIFY(!printer.docOpen());
    printer.endRun();
    QVERIFY(!QFile::exists(dir_.filePath(QStringLiteral("none.pdf"))));
}

void tst_LinuxPrinterService::unwritableFileIsReported()
{
    // A path under a regular file can't be created, even by root.
    QFile blocker(dir_.filePath(QStringLiteral("blocker")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    LinuxPrinterService& printer = pdf(QStringLiteral("blocker/out.pdf"));
    printer.beginDoc();
    QVERIFY_THROWS_EXCEPTION(PrinterError, printer.endDoc());
    QVERIFY(!printer.docOpen());
}

void tst_LinuxPrinterService::typefacesKeptUntilPrinterSetAgain()
{
    fonts_.scalable = {QStringLiteral("DejaVu Sans")};
    LinuxPrinterService& printer = pdf(QStringLiteral("x.pdf"));
    QCOMPARE(printer.typefaces(), fonts_.scalable);
    fonts_.scalable.append(QStringLiteral("New Family"));
    QCOMPARE(printer.typefaces().size(), 1);
    printer.setCurrentIndex(printer.currentIndex());
    QCOMPARE(printer.typefaces(), fonts_.scalable);
}

QTEST_MAIN(tst_LinuxPrinterService)
#include "tst_LinuxPrinterService.moc"
