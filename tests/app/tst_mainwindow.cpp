#include "app/GlyApplication.h"
#include "app/TfrmFontDetails.h"
#include "app/TfrmMain.h"
#include "app/TfrmSplash.h"
#include "catalogue/SelectedFontsPainter.h"
#include "fakes/MainWindowHarness.h"
#include "fontfiles/TfrmInstalling.h"
#include "printing/TfrmPrinting.h"

#include <QAbstractButton>
#include <QFile>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include <algorithm>
#include <memory>

using CharSet = FontFace::CharSet;

namespace {

const QString NoScreenFontPage = QStringLiteral(
    "The currently selected font does not have an equivalent screen font,\n"
    "so the large sample and font map are not available.");

using Window = MainWindowHarness;

void standardFonts(FakePlatform& fake)
{
    fake.fonts.addFamily("Book Face", {{"Regular", true, false, CharSet::Ansi},
                                       {"Bold", true, false, CharSet::Ansi},
                                       {"Italic", true, false, CharSet::Ansi},
                                       {"Bold Italic", true, false, CharSet::Ansi}});
    fake.fonts.addFamily("Dingbats", {{"Regular", true, false, CharSet::Symbol}});
    fake.fonts.addFamily("Old Type", {{"Regular", false, true, CharSet::Ansi}});
    fake.printer.setTypefaces({"Old Type", "Printer Gothic", "Book Face", "Dingbats", "book face"});
}

// Enough selected families to make Show All taller than a few screenfuls,
// whether or not it has been painted yet.
void hundredFamilies(FakePlatform& fake)
{
    QStringList names;
    for (int i = 0; i < 100; ++i) {
        names.append(QStringLiteral("Family %1").arg(i));
        fake.fonts.addTrueTypeFamily(names.last());
    }
    fake.printer.setTypefaces(names);
}

}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void fontMapHoldsTheCodePage();
    void startUpShowsTheFirstFamily();
    void emptyTypefaceListIsHarmless();
    void clickShowsTheFamily_data();
    void clickShowsTheFamily();
    void selectionCounting();
    void tabLeavesTheMemos_data();
    void tabLeavesTheMemos();
    void selectAll();
    void pageChangeRules_data();
    void pageChangeRules();
    void showAllStartsAtTheTop();
    void showAllShrinksUnderTheView();
    void paging_data();
    void paging();
    void accessKeys_data();
    void accessKeys();
    void errorsInHandlersAreReported_data();
    void errorsInHandlersAreReported();
    void fontDetailsFollowTheCurrentFont();
};

void TestMainWindow::fontMapHoldsTheCodePage()
{
    Window w;
    w.start();
    auto* grid = w.find<QTableWidget>("grdFontMap");
    QCOMPARE(grid->item(0, 0)->text(), " ");
    QCOMPARE(grid->item(1, 1)->text(), "A");
    QCOMPARE(grid->item(3, 0)->text(), QString(QChar(0x20AC)));  // code 128
    QCOMPARE(grid->item(3, 1)->text(), QString(QChar(0x0081)));  // unassigned in the code page
    QCOMPARE(grid->item(4, 0)->text(), QString(QChar(0x00A0)));
    QCOMPARE(grid->item(6, 31)->text(), QString(QChar(0x00FF)));
    // Rows and columns share out the grid to the pixel at the first show.
    int rows = 0;
    for (int row = 0; row < grid->rowCount(); ++row)
        rows += grid->rowHeight(row);
    int columns = 0;
    for (int column = 0; column < grid->columnCount(); ++column)
        columns += grid->columnWidth(column);
    QCOMPARE(QSize(columns, rows), grid->viewport()->size());
}

