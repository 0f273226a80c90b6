#include "fontfiles/PreviewPrintout.h"
#include "printing/PrintFakes.h"
#include "printing/PrintJob.h"
#include "printing/PrintState.h"

#include <QTest>

namespace {

// Files A.ttf, B.ttf, ... of families FamA, FamB, ..., shown as "Font A", ....
QList<FontFileItem> files(int n)
{
    QList<FontFileItem> items;
    for (int i = 0; i < n; ++i) {
        const QChar letter(u'A' + i);
        items.append({QStringLiteral("Font ") + letter,
                      {QStringLiteral("Fam") + letter, QString(letter) + QStringLiteral(".ttf")}});
    }
    return items;
}

struct Rig {
    explicit Rig(int dpi) : printer(dpi, dpi), printout(printer, log, state) {}

    // Printer events, hook calls and captions in one log.
    bool print(int n, int size, int cancelAtPump = 0, const QString& folder = "/f/")
    {
        PreviewPrintout::Hooks hooks;
        hooks.processEvents = [this, cancelAtPump] {
            state.PrintCancelled |= ++pumps == cancelAtPump;
            if (onPump)
                onPump();
        };
        hooks.startLoading = [this](const QString& from) {
            printer.events << "start " + from;
            opsAtStart = int(printer.docs().last().ops.size());
        };
        hooks.loadFontFile = [this](const FontFileItem& item) {
            printer.events << "load " + item.second.FileName;
            return QString();
        };
        PreviewPrintout::Page page{"Heading", "Title", {"ABC", "abc", "Sample"}, size, variations};
        return printout.print(files(n), folder, page, hooks);
    }

    RecordingPrinter printer;
    ProgressLog log;
    PrintState state;
    PreviewPrintout printout;
    FontVariations variations;
    int pumps = 0;
    int opsAtStart = 0;
    std::function<void()> onPump;
};

// Where each block's name line stands: page and y.
QList<QPoint> blocks(const QList<RecordedDoc>& docs)
{
    QList<QPoint> out;
    for (int page = 0; page < docs.size(); ++page) {
        for (const CanvasOp& op : docs[page].ops) {
            if (op.text.startsWith(QLatin1String("Font ")))
                out.append({page, op.y});
        }
    }
    return out;
}

}  // namespace

class tst_previewprintout : public QObject {
    Q_OBJECT
private slots:
    void printout_data();
    void printout();
    void block_data();
    void block();
    void oneJobAtATime();
};

void tst_previewprintout::printout_data()
{
    QTest::addColumn<int>("dpi");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("files");
    QTest::addColumn<int>("cancelAtPump");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<QList<QPoint>>("blocks");  // (page, y) of every name line

    QList<QPoint> eleven;
    for (int i = 0; i < 11; ++i)
        eleven.append({0, 240 + 261 * i});
    QList<QPoint> sixteen;
    for (int i = 0; i < 16; ++i)
        sixteen.append({0, 480 + (102 + 3 * 62 + 60) * i});

    QStringList loads;
    for (int i = 0; i < 16; ++i)
        loads << QStringLiteral("load %1.ttf").arg(QChar(u'A' + i));

    QTest::newRow("300 dpi, 11 points: eleven blocks, the last page holds the heading alone")
        << 300 << 11 << 11 << 0
        << QStringList{"run", "begin", "start /f/"} + loads.mid(0, 11)
               + QStringList{"end", "begin", "end", "endRun"}
        << eleven;
    QTest::newRow("300 dpi, 11 points, a twelfth block on page two")
        << 300 << 11 << 12 << 0
        << QStringList{"run", "begin", "start /f/"} + loads.mid(0, 11)
               + QStringList{"end", "begin", "load L.ttf", "end", "endRun"}
        << eleven + QList<QPoint>{{1, 240}};
    // (4 + 3.5) / 72 * 600 = 62.5 goes to 62; the limit 6010.5 to 6010.
    QTest::newRow("600 dpi, 4 points: halves go to the even neighbour")
        << 600 << 4 << 16 << 0
        << QStringList{"run", "begin", "start /f/"} + loads
               + QStringList{"end", "begin", "end", "endRun"}
        << sixteen;
    QTest::newRow("cancel while the third of five prints")
        << 300 << 11 << 5 << 4
        << QStringList{"run", "begin", "start /f/"} + loads.mid(0, 4)
               + QStringList{"abort", "endRun"}
        << eleven.mid(0, 4);
    QTest::newRow("cancel while the last prints")
        << 300 << 11 << 3 << 3
        << QStringList{"run", "begin", "start /f/"} + loads.mid(0, 3)
               + QStringList{"end", "endRun"}
        << eleven.mid(0, 3);
}

