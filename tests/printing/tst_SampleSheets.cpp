#include "PrintFakes.h"
#include "printing/PrintJob.h"
#include "printing/PrintState.h"
#include "printing/SampleSheets.h"

#include <QTest>

namespace {

struct Block {
    int page;
    QString family;
    QPoint name;      // the family name line
    QPoint specimen;  // the first specimen line
};

// Every family name line and the specimen line under it, page by page.
QList<Block> blocksOf(const QList<RecordedDoc>& docs, int specimenLines)
{
    QList<Block> blocks;
    for (int page = 0; page < docs.size(); ++page) {
        const QList<CanvasOp>& ops = docs[page].ops;
        for (int i = 0; i < ops.size(); ++i) {
            if (ops[i].kind != CanvasOp::Text || !ops[i].text.startsWith(QLatin1Char('F')))
                continue;
            QList<CanvasOp> lines;
            for (int j = i + 1; j < ops.size() && lines.size() < specimenLines; ++j) {
                if (ops[j].kind == CanvasOp::Text)
                    lines.append(ops[j]);
            }
            blocks.append({page, ops[i].text, {ops[i].x, ops[i].y}, {lines[0].x, lines[0].y}});
        }
    }
    return blocks;
}

struct Rig {
    explicit Rig(int dpiX, int dpiY)
        : printer(dpiX, dpiY)
        , messages(progress.log)
        , job(printer, messages, host, progress, state)
    {
    }
    RecordingPrinter printer;
    FakeHost host;
    FakeProgress progress;
    LoggingMessages messages;
    PrintState state;
    PrintJob job;
};

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
    void specimenStyle_data();
    void specimenStyle();
};

void tst_SampleSheets::metrics_data()
{
    QTest::addColumn<int>("dpiY");
    QTest::addColumn<int>("size");
    QTest::addColumn<QList<int>>("expected");  // line step, name line, gap, page limit, entry step, column limit

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
    QTest::addColumn<int>("dpiX");
    QTest::addColumn<int>("dpiY");
    QTest::addColumn<int>("families");
    QTest::addColumn<int>("pages");
    QTest::addColumn<QList<int>>("perPage");
    QTest::addColumn<QList<int>>("starts");  // name lines of the first page

    const QList<int> eleven{240, 501, 762, 1023, 1284, 1545, 1806, 2067, 2328, 2589, 2850};
    QTest::newRow("one family") << 300 << 300 << 1 << 1 << QList<int>{1} << QList<int>{240};
    QTest::newRow("eleven fill a page, a heading-only page follows")
        << 300 << 300 << 11 << 2 << QList<int>{11, 0} << eleven;
    QTest::newRow("twelfth on the second page") << 300 << 300 << 12 << 2 << QList<int>{11, 1} << eleven;
    QTest::newRow("no family: the heading alone") << 300 << 300 << 0 << 1 << QList<int>{0} << QList<int>{};
    QTest::newRow("600 by 1200")
        << 600 << 1200 << 12 << 2 << QList<int>{11, 1}
        << QList<int>{960, 2010, 3060, 4110, 5160, 6210, 7260, 8310, 9360, 10410, 11460};
}

