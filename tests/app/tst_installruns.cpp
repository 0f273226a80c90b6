// Install and Print on the Preview/Install page, through the real window over
// fake services and a temporary folder of font files built byte by byte.
#include "app/InstallPage.h"
#include "app/MainPage.h"
#include "app/TfrmMain.h"
#include "fakes/MainWindowHarness.h"
#include "fontfiles/SfntBuilder.h"
#include "fontfiles/TfrmInstalling.h"
#include "printing/TfrmPrinting.h"

#include <QCheckBox>
#include <QFileSystemModel>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <memory>

namespace {

struct Window : MainWindowHarness {
    // Files f0.ttf, f1.ttf, ... of family "Fam" with these full names, all
    // moved to the Selected list.
    explicit Window(const QStringList& fonts)
        : MainWindowHarness([](FakePlatform& fake) {
              fake.fonts.addTrueTypeFamily("Book Face");
              fake.printer.setTypefaces({"Book Face", "Printer Gothic"});
              fake.shell.fontsFolder = "/home/u/.local/share/fonts";
          })
    {
        frmMain->FormCreate();
        addDialogs();
        frmMain->show();
        page = frmMain->installPage();

        for (int i = 0; i < fonts.size(); ++i) {
            QFile file(dir.filePath(QStringLiteral("f%1.ttf").arg(i)));
            const QByteArray font = sfnt::font({sfnt::win(1, "Fam"), sfnt::win(4, fonts[i])});
            if (!file.open(QIODevice::WriteOnly) || file.write(font) != font.size())
                qFatal("can't write a font file");
        }
        pages()->setCurrentWidget(page);
        find<QTreeView>("Tree1")->setCurrentIndex(
            qobject_cast<QFileSystemModel*>(find<QTreeView>("Tree1")->model())->index(dir.path()));
        page->Tree1DblClick();
        find<QPushButton>("cmdPreview")->click();
        find<QPushButton>("cmdAddAll")->click();
    }

    QStringList selectedFiles() const
    {
        QStringList out;
        const auto* list = find<QListWidget>("lstSelected");
        for (int row = 0; row < list->count(); ++row)
            out << list->item(row)->text();
        return out;
    }

    QTemporaryDir dir;
    InstallPage* page = nullptr;
};

QStringList boxes(const FakeMessageBoxes& messages)
{
    QStringList out;
    for (const FakeMessageBoxes::Box& box : messages.boxes)
        out << box.kind + QStringLiteral(": ") + box.text;
    return out;
}

}  // namespace

class tst_installruns : public QObject {
    Q_OBJECT
private slots:
    void install_data();
    void install();
    void print_data();
    void print();
    void closeDuringARun_data();
    void closeDuringARun();
};

