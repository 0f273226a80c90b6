#include "fakes/MainWindowHarness.h"

#include "fontfiles/TfrmInstalling.h"
#include "printing/TfrmPrinting.h"

#include <QLabel>
#include <QListView>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

MainWindowHarness::MainWindowHarness(const std::function<void(FakePlatform&)>& setUp,
                                     Settings settings)
    : platform{fake.fonts,
               fake.printer,
               fake.screen,
               settingsStore(settings),
               fake.ini,
               fake.shell,
               fake.messages,
               fake.help,
               fake.errors,
               fake.platform.appFolder}
{
    if (setUp)
        setUp(fake);
    frmMain = std::make_unique<TfrmMain>(platform);
}

MainWindowHarness::~MainWindowHarness() = default;

SettingsStore& MainWindowHarness::settingsStore(Settings kind)
{
    if (kind == Settings::Fake)
        return fake.settings;
    realSettings = std::make_unique<QSettingsStore>();
    return *realSettings;
}

void MainWindowHarness::start()
{
    frmMain->FormCreate();
    frmMain->show();
    if (!QTest::qWaitForWindowExposed(frmMain.get()))
        qFatal("the window was never exposed");
}

void MainWindowHarness::addDialogs()
{
    frmPrinting = new TfrmPrinting(frmMain->printState, frmMain.get(), frmMain->designScale());
    frmMain->setPrintingDialog(frmPrinting);
    frmInstalling =
        new TfrmInstalling(frmMain->installState, frmMain.get(), frmMain->designScale());
    frmMain->setInstallingDialog(frmInstalling);
}

QObject* MainWindowHarness::object(const QString& name) const
{
    QObject* found = frmMain->findChild<QObject*>(name);
    if (!found)
        qFatal("no %s", qPrintable(name));
    return found;
}

QString MainWindowHarness::text(const QString& label) const { return find<QLabel>(label)->text(); }

QTabWidget* MainWindowHarness::pages() const { return find<QTabWidget>("PageControl1"); }

void MainWindowHarness::choosePage(const QString& name)
{
    QTabWidget* tabs = pages();
    tabs->tabBar()->setCurrentIndex(tabs->indexOf(find<QWidget>(name)));
}

QListView* MainWindowHarness::fonts() const { return find<QListView>("lstFonts"); }

int MainWindowHarness::fontCount() const { return fonts()->model()->rowCount(); }

QString MainWindowHarness::family(int row) const
{
    return fonts()->model()->index(row, 0).data().toString();
}

int MainWindowHarness::rowOf(const QString& family) const
{
    const QAbstractItemModel* model = fonts()->model();
    return model->match(model->index(0, 0), Qt::DisplayRole, family, 1, Qt::MatchExactly)
        .value(0)
        .row();
}

bool MainWindowHarness::selected(int row) const
{
    return fonts()->selectionModel()->isSelected(fonts()->model()->index(row, 0));
}

int MainWindowHarness::selectedCount() const
{
    return int(fonts()->selectionModel()->selectedRows().size());
}

void MainWindowHarness::clickFont(int row, Qt::KeyboardModifiers modifiers)
{
    QListView* list = fonts();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers,
                      list->visualRect(list->model()->index(row, 0)).center());
}

void MainWindowHarness::setCurrentFont(int row, QItemSelectionModel::SelectionFlags how)
{
    fonts()->selectionModel()->setCurrentIndex(fonts()->model()->index(row, 0), how);
}

QString& MainWindowHarness::stored(const QString& key)
{
    return fake.ini.files[ini()][QStringLiteral("glyphary/") + key];
}
