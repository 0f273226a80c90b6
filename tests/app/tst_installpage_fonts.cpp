// The Preview/Install page over the real font backend, with a fontconfig
// configuration that holds only generated fonts: a font file from a folder of
// its own is drawn in the memo in its own face, and leaving the page unloads it.
#include "app/InstallPage.h"
#include "app/MainPage.h"
#include "app/TfrmMain.h"
#include "fakes/FakePlatform.h"
#include "fakes/GeneratedFonts.h"
#include "platform/linux/LinuxFontService.h"

#include <QApplication>
#include <QFileSystemModel>
#include <QFontDatabase>
#include <QFontInfo>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTreeView>

class TestInstallPageFonts : public QObject {
    Q_OBJECT
public:
    explicit TestInstallPageFonts(const QString& root) : m_root(root) {}

private slots:
    void ownFace_data();
    void ownFace();

private:
    QString m_root;
};

void TestInstallPageFonts::ownFace_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("family");
    QTest::addColumn<QString>("style");
    QTest::newRow("full name as the face name") << "TestExtra.ttf" << "Test Extra" << "Regular";
    QTest::newRow("full name too long: family and style")
        << "TestLongName-BoldItalic.ttf" << "Test Preview Long Family Name" << "Bold Italic";
}

void TestInstallPageFonts::ownFace()
{
    QFETCH(QString, file);
    QFETCH(QString, family);
    QFETCH(QString, style);

    QTemporaryDir dir;
    const QString folder = dir.filePath(QString::fromUtf8("new fonts \u00fc"));
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(QFile::copy(m_root + "/extra/" + file, folder + u'/' + file));

    LinuxFontService fonts;
    FakePlatform fake;
    Platform platform{fonts,    fake.printer,  fake.screen, fake.settings,          fake.ini,
                      fake.shell, fake.messages, fake.help,   fake.errors, fake.platform.appFolder};
    {
        TfrmMain frmMain(platform);
        frmMain.FormCreate();
        frmMain.show();
        InstallPage* page = frmMain.installPage();
        auto* tabs = frmMain.findChild<QTabWidget*>("PageControl1");
        tabs->tabBar()->setCurrentIndex(tabs->indexOf(page));
        auto* tree = frmMain.findChild<QTreeView*>("Tree1");
        tree->setCurrentIndex(qobject_cast<QFileSystemModel*>(tree->model())->index(folder));
        page->Tree1DblClick();
        frmMain.findChild<QPushButton*>("cmdPreview")->click();

        const QFontInfo shown(frmMain.findChild<QPlainTextEdit*>("memDispPreview")->font());
        QCOMPARE(shown.family(), family);
        QCOMPARE(shown.styleName(), style);
        QVERIFY(QFontDatabase::families().contains(family));

        tabs->tabBar()->setCurrentIndex(tabs->indexOf(frmMain.mainPage()));
        QVERIFY(fonts.faces(family).isEmpty());
        // Qt lets go of the files once the page change is over.
        QCoreApplication::processEvents();
        QVERIFY(!QFontDatabase::families().contains(family));
        QVERIFY(fonts.faces(family).isEmpty());
    }
    // Nothing left to unload at the close: each file went exactly once.
    QVERIFY(!fonts.removeFontFile(folder + u'/' + file));
}

int main(int argc, char** argv)
{
    QTemporaryDir root;
    if (!root.isValid() || !writeTestFonts(root.path()))
        return 1;
    qputenv("FONTCONFIG_FILE", QFile::encodeName(root.filePath("fonts.conf")));
    QApplication app(argc, argv);
    TestInstallPageFonts test(root.path());
    return QTest::qExec(&test, argc, argv);
}

#include "tst_installpage_fonts.moc"
