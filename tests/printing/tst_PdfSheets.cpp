#include "fakes/PdfReadBack.h"
#include "PrintFakes.h"
#include "fakes/FakeFontService.h"
#include "platform/linux/LinuxPrinterService.h"
#include "printing/PrintJob.h"
#include "printing/PrintState.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

// Sample sheets printed through the PDF printer and read back as a reader
// would see them. At 600 dpi with a quarter-inch border, device pixel p lies
// at 18 + p * 0.12 points.
namespace {

double pt(int pixels)
{
    return 18 + pixels * 72.0 / 600;
}

const QStringList machineFamilies{"DejaVu Sans",     "DejaVu Serif",     "DejaVu Sans Mono",
                                  "Liberation Sans", "Liberation Serif", "Liberation Mono"};

// Entries cycle through families of the machine.
class NamedHost : public FakeHost {
public:
    QString fontName(int index) override { return machineFamilies[index % machineFamilies.size()]; }
    QString headingFontName() override { return QStringLiteral("Liberation Sans"); }
    QString sampleTitle() override { return QStringLiteral("Specimens"); }
};

struct PdfRig {
    explicit PdfRig(const QString& file)
        : printer(fonts)
        , job(printer, log, host, log, state)
        , path(dir.filePath(file))
    {
        printer.setCurrentIndex(int(printer.printers().indexOf(LinuxPrinterService::pdfPrinterName())));
        printer.setPdfFileName(path);
    }

    void select(int n) { host.setFamilies(n, n); }

    QTemporaryDir dir;
    FakeFontService fonts;
    LinuxPrinterService printer;
    NamedHost host;
    ProgressLog log;
    PrintState state;
    PrintJob job;
    QString path;
};

// Tops of the words equal to text, page by page.
QList<QList<double>> topsOf(const PdfReadBack& pdf, const QString& text)
{
    QList<QList<double>> tops(pdf.pages);
    for (const PdfReadBack::Word& word : pdf.words) {
        if (word.text == text)
            tops[word.page].append(word.box.top());
    }
    return tops;
}

void compareWithin(const QList<double>& actual, const QList<double>& expected)
{
    QCOMPARE(actual.size(), expected.size());
    for (int i = 0; i < actual.size(); ++i)
        QVERIFY2(std::abs(actual[i] - expected[i]) < 1.0,
                 qPrintable(QStringLiteral("%1: %2 vs %3").arg(i).arg(actual[i]).arg(expected[i])));
}

// A chart, a full page and a paragraph page of one family, printed once.
const PdfReadBack& familyPdf()
{
    static const PdfReadBack pdf = [] {
        PdfRig rig(QStringLiteral("family.pdf"));
        rig.select(1);
        rig.host.opts.charChart = true;
        rig.host.opts.fullPage = true;
        rig.host.opts.para = true;
        rig.host.opts.paraSizes[4] = true;
        QStringList words;
        for (int i = 0; i < 60; ++i)
            words << QStringLiteral("Fish & chips");
        rig.host.paragraph = words.join(u' ');
        rig.job.print();
        return PdfReadBack(rig.path);
    }();
    return pdf;
}

}  // namespace

class tst_PdfSheets : public QObject {
    Q_OBJECT
private slots:
    void threeLineSheet();
    void oneLineSheet();
    void cancelledPageIsAbsent();
    void familySheets_data();
    void familySheets();
    void paragraphWrapsAsWritten();
    void writingTheFile_data();
    void writingTheFile();
};

