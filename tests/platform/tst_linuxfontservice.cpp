// The font backend against real fontconfig and Qt, with a configuration that
// holds only fonts this test generates.
#include "platform/linux/LinuxFontService.h"

#include "../../fuzz/FontNamesFuzzEntry.h"
#include "SfntNames.h"
#include "app/TfrmVariations.h"
#include "catalogue/SpecimenSettings.h"
#include "fakes/GeneratedFonts.h"
#include "fakes/PdfReadBack.h"
#include "platform/linux/LinuxPrinterService.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QRawFont>
#include <QSet>
#include <QSignalSpy>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <atomic>
#include <thread>

#include <fcntl.h>
#include <semaphore>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString describe(const QList<FontFace>& faces)
{
    QStringList out;
    for (const FontFace& face : faces) {
        const char* kind = face.trueType ? "T" : face.vector ? "V" : "-";
        const char* set = face.charSet == FontFace::CharSet::Symbol ? "S"
                          : face.charSet == FontFace::CharSet::Oem  ? "O"
                                                                    : "A";
        out << QStringLiteral("%1:%2:%3").arg(face.styleName, QLatin1String(kind),
                                              QLatin1String(set));
    }
    return out.join(QLatin1String(", "));
}

QStringList sorted(QStringList list)
{
    std::sort(list.begin(), list.end());
    return list;
}

// How much ink "HHH" takes, and how far its stems lean right from bottom to top.
struct Ink {
    double total = 0;
    int lean = 0;
};

Ink ink(QFont font)
{
    font.setPixelSize(40);  // Qt emboldens only below 64 pixels
    QImage image(240, 60, QImage::Format_Grayscale8);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(10, 45, QStringLiteral("HHH"));
    painter.end();

    Ink out;
    int top = -1;
    int bottom = -1;
    QList<int> left(image.height(), -1);
    for (int y = 0; y < image.height(); ++y) {
        const uchar* row = image.constScanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            if (row[x] == 255)
                continue;
            out.total += 255 - row[x];
            if (left[y] < 0)
                left[y] = x;
            top = top < 0 ? y : top;
            bottom = y;
        }
    }
    if (bottom - top > 8)
        out.lean = left[top + 2] - left[bottom - 2];
    return out;
}

// The operators of a page that show text or change how it is painted, each
// once for each time it comes. Qt shows each glyph with its own Tj; a bold it
// makes up shows them all again, a little to the right, in a marked span
// (BDC); a stroke mode ("2 Tr") with a line width would embolden them too.
QString textOperators(const QByteArray& content)
{
    static const QSet<QByteArray> shown{"Tj", "TJ", "'", "\"", "BDC"};
    QStringList out;
    bool inText = false;
    QByteArray previous;
    for (const QByteArray& token : content.simplified().split(' ')) {
        if (token == "BT" || token == "ET")
            inText = token == "BT";
        else if (token == "Tr" || (inText && token == "w"))
            out << QString::fromLatin1(previous + ' ' + token);
        else if (inText && shown.contains(token))
            out << QString::fromLatin1(token);
        previous = token;
    }
    return out.join(u' ');
}

// Should a reader wait on the FIFO for good, its other end is opened and
// closed after a while, so that the wait ends and the test fails instead of
// hanging. A guard against a hang, not a measure of time.
class FifoGuard {
public:
    explicit FifoGuard(const QByteArray& path)
        : m_thread([this, path] {
              if (m_done.try_acquire_for(std::chrono::seconds(20)))
                  return;
              m_waited = true;
              const int fd = ::open(path.constData(), O_WRONLY | O_NONBLOCK);
              if (fd >= 0)
                  ::close(fd);
          })
    {
    }
    ~FifoGuard() { done(); }
    FifoGuard(const FifoGuard&) = delete;
    FifoGuard& operator=(const FifoGuard&) = delete;

    // Whether a reader had to be released.
    bool done()
    {
        if (m_thread.joinable()) {
            m_done.release();
            m_thread.join();
        }
        return m_waited;
    }

private:
    std::binary_semaphore m_done{0};
    std::atomic<bool> m_waited = false;
    std::thread m_thread;
};

}  // namespace

