#include "fakes/RecordingCanvas.h"
#include "printing/PageLayout.h"

#include <QTest>

#include <cstdlib>

class tst_PageLayout : public QObject {
    Q_OBJECT
private slots:
    void inchesToPixels_data();
    void inchesToPixels();
    void sampleHeading_data();
    void sampleHeading();
    void familyHeading_data();
    void familyHeading();
};

void tst_PageLayout::inchesToPixels_data()
{
    QTest::addColumn<int>("dpi");
    QTest::addColumn<QByteArray>("inches");  // a decimal constant
    QTest::addColumn<int>("pixels");

    QTest::newRow("0.17 at 300") << 300 << QByteArray("0.17") << 51;
    QTest::newRow("half to even below") << 100 << QByteArray("0.125") << 12;
    QTest::newRow("half to even above") << 100 << QByteArray("0.375") << 38;
}

void tst_PageLayout::inchesToPixels()
{
    QFETCH(int, dpi);
    QFETCH(QByteArray, inches);
    QFETCH(int, pixels);
    const long double value = std::strtold(inches.constData(), nullptr);
    QCOMPARE(PageLayout(dpi, dpi * 2).X(value), pixels);
    QCOMPARE(PageLayout(dpi * 2, dpi).Y(value), pixels);
}

void tst_PageLayout::sampleHeading_data()
{
    QTest::addColumn<int>("dpiX");
    QTest::addColumn<int>("dpiY");
    QTest::addColumn<QString>("styleSuffix");
    QTest::addColumn<QString>("right");
    // title x, title y, rule y, rule end x, pen width, body y
    QTest::addColumn<QList<int>>("expected");

    QTest::newRow("600 plain") << 600 << 600 << QString() << "   Size: 11 points"
                               << QList<int>{360, 270, 420, 4500, 6, 480};
    QTest::newRow("300 bold") << 300 << 300 << " - Bold" << "Bold   Size: 11 points"
                              << QList<int>{180, 135, 210, 2250, 3, 240};
    QTest::newRow("600 by 1200 bold italic") << 600 << 1200 << " - Bold Italic" << "Bold Italic   Size: 11 points"
                                             << QList<int>{360, 540, 840, 4500, 12, 960};
}

void tst_PageLayout::sampleHeading()
{
    QFETCH(int, dpiX);
    QFETCH(int, dpiY);
    QFETCH(QString, styleSuffix);
    QFETCH(QString, right);
    QFETCH(QList<int>, expected);

    RecordingCanvas canvas(dpiX, dpiY);
    canvas.docs.append(RecordedDoc{});
    int x = 0;
    int y = 0;
    PrintSampleHeading(canvas, PageLayout(dpiX, dpiY), {"Heading", "My title", styleSuffix, 11}, x, y);
    const RecordedDoc& doc = canvas.docs.first();
    const CanvasOp* title = doc.find(QStringLiteral("My title"));
    const CanvasOp* size = doc.find(right);
    QVERIFY(title && size);
    const CanvasOp& rule = doc.ops.last();
    QCOMPARE((QList<int>{title->x, title->y, rule.y, rule.x2, rule.penWidth, y}), expected);
    QCOMPARE((QList<int>{x, rule.x, rule.y2, size->y}), (QList<int>{title->x, title->x, rule.y, title->y}));
    QCOMPARE(size->x + canvas.textWidth(right), expected[3]);
    QCOMPARE(title->pointSize, 10.0);
}

void tst_PageLayout::familyHeading_data()
{
    QTest::addColumn<int>("dpiX");
    QTest::addColumn<int>("dpiY");
    QTest::addColumn<int>("length");  // 12 points advance 50 pixels a character at 600 dpi, 25 at 300
    QTest::addColumn<QList<int>>("expected");  // x, y, rule y

    QTest::newRow("centred on 2400") << 600 << 600 << 12 << QList<int>{2100, 180, 360};
    QTest::newRow("half width to even below") << 300 << 300 << 3 << QList<int>{1162, 90, 180};
    QTest::newRow("half width to even above") << 300 << 300 << 5 << QList<int>{1138, 90, 180};
    QTest::newRow("wider than eight inches") << 600 << 600 << 100 << QList<int>{-100, 180, 360};
    QTest::newRow("600 by 1200") << 600 << 1200 << 12 << QList<int>{2100, 360, 720};
}

void tst_PageLayout::familyHeading()
{
    QFETCH(int, dpiX);
    QFETCH(int, dpiY);
    QFETCH(int, length);
    QFETCH(QList<int>, expected);

    RecordingCanvas canvas(dpiX, dpiY);
    canvas.docs.append(RecordedDoc{});
    const QString text(length, QLatin1Char('W'));
    PrintFamilyHeading(canvas, PageLayout(dpiX, dpiY), QStringLiteral("Heading"), text);
    const CanvasOp* op = canvas.docs.first().find(text);
    QVERIFY(op);
    const CanvasOp& rule = canvas.docs.first().ops.last();
    QCOMPARE((QList<int>{op->x, op->y, rule.y}), expected);
    QCOMPARE(op->pointSize, 12.0);
}

QTEST_GUILESS_MAIN(tst_PageLayout)
#include "tst_PageLayout.moc"
