// Files and folders named to the program, sorted into the one folder the
// Preview/Install page shows, the named fonts in it, and what the user is told.
#include "fontfiles/NamedFontFiles.h"
#include "fontfiles/SfntBuilder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

class TestNamedFontFiles : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void sort_data();
    void sort();

private:
    QTemporaryDir m_dir;
};

void TestNamedFontFiles::initTestCase()
{
    const QByteArray font =
        sfnt::font(QList<sfnt::Name>{sfnt::win(1, "Fam"), sfnt::win(4, "Fam Regular")});
    const QList<QPair<QString, QByteArray>> files{
        {"a/One.ttf", font},      {"a/Two.OTF", font},         {"b/Three.ttf", font},
        {"a/junk.ttf", "no font"}, {"a/notes.txt", font},      {"a/locked.ttf", font},
        {"b/Fonts.zip", "opened as a folder"}};
    for (const auto& [name, bytes] : files) {
        QVERIFY(QDir().mkpath(QFileInfo(m_dir.filePath(name)).path()));
        QFile file(m_dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    QVERIFY(QFile::setPermissions(m_dir.filePath("a/locked.ttf"), {}));
    // Latin-1 bytes in names, as an old archive or another system leaves them.
    const QByteArray root = QFile::encodeName(m_dir.path());
    const int fd = ::open(root + "/a/caf\xe9.ttf", O_WRONLY | O_CREAT, 0644);
    QVERIFY(fd >= 0 && ::write(fd, font.constData(), size_t(font.size())) == font.size());
    ::close(fd);
    QVERIFY(::mkdir(root + "/d\xe9", 0755) == 0 && QFile::copy(m_dir.filePath("a/One.ttf"), m_dir.filePath("b/x.ttf")));
    QVERIFY(::rename(root + "/b/x.ttf", root + "/d\xe9/x.ttf") == 0);
}

// Qt sees no such names, so the temporary folder could not remove them.
void TestNamedFontFiles::cleanupTestCase()
{
    const QByteArray root = QFile::encodeName(m_dir.path());
    ::unlink(root + "/a/caf\xe9.ttf");
    ::unlink(root + "/d\xe9/x.ttf");
    ::rmdir(root + "/d\xe9");
}

void TestNamedFontFiles::sort_data()
{
    QTest::addColumn<QStringList>("paths");  // under the temporary folder
    QTest::addColumn<QString>("folder");
    QTest::addColumn<bool>("preview");
    QTest::addColumn<QStringList>("fileNames");
    QTest::addColumn<QString>("message");  // <root>: the temporary folder

    QTest::newRow("one file") << QStringList{"a/One.ttf"} << "a" << true
                              << QStringList{"One.ttf"} << "";
    QTest::newRow("files of two folders: the first one's")
        << QStringList{"a/Two.OTF", "b/Three.ttf", "a/sub/../One.ttf", "a/./Two.OTF"} << "a"
        << true << QStringList{"Two.OTF", "One.ttf"}
        << "The page shows one folder at a time, <root>/a. Not shown:\n<root>/b/Three.ttf";
    QTest::newRow("a folder") << QStringList{"a/"} << "a" << true << QStringList{} << "";
    QTest::newRow("two folders")
        << QStringList{"b", "a"} << "b" << true << QStringList{}
        << "The page shows one folder at a time, <root>/b. Not shown:\n<root>/a";
    QTest::newRow("an archive: a folder of its fonts")
        << QStringList{"b/Fonts.zip", "a/One.ttf"} << "b/Fonts.zip" << true << QStringList{}
        << "The page shows one folder at a time, <root>/b/Fonts.zip. Not shown:\n<root>/a/One.ttf";
    QTest::newRow("missing, not a font, not listed")
        << QStringList{"a/missing.ttf", "a/junk.ttf", "a/notes.txt"} << "a" << false
        << QStringList{}
        << "<root>/a/missing.ttf does not exist.\n"
           "<root>/a/junk.ttf is not a font file that this page shows (.ttf, .otf, .ttc, .otc, .woff, .woff2, .pfb or .pfa, or an archive of them).\n"
           "<root>/a/notes.txt is not a font file that this page shows (.ttf, .otf, .ttc, .otc, .woff, .woff2, .pfb or .pfa, or an archive of them).";
    QTest::newRow("names that are not UTF-8, as Qt decodes them")
        << QStringList{"a/caf\uFFFD.ttf", "d\uFFFD/x.ttf", "a/gone\uFFFD.ttf"} << "a" << false
        << QStringList{}
        << "<root>/a/caf\uFFFD.ttf cannot be opened: its name is not UTF-8 text. Rename it to open it.\n"
           "<root>/d\uFFFD/x.ttf cannot be opened: its name is not UTF-8 text. Rename it to open it.\n"
           "<root>/a/gone\uFFFD.ttf does not exist.";
    QTest::newRow("first in a missing folder: the next one's")
        << QStringList{"gone/x.ttf", "b/Three.ttf"} << "b" << true << QStringList{"Three.ttf"}
        << "<root>/gone/x.ttf does not exist.";
    QTest::newRow("nothing that exists")
        << QStringList{"gone/x.ttf", "gone/y.ttf"} << "" << false << QStringList{}
        << "<root>/gone/x.ttf does not exist.\n<root>/gone/y.ttf does not exist.";
    if (geteuid() != 0)
        QTest::newRow("unreadable") << QStringList{"a/locked.ttf", "a/One.ttf"} << "a" << true
                                    << QStringList{"One.ttf"}
                                    << "<root>/a/locked.ttf cannot be read.";
}

void TestNamedFontFiles::sort()
{
    QFETCH(QStringList, paths);
    QFETCH(QString, folder);
    QFETCH(bool, preview);
    QFETCH(QStringList, fileNames);
    QFETCH(QString, message);

    const QString root = m_dir.path();
    for (QString& path : paths)
        path = root + u'/' + path;
    const NamedFontFiles named = NamedFontFiles::sort(paths);
    QCOMPARE(named.folder, folder.isEmpty() ? QString() : root + u'/' + folder);
    QCOMPARE(named.preview(), preview);
    QCOMPARE(named.fileNames, fileNames);
    QCOMPARE(named.message(), message.replace("<root>", root));
}

QTEST_GUILESS_MAIN(TestNamedFontFiles)
#include "tst_namedfontfiles.moc"