class TestLinuxFontService : public QObject {
    Q_OBJECT
public:
    explicit TestLinuxFontService(const QString& root) : m_root(root) {}

private slots:
    void families();
    void faces_data();
    void faces();
    void makeFont_data();
    void makeFont();
    void synthesis_data();
    void synthesis();
    void drawsText_data();
    void drawsText();
    void fontFiles();
    void variations_data();
    void variations();
    void variationsOnPaper();
    void damagedVariations_data();
    void damagedVariations();
    void swappedFontFiles_data();
    void swappedFontFiles();
    void broadcastFontChange();

private:
    QString extra(const char* file) const { return m_root + "/extra/" + file; }

    QString m_root;
    LinuxFontService m_fonts;
};

void TestLinuxFontService::families()
{
    const QStringList scalable = {
        "Test Book",       "Test Lingua",    "Test Marked",         "Test No Space",
        "Test Odd",        "Test Plain",     "Test Sans",           "Test Sans Light",
        "Test Sans Wide",  "Test Symbol",    "Test Vary",           "Test Vary Condensed",
        "Test Vary Light", "Test Vary Light Condensed"};
    QCOMPARE(sorted(m_fonts.scalableFamilies()), scalable);
    QCOMPARE(sorted(m_fonts.screenFamilies()), sorted(scalable + QStringList{"Test Pixel"}));
}

void TestLinuxFontService::faces_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<QString>("faces");

    QTest::newRow("four styles") << "Test Sans"
                                 << "Regular:T:A, Bold:T:A, Italic:T:A, Bold Italic:T:A";
    QTest::newRow("light weight, any case") << "test sans light" << "Regular:T:A, Italic:T:A";
    QTest::newRow("legacy name equal to WWS name") << "Test Sans Wide" << "Regular:T:A";
    QTest::newRow("CFF outlines") << "Test Book" << "Regular:V:A, Bold:V:A";
    QTest::newRow("symbol charmap") << "Test Symbol" << "Regular:T:S";
    QTest::newRow("bitmap only") << "Test Pixel" << "Regular:-:O";
    QTest::newRow("odd style names")
        << "Test Odd" << QString::fromUtf8("W3:T:A, Bold-Condensed:T:A, Itálico:T:A, Ωmega:T:A");
    QTest::newRow("bold face of regular weight") << "Test Marked" << "Regular:T:A, Bold:T:A";
    QTest::newRow("legacy name dropped by fontconfig") << "Test NoSpace" << "Regular:T:A";
    QTest::newRow("blanks don't count") << "TestNo Space" << "Regular:T:A";
    QTest::newRow("no bold") << "Test Plain" << "Regular:T:A, Italic:T:A";
    QTest::newRow("English names") << "Test Lingua" << "Regular:T:A";
    QTest::newRow("variable, RIBBI instances") << "Test Vary" << "Regular:T:A, Bold:T:A";
    QTest::newRow("variable, light instance") << "Test Vary Light" << "Regular:T:A";
    QTest::newRow("variable, bold condensed") << "Test Vary Condensed" << "Bold:T:A";
    QTest::newRow("a full name is no family") << "Test Sans Bold" << "";
    QTest::newRow("unknown") << "No Such Family" << "";
}

void TestLinuxFontService::faces()
{
    QFETCH(QString, family);
    QFETCH(QString, faces);
    QCOMPARE(describe(m_fonts.faces(family)), faces);
}

