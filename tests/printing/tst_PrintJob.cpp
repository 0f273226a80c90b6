#include "PrintFakes.h"
#include "printing/PrintJob.h"
#include "printing/PrintState.h"

#include <QTest>

namespace {

struct Rig {
    Rig()
        : messages(progress.log)
        , job(printer, messages, host, progress, state)
    {
    }
    RecordingPrinter printer{300, 300};
    FakeHost host;
    FakeProgress progress;
    LoggingMessages messages;
    PrintState state;
    PrintJob job;
};

const QString noOptions = QStringLiteral("error You have not selected any print options.");
const QString noSizes =
    QStringLiteral("error You have not selected any point\rsizes for the text paragraphs.");

// Kinds as letters: s 3-line, o 1-line, c chart, f full page, p paragraphs.
PrintOptions optionsFor(const QString& kinds)
{
    PrintOptions o;
    o.sample = kinds.contains(QLatin1Char('s'));
    o.shortSample = kinds.contains(QLatin1Char('o'));
    o.charChart = kinds.contains(QLatin1Char('c'));
    o.fullPage = kinds.contains(QLatin1Char('f'));
    o.para = kinds.contains(QLatin1Char('p'));
    return o;
}

}  // namespace

class tst_PrintJob : public QObject {
    Q_OBJECT
private slots:
    void documents_data();
    void documents();
    void progressTexts();
    void styleSuffix_data();
    void styleSuffix();
    void paragraphSizesCopied();
    void printerErrorAbortsThePage();
    void secondJobRefusedWhileRunning();
    void printSetup_data();
    void printSetup();
};

void tst_PrintJob::documents_data()
{
    QTest::addColumn<QString>("kinds");
    QTest::addColumn<bool>("paraSize");
    QTest::addColumn<int>("families");
    QTest::addColumn<int>("selected");
    QTest::addColumn<int>("cancelAtPump");  // 0: never
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<QStringList>("progress");
    QTest::addColumn<bool>("cancelledAfter");

    const QString sel2 = QStringLiteral("selected Fonts Selected: 2");
    const QString sel5 = QStringLiteral("selected Fonts Selected: 5");
    const QString zero = QStringLiteral("Samples Printed: 0");
    const QString one = QStringLiteral("Samples Printed: 1");
    const QString two = QStringLiteral("Samples Printed: 2");
    const QString show = QStringLiteral("show");
    const QString hide = QStringLiteral("hide");

    QTest::newRow("nothing chosen") << QString() << false << 3 << 2 << 0 << QStringList{}
                                    << QStringList{noOptions} << true;
    QTest::newRow("paragraphs without a size")
        << "p" << false << 3 << 2 << 0 << QStringList{"run", "begin", "abort", "endRun"}
        << QStringList{sel2, show, hide, noSizes, hide} << false;
    QTest::newRow("paragraphs with a size end the empty document")
        << "p" << true << 3 << 2 << 0 << QStringList{"run", "begin", "end", "endRun"}
        << QStringList{sel2, show, hide} << false;
    QTest::newRow("charts and full pages alone end the empty document")
        << "cf" << false << 3 << 2 << 0 << QStringList{"run", "begin", "end", "endRun"}
        << QStringList{sel2, show, hide} << false;
    QTest::newRow("samples then the size check after them")
        << "sop" << false << 3 << 2 << 0
        << QStringList{"run", "begin", "end", "begin", "end", "endRun"}
        << QStringList{sel2, show, zero, one, two, zero, one, two, hide, noSizes, hide} << false;
    QTest::newRow("no family selected: heading pages only")
        << "so" << false << 3 << 0 << 0 << QStringList{"run", "begin", "end", "begin", "end", "endRun"}
        << QStringList{"selected Fonts Selected: 0", show, zero, zero, hide} << false;
    QTest::newRow("cancel during the second of five aborts the page, skips the rest")
        << "sop" << false << 6 << 5 << 2 << QStringList{"run", "begin", "abort", "endRun"}
        << QStringList{sel5, show, zero, one, two, hide} << true;
    QTest::newRow("cancel during the last family lets it finish")
        << "so" << false << 2 << 2 << 2 << QStringList{"run", "begin", "end", "endRun"}
        << QStringList{sel2, show, zero, one, two, hide} << true;
}