void tst_previewprintout::printout()
{
    QFETCH(int, dpi);
    QFETCH(int, size);
    QFETCH(int, files);
    QFETCH(int, cancelAtPump);
    QFETCH(QStringList, events);
    QFETCH(QList<QPoint>, blocks);

    Rig rig(dpi);
    rig.state.PrintCancelled = cancelAtPump == 0;  // left by a former job
    QVERIFY(rig.print(files, size, cancelAtPump));
    QCOMPARE(rig.printer.events, events);
    QCOMPARE(::blocks(rig.printer.docs()), blocks);
    QCOMPARE(rig.state.PrinterDpiY, dpi);
    QCOMPARE(rig.log.log.first(), QStringLiteral("Fonts Selected: %1").arg(files));
    QCOMPARE(rig.log.log.last(), QStringLiteral("hide"));
    QVERIFY(!rig.state.JobRunning);
}

void tst_previewprintout::block_data()
{
    QTest::addColumn<QString>("axes");
    QTest::addColumn<QString>("right");  // of the page heading
    QTest::newRow("defaults") << "" << "   Size: 9 points";
    QTest::newRow("the program's axis settings") << "wght" << "wght 650   Size: 9 points";
}

void tst_previewprintout::block()
{
    QFETCH(QString, axes);
    QFETCH(QString, right);
    Rig rig(300);
    if (!axes.isEmpty())
        rig.variations.axes.insert(axes, 650);
    rig.state.StyleSuffix = QStringLiteral(" - Bold Italic");  // the last print job's
    rig.print(2, 9);
    // The heading names the settings, not the last job's style.
    QVERIFY(rig.printer.docs().first().find(right));
    // The previous printout's files go only once the new heading stands.
    QCOMPARE(rig.opsAtStart, 3);
    const QList<CanvasOp>& ops = rig.printer.docs().first().ops;
    const CanvasOp* size = rig.printer.docs().first().find(right);
    QVERIFY(size);
    QCOMPARE(size->y, 135);

    const RecordedDoc& page = rig.printer.docs().first();
    for (const QString& name : {QStringLiteral("Font A"), QStringLiteral("Font B")}) {
        const CanvasOp* line = page.find(name);
        QVERIFY(line);
        QCOMPARE(line->family, QStringLiteral("Heading"));
        QCOMPARE(line->pointSize, 10.0);
        const qsizetype at = line - ops.constData();
        QCOMPARE(ops.size() > at + 3, true);
        for (int k = 1; k <= 3; ++k) {
            const CanvasOp& specimen = ops[at + k];
            // The loaded file's own face, neither emboldened nor slanted.
            QCOMPARE(specimen.family, QStringLiteral("/f/") + name.back() + QStringLiteral(".ttf"));
            QCOMPARE(specimen.pointSize, 9.0);
            QVERIFY(!specimen.bold && !specimen.italic);
            QCOMPARE(specimen.variations, rig.variations);
            QCOMPARE(specimen.x, 180);
            // Name line Y(0.17) = 51, line step round(12.5 / 72 * 300) = 52.
            QCOMPARE(specimen.y, line->y + 51 + 52 * (k - 1));
        }
    }
}

void tst_previewprintout::oneJobAtATime()
{
    Rig rig(300);
    FakeHost host;
    host.setFamilies(2, 2);
    host.opts.sample = true;
    PrintJob job(rig.printer, rig.log, host, rig.log, rig.state);
    bool refused = false;
    rig.onPump = [&] {
        job.print();
        refused = !rig.print(1, 11);
    };
    QVERIFY(rig.print(2, 11));
    QVERIFY(refused);
    QCOMPARE(rig.printer.events.count("run"), 1);

    // And the other way round: no printout inside a job's pumping.
    host.onPump = [&](int) { refused = !rig.print(1, 11); };
    refused = false;
    rig.onPump = nullptr;
    job.print();
    QVERIFY(refused);
    QCOMPARE(rig.printer.events.count("run"), 2);
}

QTEST_GUILESS_MAIN(tst_previewprintout)
#include "tst_previewprintout.moc"
