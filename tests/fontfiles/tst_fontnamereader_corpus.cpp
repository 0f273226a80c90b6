// Runs the fuzzing entry of the name and variation readers once over its seed
// corpus, the machine's font files, and over damaged files made here, so that
// the checks the fuzzer applies hold in every build, with or without clang.

#include "../../fuzz/FontNamesFuzzEntry.h"
#include "SfntBuilder.h"

#include <QDirIterator>
#include <QFile>
#include <QRandomGenerator>
#include <QtTest>

using sfnt::mac;
using sfnt::win;

namespace {

const QString kFontsFolder = QStringLiteral("/usr/share/fonts");

QString check(const QByteArray& bytes)
{
    return fontnames_fuzz::readAndCheck(reinterpret_cast<const uint8_t*>(bytes.constData()),
                                        size_t(bytes.size()));
}

} // namespace

class TestFontNameReaderCorpus : public QObject {
    Q_OBJECT

private slots:
    void seedCorpus_data()
    {
        QTest::addColumn<QString>("path");
        QDirIterator it(kFontsFolder, QDir::Files, QDirIterator::Subdirectories);
        if (!it.hasNext())
            QTest::newRow("none") << QString();
        while (it.hasNext()) {
            const QString path = it.next();
            QTest::newRow(qPrintable(path.mid(kFontsFolder.size() + 1))) << path;
        }
    }

    void seedCorpus()
    {
        QFETCH(QString, path);
        if (path.isEmpty())
            QSKIP("no font files under /usr/share/fonts");
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString fault = check(file.readAll());
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }

    // Tables, counts, offsets and lengths at their largest, so that every
    // read points far past the end.
    void extremeFields_data()
    {
        QTest::addColumn<QByteArray>("font");

        QByteArray allNames = QByteArray::fromHex("00010000ffff") + QByteArray(6, '\0');
        for (int i = 0; i < 64; ++i)
            allNames += QByteArray("name") + QByteArray(12, '\xff');
        QTest::newRow("every table tagged name, far away") << allNames;

        QByteArray maxed = sfnt::font({mac(1, "Family"), mac(4, "Full")});
        const qsizetype nameStart = sfnt::nameTableStart(maxed);
        maxed.replace(nameStart + 2, 4, QByteArray(4, '\xff'));
        for (int record = 0; record < 2; ++record)
            maxed.replace(nameStart + 6 + 12 * record + 8, 4, QByteArray(4, '\xff'));
        QTest::newRow("naming table fields at their largest") << maxed;

        QByteArray lengths = sfnt::font({win(4, "A long full name"), win(1, "Family")});
        for (int record = 0; record < 2; ++record)
            sfnt::putBe16(lengths, sfnt::nameTableStart(lengths) + 6 + 12 * record + 8, 0xffff);
        QTest::newRow("string lengths at their largest") << lengths;
    }

    void extremeFields()
    {
        QFETCH(QByteArray, font);
        const QString fault = check(font);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }

    // What the fuzzer starts with, in small: a sound file with a few bytes
    // changed, a few thousand times over, the same ones on every run.
    void changedBytes()
    {
        const QByteArray font = sfnt::font(
            {mac(1, "Mac Family"), mac(4, "Mac Full"), win(1, "Win Family"), win(4, "Win Full")});
        QRandomGenerator random(20240101);
        for (int round = 0; round < 5000; ++round) {
            QByteArray changed = font;
            const int changes = random.bounded(1, 9);
            for (int i = 0; i < changes; ++i)
                changed[random.bounded(changed.size())] = char(random.bounded(256));
            if (random.bounded(4) == 0)
                changed.truncate(random.bounded(changed.size()));
            const QString fault = check(changed);
            QVERIFY2(fault.isEmpty(),
                     qPrintable(QStringLiteral("round %1: %2").arg(round).arg(fault)));
        }
    }
};

QTEST_GUILESS_MAIN(TestFontNameReaderCorpus)
#include "tst_fontnamereader_corpus.moc"
