#include "app/MainPage.h"
#include "app/TfrmMain.h"
#include "fakes/MainWindowHarness.h"
#include "printing/TfrmPrinting.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>

#include <memory>

namespace {

void printers(FakePlatform& fake, const QStringList& pdfTypefaces)
{
    fake.printer.printerNames = {QStringLiteral("PDF file"), QStringLiteral("Laser")};
    fake.printer.typefacesByPrinter.insert(QStringLiteral("PDF file"), pdfTypefaces);
    fake.printer.typefacesByPrinter.insert(QStringLiteral("Laser"), {"Times", "Courier"});
    fake.printer.typefacesByPrinter.insert(QStringLiteral("Inkjet"), {"Script", "Roman"});
}

// The window as start-up builds it, with its printing dialog, not shown.
struct Window : MainWindowHarness {
    explicit Window(const QStringList& pdfTypefaces = {"Gamma", "Alpha", "Beta"})
        : MainWindowHarness([pdfTypefaces](FakePlatform& fake) { printers(fake, pdfTypefaces); })
    {
        frmMain->FormCreate();
        frmMain->mainPage()->lstFontsClick();  // as the first showing does
        addDialogs();
    }

    void check(const QStringList& boxes)
    {
        for (const QString& name : boxes)
            find<QCheckBox>(name)->setChecked(true);
    }
    void click(const char* button) { find<QPushButton>(button)->click(); }
    QString label(const char* name) { return text(QString::fromLatin1(name)); }
    QStringList listed()
    {
        QStringList names;
        for (int i = 0; i < fonts()->model()->rowCount(); ++i)
            names.append(fonts()->model()->index(i, 0).data().toString());
        return names;
    }
};

const QStringList oneDocument{"beginRun", "begin", "end", "endRun"};

// The families a printout sets its text in, each once, in order.
class FamilyCanvas : public NullCanvas {
public:
    void setFont(const Specimen& specimen) override
    {
        if (!families.contains(specimen.face))
            families.append(specimen.face);
    }
    QStringList families;
};

}  // namespace

class tst_printbuttons : public QObject {
    Q_OBJECT
private slots:
    void print_data();
    void print();
    void printSetup_data();
    void printSetup();
    void runIntoAFileTellsWhereItWent();
    void selectAllAndPrintTakeTheListedFamilies();
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
        << QStringList{"chkPara"} << QStringList{"beginRun", "endRun"}
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
        QCOMPARE(w.frmPrinting->findChild<QLabel*>("lblSelected")->text(), QStringLiteral("Fonts Selected: 1"));
}

void tst_printbuttons::printSetup_data()
{
    QTest::addColumn<int>("choice");
    QTest::addColumn<QString>("added");  // a printer that appears while the dialog is open
    QTest::addColumn<QStringList>("listed");

    QTest::newRow("same printer kept") << 0 << QString() << QStringList{"Alpha", "Beta", "Gamma"};
    QTest::newRow("other printer chosen") << 1 << QString() << QStringList{"Courier", "Times"};
    QTest::newRow("new printer takes the old one's index")
        << -1 << QStringLiteral("Inkjet") << QStringList{"Roman", "Script"};
}

void tst_printbuttons::printSetup()
{
    QFETCH(int, choice);
    QFETCH(QString, added);
    QFETCH(QStringList, listed);

    Window w;
    w.fonts()->selectionModel()->select(w.fonts()->model()->index(2, 0), QItemSelectionModel::Select);
    const int enumerations = w.fake.printer.enumerations;
    w.fake.printer.setupChoice = choice;
    w.fake.printer.setupAdds = added;
    w.click("cmdPrintSetup");
    const bool changed = choice > 0 || !added.isEmpty();

    QStringList names;
    for (int i = 0; i < w.fontCount(); ++i)
        names.append(w.family(i));
    QCOMPARE(names, listed);
    QCOMPARE(w.selectedCount(), changed ? 1 : 2);
    QCOMPARE(w.fake.printer.enumerations, enumerations + (changed ? 1 : 0));
    QCOMPARE(w.text("lblFonts"),
             QStringLiteral("Fonts: %1").arg(listed.size()));
}

