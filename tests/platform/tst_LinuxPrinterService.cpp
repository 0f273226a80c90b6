#include "fakes/FakeFontService.h"
#include "fakes/PdfReadBack.h"
#include "platform/Canvas.h"
#include "platform/linux/LinuxPrinterService.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QScopeGuard>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// Without qpdf's retired smart pointer.
#define POINTERHOLDER_TRANSITION 4
#include <qpdf/QPDF.hh>

#include <fontconfig/fontconfig.h>

#include <arpa/inet.h>
#include <csignal>
#include <netinet/in.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// The pages of a PDF file read as a strict reader would: every object where
// the cross-reference table puts it, every stream the length it is given;
// -1 for a file that needs repair.
int strictPageCount(const QString& path)
{
    try {
        QPDF pdf;
        pdf.setAttemptRecovery(false);
        pdf.setSuppressWarnings(true);
        pdf.processFile(QFile::encodeName(path).constData());
        for (QPDFObjectHandle object : pdf.getAllObjects()) {
            if (object.isStream())
                object.getRawStreamData();
        }
        return pdf.anyWarnings() ? -1 : int(pdf.getAllPages().size());
    } catch (const std::exception&) {
        return -1;
    }
}

}  // namespace

// Page placement and fonts of the PDF printer are read back from real sheets
// in the printing tests; here the run, the printer list and text block heights.
class tst_LinuxPrinterService : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void pdfPrinter();
    void everyRunWritesItsOwnFile_data();
    void everyRunWritesItsOwnFile();
    void runOfAbortedDocumentsWritesNothing();
    void unwritableFileIsReported();
    void runsWriteWholeFilesOnly_data();
    void runsWriteWholeFilesOnly();
    void longRunsJoinTheirParts_data();
    void longRunsJoinTheirParts();
    void filesAreWrittenWithTheWindowAlive_data();
    void filesAreWrittenWithTheWindowAlive();
    void runsLeaveTheFontsAsTheyWere_data();
    void runsLeaveTheFontsAsTheyWere();
    void silentPrintServer();
    void typefacesKeptUntilPrinterSetAgain();
    void textBlockHeights_data();
    void textBlockHeights();

private:
    LinuxPrinterService& pdf(const QString& file);

    QTemporaryDir dir_;
    FakeFontService fonts_;
    std::unique_ptr<LinuxPrinterService> printer_;
};

