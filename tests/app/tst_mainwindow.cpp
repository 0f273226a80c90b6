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

// Sibling widgets that a user sees must neither overlap nor stick out of
// their parent.
void checkLayout(QWidget* parent, QStringList& faults)
{
    QList<QWidget*> shown;
    for (QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isHidden() || child->isWindow())
            continue;
        shown.append(child);
        if (!parent->rect().contains(child->geometry()))
            faults.append(QStringLiteral("%1 sticks out of %2").arg(child->objectName(),
                                                                     parent->objectName()));
    }
    for (qsizetype i = 0; i < shown.size(); ++i)
        for (qsizetype j = i + 1; j < shown.size(); ++j)
            if (shown[i]->geometry().intersects(shown[j]->geometry()))
                faults.append(QStringLiteral("%1 overlaps %2").arg(shown[i]->objectName(),
                                                                   shown[j]->objectName()));
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
    void pagesAreLaidOutWithoutOverlap_data();
    void pagesAreLaidOutWithoutOverlap();
    void fontMapHoldsTheCodePage();
    void windowPosition_data();
    void windowPosition();
    void tabWidth_data();
    void tabWidth();
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

void TestMainWindow::pagesAreLaidOutWithoutOverlap_data()
{
    QTest::addColumn<int>("dpi");
    QTest::addColumn<QSize>("extra");  // beyond the designed size
    QTest::newRow("96 dpi") << 96 << QSize(0, 0);
    QTest::newRow("120 dpi") << 120 << QSize(0, 0);
    QTest::newRow("144 dpi") << 144 << QSize(0, 0);
    QTest::newRow("96 dpi, 1280 x 900") << 96 << QSize(588, 408);
    QTest::newRow("144 dpi, wider") << 144 << QSize(300, 0);
    QTest::newRow("120 dpi, taller") << 120 << QSize(0, 301);
}

