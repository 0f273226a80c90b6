#include "PrintFakes.h"
#include "printing/PrintJob.h"
#include "printing/PrintState.h"
#include "printing/SampleSheets.h"

#include <QTest>

namespace {

// A family's entry: its page, where its name stands, and its first specimen line.
struct Entry {
    int page;
    QPoint name;
    CanvasOp specimen;
};

QList<Entry> entriesOf(const QList<RecordedDoc>& docs)
{
    QList<Entry> entries;
    for (int page = 0; page < docs.size(); ++page) {
        const QList<CanvasOp>& ops = docs[page].ops;
        for (int i = 0; i + 1 < ops.size(); ++i) {
            if (ops[i].text.startsWith(QLatin1Char('F')))
                entries.append({page, {ops[i].x, ops[i].y}, ops[i + 1]});
        }
    }
    return entries;
}

// Prints one sample kind of n selected families.
QList<Entry> print(RecordingPrinter& printer, bool threeLine, int families, PrintOptions options = {})
{
    FakeHost host;
    host.setFamilies(families, families);
    host.opts = options;
    host.opts.sample = threeLine;
    host.opts.shortSample = !threeLine;
    ProgressLog log;
    PrintState state;
    PrintJob(printer, log, host, log, state).print();
    return entriesOf(printer.docs());
}

QList<int> entriesPerPage(RecordingPrinter& printer, const QList<Entry>& entries)
{
    QList<int> counts(printer.docs().size(), 0);
    for (const Entry& e : entries)
        ++counts[e.page];
    return counts;
}

}  // namespace

class tst_SampleSheets : public QObject {
    Q_OBJECT
private slots:
    void metrics_data();
    void metrics();
    void threeLinePages_data();
    void threeLinePages();
    void oneLinePages_data();
    void oneLinePages();
    void oneLineCut_data();
    void oneLineCut();
};

void tst_SampleSheets::metrics_data()
{
    QTest::addColumn<int>("dpiY");
    QTest::addColumn<int>("size");
    // line step, name line, gap, page limit, 1-line entry step, column limit
    QTest::addColumn<QList<int>>("expected");

    QTest::newRow("300, 11") << 300 << 11 << QList<int>{60, 51, 30, 2918, 90, 3039};
    QTest::newRow("1200, 11") << 1200 << 11 << QList<int>{242, 204, 120, 11671, 362, 12154};
    QTest::newRow("300, 60") << 300 << 60 << QList<int>{265, 51, 30, 2305, 295, 2834};
    QTest::newRow("300, 4") << 300 << 4 << QList<int>{31, 51, 30, 3005, 61, 3068};
}

void tst_SampleSheets::metrics()
{
    QFETCH(int, dpiY);
    QFETCH(int, size);
    QFETCH(QList<int>, expected);
    const PageLayout layout(600, dpiY);
    const auto block = SampleBlockMetrics::forSize(layout, float(size));
    const auto entry = OneLineMetrics::forSize(layout, float(size));
    QCOMPARE((QList<int>{block.lineStep, block.nameLine, block.gap, block.pageLimit, entry.entryStep,
                         entry.columnLimit}),
             expected);
}

void tst_SampleSheets::threeLinePages_data()
{
    QTest::addColumn<int>("dpiY");
    QTest::addColumn<int>("families");
    QTest::addColumn<QList<int>>("perPage");
    QTest::addColumn<int>("step");  // from one block to the next
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("italic");

    QTest::newRow("one family") << 300 << 1 << QList<int>{1} << 261 << false << false;
    QTest::newRow("eleven fill a page, a heading-only page follows")
        << 300 << 11 << QList<int>{11, 0} << 261 << true << false;
    QTest::newRow("twelfth on the second page") << 300 << 12 << QList<int>{11, 1} << 261 << false << true;
    QTest::newRow("no family: the heading alone") << 300 << 0 << QList<int>{0} << 261 << false << false;
    QTest::newRow("600 by 1200") << 1200 << 12 << QList<int>{11, 1} << 1050 << true << true;
}