void TestMainWindow::startUpShowsTheFirstFamily()
{
    Window w(standardFonts);
    QPointer<TfrmSplash> splash = new TfrmSplash(w.fake.fonts, w.fake.screen);
    splash->show();
    w.frmMain->setSplash(splash);
    w.start();

    QVERIFY(splash.isNull());
    QCOMPARE(w.pages()->currentWidget()->objectName(), "tabMain");
    QCOMPARE(w.text("lblFonts"), "Fonts: 5");
    QCOMPARE(w.family(0), "Book Face");
    QCOMPARE(w.text("lblSample"), "Sample: Book Face");
    QCOMPARE(w.text("lblSelected"), "Selected: 1");
    QCOMPARE(w.text("lblFontType"), "Font Type: TrueType");
    QCOMPARE(w.fake.printer.enumerations, 1);
    auto* memo = w.find<QPlainTextEdit>("memDispFont");
    QCOMPARE(memo->font().family(), "Book Face");
    QCOMPARE(memo->font().pointSize(), 12);
}

void TestMainWindow::emptyTypefaceListIsHarmless()
{
    Window w([](FakePlatform& fake) { fake.fonts.addTrueTypeFamily("Screen Only"); });
    w.start();
    QCOMPARE(w.text("lblFonts"), "Fonts: 0");
    QCOMPARE(w.text("lblSelected"), "Selected: 0");
    QCOMPARE(w.text("lblSample"), "Sample: ");
    QCOMPARE(w.text("lblFontType"), "Font Type: ");
    QCOMPARE(w.find<QPlainTextEdit>("memDispFont")->toPlainText(), "");

    w.find<QAbstractButton>("cmdSelectAll")->click();
    QCOMPARE(w.text("lblSelected"), "Selected: 0");
    // Nothing is current, so there is nothing to show large.
    w.choosePage("tabLargeSample");
    QCOMPARE(w.pages()->currentWidget()->objectName(), "tabMain");
}

void TestMainWindow::clickShowsTheFamily_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("styles");
    QTest::addColumn<int>("panelSize");
    QTest::newRow("truetype") << "Book Face" << "TrueType"
                              << "Styles: Regular, Bold, Italic, Bold Italic " << 30;
    QTest::newRow("other case, same family") << "book face" << "TrueType"
                                             << "Styles: Regular, Bold, Italic, Bold Italic " << 30;
    QTest::newRow("printer resident") << "Printer Gothic" << "Printer Resident" << "" << 20;
}

void TestMainWindow::clickShowsTheFamily()
{
    QFETCH(QString, family);
    QFETCH(QString, type);
    QFETCH(QString, styles);
    QFETCH(int, panelSize);
    Window w(standardFonts);
    w.start();
    w.find<QLineEdit>("txtSample")->setText("Sample line.");
    // A symbol family first, so the panel size visibly changes or stays.
    w.clickFont(w.rowOf("Dingbats"));
    const int row = w.rowOf(family);
    w.clickFont(row);

    QCOMPARE(w.text("lblSample"), "Sample: " + family);
    QCOMPARE(w.text("lblFontType"), "Font Type: " + type);
    QCOMPARE(w.text("lblStyles"), styles);
    QCOMPARE(w.find<QLabel>("pnlCurrChar")->font().pointSize(), panelSize);
    auto* memo = w.find<QPlainTextEdit>("memDispFont");
    if (type == "Printer Resident") {
        QCOMPARE(memo->toPlainText(),
                 "This font does not have an equivalent screen font\nand cannot be displayed.");
        QCOMPARE(memo->font().family(),
                 QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());
    } else {
        QCOMPARE(memo->toPlainText(), "ABCDEFGHIJKLMNOPQRSTUVWXYZ\n"
                                      "abcdefghijklmnopqrstuvwxyz1234567890\nSample line.");
        QCOMPARE(memo->font().family(), family);
    }
    QCOMPARE(memo->font().pointSize(), 12);
}

