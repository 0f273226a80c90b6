#include "PrintFakes.h"
#include "printing/PrintJob.h"
#include "printing/PrintState.h"

#include <QTest>

#include <algorithm>

namespace {

struct Rig {
    Rig() : job(printer, log, host, log, state) {}

    RecordingPrinter printer;
    FakeHost host;
    ProgressLog log;
    PrintState state;
    PrintJob job;
};

// Kinds as letters: s 3-line, o 1-line, c chart, f full page, p paragraphs,
// P paragraphs with a size; B bold, I italic.
PrintOptions optionsFor(const QString& kinds)
{
    PrintOptions o;
    o.sample = kinds.contains('s');
    o.shortSample = kinds.contains('o');
    o.charChart = kinds.contains('c');
    o.fullPage = kinds.contains('f');
    o.para = kinds.contains('p') || kinds.contains('P');
    o.paraSizes[4] = kinds.contains('P');
    o.bold = kinds.contains('B');
    o.italic = kinds.contains('I');
    return o;
}

}  // namespace

class tst_PrintJob : public QObject {
    Q_OBJECT
private slots:
    void job_data();
    void job();
    void printerErrorAbortsThePage();
    void secondJobRefusedWhileRunning();
    void variationsReachEveryFamily_data();
    void variationsReachEveryFamily();
};

