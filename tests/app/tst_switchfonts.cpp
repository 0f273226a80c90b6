// Families switched off and on from the window, over fake services whose
// font lists follow the rules as fontconfig's would: a switched-off file is
// gone from the machine's fonts and listed only as loaded by the program.
#include "app/MainPage.h"
#include "app/TfrmMain.h"
#include "catalogue/SwitchedOffFiles.h"
#include "fakes/FakePlatform.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include <memory>

namespace {

const QString Told =
    "information: Switched-off fonts stay on the disk and stay listed here, marked as off, so "
    "that you can look at them, print them and switch them on again.\n\nOther programs that "
    "read your fontconfig configuration stop listing them, or list them again, the next time "
    "they read their fonts, which most programs do only when they start. Programs in a Flatpak "
    "sandbox don't read that configuration and go on listing every font.";

struct Window {
    Window(const QString& root, const QStringList& startOff, const QString& problem)
    {
        // <r>/fonts is the user's fonts folder; <r>/sys holds the fonts for all users.
        machine = {{"Mine", {"fonts/Mine-R.ttf", "fonts/Mine-B.ttf"}},
                   {"Other", {"fonts/sub/Other-R.ttf", "fonts/sub/Other-B.ttf"}},
                   {"Shared", {"sys/Shared.ttf"}},
                   {"Mono", {"sys/Mono.ttf"}}};
        for (auto it = machine.begin(); it != machine.end(); ++it) {
            fake.fonts.addTrueTypeFamily(it.key());
            for (QString& file : it.value()) {
                file = root + u'/' + file;
                QDir().mkpath(QFileInfo(file).path());
                QFile(file).open(QIODevice::WriteOnly);
            }
        }
        fake.fonts.addTrueTypeFamily("Book Face");
        fake.printer.setTypefaces(QStringList{"Book Face"} + machine.keys());
        fake.shell.fontsFolder = root + "/fonts";
        for (const QString& file : startOff)
            fake.switches.reading.rules.files << root + u'/' + file;
        fake.switches.reading.problem = problem;
        follow();
        QObject::connect(&fake.fonts, &FontService::fontsChanged, [this] { follow(); });
        fake.fonts.onAdd = [this](const QString&) { follow(); };
        frmMain = std::make_unique<TfrmMain>(fake.platform);
        frmMain->FormCreate();
        frmMain->show();
    }
    // The faces as fontconfig would list them under the rules written now.
    void follow()
    {
        const SwitchedOffFiles off(fake.switches.reading.rules);
        fake.fonts.filesByFamily.clear();
        for (auto it = machine.cbegin(); it != machine.cend(); ++it) {
            for (const QString& file : it.value()) {
                FontFileFace face;
                face.path = file;
                face.installed = !off.covers(file);
                if (face.installed || loaded().contains(file))
                    fake.fonts.filesByFamily[it.key()] << face;
            }
        }
    }
    QStringList loaded() const
    {
        QStringList out;
        for (auto it = fake.fonts.added.cbegin(); it != fake.fonts.added.cend(); ++it)
            if (it.value() > fake.fonts.removed.value(it.key()))
                out << it.key();
        out.sort();
        return out;
    }
    QAbstractItemView* list() const { return frmMain->findChild<QAbstractItemView*>("lstFonts"); }
    void select(const QStringList& families)
    {
        QAbstractItemModel* model = list()->model();
        list()->selectionModel()->clear();
        for (int row = 0; row < model->rowCount(); ++row)
            if (families.contains(model->index(row, 0).data().toString()))
                list()->selectionModel()->select(model->index(row, 0), QItemSelectionModel::Select);
    }
    // The rows marked as off, and the rows a find for "is:off" lists.
    QStringList marked() const
    {
        QStringList out;
        QAbstractItemModel* model = list()->model();
        for (int row = 0; row < model->rowCount(); ++row)
            if (!model->index(row, 0).data(Qt::ToolTipRole).toString().isEmpty())
                out << model->index(row, 0).data().toString();
        return out;
    }
    QStringList found(const QString& query) const
    {
        auto* find = frmMain->findChild<QLineEdit*>("edtFind");
        find->setText(query);
        QTest::qWait(0);
        QStringList out;
        for (int row = 0; row < list()->model()->rowCount(); ++row)
            out << list()->model()->index(row, 0).data().toString();
        find->clear();
        QTest::qWait(0);
        return out;
    }

    FakePlatform fake;
    QMap<QString, QStringList> machine;
    std::unique_ptr<TfrmMain> frmMain;
};

}  // namespace

class TestSwitchFonts : public QObject {
    Q_OBJECT
private slots:
    void switchFamilies_data();
    void switchFamilies();
};

