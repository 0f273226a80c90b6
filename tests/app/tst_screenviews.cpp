#include "app/GlyApplication.h"
#include "app/EditTextPage.h"
#include "app/LargeSamplePage.h"
#include "app/MainPage.h"
#include "app/ShowAllPage.h"
#include "app/TfrmMain.h"
#include "app/TfrmSplash.h"
#include "fakes/MainWindowHarness.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QPushButton>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include <algorithm>

namespace {

using Box = FakeMessageBoxes::Box;

void screenFonts(FakePlatform& fake)
{
    fake.fonts.addFamily("Symbols", {{"Regular", true, false, FontFace::CharSet::Symbol}});
    for (const char* family : {"Book", "Mono", "Sans"})
        fake.fonts.addTrueTypeFamily(family);
    fake.printer.setTypefaces({"Book", "Mono", "Resident", "Sans", "Symbols"});
}

struct Window : MainWindowHarness {
    Window() : MainWindowHarness(screenFonts) {}
};

}  // namespace

class TestScreenViews : public QObject {
    Q_OBJECT

private slots:
    void sizeHandlersIgnoreOutOfRange_data();
    void sizeHandlersIgnoreOutOfRange();
    void showAllHeights();
    void showAllFollowsTheSelection_data();
    void showAllFollowsTheSelection();
    void fontMap_data();
    void fontMap();
    void viewsFollowTheVariations_data();
    void viewsFollowTheVariations();
    void variationsDialog();
    void startUp_data();
    void startUp();
    void paragraphSurvivesRestart_data();
    void paragraphSurvivesRestart();
    void failedSaveKeepsEveryText_data();
    void failedSaveKeepsEveryText();
    void paragraphInputLimit_data();
    void paragraphInputLimit();
    void headingFontQuestion_data();
    void headingFontQuestion();
};

void TestScreenViews::sizeHandlersIgnoreOutOfRange_data()
{
    QTest::addColumn<bool>("large");  // spnLargeSample, else spnPointSize
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("applied");
    QTest::newRow("sample 20") << false << 20 << true;
    QTest::newRow("sample 0") << false << 0 << false;
    QTest::newRow("sample 21") << false << 21 << false;
    QTest::newRow("large 60") << true << 60 << true;
    QTest::newRow("large 70") << true << 70 << false;
}

void TestScreenViews::sizeHandlersIgnoreOutOfRange()
{
    QFETCH(bool, large);
    QFETCH(int, value);
    QFETCH(bool, applied);
    Window w;
    w.start();
    auto* memo = w.find<QPlainTextEdit>(large ? "memLargeSample" : "memDispFont");
    const int before = memo->font().pointSize();
    large ? w.frmMain->largeSamplePage()->spnLargeSampleChange(value)
          : w.frmMain->mainPage()->spnPointSizeChange(value);
    QCOMPARE(memo->font().pointSize(), applied ? value : before);
}

void TestScreenViews::showAllHeights()
{
    Window w;
    w.start();
    w.frmMain->mainPage()->cmdSelectAllClick();
    auto* box = w.find<QWidget>("pbxSelected");
    // Four drawn families at 60 points; the printer-resident one takes no room.
    const int height = 5 + 4 * (14 + 104) + 14;
    w.frmMain->showAllPage()->spnSelectedChange(0);
    w.frmMain->showAllPage()->spnSelectedChange(61);
    QCOMPARE(box->height(), 4875);
    w.find<QSpinBox>("spnSelected")->setValue(60);
    QCOMPARE(box->height(), int(height * 1.01));
    box->grab();  // a paint never resizes the page
    QCOMPARE(box->height(), int(height * 1.01));
    auto* pages = w.find<QTabWidget>("PageControl1");
    pages->setCurrentWidget(w.frmMain->showAllPage());
    QCOMPARE(box->height(), height + 1);
}

void TestScreenViews::showAllFollowsTheSelection_data()
{
    QTest::addColumn<int>("change");
    QTest::addColumn<QStringList>("drawn");
    QTest::newRow("Select All") << 0 << QStringList{"Book", "Mono", "Sans", "Symbols"};
    QTest::newRow("another clicked") << 1 << QStringList{"Sans"};
    QTest::newRow("list refilled") << 2 << QStringList{"Mono"};
}

