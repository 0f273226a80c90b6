// A font opened from the command line, installed through the Preview/Install
// page and removed again, over the real font, printer and shell backends with
// a temporary home whose fonts folder fontconfig reads.
#include "app/TfrmMain.h"
#include "fakes/FakePlatform.h"
#include "fakes/GeneratedFonts.h"
#include "fontfiles/TfrmInstalling.h"
#include "platform/linux/LinuxFontService.h"
#include "platform/linux/LinuxPrinterService.h"
#include "platform/linux/LinuxShell.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFontInfo>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

namespace {

QStringList families(const QAbstractItemView* view)
{
    QStringList out;
    for (int row = 0; row < view->model()->rowCount(); ++row)
        out << view->model()->index(row, 0).data().toString();
    return out;
}

} // namespace

class TestInstallRemove : public QObject {
    Q_OBJECT
public:
    explicit TestInstallRemove(const QString& root) : m_root(root) {}

private slots:
    void installRemove_data();
    void installRemove();

private:
    QString home() const { return m_root + "/home"; }
    QString fontsFolder() const { return home() + "/data/fonts"; }
    // Files under the fonts folder that fontconfig lists to another program.
    QStringList listed() const;

    QString m_root;
};

QStringList TestInstallRemove::listed() const
{
    QProcess list;
    list.start("fc-list", {"--format", "%{file}\n"});
    if (!list.waitForFinished())
        return {"fc-list failed"};
    QStringList files;
    for (const QString& line : QString::fromUtf8(list.readAllStandardOutput()).split(u'\n')) {
        if (line.startsWith(fontsFolder() + u'/'))
            files << QFileInfo(line).fileName();
    }
    return files;
}

void TestInstallRemove::installRemove_data()
{
    QTest::addColumn<QString>("how");  // "install": through the page; "link": planted beforehand
    QTest::addColumn<QString>("family");
    QTest::addColumn<QString>("file");  // in the fonts folder, then in the trash

    QTest::newRow("opened, installed, removed") << "install" << "Test Extra" << "TestExtra.ttf";
    QTest::newRow("link to a file outside: only the link")
        << "link" << "Test Late" << "Planted.ttf";
}

void TestInstallRemove::installRemove()
{
    QFETCH(QString, how);
    QFETCH(QString, family);
    QFETCH(QString, file);

    QDir(fontsFolder()).removeRecursively();
    QDir(home() + "/data/Trash").removeRecursively();
    const QString outside = m_root + "/extra/TestLate.ttf";
    if (how == "link") {
        QVERIFY(QDir().mkpath(fontsFolder()));
        QVERIFY(QFile::link(outside, fontsFolder() + u'/' + file));
    }

    LinuxFontService fonts;
    fonts.broadcastFontChange();
    LinuxPrinterService printer(fonts);
    printer.setCurrentIndex(int(printer.printers().indexOf(LinuxPrinterService::pdfPrinterName())));
    LinuxShell shell;
    FakePlatform fake;
    Platform platform{fonts,      printer,       fake.screen, fake.settings, fake.ini,
                      shell,      fake.messages, fake.help,   fake.errors,   fake.platform.appFolder};
    TfrmMain frmMain(platform);
    frmMain.FormCreate();
    frmMain.setInstallingDialog(new TfrmInstalling(frmMain.installState, &frmMain));
    frmMain.show();
    auto* tabs = frmMain.findChild<QTabWidget*>("PageControl1");
    auto* lstFonts = frmMain.findChild<QAbstractItemView*>("lstFonts");

    if (how == "install") {
        frmMain.openFontFiles({m_root + "/extra/" + file});
        QCOMPARE(QFontInfo(frmMain.findChild<QPlainTextEdit*>("memDispPreview")->font()).family(),
                 family);
        frmMain.findChild<QPushButton*>("cmdAdd")->click();
        frmMain.findChild<QPushButton*>("cmdInstall")->click();
        QCOMPARE(fake.messages.boxes.size(), 1);
        QCOMPARE(fake.messages.boxes.takeFirst().text, "Installed 1 font");
        tabs->setCurrentWidget(tabs->widget(0));
    }
    QCOMPARE(listed(), QStringList{file});
    const QModelIndexList row = lstFonts->model()->match(lstFonts->model()->index(0, 0),
                                                         Qt::DisplayRole, family, 1, Qt::MatchExactly);
    QVERIFY(!row.isEmpty());
    lstFonts->selectionModel()->setCurrentIndex(row.first(), QItemSelectionModel::ClearAndSelect);
    emit frmMain.findChild<QMenu*>("File2")->aboutToShow();
    QVERIFY(frmMain.findChild<QAction*>("RemoveFontFamily1")->isEnabled());

    fake.messages.confirmAnswers = {true};
    frmMain.RemoveFontFamily1Click();
    QCOMPARE(fake.messages.boxes.size(), 2);
    QCOMPARE(fake.messages.boxes.last().text, "Moved 1 file to the trash.");
    const QFileInfo trashed(home() + "/data/Trash/files/" + file);
    QVERIFY(trashed.exists() || trashed.isSymLink());
    QCOMPARE(trashed.isSymLink(), how == "link");
    QVERIFY(!QFileInfo(fontsFolder() + u'/' + file).isSymLink());
    QVERIFY(!QFileInfo::exists(fontsFolder() + u'/' + file));
    QVERIFY(QFileInfo(outside).isFile());
    QVERIFY(!families(lstFonts).contains(family));
    QCOMPARE(listed(), QStringList{});
}

int main(int argc, char** argv)
{
    QTemporaryDir root;
    if (!root.isValid() || !writeTestFonts(root.path(), true))
        return 1;
    // Everything the run writes stays in the temporary home.
    const QByteArray home = QFile::encodeName(root.filePath("home"));
    qputenv("HOME", home);
    qputenv("XDG_DATA_HOME", home + "/data");
    qputenv("XDG_CONFIG_HOME", home + "/config");
    qputenv("FONTCONFIG_FILE", QFile::encodeName(root.filePath("fonts.conf")));
    QApplication app(argc, argv);
    TestInstallRemove test(root.path());
    return QTest::qExec(&test, argc, argv);
}

#include "tst_installremove_machine.moc"