void tst_LinuxPrinterService::initTestCase()
{
    // Numbered files go into the documents folder: a home of the test's own.
    qputenv("HOME", dir_.filePath(QStringLiteral("home")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", dir_.filePath(QStringLiteral("home/.config")).toLocal8Bit());
}

LinuxPrinterService& tst_LinuxPrinterService::pdf(const QString& file)
{
    printer_ = std::make_unique<LinuxPrinterService>(fonts_);
    printer_->setCurrentIndex(int(printer_->printers().indexOf(LinuxPrinterService::pdfPrinterName())));
    printer_->setPdfFileName(dir_.filePath(file));
    return *printer_;
}

void tst_LinuxPrinterService::pdfPrinter()
{
    LinuxPrinterService printer(fonts_);
    QVERIFY(printer.printers().contains(QStringLiteral("PDF file")));
    QVERIFY(printer.currentIndex() >= 0);
    QCOMPARE(printer.pdfFileName(), dir_.filePath(QStringLiteral("home/Documents/Glyphary samples.pdf")));
    QCOMPARE(pdf(QStringLiteral("x.pdf")).dpiX(), 600);
    QCOMPARE(printer_->dpiY(), 600);
}

void tst_LinuxPrinterService::everyRunWritesItsOwnFile_data()
{
    QTest::addColumn<QString>("chosen");  // in Print Setup; empty: none
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QStringList>("written");  // by two runs

    QTest::newRow("first runs") << QString() << QStringList{}
                                << QStringList{"Glyphary samples.pdf", "Glyphary samples (2).pdf"};
    QTest::newRow("after earlier copies")
        << QString()
        << QStringList{"Glyphary samples.pdf", "Glyphary samples (2).pdf", "Glyphary samples (4).pdf"}
        << QStringList{"Glyphary samples (3).pdf", "Glyphary samples (5).pdf"};
    QTest::newRow("chosen file written again") << QStringLiteral("mine.pdf") << QStringList{"mine.pdf"}
                                               << QStringList{"mine.pdf", "mine.pdf"};
}

void tst_LinuxPrinterService::everyRunWritesItsOwnFile()
{
    QFETCH(QString, chosen);
    QFETCH(QStringList, existing);
    QFETCH(QStringList, written);

    QDir documents(dir_.filePath(QStringLiteral("home/Documents")));
    QVERIFY(documents.removeRecursively());
    QVERIFY(documents.mkpath(QStringLiteral(".")));
    for (const QString& name : existing) {
        QFile file(documents.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("earlier");
    }
    LinuxPrinterService printer(fonts_);
    printer.setCurrentIndex(int(printer.printers().indexOf(LinuxPrinterService::pdfPrinterName())));
    if (!chosen.isEmpty())
        printer.setPdfFileName(documents.filePath(chosen));

    QStringList runs;
    for (int run = 0; run < 2; ++run) {
        printer.beginRun();
        printer.beginDoc();
        printer.canvas().setFont({QStringLiteral("DejaVu Sans"), 12});
        printer.canvas().textOut(0, 0, QStringLiteral("Page"));
        printer.endDoc();
        printer.endRun();
        runs.append(QFileInfo(printer.lastRunFile()).fileName());
        QCOMPARE(QFileInfo(printer.lastRunFile()).absolutePath(), documents.absolutePath());
    }
    QCOMPARE(runs, written);
    // Files the runs did not choose keep what they held.
    for (const QString& name : existing) {
        QFile file(documents.filePath(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll() == "earlier", !written.contains(name));
    }
}

void tst_LinuxPrinterService::runOfAbortedDocumentsWritesNothing()
{
    LinuxPrinterService& printer = pdf(QStringLiteral("none.pdf"));
    printer.beginRun();
    printer.beginDoc();
    printer.canvas().setFont({QStringLiteral("DejaVu Sans"), 12});
    printer.canvas().textOut(0, 0, QStringLiteral("Lost"));
    printer.abortDoc();
    QVERIFY(!printer.docOpen());
    printer.endRun();
    QVERIFY(!QFile::exists(dir_.filePath(QStringLiteral("none.pdf"))));
    QVERIFY(printer.lastRunFile().isEmpty());
}

void tst_LinuxPrinterService::unwritableFileIsReported()
{
    // A path under a regular file can't be created, even by root.
    QFile blocker(dir_.filePath(QStringLiteral("blocker")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    LinuxPrinterService& printer = pdf(QStringLiteral("blocker/out.pdf"));
    printer.beginDoc();
    QVERIFY_THROWS_EXCEPTION(PrinterError, printer.endDoc());
    QVERIFY(!printer.docOpen());
    QVERIFY(printer.lastRunFile().isEmpty());
}

void tst_LinuxPrinterService::runsWriteWholeFilesOnly_data()
{
    QTest::addColumn<QString>("chosen");      // in Print Setup; empty: numbered files
    QTest::addColumn<QStringList>("setup");   // "file <name>", "link <name>", "full disk", "second copy"
    QTest::addColumn<QStringList>("folder");  // afterwards
    QTest::addColumn<QString>("error");       // the file a failed run names

    QTest::newRow("full disk: no file, and the run says so")
        << QString() << QStringList{"full disk"} << QStringList{} << "Glyphary samples.pdf";
    QTest::newRow("full disk: the chosen file keeps what it held")
        << "mine.pdf" << QStringList{"file mine.pdf", "full disk"} << QStringList{"mine.pdf"}
        << "mine.pdf";
    QTest::newRow("a dangling link named like the file is not followed")
        << QString() << QStringList{"link Glyphary samples.pdf"}
        << QStringList{"Glyphary samples (2).pdf", "Glyphary samples.pdf"} << QString();
    QTest::newRow("two copies printing at once take two names")
        << QString() << QStringList{"second copy"}
        << QStringList{"Glyphary samples (2).pdf", "Glyphary samples.pdf"} << QString();
}

void tst_LinuxPrinterService::runsWriteWholeFilesOnly()
{
    QFETCH(QString, chosen);
    QFETCH(QStringList, setup);
    QFETCH(QStringList, folder);
    QFETCH(QString, error);

    QDir documents(dir_.filePath(QStringLiteral("home/Documents")));
    QVERIFY(documents.removeRecursively());
    QVERIFY(documents.mkpath(QStringLiteral(".")));
    const QString elsewhere = dir_.filePath(QStringLiteral("elsewhere.pdf"));
    QFile::remove(elsewhere);
    for (const QString& step : setup) {
        const QString name = step.section(u' ', 1);
        if (step.startsWith(QStringLiteral("file "))) {
            QFile file(documents.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("earlier");
        } else if (step.startsWith(QStringLiteral("link "))) {
            QVERIFY(QFile::link(elsewhere, documents.filePath(name)));
        }
    }

    const auto startRun = [&](LinuxPrinterService& printer) {
        printer.setCurrentIndex(int(printer.printers().indexOf(LinuxPrinterService::pdfPrinterName())));
        if (!chosen.isEmpty())
            printer.setPdfFileName(documents.filePath(chosen));
        printer.beginRun();
    };
    // Pages of text with their font: many times the 8 KiB of the full disk.
    const auto page = [](LinuxPrinterService& printer) {
        printer.beginDoc();
        printer.canvas().setFont({QStringLiteral("DejaVu Sans"), 12});
        for (int line = 0; line < 60; ++line)
            printer.canvas().textOut(0, line * 100, QStringLiteral("Line %1: The quick brown fox jumps over the lazy dog 0123456789").arg(line));
        printer.endDoc();
    };

    LinuxPrinterService printer(fonts_);
    std::unique_ptr<LinuxPrinterService> second;
    QString reported;
    {
        // A disk that takes 8 KiB: writes beyond fail as on a full one.
        rlimit saved{};
        QVERIFY(getrlimit(RLIMIT_FSIZE, &saved) == 0);
        const bool full = setup.contains(QStringLiteral("full disk"));
        const auto restore = qScopeGuard([&] { setrlimit(RLIMIT_FSIZE, &saved); });
        if (full) {
            std::signal(SIGXFSZ, SIG_IGN);
            rlimit limit = saved;
            limit.rlim_cur = 8192;
            QVERIFY(setrlimit(RLIMIT_FSIZE, &limit) == 0);
        }
        try {
            startRun(printer);
            for (int i = 0; i < 5; ++i)
                page(printer);
            if (setup.contains(QStringLiteral("second copy"))) {
                second = std::make_unique<LinuxPrinterService>(fonts_);
                startRun(*second);
                page(*second);
            }
            printer.endRun();
            if (second)
                second->endRun();
        } catch (const PrinterError& e) {
            reported = QString::fromLocal8Bit(e.what());
            if (printer.docOpen())
                printer.abortDoc();
            try {
                printer.endRun();
            } catch (const PrinterError&) {
            }
        }
    }

    QCOMPARE(reported, error.isEmpty() ? QString() : "Unable to write to " + documents.filePath(error));
    QCOMPARE(documents.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name), folder);
    QVERIFY(!QFileInfo::exists(elsewhere));
    for (const QString& name : folder) {
        QFile file(documents.filePath(name));
        if (setup.contains("file " + name)) {
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), QByteArray("earlier"));
        } else if (!QFileInfo(file).isSymLink()) {
            // Whole: the pages read back.
            QVERIFY(file.open(QIODevice::ReadOnly));
            QVERIFY2(file.readAll().trimmed().endsWith("%%EOF"), qPrintable(name));
        }
    }
    QCOMPARE(printer.lastRunFile().isEmpty(), !error.isEmpty());
}

void tst_LinuxPrinterService::longRunsJoinTheirParts_data()
{
    QTest::addColumn<int>("facesPerPart");
    QTest::addColumn<int>("pages");   // each in a family of its own, the heading in one for all
    QTest::addColumn<QString>("fault");  // "abort last page", "lost part", "full disk"
    QTest::addColumn<int>("written");    // pages; -1: no file

    QTest::newRow("one part") << 100 << 4 << QString() << 4;
    QTest::newRow("a part for each page") << 1 << 5 << QString() << 5;
    QTest::newRow("parts of three families") << 4 << 7 << QString() << 7;
    QTest::newRow("cancel in the last part: the pages before are joined")
        << 3 << 5 << "abort last page" << 4;
    QTest::newRow("a part lost before the join: no file") << 3 << 5 << "lost part" << -1;
    QTest::newRow("full disk: no file") << 1 << 5 << "full disk" << -1;
}

void tst_LinuxPrinterService::longRunsJoinTheirParts()
{
    QFETCH(int, facesPerPart);
    QFETCH(int, pages);
    QFETCH(QString, fault);
    QFETCH(int, written);

    // Faces of the machine's, bold in the second round.
    const QStringList families{"DejaVu Sans", "DejaVu Serif", "DejaVu Sans Mono", "Liberation Serif",
                               "Liberation Mono"};
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("run.pdf"));
    LinuxPrinterService printer(fonts_);
    printer.setCurrentIndex(int(printer.printers().indexOf(LinuxPrinterService::pdfPrinterName())));
    printer.setPdfFileName(path);
    printer.setFacesPerPart(facesPerPart);

    rlimit saved{};
    QVERIFY(getrlimit(RLIMIT_FSIZE, &saved) == 0);
    const auto restore = qScopeGuard([&] { setrlimit(RLIMIT_FSIZE, &saved); });
    if (fault == QLatin1String("full disk")) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved;
        limit.rlim_cur = 8192;
        QVERIFY(setrlimit(RLIMIT_FSIZE, &limit) == 0);
    }
    QString reported;
    try {
        printer.beginRun();
        for (int page = 1; page <= pages; ++page) {
            printer.beginDoc();
            printer.canvas().setFont({QStringLiteral("Liberation Sans"), 10});
            printer.canvas().textOut(0, 0, QStringLiteral("Heading"));
            printer.canvas().setFont(
                {families.at((page - 1) % families.size()), 24, page > families.size()});
            printer.canvas().textOut(0, 300, QStringLiteral("Page%1").arg(page));
            if (page == pages && fault == QLatin1String("abort last page"))
                printer.abortDoc();
            else
                printer.endDoc();
        }
        if (fault == QLatin1String("lost part")) {
            const QStringList parts = QDir(folder.path()).entryList(QDir::Files | QDir::Hidden);
            QVERIFY(parts.size() > 1);
            QVERIFY(QFile::remove(folder.filePath(parts.first())));
        }
        printer.endRun();
    } catch (const PrinterError& e) {
        reported = QString::fromLocal8Bit(e.what());
        if (printer.docOpen())
            printer.abortDoc();
        printer.endRun();
    }
    setrlimit(RLIMIT_FSIZE, &saved);

    // Nothing is left behind but the file.
    const QStringList left = QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    QCOMPARE(left, written < 0 ? QStringList{} : QStringList{QStringLiteral("run.pdf")});
    QCOMPARE(reported, written < 0 ? "Unable to write to " + path : QString());
    QCOMPARE(printer.lastRunFile(), written < 0 ? QString() : path);
    if (written < 0)
        return;

    QCOMPARE(strictPageCount(path), written);
    const PdfReadBack pdf(path);
    QCOMPARE(pdf.pages, written);
    QCOMPARE(pdf.title, QStringLiteral("Glyphary"));
    for (int page = 1; page <= written; ++page) {
        QVERIFY2(pdf.find(QStringLiteral("Page%1").arg(page), page - 1), qPrintable(QString::number(page)));
        QVERIFY(pdf.find(QStringLiteral("Heading"), page - 1));
    }
    // Every part embeds the fonts it set.
    QSet<QString> faces;
    for (const PdfReadBack::Font& font : pdf.fonts) {
        QVERIFY2(font.embedded, qPrintable(font.name));
        faces.insert(font.name);
    }
    QCOMPARE(faces.size(), written + 1);
}

void tst_LinuxPrinterService::filesAreWrittenWithTheWindowAlive_data()
{
    QTest::addColumn<int>("facesPerPart");
    QTest::addColumn<int>("cancelAtPump");  // counted from the writing's start; 0: none
    QTest::addColumn<int>("written");       // pages; -1: no file

    QTest::newRow("one part") << 100 << 0 << 3;
    QTest::newRow("parts joined") << 1 << 0 << 3;
    QTest::newRow("cancel while the part is ended: no file") << 100 << 1 << -1;
    QTest::newRow("cancel while the parts are joined: no file") << 1 << 1 << -1;
}

void tst_LinuxPrinterService::filesAreWrittenWithTheWindowAlive()
{
    QFETCH(int, facesPerPart);
    QFETCH(int, cancelAtPump);
    QFETCH(int, written);

    struct Watch : RunWatch {
        void writingFile() override { ++writings; }
        void pump() override
        {
            ++(writings ? pumpsWriting : pumpsBefore);
            cancel = cancel || (writings && pumpsWriting == cancelAt);
            QCoreApplication::processEvents();
        }
        bool cancelled() override { return cancel; }
        int cancelAt = 0;
        int writings = 0;
        int pumpsBefore = 0;
        int pumpsWriting = 0;
        bool cancel = false;
    } watch;
    watch.cancelAt = cancelAtPump;

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("run.pdf"));
    LinuxPrinterService printer(fonts_);
    printer.setCurrentIndex(int(printer.printers().indexOf(LinuxPrinterService::pdfPrinterName())));
    printer.setPdfFileName(path);
    printer.setFacesPerPart(facesPerPart);
    printer.beginRun();
    printer.watchRun(&watch);
    const QStringList families{"DejaVu Sans", "DejaVu Serif", "Liberation Mono"};
    for (const QString& family : families) {
        printer.beginDoc();
        printer.canvas().setFont({family, 24});
        printer.canvas().textOut(0, 0, family);
        printer.endDoc();
    }
    bool timerFired = false;
    QTimer::singleShot(0, [&timerFired] { timerFired = true; });
    printer.endRun();
    printer.watchRun(nullptr);

    QVERIFY(timerFired);
    QCOMPARE(watch.writings, 1);
    QCOMPARE(watch.pumpsBefore > 0, facesPerPart == 1);
    const QStringList left = QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    QCOMPARE(left, written < 0 ? QStringList{} : QStringList{QStringLiteral("run.pdf")});
    QCOMPARE(printer.lastRunFile(), written < 0 ? QString() : path);
    if (written >= 0)
        QCOMPARE(strictPageCount(path), written);
}

void tst_LinuxPrinterService::runsLeaveTheFontsAsTheyWere_data()
{
    QTest::addColumn<bool>("listReadAgain");  // a font loaded and unloaded just before the run

    QTest::newRow("a run") << false;
    QTest::newRow("Qt reads its list of fonts again in the run") << true;
}

void tst_LinuxPrinterService::runsLeaveTheFontsAsTheyWere()
{
    QFETCH(bool, listReadAgain);

    const FcConfig* configuration = FcConfigGetCurrent();
    const QStringList qtFamilies = QFontDatabase::families();
    if (listReadAgain) {
        FcPattern* request = FcNameParse(reinterpret_cast<const FcChar8*>("DejaVu Sans"));
        FcConfigSubstitute(nullptr, request, FcMatchPattern);
        FcDefaultSubstitute(request);
        FcResult result = FcResultNoMatch;
        FcPattern* match = FcFontMatch(nullptr, request, &result);
        FcChar8* file = nullptr;
        QVERIFY(match && FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch);
        const int id = QFontDatabase::addApplicationFont(QFile::decodeName(reinterpret_cast<char*>(file)));
        FcPatternDestroy(match);
        FcPatternDestroy(request);
        QVERIFY(id >= 0);
        QVERIFY(QFontDatabase::removeApplicationFont(id));
    }

    const QStringList families{"DejaVu Serif", "Liberation Mono", "DejaVu Sans Mono"};
    LinuxPrinterService& printer = pdf(QStringLiteral("fonts.pdf"));
    printer.beginRun();
    for (const QString& family : families) {
        printer.beginDoc();
        printer.canvas().setFont({family, 12});
        printer.canvas().textOut(0, 0, family);
        printer.endDoc();
    }
    printer.endRun();

    // Each family in its own face, and the program's fonts as before.
    QStringList embedded;
    for (const PdfReadBack::Font& font : PdfReadBack(printer.lastRunFile()).fonts)
        embedded.append(font.name.mid(font.name.indexOf(QLatin1Char('+')) + 1));
    embedded.sort();
    QCOMPARE(embedded, (QStringList{"DejaVuSansMono", "DejaVuSerif", "LiberationMono"}));
    QCOMPARE(FcConfigGetCurrent(), configuration);
    QCOMPARE(QFontDatabase::families(), qtFamilies);
}

void tst_LinuxPrinterService::silentPrintServer()
{
    // A print server that takes connections and never answers: the system
    // completes them in its backlog.
    const int server = ::socket(AF_INET, SOCK_STREAM, 0);
    QVERIFY(server >= 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    QVERIFY(::bind(server, reinterpret_cast<sockaddr*>(&address), length) == 0);
    QVERIFY(::listen(server, 16) == 0);
    QVERIFY(::getsockname(server, reinterpret_cast<sockaddr*>(&address), &length) == 0);
    qputenv("CUPS_SERVER", "127.0.0.1:" + QByteArray::number(ntohs(address.sin_port)));
    const auto restore = qScopeGuard([server] {
        qunsetenv("CUPS_SERVER");
        ::close(server);
    });

    LinuxPrinterService printer(fonts_);
    const QStringList pdfOnly{LinuxPrinterService::pdfPrinterName()};
    QCOMPARE(printer.printers(), pdfOnly);
    QCOMPARE(printer.currentIndex(), 0);
    // The PDF printer works meanwhile.
    printer.setPdfFileName(dir_.filePath(QStringLiteral("silent.pdf")));
    printer.beginDoc();
    printer.canvas().setFont({QStringLiteral("DejaVu Sans"), 12});
    printer.canvas().textOut(0, 0, QStringLiteral("Page"));
    printer.endDoc();
    QCOMPARE(printer.lastRunFile(), dir_.filePath(QStringLiteral("silent.pdf")));

    // Told once the time is up, and the setup dialog, which would wait on
    // the server for good, is not shown.
    QTRY_VERIFY_WITH_TIMEOUT(!printer.serviceProblem().isEmpty(), 10000);
    QCOMPARE(printer.serviceProblem(),
             "The printer service does not answer, so only the PDF printer can be used.");
    QVERIFY(!printer.printSetupDialog(nullptr));
    QCOMPARE(printer.printers(), pdfOnly);
}

void tst_LinuxPrinterService::typefacesKeptUntilPrinterSetAgain()
{
    fonts_.scalable = {QStringLiteral("DejaVu Sans")};
    LinuxPrinterService& printer = pdf(QStringLiteral("x.pdf"));
    QCOMPARE(printer.typefaces(), fonts_.scalable);
    fonts_.scalable.append(QStringLiteral("New Family"));
    QCOMPARE(printer.typefaces().size(), 1);
    printer.setCurrentIndex(printer.currentIndex());
    QCOMPARE(printer.typefaces(), fonts_.scalable);

    // A queue added since start-up lands before the PDF printer, at the
    // current printer's index, and is still another printer.
    fonts_.scalable.append(QStringLiteral("Late Family"));
    printer.choosePrinter(QStringLiteral("Added_Queue"));
    QCOMPARE(printer.printers().value(printer.currentIndex()), QStringLiteral("Added_Queue"));
    QCOMPARE(printer.printers().last(), LinuxPrinterService::pdfPrinterName());
    QVERIFY(printer.typefaces().contains(QStringLiteral("Late Family")));
}

void tst_LinuxPrinterService::textBlockHeights_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("wordWrap");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<int>("lines");

    const QRect page(0, 0, 4000, 6000);
    QTest::newRow("no text takes no room") << QString() << true << page << 0;
    QTest::newRow("one line") << "Fish & chips" << true << page << 1;
    QTest::newRow("plain: only line breaks break") << "Fish & chips\nand peas" << false << QRect(0, 0, 10, 6000) << 2;
    QTest::newRow("wrapped between words") << "Fish chips" << true << QRect(0, 0, 10, 6000) << 2;
    QTest::newRow("a long word is not split") << "Fishandchipsandpeas" << true << QRect(0, 0, 10, 6000) << 1;
    QTest::newRow("below the bottom: measured all the same") << "Fish & chips" << true << QRect(0, 500, 4000, -100) << 1;
}

void tst_LinuxPrinterService::textBlockHeights()
{
    QFETCH(QString, text);
    QFETCH(bool, wordWrap);
    QFETCH(QRect, rect);
    QFETCH(int, lines);

    LinuxPrinterService& printer = pdf(QStringLiteral("blocks.pdf"));
    printer.beginDoc();
    Canvas& canvas = printer.canvas();
    canvas.setFont({QStringLiteral("DejaVu Sans"), 12});
    const QRect page(0, 0, 4000, 6000);
    const QList<int> heights{0, canvas.drawText(page, QStringLiteral("x"), false),
                             canvas.drawText(page, QStringLiteral("x\ny"), false)};
    QVERIFY(heights[1] > 0 && heights[2] > heights[1]);
    QCOMPARE(canvas.drawText(rect, text, wordWrap), heights[lines]);
    printer.abortDoc();
}

QTEST_MAIN(tst_LinuxPrinterService)
#include "tst_LinuxPrinterService.moc"
