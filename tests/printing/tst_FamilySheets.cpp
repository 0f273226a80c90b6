#include "PrintFakes.h"
#include "printing/PrintJob.h"
#include "printing/PrintState.h"

#include <QLocale>
#include <QTest>

// The per-family sheets on the recording canvas: where every label,
// character, paragraph and line stands, in which font.
namespace {

// Runs one job and returns the documents it drew.
struct Job {
    Job(int dpiX, int dpiY, int families)
        : printer(dpiX, dpiY)
    {
        host.setFamilies(families, families);
    }

    const QList<RecordedDoc>& print()
    {
        PrintJob(printer, log, host, log, state).print();
        return printer.docs();
    }

    RecordingPrinter printer;
    FakeHost host;
    ProgressLog log;
    PrintState state;
};

const CanvasOp* textAt(const RecordedDoc& doc, QPoint at)
{
    for (const CanvasOp& op : doc.ops) {
        if (op.kind == CanvasOp::Text && QPoint(op.x, op.y) == at)
            return &op;
    }
    return nullptr;
}

QString styleOf(const CanvasOp& op)
{
    return QString(op.bold ? "B" : "") + QString(op.italic ? "I" : "");
}

}  // namespace

class tst_FamilySheets : public QObject {
    Q_OBJECT
private slots:
    void chart_data();
    void chart();
    void paragraphs_data();
    void paragraphs();
    void fullPage_data();
    void fullPage();
};

void tst_FamilySheets::chart_data()
{
    QTest::addColumn<QSize>("dpi");
    QTest::addColumn<bool>("symbol");
    QTest::addColumn<QString>("style");
    QTest::addColumn<QPoint>("labelAt");
    QTest::addColumn<QString>("label");  // empty: nothing there
    QTest::addColumn<QPoint>("charAt");
    QTest::addColumn<QString>("character");

    const QSize dpi300(300, 300);
    QTest::newRow("row 1, first cell") << dpi300 << false << "" << QPoint(225, 300) << "33 !"
                                       << QPoint(234, 345) << "!";
    QTest::newRow("row 1, last cell") << dpi300 << false << "" << QPoint(2175, 300) << "46 ."
                                      << QPoint(2184, 345) << ".";
    QTest::newRow("126 still shows its character")
        << dpi300 << false << "" << QPoint(1575, 1290) << "126 ~" << QPoint(1584, 1335) << "~";
    QTest::newRow("127 on: bare numbers") << dpi300 << false << "" << QPoint(1725, 1290) << "127"
                                          << QPoint(1734, 1335) << QString(QChar(0x7F));
    QTest::newRow("128 read as Windows-1252") << dpi300 << false << "" << QPoint(1875, 1290) << "128"
                                              << QPoint(1884, 1335) << QString(QChar(0x20AC));
    QTest::newRow("row 16, first cell") << dpi300 << false << "" << QPoint(225, 2775) << "243"
                                        << QPoint(234, 2820) << QString(QChar(0xF3));
    QTest::newRow("255") << dpi300 << false << "" << QPoint(2025, 2775) << "255" << QPoint(2034, 2820)
                         << QString(QChar(0xFF));
    QTest::newRow("last cell empty") << dpi300 << false << "" << QPoint(2175, 2775) << ""
                                     << QPoint(2184, 2820) << "";
    QTest::newRow("symbol family: 65 at U+F041") << dpi300 << true << "" << QPoint(825, 630) << "65 A"
                                                 << QPoint(834, 675) << QString(QChar(0xF041));
    QTest::newRow("symbol family: 128 at U+F080") << dpi300 << true << "" << QPoint(1875, 1290) << "128"
                                                  << QPoint(1884, 1335) << QString(QChar(0xF080));
    QTest::newRow("bold italic: the characters only") << dpi300 << false << "BI" << QPoint(225, 300)
                                                       << "33 !" << QPoint(234, 345) << "!";
    QTest::newRow("600 by 1200") << QSize(600, 1200) << false << "B" << QPoint(450, 1200) << "33 !"
                                 << QPoint(468, 1380) << "!";
}

