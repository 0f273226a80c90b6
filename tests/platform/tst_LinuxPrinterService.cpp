#include "fakes/PdfReadBack.h"
#include "fakes/FakeFontService.h"
#include "platform/Canvas.h"
#include "platform/linux/LinuxPrinterService.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr double pointsPerPixel = 72.0 / 600;
constexpr double margin = 18;  // a quarter inch, in points

}  // namespace

class tst_LinuxPrinterService : public QObject {
    Q_OBJECT
private slots:
    void init();
    void pdfPrinterIsListed();
    void endedDocumentsArePagesOfOneFile();
    void textLandsWhereItWasPlaced_data();
    void textLandsWhereItWasPlaced();
    void nothingWrittenWhenEveryDocumentIsAborted();
    void unwritableFileIsReported();
    void typefacesKeptUntilPrinterSetAgain();

private:
    LinuxPrinterService& pdfPrinter(const QString& file);

    QTemporaryDir dir_;
    FakeFontService fonts_;
    std::unique_ptr<LinuxPrinterService> printer_;
};

void tst_LinuxPrinterService::init()
{
    fonts_.scalable = {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Serif")};
    printer_.reset();
}

LinuxPrinterService& tst_LinuxPrinterService::pdfPrinter(const QString& file)
{
    printer_ = std::make_unique<LinuxPrinterService>(fonts_);
    printer_->setCurrentIndex(int(printer_->printers().indexOf(LinuxPrinterService::pdfPrinterName())));
    printer_->setPdfFileName(dir_.filePath(file));
    return *printer_;
}

void tst_LinuxPrinterService::pdfPrinterIsListed()
{
    LinuxPrinterService printer(fonts_);
    QVERIFY(printer.printers().contains(QStringLiteral("PDF file")));
    QVERIFY(printer.currentIndex() >= 0);
    QVERIFY(printer.pdfFileName().endsWith(QStringLiteral("/Glyphary samples.pdf")));
    pdfPrinter(QStringLiteral("dpi.pdf"));
    QCOMPARE(printer_->dpiX(), 600);
    QCOMPARE(printer_->dpiY(), 600);
}

void tst_LinuxPrinterService::endedDocumentsArePagesOfOneFile()
{
    LinuxPrinterService& printer = pdfPrinter(QStringLiteral("run.pdf"));
    const QStringList words{"Alpha", "Beta", "Gamma", "Delta"};
    const QList<bool> ended{true, false, true, true};
    printer.beginRun();
    for (int i = 0; i < words.size(); ++i) {
        printer.beginDoc();
        printer.canvas().setFont(QStringLiteral("DejaVu Sans"), 12, false, false);
        printer.canvas().textOut(600, 600, words[i]);
        QVERIFY(printer.docOpen());
        ended[i] ? printer.endDoc() : printer.abortDoc();
        QVERIFY(!printer.docOpen());
    }
    printer.endRun();

    const PdfReadBack pdf(dir_.filePath(QStringLiteral("run.pdf")));
    QCOMPARE(pdf.pages, 3);
    QCOMPARE(pdf.textOf(0), QStringList{"Alpha"});
    QCOMPARE(pdf.textOf(1), QStringList{"Gamma"});
    QCOMPARE(pdf.textOf(2), QStringList{"Delta"});
    QVERIFY(!pdf.fonts.isEmpty());
    for (const PdfReadBack::Font& font : pdf.fonts)
        QVERIFY2(font.embedded, qPrintable(font.name));
}

void tst_LinuxPrinterService::textLandsWhereItWasPlaced_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<double>("size");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("italic");
    QTest::addColumn<QPoint>("at");

    QTest::newRow("DejaVu Sans 10") << "DejaVu Sans" << 10.0 << false << false << QPoint(360, 270);
    QTest::newRow("Liberation Serif 60 bold") << "Liberation Serif" << 60.0 << true << false << QPoint(1200, 3000);
    QTest::newRow("Liberation Sans 7.5 italic") << "Liberation Sans" << 7.5 << false << true << QPoint(4000, 5800);
    QTest::newRow("Liberation Mono 11") << "Liberation Mono" << 11.0 << false << false << QPoint(2640, 480);
}

void tst_LinuxPrinterService::textLandsWhereItWasPlaced()
{
    QFETCH(QString, family);
    QFETCH(double, size);
    QFETCH(bool, bold);
    QFETCH(bool, italic);
    QFETCH(QPoint, at);

    LinuxPrinterService& printer = pdfPrinter(QStringLiteral("place.pdf"));
    printer.beginDoc();
    Canvas& canvas = printer.canvas();
    canvas.setFont(family, size, bold, italic);
    const QString text = QStringLiteral("Hamburgefonstiv");
    const int width = canvas.textWidth(text);
    canvas.textOut(at.x(), at.y(), text);
    canvas.setPenWidth(6);
    canvas.line(at.x(), at.y() - 60, at.x() + 600, at.y() - 60);
    printer.endDoc();

    const PdfReadBack pdf(dir_.filePath(QStringLiteral("place.pdf")));
    QCOMPARE(pdf.pages, 1);
    const PdfReadBack::Word* word = pdf.find(text);
    QVERIFY(word);
    QVERIFY2(std::abs(word->box.left() - (margin + at.x() * pointsPerPixel)) < 1.0,
             qPrintable(QString::number(word->box.left())));
    QVERIFY2(std::abs(word->box.top() - (margin + at.y() * pointsPerPixel)) < 1.0,
             qPrintable(QString::number(word->box.top())));
    // The measured width is the printed width.
    QVERIFY2(std::abs(word->box.width() - width * pointsPerPixel) < 1.0,
             qPrintable(QStringLiteral("%1 vs %2").arg(word->box.width()).arg(width * pointsPerPixel)));
}

void tst_LinuxPrinterService::nothingWrittenWhenEveryDocumentIsAborted()
{
    LinuxPrinterService& printer = pdfPrinter(QStringLiteral("none.pdf"));
    printer.beginRun();
    printer.beginDoc();
    printer.canvas().textOut(0, 0, QStringLiteral("Lost"));
    printer.abortDoc();
    printer.endRun();
    QVERIFY(!QFile::exists(dir_.filePath(QStringLiteral("none.pdf"))));
}

void tst_LinuxPrinterService::unwritableFileIsReported()
{
    // A path under a regular file can't be created, even by root.
    QFile blocker(dir_.filePath(QStringLiteral("blocker")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    LinuxPrinterService& printer = pdfPrinter(QStringLiteral("blocker/out.pdf"));
    printer.beginRun();
    printer.beginDoc();
    QVERIFY_THROWS_EXCEPTION(PrinterError, printer.endDoc());
    QVERIFY(!printer.docOpen());
    printer.endRun();
}

void tst_LinuxPrinterService::typefacesKeptUntilPrinterSetAgain()
{
    LinuxPrinterService& printer = pdfPrinter(QStringLiteral("unused.pdf"));
    QCOMPARE(printer.typefaces(), fonts_.scalable);
    const QStringList before = fonts_.scalable;
    fonts_.scalable.append(QStringLiteral("New Family"));
    QCOMPARE(printer.typefaces(), before);
    printer.setCurrentIndex(printer.currentIndex());
    QCOMPARE(printer.typefaces(), fonts_.scalable);
}

QTEST_MAIN(tst_LinuxPrinterService)
#include "tst_LinuxPrinterService.moc"