void TestLinuxFontService::makeFont_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("italic");
    QTest::addColumn<QString>("file");      // full name in the loaded file
    QTest::addColumn<QString>("instance");  // Qt's style, for variable fonts

    const auto row = [](const char* tag, const QString& name, bool bold, bool italic,
                        const QString& file, const QString& instance = {}) {
        QTest::newRow(tag) << name << bold << italic << file << instance;
    };
    row("regular", "Test Sans", false, false, "Test Sans Regular");
    row("bold", "Test Sans", true, false, "Test Sans Bold");
    row("italic", "Test Sans", false, true, "Test Sans Italic");
    row("bold italic", "Test Sans", true, true, "Test Sans Bold Italic");
    row("light", "Test Sans Light", false, false, "Test Sans Light");
    row("light italic", "Test Sans Light", false, true, "Test Sans Light Italic");
    row("light, bold asked", "Test Sans Light", true, false, "Test Sans Light");
    row("light, bold italic asked", "TEST SANS LIGHT", true, true, "Test Sans Light Italic");
    row("WWS-named", "Test Sans Wide", false, false, "Test Sans Wide");
    row("legacy name dropped by fontconfig", "Test NoSpace", false, false,
        "Test No Space Regular");
    row("bold face of regular weight", "Test Marked", true, false, "Test Marked Bold");
    row("regular beside it", "Test Marked", false, false, "Test Marked Regular");
    row("no bold face", "Test Plain", true, false, "Test Plain Regular");
    row("no bold italic face", "Test Plain", true, true, "Test Plain Italic");
    row("odd italic", "Test Odd", false, true, QString::fromUtf8("Test Odd Itálico"));
    row("odd bold italic", "Test Odd", true, true, QString::fromUtf8("Test Odd Ωmega"));
    row("CFF bold", "Test Book", true, false, "Test Book Bold");
    row("CFF, no italic face", "Test Book", false, true, "Test Book Regular");
    row("full name", "Test Sans Bold Italic", false, false, "Test Sans Bold Italic");
    row("full name, any case", "test sans light italic", false, false, "Test Sans Light Italic");
    row("full name keeps its face", "Test Sans Italic", true, false, "Test Sans Italic");
    row("unknown name: Qt's matching", "Testsprache", false, false, "Test Lingua Regular");
    row("instance", "Test Vary", false, false, "Test Vary Regular", "Regular");
    row("bold instance", "Test Vary", true, false, "Test Vary Regular", "Bold");
    row("light instance", "Test Vary Light", false, false, "Test Vary Regular", "Light");
    row("bold condensed instance", "Test Vary Condensed", true, false, "Test Vary Regular",
        "Bold Condensed");
}

void TestLinuxFontService::makeFont()
{
    QFETCH(QString, name);
    QFETCH(bool, bold);
    QFETCH(bool, italic);
    QFETCH(QString, file);
    QFETCH(QString, instance);

    const QFont font = m_fonts.makeFont({name, 0, bold, italic});
    QCOMPARE(loadedName(font, 4), file);
    if (!instance.isEmpty())
        QCOMPARE(QFontInfo(font).styleName(), instance);
}

void TestLinuxFontService::synthesis_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("italic");
    QTest::addColumn<bool>("emboldened");
    QTest::addColumn<bool>("slanted");

    // Every test face has the same upright outlines, so only synthesis shows.
    QTest::newRow("bold face") << "Test Sans" << true << false << false << false;
    QTest::newRow("italic face") << "Test Sans" << false << true << false << false;
    QTest::newRow("bold of a family without one") << "Test Plain" << true << false << true << false;
    QTest::newRow("bold of a light family") << "Test Sans Light" << true << false << true << false;
    QTest::newRow("italic of a family without one") << "Test Book" << false << true << false << true;
}

void TestLinuxFontService::synthesis()
{
    QFETCH(QString, family);
    QFETCH(bool, bold);
    QFETCH(bool, italic);
    QFETCH(bool, emboldened);
    QFETCH(bool, slanted);

    const Ink plain = ink(m_fonts.makeFont({family}));
    const Ink styled = ink(m_fonts.makeFont({family, 0, bold, italic}));
    QVERIFY(plain.total > 0);
    QCOMPARE(styled.total > plain.total * 1.1, emboldened);
    QCOMPARE(styled.lean - plain.lean >= 3, slanted);
}

void TestLinuxFontService::drawsText_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("draws");
    QTest::newRow("Latin") << "Test Sans" << "Glyphary" << true;
    QTest::newRow("beyond its letters") << "Test Sans" << "Glyph\u0416" << false;
    QTest::newRow("unknown family") << "No Such Family" << "Glyphary" << false;
}

void TestLinuxFontService::drawsText()
{
    QFETCH(QString, family);
    QFETCH(QString, text);
    QFETCH(bool, draws);
    QCOMPARE(m_fonts.drawsText(family, text), draws);
}