// The page's families are kept between paints; every change of the
// selection or of the list must be seen.
void TestScreenViews::showAllFollowsTheSelection()
{
    QFETCH(int, change);
    QFETCH(QStringList, drawn);
    Window w;
    w.start();
    QCOMPARE(w.frmMain->selectedFontsPage().families, QStringList{"Book"});
    MainPage* main = w.frmMain->mainPage();
    switch (change) {
    case 0:
        main->cmdSelectAllClick();
        break;
    case 1:
        w.setCurrentFont(3, QItemSelectionModel::ClearAndSelect);
        break;
    default:
        w.fake.printer.setTypefaces({"Mono", "Resident"});
        w.frmMain->library().refresh();
    }
    QCOMPARE(w.frmMain->selectedFontsPage().families, drawn);
}

void TestScreenViews::fontMap_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<QString>("move");  // after entering the page
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("panel");
    QTest::addColumn<int>("panelSize");
    QTest::newRow("entering shows A") << "Book" << "" << "Current Character:  65  A" << "A" << 30;
    QTest::newRow("one ampersand") << "Book" << "0,6" << "Current Character:  38  &" << "&" << 30;
    QTest::newRow("blank") << "Book" << "0,0" << "Current Character:  32   " << " " << 30;
    QTest::newRow("code page") << "Book" << "3,0" << QString::fromUtf8("Current Character:  128  €") << "€" << 30;
    QTest::newRow("arrow key") << "Book" << "right" << "Current Character:  66  B" << "B" << 30;
    QTest::newRow("click on the current cell") << "Book" << "click" << "Current Character:  65  A" << "A" << 30;
    QTest::newRow("symbol family") << "Symbols" << "" << "Current Character:  65  A" << QString(QChar(0xF041)) << 20;
}

void TestScreenViews::fontMap()
{
    QFETCH(QString, family);
    QFETCH(QString, move);
    QFETCH(QString, label);
    QFETCH(QString, panel);
    QFETCH(int, panelSize);
    Window w;
    w.start();
    auto* fonts = w.find<QListView>("lstFonts");
    fonts->setCurrentIndex(fonts->model()->match(fonts->model()->index(0, 0), Qt::DisplayRole,
                                                 family, 1, Qt::MatchExactly).first());
    auto* bold = w.find<QCheckBox>("chkGridBold");
    bold->setChecked(true);
    auto* tabs = w.find<QTabWidget>("PageControl1");
    tabs->tabBar()->setCurrentIndex(tabs->indexOf(w.find<QWidget>("tabFontMap")));
    QVERIFY(!bold->isChecked());

    auto* grid = w.find<QTableWidget>("grdFontMap");
    auto* lblCurrChar = w.find<QLabel>("lblCurrChar");
    auto* pnlCurrChar = w.find<QLabel>("pnlCurrChar");
    if (move == "right") {
        QTest::keyClick(grid, Qt::Key_Right);
    } else if (move == "click") {
        lblCurrChar->clear();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualItemRect(grid->currentItem()).center());
    } else if (!move.isEmpty()) {
        grid->setCurrentCell(move.section(u',', 0, 0).toInt(), move.section(u',', 1).toInt());
    }
    // Labels without a buddy show an ampersand as it is.
    QVERIFY(!lblCurrChar->buddy() && !pnlCurrChar->buddy());
    QCOMPARE(lblCurrChar->text(), label);
    QCOMPARE(pnlCurrChar->text(), panel);
    QCOMPARE(pnlCurrChar->font().pointSize(), panelSize);
    QVERIFY(!grid->font().bold());
}

void TestScreenViews::viewsFollowTheVariations_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("view");  // the widget whose drawing asks for the font
    QTest::newRow("Main") << "tabMain" << "memDispFont";
    QTest::newRow("Large Sample") << "tabLargeSample" << "memLargeSample";
    QTest::newRow("Font Map") << "tabFontMap" << "grdFontMap";
    QTest::newRow("Show All Selected") << "tabShowAll" << "pbxSelected";
}

// One set of variations for the program: whichever page shows, a change is
// drawn at once in the current family, in the page's own style, and a
// return to the defaults is drawn as before.
void TestScreenViews::viewsFollowTheVariations()
{
    QFETCH(QString, page);
    QFETCH(QString, view);
    Window w;
    w.start();
    auto* tabs = w.find<QTabWidget>("PageControl1");
    tabs->tabBar()->setCurrentIndex(tabs->indexOf(w.find<QWidget>(page)));
    const FontVariations heavy{{{"wght", 650}, {"wdth", 87.5}}, {}};
    for (const FontVariations& chosen : {heavy, FontVariations{}}) {
        w.fake.fonts.specimens.clear();
        w.frmMain->specimens().setVariations(chosen);
        w.find<QWidget>(view)->grab();
        const auto drawn = std::find_if(w.fake.fonts.specimens.cbegin(), w.fake.fonts.specimens.cend(),
                                        [](const Specimen& s) { return s.face == "Book"; });
        QVERIFY(drawn != w.fake.fonts.specimens.cend());
        QCOMPARE(drawn->variations, chosen);
        QVERIFY(!drawn->bold);
    }
}

