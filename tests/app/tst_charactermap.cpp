// The Font Map page's Unicode blocks and the chart of all characters over the
// real font backend, with a fontconfig configuration of generated fonts whose
// character sets are known, and DejaVu Sans for headings.
#include "app/FontMapPage.h"
#include "app/MainPage.h"
#include "app/TfrmMain.h"
#include "fakes/FakePlatform.h"
#include "fakes/GeneratedFonts.h"
#include "fakes/PdfReadBack.h"
#include "platform/linux/LinuxFontService.h"
#include "platform/linux/LinuxPrinterService.h"
#include "platform/linux/UnicodeBlocksFile.h"
#include "printing/TfrmPrinting.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

namespace {

const QString CodePage = QString::fromUtf8("Windows-1252 (32–255)");

struct Window {
    explicit Window(const QString& root) : folder(root + "/coverage/")
    {
        for (const char* file : {"TestCyrillic.ttf", "TestNoCmap.ttf"})
            fonts.addFontFile(folder + QLatin1String(file));
        printer.setCurrentIndex(int(printer.printers().indexOf(LinuxPrinterService::pdfPrinterName())));
        frmMain = std::make_unique<TfrmMain>(platform);
        frmMain->FormCreate();
        frmMain->setPrintingDialog(new TfrmPrinting(frmMain->printState, frmMain.get()));
        frmMain->show();
        QVERIFY(QTest::qWaitForWindowExposed(frmMain.get()));
    }
    ~Window()
    {
        frmMain.reset();
        for (const char* file : {"TestCyrillic.ttf", "TestNoCmap.ttf"})
            fonts.removeFontFile(folder + QLatin1String(file));
    }
    template <typename T>
    T* find(const char* name) const { return frmMain->findChild<T*>(name); }
    // False when the printer's list lacks the family: then none is current.
    bool choose(const QString& family)
    {
        auto* list = find<QListView>("lstFonts");
        const QModelIndexList hits = list->model()->match(list->model()->index(0, 0), Qt::DisplayRole,
                                                          family, 1, Qt::MatchExactly);
        list->setCurrentIndex(hits.value(0));
        return !hits.isEmpty();
    }
    void enterFontMap()
    {
        auto* tabs = find<QTabWidget>("PageControl1");
        tabs->tabBar()->setCurrentIndex(tabs->indexOf(find<QWidget>("tabMain")));
        tabs->tabBar()->setCurrentIndex(tabs->indexOf(find<QWidget>("tabFontMap")));
    }

    QString folder;
    LinuxFontService fonts;
    LinuxPrinterService printer{fonts};
    FakePlatform fake;
    Platform platform{fonts,      printer,       fake.screen, fake.settings, fake.ini,
                      fake.shell, fake.messages, fake.help,   fake.errors,   fake.platform.appFolder,
                      fake.platform.appFolder, readUnicodeBlocks(UnicodeBlocksPath)};
    std::unique_ptr<TfrmMain> frmMain;
};

QString ucs4(char32_t code)
{
    return QString::fromUcs4(&code, 1);
}

}  // namespace

class TestCharacterMap : public QObject {
    Q_OBJECT
public:
    explicit TestCharacterMap(const QString& root) : m_root(root) {}

private slots:
    void blocks_data();
    void blocks();
    void allCharactersChart();

private:
    QString m_root;
};

