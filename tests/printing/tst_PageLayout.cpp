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

    QTest::newRow("0.45 at 600") << 600 << QByteArray("0.45") << 270;
    QTest::newRow("0.17 at 300") << 300 << QByteArray("0.17") << 51;
    QTest::newRow("half to even below") << 100 << QByteArray("0.125") << 12;
    QTest::newRow("half to even above") << 100 << QByteArray("0.375") << 38;
    QTest::newRow("half of an odd dpi") << 5 << QByteArray("0.5") << 2;
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
    QTest::addColumn<float>("size");
    QTest::addColumn<QPoint>("title");
    QTest::addColumn<QString>("right");
    QTest::addColumn<QLine>("rule");
    QTest::addColumn<int>("pen");
    QTest::addColumn<QPoint>("body");

    const QString plain = QStringLiteral("   Size: 11 points");
    QTest::newRow("600 plain") << 600 << 600 << QString() << 11.0F << QPoint(360, 270) << plain
                               << QLine(360, 420, 4500, 420) << 6 << QPoint(360, 480);
    QTest::newRow("300 bold") << 300 << 300 << QStringLiteral(" - Bold") << 11.0F << QPoint(180, 135)
                              << QStringLiteral("Bold   Size: 11 points") << QLine(180, 210, 2250, 210)
                              << 3 << QPoint(180, 240);
    QTest::newRow("600 by 1200 bold italic")
        << 600 << 1200 << QStringLiteral(" - Bold Italic") << 60.0F << QPoint(360, 540)
        << QStringLiteral("Bold Italic   Size: 60 points") << QLine(360, 840, 4500, 840) << 12
        << QPoint(360, 960);
    QTest::newRow("italic at 4 points") << 300 << 300 << QStringLiteral(" - Italic") << 4.0F
                                        << QPoint(180, 135) << QStringLiteral("Italic   Size: 4 points")
                                        << QLine(180, 210, 2250, 210) << 3 << QPoint(180, 240);
}

void tst_PageLayout::sampleHeading()
{
    QFETCH(int, dpiX);
    QFETCH(int, dpiY);
    QFETCH(QString, styleSuffix);
    QFETCH(float, size);
    QFETCH(QPoint, title);
    QFETCH(QString, right);
    QFETCH(QLine, rule);
    QFETCH(int, pen);
    QFETCH(QPoint, body);

    RecordingCanvas canvas(dpiX, dpiY);
    canvas.beginDoc();
    int x = -1;
    int y = -1;
    PrintSampleHeading(canvas, PageLayout(dpiX, dpiY),
                       {QStringLiteral("Heading"), QStringLiteral("My title"), styleSuffix, size}, x, y);
    QCOMPARE(QPoint(x, y), body);

    const RecordedDoc& doc = canvas.docs.first();
    const CanvasOp* titleOp = doc.find(QStringLiteral("My title"));
    QVERIFY(titleOp);
    QCOMPARE(QPoint(titleOp->x, titleOp->y), title);
    QCOMPARE(titleOp->pointSize, 10.0);
    QVERIFY(!titleOp->bold && !titleOp->italic);

    const CanvasOp* rightOp = doc.find(right);
    QVERIFY2(rightOp, qPrintable(doc.texts().join(QLatin1Char('|'))));
    QCOMPARE(rightOp->x + canvas.textWidth(right), PageLayout(dpiX, dpiY).X(7.5L));
    QCOMPARE(rightOp->y, title.y());

    const CanvasOp& line = doc.ops.last();
    QCOMPARE(line.kind, CanvasOp::Line);
    QCOMPARE(QLine(line.x, line.y, line.x2, line.y2), rule);
    QCOMPARE(line.penWidth, pen);
}

void tst_PageLayout::familyHeading_data()
{
    QTest::addColumn<int>("dpiX");
    QTest::addColumn<int>("dpiY");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<int>("ruleY");

    // 12 points advance 50 pixels a character at 600 dpi, 25 at 300.
    QTest::newRow("600 centred on 2400") << 600 << 600 << QStringLiteral("Arial - Bold") << QPoint(2100, 180) << 360;
    QTest::newRow("half width to even below") << 300 << 300 << QStringLiteral("abc") << QPoint(1162, 90) << 180;
    QTest::newRow("half width to even above") << 300 << 300 << QStringLiteral("abcde") << QPoint(1138, 90) << 180;
    QTest::newRow("wider than eight inches") << 600 << 600 << QString(100, QLatin1Char('W')) << QPoint(-100, 180) << 360;
    QTest::newRow("600 by 1200") << 600 << 1200 << QStringLiteral("Arial - Bold") << QPoint(2100, 360) << 720;
}

void tst_PageLayout::familyHeading()
{
    QFETCH(int, dpiX);
    QFETCH(int, dpiY);
    QFETCH(QString, text);
    QFETCH(QPoint, at);
    QFETCH(int, ruleY);

    RecordingCanvas canvas(dpiX, dpiY);
    canvas.beginDoc();
    PrintFamilyHeading(canvas, PageLayout(dpiX, dpiY), QStringLiteral("Heading"), text);
    const RecordedDoc& doc = canvas.docs.first();
    const CanvasOp* op = doc.find(text);
    QVERIFY(op);
    QCOMPARE(op->text, text);
    QCOMPARE(op->pointSize, 12.0);
    QCOMPARE(QPoint(op->x, op->y), at);
    const CanvasOp& line = doc.ops.last();
    QCOMPARE(QLine(line.x, line.y, line.x2, line.y2), QLine(dpiX * 6 / 10, ruleY, dpiX * 75 / 10, ruleY));
    QCOMPARE(line.penWidth, dpiY / 100);
}

QTEST_GUILESS_MAIN(tst_PageLayout)
#include "tst_PageLayout.moc"