// The dialog sets positions for the program, offers the font's named
// instances and hides what the font hides; Reset takes the family's axes back.
void TestScreenViews::variationsDialog()
{
    Window w;
    w.fake.fonts.spaces["Book"] = {{{"wght", "Weight", 100, 400, 900, false},
                                    {"XTRA", "Counter", 300, 500, 600, true}},
                                   {{"Black", {{"wght", 900}, {"XTRA", 500}}}}};
    w.start();
    w.frmMain->specimens().setVariations({{{"GRAD", 50}}, {}});
    w.find<QPushButton>("cmdVariations")->click();
    auto* dialog = w.frmMain->findChild<QDialog*>("frmVariations");
    QVERIFY(dialog && dialog->isVisible());
    auto* weight = dialog->findChild<QDoubleSpinBox*>("spnwght");
    QCOMPARE(weight->value(), 400.0);
    QVERIFY(!dialog->findChild<QDoubleSpinBox*>("spnXTRA")->isVisibleTo(dialog));
    dialog->findChild<QCheckBox*>("chkMoreAxes")->setChecked(true);
    QVERIFY(dialog->findChild<QDoubleSpinBox*>("spnXTRA")->isVisibleTo(dialog));

    weight->setValue(650);
    QCOMPARE(w.frmMain->specimens().variations().axes,
             (QMap<QString, double>{{"GRAD", 50}, {"wght", 650}}));
    auto* instances = dialog->findChild<QComboBox*>("cboInstance");
    QCOMPARE(instances->count(), 2);
    instances->activated(1);
    QCOMPARE(w.frmMain->specimens().variations().axes,
             (QMap<QString, double>{{"GRAD", 50}, {"XTRA", 500}, {"wght", 900}}));
    QCOMPARE(weight->value(), 900.0);
    dialog->findChild<QPushButton*>("cmdReset")->click();
    QCOMPARE(w.frmMain->specimens().variations().axes, (QMap<QString, double>{{"GRAD", 50}}));
    QCOMPARE(weight->value(), 400.0);
}

void TestScreenViews::startUp_data()
{
    QTest::addColumn<bool>("writable");
    QTest::newRow("first start") << true;
    QTest::newRow("folder not writable") << false;
}

void TestScreenViews::startUp()
{
    QFETCH(bool, writable);
    Window w;
    if (!writable)
        w.fake.ini.readOnly.append(w.ini());
    QPointer<TfrmSplash> splash = new TfrmSplash(w.fake.fonts, w.fake.screen);
    w.frmMain->setSplash(splash);
    w.start();
    QTest::qWait(1);

    QStringList keys;
    for (const QString& write : std::as_const(w.fake.ini.writes))
        keys.append(write.section(u'=', 0, 0).section(u'/', 1));
    const QString order("Def8 Def9 Def10 Def11 Def12 Def14 Def16 Def18 Def24 Def36 Def48 Def60 DefSample ParaText HeadingFont");
    QCOMPARE(keys, writable ? order.split(u' ') : QStringList());
    QList<Box> reported;
    if (!writable)
        reported.append({"error", "Unable to write to " + w.ini()});
    QCOMPARE(w.fake.messages.boxes, reported);
    // Either way the window goes on with the default texts and the first family.
    QCOMPARE(w.find<QLineEdit>("txtSample")->text(), "The quick brown fox jumps over the lazy dog.");
    QCOMPARE(w.find<QPlainTextEdit>("txtPara")->toPlainText().size(), 502);
    QCOMPARE(w.frmMain->sampleTexts().headingFont(), "Arial");
    QCOMPARE(w.find<QLabel>("lblSample")->text(), "Sample: Book");
    QVERIFY(!splash);
}

void TestScreenViews::paragraphSurvivesRestart_data()
{
    QTest::addColumn<QString>("paragraph");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("pastedLine");  // into txt8Pt
    QTest::addColumn<QString>("storedLine");
    QTest::newRow("plain") << "One line." << "One line." << "8 \\ \"8\"" << "8 \\ \"8\"";
    QTest::newRow("line breaks and escapes") << "One\n\nTwo \\n\n" << "One\\n\\nTwo \\\\n\\n"
                                             << "8\r\n8\n" << "8  8 ";
    QTest::newRow("full memo") << QString(599, u'x') + u'\n' << QString(599, u'x') + "\\n" << "" << "";
}

