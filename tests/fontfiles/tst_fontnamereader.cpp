#include "fontfiles/FontNameReader.h"
#include "platform/linux/SfntLegacyNames.h"

#include "SfntBuilder.h"

#include <QBuffer>
#include <QFile>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <utility>

#include <sys/stat.h>

using sfnt::mac;
using sfnt::Name;
using sfnt::other;
using sfnt::win;
using Pairs = QList<QPair<QString, FontFileEntry>>;
using namespace Qt::StringLiterals;

namespace {

const QString kFileName = QStringLiteral("Test.ttf");

// "full name|family name" per pair, which is what a failing row should show.
QStringList describe(const Pairs& pairs)
{
    QStringList out;
    for (const auto& [full, entry] : pairs)
        out << full + u'|' + entry.FamilyName;
    return out;
}

QList<Name> fillers(int count)
{
    return QList<Name>(count, other(2));
}

QByteArray withNameCount(QByteArray font, quint16 count)
{
    sfnt::putBe16(font, sfnt::nameTableStart(font) + 2, count);
    return font;
}

// Points record `index` of the naming table at `offset` in the string storage.
QByteArray withStringOffset(QByteArray font, int index, quint16 offset)
{
    sfnt::putBe16(font, sfnt::nameTableStart(font) + 6 + 12 * index + 10, offset);
    return font;
}

// "ID:text" for each name the strings reader states.
QStringList describe(const FontNameStrings& strings)
{
    QStringList out;
    for (int id = 0; id < FontNameStrings::kCount; ++id) {
        if (!strings[id].isEmpty())
            out << QString::number(id) + u':' + strings[id];
    }
    return out;
}

quint16 readBe16(const QByteArray& data, qsizetype pos)
{
    return quint16(quint8(data[pos]) << 8 | quint8(data[pos + 1]));
}

// A collection of the fonts given, whose table offsets then count from the
// collection's start.
QByteArray collection(const QList<QByteArray>& fonts)
{
    QByteArray data = "ttcf" + QByteArray::fromHex("00010000") + QByteArray(4, '\0');
    sfnt::putBe32(data, 8, quint32(fonts.size()));
    qsizetype offset = data.size() + 4 * fonts.size();
    QByteArray body;
    for (QByteArray font : fonts) {
        QByteArray start(4, '\0');
        sfnt::putBe32(start, 0, quint32(offset));
        data += start;
        for (int table = 0; table < readBe16(font, 4); ++table) {
            const qsizetype field = sfnt::kDirectoryStart + table * sfnt::kTableRecordSize + 8;
            sfnt::putBe32(font, field,
                          quint32(readBe16(font, field) << 16 | readBe16(font, field + 2)) + quint32(offset));
        }
        body += font;
        offset += font.size();
    }
    return data + body;
}

// A QBuffer that notes every byte range read from it.
class RecordingBuffer : public QBuffer {
public:
    using QBuffer::QBuffer;
    QList<QPair<qint64, qint64>> reads;

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        const qint64 start = pos();
        const qint64 got = QBuffer::readData(data, maxSize);
        if (got > 0)
            reads.append({start, start + got});
        return got;
    }
};

// A file cut short after the reader took its size: seeks still succeed up to
// the old size, reads come back short.
class ShrunkBuffer : public QBuffer {
public:
    ShrunkBuffer(QByteArray* data, qint64 sizeWhenOpened)
        : QBuffer(data)
        , m_sizeWhenOpened(sizeWhenOpened)
    {
    }
    qint64 size() const override { return m_sizeWhenOpened; }
    bool seek(qint64 pos) override { return QIODevice::seek(pos); }

private:
    qint64 m_sizeWhenOpened;
};

} // namespace