void TestMainWindow::selectionCounting()
{
    struct Step {
        int row;  // clicked; -1: the key is pressed instead
        Qt::KeyboardModifiers modifiers;
        Qt::Key key;
        int selected;
        int current;
        bool rowSelected;
    };
    // Each step that moves the current family shows it once: one face lookup
    // for a family the screen draws.
    const Step steps[] = {
        {1, {}, Qt::Key_unknown, 1, 1, true},
        {3, Qt::ShiftModifier, Qt::Key_unknown, 3, 3, true},
        // Ctrl-clicking a selected entry deselects it and makes it current.
        {2, Qt::ControlModifier, Qt::Key_unknown, 2, 2, false},
        {4, Qt::ControlModifier, Qt::Key_unknown, 3, 4, true},
        // The current entry stays: only the count changes.
        {-1, Qt::ControlModifier, Qt::Key_Space, 2, 4, false},
        // A key moves the selection as a click does.
        {-1, {}, Qt::Key_Up, 1, 3, true},
    };
    Window w(standardFonts);
    w.start();
    for (const Step& step : steps) {
        const int lookups = w.fake.fonts.faceLookups;
        const QString before = w.frmMain->catalogue().CurrentFontName();
        if (step.row >= 0)
            w.clickFont(step.row, step.modifiers);
        else
            QTest::keyClick(w.fonts(), step.key, step.modifiers);
        QCOMPARE(w.text("lblSelected"), QStringLiteral("Selected: %1").arg(step.selected));
        QCOMPARE(w.frmMain->catalogue().SelectedCount(), step.selected);
        QCOMPARE(w.text("lblSample"), "Sample: " + w.family(step.current));
        QCOMPARE(w.selected(step.current), step.rowSelected);
        const bool moved = w.family(step.current) != before;
        // A printer's own font has no faces to look up.
        const bool drawn = moved && w.frmMain->catalogue().isScreenFont(w.family(step.current));
        QCOMPARE(w.fake.fonts.faceLookups - lookups, drawn ? 1 : 0);
    }
}

void TestMainWindow::tabLeavesTheMemos_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");  // empty: any control but from
    QTest::addColumn<QStringList>("through");
    QTest::newRow("Main page, list to Print")
        << "tabMain" << "lstFonts" << "cmdPrint"
        << QStringList{"memDispFont", "spnPointSize", "chkSampleItalic", "chkSample",
                       "spnSampleSize", "chkPara14", "cmdPrintSetup"};
    QTest::newRow("large sample") << "tabLargeSample" << "memLargeSample" << "" << QStringList{};
    QTest::newRow("paragraph text") << "tabEdit" << "txtPara" << "cmdSaveText" << QStringList{};
    QTest::newRow("preview memo") << "tabInstall" << "memDispPreview" << "" << QStringList{};
}

void TestMainWindow::tabLeavesTheMemos()
{
    QFETCH(QString, page);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QStringList, through);
    Window w(standardFonts);
    w.start();
    w.frmMain->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.frmMain.get()));
    w.choosePage(page);
    w.find<QWidget>(from)->setFocus();
    QStringList walked{from};
    do {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        walked << QApplication::focusWidget()->objectName();
    } while (!to.isEmpty() && walked.last() != to && walked.size() < 80);
    QVERIFY2(to.isEmpty() ? walked.last() != from : walked.last() == to,
             qPrintable(walked.join(u' ')));
    for (const QString& name : std::as_const(through))
        QVERIFY2(walked.contains(name), qPrintable(name));
    for (QPlainTextEdit* memo : w.frmMain->findChildren<QPlainTextEdit*>())
        QVERIFY2(!memo->toPlainText().contains(u'\t'), qPrintable(memo->objectName()));
}

void TestMainWindow::selectAll()
{
    Window w([](FakePlatform& fake) {
        QStringList names;
        for (int i = 0; i < 3000; ++i)
            names.append(QStringLiteral("Family %1").arg(i));
        fake.printer.setTypefaces(names);
    });
    w.start();
    w.clickFont(2);
    w.find<QPlainTextEdit>("memDispFont")->setPlainText("typed by the user");
    const QString sample = w.text("lblSample");
    const QString type = w.text("lblFontType");

    w.find<QAbstractButton>("cmdSelectAll")->click();
    QCOMPARE(w.text("lblSelected"), "Selected: 3000");
    QCOMPARE(w.frmMain->catalogue().SelectedCount(), 3000);
    QCOMPARE(w.fonts()->selectionModel()->selectedRows().size(), 3000);
    QCOMPARE(w.text("lblSample"), sample);
    QCOMPARE(w.text("lblFontType"), type);
    QCOMPARE(w.fonts()->currentIndex().row(), 2);
    QCOMPARE(w.find<QPlainTextEdit>("memDispFont")->toPlainText(), "typed by the user");
}

