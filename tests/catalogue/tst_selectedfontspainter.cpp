#include "catalogue/SelectedFontsPainter.h"
#include "fakes/FakeFontService.h"

#include <QImage>
#include <QPainter>
#include <QTest>

namespace {

// Every family drawn asks for its font once.
class RecordingFonts : public FakeFontService {
public:
    QFont makeFont(const QString& faceName, bool bold, bool italic) override
    {
        requests.append(faceName + (bold ? " bold" : "") + (italic ? " italic" : ""));
        return FakeFontService::makeFont(faceName, bold, italic);
    }
    QStringList requests;
};

}  // namespace

class TestSelectedFontsPainter : public QObject {
    Q_OBJECT

private slots:
    void stepsAndHeight_data();
    void stepsAndHeight();
    void paintDrawsWhatMeetsTheArea_data();
    void paintDrawsWhatMeetsTheArea();
};

void TestSelectedFontsPainter::stepsAndHeight_data()
{
    QTest::addColumn<int>("dpi");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("heading");
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("height");
    QTest::newRow("nothing drawn") << 96 << 12 << 14 << 21 << 0 << 19;
    QTest::newRow("96 dpi, 60 pt") << 96 << 60 << 14 << 104 << 3 << 5 + 3 * 118 + 14;
    QTest::newRow("96 dpi, 4 pt") << 96 << 4 << 14 << 7 << 1 << 5 + 21 + 14;
    // 17.5 and 19.5 go up to the even neighbour, 32.5 down.
    QTest::newRow("120 dpi, 9 pt") << 120 << 9 << 18 << 20 << 5000 << 5 + 5000 * 38 + 18;
    QTest::newRow("120 dpi, 15 pt") << 120 << 15 << 18 << 32 << 2 << 5 + 2 * 50 + 18;
}

void TestSelectedFontsPainter::stepsAndHeight()
{
    QFETCH(int, dpi);
    QFETCH(int, size);
    QFETCH(int, heading);
    QFETCH(int, line);
    QFETCH(int, count);
    QFETCH(int, height);
    QCOMPARE(SelectedFontsPainter::headingStep(dpi), heading);
    QCOMPARE(SelectedFontsPainter::lineStep(dpi, size), line);
    QCOMPARE(SelectedFontsPainter::height(dpi, size, count), height);
}

void TestSelectedFontsPainter::paintDrawsWhatMeetsTheArea_data()
{
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("firstMet");  // entries are 35 pixels high from y = 5
    QTest::addColumn<int>("lastMet");
    QTest::newRow("top screenful") << 0 << 400 << 0 << 11;
    QTest::newRow("far down") << 17500 << 400 << 499 << 511;
    QTest::newRow("strip at the end") << 34960 << 60 << 998 << 999;
}

void TestSelectedFontsPainter::paintDrawsWhatMeetsTheArea()
{
    QFETCH(int, top);
    QFETCH(int, height);
    QFETCH(int, firstMet);
    QFETCH(int, lastMet);

    RecordingFonts fonts;
    SelectedFontsPainter::Page page;
    for (int i = 0; i < 1000; ++i)
        page.families.append(QStringLiteral("F%1").arg(i));
    page.headingFontName = QStringLiteral("Heading");
    page.italic = true;
    QImage image(602, height, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.translate(0, -top);
    QCOMPARE(SelectedFontsPainter(fonts).paint(painter, QRect(0, top, 602, height), page),
             SelectedFontsPainter::height(96, 12, 1000));

    QCOMPARE(fonts.requests.first(), QStringLiteral("Heading bold"));
    for (int i = firstMet; i <= lastMet; ++i)
        QVERIFY(fonts.requests.contains(QStringLiteral("F%1 italic").arg(i)));
    // One entry of slack on either side, no more.
    QVERIFY(fonts.requests.size() <= 1 + lastMet - firstMet + 3);
}

QTEST_MAIN(TestSelectedFontsPainter)
#include "tst_selectedfontspainter.moc"