void TestCharacterMap::blocks_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<QStringList>("blocks");
    QTest::addColumn<QString>("find");
    QTest::addColumn<QString>("label");    // after the find; empty when nothing is found
    QTest::addColumn<QString>("message");  // beside the find field
    QTest::addColumn<QString>("codePageA");  // the code page's cell for code 65

    const QStringList sans{"Basic Latin (95 of 128)", "Latin-1 Supplement (96 of 128)",
                           "Latin Extended-A (128 of 128)"};
    const QStringList cyrillic{"Basic Latin (95 of 128)", "Greek and Coptic (2 of 144)",
                               "Cyrillic (64 of 256)",    "Currency Symbols (1 of 48)",
                               "Private Use Area (1 of 6400)", "Emoticons (1 of 80)"};
    const QString zhe = QString::fromUtf8("Current Character:  U+0416  Ж  CYRILLIC CAPITAL LETTER ZHE");
    QTest::newRow("by code point") << "Test Sans" << sans << "0x17f"
                                   << QString::fromUtf8("Current Character:  U+017F  ſ  LATIN SMALL LETTER LONG S")
                                   << "" << "A";
    QTest::newRow("by word of a name") << "Test Cyrillic" << cyrillic << "zhe" << zhe << "" << "A";
    QTest::newRow("by whole name") << "Test Cyrillic" << cyrillic << " cyrillic capital letter zhe " << zhe << "" << "A";
    QTest::newRow("by character") << "Test Cyrillic" << cyrillic << QString::fromUtf8("Ж") << zhe << "" << "A";
    // RUPEE SIGN and LATIN SMALL LETTER ALPHA come first but are missing.
    QTest::newRow("first match the family has") << "Test Cyrillic" << cyrillic << "rupee"
                                                 << QString::fromUtf8("Current Character:  U+20B9  ₹  INDIAN RUPEE SIGN")
                                                 << "" << "A";
    QTest::newRow("part of a word") << "Test Cyrillic" << cyrillic << "lpha"
                                    << QString::fromUtf8("Current Character:  U+03B1  α  GREEK SMALL LETTER ALPHA")
                                    << "" << "A";
    QTest::newRow("above U+FFFF") << "Test Cyrillic" << cyrillic << "U+1F600"
                                  << QString::fromUtf8("Current Character:  U+1F600  😀  GRINNING FACE") << "" << "A";
    QTest::newRow("private use") << "Test Cyrillic" << cyrillic << "u+e000"
                                 << "Current Character:  U+E000  " + ucs4(0xE000) + "  <private use>" << "" << "A";
    QTest::newRow("unassigned") << "Test Cyrillic" << cyrillic << "0x378"
                                << "Current Character:  U+0378  " + ucs4(0x378) + "  <unassigned>" << "" << "A";
    QTest::newRow("name not in the font") << "Test Cyrillic" << cyrillic << "zhe with breve" << ""
                                          << "not in this font" << "A";
    QTest::newRow("beyond Unicode") << "Test Cyrillic" << cyrillic << "U+110000" << "" << "no such character" << "A";
    QTest::newRow("10,000 characters") << "Test Cyrillic" << cyrillic << QString(10000, u'x') << ""
                                       << "no such character" << "A";
    // fontconfig adds the symbol codes' single-byte twins, as the font's own
    // encoding would have it.
    QTest::newRow("symbol family") << "Test Symbol" << QStringList{"Basic Latin (96 of 128)", "Latin-1 Supplement (128 of 128)",
                                                                   "Private Use Area (224 of 6400)"}
                                   << "U+F041" << "Current Character:  U+F041  " + ucs4(0xF041) + "  <private use>"
                                   << "" << ucs4(0xF041);
    QTest::newRow("empty character set") << "Test Pixel" << QStringList() << "H" << "" << "not in this font" << "A";
    // fontconfig reads what it can from the glyph names.
    QTest::newRow("no character map") << "Test No Cmap" << QStringList{"Basic Latin (2 of 128)", "Latin-1 Supplement (1 of 128)"}
                                      << "H" << "Current Character:  U+0048  H  LATIN CAPITAL LETTER H"
                                      << "" << "A";
}

void TestCharacterMap::blocks()
{
    QFETCH(QString, family);
    QFETCH(QStringList, blocks);
    QFETCH(QString, find);
    QFETCH(QString, label);
    QFETCH(QString, message);
    QFETCH(QString, codePageA);

    Window w(m_root);
    const bool listed = w.choose(family);
    w.enterFontMap();
    auto* chooser = w.find<QComboBox>("cboCharBlock");
    auto* grid = w.find<QTableWidget>("grdFontMap");
    auto* lblCurrChar = w.find<QLabel>("lblCurrChar");
    auto* pnlCurrChar = w.find<QLabel>("pnlCurrChar");
    QStringList entries;
    for (int i = 0; i < chooser->count(); ++i)
        entries << chooser->itemText(i);
    QCOMPARE(entries, QStringList{CodePage} + blocks);

    // Every block holds its characters and nothing in the cells it lacks.
    for (int i = 1; i < chooser->count(); ++i) {
        chooser->setCurrentIndex(i);
        int filled = 0;
        for (int row = 0; row < grid->rowCount(); ++row)
            for (int column = 0; column < grid->columnCount(); ++column)
                filled += grid->item(row, column) && !grid->item(row, column)->text().isEmpty();
        QCOMPARE(QString::number(filled), blocks[i - 1].section(u'(', 1).section(u' ', 0, 0));
        QVERIFY(!pnlCurrChar->text().isEmpty());
    }

    auto* field = w.find<QLineEdit>("txtFindChar");
    field->setText(find);
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(w.find<QLabel>("lblFindChar")->text(), message);
    if (!label.isEmpty()) {
        QCOMPARE(lblCurrChar->text(), label);
        QVERIFY(chooser->currentIndex() > 0);
        // The found cell is in view, and a double-click or Ctrl+C copies it.
        const QRect cell = grid->visualRect(grid->currentIndex());
        QVERIFY(grid->viewport()->rect().contains(cell));
        QApplication::clipboard()->clear();
        QTest::keySequence(grid, QKeySequence::Copy);
        QCOMPARE(QApplication::clipboard()->text(), pnlCurrChar->text());
        QApplication::clipboard()->clear();
        // The press before a double-click, as a mouse makes it.
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        QVERIFY(QApplication::clipboard()->text().isEmpty());
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(QApplication::clipboard()->text(), pnlCurrChar->text());
    }

    // Every entry to the page shows the design's map again.
    w.enterFontMap();
    QCOMPARE(chooser->currentIndex(), 0);
    QCOMPARE(grid->rowCount(), 7);
    QCOMPARE(grid->item(1, 1)->text(), codePageA);
    QCOMPARE(grid->item(3, 0)->text(), codePageA == "A" ? QString(QChar(0x20AC)) : ucs4(0xF080));
    if (listed) {
        QCOMPARE(lblCurrChar->text(), "Current Character:  65  A");
        QCOMPARE(w.find<QLabel>("lblFindChar")->text(), QString());
    }
}

