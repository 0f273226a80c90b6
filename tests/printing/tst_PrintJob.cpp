#include "PrintFakes.h"
#include "printing/PrintJob.h"
#include "printing/PrintState.h"

#include <QTest>

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

    const QString zero = QStringLiteral("Samples Printed: 0");
    const QString one = QStringLiteral("Samples Printed: 1");
    const QString two = QStringLiteral("Samples Printed: 2");
    const QString noSizes = QStringLiteral("error: You have not selected any point\rsizes for the text paragraphs.");
    const QStringList oneDoc{"run", "begin", "end", "endRun"};

    QTest::newRow("nothing chosen") << "BI" << 3 << 2 << 0 << QStringList{}
                                    << QStringList{"error: You have not selected any print options."}
                                    << "unchanged";
    QTest::newRow("paragraphs without a size: shown, hidden, told, aborted")
        << "p" << 3 << 2 << 0 << QStringList{"run", "begin", "abort", "endRun"}
        << QStringList{"Fonts Selected: 2", "show", "hide", noSizes, "hide"} << "";
    QTest::newRow("unbuilt kinds end the empty document")
        << "cfPB" << 3 << 2 << 0 << oneDoc << QStringList{"Fonts Selected: 2", "show", "hide"} << " - Bold";
    QTest::newRow("both sample kinds, then the size check")
        << "sopI" << 3 << 2 << 0 << QStringList{"run", "begin", "end", "begin", "end", "endRun"}
        << QStringList{"Fonts Selected: 2", "show", zero, one, two, zero, one, two, "hide", noSizes, "hide"}
        << " - Italic";
    QTest::newRow("no family selected: heading pages")
        << "soBI" << 3 << 0 << 0 << QStringList{"run", "begin", "end", "begin", "end", "endRun"}
        << QStringList{"Fonts Selected: 0", "show", zero, zero, "hide"} << " - Bold Italic";
    QTest::newRow("cancel during the second of five aborts the page, skips the rest")
        << "sop" << 6 << 5 << 2 << QStringList{"run", "begin", "abort", "endRun"}
        << QStringList{"Fonts Selected: 5", "show", zero, one, two, "hide"} << "";
    QTest::newRow("cancel during the last family lets it finish")
        << "so" << 2 << 2 << 2 << oneDoc << QStringList{"Fonts Selected: 2", "show", zero, one, two, "hide"} << "";
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

QTEST_GUILESS_MAIN(tst_PrintJob)
#include "tst_PrintJob.moc"