void TestLinuxFontService::fontFiles()
{
    const QString font = extra("TestExtra.ttf");
    const QString other = extra("TestLate.ttf");
    QVERIFY(m_fonts.faces("Test Extra").isEmpty());
    QVERIFY(!m_fonts.removeFontFile(font));
    QVERIFY(!m_fonts.addFontFile(extra("Missing.ttf")));
    QVERIFY(!m_fonts.removeFontFile(extra("Missing.ttf")));

    QVERIFY(m_fonts.addFontFile(font));
    QVERIFY(m_fonts.addFontFile(font));
    QVERIFY(m_fonts.addFontFile(other));
    QVERIFY(m_fonts.screenFamilies().contains("Test Extra"));
    QCOMPARE(describe(m_fonts.faces("Test Extra")), QString("Regular:T:A"));
    QVERIFY(m_fonts.drawsText("Test Extra", "Glyphary"));
    QCOMPARE(loadedName(m_fonts.makeFont({"Test Extra"}), 4),
             QString("Test Extra Regular"));
    // A loaded file's path names its own face, here one the machine has too.
    const QString twin = m_root + "/twin/TestSans-Bold.ttf";
    QVERIFY(QDir().mkpath(m_root + "/twin") && QFile::copy(m_root + "/fonts/TestSans-Bold.ttf", twin));
    QVERIFY(m_fonts.addFontFile(twin));
    QCOMPARE(loadedName(m_fonts.makeFont({twin}), 4), QString("Test Sans Bold"));
    QCOMPARE(loadedName(m_fonts.makeFont({other}), 4), QString("Test Late Regular"));
    QVERIFY(m_fonts.removeFontFile(twin));
    QCOMPARE(describe(m_fonts.faces("Test Sans")).count(u','), 3);

    QVERIFY(m_fonts.removeFontFile(font));
    QVERIFY(m_fonts.scalableFamilies().contains("Test Extra"));
    QVERIFY(m_fonts.removeFontFile(font));
    QVERIFY(!m_fonts.screenFamilies().contains("Test Extra"));
    QVERIFY(!m_fonts.removeFontFile(font));
    // Unloading one file leaves the others.
    QCOMPARE(describe(m_fonts.faces("Test Late")), QString("Regular:T:A"));
    QCOMPARE(loadedName(m_fonts.makeFont({"Test Late"}), 4),
             QString("Test Late Regular"));
    QVERIFY(m_fonts.removeFontFile(other));
    QVERIFY(m_fonts.faces("Test Late").isEmpty());
}

void TestLinuxFontService::variations_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("axes");   // "tag=value,..."
    QTest::addColumn<bool>("instanced");
    QTest::addColumn<int>("advance");    // of H at 1000 pixels to the em
    // The outline widens from the default to wght 900 by half of it.
    QTest::newRow("defaults draw the face itself") << "TestFlex.ttf" << "" << false << 600;
    QTest::newRow("an axis at its default") << "TestFlex.ttf" << "wght=400" << false << 600;
    QTest::newRow("axes the face does not have") << "TestFlex.ttf" << "wdth=75,GRAD=1" << false << 600;
    QTest::newRow("wght 900") << "TestFlex.ttf" << "wght=900" << true << 900;
    QTest::newRow("wght 650") << "TestFlex.ttf" << "wght=650" << true << 750;
    QTest::newRow("beyond the range, clamped") << "TestFlex.ttf" << "wght=5000,opsz=-3" << true << 900;
    QTest::newRow("below the default") << "TestFlex.ttf" << "wght=100" << true << 600;
    QTest::newRow("CFF2 keeps its default") << "TestFlexCFF2.otf" << "wght=900" << false << 600;
}