void TestMainWindow::pageChangeRules_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("landsOn");
    QTest::addColumn<bool>("refused");
    QTest::newRow("resident: large sample") << "Printer Gothic" << "tabLargeSample" << "tabMain" << true;
    QTest::newRow("resident: font map") << "Printer Gothic" << "tabFontMap" << "tabMain" << true;
    QTest::newRow("resident: show all") << "Printer Gothic" << "tabShowAll" << "tabShowAll" << false;
    QTest::newRow("resident: edit") << "Printer Gothic" << "tabEdit" << "tabEdit" << false;
    QTest::newRow("resident: install") << "Printer Gothic" << "tabInstall" << "tabInstall" << false;
    QTest::newRow("screen: large sample") << "Book Face" << "tabLargeSample" << "tabLargeSample" << false;
    QTest::newRow("screen: font map") << "Book Face" << "tabFontMap" << "tabFontMap" << false;
}

void TestMainWindow::pageChangeRules()
{
    QFETCH(QString, family);
    QFETCH(QString, page);
    QFETCH(QString, landsOn);
    QFETCH(bool, refused);
    Window w(standardFonts);
    w.start();
    w.clickFont(w.rowOf(family));
    w.fake.messages.boxes.clear();

    w.choosePage(page);
    QCOMPARE(w.pages()->currentWidget()->objectName(), landsOn);
    const QList<FakeMessageBoxes::Box> expected =
        refused ? QList<FakeMessageBoxes::Box>{{"information", NoScreenFontPage}}
                : QList<FakeMessageBoxes::Box>{};
    QCOMPARE(w.fake.messages.boxes, expected);
    // Back on the Main page by the program: the handler did not run again.
    if (refused)
        QCOMPARE(w.fake.messages.boxes.size(), 1);
}

void TestMainWindow::showAllStartsAtTheTop()
{
    Window w(standardFonts);
    w.start();
    w.choosePage("tabShowAll");
    QScrollBar* bar = w.find<QScrollArea>("ScrollBox1")->verticalScrollBar();
    bar->setValue(900);
    w.choosePage("tabEdit");
    w.choosePage("tabShowAll");
    QCOMPARE(bar->value(), 0);
}

void TestMainWindow::showAllShrinksUnderTheView()
{
    Window w(hundredFamilies);
    w.start();
    w.find<QAbstractButton>("cmdSelectAll")->click();
    auto* size = w.find<QSpinBox>("spnSelected");
    size->setValue(60);
    w.choosePage("tabShowAll");
    // Sized on entering the page, before any paint.
    QWidget* box = w.find<QWidget>("pbxSelected");
    QCOMPARE(box->height(), SelectedFontsPainter::height(96, 60, 100) + 1);
    QCoreApplication::processEvents();
    QScrollBar* bar = w.find<QScrollArea>("ScrollBox1")->verticalScrollBar();
    bar->setValue(bar->maximum());
    QCoreApplication::processEvents();

    // The page is now far shorter than the view's position: the fonts kept
    // warm are those of the last screens, and painting leaves the size alone.
    size->setValue(4);
    const int height = box->height();
    QTest::qWait(50);
    box->grab();
    QCOMPARE(box->height(), height);
}

