#include "app/GlyApplication.h"
#include "app/TfrmFontDetails.h"
#include "app/TfrmMain.h"
#include "app/TfrmSplash.h"
#include "fakes/MainWindowHarness.h"
#include "fontfiles/TfrmInstalling.h"
#include "printing/TfrmPrinting.h"

#include <QAbstractScrollArea>
#include <QHash>
#include <QLabel>
#include <QListView>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include <algorithm>
#include <cstdlib>

// Where the window and its pages put their controls, at the designed size and
// beyond.

namespace {

using Window = MainWindowHarness;

// Sibling widgets that a user sees must neither overlap nor stick out of
// their parent.
void checkLayout(QWidget *parent, QStringList &faults) {
  QList<QWidget *> shown;
  for (QWidget *child :
       parent->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
    if (child->isHidden() || child->isWindow())
      continue;
    shown.append(child);
    if (!parent->rect().contains(child->geometry()))
      faults.append(QStringLiteral("%1 sticks out of %2")
                        .arg(child->objectName(), parent->objectName()));
  }
  for (qsizetype i = 0; i < shown.size(); ++i)
    for (qsizetype j = i + 1; j < shown.size(); ++j)
      if (shown[i]->geometry().intersects(shown[j]->geometry()))
        faults.append(QStringLiteral("%1 overlaps %2")
                          .arg(shown[i]->objectName(), shown[j]->objectName()));
}

} // namespace

class TestWindowLayout : public QObject {
  Q_OBJECT
private slots:
  void pagesAreLaidOutWithoutOverlap_data();
  void pagesAreLaidOutWithoutOverlap();
  void windowPosition_data();
  void windowPosition();
  void tabWidth_data();
  void tabWidth();
};

void TestWindowLayout::pagesAreLaidOutWithoutOverlap_data() {
  QTest::addColumn<int>("dpi");
  QTest::addColumn<QSize>("extra"); // beyond the designed size
  QTest::newRow("96 dpi") << 96 << QSize(0, 0);
  QTest::newRow("120 dpi") << 120 << QSize(0, 0);
  QTest::newRow("144 dpi") << 144 << QSize(0, 0);
  QTest::newRow("96 dpi, 1280 x 900") << 96 << QSize(588, 408);
  QTest::newRow("144 dpi, wider") << 144 << QSize(300, 0);
  QTest::newRow("120 dpi, taller") << 120 << QSize(0, 301);
}