// A family with axes is drawn at the chosen positions, as its own face that Qt
// never emboldens; every other request draws the face as before.
void TestLinuxFontService::variations()
{
    QFETCH(QString, file);
    QFETCH(QString, axes);
    QFETCH(bool, instanced);
    QFETCH(int, advance);
    const QString path = extra(file.toLatin1().constData());
    QVERIFY(m_fonts.addFontFile(path));
    const QString family = file.startsWith("TestFlexCFF2") ? "Test Flex CFF2" : "Test Flex";
    Specimen specimen(family);
    for (const QString& axis : axes.split(u',', Qt::SkipEmptyParts))
        specimen.variations.axes[axis.section(u'=', 0, 0)] = axis.section(u'=', 1).toDouble();
    QFont font = m_fonts.makeFont(specimen);
    font.setPixelSize(1000);
    const QRawFont raw = QRawFont::fromFont(font);
    const QList<quint32> glyphs = raw.glyphIndexesForString("H");
    QCOMPARE(glyphs.size(), 1);
    QCOMPARE(qRound(raw.advancesForGlyphIndexes(glyphs).value(0).x()), advance);
    QCOMPARE(QFontInfo(font).family().contains("instance"), instanced);

    // Show All's outlines stand where the instance's glyphs do.
    const std::optional<FontService::OutlinedLine> line = m_fonts.outlinedLine(specimen, "HH", 1000);
    QCOMPARE(line.has_value(), instanced);
    if (line) {
        QCOMPARE(qRound(line->advance), 2 * advance);
        QCOMPARE(line->ascent, qreal(QFontMetrics(font).ascent()));
        font.setPixelSize(50);
        QImage drawn(200, 80, QImage::Format_RGB32);
        QImage outlined = drawn;
        drawn.fill(Qt::white);
        outlined.fill(Qt::white);
        QPainter text(&drawn);
        text.setFont(font);
        text.drawText(10, 10 + QFontMetrics(font).ascent(), "HH");
        text.end();
        QPainter painter(&outlined);
        painter.setRenderHint(QPainter::Antialiasing);
        const std::optional<FontService::OutlinedLine> small = m_fonts.outlinedLine(specimen, "HH", 50);
        for (const QPainterPath& glyph : small->glyphs)
            painter.fillPath(glyph.translated(10, 10 + small->ascent), Qt::black);
        painter.end();
        const auto ink = [](const QImage& image) {
            QRect box;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (qGray(image.pixel(x, y)) < 128)
                        box |= QRect(x, y, 1, 1);
            return box;
        };
        const QRect a = ink(drawn);
        const QRect b = ink(outlined);
        QVERIFY2((a.topLeft() - b.topLeft()).manhattanLength() <= 2
                     && (a.bottomRight() - b.bottomRight()).manhattanLength() <= 2,
                 qPrintable(QStringLiteral("%1,%2 %3x%4 against %5,%6 %7x%8").arg(a.x()).arg(a.y())
                                .arg(a.width()).arg(a.height()).arg(b.x()).arg(b.y())
                                .arg(b.width()).arg(b.height())));
    }
    QVERIFY(m_fonts.removeFontFile(path));
}

// The PDF printer embeds an instance as a font of its own, with real text,
// shown once in the plain fill mode: a heavy instance is never emboldened,
// whether the Bold box is checked or not.
void TestLinuxFontService::variationsOnPaper()
{
    const QString path = extra("TestFlex.ttf");
    QVERIFY(m_fonts.addFontFile(path));
    QTemporaryDir dir;
    const QList<std::pair<double, bool>> pages{{400, false}, {900, false}, {900, true}};
    {
        LinuxPrinterService printer(m_fonts);
        printer.setCurrentIndex(int(printer.printers().indexOf(LinuxPrinterService::pdfPrinterName())));
        printer.setPdfFileName(dir.filePath("flex.pdf"));
        printer.beginRun();
        for (const auto& [weight, bold] : pages) {
            printer.beginDoc();
            printer.canvas().setFont({"Test Flex", 24, bold, false, {{{"wght", weight}}, {}}});
            printer.canvas().textOut(600, 600, "HHHH");
            printer.endDoc();
        }
        printer.endRun();
    }
    const PdfReadBack pdf(dir.filePath("flex.pdf"));
    QCOMPARE(pdf.pages, 3);
    // Every character of the test font is an H, so the text map has "!!!!".
    QCOMPARE(pdf.words.size(), 3);
    for (qsizetype page = 1; page < pages.size(); ++page) {
        const double widening = pdf.words[page].box.width() / pdf.words[0].box.width();
        QVERIFY2(std::abs(widening - 1.5) < 0.02, qPrintable(QString::number(widening)));
    }
    QCOMPARE(pdf.contents.size(), 3);
    for (const QByteArray& content : pdf.contents)
        QCOMPARE(textOperators(content), QStringLiteral("Tj Tj Tj Tj"));
    QStringList embedded;
    for (const PdfReadBack::Font& font : pdf.fonts) {
        QVERIFY2(font.embedded, qPrintable(font.name));
        embedded << font.name.mid(font.name.indexOf(u'+') + 1);
    }
    embedded.sort();
    QCOMPARE(embedded, (QStringList{"TestFlexRegular", "TestFlexRegular-wght900opsz12"}));
    QVERIFY(m_fonts.removeFontFile(path));
}