void tst_PrintJob::job_data()
{
    QTest::addColumn<QString>("kinds");
    QTest::addColumn<int>("families");
    QTest::addColumn<int>("selected");
    QTest::addColumn<int>("cancelAtPump");  // 0: never
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<QStringList>("log");
    QTest::addColumn<QString>("styleSuffix");
    // Each printed page as its first text and the drawing after its rule.
    QTest::addColumn<QStringList>("pages");

    const QString zero = QStringLiteral("Samples Printed: 0");
    const QString one = QStringLiteral("Samples Printed: 1");
    const QString two = QStringLiteral("Samples Printed: 2");
    const QString noSizes = QStringLiteral("error: You have not selected any point\rsizes for the text paragraphs.");
    const QStringList oneDoc{"run", "begin", "end", "endRun"};

    const QString chart0 = QStringLiteral("Character Charts Printed: 0");
    const QString full0 = QStringLiteral("Full Pages Printed: 0");
    const QString para0 = QStringLiteral("Text Paragraphs Printed: 0");
    const auto running = [](const char* kind, int n) { return QStringLiteral("%1 Printed: %2").arg(kind).arg(n); };
    const auto pagesInOneRun = [](int pages) {
        QStringList events{"run"};
        for (int i = 0; i < pages; ++i)
            events << "begin" << "end";
        return events << "endRun";
    };

    QTest::newRow("nothing chosen") << "BI" << 3 << 2 << 0 << QStringList{}
                                    << QStringList{"error: You have not selected any print options."}
                                    << "unchanged" << QStringList{};
    QTest::newRow("paragraphs without a size: shown, hidden, told, nothing printed")
        << "p" << 3 << 2 << 0 << QStringList{"run", "endRun"}
        << QStringList{"Fonts Selected: 2", "show", "hide", noSizes, "hide"} << "" << QStringList{};
    QTest::newRow("charts, full pages, paragraphs: a page each per family")
        << "cfPB" << 3 << 2 << 0
        << pagesInOneRun(6)
        << QStringList{"Fonts Selected: 2", "show", chart0, running("Character Charts", 1),
                       running("Character Charts", 2), full0, running("Full Pages", 1), running("Full Pages", 2),
                       para0, running("Text Paragraphs", 1), running("Text Paragraphs", 2), "hide"}
        << " - Bold"
        << QStringList{"F00 - Bold|33 !", "F01 - Bold|33 !", "F00 - Bold|Eight", "F01 - Bold|Eight",
                       "F00 - Bold|9.0 point", "F01 - Bold|9.0 point"};
    QTest::newRow("all five kinds for three families, in order")
        << "socfP" << 4 << 3 << 0
        << pagesInOneRun(11)
        << QStringList{"Fonts Selected: 3", "show", zero, one, two, "Samples Printed: 3", zero, one, two,
                       "Samples Printed: 3", chart0, running("Character Charts", 1),
                       running("Character Charts", 2), running("Character Charts", 3), full0,
                       running("Full Pages", 1), running("Full Pages", 2), running("Full Pages", 3), para0,
                       running("Text Paragraphs", 1), running("Text Paragraphs", 2),
                       running("Text Paragraphs", 3), "hide"}
        << ""
        << QStringList{"Title|F00", "Title|F00",  "F00|33 !",      "F01|33 !",      "F02|33 !",     "F00|Eight",
                       "F01|Eight", "F02|Eight", "F00|9.0 point", "F01|9.0 point", "F02|9.0 point"};
    QTest::newRow("both sample kinds, then the size check")
        << "sopI" << 3 << 2 << 0 << pagesInOneRun(2)
        << QStringList{"Fonts Selected: 2", "show", zero, one, two, zero, one, two, "hide", noSizes, "hide"}
        << " - Italic" << QStringList{"Title|F00", "Title|F00"};
    QTest::newRow("no family selected: heading pages")
        << "soBI" << 3 << 0 << 0 << pagesInOneRun(2)
        << QStringList{"Fonts Selected: 0", "show", zero, zero, "hide"} << " - Bold Italic"
        << QStringList{"Title|", "Title|"};
    QTest::newRow("no family selected, per-family kinds: no blank page")
        << "cfP" << 3 << 0 << 0 << QStringList{"run", "endRun"}
        << QStringList{"Fonts Selected: 0", "show", chart0, full0, para0, "hide"} << "" << QStringList{};
    QTest::newRow("cancel during the second of five aborts the page, skips the rest")
        << "sop" << 6 << 5 << 2 << QStringList{"run", "begin", "abort", "endRun"}
        << QStringList{"Fonts Selected: 5", "show", zero, one, two, "hide"} << "" << QStringList{};
    QTest::newRow("cancel during the second chart: the first chart printed, the rest skipped")
        << "cf" << 6 << 5 << 2 << pagesInOneRun(2)
        << QStringList{"Fonts Selected: 5", "show", chart0, running("Character Charts", 1),
                       running("Character Charts", 2), "hide"}
        << "" << QStringList{"F00|33 !", "F01|33 !"};
    QTest::newRow("cancel during the last family lets it finish")
        << "so" << 2 << 2 << 2 << oneDoc << QStringList{"Fonts Selected: 2", "show", zero, one, two, "hide"} << ""
        << QStringList{"Title|F00"};
}

void tst_PrintJob::job()
{
    QFETCH(QString, kinds);
    QFETCH(int, families);
    QFETCH(int, selected);
    QFETCH(int, cancelAtPump);
    QFETCH(QStringList, events);
    QFETCH(QStringList, log);
    QFETCH(QString, styleSuffix);
    QFETCH(QStringList, pages);

    Rig rig;
    rig.state.PrintCancelled = true;  // left by a former job
    rig.state.StyleSuffix = QStringLiteral("unchanged");
    rig.host.setFamilies(families, selected);
    rig.host.opts = optionsFor(kinds);
    rig.host.onPump = [&](int pump) { rig.state.PrintCancelled |= pump == cancelAtPump; };
    rig.job.print();

    QCOMPARE(rig.printer.events, events);
    QCOMPARE(rig.log.log, log);
    QCOMPARE(rig.state.StyleSuffix, styleSuffix);
    QCOMPARE(rig.state.PrintCancelled, cancelAtPump > 0 || events.isEmpty());
    QStringList printed;
    for (const RecordedDoc& doc : rig.printer.docs()) {
        if (doc.state != RecordedDoc::Ended)
            continue;
        // A page nothing was drawn on must never reach the printer.
        QVERIFY(!doc.ops.isEmpty());
        const auto rule = std::find_if(doc.ops.begin(), doc.ops.end(),
                                       [](const CanvasOp& op) { return op.kind == CanvasOp::Line; });
        QVERIFY(rule != doc.ops.end());
        printed << doc.ops.first().text + '|' + (rule + 1 != doc.ops.end() ? (rule + 1)->text : QString());
    }
    QCOMPARE(printed, pages);
}