void tst_FamilySheets::chart()
{
    QFETCH(QSize, dpi);
    QFETCH(bool, symbol);
    QFETCH(QString, style);
    QFETCH(QPoint, labelAt);
    QFETCH(QString, label);
    QFETCH(QPoint, charAt);
    QFETCH(QString, character);

    Job job(dpi.width(), dpi.height(), 1);
    job.host.opts.charChart = true;
    job.host.opts.bold = style.contains('B');
    job.host.opts.italic = style.contains('I');
    if (symbol)
        job.printer.symbolFamilies() << QStringLiteral("F00");
    const QList<RecordedDoc>& docs = job.print();
    QCOMPARE(docs.size(), 1);
    const RecordedDoc& page = docs.first();
    QCOMPARE(page.state, RecordedDoc::Ended);
    QCOMPARE(page.ops.first().text, QStringLiteral("F00") + job.state.StyleSuffix);
    QCOMPARE(std::count_if(page.ops.begin(), page.ops.end(),
                           [](const CanvasOp& op) { return op.family == QLatin1String("F00"); }),
             223);

    const CanvasOp* labelOp = textAt(page, labelAt);
    const CanvasOp* charOp = textAt(page, charAt);
    if (label.isEmpty()) {
        QVERIFY(!labelOp);
        QVERIFY(!charOp);
        return;
    }
    QVERIFY(labelOp && charOp);
    QCOMPARE(labelOp->text, label);
    QCOMPARE(labelOp->family, QStringLiteral("Heading"));
    QCOMPARE(labelOp->pointSize, 7.0);
    QCOMPARE(styleOf(*labelOp), QString());
    QCOMPARE(charOp->text, character);
    QCOMPARE(charOp->family, QStringLiteral("F00"));
    QCOMPARE(charOp->pointSize, 16.0);
    QCOMPARE(styleOf(*charOp), style);
}

void tst_FamilySheets::paragraphs_data()
{
    QTest::addColumn<QList<int>>("sizes");  // ticked boxes, 0 for 7 points to 12 for 14
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("bold");
    // Blocks that show, as label@top or size pt@top, at 300 dpi: a label is
    // 46 pixels, a paragraph line 29 at 7 points, 31 at 7.5, 58 at 14.
    QTest::addColumn<QStringList>("shown");

    const QString line = QStringLiteral("Fish & chips");
    QTest::newRow("only 7.5") << QList<int>{1} << line << "C" << false
                              << QStringList{"7.5 point@240", "7.5pt@286"};
    QTest::newRow("7 and 14, a sixth of an inch apart")
        << QList<int>{0, 12} << line << "C" << false
        << QStringList{"7.0 point@240", "7pt@286", "14.0 point@365", "14pt@411"};
    QTest::newRow("empty text: labels and gaps")
        << QList<int>{0, 12} << QString() << "C" << false
        << QStringList{"7.0 point@240", "7pt@286", "14.0 point@336", "14pt@382"};
    QStringList twenty;
    for (int i = 0; i < 20; ++i)
        twenty << line;
    QTest::newRow("all thirteen: cut at 10.5 inches, the rest dropped")
        << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12} << twenty.join('\n') << "C" << false
        << QStringList{"7.0 point@240", "7pt@286",    "7.5 point@916",  "7.5pt@962",
                       "8.0 point@1632", "8pt@1678", "8.5 point@2388", "8.5pt@2434"};
    QTest::newRow("decimal separator of the locale")
        << QList<int>{1} << line << "de_DE" << false << QStringList{"7,5 point@240", "7.5pt@286"};
    QTest::newRow("bold: the heading says so, the paragraphs stay regular")
        << QList<int>{4} << line << "C" << true << QStringList{"9.0 point@240", "9pt@286"};
}