void tst_PdfSheets::threeLineSheet()
{
    PdfRig rig(QStringLiteral("three.pdf"));
    rig.select(12);
    rig.host.opts.sample = true;
    rig.job.print();

    const PdfReadBack pdf(rig.path);
    QCOMPARE(pdf.pages, 2);
    QCOMPARE(pdf.title, QStringLiteral("Glyphary"));
    QCOMPARE(pdf.creator, QStringLiteral("Glyphary"));
    // At 600 dpi and 11 points a block is 102 + 3 x 121 + 60 = 525 pixels.
    QList<double> starts;
    for (int k = 0; k < 11; ++k)
        starts.append(pt(480 + 102 + 525 * k));
    const QList<QList<double>> upper = topsOf(pdf, QStringLiteral("ABC"));
    compareWithin(upper[0], starts);
    compareWithin(upper[1], {pt(480 + 102)});
    for (const PdfReadBack::Word& word : pdf.words) {
        if (word.text == QLatin1String("ABC") || word.text == QLatin1String("Specimens"))
            QVERIFY(std::abs(word.box.left() - pt(360)) < 1.0);
    }
    // The size text ends on the right edge of the frame.
    const PdfReadBack::Word* points = pdf.find(QStringLiteral("points"), 0);
    QVERIFY(points);
    QVERIFY2(std::abs(points->box.right() - pt(4500)) < 1.0, qPrintable(QString::number(points->box.right())));
    QVERIFY(std::abs(pdf.find(QStringLiteral("Specimens"), 1)->box.top() - pt(270)) < 1.0);

    QSet<QString> embedded;
    for (const PdfReadBack::Font& font : pdf.fonts) {
        QVERIFY2(font.embedded, qPrintable(font.name));
        embedded.insert(font.name.mid(font.name.indexOf(QLatin1Char('+')) + 1));
    }
    QVERIFY2(embedded.size() >= 6, qPrintable(QStringList(embedded.values()).join(u',')));
}

void tst_PdfSheets::oneLineSheet()
{
    PdfRig rig(QStringLiteral("one.pdf"));
    rig.select(41);
    rig.host.opts.shortSample = true;
    rig.host.opts.sampleSize = 30;
    rig.host.sample = QStringLiteral("Sphinx of black quartz, judge my vow");
    rig.job.print();

    const PdfReadBack pdf(rig.path);
    QCOMPARE(pdf.pages, 2);
    // 30 points: an entry is 102 + round((33.5 / 72 + 0.1) x 600) = 441 pixels; the
    // column limit round(6300 - 279.17 - 102) = 5919 takes 13 entries a column.
    QList<double> column;
    for (int k = 0; k < 13; ++k)
        column.append(pt(480 + 102 + 441 * k));
    QList<double> left;
    QList<double> right;
    for (const PdfReadBack::Word& word : pdf.words) {
        if (word.page != 0 || word.text != QLatin1String("Sphinx"))
            continue;
        if (std::abs(word.box.left() - pt(360)) < 1.0)
            left.append(word.box.top());
        else if (std::abs(word.box.left() - pt(2640)) < 1.0)
            right.append(word.box.top());
        else
            QFAIL(qPrintable(QStringLiteral("specimen at x %1").arg(word.box.left())));
    }
    compareWithin(left, column);
    compareWithin(right, column);
    QCOMPARE(topsOf(pdf, QStringLiteral("Sphinx"))[1].size(), 41 - 26);

    // Cut to 3.5 inches from the start of its column.
    for (const PdfReadBack::Word& word : pdf.words) {
        const double columnLeft = word.box.left() < pt(2640) - 1 ? pt(360) : pt(2640);
        QVERIFY(word.box.right() <= columnLeft + 252 + 0.5);
    }
}

void tst_PdfSheets::cancelledPageIsAbsent()
{
    PdfRig rig(QStringLiteral("cancel.pdf"));
    rig.select(14);
    rig.host.opts.sample = true;
    rig.host.onPump = [&](int pump) {
        if (pump == 13)
            rig.state.PrintCancelled = true;
    };
    rig.job.print();

    const PdfReadBack pdf(rig.path);
    QCOMPARE(pdf.pages, 1);
    QCOMPARE(topsOf(pdf, QStringLiteral("ABC"))[0].size(), 11);
}