void TestCharacterMap::allCharactersChart()
{
    Window w(m_root);
    const QString path = QDir(m_root).filePath("all.pdf");
    w.printer.setPdfFileName(path);
    w.choose("Test Cyrillic");
    auto* allChars = w.find<QCheckBox>("chkAllChars");
    QVERIFY(!allChars->isEnabled());
    w.find<QCheckBox>("chkCharChart")->setChecked(true);
    allChars->setChecked(true);
    w.find<QPushButton>("cmdPrint")->click();

    const PdfReadBack pdf(path);
    // Six headed blocks of fifteen rows fill more than one chart's sixteen.
    QCOMPARE(pdf.pages, 2);
    // At 600 dpi with a quarter-inch border, device pixel p lies at 18 + p * 0.12 points.
    const auto pt = [](int pixels) { return 18 + pixels * 72.0 / 600; };
    QStringList headings;
    for (const PdfReadBack::Word& word : pdf.words) {
        if (word.text.endsWith(u')') && !word.text.startsWith(u'('))
            headings << QStringLiteral("%1:%2").arg(word.page).arg(word.text);
    }
    QCOMPARE(headings, (QStringList{"0:128)", "0:144)", "0:256)", "0:48)", "1:6400)", "1:80)"}));
    // Headed by Unicode's names, as the chooser is.
    QStringList text;
    for (const PdfReadBack::Word& word : pdf.words)
        text << word.text;
    QVERIFY(text.join(u' ').contains("Greek and Coptic (2 of 144)"));
    // The first block's name 240 pixels under the family heading's 360.
    const PdfReadBack::Word* basic = pdf.find("Basic", 0);
    QVERIFY(basic && std::abs(basic->box.left() - pt(450)) < 1.0 && std::abs(basic->box.top() - pt(600)) < 1.0);
    // Rows 330 pixels apart, a heading 240 above its first row's labels.
    const struct {
        const char* label;
        int page;
        int column;
        int y;  // label line in pixels
    } cells[] = {
        {"0020", 0, 0, 840},
        {"007E", 0, 14, 840 + 5 * 330},
        {"0378", 0, 8, 3060},
        {"03B1", 0, 1, 3060 + 330},
        {"0410", 0, 0, 3960},
        {"044F", 0, 15, 3960 + 3 * 330},
        // The last heading and row that fit above the sixteenth row's line.
        {"20B9", 0, 9, 5520},
        {"E000", 1, 0, 840},
        {"1F600", 1, 0, 1410},
    };
    for (const auto& cell : cells) {
        const PdfReadBack::Word* word = pdf.find(QLatin1String(cell.label), cell.page);
        QVERIFY2(word, cell.label);
        QVERIFY2(std::abs(word->box.left() - pt(150 + (cell.column + 1) * 258)) < 1.0
                     && std::abs(word->box.top() - pt(cell.y)) < 1.5,
                 qPrintable(QStringLiteral("%1 at %2,%3").arg(cell.label).arg(word->box.left()).arg(word->box.top())));
    }
    // Cells the family lacks stay empty.
    QVERIFY(!pdf.find("0400"));
    QVERIFY(!pdf.find("007F"));
}

int main(int argc, char** argv)
{
    QTemporaryDir root;
    if (!root.isValid() || !writeTestFonts(root.path()))
        return 1;
    // The generated fonts, and DejaVu Sans for the default heading font.
    QFile conf(root.filePath("fonts.conf"));
    if (!conf.open(QIODevice::ReadOnly))
        return 1;
    QByteArray text = conf.readAll();
    conf.close();
    text.replace("</fontconfig>", "  <dir>/usr/share/fonts/truetype/dejavu</dir>\n"
                                  "  <alias><family>Arial</family><prefer><family>DejaVu Sans</family></prefer></alias>\n"
                                  "</fontconfig>");
    if (!conf.open(QIODevice::WriteOnly | QIODevice::Truncate) || conf.write(text) != text.size())
        return 1;
    conf.close();
    qputenv("FONTCONFIG_FILE", QFile::encodeName(root.filePath("fonts.conf")));
    QApplication app(argc, argv);
    TestCharacterMap test(root.path());
    return QTest::qExec(&test, argc, argv);
}

#include "tst_charactermap.moc"