class TestFontNameReader : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    void writeFile(const QByteArray& bytes)
    {
        QFile file(m_dir.filePath(kFileName));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
            qFatal("cannot write the test font");
    }

    Pairs readFile(const QByteArray& bytes)
    {
        writeFile(bytes);
        Pairs pairs;
        ReadFontFileNames(m_dir.path(), kFileName, pairs);
        return pairs;
    }

    void compareNames()
    {
        QFETCH(QByteArray, font);
        QFETCH(QStringList, expected);
        const Pairs pairs = readFile(font);
        QCOMPARE(describe(pairs), expected);
        for (const auto& pair : pairs)
            QCOMPARE(pair.second.FileName, kFileName);
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void names_data()
    {
        QTest::addColumn<QByteArray>("font");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("Macintosh records first")
            << sfnt::font({mac(1, "Mac Family"), mac(4, "Mac Full"), win(1, "Win Family"),
                           win(4, "Win Full")})
            << QStringList{"Mac Full|Mac Family"};
        QTest::newRow("two-byte names below 256")
            << sfnt::font({win(1, u"Café"_s), win(4, u"Café Noir"_s)})
            << QStringList{u"Café Noir|Café"_s};
        QTest::newRow("two-byte names keep only low bytes above 255")
            << sfnt::font({win(1, u"Łódź"_s), win(4, u"Łódź Bold"_s)})
            << QStringList{u"Aódz Bold|Aódz"_s};
        QTest::newRow("control bytes dropped, spaces trimmed")
            << sfnt::font({mac(1, "  \tTest\x01 Sans \n"), mac(4, " \x1fTest Sans Italic  ")})
            << QStringList{"Test Sans Italic|Test Sans"};
        QTest::newRow("no-break spaces are not trimmed")
            << sfnt::font({mac(1, "F"), mac(4, "\xa0X\xa0")})
            << QStringList{u"\u00a0X\u00a0|F"_s};
        QTest::newRow("one-character full name before a longer one")
            << sfnt::font({win(1, "Test"), win(4, " X "), win(4, "Test Regular")})
            << QStringList{};
        QTest::newRow("full name of control bytes only")
            << sfnt::font({mac(1, "Test"), mac(4, "\x01\x02\x03 \x04")}) << QStringList{};
        QTest::newRow("other name IDs skipped")
            << sfnt::font({other(0), win(1, "Fam"), other(2), other(3), win(4, "Full"), other(5)})
            << QStringList{"Full|Fam"};
        QTest::newRow("most recent family name")
            << sfnt::font({win(1, "First"), win(1, "Second"), win(4, "Full Name")})
            << QStringList{"Full Name|Second"};
        QTest::newRow("empty family name")
            << sfnt::font({win(1, ""), win(4, "Full")}) << QStringList{"Full|"};
        QTest::newRow("family name only") << sfnt::font({win(1, "Fam"), other(2)})
                                          << QStringList{};
        QTest::newRow("full name before the family name")
            << sfnt::font({win(4, "Early Full"), win(1, "Late Family")})
            << QStringList{"Early Full|Late Family"};
        QTest::newRow("full names before the family name")
            << sfnt::font({win(4, "Full One"), mac(4, "Full Two"), win(1, "Family")})
            << QStringList{"Full One|Family", "Full Two|Family"};
        QTest::newRow("full name without a family name")
            << sfnt::font({other(2), win(4, "Lonely Full")})
            << QStringList{"Lonely Full|Lonely Full"};
        QTest::newRow("short full name stops before the family name")
            << sfnt::font({win(4, "Full One"), win(4, "X"), win(1, "Family")})
            << QStringList{"Full One|Full One"};
        QTest::newRow("full name is the 100th record")
            << sfnt::font(fillers(98) + QList<Name>{win(1, "Fam"), win(4, "Full")})
            << QStringList{"Full|Fam"};
        QTest::newRow("full name is the 101st record")
            << sfnt::font(fillers(99) + QList<Name>{win(1, "Fam"), win(4, "Full")})
            << QStringList{};
        QTest::newRow("header count ends the records")
            << withNameCount(sfnt::font({win(1, "Fam"), win(4, "Full")}), 1) << QStringList{};
        QTest::newRow("strings longer than the buffer")
            << sfnt::font({mac(1, QByteArray(150, 'a')), mac(4, QByteArray(101, 'b') + "cc")})
            << QStringList{QString(101, u'b') + u'|' + QString(101, u'a')};
        QTest::newRow("two-byte string longer than the buffer")
            << sfnt::font({mac(1, "Fam"), win(4, QString(60, u'W'))})
            << QStringList{QString(50, u'W') + "|Fam"};
        QTest::newRow("storage after format 1 language tags")
            << sfnt::font({{"name", sfnt::nameTable({win(1, "Fam"), win(4, "Full")},
                                                    sfnt::be16(0), 1)}})
            << QStringList{"Full|Fam"};
        QTest::newRow("padding before the storage")
            << sfnt::font({{"name", sfnt::nameTable({win(1, "Fam"), win(4, "Full")},
                                                    QByteArray(16, 'x'))}})
            << QStringList{"Full|Fam"};
        QTest::newRow("naming table last of many")
            << sfnt::font({{"OS/2", QByteArray(96, '\1')},
                           {"cmap", QByteArray(40, '\2')},
                           {"glyf", QByteArray(300, '\3')},
                           {"name", sfnt::nameTable({mac(1, "Fam"), mac(4, "Full")})}})
            << QStringList{"Full|Fam"};
        QTest::newRow("no naming table")
            << sfnt::font({{"cmap", QByteArray(40, '\2')}, {"post", QByteArray(32, '\3')}})
            << QStringList{};
        QTest::newRow("tag compared exactly")
            << sfnt::font({{"NAME", sfnt::nameTable({mac(1, "Fam"), mac(4, "Full")})}})
            << QStringList{};
    }

    void names() { compareNames(); }

    // The strings shown in the font details: the English one of each ID,
    // decoded from its platform's encoding, bounded, and "not stated" (empty)
    // when missing.
    void nameStrings_data()
    {
        QTest::addColumn<QByteArray>("font");
        QTest::addColumn<int>("face");
        QTest::addColumn<QStringList>("expected");

        const auto lang = [](Name name, quint16 language) {
            name.languageId = language;
            return name;
        };
        const QByteArray first = sfnt::font({win(4, "First Full"), win(13, "First License")});
        const QByteArray second = sfnt::font({mac(4, "Second Full"), win(14, "https://example.org/l")});

        QTest::newRow("English first, whatever the order")
            << sfnt::font({lang(win(4, "Deutsch"), 0x407), mac(4, "Mac English"),
                           lang(win(4, "British"), 0x809), win(4, "American"),
                           lang(mac(9, "Designer"), 2), lang(win(9, "Gestalter"), 0x407)})
            << 0 << QStringList{"4:American", "9:Gestalter"};
        QTest::newRow("Macintosh Roman and Unicode platform decoded")
            << sfnt::font({mac(8, "Caf\x8e \xa5"), Name{0, 3, 0, 9, QByteArray::fromHex("03a90020d83cdf39")},
                           win(0, u"© Łódź"_s)})
            << 0 << QStringList{u"0:© Łódź"_s, u"8:Café •"_s, u"9:Ω 🌹"_s};
        QTest::newRow("every ID up to 14, none beyond")
            << sfnt::font({win(0, "c"), win(3, "u"), win(5, "v"), win(7, "t"), win(8, "m"),
                           win(9, "d"), win(10, "e"), win(11, "w"), win(12, "x"), win(13, "l"),
                           win(14, "y"), win(15, "z"), win(16, "n")})
            << 0 << QStringList{"0:c", "3:u", "5:v", "7:t", "8:m", "9:d", "10:e", "11:w", "12:x",
                                "13:l", "14:y"};
        QTest::newRow("undecodable encodings skipped")
            << sfnt::font({Name{3, 2, 0x411, 4, "\x82\xa0"}, Name{1, 1, 11, 4, "\x82\xa0"},
                           Name{2, 0, 0, 4, "ISO"}})
            << 0 << QStringList{};
        QTest::newRow("line breaks kept, other control characters dropped")
            << sfnt::font({win(13, u" Line one\r\nLine\u0001 two\t\n "_s)}) << 0
            << QStringList{"13:Line one\nLine two"};
        const QString longUrl = u"https://example.org/"_s + QString(300, u'b');
        QTest::newRow("names cut at 200 characters, prose and addresses at 8,000")
            << sfnt::font({win(4, QString(10000, u'n')), win(13, QString(10000, u'l')),
                           mac(10, QByteArray(8000, 'd')), win(12, longUrl)})
            << 0
            << QStringList{u"4:"_s + QString(200, u'n') + u'…', u"10:"_s + QString(8000, u'd'),
                           u"12:"_s + longUrl, u"13:"_s + QString(8000, u'l') + u'…'};
        QTest::newRow("collection, first face") << collection({first, second}) << 0
                                                << QStringList{"4:First Full", "13:First License"};
        QTest::newRow("collection, second face")
            << collection({first, second}) << 1
            << QStringList{"4:Second Full", "14:https://example.org/l"};
        QTest::newRow("collection, a named instance of its second face")
            << collection({first, second}) << (3 << 16 | 1)
            << QStringList{"4:Second Full", "14:https://example.org/l"};
        QTest::newRow("collection, face past its count") << collection({first, second}) << 2
                                                         << QStringList{};
        QTest::newRow("second face of a single font") << first << 1 << QStringList{};
    }

    void nameStrings()
    {
        QFETCH(QByteArray, font);
        QFETCH(int, face);
        QFETCH(QStringList, expected);
        QBuffer buffer(&font);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        QCOMPARE(describe(ReadFontNameStrings(buffer, face)), expected);
        writeFile(font);
        QCOMPARE(describe(ReadFontFileNameStrings(m_dir.filePath(kFileName), face)), expected);
    }

    // Files that point past their end or count more than they hold; files
    // cut short are everyPrefix's.
    void damaged_data()
    {
        QTest::addColumn<QByteArray>("font");
        QTest::addColumn<QStringList>("expected");
        // What the font details read: "ID:text" of each name stated.
        QTest::addColumn<QStringList>("stated");
        // What the font list's legacy names read: "family|style", empty for nothing.
        QTest::addColumn<QString>("legacy");

        const QByteArray good = sfnt::font({win(1, "Fam"), win(4, "Full")});
        const auto withNameOffset = [&](quint32 offset) {
            QByteArray font = good;
            sfnt::putBe32(font, sfnt::kDirectoryStart + sfnt::kTableRecordSize + 8, offset);
            return font;
        };
        QByteArray manyTables = sfnt::font({{"cmap", QByteArray(40, '\2')}});
        sfnt::putBe16(manyTables, 4, 0xFFFF);
        // One family name, then the file ends: the record count runs on into
        // the strings and then past the end.
        const QByteArray countPastEnd =
            withNameCount(sfnt::font({{"name", sfnt::nameTable({win(1, "Family")})}}), 0xFFFF);

        QByteArray lengthPastEnd = good;
        sfnt::putBe16(lengthPastEnd, sfnt::nameTableStart(good) + 6 + 12 + 8, 0xFFFF);
        const QByteArray collectionPastEnd =
            "ttcf" + QByteArray::fromHex("000100000000000100ffff00");
        QByteArray collectionCount = collection({good});
        sfnt::putBe32(collectionCount, 8, 0xFFFFFFFF);
        const QByteArray styled = sfnt::font({win(1, "Fam"), win(2, "Bold"), win(4, "Full")});
        QByteArray styleLengthPastEnd = styled;
        sfnt::putBe16(styleLengthPastEnd, sfnt::nameTableStart(styled) + 6 + 12 + 8, 0xFFFF);

        QTest::newRow("table count far beyond the file")
            << manyTables << QStringList{} << QStringList{} << QString();
        QTest::newRow("naming table past the end")
            << withNameOffset(0xFFFFFFF0) << QStringList{} << QStringList{} << QString();
        QTest::newRow("full name string past the end")
            << withStringOffset(good, 1, 0xFFFF) << QStringList{} << QStringList{"1:Fam"}
            << "Fam|";
        QTest::newRow("full name longer than the file")
            << lengthPastEnd << QStringList{} << QStringList{"1:Fam"} << "Fam|";
        QTest::newRow("record count past the end, names found first")
            << withNameCount(good, 0xFFFF) << QStringList{"Full|Fam"}
            << QStringList{"1:Fam", "4:Full"} << QString();
        QTest::newRow("record count past the end")
            << countPastEnd << QStringList{} << QStringList{"1:Family"} << QString();
        QTest::newRow("family string past the end after a full name")
            << withStringOffset(sfnt::font({win(4, "Early Full"), win(1, "Family")}), 1, 0xFFFF)
            << QStringList{"Early Full|Early Full"} << QStringList{"4:Early Full"} << QString();
        QTest::newRow("style string past the end")
            << withStringOffset(styled, 1, 0xFFFF) << QStringList{"Full|Fam"}
            << QStringList{"1:Fam", "4:Full"} << QString();
        QTest::newRow("style longer than the file")
            << styleLengthPastEnd << QStringList{"Full|Fam"} << QStringList{"1:Fam", "4:Full"}
            << QString();
        QTest::newRow("collection offset past the end")
            << collectionPastEnd << QStringList{} << QStringList{} << QString();
        QTest::newRow("collection counting more fonts than it holds")
            << collectionCount << QStringList{} << QStringList{"1:Fam", "4:Full"} << "Fam|";
    }

    void damaged()
    {
        compareNames();
        QFETCH(QStringList, stated);
        QFETCH(QString, legacy);
        const QString path = m_dir.filePath(kFileName);
        QCOMPARE(describe(ReadFontFileNameStrings(path, 0)), stated);
        const std::optional<SfntLegacyNames> names = SfntLegacyNames::read(QFile::encodeName(path), 0);
        QCOMPARE(names ? names->family + u'|' + names->style : QString(), legacy);
    }

    // However a file is cut, before it is opened or while it is read, it
    // yields its names or nothing.
    void everyPrefix()
    {
        const QByteArray font = sfnt::font({mac(1, "Mac Family"), mac(4, "Mac Full"),
                                            win(1, "Win Family"), win(4, "Win Full")});
        const QStringList expected{"Mac Full|Mac Family"};
        bool found = false;
        for (qsizetype size = 0; size <= font.size(); ++size) {
            QByteArray prefix = font.left(size);
            const QStringList got = describe(readFile(prefix));
            if (found || !got.isEmpty()) {
                found = true;
                QCOMPARE(got, expected);
            }
            ShrunkBuffer shrunk(&prefix, font.size());
            QVERIFY(shrunk.open(QIODevice::ReadOnly | QIODevice::Unbuffered));
            Pairs pairs;
            ReadFontNames(shrunk, kFileName, pairs);
            QCOMPARE(describe(pairs), got);
        }
        QVERIFY(found);
    }

    // Every byte from 32 up is one character of the system's ANSI code page.
    void everyByteValue()
    {
        QStringDecoder windows1252("windows-1252");
        if (!windows1252.isValid())
            QSKIP("no Windows-1252 decoder to compare with");
        for (int first = 33; first < 256; first += 100) { // names fit the buffer
            QByteArray bytes;
            for (int b = first; b < std::min(first + 100, 256); ++b)
                bytes += char(b);
            const QString expected = windows1252.decode(bytes);
            QCOMPARE(describe(readFile(sfnt::font({mac(1, "F"), mac(4, bytes)}))),
                     QStringList{expected + "|F"});
        }
    }

    // A naming table 16 MiB or more into the file, with another one where
    // the offset's low 24 bits point.
    void offsetBeyond16MiB()
    {
        const quint32 decoyOffset = 0x40;
        const quint32 offset = 0x01000000 + decoyOffset;
        QByteArray head = sfnt::font(QList<sfnt::Table>{{"name", {}}});
        sfnt::putBe32(head, sfnt::kDirectoryStart + 8, offset);
        head += QByteArray(decoyOffset - head.size(), '\0');
        head += sfnt::nameTable({win(1, "Decoy"), win(4, "Decoy Full")});

        QFile file(m_dir.filePath(kFileName));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QVERIFY(file.write(head) == head.size());
        QVERIFY(file.seek(offset)); // the gap stays a hole on file systems with sparse files
        const QByteArray table = sfnt::nameTable({win(1, "Large"), win(4, "Large Full")});
        QVERIFY(file.write(table) == table.size());
        file.close();

        Pairs pairs;
        ReadFontFileNames(m_dir.path(), kFileName, pairs);
        QCOMPARE(describe(pairs), QStringList{"Large Full|Large"});
    }

    // Only the offset table, the table records up to "name", the naming
    // header, the records examined and their strings of IDs 1 and 4 are read.
    void readsOnlyListedBytes()
    {
        QByteArray font = sfnt::font(
            {{"cmap", QByteArray(40, '\2')},
             {"name", sfnt::nameTable({other(0), win(1, "Fam"), other(2), win(4, "Full"),
                                       other(5), win(1, "Later Family"), win(4, "Later Full")})},
             {"post", QByteArray(32, '\3')},
             {"glyf", QByteArray(64, '\4')}});
        const qsizetype nameStart = sfnt::nameTableStart(font);
        const qsizetype storage = nameStart + 6 + 7 * 12;
        const auto stringRange = [&](int record) {
            const qsizetype field = nameStart + 6 + 12 * record + 8;
            const qsizetype length = quint8(font[field]) << 8 | quint8(font[field + 1]);
            const qsizetype offset = quint8(font[field + 2]) << 8 | quint8(font[field + 3]);
            return QPair<qint64, qint64>(storage + offset, storage + offset + length);
        };
        const QList<QPair<qint64, qint64>> allowed{
            {0, sfnt::kDirectoryStart + 2 * sfnt::kTableRecordSize},
            {nameStart, nameStart + 6 + 4 * 12},
            stringRange(1),
            stringRange(3)};

        RecordingBuffer buffer(&font);
        QVERIFY(buffer.open(QIODevice::ReadOnly | QIODevice::Unbuffered));
        Pairs pairs;
        ReadFontNames(buffer, kFileName, pairs);
        QCOMPARE(describe(pairs), QStringList{"Full|Fam"});
        for (const auto& read : std::as_const(buffer.reads)) {
            const bool inside = std::any_of(allowed.begin(), allowed.end(), [&](const auto& range) {
                return read.first >= range.first && read.second <= range.second;
            });
            QVERIFY2(inside, qPrintable(QStringLiteral("read of bytes %1-%2")
                                            .arg(read.first)
                                            .arg(read.second)));
        }
    }

    void notRegularFiles_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("missing") << "missing";
        QTest::newRow("directory") << "directory";
        QTest::newRow("FIFO") << "fifo";
    }

    void notRegularFiles()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        const QString path = dir.filePath(kFileName);
        if (kind == "directory")
            QVERIFY(QDir().mkdir(path));
        else if (kind == "fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        Pairs pairs;
        ReadFontFileNames(dir.path(), kFileName, pairs);
        QVERIFY(pairs.isEmpty());
    }

    void appendsToCallersList_data()
    {
        QTest::addColumn<bool>("trailingSeparator");
        QTest::newRow("folder with separator") << true;
        QTest::newRow("folder without separator") << false;
    }

    void appendsToCallersList()
    {
        QFETCH(bool, trailingSeparator);
        writeFile(sfnt::font({win(1, "Fam"), win(4, "Full")}));
        const FontFileEntry earlier{"Earlier", "Earlier.ttf"};
        Pairs pairs{{"Earlier Full", earlier}};
        ReadFontFileNames(m_dir.path() + (trailingSeparator ? "/" : ""), kFileName, pairs);
        const Pairs expected{{"Earlier Full", earlier}, {"Full", FontFileEntry{"Fam", kFileName}}};
        QVERIFY(pairs == expected);
    }
};

QTEST_GUILESS_MAIN(TestFontNameReader)
#include "tst_fontnamereader.moc"