void tst_FamilySheets::paragraphs()
{
    QFETCH(QList<int>, sizes);
    QFETCH(QString, text);
    QFETCH(QString, locale);
    QFETCH(bool, bold);
    QFETCH(QStringList, shown);

    const QLocale before;
    QLocale::setDefault(QLocale(locale));
    Job job(300, 300, 1);
    job.host.opts.para = true;
    job.host.opts.bold = bold;
    for (int size : sizes)
        job.host.opts.paraSizes[std::size_t(size)] = true;
    job.host.paragraph = text;
    const QList<RecordedDoc> docs = job.print();
    QLocale::setDefault(before);

    QCOMPARE(docs.size(), 1);
    QCOMPARE(docs.first().ops.first().text, bold ? QStringLiteral("F00 - Bold") : QStringLiteral("F00"));
    QStringList blocks;
    int measured = 0;
    for (const CanvasOp& op : docs.first().ops) {
        if (op.kind != CanvasOp::Block)
            continue;
        // Label and paragraph of one size after the other.
        const bool label = measured % 2 == 0;
        const float pointSize = job.state.ParagraphSizes[std::size_t(sizes[measured / 2])].PointSize;
        ++measured;
        QCOMPARE(op.family, label ? QStringLiteral("Heading") : QStringLiteral("F00"));
        QCOMPARE(op.pointSize, label ? 11.0 : double(pointSize));
        QVERIFY(!op.bold && !op.italic);
        QCOMPARE(op.rect.left(), 180);
        QCOMPARE(op.rect.left() + op.rect.width(), 2250);
        QCOMPARE(op.rect.top() + op.rect.height(), 3150);
        if (op.rect.isEmpty())
            continue;
        blocks << (label ? op.text : QString::number(op.pointSize) + "pt") + '@' + QString::number(op.rect.top());
        if (!label)
            QCOMPARE(op.text, text);
    }
    QCOMPARE(blocks, shown);
    QCOMPARE(measured, 2 * sizes.size());
}

void tst_FamilySheets::fullPage_data()
{
    QTest::addColumn<bool>("symbol");
    QTest::addColumn<int>("y");
    QTest::addColumn<QString>("text");  // a prefix for the extended lines
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("family");
    QTest::addColumn<double>("size");
    QTest::addColumn<QString>("style");

    const QString fox = QStringLiteral("The quick brown fox jumps over the lazy dog.");
    const auto row = [](const char* tag, int y, const QString& text, const char* family, double size,
                        const char* style = "", bool symbol = false, int length = -1) {
        QTest::newRow(tag) << symbol << y << text << (length < 0 ? int(text.size()) : length) << family
                           << size << style;
    };
    row("8 points at 0.7 inch", 210, "Eight", "F01", 8);
    row("an empty 9-point text keeps its place", 261, "", "F01", 9);
    row("60 points", 1320, "Sixty", "F01", 60);
    row("Normal label", 1650, "Normal", "Heading", 11);
    row("Normal block, first line", 1701, "ABC", "F01", 12);
    row("Normal block, the sample text as the sheet started", 1821, fox, "F01", 12);
    row("Bold block", 1962, "ABC", "F01", 12, "B");
    row("Bold Italic label", 2433, "Bold Italic", "Heading", 11);
    row("Bold Italic block, sample text", 2604, fox, "F01", 12, "BI");
    row("Extended Characters label", 2694, "Extended Characters", "Heading", 11);
    row("127 to 158", 2754, QString::fromUtf8("\x7F \u20AC \u0081 \u201A \u0192 "), "F01", 12, "", false, 64);
    row("223 to 255", 2961, QString::fromUtf8("\u00DF \u00E0 \u00E1 "), "F01", 12, "", false, 66);
    row("symbol family: 127 to 158", 2754, QString::fromUtf8("\uF07F \uF080 \uF081 "), "F01", 12, "", true, 64);
}

void tst_FamilySheets::fullPage()
{
    QFETCH(bool, symbol);
    QFETCH(int, y);
    QFETCH(QString, text);
    QFETCH(int, length);
    QFETCH(QString, family);
    QFETCH(double, size);
    QFETCH(QString, style);

    Job job(300, 300, 2);
    job.host.opts.fullPage = true;
    job.host.opts.bold = true;
    job.host.sizeLines[1].clear();
    // Edits while the job runs don't reach the style blocks.
    job.host.onPump = [&](int) { job.host.sample = QStringLiteral("edited"); };
    if (symbol)
        job.printer.symbolFamilies() << QStringLiteral("F01");
    const QList<RecordedDoc>& docs = job.print();
    QCOMPARE(docs.size(), 2);
    const RecordedDoc& page = docs[1];
    QCOMPARE(page.ops.first().text, QStringLiteral("F01 - Bold"));

    const CanvasOp* op = textAt(page, {180, y});
    QVERIFY(op);
    QCOMPARE(op->text.left(text.size()), text);
    QCOMPARE(op->text.size(), length);
    QCOMPARE(op->family, family);
    QCOMPARE(op->pointSize, size);
    QCOMPARE(styleOf(*op), style);
}

QTEST_GUILESS_MAIN(tst_FamilySheets)
#include "tst_FamilySheets.moc"