void tst_PrintJob::documents()
{
    QFETCH(QString, kinds);
    QFETCH(bool, paraSize);
    QFETCH(int, families);
    QFETCH(int, selected);
    QFETCH(int, cancelAtPump);
    QFETCH(QStringList, events);
    QFETCH(QStringList, progress);
    QFETCH(bool, cancelledAfter);

    Rig rig;
    rig.state.PrintCancelled = true;  // a former job's cancel
    rig.host.setFamilies(families, selected);
    rig.host.opts = optionsFor(kinds);
    rig.host.opts.paraSizes[4] = paraSize;
    rig.host.onPump = [&](int pump) {
        if (pump == cancelAtPump)
            rig.state.PrintCancelled = true;
    };
    rig.job.print();

    QCOMPARE(rig.printer.events, events);
    QCOMPARE(rig.progress.log, progress);
    QCOMPARE(rig.state.PrintCancelled, cancelledAfter);
    QVERIFY2(rig.printer.misuse.isEmpty(), qPrintable(rig.printer.misuse.join(", ")));
    QVERIFY(!rig.progress.visible);
}

void tst_PrintJob::progressTexts()
{
    // The 1-line kind walks its own list of the selected names only.
    Rig rig;
    rig.host.setFamilies(4, 3);
    rig.host.opts = optionsFor(QStringLiteral("o"));
    rig.job.print();
    QCOMPARE(rig.host.pumps, 3);
    QCOMPARE(rig.progress.log.mid(2, 4),
             (QStringList{"Samples Printed: 0", "Samples Printed: 1", "Samples Printed: 2",
                          "Samples Printed: 3"}));
}

void tst_PrintJob::styleSuffix_data()
{
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("italic");
    QTest::addColumn<QString>("suffix");

    QTest::newRow("neither") << false << false << QString();
    QTest::newRow("bold") << true << false << QStringLiteral(" - Bold");
    QTest::newRow("italic") << false << true << QStringLiteral(" - Italic");
    QTest::newRow("both") << true << true << QStringLiteral(" - Bold Italic");
}

void tst_PrintJob::styleSuffix()
{
    QFETCH(bool, bold);
    QFETCH(bool, italic);
    QFETCH(QString, suffix);

    Rig rig;
    rig.state.StyleSuffix = QStringLiteral("stale");
    rig.host.setFamilies(1, 1);
    rig.host.opts = optionsFor(QStringLiteral("c"));
    rig.host.opts.bold = bold;
    rig.host.opts.italic = italic;
    rig.job.print();
    QCOMPARE(rig.state.StyleSuffix, suffix);
    QCOMPARE(rig.state.PrinterDpiX, 300);
}

void tst_PrintJob::paragraphSizesCopied()
{
    Rig rig;
    rig.host.setFamilies(1, 1);
    rig.host.opts = optionsFor(QStringLiteral("p"));
    rig.host.opts.paraSizes[1] = true;
    rig.host.opts.paraSizes[12] = true;
    rig.state.ParagraphSizes[0].Checked = true;
    rig.job.print();
    QList<bool> checked;
    for (const ParagraphSize& size : rig.state.ParagraphSizes)
        checked.append(size.Checked);
    QCOMPARE(checked, (QList<bool>{false, true, false, false, false, false, false, false, false,
                                   false, false, false, true}));
    QCOMPARE(rig.state.ParagraphSizes[1].PointSize, 7.5F);
}

void tst_PrintJob::printerErrorAbortsThePage()
{
    Rig rig;
    rig.host.setFamilies(2, 2);
    rig.host.opts = optionsFor(QStringLiteral("so"));
    rig.printer.failOnBegin = 2;  // the 1-line kind's document
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, rig.job.print());
    QCOMPARE(rig.printer.events, (QStringList{"run", "begin", "end", "begin", "abort", "endRun"}));
    QVERIFY(!rig.progress.visible);
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
    QCOMPARE(rig.printer.setupDialogs, 0);
}

void tst_PrintJob::printSetup_data()
{
    QTest::addColumn<int>("after");
    QTest::addColumn<int>("refills");

    QTest::newRow("same printer kept") << 0 << 0;
    QTest::newRow("other printer chosen") << 1 << 1;
}

void tst_PrintJob::printSetup()
{
    QFETCH(int, after);
    QFETCH(int, refills);

    Rig rig;
    rig.printer.indexAfterSetup = after;
    rig.job.printSetup();
    QCOMPARE(rig.printer.setupDialogs, 1);
    QCOMPARE(rig.host.refills, refills);
}

QTEST_GUILESS_MAIN(tst_PrintJob)
#include "tst_PrintJob.moc"