void tst_installruns::install_data()
{
    QTest::addColumn<QStringList>("fonts");
    QTest::addColumn<QStringList>("setup");  // "installed <name>", "fail <file>", "unreadable <file>", "cancel at <n>", "again at <n>",
                                             // after Preview Fonts: "replace <file> <name>", "touch <file>"
    QTest::addColumn<QStringList>("log");    // per copy: file and the dialog's labels; then the message boxes
    QTest::addColumn<bool>("fontsInstalled");

    const QStringList three{"Gamma Sans", "Alpha Sans", "Beta Sans"};
    QTest::newRow("three new fonts")
        << three << QStringList{}
        << QStringList{"f1.ttf | Fonts Selected: 3 | Installed: 0",
                       "f2.ttf | Fonts Selected: 3 | Installed: 1",
                       "f0.ttf | Fonts Selected: 3 | Installed: 2",
                       "information: Installed 3 fonts"}
        << true;
    QTest::newRow("exactly one installed")
        << three << QStringList{"installed Alpha Sans", "installed Gamma Sans"}
        << QStringList{"information: The font \"Alpha Sans\" is already installed",
                       "f2.ttf | Fonts Selected: 3 | Installed: 0",
                       "information: The font \"Gamma Sans\" is already installed",
                       "information: Installed 1 font"}
        << true;
    QTest::newRow("none installed: a failed copy, a file that is no font, one already there")
        << three << QStringList{"fail f1.ttf", "unreadable f2.ttf", "there f0.ttf"}
        << QStringList{"f1.ttf | Fonts Selected: 3 | Installed: 0",
                       "warning: Unable to install font Alpha Sans",
                       "f2.ttf | Fonts Selected: 3 | Installed: 0",
                       "warning: Unable to install font Beta Sans",
                       "f0.ttf | Fonts Selected: 3 | Installed: 0",
                       "information: The font \"Gamma Sans\" is already installed",
                       "information: Installed 0 fonts"}
        << false;
    QTest::newRow("files changed after Preview Fonts: names alone, the time alone")
        << three << QStringList{"replace f1.ttf Other Sans", "touch f2.ttf"}
        << QStringList{"warning: The font file \"f1.ttf\" changed since it was previewed",
                       "warning: The font file \"f2.ttf\" changed since it was previewed",
                       "f0.ttf | Fonts Selected: 3 | Installed: 0",
                       "information: Installed 1 font"}
        << true;
    QTest::newRow("cancel while the second of five is handled")
        << QStringList{"Font A", "Font B", "Font C", "Font D", "Font E"} << QStringList{"cancel at 2"}
        << QStringList{"f0.ttf | Fonts Selected: 5 | Installed: 0",
                       "f1.ttf | Fonts Selected: 5 | Installed: 1",
                       "f2.ttf | Fonts Selected: 5 | Installed: 2",
                       "information: Installed 3 fonts"}
        << true;
    QTest::newRow("trimmed names")
        << QStringList{"  Padded Sans  "} << QStringList{"installed Padded Sans"}
        << QStringList{"information: The font \"Padded Sans\" is already installed",
                       "information: Installed 0 fonts"}
        << false;
    QTest::newRow("Install, Print and page changes refused while the run goes")
        << QStringList{"Font A", "Font B"} << QStringList{"again at 1"}
        << QStringList{"f0.ttf | Fonts Selected: 2 | Installed: 0",
                       "f1.ttf | Fonts Selected: 2 | Installed: 1",
                       "information: Installed 2 fonts"}
        << true;
}