void TestWindowLayout::pagesAreLaidOutWithoutOverlap() {
  QFETCH(int, dpi);
  QFETCH(QSize, extra);
  Window w([dpi](FakePlatform &fake) { fake.screen.dpi = dpi; });
  w.start();
  const auto px = [dpi](int designed) { return qRound(designed * dpi / 96.0); };
  const QSize designed(px(692), px(472));
  QCOMPARE(w.pages()->size(), designed);
  QCOMPARE(w.frmMain->size(), w.frmMain->minimumSize());
  QVERIFY(w.frmMain->windowFlags() & Qt::WindowMaximizeButtonHint);
  // A control's place on its page.
  const auto at = [&w](const QString &name) {
    auto *widget = w.find<QWidget>(name);
    for (int i = 0; i < w.pages()->count(); ++i)
      if (w.pages()->widget(i)->isAncestorOf(widget))
        return QRect(widget->mapTo(w.pages()->widget(i), QPoint()),
                     widget->size());
    return QRect();
  };
  // Where the design puts them, and by how much each edge moves with the
  // extra room, as fractions of it: the lists, memos and the grid take it.
  struct Control {
    const char *name;
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
      {"grdFontMap", {6, 38, 671, 209}, 0, 0, 1, 0.8},
      {"pnlCurrChar", {230, 256, 75, 67}, 0, 0.8, 0.2, 1},
      {"chkGridBold", {330, 262, 70, 20}, 0.2, 0.8, 0.2, 0.8},
      {"cboCharBlock", {410, 258, 266, 22}, 0.2, 0.8, 1, 0.8},
      {"txtFindChar", {410, 286, 266, 22}, 0.2, 0.8, 1, 0.8},
      {"ScrollBox1", {4, 38, 677, 400}, 0, 0, 1, 1},
      {"txtPara", {484, 42, 195, 257}, 0, 0, 0, 0},
      {"Tree1", {8, 48, 200, 190}, 0, 0, Third, 0.5},
      {"lstSelected", {444, 48, 232, 150}, 2 * Third, 0, 1, 0.5},
      {"memDispPreview", {216, 254, 460, 150}, Third, 0.5, 1, 1},
  };
  QHash<QString, QRect> designedAt;
  for (int i = 0; i < w.pages()->count(); ++i) {
    w.pages()->setCurrentIndex(i);
    for (const Control &control : controls)
      designedAt.insert(control.name, at(control.name));
  }
  const int listBefore = w.fonts()->height();
  const int cellBefore = w.find<QTableWidget>("grdFontMap")->columnWidth(0);
  // A glyph's height against its cell's smaller side, in the grid and the
  // current character's box: what it is at the design, it is at any size.
  const auto filled = [&w] {
    auto *grid = w.find<QTableWidget>("grdFontMap");
    auto *box = w.find<QLabel>("pnlCurrChar");
    return std::pair(
        double(QFontMetrics(grid->font()).height()) /
            std::min(grid->columnWidth(0), grid->rowHeight(0)),
        double(QFontMetrics(box->font()).height()) /
            std::min(box->width(), box->height()));
  };
  QCOMPARE(w.find<QTableWidget>("grdFontMap")->font().pointSize(), 12);
  QCOMPARE(w.find<QLabel>("pnlCurrChar")->font().pixelSize(), px(41));
  const auto filledBefore = filled();
  for (const Control &control : controls) {
    const QRect &d = control.design;
    const QRect &shown = designedAt[control.name];
    QCOMPARE(shown.size(), QSize(px(d.width()), px(d.height())));
    // A panel's child rounds its own offset.
    QVERIFY2(
        (shown.topLeft() - QPoint(px(d.x()), px(d.y()))).manhattanLength() <= 1,
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
  for (const char *dialog : {"frmAbout", "frmHelpProblem", "frmFontDetails"})
    w.find<QWidget>(dialog)->close();

  w.frmMain->resize(w.frmMain->size() + extra);
  QTRY_COMPARE(w.pages()->size(), designed + extra);
  QStringList faults;
  for (int i = 0; i < w.pages()->count(); ++i) {
    QWidget *page = w.pages()->widget(i);
    w.pages()->setCurrentIndex(i);
    checkLayout(page, faults);
    for (QWidget *container : page->findChildren<QWidget *>())
      // Scroll areas and spin boxes lay out their own parts; popups are
      // windows of their own.
      if (!container->inherits("QAbstractScrollArea") &&
          !container->inherits("QSpinBox") &&
          !container->parentWidget()->inherits("QAbstractScrollArea") &&
          container->window() == w.frmMain.get())
        checkLayout(container, faults);
    for (const Control &control : controls) {
      if (page->isAncestorOf(w.find<QWidget>(control.name))) {
        const QRect before = designedAt[control.name];
        const QRect now = at(control.name);
        const QMargins moved(
            now.left() - before.left(), now.top() - before.top(),
            now.right() - before.right(), now.bottom() - before.bottom());
        const QMargins share(qRound(control.left * extra.width()),
                             qRound(control.top * extra.height()),
                             qRound(control.right * extra.width()),
                             qRound(control.bottom * extra.height()));
        const QMargins off = moved - share;
        if (std::max({std::abs(off.left()), std::abs(off.top()),
                      std::abs(off.right()), std::abs(off.bottom())}) > 1)
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
  auto *grid = w.find<QTableWidget>("grdFontMap");
  int columns = 0;
  for (int column = 0; column < grid->columnCount(); ++column)
    columns += grid->columnWidth(column);
  QCOMPARE(columns, grid->viewport()->width());
  QCOMPARE(grid->columnWidth(0) > cellBefore,
           extra.width() >= grid->columnCount());
  if (extra.width() > 0 && extra.height() > 0) {
    const auto [gridNow, boxNow] = filled();
    QVERIFY2(std::abs(gridNow / filledBefore.first - 1) < 0.15,
             qPrintable(QString::number(gridNow / filledBefore.first)));
    QVERIFY2(std::abs(boxNow / filledBefore.second - 1) < 0.15,
             qPrintable(QString::number(boxNow / filledBefore.second)));
  }
}

void TestWindowLayout::windowPosition_data() {
  QTest::addColumn<int>("screenWidth");
  QTest::addColumn<QPoint>("position");
  QTest::newRow("800 wide") << 800 << QPoint(0, 0);
  QTest::newRow("640 wide") << 640 << QPoint(0, 0);
  // The designed place, moved left so that the 692-pixel window fits.
  QTest::newRow("801 wide") << 801 << QPoint(109, 87);
}

void TestWindowLayout::windowPosition() {
  QFETCH(int, screenWidth);
  QFETCH(QPoint, position);
  Window w(
      [&](FakePlatform &fake) { fake.screen.size = QSize(screenWidth, 600); });
  w.frmMain->FormCreate();
  QCOMPARE(w.frmMain->pos(), position);
}

void TestWindowLayout::tabWidth_data() {
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

void TestWindowLayout::tabWidth() {
  QFETCH(int, dpi);
  QFETCH(int, least);
  QFETCH(int, most);
  Window w([dpi](FakePlatform &fake) { fake.screen.dpi = dpi; });
  w.start();
  QTabBar *bar = w.pages()->tabBar();
  QVERIFY(bar->tabRect(0).width() >= least);
  QVERIFY(bar->tabRect(0).width() <= most);
  // No caption is cut off and no tab falls off the page control.
  for (int i = 0; i < bar->count(); ++i) {
    const QString caption = bar->tabText(i).remove(u'&');
    QVERIFY2(bar->tabRect(i).width() >=
                 bar->fontMetrics().horizontalAdvance(caption) + 8,
             qPrintable(caption));
  }
  QVERIFY(bar->tabRect(bar->count() - 1).right() < w.pages()->width());
}

int main(int argc, char **argv) {
  GlyApplication app(argc, argv);
  TestWindowLayout test;
  return QTest::qExec(&test, argc, argv);
}

#include "tst_windowlayout.moc"
