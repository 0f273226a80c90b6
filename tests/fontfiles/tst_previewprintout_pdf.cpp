// The preview printout through the PDF printer, with a font configuration that
// knows only the heading font: the previewed files are known only once loaded.
#include "fakes/PdfReadBack.h"
#include "fontfiles/FontFolderPreview.h"
#include "fontfiles/PreviewPrintout.h"
#include "platform/linux/LinuxFontService.h"
#include "platform/linux/LinuxPrinterService.h"
#include "printing/PrintProgress.h"
#include "printing/PrintState.h"

#include <QApplication>
#include <QFile>
#include <QRawFont>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr const char* kDejaVu = "/usr/share/fonts/truetype/dejavu/";

// At 600 dpi with a quarter-inch border, device pixel p lies at 18 + p * 0.12 points.
double pt(int pixels)
{
    return 18 + pixels * 72.0 / 600;
}

class NoProgress : public PrintProgress {
public:
    void setSelectedCaption(const QString&) override {}
    void setPrintedCaption(const QString&) override {}
    void showProgress() override {}
    void hideProgress() override {}
    void showSavedFile(const QString&) override {}
};

}  // namespace

class tst_previewprintout_pdf : public QObject {
    Q_OBJECT
public:
    explicit tst_previewprintout_pdf(const QString& root) : m_root(root) {}

private slots:
    void filesPrintInTheirOwnFaces();
    void eachFileInItsOwnFace();

private:
    QString m_root;
};

void tst_previewprintout_pdf::filesPrintInTheirOwnFaces()
{
    const QString folder = m_root + "/preview/";
    QVERIFY(QDir().mkpath(folder));
    for (const char* file : {"DejaVuSerif.ttf", "DejaVuSansMono-Bold.ttf"})
        QVERIFY(QFile::copy(kDejaVu + QLatin1String(file), folder + QLatin1String(file)));

    LinuxFontService fonts;
    QVERIFY(!fonts.screenFamilies().contains("DejaVu Serif"));
    LinuxPrinterService printer(fonts);
    printer.setCurrentIndex(int(printer.printers().indexOf(LinuxPrinterService::pdfPrinterName())));
    const QString pdfPath = m_root + "/preview.pdf";
    printer.setPdfFileName(pdfPath);
    NoProgress progress;
    PrintState state;
    PreviewPrintout printout(printer, progress, state);

    QStringList loaded;
    PreviewPrintout::Hooks hooks;
    hooks.processEvents = [] {};
    hooks.startLoading = [](const QString&) {};
    hooks.loadFontFile = [&](const FontFileItem& item) {
        const QString path = folder + item.second.FileName;
        loaded << item.second.FileName;
        const bool added = fonts.addFontFile(path);
        QTest::qVerify(added, "fonts.addFontFile(path)", "", __FILE__, __LINE__);
        return added ? path : QString();
    };
    const QList<FontFileItem> items{{"DejaVu Sans Mono Bold", {"DejaVu Sans Mono", "DejaVuSansMono-Bold.ttf"}},
                                    {"DejaVu Serif", {"DejaVu Serif", "DejaVuSerif.ttf"}}};
    const PreviewPrintout::Page page{"Liberation Sans", "Files",
                                     {"ABCDEFGHIJKLMNOPQRSTUVWXYZ", "abcdefghijklmnopqrstuvwxyz1234567890",
                                      "Sphinx of black quartz"},
                                     11, {}};
    QVERIFY(printout.print(items, folder, page, hooks));
    QCOMPARE(loaded, (QStringList{"DejaVuSansMono-Bold.ttf", "DejaVuSerif.ttf"}));

    const PdfReadBack pdf(pdfPath);
    QCOMPARE(pdf.pages, 1);
    // At 11 points a block is Y(0.17) = 102 + 3 x 121 + the gap 60 = 525 pixels.
    const QList<QPair<QString, int>> expected{{"DejaVu", 480},
                                              {"ABCDEFGHIJKLMNOPQRSTUVWXYZ", 582},
                                              {"Sphinx", 824},
                                              {"DejaVu", 1005},
                                              {"abcdefghijklmnopqrstuvwxyz1234567890", 1228}};
    for (const auto& [text, y] : expected) {
        QList<double> tops;
        for (const PdfReadBack::Word& word : pdf.words) {
            if (word.text == text && std::abs(word.box.top() - pt(y)) < 1.0)
                tops << word.box.left();
        }
        QVERIFY2(tops.size() == 1 && std::abs(tops.first() - pt(360)) < 1.0, qPrintable(text));
    }
    QVERIFY(pdf.find("Mono") && pdf.find("Serif"));
    // The heading line: the title and the size, no style.
    QStringList heading;
    for (const PdfReadBack::Word& word : pdf.words) {
        if (std::abs(word.box.top() - pt(270)) < 1.0)
            heading << word.text;
    }
    QCOMPARE(heading, (QStringList{"Files", "Size:", "11", "points"}));

    QStringList embedded;
    for (const PdfReadBack::Font& font : pdf.fonts) {
        QVERIFY2(font.embedded, qPrintable(font.name));
        embedded << font.name.mid(font.name.indexOf(u'+') + 1);
    }
    embedded.sort();
    QCOMPARE(embedded, (QStringList{"DejaVuSansMono-Bold", "DejaVuSerif", "LiberationSans"}));
}

