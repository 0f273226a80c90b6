#include "app/MainPage.h"
#include "app/TfrmMain.h"
#include "fakes/FakePlatform.h"
#include "printing/TfrmPrinting.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

// The window as start-up builds it, with its printing dialog.
struct Window {
    Window()
    {
        fake.printer.printerNames = {QStringLiteral("PDF file"), QStringLiteral("Laser")};
        fake.printer.typefacesByPrinter.insert(QStringLiteral("PDF file"), {"Gamma", "Alpha", "Beta"});
        fake.printer.typefacesByPrinter.insert(QStringLiteral("Laser"), {"Times", "Courier"});
        frmMain = std::make_unique<TfrmMain>(fake.platform);
        frmMain->FormCreate();
        frmMain->mainPage()->lstFontsClick();  // as the first showing does
        frmPrinting = new TfrmPrinting(frmMain->printState, frmMain.get());
        frmMain->setPrintingDialog(frmPrinting);
    }

    void check(const QStringList& boxes)
    {
        for (const QString& name : boxes)
            frmMain->findChild<QCheckBox*>(name)->setChecked(true);
    }
    void click(const char* button) { frmMain->findChild<QPushButton*>(button)->click(); }
    QListWidget* fonts() { return frmMain->findChild<QListWidget*>("lstFonts"); }

    FakePlatform fake;
    std::unique_ptr<TfrmMain> frmMain;
    TfrmPrinting* frmPrinting = nullptr;
};

const QStringList oneDocument{"beginRun", "begin", "end", "endRun"};

}  // namespace

class tst_printbuttons : public QObject {
    Q_OBJECT
private slots:
    void print_data();
    void print();
    void printSetup_data();
    void printSetup();
};

void tst_printbuttons::print_data()
{
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<QStringList>("errors");
    QTest::addColumn<QString>("styleSuffix");
    QTest::addColumn<int>("checkedSize");  // -1: none

    QTest::newRow("nothing chosen") << QStringList{"chkBold"} << QStringList{}
                                    << QStringList{"You have not selected any print options."}
                                    << QString() << -1;
    QTest::newRow("paragraphs at 7.5 points") << QStringList{"chkPara", "chkPara75"} << oneDocument
                                              << QStringList{} << QString() << 1;
    QTest::newRow("paragraphs at 14 points") << QStringList{"chkPara", "chkPara14"} << oneDocument
                                             << QStringList{} << QString() << 12;
    QTest::newRow("paragraphs without a size")
        << QStringList{"chkPara"} << QStringList{"beginRun", "begin", "abort", "endRun"}
        << QStringList{"You have not selected any point\rsizes for the text paragraphs."} << QString() << -1;
    QTest::newRow("3-line samples, bold italic")
        << QStringList{"chkSample", "chkBold", "chkItalic"} << oneDocument << QStringList{}
        << QStringLiteral(" - Bold Italic") << -1;
    QTest::newRow("1-line samples, italic")
        << QStringList{"chkShortSample", "chkItalic"} << oneDocument << QStringList{} << QStringLiteral(" - Italic") << -1;
    QTest::newRow("charts") << QStringList{"chkCharChart", "chkBold"} << oneDocument << QStringList{}
                            << QStringLiteral(" - Bold") << -1;
    QTest::newRow("full pages") << QStringList{"chkFullPage"} << oneDocument << QStringList{} << QString() << -1;
}

void tst_printbuttons::print()
{
    QFETCH(QStringList, boxes);
    QFETCH(QStringList, events);
    QFETCH(QStringList, errors);
    QFETCH(QString, styleSuffix);
    QFETCH(int, checkedSize);

    Window w;
    w.check(boxes);
    w.click("cmdPrint");

    QCOMPARE(w.fake.printer.events, events);
    QStringList shown;
    for (const FakeMessageBoxes::Box& box : w.fake.messages.boxes)
        shown.append(box.text);
    QCOMPARE(shown, errors);
    QCOMPARE(w.frmMain->printState.StyleSuffix, styleSuffix);
    for (int i = 0; i < 13; ++i)
        QCOMPARE(w.frmMain->printState.ParagraphSizes[std::size_t(i)].Checked, i == checkedSize);
    QVERIFY(!w.frmPrinting->isVisible());
    if (!events.isEmpty())
        QCOMPARE(w.frmPrinting->lblSelected->text(), QStringLiteral("Fonts Selected: 1"));
}

void tst_printbuttons::printSetup_data()
{
    QTest::addColumn<int>("choice");
    QTest::addColumn<QStringList>("listed");

    QTest::newRow("same printer kept") << 0 << QStringList{"Alpha", "Beta", "Gamma"};
    QTest::newRow("other printer chosen") << 1 << QStringList{"Courier", "Times"};
}

void tst_printbuttons::printSetup()
{
    QFETCH(int, choice);
    QFETCH(QStringList, listed);

    Window w;
    w.fonts()->item(2)->setSelected(true);
    const int enumerations = w.fake.printer.enumerations;
    w.fake.printer.setupChoice = choice;
    w.click("cmdPrintSetup");

    QStringList names;
    for (int i = 0; i < w.fonts()->count(); ++i)
        names.append(w.fonts()->item(i)->text());
    QCOMPARE(names, listed);
    QCOMPARE(w.fonts()->selectedItems().size(), choice == 0 ? 2 : 1);
    QCOMPARE(w.fake.printer.enumerations, enumerations + (choice == 0 ? 0 : 1));
    QCOMPARE(w.frmMain->findChild<QLabel*>("lblFonts")->text(),
             QStringLiteral("Fonts: %1").arg(listed.size()));
}

QTEST_MAIN(tst_printbuttons)
#include "tst_printbuttons.moc"