void TestLinuxFontService::damagedVariations_data()
{
    QTest::addColumn<QString>("file");    // in broken/, of the family "Test Broken <file>"
    QTest::addColumn<int>("axes");        // offered
    QTest::addColumn<QString>("first");   // the first axis offered: "tag minimum default maximum"
    QTest::addColumn<int>("instances");
    QTest::addColumn<int>("advance");     // of H at wght 900, as in variations()

    QTest::newRow("a range upside down") << "Range" << 1 << "opsz 8 12 72" << 3 << 600;
    QTest::newRow("no axes") << "NoAxes" << 0 << "" << 0 << 600;
    QTest::newRow("200 axes") << "ManyAxes" << 64 << "wght 100 400 900" << 1 << 900;
    QTest::newRow("a tag twice") << "Twice" << 1 << "wght 100 400 900" << 0 << 900;
    QTest::newRow("instances out of range, one unnamed")
        << "Instances" << 2 << "wght 100 400 900" << 2 << 900;
    QTest::newRow("instance count past the end") << "InstanceCount" << 0 << "" << 0 << 600;
    QTest::newRow("64 instances") << "SixtyFour" << 2 << "wght 100 400 900" << 64 << 900;
    QTest::newRow("avar counting past its end") << "Avar" << 2 << "wght 100 400 900" << 3 << 900;
    QTest::newRow("gvar tuples past their data, the sound one kept")
        << "Gvar" << 2 << "wght 100 400 900" << 3 << 900;
    QTest::newRow("HVAR store past the end") << "Hvar" << 2 << "wght 100 400 900" << 3 << 900;
}

// Broken variation tables offer what is sound in them, or nothing, and draw
// the font's own family: an instance where one can be made, else the default.
void TestLinuxFontService::damagedVariations()
{
    QFETCH(QString, file);
    QFETCH(int, axes);
    QFETCH(QString, first);
    QFETCH(int, instances);
    QFETCH(int, advance);
    const QString path = m_root + "/broken/" + file + ".ttf";
    const QString family = "Test Broken " + file;
    QFile bytes(path);
    QVERIFY(bytes.open(QIODevice::ReadOnly));
    const QByteArray font = bytes.readAll();
    const QString fault = fontnames_fuzz::readAndCheck(
        reinterpret_cast<const uint8_t*>(font.constData()), size_t(font.size()));
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    QVERIFY(m_fonts.addFontFile(path));

    const VariationSpace space = m_fonts.variationSpace(family);
    QCOMPARE(space.axes.size(), axes);
    if (axes) {
        const VariationSpace::Axis& axis = space.axes.first();
        QCOMPARE(QStringLiteral("%1 %2 %3 %4").arg(axis.tag).arg(axis.minimum)
                     .arg(axis.defaultValue).arg(axis.maximum), first);
    }
    QCOMPARE(space.instances.size(), instances);

    FontVariations chosen{{{"wght", 900}, {"opsz", 30}, {"X100", 50}}, {}};
    QFont drawn = m_fonts.makeFont({family, 0, false, false, chosen});
    QVERIFY2(QFontInfo(drawn).family().startsWith(family), qPrintable(QFontInfo(drawn).family()));
    drawn.setPixelSize(1000);
    const QRawFont raw = QRawFont::fromFont(drawn);
    const QList<quint32> glyphs = raw.glyphIndexesForString("H");
    QCOMPARE(glyphs.size(), 1);
    QVERIFY(glyphs.first() != 0);
    QCOMPARE(qRound(raw.advancesForGlyphIndexes(glyphs).value(0).x()), advance);
    // Broken tables may vary an outline's advance otherwise than the instancer.
    if (const auto line = m_fonts.outlinedLine({family, 0, false, false, chosen}, "H", 1000))
        QCOMPARE(line->glyphs.size(), 1);

    SpecimenSettings specimens;
    specimens.setVariations(chosen);
    TfrmVariations dialog(m_fonts, specimens, nullptr);
    dialog.showFamily(family);
    const QList<QDoubleSpinBox*> boxes = dialog.findChildren<QDoubleSpinBox*>();
    QCOMPARE(boxes.size(), axes);
    QCOMPARE(dialog.findChildren<QSlider*>().size(), axes);
    for (const QDoubleSpinBox* box : boxes)
        QVERIFY2(box->minimum() < box->maximum() && box->minimum() <= box->value()
                     && box->value() <= box->maximum(),
                 qPrintable(box->objectName()));
    if (axes)
        QCOMPARE(dialog.findChild<QComboBox*>("cboInstance")->count(), 1 + instances);
    QVERIFY(m_fonts.removeFontFile(path));
}

void TestLinuxFontService::swappedFontFiles_data()
{
    QTest::addColumn<QString>("now");  // what took the listed file's place
    QTest::newRow("nothing") << "gone";
    QTest::newRow("nothing, after an earlier load") << "gone after a load";
    QTest::newRow("a FIFO") << "fifo";
    QTest::newRow("a link to a FIFO") << "link to fifo";
    QTest::newRow("a folder") << "folder";
    QTest::newRow("a FIFO, for an installed face") << "installed fifo";
}