void tst_SampleSheets::threeLinePages()
{
    QFETCH(int, dpiX);
    QFETCH(int, dpiY);
    QFETCH(int, families);
    QFETCH(int, pages);
    QFETCH(QList<int>, perPage);
    QFETCH(QList<int>, starts);

    Rig rig(dpiX, dpiY);
    rig.host.setFamilies(families + 3, families);
    rig.host.opts.sample = true;
    rig.job.print();

    QCOMPARE(rig.printer.docs().size(), pages);
    QVERIFY(rig.printer.misuse.isEmpty());
    const PageLayout layout(dpiX, dpiY);
    QList<int> counts(pages, 0);
    QList<int> firstPage;
    const QList<Block> blocks = blocksOf(rig.printer.docs(), 3);
    for (const Block& b : blocks) {
        ++counts[b.page];
        if (b.page == 0)
            firstPage.append(b.name.y());
        QCOMPARE(b.name.x(), layout.X(0.6L));
        QCOMPARE(b.specimen, QPoint(layout.X(0.6L), b.name.y() + layout.Y(0.17L)));
    }
    QCOMPARE(counts, perPage);
    QCOMPARE(firstPage, starts);
    for (int i = 0; i < blocks.size(); ++i)
        QCOMPARE(blocks[i].family, QStringLiteral("F%1").arg(i, 2, 10, QLatin1Char('0')));
    for (const RecordedDoc& doc : rig.printer.docs()) {
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
    QTest::newRow("no family: the heading alone") << 0 << QList<int>{0};
}

void tst_SampleSheets::oneLinePages()
{
    QFETCH(int, families);
    QFETCH(QList<int>, perPage);

    Rig rig(300, 300);
    rig.host.setFamilies(families, families);
    rig.host.opts.shortSample = true;
    rig.job.print();

    QCOMPARE(rig.printer.docs().size(), perPage.size());
    QList<int> counts(perPage.size(), 0);
    const QList<Block> blocks = blocksOf(rig.printer.docs(), 1);
    for (int i = 0; i < blocks.size(); ++i) {
        const Block& b = blocks[i];
        ++counts[b.page];
        const int inPage = i % 40;
        const QPoint name(inPage < 20 ? 180 : 1320, 240 + 141 * (inPage % 20));
        QCOMPARE(b.name, name);
        QCOMPARE(b.specimen, name + QPoint(0, 51));
    }
    QCOMPARE(counts, perPage);
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
    QTest::newRow("exactly the width stays") << 20 << QString(25, QLatin1Char('m')) << QString(25, QLatin1Char('m'));
    QTest::newRow("one over is cut") << 20 << QString(26, QLatin1Char('m')) << QString(25, QLatin1Char('m'));
    QTest::newRow("surrogate pair dropped whole")
        << 20 << QString(24, QLatin1Char('m')) + QStringLiteral("\U0001F600") << QString(24, QLatin1Char('m'));
    QTest::newRow("empty") << 11 << QString() << QString();
}

void tst_SampleSheets::oneLineCut()
{
    QFETCH(int, size);
    QFETCH(QString, sample);
    QFETCH(QString, printed);

    Rig rig(300, 300);
    rig.host.setFamilies(1, 1);
    rig.host.opts.shortSample = true;
    rig.host.opts.sampleSize = size;
    rig.host.sample = sample;
    rig.job.print();
    const QList<Block> blocks = blocksOf(rig.printer.docs(), 1);
    QCOMPARE(blocks.size(), 1);
    const QStringList texts = rig.printer.docs().first().texts();
    QCOMPARE(texts.last(), printed);
}

void tst_SampleSheets::specimenStyle_data()
{
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("italic");
    QTest::addColumn<bool>("oneLine");

    QTest::newRow("3-line plain") << false << false << false;
    QTest::newRow("3-line bold italic") << true << true << false;
    QTest::newRow("1-line italic") << false << true << true;
    QTest::newRow("1-line bold") << true << false << true;
}

void tst_SampleSheets::specimenStyle()
{
    QFETCH(bool, bold);
    QFETCH(bool, italic);
    QFETCH(bool, oneLine);

    Rig rig(300, 300);
    rig.host.setFamilies(2, 2);
    rig.host.opts.sample = !oneLine;
    rig.host.opts.shortSample = oneLine;
    rig.host.opts.bold = bold;
    rig.host.opts.italic = italic;
    rig.host.opts.sampleSize = 14;
    rig.job.print();

    int specimens = 0;
    QString family;
    for (const CanvasOp& op : rig.printer.docs().first().ops) {
        if (op.kind != CanvasOp::Text)
            continue;
        if (op.text.startsWith(QLatin1Char('F')) || op.y < 240) {
            QCOMPARE(op.family, QStringLiteral("Heading"));
            QCOMPARE(op.pointSize, 10.0);
            QVERIFY(!op.bold && !op.italic);
            family = op.text;
        } else {
            QCOMPARE(op.family, family);
            QCOMPARE(op.pointSize, 14.0);
            QCOMPARE(op.bold, bold);
            QCOMPARE(op.italic, italic);
            ++specimens;
        }
    }
    QCOMPARE(specimens, oneLine ? 2 : 6);
}

QTEST_GUILESS_MAIN(tst_SampleSheets)
#include "tst_SampleSheets.moc"
