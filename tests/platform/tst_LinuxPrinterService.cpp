#include "fakes/FakeFontService.h"
#include "platform/Canvas.h"
#include "platform/linux/LinuxPrinterService.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// Page placement and fonts of the PDF printer are read back from real sheets
// in the printing tests; here the run, the printer list and text block heights.
class tst_LinuxPrinterService : public QObject {
    Q_OBJECT
private slots:
    void pdfPrinter();
    void runOfAbortedDocumentsWritesNothing();
    void unwritableFileIsReported();
    void typefacesKeptUntilPrinterSetAgain();
    void textBlockHeights_data();
    void textBlockHeights();

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

void tst_LinuxPrinterService::textBlockHeights_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("wordWrap");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<int>("lines");

    const QRect page(0, 0, 4000, 6000);
    QTest::newRow("no text takes no room") << QString() << true << page << 0;
    QTest::newRow("one line") << "Fish & chips" << true << page << 1;
    QTest::newRow("plain: only line breaks break") << "Fish & chips\nand peas" << false << QRect(0, 0, 10, 6000) << 2;
    QTest::newRow("wrapped between words") << "Fish chips" << true << QRect(0, 0, 10, 6000) << 2;
    QTest::newRow("a long word is not split") << "Fishandchipsandpeas" << true << QRect(0, 0, 10, 6000) << 1;
    QTest::newRow("below the bottom: measured all the same") << "Fish & chips" << true << QRect(0, 500, 4000, -100) << 1;
}

void tst_LinuxPrinterService::textBlockHeights()
{
    QFETCH(QString, text);
    QFETCH(bool, wordWrap);
    QFETCH(QRect, rect);
    QFETCH(int, lines);

    LinuxPrinterService& printer = pdf(QStringLiteral("blocks.pdf"));
    printer.beginDoc();
    Canvas& canvas = printer.canvas();
    canvas.setFont(QStringLiteral("DejaVu Sans"), 12, false, false);
    const QRect page(0, 0, 4000, 6000);
    const QList<int> heights{0, canvas.drawText(page, QStringLiteral("x"), false),
                             canvas.drawText(page, QStringLiteral("x\ny"), false)};
    QVERIFY(heights[1] > 0 && heights[2] > heights[1]);
    QCOMPARE(canvas.drawText(rect, text, wordWrap), heights[lines]);
    printer.abortDoc();
}

QTEST_MAIN(tst_LinuxPrinterService)
#include "tst_LinuxPrinterService.moc"