void tst_installruns::install()
{
    QFETCH(QStringList, fonts);
    QFETCH(QStringList, setup);
    QFETCH(QStringList, log);
    QFETCH(bool, fontsInstalled);

    Window w(fonts);
    int cancelAt = 0;
    int againAt = 0;
    for (const QString& step : setup) {
        const QString arg = step.section(u' ', 1);
        if (step.startsWith("installed "))
            w.fake.fonts.installedNames << arg;
        else if (step.startsWith("fail "))
            w.fake.shell.copyResults.insert(arg, Shell::CopyResult::Failed);
        else if (step.startsWith("there "))
            w.fake.shell.copyResults.insert(arg, Shell::CopyResult::AlreadyThere);
        else if (step.startsWith("unreadable "))
            w.fake.fonts.unreadableFiles << arg;
        else if (step.startsWith("cancel at "))
            cancelAt = step.section(u' ', 2).toInt();
        else if (step.startsWith("again at "))
            againAt = step.section(u' ', 2).toInt();
        else if (step.startsWith("replace ") || step.startsWith("touch ")) {
            QFile file(w.dir.filePath(step.section(u' ', 1, 1)));
            const QDateTime modified = QFileInfo(file).lastModified();
            QVERIFY(file.open(QIODevice::ReadWrite));
            if (step.startsWith("replace ")) {
                // Another font of the same size at the same time, as cp -p leaves it.
                const QByteArray font =
                    sfnt::font({sfnt::win(1, "Fam"), sfnt::win(4, step.section(u' ', 2))});
                QVERIFY(file.size() == font.size() && file.write(font) == font.size() && file.flush());
                QVERIFY(file.setFileTime(modified, QFileDevice::FileModificationTime));
            } else {
                QVERIFY(file.setFileTime(modified.addSecs(3600), QFileDevice::FileModificationTime));
            }
        }
    }
    // Copies and message boxes in the order they happen.
    QStringList seen;
    qsizetype shown = 0;
    const auto flushBoxes = [&] {
        const QStringList all = boxes(w.fake.messages);
        seen << all.mid(shown);
        shown = all.size();
    };
    int copies = 0;
    w.fake.shell.onCopy = [&](const QString& from) {
        flushBoxes();
        seen << QFileInfo(from).fileName() + " | " + w.frmInstalling->findChild<QLabel*>("lblSelected")->text() + " | "
                    + w.frmInstalling->findChild<QLabel*>("lblInstalled")->text();
        QVERIFY(w.frmInstalling->isVisible());
        // A press reaches the window when the run next lets events through.
        if (++copies == cancelAt)
            QMetaObject::invokeMethod(w.frmInstalling->findChild<QPushButton*>("cmdCancel"), "click", Qt::QueuedConnection);
        if (copies == againAt) {
            QMetaObject::invokeMethod(w.find<QPushButton>("cmdInstall"), "click", Qt::QueuedConnection);
            QMetaObject::invokeMethod(w.find<QPushButton>("cmdPreviewPrint"), "click", Qt::QueuedConnection);
            QTabBar* bar = w.pages()->tabBar();
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center());
        }
    };
    const int broadcasts = w.fake.fonts.broadcasts;
    w.find<QPushButton>("cmdInstall")->click();
    flushBoxes();

    QCOMPARE(seen, log);
    QCOMPARE(w.fake.printer.events, QStringList{});
    QCOMPARE(w.pages()->currentWidget(), w.page);
    QVERIFY(!w.frmInstalling->isVisible());
    QCOMPARE(w.selectedFiles(), QStringList{});
    QCOMPARE(w.find<QLabel>("lblPSelected")->text(), "Selected Fonts: 0");
    for (QPushButton* button : {w.find<QPushButton>("cmdInstall"), w.find<QPushButton>("cmdPreviewPrint"), w.find<QPushButton>("cmdRemove"),
                                w.find<QPushButton>("cmdRemoveAll")})
        QVERIFY(!button->isEnabled());
    QCOMPARE(w.frmMain->installState.FontsInstalled, fontsInstalled);
    QCOMPARE(w.fake.fonts.refreshedFolders,
             fontsInstalled ? QStringList{w.frmMain->FontsFolder} : QStringList{});
    QVERIFY(w.selected(0));

    // The font change is told once after a run that installed, and once more at close.
    QCOMPARE(w.fake.fonts.broadcasts - broadcasts, fontsInstalled ? 1 : 0);
    // Closing unloads the sample's file as well.
    const int before = w.fake.fonts.broadcasts;
    const QHash<QString, int> removed = w.fake.fonts.removed;
    w.frmMain->close();
    QCOMPARE(w.fake.fonts.broadcasts - before, int(fontsInstalled));
    QVERIFY(w.fake.fonts.removed != removed);
}

void tst_installruns::print_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<QStringList>("loaded");  // file: times loaded and not unloaded

    const QStringList printed{"beginRun", "begin", "end", "endRun"};
    QTest::newRow("one printout")
        << QStringList{"print"} << printed
        << QStringList{"f0.ttf: 2", "f1.ttf: 1", "f2.ttf: 1", "f3.ttf: 1", "f4.ttf: 1"};
    QTest::newRow("two printouts in a row: the first one's files are unloaded")
        << QStringList{"print", "print"} << printed + printed
        << QStringList{"f0.ttf: 2", "f1.ttf: 1", "f2.ttf: 1", "f3.ttf: 1", "f4.ttf: 1"};
    QTest::newRow("cancel while the third of five prints: the fifth is never loaded")
        << QStringList{"cancel at 3", "print"} << QStringList{"beginRun", "begin", "abort", "endRun"}
        << QStringList{"f0.ttf: 2", "f1.ttf: 1", "f2.ttf: 1", "f3.ttf: 1"};
    QTest::newRow("refused while a print job runs")
        << QStringList{"job", "print"} << QStringList{} << QStringList{"f0.ttf: 1"};
}

