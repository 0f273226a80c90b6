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
    void showCurrent_data();
    void showCurrent();
    void fillSortsWithoutRegardToCaseKeepingDuplicates();
    void screenFontsIgnoreCaseAndGrow();
};

void TestFontCatalogue::styleNameFilter_data()
{
    QTest::addColumn<QString>("style");
    QTest::addColumn<bool>("listable");
    QTest::newRow("blank inside") << "Bold Italic" << true;
    QTest::newRow("signs between Z and a") << "[x]^_`\\" << true;
    QTest::newRow("digit") << "W3" << false;
    QTest::newRow("hyphen") << "Semi-Bold" << false;
    QTest::newRow("accented letter") << QStringLiteral("Négrita") << false;
    QTest::newRow("brace after z") << "Bold{" << false;
    QTest::newRow("at sign before A") << "@Bold" << false;
}

void TestFontCatalogue::styleNameFilter()
{
    QFETCH(QString, style);
    QFETCH(bool, listable);
    QCOMPARE(FontCatalogue::isListableStyleName(style), listable);
}

void TestFontCatalogue::showCurrent_data()
{
    QTest::addColumn<QList<FontFace>>("faces");
    QTest::addColumn<QString>("styles");
    QTest::addColumn<QString>("type");
    QTest::addColumn<int>("panelSize");
    QTest::newRow("four styles in enumeration order")
        << QList<FontFace>{face("Regular"), face("Bold"), face("Italic"), face("Bold Italic")}
        << "Styles: Regular, Bold, Italic, Bold Italic " << "TrueType" << 30;
    QTest::newRow("unlistable names left out")
        << QList<FontFace>{face("Regular"), face("Demi-Bold"), face("")}
        << "Styles: Regular " << "TrueType" << 30;
    QTest::newRow("nothing listable")
        << QList<FontFace>{face(""), face("W3"), face("Semi-Bold")} << "" << "TrueType" << 30;
    QTest::newRow("one letter just long enough")
        << QList<FontFace>{face("A")} << "Styles: A " << "TrueType" << 30;
    QTest::newRow("no faces at all") << QList<FontFace>{} << "" << "" << 30;
    QTest::newRow("truetype wins over vector bit")
        << QList<FontFace>{face("Regular", true, true)} << "Styles: Regular " << "TrueType" << 30;
    QTest::newRow("vector") << QList<FontFace>{face("Regular", false, true)} << "Styles: Regular "
                            << "Adobe Type 1" << 30;
    QTest::newRow("oem bitmap") << QList<FontFace>{face("Regular", false, false, CharSet::Oem)}
                                << "Styles: Regular " << "Raster" << 30;
    QTest::newRow("symbol") << QList<FontFace>{face("Regular", true, false, CharSet::Symbol)}
                            << "Styles: Regular " << "TrueType" << 20;
    QTest::newRow("last deciding style wins")
        << QList<FontFace>{face("Regular"), face("Bold", false, true), face("Italic", false)}
        << "Styles: Regular, Bold, Italic " << "Adobe Type 1" << 30;
    QTest::newRow("last style decides the panel")
        << QList<FontFace>{face("Regular", true, false, CharSet::Symbol), face("Bold")}
        << "Styles: Regular, Bold " << "TrueType" << 30;
    QTest::newRow("no style decides: no type")
        << QList<FontFace>{face("Regular", false)} << "Styles: Regular " << "" << 30;
    // The same faces as Type 1 and as OpenType files.
    QTest::newRow("a style in two formats once")
        << QList<FontFace>{face("Roman", false, true), face("Roman"), face("Bold"),
                           face("Italic", false, true), face("italic"), face("Bold Italic")}
        << "Styles: Roman, Bold, Italic, Bold Italic " << "TrueType" << 30;
}

void TestFontCatalogue::showCurrent()
{
    QFETCH(QList<FontFace>, faces);
    QFETCH(QString, styles);
    QFETCH(QString, type);
    QFETCH(int, panelSize);
    FakeFontService fonts;
    fonts.addFamily("Earlier", {face("Regular", false, false, CharSet::Oem)});
    fonts.addFamily("Family", faces);
    FontCatalogue catalogue(fonts);
    catalogue.buildScreenFonts(fonts.screenFamilies());
    // What the family shown before decided must not linger.
    catalogue.showCurrent("Earlier", true, 1);

    catalogue.showCurrent("Family", true, 2);
    QVERIFY(!catalogue.NoScreenFont());
    QCOMPARE(catalogue.stylesLabel(), styles);
    QCOMPARE(catalogue.CurrentFontType(), type);
    QCOMPARE(catalogue.currCharPointSize(), panelSize);
    QCOMPARE(catalogue.SelectedCount(), 2);
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
    catalogue.buildScreenFonts({"DejaVu Sans", "Liberation Mono"});
    QVERIFY(catalogue.isScreenFont("DEJAVU SANS"));
    QVERIFY(!catalogue.isScreenFont("DejaVu"));

    catalogue.extendScreenFonts({"Printer Font"});
    QVERIFY(catalogue.isScreenFont("printer font"));
    QVERIFY(catalogue.isScreenFont("Liberation Mono"));

    catalogue.buildScreenFonts({"Other"});
    QVERIFY(!catalogue.isScreenFont("Printer Font"));
}

QTEST_GUILESS_MAIN(TestFontCatalogue)
#include "tst_fontcatalogue.moc"
