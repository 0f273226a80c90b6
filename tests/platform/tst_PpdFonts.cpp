#include "platform/linux/PpdFonts.h"

#include <QTest>

class tst_PpdFonts : public QObject {
    Q_OBJECT
private slots:
    void families_data();
    void families();
};

void tst_PpdFonts::families_data()
{
    QTest::addColumn<QByteArray>("ppd");
    QTest::addColumn<QStringList>("families");

    const QByteArray laser = "*PPD-Adobe: \"4.3\"\r\n"
                             "*DefaultFont: Courier\r\n"
                             "*Font AvantGarde-Book: Standard \"(001.006S)\" Standard ROM\r\n"
                             "*Font AvantGarde-DemiOblique: Standard \"(001.007S)\" Standard ROM\r\n"
                             "*Font Courier: Standard \"(002.004S)\" Standard ROM\r\n"
                             "*Font Courier-BoldOblique: Standard \"(002.004S)\" Standard ROM\r\n"
                             "*Font Helvetica-Narrow: Standard \"(001.006S)\" Standard ROM\r\n"
                             "*Font Helvetica-Narrow-BoldOblique: Standard \"(001.007S)\" Standard ROM\r\n"
                             "*Font NewCenturySchlbk-Roman: Standard \"(001.007S)\" Standard ROM\r\n"
                             "*Font Symbol: Special \"(001.007S)\" Special ROM\r\n"
                             "*Font Times-BoldItalic: Standard \"(001.009S)\" Standard ROM\r\n"
                             "*Font ZapfChancery-MediumItalic: Standard \"(001.007S)\" Standard ROM\r\n"
                             "*FontEncoding Standard: \"\"\r\n";
    QTest::newRow("resident fonts of a laser printer")
        << laser
        << QStringList{"AvantGarde", "Courier", "Helvetica-Narrow", "NewCenturySchlbk", "Symbol",
                       "Times", "ZapfChancery"};
    QTest::newRow("abbreviated and compound styles")
        << QByteArray("*Font Helvetica-Condensed-BoldObl: Standard \"(001.001)\" Standard ROM\n"
                      "*Font Goudy-ExtraBold: Standard \"(001.001)\" Standard ROM\n"
                      "*Font Goudy: Standard \"(001.001)\" Standard ROM\n")
        << QStringList{"Helvetica-Condensed", "Goudy"};
    QTest::newRow("no font entries") << QByteArray("*PPD-Adobe: \"4.3\"\n*ModelName: \"Inkjet\"\n")
                                     << QStringList{};
    QTest::newRow("a hyphen that is part of the name")
        << QByteArray("*Font Ryumin-Light-83pv-RKSJ-H: RKSJ \"(003.000)\" ExtendedRoman Disk\n")
        << QStringList{"Ryumin-Light-83pv-RKSJ-H"};
    QTest::newRow("empty") << QByteArray() << QStringList{};
}

void tst_PpdFonts::families()
{
    QFETCH(QByteArray, ppd);
    QFETCH(QStringList, families);
    QCOMPARE(ppdFontFamilies(ppd), families);
}

QTEST_GUILESS_MAIN(tst_PpdFonts)
#include "tst_PpdFonts.moc"
