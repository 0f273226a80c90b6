// The reader against FreeType on the machine's TrueType and OpenType files:
// FreeType's name records, taken in table order by the reader's rule, must
// give the same pairs.

#include "fontfiles/FontNameReader.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QStringDecoder>
#include <QtTest>

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SFNT_NAMES_H
#include FT_TRUETYPE_IDS_H

#include <algorithm>

using Pairs = QList<QPair<QString, FontFileEntry>>;

namespace {

const QString kFontsFolder = QStringLiteral("/usr/share/fonts");

QStringList fontFiles()
{
    QStringList files;
    QDirIterator it(kFontsFolder, {"*.ttf", "*.otf"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    files.sort();
    return files;
}

QStringList describe(const Pairs& pairs)
{
    QStringList out;
    for (const auto& [full, entry] : pairs)
        out << full + u'|' + entry.FamilyName;
    return out;
}

QString trimSpaces(QString text)
{
    while (text.startsWith(u' '))
        text.remove(0, 1);
    while (text.endsWith(u' '))
        text.chop(1);
    return text;
}

} // namespace

class TestFontNameReaderFreeType : public QObject {
    Q_OBJECT

private:
    FT_Library m_library = nullptr;
    QStringDecoder m_ansi{"windows-1252"};

    QString nameText(const FT_SfntName& name)
    {
        QByteArray bytes;
        for (FT_UInt i = 0; i < std::min<FT_UInt>(name.string_len, 101); ++i) {
            if (name.string[i] >= 32)
                bytes += char(name.string[i]);
        }
        return trimSpaces(m_ansi.decode(bytes));
    }

    // "full name|family name" for each pair the reader's rule takes from
    // FreeType's records.
    QStringList expectedNames(FT_Face face)
    {
        QStringList pairs;
        QStringList fullNames;
        QString family;
        bool familyFound = false;
        const FT_UInt count = std::min<FT_UInt>(FT_Get_Sfnt_Name_Count(face), 100);
        for (FT_UInt i = 0; i < count && !(familyFound && !pairs.isEmpty()); ++i) {
            FT_SfntName name;
            if (FT_Get_Sfnt_Name(face, i, &name) != 0)
                break;
            if (name.name_id == TT_NAME_ID_FONT_FAMILY) {
                family = nameText(name);
                familyFound = true;
                // full names seen before any family name take this one
                for (QString& pair : pairs)
                    pair = pair.section(u'|', 0, 0) + u'|' + family;
            } else if (name.name_id == TT_NAME_ID_FULL_NAME) {
                const QString full = nameText(name);
                if (full.size() < 2)
                    break;
                pairs << full + u'|' + (familyFound ? family : full);
            }
        }
        return pairs;
    }

private slots:
    void initTestCase()
    {
        QCOMPARE(FT_Init_FreeType(&m_library), 0);
        if (!m_ansi.isValid())
            QSKIP("no Windows-1252 decoder to compare with");
        if (fontFiles().isEmpty())
            QSKIP("no TrueType or OpenType files under /usr/share/fonts");
    }

    void cleanupTestCase() { FT_Done_FreeType(m_library); }

    void sameAsFreeType_data()
    {
        QTest::addColumn<QString>("path");
        for (const QString& path : fontFiles())
            QTest::newRow(qPrintable(path.mid(kFontsFolder.size() + 1))) << path;
    }

    void sameAsFreeType()
    {
        QFETCH(QString, path);
        FT_Face face = nullptr;
        QCOMPARE(FT_New_Face(m_library, QFile::encodeName(path).constData(), 0, &face), 0);
        const QStringList expected = expectedNames(face);
        FT_Done_Face(face);

        const QFileInfo info(path);
        Pairs pairs;
        ReadFontFileNames(info.path(), info.fileName(), pairs);
        QCOMPARE(describe(pairs), expected);
        QVERIFY(!pairs.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestFontNameReaderFreeType)
#include "tst_fontnamereader_freetype.moc"