void TestMainWindow::paging_data()
{
    QTest::addColumn<int>("start");  // -1: the end of the range
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("expected");  // in terms of the step and the end
    // Page Up and Page Down would step the focused size box by ten as well;
    // Home and End reach it, to move its cursor.
    QTest::newRow("page up at the top") << 0 << int(Qt::Key_PageUp) << "0";
    QTest::newRow("page up near the top") << 10 << int(Qt::Key_PageUp) << "0";
    QTest::newRow("page up") << 1000 << int(Qt::Key_PageUp) << "1000-step";
    QTest::newRow("page down") << 0 << int(Qt::Key_PageDown) << "step";
    QTest::newRow("page down clamps") << -1 << int(Qt::Key_PageDown) << "end";
    QTest::newRow("home") << 1000 << int(Qt::Key_Home) << "0";
    QTest::newRow("end") << 0 << int(Qt::Key_End) << "end";
}

void TestMainWindow::paging()
{
    QFETCH(int, start);
    QFETCH(int, key);
    QFETCH(QString, expected);
    Window w(hundredFamilies);
    w.start();
    w.find<QAbstractButton>("cmdSelectAll")->click();
    w.frmMain->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.frmMain.get()));
    w.choosePage("tabShowAll");
    QCoreApplication::processEvents();
    auto* size = w.find<QSpinBox>("spnSelected");
    size->setFocus();
    auto* box = w.find<QScrollArea>("ScrollBox1");
    QScrollBar* bar = box->verticalScrollBar();
    const int step = int(0.95 * box->viewport()->height());
    QVERIFY(bar->maximum() > 2000);
    bar->setValue(start < 0 ? bar->maximum() : start);
    auto* sizeText = size->findChild<QLineEdit*>();
    sizeText->setCursorPosition(key == Qt::Key_Home ? 2 : 0);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    const int end = bar->maximum();
    const int want = expected == "0"           ? 0
                     : expected == "step"      ? step
                     : expected == "1000-step" ? 1000 - step
                                               : end;
    QCOMPARE(bar->value(), want);
    QCOMPARE(size->value(), 12);
    const int cursor = key == Qt::Key_End ? 2 : 0;
    QCOMPARE(sizeText->cursorPosition(), cursor);

    // Other pages leave the keys alone.
    w.choosePage("tabMain");
    bar->setValue(500);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    QCOMPARE(bar->value(), 500);
}

void TestMainWindow::accessKeys_data()
{
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("selected");
    QTest::newRow("Alt+L is the Large Sample tab") << QKeySequence("Alt+L") << "tabLargeSample"
                                                   << "Selected: 1";
    QTest::newRow("Select All's own key") << QKeySequence(QKeySequence::SelectAll) << "tabMain"
                                          << "Selected: 5";
}

void TestMainWindow::accessKeys()
{
    QFETCH(QKeySequence, keys);
    QFETCH(QString, page);
    QFETCH(QString, selected);
    Window w(standardFonts);
    w.start();
    w.frmMain->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.frmMain.get()));
    QTest::keySequence(QApplication::focusWidget(), keys);
    QCOMPARE(w.pages()->currentWidget()->objectName(), page);
    QCOMPARE(w.text("lblSelected"), selected);
}

void TestMainWindow::errorsInHandlersAreReported_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("message");  // "%1": the INI file
    QTest::addColumn<QString>("handler");

    QTest::newRow("font list click") << "fonts" << "Unable to read the font list" << "lstFontsClick";
    QTest::newRow("Print") << "printer" << "Unable to write to /x/y.pdf" << "cmdPrintClick";
    QTest::newRow("Save") << "ini" << "Unable to write to %1" << "cmdSaveTextClick";
}