void tst_PdfSheets::familySheets_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QPoint>("at");  // device pixels at 600 dpi

    // The chart first, then the full page, then the paragraphs.
    QTest::newRow("chart: first label") << 0 << "33" << QPoint(450, 600);
    QTest::newRow("chart: first character") << 0 << "!" << QPoint(468, 690);
    QTest::newRow("chart: 128 by Windows-1252") << 0 << QString(QChar(0x20AC)) << QPoint(3768, 2670);
    QTest::newRow("chart: last label") << 0 << "255" << QPoint(4050, 5550);
    QTest::newRow("chart: last character") << 0 << QString(QChar(0xFF)) << QPoint(4068, 5640);
    QTest::newRow("full page: 8 points") << 1 << "Eight" << QPoint(360, 420);
    QTest::newRow("full page: 60 points") << 1 << "Sixty" << QPoint(360, 2640);
    QTest::newRow("full page: Bold Italic block") << 1 << "Bold" << QPoint(360, 3822);
    QTest::newRow("full page: Extended Characters") << 1 << "Extended" << QPoint(360, 5388);
    QTest::newRow("full page: 223 starts the last line") << 1 << QString(QChar(0xDF)) << QPoint(360, 5922);
    QTest::newRow("paragraphs: the label") << 2 << "9.0" << QPoint(360, 480);
}

void tst_PdfSheets::familySheets()
{
    QFETCH(int, page);
    QFETCH(QString, word);
    QFETCH(QPoint, at);

    const PdfReadBack& pdf = familyPdf();
    QCOMPARE(pdf.pages, 3);
    const PdfReadBack::Word* found = nullptr;
    for (const PdfReadBack::Word& w : pdf.words) {
        if (w.page == page && w.text == word && (!found || std::abs(w.box.top() - pt(at.y())) < 1.0))
            found = &w;
    }
    QVERIFY(found);
    QVERIFY2(std::abs(found->box.left() - pt(at.x())) < 1.0, qPrintable(QString::number(found->box.left())));
    QVERIFY2(std::abs(found->box.top() - pt(at.y())) < 1.0, qPrintable(QString::number(found->box.top())));
}

void tst_PdfSheets::paragraphWrapsAsWritten()
{
    const PdfReadBack& pdf = familyPdf();
    QSet<int> lines;
    int ampersands = 0;
    for (const PdfReadBack::Word& w : pdf.words) {
        if (w.page != 2 || w.box.top() < pt(480) + 1)
            continue;
        QVERIFY(w.box.left() > pt(360) - 1 && w.box.right() < pt(4500) + 1);
        lines.insert(qRound(w.box.top()));
        ampersands += w.text == QLatin1String("&");
    }
    QCOMPARE(ampersands, 60);
    QVERIFY(lines.size() > 1);
    for (const PdfReadBack::Font& font : pdf.fonts)
        QVERIFY2(font.embedded, qPrintable(font.name));
}

void tst_PdfSheets::writingTheFile_data()
{
    QTest::addColumn<QString>("meanwhile");  // done while the file is written: "", "cancel", "print"
    QTest::addColumn<QString>("end");         // the dialog's last word
    QTest::addColumn<int>("pages");           // -1: no file

    QTest::newRow("the dialog says so, then where the file went") << "" << "saved" << 14;
    QTest::newRow("Cancel: no file, the dialog hides") << "cancel" << "hide" << -1;
    QTest::newRow("Print again: refused, the file as printed") << "print" << "saved" << 14;
}

void tst_PdfSheets::writingTheFile()
{
    QFETCH(QString, meanwhile);
    QFETCH(QString, end);
    QFETCH(int, pages);

    PdfRig rig(QStringLiteral("writing.pdf"));
    rig.select(14);
    rig.host.opts.charChart = true;
    rig.host.onPump = [&](int) {
        if (rig.log.log.last() != QLatin1String("Writing the file..."))
            return;
        if (meanwhile == QLatin1String("cancel"))
            rig.state.PrintCancelled = true;
        else if (meanwhile == QLatin1String("print"))
            rig.job.print();
    };
    rig.job.print();

    QCOMPARE(rig.log.log.count(QStringLiteral("show")), 1);
    QCOMPARE(rig.log.log.count(QStringLiteral("Writing the file...")), 1);
    QCOMPARE(rig.log.log.last().section(u' ', 0, 0), end);
    QCOMPARE(QFileInfo::exists(rig.path), pages >= 0);
    QCOMPARE(QDir(rig.dir.path()).entryList(QDir::Files | QDir::Hidden).size(), pages >= 0 ? 1 : 0);
    if (pages >= 0)
        QCOMPARE(PdfReadBack(rig.path).pages, pages);
}

QTEST_MAIN(tst_PdfSheets)
#include "tst_PdfSheets.moc"
