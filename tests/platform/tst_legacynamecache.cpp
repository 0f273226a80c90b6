// The legacy-name cache across runs of the program: each run is a fresh
// cache over the same file, as after a restart.
#include "platform/linux/LegacyNameCache.h"

#include "fontfiles/SfntBuilder.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>

namespace {

QByteArray font(const QString& family)
{
    return sfnt::font(QList<sfnt::Name>{sfnt::win(1, family), sfnt::win(2, "Regular")});
}

// Writes the file and gives it the modification time `when`.
void put(const QString& path, const QByteArray& bytes, timespec when)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    const timespec times[2] = {{0, UTIME_OMIT}, when};
    QCOMPARE(utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0), 0);
}

// One run of the program that needs the font's names: its answer.
QString run(const QString& cachePath, const QString& fontPath)
{
    LegacyNameCache cache(cachePath);
    const auto names = cache.read(QFile::encodeName(fontPath), 0);
    cache.save();
    return names ? names->family : QString();
}

const timespec kTime{1'700'000'000, 123'456'789};

}  // namespace

class TestLegacyNameCache : public QObject {
    Q_OBJECT

private slots:
    void init();
    void fileChanges_data();
    void fileChanges();
    void corruptCache_data();
    void corruptCache();
    void unwritableFolder();

private:
    QString fontPath() const { return m_dir->filePath("face.ttf"); }
    QString cachePath() const { return m_dir->filePath("cache/legacy-names"); }

    std::optional<QTemporaryDir> m_dir;
};

void TestLegacyNameCache::init()
{
    m_dir.emplace();
    QVERIFY(m_dir->isValid());
}

void TestLegacyNameCache::fileChanges_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");  // null: the file is deleted
    QTest::addColumn<int>("laterNs");
    QTest::addColumn<QString>("expected");

    // "Alpha" and "Gamma" make files of the same size.
    QTest::newRow("same size and time: the cached names") << font("Alpha") << font("Gamma") << 0
                                                          << "Alpha";
    QTest::newRow("size changed") << font("Alpha") << font("Alphabet") << 0 << "Alphabet";
    QTest::newRow("time changed by 1 ns") << font("Alpha") << font("Gamma") << 1 << "Gamma";
    QTest::newRow("no names is an answer too")
        << QByteArray(font("Alpha").size(), 'x') << font("Gamma") << 0 << "";
    QTest::newRow("deleted") << font("Alpha") << QByteArray() << 0 << "";
}

void TestLegacyNameCache::fileChanges()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    QFETCH(int, laterNs);
    QFETCH(QString, expected);

    put(fontPath(), before, kTime);
    run(cachePath(), fontPath());
    if (after.isNull())
        QVERIFY(QFile::remove(fontPath()));
    else
        put(fontPath(), after, {kTime.tv_sec, kTime.tv_nsec + laterNs});
    QCOMPARE(run(cachePath(), fontPath()), expected);

    // The saved cache keeps the file while it exists, and answers as the run did.
    QFile saved(cachePath());
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll().contains(QFile::encodeName(fontPath())), !after.isNull());
    QCOMPARE(run(cachePath(), fontPath()), expected);
}

enum class Damage { Random, Empty, Truncated, OtherFormat };

void TestLegacyNameCache::corruptCache_data()
{
    QTest::addColumn<Damage>("damage");
    QTest::newRow("random bytes") << Damage::Random;
    QTest::newRow("empty") << Damage::Empty;
    QTest::newRow("truncated") << Damage::Truncated;
    QTest::newRow("another format") << Damage::OtherFormat;
}

// A bad cache reads as none: the file's own names, then a good cache saved.
void TestLegacyNameCache::corruptCache()
{
    QFETCH(Damage, damage);
    put(fontPath(), font("Alpha"), kTime);
    run(cachePath(), fontPath());
    QFile file(cachePath());
    QVERIFY(file.open(QIODevice::ReadWrite));
    QByteArray bytes = file.readAll();
    switch (damage) {
    case Damage::Random:
        bytes = QByteArray("\x8f\x01\xfe\x22 not a cache at all\x00\x13", 24);
        break;
    case Damage::Empty:
        bytes.clear();
        break;
    case Damage::Truncated:
        bytes.chop(1);
        break;
    case Damage::OtherFormat:
        bytes[8] = char(bytes[8] + 1);  // the format's number follows eight bytes of magic
        break;
    }
    QVERIFY(file.resize(0));
    file.write(bytes);
    file.close();

    put(fontPath(), font("Gamma"), kTime);
    QCOMPARE(run(cachePath(), fontPath()), QStringLiteral("Gamma"));
    put(fontPath(), font("Delta"), kTime);
    QCOMPARE(run(cachePath(), fontPath()), QStringLiteral("Gamma"));
}

void TestLegacyNameCache::unwritableFolder()
{
    put(fontPath(), font("Alpha"), kTime);
    const QString blocked = m_dir->filePath("face.ttf/legacy-names");  // under a file
    QCOMPARE(run(blocked, fontPath()), QStringLiteral("Alpha"));
    put(fontPath(), font("Gamma"), kTime);
    QCOMPARE(run(blocked, fontPath()), QStringLiteral("Gamma"));
    QVERIFY(!QFile::exists(blocked));
}

QTEST_GUILESS_MAIN(TestLegacyNameCache)
#include "tst_legacynamecache.moc"
