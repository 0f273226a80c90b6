// The Preview/Install page's Print over every font file of a folder, to the
// PDF printer: each file is loaded for its block, as the page does, and the
// files of one printout are unloaded when the next one starts. Prints the
// time of each printout and per file, so that it can be run with few and with
// thousands of fonts installed.
//
// Usage: preview_print FOLDER [printouts, default 3]
#include "SilentServices.h"
#include "fontfiles/FontFolderPreview.h"
#include "fontfiles/PreviewPrintout.h"
#include "platform/linux/LinuxFontService.h"
#include "platform/linux/LinuxPrinterService.h"
#include "printing/PrintState.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>

#include <algorithm>
#include <cstdio>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: preview_print FOLDER [printouts]\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const int printouts = argc > 2 ? std::max(1, QByteArray(argv[2]).toInt()) : 3;

    LinuxFontService fonts;
    const qsizetype installed = fonts.screenFamilies().size();
    FontFolderPreview preview(fonts);
    preview.runLoading(folder, FontFolderPreview::fontFileNames(folder), {});
    preview.moveAll(FontFolderPreview::Side::Available);
    const qsizetype files = preview.selected().count();
    if (files == 0) {
        std::fprintf(stderr, "no fonts in %s\n", argv[1]);
        return 1;
    }

    LinuxPrinterService printer(fonts);
    printer.setCurrentIndex(int(printer.printers().indexOf(LinuxPrinterService::pdfPrinterName())));
    printer.setPdfFileName(QDir::temp().filePath(QStringLiteral("glyphary-preview-print.pdf")));
    NoProgress progress;
    PrintState state;
    PreviewPrintout printout(printer, progress, state);
    PreviewPrintout::Hooks hooks;
    hooks.processEvents = [] { QCoreApplication::processEvents(); };
    hooks.startLoading = [&](const QString& from) {
        preview.UnloadPrintedFonts();
        preview.PrintLoadFolder = from;
    };
    hooks.loadFontFile = [&](const FontFileItem& item) { return preview.loadPrintedFont(item); };
    const PreviewPrintout::Page page{QStringLiteral("Arial"), QStringLiteral("Preview"),
                                     {QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ"),
                                      QStringLiteral("abcdefghijklmnopqrstuvwxyz1234567890"),
                                      QStringLiteral("The quick brown fox jumps over the lazy dog.")},
                                     11, {}};

    QList<double> seconds;
    for (int i = 0; i < printouts; ++i) {
        QElapsedTimer clock;
        clock.start();
        printout.print(preview.selected().items, preview.PreviewFolder(), page, hooks);
        seconds.append(double(clock.nsecsElapsed()) / 1e9);
    }
    preview.UnloadPrintedFonts();
    std::sort(seconds.begin(), seconds.end());
    const double median = seconds[seconds.size() / 2];
    std::printf("%lld families installed, %lld files: %d printouts, median %.2f s (%.1f ms a "
                "file), worst %.2f s\n",
                static_cast<long long>(installed), static_cast<long long>(files), printouts,
                median, median * 1e3 / double(files), seconds.last());
    return 0;
}
