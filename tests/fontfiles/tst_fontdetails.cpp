// The font details of real files through real fontconfig and FreeType,
// field by field against an independent reader (fontTools and fc-query), and
// the details dialog over them.

#include "app/TfrmFontDetails.h"
#include "fakes/FakeShell.h"
#include "fakes/GeneratedFonts.h"
#include "platform/linux/LinuxFontService.h"
#include "platform/linux/UnicodeBlocksFile.h"

#include "SfntBuilder.h"

#include <QApplication>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <numeric>

using Installed = FaceDetails::Installed;
Q_DECLARE_METATYPE(FaceDetails::Installed)

namespace {

const QString kDejaVuSans = QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");

QJsonObject independentFacts(const QString& path, int face)
{
    QProcess facts;
    facts.start(QStringLiteral("/usr/bin/python3"),
                {QStringLiteral(GLYPHARY_TEST_DATA_DIR "/font_facts.py"), path,
                 QString::number(face)});
    if (!facts.waitForFinished(60000) || facts.exitCode() != 0)
        qFatal("font_facts.py failed: %s", facts.readAllStandardError().constData());
    return QJsonDocument::fromJson(facts.readAllStandardOutput()).object();
}

// One character at each code point.
QList<FontFileFace::CoveragePage> coverageOf(std::initializer_list<char32_t> codes)
{
    QList<FontFileFace::CoveragePage> pages;
    for (char32_t code : codes) {
        auto it = std::find_if(pages.begin(), pages.end(),
                               [code](const auto& page) { return page.page == code >> 8; });
        if (it == pages.end())
            it = pages.insert(pages.end(), {code >> 8, {}});
        it->bits[(code & 0xFF) / 32] |= 1U << (code % 32);
    }
    return pages;
}

// The file with every naming record's string moved past the end of the file.
QByteArray withNamesPastEnd(QByteArray font)
{
    const qsizetype table = sfnt::nameTableStart(font);
    const int count = quint8(font[table + 2]) << 8 | quint8(font[table + 3]);
    for (int record = 0; record < count; ++record)
        sfnt::putBe16(font, table + 6 + 12 * record + 10, 0xFFF0);
    return font;
}

}  // namespace

class TestFontDetails : public QObject {
    Q_OBJECT
public:
    explicit TestFontDetails(const QString& root) : root_(root) {}

private:
    QString root_;
    LinuxFontService fonts_;
    const UnicodeBlockNames blockNames_ = readUnicodeBlocks(UnicodeBlocksPath);
    FakeShell shell_;

private slots:
    void initTestCase()
    {
        if (!QFile::exists(kDejaVuSans))
            QSKIP("DejaVu Sans (fonts-dejavu-core) is not installed");
    }

    // Every field equals what fontTools and fc-query read, for files of
    // every kind and every state of installation.
    void fields_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("face");
        QTest::addColumn<QString>("format");
        QTest::addColumn<Installed>("installed");

