#include "catalogue/FontCatalogue.h"
#include "fakes/FakeFontService.h"

#include <QTest>

using CharSet = FontFace::CharSet;

namespace {
FontFace face(const QString& style, bool trueType = true, bool vector = false,
              CharSet charSet = CharSet::Ansi)
{
    return {style, trueType, vector, charSet};
}
}  // namespace

class TestFontCatalogue : public QObject {
    Q_OBJECT
private slots:
    void styleNameFilter_data();
    void styleNameFilter();
    void stylesLabel_data();
    void stylesLabel();
    void typeAndPanelSize_data();
    void typeAndPanelSize();
    void printerResidentFamily();
    void noCurrentEntry();
    void fillSortsWithoutRegardToCaseKeepingDuplicates();
    void screenFontsIgnoreCaseAndGrow();
};

void TestFontCatalogue::styleNameFilter_data()
{
    QTest::addColumn<QString>("style");
    QTest::addColumn<bool>("listable");
    QTest::newRow("letters") << "Regular" << true;
    QTest::newRow("blank inside") << "Bold Italic" << true;
    QTest::newRow("signs between Z and a") << "[x]^_`\\" << true;
    QTest::newRow("digit") << "W3" << false;
    QTest::newRow("hyphen") << "Semi-Bold" << false;
    QTest::newRow("accented letter") << QStringLiteral("Négrita") << false;
    QTest::newRow("brace after z") << "Bold{" << false;
    QTest::newRow("at sign before A") << "@Bold" << false;
    QTest::newRow("tab") << "Bold\tItalic" << false;
}

void TestFontCatalogue::styleNameFilter()
{
    QFETCH(QString, style);
    QFETCH(bool, listable);
    QCOMPARE(FontCatalogue::isListableStyleName(style), listable);
}

void TestFontCatalogue::stylesLabel_data()
{
    QTest::addColumn<QStringList>("styles");
    QTest::addColumn<QString>("label");
    QTest::newRow("four styles in enumeration order")
        << QStringList{"Regular", "Bold", "Italic", "Bold Italic"}
        << "Styles: Regular, Bold, Italic, Bold Italic ";
    QTest::newRow("unlistable names left out")
        << QStringList{"Regular", "Demi-Bold", "Book"} << "Styles: Regular, Book ";
    QTest::newRow("only listable names count") << QStringList{"", "W3", "Fett"} << "Styles: Fett ";
    QTest::newRow("nothing listable") << QStringList{"", "W3", "Semi-Bold"} << "";
    QTest::newRow("no styles at all") << QStringList{} << "";
    QTest::newRow("one letter just long enough") << QStringList{"A"} << "Styles: A ";
}

void TestFontCatalogue::stylesLabel()
{
    QFETCH(QStringList, styles);
    QFETCH(QString, label);
    FakeFontService fonts;
    QList<FontFace> faces;
    for (const QString& style : styles)
        faces.append(face(style));
    fonts.addFamily("Family", faces);
    FontCatalogue catalogue(fonts);
    catalogue.buildScreenFonts(fonts.screenFamilies());

    catalogue.showCurrent("Family", true, 1);
    QCOMPARE(catalogue.stylesLabel(), label);
    QVERIFY(!catalogue.NoScreenFont());
}

void TestFontCatalogue::typeAndPanelSize_data()
{
    QTest::addColumn<QList<FontFace>>("faces");
    QTest::addColumn<QString>("type");
    QTest::addColumn<int>("panelSize");
    QTest::newRow("truetype") << QList<FontFace>{face("Regular")} << "TrueType" << 30;
    QTest::newRow("truetype wins over vector bit")
        << QList<FontFace>{face("Regular", true, true)} << "TrueType" << 30;
    QTest::newRow("vector") << QList<FontFace>{face("Regular", false, true)} << "Adobe Type 1" << 30;
    QTest::newRow("oem bitmap")
        << QList<FontFace>{face("Regular", false, false, CharSet::Oem)} << "Raster" << 30;
    QTest::newRow("symbol truetype")
        << QList<FontFace>{face("Regular", true, false, CharSet::Symbol)} << "TrueType" << 20;
    QTest::newRow("last deciding style wins")
        << QList<FontFace>{face("Regular", true), face("Bold", false, true),
                           face("Italic", false, false)}
        << "Adobe Type 1" << 30;
    QTest::newRow("last style decides the panel")
        << QList<FontFace>{face("Regular", true, false, CharSet::Symbol), face("Bold")}
        << "TrueType" << 30;
    QTest::newRow("no style decides: no type")
        << QList<FontFace>{face("Regular", false, false)} << "" << 30;
}