void TestMainWindow::pagesAreLaidOutWithoutOverlap()
{
    QFETCH(int, dpi);
    QFETCH(QSize, extra);
    Window w([dpi](FakePlatform& fake) { fake.screen.dpi = dpi; });
    w.start();
    const auto px = [dpi](int designed) { return qRound(designed * dpi / 96.0); };
    const QSize designed(px(692), px(472));
    QCOMPARE(w.pages()->size(), designed);
    QCOMPARE(w.frmMain->size(), w.frmMain->minimumSize());
    QVERIFY(w.frmMain->windowFlags() & Qt::WindowMaximizeButtonHint);
    // A control's place on its page.
    const auto at = [&w](const QString& name) {
        auto* widget = w.find<QWidget>(name);
        for (int i = 0; i < w.pages()->count(); ++i)
            if (w.pages()->widget(i)->isAncestorOf(widget))
                return QRect(widget->mapTo(w.pages()->widget(i), QPoint()), widget->size());
        return QRect();
    };
    // Where the design puts them, and by how much each edge moves with the
    // extra room, as fractions of it: the lists, memos and the grid take it.
    struct Control {
        const char* name;
        QRect design;
        double left, top, right, bottom;
    };
    const double Third = 1.0 / 3;
    const Control controls[] = {
        {"Panel1", {8, 24, 228, 372}, 0, 0, Third, 1},
        {"memDispFont", {248, 24, 383, 77}, Third, 0, 1, 1},
        {"GroupBox2", {248, 204, 428, 192}, Third, 1, Third, 1},
        {"cmdPrint", {580, 404, 96, 25}, 1, 1, 1, 1},
        {"memLargeSample", {4, 38, 676, 394}, 0, 0, 1, 1},
        {"grdFontMap", {6, 38, 671, 209}, 0, 0, 1, 1},
        {"chkGridBold", {330, 262, 70, 20}, 0, 1, 0, 1},
        {"cboCharBlock", {410, 258, 266, 22}, 0, 1, 1, 1},
        {"txtFindChar", {410, 286, 266, 22}, 0, 1, 1, 1},
        {"ScrollBox1", {4, 38, 677, 400}, 0, 0, 1, 1},
        {"txtPara", {484, 42, 195, 257}, 0, 0, 0, 0},
        {"Tree1", {8, 48, 200, 190}, 0, 0, Third, 0.5},
        {"lstSelected", {444, 48, 232, 150}, 2 * Third, 0, 1, 0.5},
        {"memDispPreview", {216, 254, 460, 150}, Third, 0.5, 1, 1},
    };
    QHash<QString, QRect> designedAt;
    for (int i = 0; i < w.pages()->count(); ++i) {
        w.pages()->setCurrentIndex(i);
        for (const Control& control : controls)
            designedAt.insert(control.name, at(control.name));
    }
    const int listBefore = w.fonts()->height();
    const int cellBefore = w.find<QTableWidget>("grdFontMap")->columnWidth(0);
    for (const Control& control : controls) {
        const QRect& d = control.design;
        const QRect& shown = designedAt[control.name];
        QCOMPARE(shown.size(), QSize(px(d.width()), px(d.height())));
        // A panel's child rounds its own offset.
        QVERIFY2((shown.topLeft() - QPoint(px(d.x()), px(d.y()))).manhattanLength() <= 1,
                 control.name);
    }

    // The dialogs are laid out at the window's scale.
    w.addDialogs();
    w.frmMain->About1Click();
    w.frmMain->HowtoFixProblemAccessingHelp1Click();
    w.frmMain->FontDetails1Click();
    QCOMPARE(w.frmPrinting->width(), px(231));
    QCOMPARE(w.frmInstalling->width(), px(284));
    QCOMPARE(w.find<QWidget>("frmAbout")->size(), QSize(px(265), px(179)));
    QCOMPARE(w.find<QWidget>("frmHelpProblem")->width(), px(334));
    QCOMPARE(w.find<QWidget>("frmFontDetails")->size(), QSize(px(560), px(560)));
    for (const char* dialog : {"frmAbout", "frmHelpProblem", "frmFontDetails"})
        w.find<QWidget>(dialog)->close();

    w.frmMain->resize(w.frmMain->size() + extra);
    QTRY_COMPARE(w.pages()->size(), designed + extra);
    QStringList faults;
    for (int i = 0; i < w.pages()->count(); ++i) {
        QWidget* page = w.pages()->widget(i);
        w.pages()->setCurrentIndex(i);
        checkLayout(page, faults);
        for (QWidget* container : page->findChildren<QWidget*>())
            // Scroll areas and spin boxes lay out their own parts; popups are
            // windows of their own.
            if (!container->inherits("QAbstractScrollArea") && !container->inherits("QSpinBox") &&
                !container->parentWidget()->inherits("QAbstractScrollArea") &&
                container->window() == w.frmMain.get())
                checkLayout(container, faults);
        for (const Control& control : controls) {
            if (page->isAncestorOf(w.find<QWidget>(control.name))) {
                const QRect before = designedAt[control.name];
                const QRect now = at(control.name);
                const QMargins moved(now.left() - before.left(), now.top() - before.top(),
                                     now.right() - before.right(), now.bottom() - before.bottom());
                const QMargins share(qRound(control.left * extra.width()),
                                     qRound(control.top * extra.height()),
                                     qRound(control.right * extra.width()),
                                     qRound(control.bottom * extra.height()));
                const QMargins off = moved - share;
                if (std::max({std::abs(off.left()), std::abs(off.top()), std::abs(off.right()),
                              std::abs(off.bottom())}) > 1)
                    faults.append(QStringLiteral("%1 moved by %2 %3 %4 %5")
                                      .arg(control.name)
                                      .arg(moved.left())
                                      .arg(moved.top())
                                      .arg(moved.right())
                                      .arg(moved.bottom()));
            }
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; ")));
    // The list shows as many more families as it is taller, the grid's cells
    // still fill it to the pixel.
    QCOMPARE(w.fonts()->height() - listBefore, extra.height());
    auto* grid = w.find<QTableWidget>("grdFontMap");
    int columns = 0;
    for (int column = 0; column < grid->columnCount(); ++column)
        columns += grid->columnWidth(column);
    QCOMPARE(columns, grid->viewport()->width());
    QCOMPARE(grid->columnWidth(0) > cellBefore, extra.width() >= grid->columnCount());
}

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

void TestMainWindow::windowPosition_data()
{
    QTest::addColumn<int>("screenWidth");
    QTest::addColumn<QPoint>("position");
    QTest::newRow("800 wide") << 800 << QPoint(0, 0);
    QTest::newRow("640 wide") << 640 << QPoint(0, 0);
    // The designed place, moved left so that the 692-pixel window fits.
    QTest::newRow("801 wide") << 801 << QPoint(109, 87);
}

void TestMainWindow::windowPosition()
{
    QFETCH(int, screenWidth);
    QFETCH(QPoint, position);
    Window w([&](FakePlatform& fake) { fake.screen.size = QSize(screenWidth, 600); });
    w.frmMain->FormCreate();
    QCOMPARE(w.frmMain->pos(), position);
}

void TestMainWindow::tabWidth_data()
{
    // The width of a tab whose caption is short; below 120 dpi six tabs of
    // 125 pixels would not fit, and they narrow.
    QTest::addColumn<int>("dpi");
    QTest::addColumn<int>("least");
    QTest::addColumn<int>("most");
    QTest::newRow("96 dpi") << 96 << 113 << 113;
    QTest::newRow("97 dpi") << 97 << 100 << 124;
    QTest::newRow("100 dpi") << 100 << 100 << 124;
    QTest::newRow("103 dpi") << 103 << 100 << 124;
    QTest::newRow("120 dpi") << 120 << 125 << 125;
}

void TestMainWindow::tabWidth()
{
    QFETCH(int, dpi);
    QFETCH(int, least);
    QFETCH(int, most);
    Window w([dpi](FakePlatform& fake) { fake.screen.dpi = dpi; });
    w.start();
    QTabBar* bar = w.pages()->tabBar();
    QVERIFY(bar->tabRect(0).width() >= least);
    QVERIFY(bar->tabRect(0).width() <= most);
    // No caption is cut off and no tab falls off the page control.
    for (int i = 0; i < bar->count(); ++i) {
        const QString caption = bar->tabText(i).remove(u'&');
        QVERIFY2(bar->tabRect(i).width() >= bar->fontMetrics().horizontalAdvance(caption) + 8,
                 qPrintable(caption));
    }
    QVERIFY(bar->tabRect(bar->count() - 1).right() < w.pages()->width());
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