        QTest::newRow("generated, every name") << root_ + "/details/TestDetails.ttf" << 0
                                               << "TrueType" << Installed::No;
        QTest::newRow("generated collection, second face")
            << root_ + "/details/TestPair.ttc" << 1 << "TrueType, collection index 1"
            << Installed::No;
        QTest::newRow("generated CFF, in the user's folder")
            << root_ + "/fonts/TestBook-Bold.otf" << 0 << "OpenType CFF" << Installed::ForThisUser;
        QTest::newRow("DejaVu Sans") << kDejaVuSans << 0 << "TrueType" << Installed::ForAllUsers;
    }

    void fields()
    {
        QFETCH(QString, path);
        QFETCH(int, face);
        QFETCH(QString, format);
        QFETCH(Installed, installed);
        const QList<FaceDetails> all = fileDetails(fonts_, blockNames_, path, root_ + "/fonts");
        QVERIFY(face < all.size());
        const FaceDetails& details = all[face];
        const QJsonObject facts = independentFacts(path, face);

        const QJsonObject names = facts["names"].toObject();
        for (int id = 0; id < FontNameStrings::kCount; ++id)
            QCOMPARE(details.names[id], names[QString::number(id)].toString());
        QCOMPARE(details.glyphCount, facts["glyphs"].toInt());
        QCOMPARE(details.characterCount, facts["characters"].toInt());
        QCOMPARE(details.format, format);
        QCOMPARE(facts["format"].toString(), format.section(u',', 0, 0).remove("OpenType "));
        QCOMPARE(details.languages, facts["languages"].toVariant().toStringList());
        QCOMPARE(details.installed, installed);
        // Every character in one block, the first of them Basic Latin.
        QVERIFY(!details.blocks.isEmpty());
        QCOMPARE(details.blocks.first(), (FaceDetails::Block{"Basic Latin", facts["basicLatin"].toInt()}));
        QCOMPARE(std::accumulate(details.blocks.begin(), details.blocks.end(), 0,
                                 [](int sum, const FaceDetails::Block& b) { return sum + b.characters; }),
                 details.characterCount);
    }

    // Blocks are named as Unicode names them where its list is read, and as
    // ICU's aliases where it is missing or does not know the block's range.
    void blockNames_data()
    {
        QTest::addColumn<QString>("path");   // empty: a file of the text
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QStringList>("names");
        const QStringList icu{"Basic Latin", "Latin 1 Supplement", "Greek And Coptic",
                              "Supplemental Arrows A", "Miscellaneous Symbols And Arrows"};
        QTest::newRow("Debian's list") << UnicodeBlocksPath << QByteArray()
                                       << QStringList{"Basic Latin", "Latin-1 Supplement",
                                                      "Greek and Coptic", "Supplemental Arrows-A",
                                                      "Miscellaneous Symbols and Arrows"};
        QTest::newRow("missing") << root_ + "/no such folder/Blocks.txt" << QByteArray() << icu;
        QTest::newRow("a folder") << root_ << QByteArray() << icu;
        QTest::newRow("empty") << QString() << QByteArray() << icu;
        QTest::newRow("sample") << QString()
                                << QByteArray("# Blocks-99.0.0.txt\n"
                                              "0000..007F; Basic Latin\n"
                                              "  0080..00ff ; Latin-1 Supplement  # comment\r\n"
                                              "0370..03FF;\n"
                                              "27F0..27FE; Arrows of another shape\n"
                                              "2B00..2BFF; Symbols & Arrows\n"
                                              "not a block\n"
                                              "10FFF0..110000; Beyond Unicode")
                                << QStringList{"Basic Latin", "Latin-1 Supplement", "Greek And Coptic",
                                               "Supplemental Arrows A", "Symbols & Arrows"};
    }

    void blockNames()
    {
        QFETCH(QString, path);
        QFETCH(QByteArray, text);
        QFETCH(QStringList, names);
        if (path.isEmpty()) {
            path = root_ + "/Blocks-" + QTest::currentDataTag() + ".txt";
            QFile sample(path);
            QVERIFY(sample.open(QIODevice::WriteOnly) && sample.write(text) == text.size());
        }
        const QList<FaceDetails::Block> blocks =
            unicodeBlocks(coverageOf({u'A', 0xE9, 0x3B1, 0x27F0, 0x2B50}), readUnicodeBlocks(path));
        QStringList shown;
        for (const FaceDetails::Block& block : blocks)
            shown << block.name;
        QCOMPARE(shown, names);
    }

    // Languages by name in the user's language, with their tags.
    void languages_data()
    {
        QTest::addColumn<QStringList>("tags");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("shown");
        const QStringList tags{"zh-tw", "af", "xyz", "de", "ast"};
        QTest::newRow("English") << tags << "en_GB"
                                 << QStringList{"Afrikaans (af)", "Asturian (ast)", "Chinese (Taiwan) (zh-tw)",
                                                "German (de)", "xyz"};
        QTest::newRow("German") << tags << "de_DE"
                                << QStringList{"Afrikaans (af)", "Asturisch (ast)", "Chinesisch (Taiwan) (zh-tw)",
                                               "Deutsch (de)", "xyz"};
        QTest::newRow("C locale") << QStringList{"ak", "an"} << "C"
                                  << QStringList{"Akan (ak)", "Aragonese (an)"};
        QTest::newRow("not a tag") << QStringList{"en", QString::fromUtf8("d\u00e9"), "a b"} << "en"
                                   << QStringList{"a b", QString::fromUtf8("d\u00e9"), "English (en)"};
    }

    void languages()
    {
        QFETCH(QStringList, tags);
        QFETCH(QString, locale);
        QFETCH(QStringList, shown);
        QCOMPARE(languageNames(tags, QLocale(locale)), shown);
    }

    // Only a whole web address links, to itself; the rest is text.
    void links_data()
    {
        QTest::addColumn<QString>("stated");
        QTest::addColumn<QUrl>("target");

        const QString longUrl = "https://example.org/" + QString(300, u'b');
        QTest::newRow("https") << "https://foundry.example.org/license?a=1#x"
                               << QUrl("https://foundry.example.org/license?a=1#x");
        QTest::newRow("long, whole") << longUrl << QUrl(longUrl);
        QTest::newRow("cut short") << longUrl.left(200) + u'…' << QUrl();
        QTest::newRow("no scheme") << "www.example.org/fonts" << QUrl("http://www.example.org/fonts");
        QTest::newRow("bare host") << "designer.example.org" << QUrl("http://designer.example.org");
        QTest::newRow("scheme without its colon") << "https//example.org" << QUrl();
        QTest::newRow("one word") << "localhost" << QUrl();
        QTest::newRow("markup") << R"(<img src="file:///dev/zero">)" << QUrl();
        QTest::newRow("markup after an address") << R"(http://a.org/<img src="x">)" << QUrl();
        QTest::newRow("mail") << "mailto:a@example.org?attach=/etc/passwd" << QUrl();
        QTest::newRow("file") << "file:///etc/passwd" << QUrl();
        QTest::newRow("no host") << "http:///etc/passwd" << QUrl();
        QTest::newRow("javascript") << "javascript:alert(1)" << QUrl();
        QTest::newRow("words") << "see our site" << QUrl();
    }

    void links()
    {
        QFETCH(QString, stated);
        QFETCH(QUrl, target);
        QCOMPARE(webAddress(stated), target);
    }

    // The dialog: one tab per face, links and the folder opened by the
    // desktop, and a file whose names all point past its end shown with
    // every name "not stated".
    void dialog()
    {
        TfrmFontDetails dialog(fonts_, blockNames_, shell_, root_ + "/fonts", nullptr);
        dialog.show();
        dialog.showFamily("Test Sans");
        QCOMPARE(dialog.findChild<QTabWidget*>("tabFaces")->count(), 4);
        QCOMPARE(dialog.findChild<QTabWidget*>("tabFaces")->tabText(3), "Bold Italic");
        QCOMPARE(dialog.findChild<QTabWidget*>("tabFaces")->widget(0)->findChild<QLabel*>("installed")->text(),
                 "For this user");

        const QString details = root_ + "/details/TestDetails.ttf";
        dialog.showFile(details);
        QWidget* page = dialog.findChild<QTabWidget*>("tabFaces")->widget(0);
        QCOMPARE(page->findChild<QLabel*>("designer")->text(), u"Zoë Ångström");
        QCOMPARE(page->findChild<QLabel*>("installed")->text(), "Not installed");
        // Whatever a file states, no label of it takes it for markup.
        for (const QLabel* label : page->findChildren<QLabel*>())
            QVERIFY2(label->objectName().isEmpty() || label->textFormat() == Qt::PlainText,
                     qPrintable(label->objectName()));
        QTest::mouseClick(page->findChild<QLabel*>("licenseUrl"), Qt::LeftButton);
        QTest::mouseClick(page->findChild<QLabel*>("designerUrl"), Qt::LeftButton);
        QTest::mouseClick(page->findChild<QPushButton*>("cmdShowInFolder"), Qt::LeftButton);
        QCOMPARE(shell_.urls, (QList<QUrl>{QUrl("https://foundry.example.org/license"),
                                          QUrl("http://designer.example.org"),
                                          QUrl::fromLocalFile(root_ + "/details")}));

        // A variable face is one tab, however many instances it names.
        dialog.showFile(root_ + "/extra/TestFlex.ttf");
        QCOMPARE(dialog.findChild<QTabWidget*>("tabFaces")->count(), 1);
        page = dialog.findChild<QTabWidget*>("tabFaces")->widget(0);
        QCOMPARE(page->findChild<QLabel*>("axes")->text(),
                 "Weight (wght): 100 to 900, default 400\nOptical size (opsz): 8 to 72, default 12");
        QCOMPARE(page->findChild<QLabel*>("instances")->text(),
                 "Thin: opsz 12, wght 100\nRegular: opsz 12, wght 400\nBlack: opsz 12, wght 900");

        QFile source(details);
        QVERIFY(source.open(QIODevice::ReadOnly));
        const QString hostile = root_ + "/details/Hostile.ttf";
        QFile file(hostile);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(withNamesPastEnd(source.readAll()));
        file.close();
        dialog.showFile(hostile);
        QCOMPARE(dialog.findChild<QTabWidget*>("tabFaces")->count(), 1);
        page = dialog.findChild<QTabWidget*>("tabFaces")->widget(0);
        for (const char* name : {"fullName", "style", "version", "uniqueId", "designer",
                                 "designerUrl", "manufacturer", "vendorUrl", "copyright",
                                 "trademark", "license", "licenseUrl", "description"})
            QCOMPARE(page->findChild<QLabel*>(name)->text(), "not stated");
        QCOMPARE(page->findChild<QLabel*>("glyphs")->text(), "3");
    }
};

int main(int argc, char** argv)
{
    QTemporaryDir root;
    if (!root.isValid() || !writeTestFonts(root.path()))
        return 1;
    // The generated fonts stand in for the user's own, DejaVu Sans for everyone's.
    QFile conf(root.filePath("details.conf"));
    if (!conf.open(QIODevice::WriteOnly))
        return 1;
    conf.write(QStringLiteral("<?xml version=\"1.0\"?>\n<fontconfig>\n  <dir>%1/fonts</dir>\n"
                              "  <dir>/usr/share/fonts/truetype/dejavu</dir>\n"
                              "  <cachedir>%1/cache</cachedir>\n</fontconfig>\n")
                   .arg(root.path().toHtmlEscaped())
                   .toUtf8());
    conf.close();
    qputenv("FONTCONFIG_FILE", QFile::encodeName(conf.fileName()));
    QApplication app(argc, argv);
    TestFontDetails test(root.path());
    return QTest::qExec(&test, argc, argv);
}

#include "tst_fontdetails.moc"
