// The font backend over whatever fonts this machine has: every family is
// listed once, and each of its styles comes back from makeFont as a face of
// that family. Fonts are not ours to fix, so odd ones are reported, not failed.
#include "platform/linux/LinuxFontService.h"

#include "SfntNames.h"

#include <algorithm>

#include <QGlyphRun>
#include <QRawFont>
#include <QSet>
#include <QTest>
#include <QTextLayout>

namespace {

// As fontconfig compares family names: "Noto Sans NewTaiLue" is listed as
// "Noto Sans New Tai Lue".
QString key(QString name)
{
    name.removeIf([](QChar c) { return c.isSpace(); });
    return name.toCaseFolded();
}

}  // namespace

class TestMachineFonts : public QObject {
    Q_OBJECT
private slots:
    void everyStyleResolvesInItsFamily();
    void missingGlyphsStayInTheFamily();
};

void TestMachineFonts::everyStyleResolvesInItsFamily()
{
    LinuxFontService fonts;
    const QStringList families = fonts.screenFamilies();
    QSet<QString> listed;
    QStringList exceptions;
    int unreadable = 0;
    for (const QString& family : families) {
        QVERIFY2(!listed.contains(key(family)), qPrintable(family));
        listed.insert(key(family));
        QStringList styles;
        for (const FontFace& face : fonts.faces(family))
            styles << face.styleName;
        QVERIFY2(!styles.isEmpty(), qPrintable(family));
        for (const char* style : {"Regular", "Bold", "Italic", "Bold Italic"}) {
            const QString wanted = QLatin1String(style);
            const QFont font = fonts.makeFont(
                {family, 0, wanted.startsWith("Bold"), wanted.endsWith("Italic")});
            const QString loadedFamily = loadedName(font, 1);
            const QString loadedStyle = loadedName(font, 2);
            if (loadedFamily.isEmpty())
                ++unreadable;  // no SFNT names to check by
            else if (key(loadedFamily) != key(family))
                exceptions << family + " " + wanted + ": got " + loadedFamily + " " + loadedStyle;
            else if (styles.contains(wanted) && loadedStyle != wanted)
                exceptions << family + " " + wanted + ": got style " + loadedStyle;
        }
    }
    for (const QString& family : fonts.scalableFamilies())
        QVERIFY2(listed.contains(key(family)), qPrintable(family));
    qInfo("%lld families, %d styles without SFNT names, %lld exceptions",
          static_cast<long long>(families.size()), unreadable,
          static_cast<long long>(exceptions.size()));
    for (const QString& exception : exceptions)
        qInfo("%s", qPrintable(exception));
}

// A specimen shows what the family itself draws for a character it lacks,
// never another family's glyph, even where another family has one.
void TestMachineFonts::missingGlyphsStayInTheFamily()
{
    LinuxFontService fonts;
    const QString candidates = QString::fromUtf8(
        "\u0416\u03A9\u05D0\u0627\u0E01\u2200\u2190\u2588\u2603\u2713\u4E00\uAC00\uFB01");
    const QStringList families = fonts.scalableFamilies();
    QList<QFont> specimens;
    for (const QString& family : families)
        specimens << fonts.makeFont({family});
    const auto has = [](const QFont& font, QChar c) { return QFontMetrics(font).inFont(c); };

    int checked = 0;
    for (const QFont& font : specimens) {
        const auto borrowable = std::find_if(candidates.begin(), candidates.end(), [&](QChar c) {
            return !has(font, c)
                && std::any_of(specimens.begin(), specimens.end(),
                               [&](const QFont& other) { return has(other, c); });
        });
        if (borrowable == candidates.end())
            continue;
        QTextLayout layout(QStringLiteral("A") + *borrowable + QStringLiteral("B"), font);
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        QSet<QString> sources;
        for (const QGlyphRun& run : layout.glyphRuns())
            sources.insert(run.rawFont().familyName() + u'/' + run.rawFont().styleName());
        QVERIFY2(sources.size() == 1, qPrintable(font.family() + ": " + QStringList(sources.values()).join(u',')));
        ++checked;
    }
    QVERIFY(checked > 0);
}

QTEST_MAIN(TestMachineFonts)
#include "tst_linuxfontservice_machine.moc"
