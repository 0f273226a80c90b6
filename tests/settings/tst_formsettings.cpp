#include "app/GlyApplication.h"
#include "app/TfrmMain.h"
#include "catalogue/SpecimenSettings.h"
#include "fakes/FakeSettingsStore.h"
#include "fakes/MainWindowHarness.h"

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using CharSet = FontFace::CharSet;

namespace {

// The settings file in the temporary XDG_CONFIG_HOME that main() sets up.
QString settingsFile()
{
    return qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/QZ/Glyphary.conf");
}

QByteArray readSettingsFile()
{
    QFile file(settingsFile());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeSettingsFile(const QByteArray& content)
{
    QDir().mkpath(QFileInfo(settingsFile()).path());
    QFile file(settingsFile());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

QByteArray frmMainSection(const QByteArray& lines) { return "[frmMain]\n" + lines; }

using Settings = MainWindowHarness::Settings;

// The window over fake services, with one family; its settings are real
// QSettings or the fake ones.
struct Run : MainWindowHarness {
    explicit Run(Settings kind, const std::function<void(FakePlatform&)>& setUp = {})
        : MainWindowHarness(
              [&setUp](FakePlatform& fake) {
                  fake.fonts.addFamily("Book Face", {{"Regular", true, false, CharSet::Ansi}});
                  fake.printer.setTypefaces({"Book Face"});
                  if (setUp)
                      setUp(fake);
              },
              kind)
    {
    }

    // A check box's "checked" or a spin box's "value".
    QVariant state(const QString& name) const
    {
        QObject* control = object(name);
        return control->property(qobject_cast<QSpinBox*>(control) ? "value" : "checked");
    }
    void setState(const QString& name, const QVariant& value)
    {
        QObject* control = object(name);
        control->setProperty(qobject_cast<QSpinBox*>(control) ? "value" : "checked", value);
    }
};

}  // namespace

class TestFormSettings : public QObject {
    Q_OBJECT
private slots:
    void variationsKept_data();
    void variationsKept();
    void init() { QFile::remove(settingsFile()); }
    void optionControlsKeptBetweenRuns_data();
    void optionControlsKeptBetweenRuns();
    void unwritableSettingsFileStillCloses();
    void restoredStatesShowBeforeFormCreate();
    void windowPosition_data();
    void windowPosition();
};

using States = QVariantMap;

void TestFormSettings::optionControlsKeptBetweenRuns_data()
{
    QTest::addColumn<QByteArray>("before");     // the settings file at start; empty: none
    QTest::addColumn<States>("restored");       // control states once the window is built
    QTest::addColumn<States>("changes");        // what the user changes
    QTest::addColumn<bool>("minimiseFirst");    // hidden, then changed, minimised and closed
    QTest::addColumn<QByteArrayList>("saved");  // lines of the file after closing

    const States designed{{"chkBold", false},     {"chkPara12", false},
                          {"chkLargeBold", false}, {"spnPointSize", 12},
                          {"spnLargeSample", 24},  {"spnPreviewPrintSize", 11},
                          {"spnPreviewSize", 12},  {"spnSampleSize", 11},
                          {"spnSelected", 12}};
    QTest::newRow("first run") << QByteArray() << designed << States() << false
                               << QByteArrayList{"chkBold\\Checked=False", "spnPointSize\\Value=12",
                                                 "spnSelected\\Value=12", "Left=133", "Top=87",
                                                 "ScreenRes=1280x1024", "Width=692", "State=0"};
    QTest::newRow("checked and a size")
        << QByteArray() << States() << States{{"chkPara12", true}, {"spnPointSize", 16}} << false
        << QByteArrayList{"chkPara12\\Checked=True", "spnPointSize\\Value=16"};
    QTest::newRow("unchecked is written too")
        << frmMainSection("chkBold\\Checked=True\n") << States{{"chkBold", true}}
        << States{{"chkBold", false}} << false << QByteArrayList{"chkBold\\Checked=False"};
    QTest::newRow("letter case")
        << frmMainSection("chkPara12\\Checked=true\nchkItalic\\Checked=FALSE\n")
        << States{{"chkPara12", true}, {"chkItalic", false}} << States() << false
        << QByteArrayList{"chkPara12\\Checked=True"};
    QTest::newRow("beyond the bounds")
        << frmMainSection("spnPointSize\\Value=99\nspnSelected\\Value=-5\n"
                          "spnLargeSample\\Value=1e300\n")
        << States{{"spnPointSize", 20}, {"spnSelected", 4}, {"spnLargeSample", 60}} << States()
        << false << QByteArrayList{"spnPointSize\\Value=20"};
    QTest::newRow("numbers as text")
        << frmMainSection("spnPointSize\\Value=\"14\"\nspnSampleSize\\Value=abc\n"
                          "spnLargeSample\\Value=30.9\n")
        << States{{"spnPointSize", 14}, {"spnSampleSize", 11}, {"spnLargeSample", 30}} << States()
        << false << QByteArrayList{"spnSampleSize\\Value=11"};
    // No true/false value is made of a text that names neither.
    QTest::newRow("not a truth value")
        << frmMainSection("chkBold\\Checked=yes\nchkLargeBold\\Checked=1\nchkPara\\Checked=a, b\n")
        << States{{"chkBold", false}, {"chkLargeBold", false}, {"chkPara", false}} << States()
        << false << QByteArrayList{"chkBold\\Checked=False"};
    static const char corrupted[] = "[frmMain\nchkBold\\Checked=\0\xff\xfe\n[\n=\n\\\\\\Val";
    QTest::newRow("corrupted file")
        << QByteArray(corrupted, sizeof corrupted - 1) << designed
        << States{{"chkBold", true}} << false << QByteArrayList{"chkBold\\Checked=True"};
    QTest::newRow("minimise then close")
        << QByteArray() << States() << States{{"chkPara12", true}, {"spnPointSize", 16}} << true
        << QByteArrayList{"chkPara12\\Checked=True", "spnPointSize\\Value=16"};
}

void TestFormSettings::optionControlsKeptBetweenRuns()
{
    QFETCH(QByteArray, before);
    QFETCH(States, restored);
    QFETCH(States, changes);
    QFETCH(bool, minimiseFirst);
    QFETCH(QByteArrayList, saved);
    if (!before.isEmpty())
        writeSettingsFile(before);

    {
        Run run(Settings::Real);
        run.start();
        for (auto it = restored.cbegin(); it != restored.cend(); ++it)
            QCOMPARE(run.state(it.key()), it.value());
        if (minimiseFirst)
            run.frmMain->hide();
        for (auto it = changes.cbegin(); it != changes.cend(); ++it)
            run.setState(it.key(), it.value());
        if (minimiseFirst)
            run.frmMain->setWindowState(Qt::WindowMinimized);
        QVERIFY(run.frmMain->close());
    }

    const QByteArray file = readSettingsFile();
    const QByteArrayList lines = file.split('\n');
    for (const QByteArray& line : saved)
        QVERIFY2(lines.contains(line), file.constData());
    const auto controlEntries = std::count_if(lines.cbegin(), lines.cend(), [](const QByteArray& l) {
        return l.contains("\\Checked=") || l.contains("\\Value=");
    });
    QCOMPARE(controlEntries, 32);

    Run next(Settings::Real);
    for (auto it = changes.cbegin(); it != changes.cend(); ++it)
        QCOMPARE(next.state(it.key()), it.value());
}

void TestFormSettings::unwritableSettingsFileStillCloses()
{
    // A file where the settings folder should be: nothing can be written.
    const QString folder = QFileInfo(settingsFile()).path();
    QDir(folder).removeRecursively();
    QFile blocker(folder);
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    Run run(Settings::Real);
    run.start();
    QVERIFY(run.frmMain->close());
    QVERIFY(!run.frmMain->isVisible());
    QCOMPARE(run.fake.messages.boxes,
             (QList<FakeMessageBoxes::Box>{{"error", "Unable to write to " + settingsFile()}}));
    QVERIFY(QFile::remove(folder));
}

void TestFormSettings::restoredStatesShowBeforeFormCreate()
{
    Run run(Settings::Fake, [](FakePlatform& fake) {
        fake.settings.values = {{"frmMain/spnPointSize/Value", 16},
                                {"frmMain/chkSampleBold/Checked", "True"},
                                {"frmMain/spnLargeSample/Value", 40},
                                {"frmMain/chkLargeItalic/Checked", "True"}};
    });
    auto* memDispFont = run.frmMain->findChild<QPlainTextEdit*>("memDispFont");
    auto* memLargeSample = run.frmMain->findChild<QPlainTextEdit*>("memLargeSample");
    // The handlers have run while the window was built.
    QCOMPARE(memDispFont->font().pointSize(), 16);
    QVERIFY(memDispFont->font().bold());
    QCOMPARE(memLargeSample->font().pointSize(), 40);
    QVERIFY(memLargeSample->font().italic());

    run.start();
    QCOMPARE(memDispFont->font().family(), "Book Face");
    QCOMPARE(memDispFont->font().pointSize(), 16);
    QVERIFY(memDispFont->font().bold());
    auto* pages = run.frmMain->findChild<QTabWidget*>("PageControl1");
    pages->setCurrentWidget(run.frmMain->findChild<QWidget*>("tabLargeSample"));
    QCOMPARE(memLargeSample->font().family(), "Book Face");
    QCOMPARE(memLargeSample->font().pointSize(), 40);
    QVERIFY(memLargeSample->font().italic());
    QVERIFY(!memLargeSample->font().bold());
}

// Marks a Left that puts the window's right edge on the screen's right edge;
// the frame, unknown before the window is first shown, is not counted.
constexpr int AtRightEdge = -100;
// Marks a Left or Top that leaves three quarters of the window on the screen.
constexpr int MostOn = -200;

void TestFormSettings::windowPosition_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<bool>("placeable");      // false: the window system places windows
    QTest::addColumn<QVariantMap>("stored");  // under frmMain/
    QTest::addColumn<QPoint>("restored");     // after FormCreate
    QTest::addColumn<QSize>("size");          // after FormCreate; empty: the designed one
    QTest::addColumn<bool>("maximised");      // after FormCreate
    QTest::addColumn<bool>("maximise");       // before closing
    QTest::addColumn<QVariantMap>("saved");

    const QSize screen(1280, 1024);
    const QString res = "1280x1024";
    const QSize designed;
    QTest::newRow("first run") << screen << true << QVariantMap() << QPoint(133, 87) << designed
                               << false << false
                               << QVariantMap{{"Left", 133}, {"Top", 87}, {"ScreenRes", res},
                                              {"Width", 692}, {"State", 0}};
    QTest::newRow("first run, narrow screen")
        << QSize(820, 1024) << true << QVariantMap() << QPoint(AtRightEdge, 87) << designed
        << false << false << QVariantMap{{"ScreenRes", "820x1024"}};
    QTest::newRow("same screen, Left 5000")
        << screen << true << QVariantMap{{"Left", 5000}, {"Top", 200}, {"ScreenRes", res}}
        << QPoint(MostOn, 200) << designed << false << false
        << QVariantMap{{"Left", 1280 - 692 * 3 / 4}, {"Top", 200}};
    QTest::newRow("same screen, Top 99999")
        << screen << true << QVariantMap{{"Left", 100}, {"Top", 99999}, {"ScreenRes", res}}
        << QPoint(100, MostOn) << designed << false << false << QVariantMap();
    QTest::newRow("same screen, far off")
        << screen << true << QVariantMap{{"Left", 99999999}, {"Top", 99999999}, {"ScreenRes", res}}
        << QPoint(MostOn, MostOn) << designed << false << false << QVariantMap();
    QTest::newRow("same screen, far below")
        << screen << true << QVariantMap{{"Left", "1e300"}, {"Top", 99999999999.0}, {"ScreenRes", res}}
        << QPoint(MostOn, MostOn) << designed << false << false << QVariantMap();
    QTest::newRow("changed screen, Left 5000")
        << screen << true << QVariantMap{{"Left", 5000}, {"Top", 200}, {"ScreenRes", "1600x1200"}}
        << QPoint(AtRightEdge, 200) << designed << false << false
        << QVariantMap{{"ScreenRes", res}};
    QTest::newRow("Left -3") << screen << true
                             << QVariantMap{{"Left", -3}, {"Top", "40"}, {"ScreenRes", res}}
                             << QPoint(0, 40) << designed << false << false << QVariantMap();
    QTest::newRow("Left -1 is none")
        << screen << true << QVariantMap{{"Left", -1}, {"Top", 40}, {"ScreenRes", res}}
        << QPoint(133, 40) << designed << false << false << QVariantMap();
    QTest::newRow("Left no number") << screen << true
                                    << QVariantMap{{"Left", "abc"}, {"Top", 40}, {"ScreenRes", res}}
                                    << QPoint(0, 40) << designed << false << false << QVariantMap();
    QTest::newRow("800 wide after restore")
        << QSize(800, 600) << true << QVariantMap{{"Left", 300}, {"Top", 200}, {"ScreenRes", "800x600"}}
        << QPoint(0, 0) << designed << false << false << QVariantMap();
    QTest::newRow("maximised saves its normal place")
        << screen << true << QVariantMap{{"Left", 200}, {"Top", 150}, {"ScreenRes", res}}
        << QPoint(200, 150) << designed << false << true
        << QVariantMap{{"Left", 200}, {"Top", 150}, {"Width", 692}, {"State", 2}};
    QTest::newRow("window system places windows")
        << screen << false
        << QVariantMap{{"Left", 300}, {"Top", 200}, {"ScreenRes", "1x1"}, {"Width", 900},
                       {"Height", 700}}
        << QPoint(133, 87) << QSize(900, 700) << false << false
        << QVariantMap{{"Left", 300}, {"Top", 200}, {"ScreenRes", "1x1"}, {"Width", 900},
                       {"Height", 700}};
    QTest::newRow("size")
        << screen << true
        << QVariantMap{{"Left", 100}, {"Top", 50}, {"ScreenRes", res}, {"Width", 900},
                       {"Height", "700"}, {"State", 0}}
        << QPoint(100, 50) << QSize(900, 700) << false << false
        << QVariantMap{{"Width", 900}, {"Height", 700}, {"State", 0}};
    QTest::newRow("width alone is no size")
        << screen << true << QVariantMap{{"Left", 100}, {"Top", 50}, {"ScreenRes", res}, {"Width", 900}}
        << QPoint(100, 50) << designed << false << false << QVariantMap{{"Width", 692}};
    QTest::newRow("maximised")
        << screen << true
        << QVariantMap{{"Left", 100}, {"Top", 50}, {"ScreenRes", res}, {"Width", 900},
                       {"Height", 700}, {"State", 2}}
        << QPoint() << QSize(900, 700) << true << false
        << QVariantMap{{"Left", 100}, {"Top", 50}, {"Width", 900}, {"Height", 700}, {"State", 2}};
    QTest::newRow("minimised comes back normal")
        << screen << true
        << QVariantMap{{"Left", 100}, {"Top", 50}, {"ScreenRes", res}, {"Width", 900},
                       {"Height", 700}, {"State", 1}}
        << QPoint(100, 50) << QSize(900, 700) << false << false << QVariantMap{{"State", 0}};
    QTest::newRow("larger than the work area")
        << screen << true
        << QVariantMap{{"Left", 0}, {"Top", 0}, {"ScreenRes", res}, {"Width", 5000},
                       {"Height", 5000}}
        << QPoint(0, 0) << screen << false << false
        << QVariantMap{{"Width", 1280}, {"Height", 1024}};
    QTest::newRow("smaller than designed")
        << screen << true
        << QVariantMap{{"Left", 100}, {"Top", 50}, {"ScreenRes", res}, {"Width", 10},
                       {"Height", "abc"}}
        << QPoint(100, 50) << designed << false << false << QVariantMap{{"Width", 692}};
}

void TestFormSettings::windowPosition()
{
    QFETCH(QSize, screen);
    QFETCH(bool, placeable);
    QFETCH(QVariantMap, stored);
    QFETCH(QPoint, restored);
    QFETCH(QSize, size);
    QFETCH(bool, maximised);
    QFETCH(bool, maximise);
    QFETCH(QVariantMap, saved);

    Run run(Settings::Fake, [&](FakePlatform& fake) {
        fake.screen.size = screen;
        fake.screen.placeable = placeable;
        for (auto it = stored.cbegin(); it != stored.cend(); ++it)
            fake.settings.values.insert("frmMain/" + it.key(), it.value());
    });
    run.start();
    TfrmMain& frmMain = *run.frmMain;
    QCOMPARE(frmMain.isMaximized(), maximised);
    QVERIFY(!frmMain.isMinimized());
    const QRect normal = frmMain.normalGeometry();
    QCOMPARE(normal.size(), size.isValid() ? size : frmMain.minimumSize());
    // A maximised window's normal place shows in what it saves.
    if (!maximised) {
        if (restored.x() == AtRightEdge)
            QCOMPARE(frmMain.pos().x() + frmMain.width(), screen.width());
        else if (restored.x() == MostOn)
            QCOMPARE(frmMain.pos().x() + frmMain.width() * 3 / 4, screen.width());
        else
            QCOMPARE(frmMain.pos().x(), restored.x());
        if (restored.y() == MostOn)
            QCOMPARE(frmMain.pos().y() + frmMain.height() * 3 / 4, screen.height());
        else
            QCOMPARE(frmMain.pos().y(), restored.y());
    }

    if (maximise) {
        frmMain.showMaximized();
        QTRY_VERIFY(frmMain.pos() != restored);
    }
    QVERIFY(frmMain.close());
    for (auto it = saved.cbegin(); it != saved.cend(); ++it)
        QCOMPARE(run.fake.settings.values.value("frmMain/" + it.key()), it.value());
}

void TestFormSettings::variationsKept_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QString>("restored");  // written back as the next run keeps it
    QTest::newRow("nothing stored") << QVariant() << "";
    QTest::newRow("two axes") << QVariant("wght=650;wdth=87.5") << "wdth=87.5;wght=650";
    QTest::newRow("no tags, no numbers, no infinities")
        << QVariant("=5;wghtt=1;wg=2;wght=;wght=abc;opsz=inf;GRAD=nan;slnt=-12")
        << "slnt=-12";
    QTest::newRow("not text") << QVariant(42) << "";
}

// The axis settings of one run are those of the next; a stored value that
// is no setting is left out.
void TestFormSettings::variationsKept()
{
    QFETCH(QVariant, stored);
    QFETCH(QString, restored);
    FakeSettingsStore store;
    if (stored.isValid())
        store.values.insert("Variations/Axes", stored);
    SpecimenSettings settings;
    settings.restore(store);
    settings.save(store);
    QCOMPARE(store.values.value("Variations/Axes").toString(), restored);
    SpecimenSettings next;
    next.restore(store);
    QCOMPARE(next.variations(), settings.variations());
}

int main(int argc, char** argv)
{
    // The settings file goes to a scratch folder, not the user's; Qt reads the
    // folder once.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    GlyApplication app(argc, argv);
    TestFormSettings test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_formsettings.moc"