void tst_SampleSheets::threeLinePages()
{
    QFETCH(int, dpiY);
    QFETCH(int, families);
    QFETCH(QList<int>, perPage);
    QFETCH(int, step);
    QFETCH(bool, bold);
    QFETCH(bool, italic);

    RecordingPrinter printer(dpiY / 2, dpiY);
    PrintOptions options;
    options.bold = bold;
    options.italic = italic;
    const QList<Entry> entries = print(printer, true, families, options);
    QCOMPARE(entriesPerPage(printer, entries), perPage);

    const PageLayout layout(dpiY / 2, dpiY);
    for (int i = 0; i < entries.size(); ++i) {
        const Entry& e = entries[i];
        QCOMPARE(e.name, QPoint(layout.X(0.6L), layout.Y(0.8L) + step * (i % 11)));
        QCOMPARE(QPoint(e.specimen.x, e.specimen.y), e.name + QPoint(0, layout.Y(0.17L)));
        QCOMPARE(e.specimen.family, QStringLiteral("F%1").arg(i, 2, 10, QLatin1Char('0')));
        QCOMPARE(e.specimen.pointSize, 11.0);
        QCOMPARE(e.specimen.bold, bold);
        QCOMPARE(e.specimen.italic, italic);
    }
    for (const RecordedDoc& doc : printer.docs()) {
        QCOMPARE(doc.state, RecordedDoc::Ended);
        QVERIFY(doc.find(QStringLiteral("Title")));
    }
}

void tst_SampleSheets::oneLinePages_data()
{
    QTest::addColumn<int>("families");
    QTest::addColumn<QList<int>>("perPage");

    QTest::newRow("twenty fill column one") << 20 << QList<int>{20};
    QTest::newRow("forty fill a page, a heading-only page follows") << 40 << QList<int>{40, 0};
    QTest::newRow("forty-first on the second page") << 41 << QList<int>{40, 1};
}

void tst_SampleSheets::oneLinePages()
{
    QFETCH(int, families);
    QFETCH(QList<int>, perPage);

    RecordingPrinter printer(300, 300);
    const QList<Entry> entries = print(printer, false, families);
    QCOMPARE(entriesPerPage(printer, entries), perPage);
    for (int i = 0; i < entries.size(); ++i) {
        const QPoint name(i % 40 < 20 ? 180 : 1320, 240 + 141 * (i % 20));
        QCOMPARE(entries[i].name, name);
        QCOMPARE(QPoint(entries[i].specimen.x, entries[i].specimen.y), name + QPoint(0, 51));
    }
}

void tst_SampleSheets::oneLineCut_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("sample");
    QTest::addColumn<QString>("printed");

    // 3.5 inches are 1050 pixels; a character is 23 pixels at 11 points, 42 at 20.
    const QString fox = QStringLiteral("The quick brown fox jumps over the lazy dog.");
    QTest::newRow("fits") << 11 << fox << fox;
    QTest::newRow("cut to 45 characters") << 11 << fox + fox << (fox + fox).left(45);
    QTest::newRow("exactly the width stays") << 20 << QString(25, 'm') << QString(25, 'm');
    QTest::newRow("surrogate pair dropped whole")
        << 20 << QString(24, 'm') + QStringLiteral("\U0001F600") << QString(24, 'm');
}

void tst_SampleSheets::oneLineCut()
{
    QFETCH(int, size);
    QFETCH(QString, sample);
    QFETCH(QString, printed);

    RecordingPrinter printer(300, 300);
    FakeHost host;
    host.setFamilies(1, 1);
    host.opts.shortSample = true;
    host.opts.sampleSize = size;
    host.sample = sample;
    ProgressLog log;
    PrintState state;
    PrintJob(printer, log, host, log, state).print();
    QCOMPARE(printer.docs().first().ops.last().text, printed);
}

QTEST_GUILESS_MAIN(tst_SampleSheets)
#include "tst_SampleSheets.moc"