void tst_installruns::print()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, events);
    QFETCH(QStringList, loaded);

    Window w({"Font A", "Font B", "Font C", "Font D", "Font E"});
    int loads = 0;
    for (const QString& step : steps) {
        if (step == "cancel at 3") {
            w.fake.fonts.onAdd = [&](const QString&) {
                if (++loads == 3)
                    QMetaObject::invokeMethod(w.frmPrinting->findChild<QPushButton*>("cmdCancel"), "click",
                                              Qt::QueuedConnection);
            };
        } else if (step == "job") {
            w.frmMain->printState.JobRunning = true;
        } else {
            w.find<QPushButton>("cmdPreviewPrint")->click();
        }
    }
    QCOMPARE(w.fake.printer.events, events);
    QVERIFY(!w.frmPrinting->isVisible());
    QStringList net;
    for (auto it = w.fake.fonts.added.cbegin(); it != w.fake.fonts.added.cend(); ++it) {
        if (const int count = it.value() - w.fake.fonts.removed.value(it.key()))
            net << QStringLiteral("%1: %2").arg(QFileInfo(it.key()).fileName()).arg(count);
    }
    net.sort();
    QCOMPARE(net, loaded);
    // The Selected list stays as it was.
    QCOMPARE(w.selectedFiles(), (QStringList{"Font A", "Font B", "Font C", "Font D", "Font E"}));

    w.frmMain->printState.JobRunning = false;
    w.frmMain->close();
    QCOMPARE(w.fake.fonts.removed, w.fake.fonts.added);
}

void tst_installruns::closeDuringARun_data()
{
    QTest::addColumn<QString>("run");
    QTest::newRow("print") << "print";
    QTest::newRow("preview printout") << "printout";
    QTest::newRow("loading a folder's names") << "loading";
    QTest::newRow("install") << "install";
}

// Closed while a run pumps events, the window cancels the run as its Cancel
// button does and closes by the usual path once the run has returned: the
// settings are saved then, and every file the run loaded is unloaded.
void tst_installruns::closeDuringARun()
{
    QFETCH(QString, run);
    Window w({"Font A", "Font B", "Font C"});
    MainPage* main = w.frmMain->mainPage();
    bool closedInRun = false;
    QTimer::singleShot(0, w.frmMain.get(), [&] {
        closedInRun = w.page->running();
        w.frmMain->close();
    });
    if (run == "print") {
        main->cmdSelectAllClick();
        w.find<QCheckBox>("chkCharChart")->setChecked(true);
        w.find<QPushButton>("cmdPrint")->click();
    } else if (run == "printout") {
        w.find<QPushButton>("cmdPreviewPrint")->click();
    } else if (run == "loading") {
        w.page->Tree1DblClick();
        w.find<QPushButton>("cmdPreview")->click();
    } else {
        w.find<QPushButton>("cmdInstall")->click();
    }
    QVERIFY(closedInRun);
    QVERIFY(w.frmMain->isVisible());
    QCOMPARE(w.fake.settings.syncs, 0);
    if (run == "loading")
        QCOMPARE(w.find<QListWidget>("lstPreview")->count(), 0);
    else if (run == "install")
        QVERIFY(w.frmMain->installState.InstallCancelled);
    else
        QVERIFY(w.frmMain->printState.PrintCancelled);

    QTRY_VERIFY(!w.frmMain->isVisible());
    QCOMPARE(w.fake.settings.syncs, 1);
    for (auto it = w.fake.fonts.added.cbegin(); it != w.fake.fonts.added.cend(); ++it)
        QCOMPARE(w.fake.fonts.removed.value(it.key()), it.value());
}

QTEST_MAIN(tst_installruns)
#include "tst_installruns.moc"