void TestScreenViews::paragraphSurvivesRestart()
{
    QFETCH(QString, paragraph);
    QFETCH(QString, stored);
    QFETCH(QString, pastedLine);
    QFETCH(QString, storedLine);
    Window first;
    first.start();
    auto* line = first.find<QLineEdit>("txt8Pt");
    line->clear();
    QApplication::clipboard()->setText(pastedLine);
    line->paste();
    first.find<QPlainTextEdit>("txtPara")->setPlainText(paragraph);
    first.frmMain->editTextPage()->cmdSaveTextClick();
    QCOMPARE(first.stored("paratext"), stored);
    // A line edit shows a pasted line break as a blank; an INI value can't hold one.
    QCOMPARE(first.stored("def8"), storedLine);

    Window second;
    second.fake.ini.files[second.ini()] = first.fake.ini.files[first.ini()];
    second.start();
    QCOMPARE(second.find<QPlainTextEdit>("txtPara")->toPlainText(), paragraph);
}

void TestScreenViews::failedSaveKeepsEveryText_data()
{
    QTest::addColumn<int>("writesBeforeFailure");
    QTest::newRow("the first write fails") << 0;
    QTest::newRow("the second write fails") << 1;
    QTest::newRow("the last write fails") << 13;
}

// However far a failing save gets, the file keeps every old text or takes every new one.
void TestScreenViews::failedSaveKeepsEveryText()
{
    QFETCH(int, writesBeforeFailure);
    Window w;
    w.start();
    const QMap<QString, QString> before = w.fake.ini.files[w.ini()];
    for (QLineEdit* line : w.frmMain->editTextPage()->findChildren<QLineEdit*>())
        line->setText(line->text() + " new");
    w.find<QPlainTextEdit>("txtPara")->setPlainText("new paragraph");
    w.fake.ini.writesBeforeFailure = writesBeforeFailure;
    w.find<QAbstractButton>("cmdSaveText")->click();
    QStringList changed;
    const QMap<QString, QString> after = w.fake.ini.files[w.ini()];
    for (auto it = after.cbegin(); it != after.cend(); ++it) {
        if (before.value(it.key()) != it.value())
            changed.append(it.key());
    }
    QVERIFY2(changed.isEmpty() || changed.size() == 14, qPrintable(changed.join(u' ')));
}

void TestScreenViews::paragraphInputLimit_data()
{
    QTest::addColumn<int>("loaded");  // length of the stored text, all "a"
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QString>("pasted");  // empty: "bcd" is typed
    QTest::addColumn<QString>("expected");
    QTest::newRow("typing up to the limit") << 598 << 598 << "" << QString(598, u'a') + "bc";
    QTest::newRow("paste cut where it ends") << 595 << 0 << "0123\n56789" << "0123\n" + QString(595, u'a');
    QTest::newRow("longer text loads whole, takes nothing") << 700 << 700 << "more" << QString(700, u'a');
}

void TestScreenViews::paragraphInputLimit()
{
    QFETCH(int, loaded);
    QFETCH(int, cursor);
    QFETCH(QString, pasted);
    QFETCH(QString, expected);
    Window w;
    w.stored("paratext") = QString(loaded, u'a');
    w.start();
    auto* memo = w.find<QPlainTextEdit>("txtPara");
    QTextCursor c = memo->textCursor();
    c.setPosition(cursor);
    memo->setTextCursor(c);
    if (pasted.isEmpty()) {
        QTest::keyClicks(memo, "bcd");
    } else {
        QApplication::clipboard()->setText(pasted);
        memo->paste();
        QCOMPARE(memo->toPlainText(), expected);
        // The cut belongs to the paste: one undo takes back both.
        memo->undo();
        expected = QString(loaded, u'a');
    }
    QCOMPARE(memo->toPlainText(), expected);
}

void TestScreenViews::headingFontQuestion_data()
{
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("expected");
    QTest::newRow("Yes") << true << "Mono";
    QTest::newRow("No") << false << "Arial";
}

void TestScreenViews::headingFontQuestion()
{
    QFETCH(bool, yes);
    QFETCH(QString, expected);
    Window w;
    w.start();
    w.setCurrentFont(1, QItemSelectionModel::NoUpdate);
    w.fake.messages.confirmAnswers = {yes};
    w.frmMain->mainPage()->cmdHeadingFontClick();
    QCOMPARE(w.fake.messages.boxes, (QList<Box>{{"confirm", "The current heading font is Arial.\nChange it to Mono?"}}));
    QCOMPARE(w.frmMain->sampleTexts().headingFont(), expected);
    QCOMPARE(w.stored("headingfont"), expected);
}

int main(int argc, char** argv)
{
    GlyApplication app(argc, argv);
    TestScreenViews test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_screenviews.moc"
