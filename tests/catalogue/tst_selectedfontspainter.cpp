#include "catalogue/SelectedFontsPainter.h"
#include "fakes/FakeFontService.h"

#include <QImage>
#include <QPainter>
#include <QTest>

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
    QTest::addColumn<int>("firstMet");  // entries are 35 pixels high from y = 5
    QTest::addColumn<int>("lastMet");
    QTest::newRow("top screenful") << 0 << 0 << 11;
    QTest::newRow("far down") << 17500 << 499 << 511;
    QTest::newRow("last entries") << 34800 << 994 << 999;
}

void TestSelectedFontsPainter::paintDrawsWhatMeetsTheArea()
{
    QFETCH(int, top);
    QFETCH(int, firstMet);
    QFETCH(int, lastMet);

    // Every family drawn asks for its font.
    struct RecordingFonts : FakeFontService {
        QFont makeFont(const Specimen& specimen) override
        {
            requests.append(specimen.face + (specimen.bold ? " bold" : "")
                            + (specimen.italic ? " italic" : ""));
            return FakeFontService::makeFont(specimen);
        }
        QStringList requests;
    } fonts;
    SelectedFontsPainter::Page page;
    for (int i = 0; i < 1000; ++i)
        page.families.append(QStringLiteral("F%1").arg(i));
    page.headingFontName = "Heading";
    page.italic = true;
    QImage image(602, 400, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.translate(0, -top);
    QCOMPARE(SelectedFontsPainter(fonts).paint(painter, QRect(0, top, 602, 400), page), 5 + 1000 * 35 + 14);

    QCOMPARE(fonts.requests.first(), "Heading bold");
    for (int i = firstMet; i <= lastMet; ++i)
        QVERIFY(fonts.requests.contains(QStringLiteral("F%1 italic").arg(i)));
    // One entry of slack on either side, no more.
    QVERIFY(fonts.requests.size() <= 1 + lastMet - firstMet + 3);
}

QTEST_MAIN(TestSelectedFontsPainter)
#include "tst_selectedfontspainter.moc"