// Reported by the handler itself: what crosses Qt's event delivery would
// reach only the application's last net, which has no reporter here.
void TestMainWindow::errorsInHandlersAreReported()
{
    QFETCH(QString, fault);
    QFETCH(QString, message);
    QFETCH(QString, handler);
    Window w(standardFonts);
    w.start();
    const QString ini = w.fake.platform.appFolder + "GLYPHARY.INI";
    if (message.contains("%1"))
        message = message.arg(ini);
    if (fault == "fonts") {
        w.fake.fonts.facesError = message;
        w.clickFont(3);
    } else if (fault == "printer") {
        w.frmMain->setPrintingDialog(new TfrmPrinting(w.frmMain->printState, w.frmMain.get()));
        w.fake.printer.endDocError = message;
        w.find<QAbstractButton>("chkCharChart")->setChecked(true);
        w.find<QAbstractButton>("cmdPrint")->click();
    } else {
        w.fake.ini.readOnly.append(ini);
        w.find<QAbstractButton>("cmdSaveText")->click();
    }
    // A click on the list tells its handler twice: the selection and the current row changed.
    const qsizetype boxes = w.fake.messages.boxes.size();
    QVERIFY(boxes == 1 || (fault == "fonts" && boxes == 2));
    QCOMPARE(w.fake.messages.boxes.first(), (FakeMessageBoxes::Box{"error", message}));
    QFile file(w.fake.platform.appFolder + "state/glyphary/glyphary.log");
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    const QString entry = QString::fromUtf8(file.readAll());
    QVERIFY2(entry.contains(message) && entry.contains("in " + handler) && entry.contains("#0 "),
             qPrintable(entry));

    // The program goes on.
    w.fake.fonts.facesError.clear();
    w.clickFont(4);
    QCOMPARE(w.text("lblSample"), "Sample: " + w.family(4));
    QCOMPARE(w.fake.messages.boxes.size(), boxes);
}

// Ctrl+I and the pages' buttons open one modeless dialog, which shows the
// family or previewed file that is current while it stays open.
void TestMainWindow::fontDetailsFollowTheCurrentFont()
{
    Window w([](FakePlatform& fake) {
        standardFonts(fake);
        const auto file = [](const QString& path, const QString& style) {
            FontFileFace face;
            face.path = path;
            face.styleName = style;
            return face;
        };
        for (const char* style : {"Regular", "Bold", "Italic", "Bold Italic"})
            fake.fonts.filesByFamily["Book Face"] << file(QStringLiteral("/fonts/Book ") + style, style);
        fake.fonts.filesByFamily["Dingbats"] << file("/fonts/Dingbats", "Regular");
    });
    w.start();
    QVERIFY(!w.frmMain->findChild<TfrmFontDetails*>());
    QTest::keyClick(w.fonts(), Qt::Key_I, Qt::ControlModifier);
    auto* dialog = w.frmMain->findChild<TfrmFontDetails*>();
    QVERIFY(dialog && dialog->isVisible() && !dialog->isModal());
    const auto shown = [dialog] {
        QStringList tabs;
        for (int i = 0; i < dialog->findChild<QTabWidget*>("tabFaces")->count(); ++i)
            tabs << dialog->findChild<QTabWidget*>("tabFaces")->tabText(i);
        return dialog->findChild<QLabel*>("lblSubject")->text() + u'|' + tabs.join(u',');
    };
    QCOMPARE(shown(), "Family: Book Face|Regular,Bold,Italic,Bold Italic");
    w.clickFont(2);
    QCOMPARE(shown(), "Family: Dingbats|Regular");
    w.clickFont(4);
    QCOMPARE(shown(), "Family: Printer Gothic\nNo font file on this computer holds this family: "
                      "it is the printer's own font.|");
    w.choosePage("tabInstall");
    QCOMPARE(shown(), "No font is chosen.|");
    // Leaving the Preview/Install page refills the list and shows its first family.
    w.choosePage("tabMain");
    QCOMPARE(shown(), "Family: Book Face|Regular,Bold,Italic,Bold Italic");

    dialog->close();
    w.clickFont(2);
    QCOMPARE(shown(), "Family: Book Face|Regular,Bold,Italic,Bold Italic");
    QTest::mouseClick(w.find<QWidget>("tabMain")->findChild<QPushButton*>("cmdFontDetails"),
                      Qt::LeftButton);
    QVERIFY(dialog->isVisible());
    QCOMPARE(shown(), "Family: Dingbats|Regular");
}

int main(int argc, char** argv)
{
    GlyApplication app(argc, argv);
    TestMainWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mainwindow.moc"