void tst_printbuttons::runIntoAFileTellsWhereItWent()
{
    Window w;
    w.check({"chkSample"});
    w.fake.printer.runFile = QStringLiteral("/home/ann/Documents/Glyphary samples (2).pdf");
    w.click("cmdPrint");
    QVERIFY(w.frmPrinting->isVisible());
    // Cut in the middle where it doesn't fit; the ends always show.
    QVERIFY(w.frmPrinting->findChild<QLabel*>("lblSelected")->text().startsWith(QStringLiteral("Gly")));
    QVERIFY(w.frmPrinting->findChild<QLabel*>("lblSelected")->text().endsWith(QStringLiteral("(2).pdf")));
    QVERIFY(w.frmPrinting->findChild<QLabel*>("lblPrinted")->text().startsWith(QStringLiteral("in /")));
    QVERIFY(w.frmPrinting->findChild<QLabel*>("lblPrinted")->text().endsWith(QStringLiteral("/Documents")));
    QCOMPARE(w.frmPrinting->findChild<QLabel*>("lblPrinted")->toolTip(), w.fake.printer.runFile);
    QCOMPARE(w.frmPrinting->findChild<QPushButton*>("cmdCancel")->text(), QStringLiteral("&Close"));
    w.frmPrinting->findChild<QPushButton*>("cmdCancel")->click();
    QVERIFY(!w.frmPrinting->isVisible());
    QVERIFY(!w.frmMain->printState.PrintCancelled);

    // Left open, the dialog serves the next run, which goes to a printer.
    w.click("cmdPrint");
    QVERIFY(w.frmPrinting->isVisible());
    w.fake.printer.runFile.clear();
    w.click("cmdPrint");
    QVERIFY(!w.frmPrinting->isVisible());
    QCOMPARE(w.frmPrinting->findChild<QPushButton*>("cmdCancel")->text(), QStringLiteral("&Cancel"));
    QVERIFY(w.frmPrinting->findChild<QLabel*>("lblPrinted")->toolTip().isEmpty());
}

void tst_printbuttons::selectAllAndPrintTakeTheListedFamilies()
{
    Window w({"Noto Serif", "Liberation Serif", "Noto Serif Display", "Noto Sans"});
    QLineEdit* find = w.frmMain->findChild<QLineEdit*>("edtFind");
    // A hidden selected family leaves the selection; one still listed stays.
    w.fonts()->selectionModel()->select(w.fonts()->model()->index(2, 0),
                                        QItemSelectionModel::Select);
    QTest::keyClicks(find, QStringLiteral("noto SÉRIF"));
    QTRY_COMPARE(w.listed(), (QStringList{"Noto Serif", "Noto Serif Display"}));
    QCOMPARE(w.label("lblFonts"), QStringLiteral("Fonts: 2 of 4"));
    QCOMPARE(w.label("lblSelected"), QStringLiteral("Selected: 1"));
    QCOMPARE(w.label("lblSample"), QStringLiteral("Sample: Noto Serif"));

    w.click("cmdSelectAll");
    QCOMPARE(w.label("lblSelected"), QStringLiteral("Selected: 2"));
    FamilyCanvas printed;
    w.fake.printer.drawOn = &printed;
    w.check({"chkShortSample"});
    w.click("cmdPrint");
    printed.families.removeAll(w.frmMain->sampleTexts().headingFont());
    QCOMPARE(printed.families, (QStringList{"Noto Serif", "Noto Serif Display"}));
    QCOMPARE(w.frmPrinting->findChild<QLabel*>("lblSelected")->text(), QStringLiteral("Fonts Selected: 2"));

    // A term not understood lists nothing and shows no family.
    // The tip shows the terms as typed, not as markup.
    find->setText(QStringLiteral("size:12 type:<b>BOLD</b>"));
    QTRY_COMPARE(w.label("lblFonts"), QStringLiteral("Fonts: 0 of 4"));
    QCOMPARE(w.label("lblSample"), QStringLiteral("Sample: "));
    QCOMPARE(w.label("lblSelected"), QStringLiteral("Selected: 0"));
    QTextDocument tip;
    if (Qt::mightBeRichText(find->toolTip()))
        tip.setHtml(find->toolTip());
    else
        tip.setPlainText(find->toolTip());
    QVERIFY2(tip.toPlainText().contains(QStringLiteral("size:12, type:<b>BOLD</b>")),
             qPrintable(tip.toPlainText()));

    // Esc brings every family back, the current one first listed.
    find->setText(QStringLiteral("display"));
    QTRY_COMPARE(w.listed(), QStringList{"Noto Serif Display"});
    QTest::keyClick(find, Qt::Key_Escape);
    QTRY_COMPARE(w.label("lblFonts"), QStringLiteral("Fonts: 4"));
    QCOMPARE(w.listed().size(), 4);
    QCOMPARE(w.label("lblSample"), QStringLiteral("Sample: Noto Serif Display"));
    QCOMPARE(w.label("lblSelected"), QStringLiteral("Selected: 1"));
}

QTEST_MAIN(tst_printbuttons)
#include "tst_printbuttons.moc"