void TestFontCatalogue::typeAndPanelSize()
{
    QFETCH(QList<FontFace>, faces);
    QFETCH(QString, type);
    QFETCH(int, panelSize);
    FakeFontService fonts;
    fonts.addFamily("Earlier", {face("Regular", false, false, CharSet::Oem)});
    fonts.addFamily("Family", faces);
    FontCatalogue catalogue(fonts);
    catalogue.buildScreenFonts(fonts.screenFamilies());
    // A type shown before must not linger.
    catalogue.showCurrent("Earlier", true, 1);

    catalogue.showCurrent("Family", true, 1);
    QCOMPARE(catalogue.CurrentFontType(), type);
    QCOMPARE(catalogue.currCharPointSize(), panelSize);
}

void TestFontCatalogue::printerResidentFamily()
{
    FakeFontService fonts;
    fonts.addTrueTypeFamily("Screen");
    FontCatalogue catalogue(fonts);
    catalogue.buildScreenFonts(fonts.screenFamilies());
    catalogue.showCurrent("Screen", true, 1);

    catalogue.showCurrent("Printer Only", true, 3);
    QVERIFY(catalogue.NoScreenFont());
    QCOMPARE(catalogue.CurrentFontName(), "Printer Only");
    QCOMPARE(catalogue.CurrentFontType(), "Printer Resident");
    QCOMPARE(catalogue.stylesLabel(), "");
    QCOMPARE(catalogue.SelectedCount(), 3);
    // The panel keeps the size of the last family that had a screen font.
    QCOMPARE(catalogue.currCharPointSize(), 30);

    catalogue.extendScreenFonts({"Printer Only"});
    catalogue.showCurrent("Printer Only", true, 1);
    QVERIFY(!catalogue.NoScreenFont());
}

void TestFontCatalogue::noCurrentEntry()
{
    FakeFontService fonts;
    FontCatalogue catalogue(fonts);
    QCOMPARE(catalogue.fill({}), QStringList());
    catalogue.showCurrent(QString(), false, 0);
    QCOMPARE(catalogue.FontCount(), 0);
    QCOMPARE(catalogue.SelectedCount(), 0);
    QVERIFY(catalogue.NoScreenFont());
    QCOMPARE(catalogue.CurrentFontType(), "");
    QCOMPARE(catalogue.stylesLabel(), "");
}

void TestFontCatalogue::fillSortsWithoutRegardToCaseKeepingDuplicates()
{
    FakeFontService fonts;
    FontCatalogue catalogue(fonts);
    const QStringList sorted =
        catalogue.fill({"courier", "Zapf", "Arial", "arial Black", "Courier", "arial", "Arial"});
    QCOMPARE(sorted, (QStringList{"Arial", "arial", "Arial", "arial Black", "courier", "Courier",
                                  "Zapf"}));
    QCOMPARE(catalogue.FontCount(), 7);
}

void TestFontCatalogue::screenFontsIgnoreCaseAndGrow()
{
    FakeFontService fonts;
    FontCatalogue catalogue(fonts);
    catalogue.buildScreenFonts({"DejaVu Sans", "dejavu sans", "Liberation Mono"});
    QCOMPARE(catalogue.screenFontCount(), 2);
    QVERIFY(catalogue.isScreenFont("DEJAVU SANS"));
    QVERIFY(!catalogue.isScreenFont("DejaVu"));

    catalogue.extendScreenFonts({"Printer Font", "liberation mono"});
    QCOMPARE(catalogue.screenFontCount(), 3);
    QVERIFY(catalogue.isScreenFont("printer font"));

    catalogue.buildScreenFonts({"Other"});
    QVERIFY(!catalogue.isScreenFont("Printer Font"));
}

QTEST_GUILESS_MAIN(TestFontCatalogue)
#include "tst_fontcatalogue.moc"