void TestSwitchFonts::switchFamilies_data()
{
    QTest::addColumn<QStringList>("startOff");  // files, by <r>/...
    QTest::addColumn<QString>("problem");       // of the rule file as read, or "write", "told", "printing"
    QTest::addColumn<QStringList>("selected");
    QTest::addColumn<QString>("command");       // the menu item's text when the menu opens
    QTest::addColumn<QStringList>("rules");     // written: folders, then files; "-": nothing written
    QTest::addColumn<QStringList>("off");       // families marked off afterwards
    QTest::addColumn<QStringList>("boxes");

    const QString broken = "warning: The fonts could not be switched off, since the file "
                           "/conf.d/rules.conf is broken at line 3 (x). It is left as it was.";
    QTest::newRow("one family off, told once")
        << QStringList{} << "" << QStringList{"Mine"} << "Switch &Off"
        << QStringList{"fonts/Mine-B.ttf", "fonts/Mine-R.ttf"} << QStringList{"Mine"}
        << QStringList{Told};
    QTest::newRow("told before: not again")
        << QStringList{} << "told" << QStringList{"Mine"} << "Switch &Off"
        << QStringList{"fonts/Mine-B.ttf", "fonts/Mine-R.ttf"} << QStringList{"Mine"}
        << QStringList{};
    QTest::newRow("a selection: a folder whole is one rule, one for all users too")
        << QStringList{} << "told" << QStringList{"Other", "Shared"} << "Switch &Off"
        << QStringList{"fonts/sub", "sys/Shared.ttf"} << QStringList{"Other", "Shared"}
        << QStringList{};
    QTest::newRow("off at start-up, switched on again")
        << QStringList{"fonts/Mine-R.ttf", "fonts/Mine-B.ttf"} << "told" << QStringList{"Mine"}
        << "Switch &On" << QStringList{} << QStringList{} << QStringList{};
    QTest::newRow("a mixed selection goes off, and its folder with it")
        << QStringList{"sys/Mono.ttf"} << "told" << QStringList{"Mono", "Shared"} << "Switch &Off"
        << QStringList{"sys"} << QStringList{"Mono", "Shared"}
        << QStringList{};
    QTest::newRow("a family without files on the machine: nothing to do")
        << QStringList{} << "told" << QStringList{"Book Face"} << "Switch &Off"
        << QStringList{"-"} << QStringList{} << QStringList{};
    QTest::newRow("a broken rule file: said at start-up and left alone")
        << QStringList{"sys/Mono.ttf"} << "is broken at line 3 (x)" << QStringList{"Mine"}
        << "Switch &Off" << QStringList{"-"} << QStringList{"Mono"}
        << QStringList{"warning: The switched-off fonts were read only in part, since the file "
                       "/conf.d/rules.conf is broken at line 3 (x). Fonts can be switched again "
                       "once the file is corrected or deleted.",
                       broken};
    QTest::newRow("the rule file can't be written")
        << QStringList{} << "write" << QStringList{"Mine"} << "Switch &Off" << QStringList{"-"}
        << QStringList{}
        << QStringList{"warning: The fonts could not be switched off, since the file "
                       "/conf.d/rules.conf cannot be written. It is left as it was."};
    QTest::newRow("during a print run: refused")
        << QStringList{} << "printing" << QStringList{"Mine"} << "Switch &Off" << QStringList{"-"}
        << QStringList{}
        << QStringList{"information: Wait until the current run has finished, then try again."};
}

void TestSwitchFonts::switchFamilies()
{
    QFETCH(QStringList, startOff);
    QFETCH(QString, problem);
    QFETCH(QStringList, selected);
    QFETCH(QString, command);
    QFETCH(QStringList, rules);
    QFETCH(QStringList, off);
    QFETCH(QStringList, boxes);

    QTemporaryDir dir;
    const bool readProblem = problem.startsWith("is ");
    Window w(dir.path(), startOff, readProblem ? problem : QString());
    if (problem == "write")
        w.fake.switches.writeProblem = "cannot be written";
    if (problem == "printing")
        w.frmMain->printState.JobRunning = true;
    if (problem != "told")
        w.fake.settings.values.remove("Switching/Told");
    else
        w.fake.settings.values.insert("Switching/Told", true);
    QTest::qWait(0);  // the start-up notice
    const FontSwitches::Rules before = w.fake.switches.reading.rules;

    w.select(selected);
    emit w.frmMain->findChild<QMenu*>("File2")->aboutToShow();
    auto* item = w.frmMain->findChild<QAction*>("SwitchOff1");
    QCOMPARE(item->text(), command);
    item->trigger();

    QStringList boxTexts;
    for (const FakeMessageBoxes::Box& box : std::as_const(w.fake.messages.boxes))
        boxTexts << box.kind + ": " + box.text;
    QCOMPARE(boxTexts, boxes);
    const FontSwitches::Rules now = w.fake.switches.reading.rules;
    if (rules == QStringList{"-"}) {
        QCOMPARE(w.fake.switches.writes, 0);
        QCOMPARE(now, before);
    } else {
        QCOMPARE(QStringList(now.folders + now.files).replaceInStrings(dir.path() + u'/', ""), rules);
    }
    // What is off stays in sight: loaded for the program alone, listed and marked.
    const SwitchedOffFiles covered(now);
    QStringList offFiles;
    for (const QStringList& files : std::as_const(w.machine))
        for (const QString& file : files)
            if (covered.covers(file))
                offFiles << file;
    offFiles.sort();
    QCOMPARE(w.loaded(), offFiles);
    QCOMPARE(w.marked(), off);
    QCOMPARE(w.frmMain->mainPage()->selectedFamilies(), selected);
    QCOMPARE(w.found("is:off"), off);
    QCOMPARE(w.found("is:on").size(), 5 - off.size());
}

QTEST_MAIN(TestSwitchFonts)
#include "tst_switchfonts.moc"
