#include "fakes/FakeFontService.h"
#include "platform/Canvas.h"
#include "platform/linux/LinuxPrinterService.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

// Page placement and fonts of the PDF printer are read back from real sheets
// in the printing tests; here the run, the printer list and text block heights.
class tst_LinuxPrinterService : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void pdfPrinter();
    void everyRunWritesItsOwnFile_data();
    void everyRunWritesItsOwnFile();
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

void tst_LinuxPrinterService::initTestCase()
{
    // Numbered files go into the documents folder: a home of the test's own.
    qputenv("HOME", dir_.filePath(QStringLiteral("home")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", dir_.filePath(QStringLiteral("home/.config")).toLocal8Bit());
}

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
    QCOMPARE(printer.pdfFileName(), dir_.filePath(QStringLiteral("home/Documents/Glyphary samples.pdf")));
    QCOMPARE(pdf(QStringLiteral("x.pdf")).dpiX(), 600);
    QCOMPARE(printer_->dpiY(), 600);
}

void tst_LinuxPrinterService::everyRunWritesItsOwnFile_data()
{
    QTest::addColumn<QString>("chosen");  // in Print Setup; empty: none
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QStringList>("written");  // by two runs

    QTest::newRow("first runs") << QString() << QStringList{}
                                << QStringList{"Glyphary samples.pdf", "Glyphary samples (2).pdf"};
    QTest::newRow("after earlier copies")
        << QString()
        << QStringList{"Glyphary samples.pdf", "Glyphary samples (2).pdf", "Glyphary samples (4).pdf"}
        << QStringList{"Glyphary samples (3).pdf", "Glyphary samples (5).pdf"};
    QTest::newRow("chosen file written again") << QStringLiteral("mine.pdf") << QStringList{"mine.pdf"}
                                               << QStringList{"mine.pdf", "mine.pdf"};
}

void tst_LinuxPrinterService::everyRunWritesItsOwnFile()
{
    QFETCH(QString, chosen);
    QFETCH(QStringList, existing);
    QFETCH(QStringList, written);

    QDir documents(dir_.filePath(QStringLiteral("home/Documents")));
    QVERIFY(documents.removeRecursively());
    QVERIFY(documents.mkpath(QStringLiteral(".")));
    for (const QString& name : existing) {
        QFile file(documents.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("earlier");
    }
    LinuxPrinterService printer(fonts_);
    printer.setCurrentIndex(int(printer.printers().indexOf(LinuxPrinterService::pdfPrinterName())));
    if (!chosen.isEmpty())
        printer.setPdfFileName(documents.filePath(chosen));

    QStringList runs;
    for (int run = 0; run < 2; ++run) {
        printer.beginRun();
        printer.beginDoc();
        printer.canvas().setFont(QStringLiteral("DejaVu Sans"), 12, false, false);
        printer.canvas().textOut(0, 0, QStringLiteral("Page"));
        printer.endDoc();
        printer.endRun();
        runs.append(QFileInfo(printer.lastRunFile()).fileName());
        QCOMPARE(QFileInfo(printer.lastRunFile()).absolutePath(), documents.absolutePath());
    }
    QCOMPARE(runs, written);
    // Files the runs did not choose keep what they held.
    for (const QString& name : existing) {
        QFile file(documents.filePath(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll() == "earlier", !written.contains(name));
    }
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
    QVERIFY(printer.lastRunFile().isEmpty());
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
    QVERIFY(printer.lastRunFile().isEmpty());
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

    // A queue added since start-up lands before the PDF printer, at the
    // current printer's index, and is still another printer.
    fonts_.scalable.append(QStringLiteral("Late Family"));
    printer.choosePrinter(QStringLiteral("Added_Queue"));
    QCOMPARE(printer.printers().value(printer.currentIndex()), QStringLiteral("Added_Queue"));
    QCOMPARE(printer.printers().last(), LinuxPrinterService::pdfPrinterName());
    QVERIFY(printer.typefaces().contains(QStringLiteral("Late Family")));
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
