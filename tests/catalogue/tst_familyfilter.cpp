// Find-box queries against real fontconfig, over generated families whose
// characters, languages, outlines and styles are known.
#include "catalogue/FamilyFilter.h"
#include "catalogue/FontQuery.h"
#include "platform/linux/LinuxFontService.h"

#include "fakes/GeneratedFonts.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>

namespace {
// Not known to fontconfig, as a printer's own font is not.
const QString Resident = QStringLiteral("Resident Courier");
}  // namespace

class TestFamilyFilter : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void queries_data();
    void queries();

private:
    LinuxFontService fonts_;
    FamilyFilter filter_{fonts_};
};

void TestFamilyFilter::initTestCase()
{
    QStringList families = fonts_.screenFamilies() << Resident;
    families.sort(Qt::CaseInsensitive);
    filter_.setFamilies(families);
}

void TestFamilyFilter::queries_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<QStringList>("notUnderstood");
    const QString cafe = QStringLiteral("Test Café Serif");
    const QString viet = QStringLiteral("Test Việt Serif");
    const QString cyrillic = QStringLiteral("Test Cyrillic Sans");
    const QString signs = QStringLiteral("TEST SIGNS");
    const QStringList none;

    QTest::newRow("words, any case, any order") << "SERIF test" << QStringList{cafe, viet} << none;
    QTest::newRow("accent in the name") << "cafe" << QStringList{cafe} << none;
    QTest::newRow("other accent in the word") << QStringLiteral("vièt") << QStringList{viet}
                                              << none;
    QTest::newRow("capitals in the name") << "Test Signs" << QStringList{signs} << none;
    QTest::newRow("name unknown to the font lists") << "courier" << QStringList{Resident} << none;
    QTest::newRow("language") << "lang:ru" << QStringList{cafe, cyrillic} << none;
    QTest::newRow("language and word") << "LANG:RU serif" << QStringList{cafe} << none;
    QTest::newRow("language with diacritics") << "lang:vi" << QStringList{viet} << none;
    QTest::newRow("known language no family writes") << "lang:zh" << none << none;
    QTest::newRow("character on one face of the family")
        << QStringLiteral("has:₹") << QStringList{signs, viet} << none;
    QTest::newRow("characters beyond the BMP")
        << QStringLiteral("has:𝐀😀") << QStringList{signs} << none;
    QTest::newRow("quoted text, blank inside")
        << QStringLiteral("\"Ước mơ\"") << QStringList{viet} << none;
    // Fonts hold "é" composed, not its accent alone.
    QTest::newRow("quoted text, decomposed")
        << QStringLiteral("\"\u0416e\u0301\"") << QStringList{cafe, cyrillic} << none;
    QTest::newRow("has with a quote") << QStringLiteral("has:\"Ж ж\" test")
                                      << QStringList{cafe, cyrillic} << none;
    QTest::newRow("no family holds all") << QStringLiteral("has:Ж₹") << none << none;
    QTest::newRow("postscript outlines") << "type:OpenType"
                                         << QStringList{"Test Book", cyrillic} << none;
    QTest::newRow("truetype but only cff has it") << "type:truetype cyrillic" << none << none;
    QTest::newRow("no type 1 font") << "type:type1" << none << none;
    QTest::newRow("bold face by weight or name")
        << "style:bold"
        << QStringList{"Test Book",   cafe,        "Test Marked", "Test Odd",
                       "Test Sans",   "Test Vary", "Test Vary Condensed"}
        << none;
    QTest::newRow("italic and script") << "style:italic lang:ru" << none << none;
    QTest::newRow("italic face") << "serif style:italic" << QStringList{viet} << none;
    QTest::newRow("terms not understood")
        << "type:foo lang:zz style:heavy lang:ru size:12 has: \"\""
        << none << QStringList{"type:foo", "lang:zz", "style:heavy", "size:12", "has:", "\"\""};
    QTest::newRow("pasted text is cut")
        << QStringLiteral("sans ").repeated(20000)
        << QStringList{cyrillic, "Test Sans", "Test Sans Light", "Test Sans Wide"} << none;
}

void TestFamilyFilter::queries()
{
    QFETCH(QString, query);
    QFETCH(QStringList, listed);
    QFETCH(QStringList, notUnderstood);
    const FamilyFilter::Result result = filter_.match(FontQuery(query));
    QStringList names;
    for (qsizetype i = 0; i < result.listed.size(); ++i) {
        if (result.listed.testBit(i))
            names << filter_.families().at(i);
    }
    QCOMPARE(names, listed);
    QCOMPARE(result.count, listed.size());
    QCOMPARE(result.notUnderstood, notUnderstood);
}

int main(int argc, char** argv)
{
    QTemporaryDir root;
    if (!root.isValid()
        || !writeTestFonts(root.path(), false, {QStringLiteral("find")}))
        return 1;
    qputenv("FONTCONFIG_FILE", QFile::encodeName(root.filePath("fonts.conf")));
    QGuiApplication app(argc, argv);
    TestFamilyFilter test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_familyfilter.moc"