// A file listed a while ago loads, and tells its faces, only if it still is a
// regular file, and nothing that took its place can hold the program up.
void TestLinuxFontService::swappedFontFiles()
{
    QFETCH(QString, now);
    if (now == "installed fifo") {
        const QString installed = m_root + "/fonts/TestSans-Bold.ttf";
        const QString kept = m_root + "/TestSans-Bold.ttf";
        QVERIFY(QFile::rename(installed, kept));
        QCOMPARE(::mkfifo(QFile::encodeName(installed).constData(), 0600), 0);
        FifoGuard guard(QFile::encodeName(installed));
        const QList<FontFileFace> files = m_fonts.familyFiles("Test Sans");
        const bool waited = guard.done();
        QVERIFY(QFile::remove(installed) && QFile::rename(kept, installed));
        QVERIFY2(!waited, "a read waited on the FIFO");
        QCOMPARE(files.size(), 4);
        for (const FontFileFace& file : files)
            QCOMPARE(file.glyphCount < 0, file.path == installed);
        return;
    }
    // A name of its own: the service keeps what it once loaded under the name.
    const QString listed = m_root + "/swapped/" + now + ".ttf";
    const QByteArray name = QFile::encodeName(listed);
    const QByteArray fifo = QFile::encodeName(m_root + "/swapped/fifo");
    QVERIFY(QDir(m_root + "/swapped").removeRecursively() && QDir().mkpath(m_root + "/swapped"));
    QVERIFY(QFile::copy(extra("TestExtra.ttf"), listed));
    if (now == "gone after a load") {
        QVERIFY(m_fonts.addFontFile(listed));
        QVERIFY(m_fonts.removeFontFile(listed));
    }
    QVERIFY(QFile::remove(listed));
    if (now == "fifo")
        QCOMPARE(::mkfifo(name.constData(), 0600), 0);
    if (now == "link to fifo")
        QVERIFY(::mkfifo(fifo.constData(), 0600) == 0 && ::symlink(fifo.constData(), name.constData()) == 0);
    if (now == "folder")
        QVERIFY(QDir().mkpath(listed));

    FifoGuard guard(now == "link to fifo" ? fifo : name);
    const bool loaded = m_fonts.addFontFile(listed);
    const QList<FontFileFace> faces = m_fonts.fileFaces(listed);
    QVERIFY2(!guard.done(), "a read waited on the FIFO");
    QVERIFY(!loaded);
    QVERIFY(faces.isEmpty());
    QVERIFY(!m_fonts.removeFontFile(listed));
    QVERIFY(m_fonts.faces("Test Extra").isEmpty());
}

void TestLinuxFontService::broadcastFontChange()
{
    const QString installed = m_root + "/fonts/TestLate.ttf";
    QSignalSpy changed(&m_fonts, &FontService::fontsChanged);
    QVERIFY(m_fonts.addFontFile(extra("TestExtra.ttf")));
    QVERIFY(!m_fonts.screenFamilies().contains("Test Late"));

    QVERIFY(QFile::copy(extra("TestLate.ttf"), installed));
    m_fonts.broadcastFontChange();
    QCOMPARE(changed.count(), 2);  // the load told the program's views, the broadcast everyone
    QVERIFY(m_fonts.screenFamilies().contains("Test Late"));
    // A loaded file outlives the refresh, and still unloads.
    QCOMPARE(describe(m_fonts.faces("Test Extra")), QString("Regular:T:A"));
    QVERIFY(m_fonts.removeFontFile(extra("TestExtra.ttf")));
    QVERIFY(m_fonts.faces("Test Extra").isEmpty());

    QVERIFY(QFile::remove(installed));
    m_fonts.broadcastFontChange();
    QVERIFY(!m_fonts.screenFamilies().contains("Test Late"));
}

int main(int argc, char** argv)
{
    QTemporaryDir root;
    if (!root.isValid() || !writeTestFonts(root.path()))
        return 1;
    qputenv("FONTCONFIG_FILE", QFile::encodeName(root.filePath("fonts.conf")));
    QApplication app(argc, argv);
    TestLinuxFontService test(root.path());
    return QTest::qExec(&test, argc, argv);
}

#include "tst_linuxfontservice.moc"