void tst_PrintJob::printerErrorAbortsThePage()
{
    Rig rig;
    rig.host.setFamilies(2, 2);
    rig.host.opts = optionsFor(QStringLiteral("so"));
    rig.printer.failOnBegin = 2;  // the 1-line kind's document
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, rig.job.print());
    QCOMPARE(rig.printer.events, (QStringList{"run", "begin", "end", "begin", "abort", "endRun"}));
    QCOMPARE(rig.log.log.last(), QStringLiteral("hide"));
    QVERIFY(!rig.job.busy());
}

void tst_PrintJob::secondJobRefusedWhileRunning()
{
    Rig rig;
    rig.host.setFamilies(2, 2);
    rig.host.opts = optionsFor(QStringLiteral("s"));
    rig.host.onPump = [&](int) {
        rig.job.print();
        rig.job.printSetup();
    };
    rig.job.print();
    QCOMPARE(rig.printer.events, (QStringList{"run", "begin", "end", "endRun"}));
}


void tst_PrintJob::variationsReachEveryFamily_data()
{
    QTest::addColumn<QString>("kinds");
    QTest::addColumn<bool>("allChars");
    QTest::addColumn<QString>("heading");  // of the page, or of the first family
    QTest::newRow("3-line") << "s" << false << "wdth 87.5, wght 650   Size: 11 points";
    QTest::newRow("1-line") << "o" << false << "wdth 87.5, wght 650   Size: 11 points";
    QTest::newRow("chart") << "c" << false << "F00 - wdth 87.5, wght 650";
    QTest::newRow("all characters") << "c" << true << "F00 - wdth 87.5, wght 650";
    QTest::newRow("full page") << "f" << false << "F00 - wdth 87.5, wght 650";
    QTest::newRow("paragraphs") << "P" << false << "F00 - wdth 87.5, wght 650";
    QTest::newRow("bold italic chart") << "cBI" << false << "F00 - Bold Italic, wdth 87.5, wght 650";
}

// Every family's specimen is drawn with the chosen variations, in the style
// the sheet asks for; headings and labels are drawn without them, and name them.
void tst_PrintJob::variationsReachEveryFamily()
{
    QFETCH(QString, kinds);
    QFETCH(bool, allChars);
    QFETCH(QString, heading);
    Rig rig;
    rig.host.setFamilies(3, 2);
    rig.host.opts = optionsFor(kinds);
    rig.host.opts.allChars = allChars;
    rig.host.opts.variations = {{{"wght", 650}, {"wdth", 87.5}}, {{"smcp", 1}}};
    FontFileFace::CoveragePage latin;
    latin.bits[2] = 0xFFFF;
    rig.host.coverage["F00"] = rig.host.coverage["F01"] = {latin};
    rig.job.print();

    QSet<QString> families;
    for (const RecordedDoc& doc : rig.printer.docs()) {
        for (const CanvasOp& op : doc.ops) {
            if (op.kind == CanvasOp::Line)
                continue;
            const bool specimen = op.family.startsWith('F');
            QCOMPARE(op.variations, specimen ? rig.host.opts.variations : FontVariations{});
            if (specimen)
                families << op.family;
        }
    }
    QCOMPARE(families, (QSet<QString>{"F00", "F01"}));
    // The headings say what the specimens are drawn with.
    QVERIFY2(rig.printer.docs().first().find(heading), qPrintable(heading));
}

QTEST_GUILESS_MAIN(tst_PrintJob)
#include "tst_PrintJob.moc"