// The faces of one family, read and loaded as the Preview/Install page does,
// the condensed one with a full name too long to request as a face.
void tst_previewprintout_pdf::eachFileInItsOwnFace()
{
    const QString folder = m_root + "/family/";
    QVERIFY(QDir().mkpath(folder));
    const QStringList files{"DejaVuSans.ttf", "DejaVuSans-Bold.ttf", "DejaVuSans-Oblique.ttf",
                            "DejaVuSansCondensed-BoldOblique.ttf"};
    for (const QString& file : files)
        QVERIFY(QFile::copy(kDejaVu + file, folder + file));

    LinuxFontService fonts;
    FontFolderPreview preview(fonts);
    QCOMPARE(preview.runLoading(folder, FontFolderPreview::fontFileNames(folder), {}),
             FontFolderPreview::RunResult::Finished);
    QVERIFY(preview.available().items.contains(FontFileItem{
        "DejaVu Sans Condensed Bold Oblique",
        {"DejaVu Sans Condensed", "DejaVuSansCondensed-BoldOblique.ttf"}}));
    // On screen: each file's own face, as FreeType reads it from the file.
    for (int row = 0; row < files.size(); ++row) {
        preview.setCurrent(FontFolderPreview::Side::Available, row);
        const auto sample = preview.ShowPreviewSample(FontFolderPreview::Side::Available);
        QVERIFY(sample);
        const QRawFont shown = QRawFont::fromFont(sample->font);
        const QRawFont file(preview.SampleFontFile(), 12);
        QCOMPARE(shown.familyName() + u'/' + shown.styleName(),
                 file.familyName() + u'/' + file.styleName());
    }
    preview.moveAll(FontFolderPreview::Side::Available);

    LinuxPrinterService printer(fonts);
    printer.setCurrentIndex(int(printer.printers().indexOf(LinuxPrinterService::pdfPrinterName())));
    const QString pdfPath = m_root + "/family.pdf";
    printer.setPdfFileName(pdfPath);
    NoProgress progress;
    PrintState state;
    PreviewPrintout printout(printer, progress, state);
    PreviewPrintout::Hooks hooks;
    hooks.processEvents = [] {};
    hooks.startLoading = [&](const QString& from) {
        preview.UnloadPrintedFonts();
        preview.PrintLoadFolder = from;
    };
    hooks.loadFontFile = [&](const FontFileItem& item) { return preview.loadPrintedFont(item); };
    const PreviewPrintout::Page page{"Liberation Sans", "Family", {"ABC", "abc", "Sample"}, 11, {}};
    QVERIFY(printout.print(preview.selected().items, preview.PreviewFolder(), page, hooks));

    QStringList embedded;
    for (const PdfReadBack::Font& font : PdfReadBack(pdfPath).fonts)
        embedded << font.name.mid(font.name.indexOf(u'+') + 1);
    embedded.sort();
    QCOMPARE(embedded, (QStringList{"DejaVuSans", "DejaVuSans-Bold", "DejaVuSans-Oblique",
                                    "DejaVuSansCondensed-BoldOblique", "LiberationSans"}));
    preview.UnloadSampleFont();
    preview.UnloadPrintedFonts();
    QVERIFY(fonts.faces("DejaVu Sans").isEmpty());
}

int main(int argc, char** argv)
{
    QTemporaryDir root;
    QFile conf(root.filePath("fonts.conf"));
    if (!root.isValid() || !conf.open(QIODevice::WriteOnly))
        return 1;
    conf.write(QStringLiteral("<?xml version=\"1.0\"?>\n"
                              "<!DOCTYPE fontconfig SYSTEM \"urn:fontconfig:fonts.dtd\">\n"
                              "<fontconfig>\n  <dir>/usr/share/fonts/truetype/liberation2</dir>\n"
                              "  <cachedir>%1/cache</cachedir>\n</fontconfig>\n")
                   .arg(root.path().toHtmlEscaped())
                   .toUtf8());
    conf.close();
    qputenv("FONTCONFIG_FILE", QFile::encodeName(conf.fileName()));
    QApplication app(argc, argv);
    tst_previewprintout_pdf test(root.path());
    return QTest::qExec(&test, argc, argv);
}

#include "tst_previewprintout_pdf.moc"
