#include "app/AppFolders.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// Which folders the program writes and reads, by where its executable lies.
class TestAppFolders : public QObject {
    Q_OBJECT
private slots:
    void folders_data();
    void folders();
};

void TestAppFolders::folders_data()
{
    QTest::addColumn<QString>("exeFolder");  // under the temporary root
    QTest::addColumn<bool>("writable");
    QTest::addColumn<QByteArray>("stateHome");  // "@" stands for the temporary root
    QTest::addColumn<QString>("ini");
    QTest::addColumn<QString>("log");
    QTest::addColumn<QString>("data");

    const QString installedData = QStringLiteral("usr/share/glyphary/");
    const QString fallbackLog = QStringLiteral("home/.local/state/glyphary/glyphary.log");
    QTest::newRow("build folder") << "build" << true << QByteArray("@/state") << "build/GLYPHARY.INI"
                                  << "build/glyphary.log" << "build/";
    // Writable or not: root can write into bin/.
    QTest::newRow("installed") << "usr/bin" << true << QByteArray("@/state") << "config/QZ/GLYPHARY.INI"
                               << "state/glyphary/glyphary.log" << installedData;
    QTest::newRow("no state home") << "usr/bin" << true << QByteArray() << "config/QZ/GLYPHARY.INI" << fallbackLog
                                   << installedData;
    // The base directory rules ignore a relative path.
    QTest::newRow("relative state home") << "usr/bin" << true << QByteArray("state") << "config/QZ/GLYPHARY.INI"
                                         << fallbackLog << installedData;
    QTest::newRow("read-only copy") << "cdrom" << false << QByteArray("@/state") << "config/QZ/GLYPHARY.INI"
                                    << "state/glyphary/glyphary.log" << "cdrom/";
}

void TestAppFolders::folders()
{
    QFETCH(QString, exeFolder);
    QFETCH(bool, writable);
    QFETCH(QByteArray, stateHome);
    QTemporaryDir root;
    const QString at = root.path() + u'/';
    QVERIFY(QDir().mkpath(at + exeFolder));
    QVERIFY(QDir().mkpath(at + "usr/share/glyphary"));
    QVERIFY(QDir().mkpath(at + "home"));
    if (!writable) {
        QVERIFY(QFile::setPermissions(at + exeFolder, QFile::ReadOwner | QFile::ExeOwner));
        if (QFileInfo(at + exeFolder).isWritable())
            QSKIP("This user writes into read-only folders");
    }
    qputenv("HOME", QFile::encodeName(at + "home"));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(at + "config"));
    qputenv("XDG_STATE_HOME", stateHome.replace('@', QFile::encodeName(root.path())));

    const AppFolders folders = AppFolders::locate(at + exeFolder, QStringLiteral("../share/glyphary"));
    QFETCH(QString, ini);
    QFETCH(QString, log);
    QFETCH(QString, data);
    QCOMPARE(folders.iniFolder + "GLYPHARY.INI", at + ini);
    QCOMPARE(folders.logFile, at + log);
    QCOMPARE(folders.dataFolder, at + data);
}

QTEST_GUILESS_MAIN(TestAppFolders)
#include "tst_appfolders.moc"
