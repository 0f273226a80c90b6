// Clicking one file after another on the Preview/Install page: each click
// unloads the last sample's file, loads the new one for this program alone and
// makes its font ready to draw. Prints the median and worst click, so that it
// can be run with few and with thousands of fonts installed.
//
// Usage: preview_sample FOLDER [clicks, default 20]
#include "fontfiles/FontFolderPreview.h"
#include "platform/linux/LinuxFontService.h"

#include <QElapsedTimer>
#include <QFontMetrics>
#include <QGuiApplication>

#include <algorithm>
#include <cstdio>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: preview_sample FOLDER [clicks]\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const int clicks = argc > 2 ? QByteArray(argv[2]).toInt() : 20;

    LinuxFontService fonts;
    const qsizetype installed = fonts.screenFamilies().size();
    FontFolderPreview preview(fonts);
    preview.runLoading(folder, FontFolderPreview::fontFileNames(folder), {});
    const int available = preview.available().count();
    if (available == 0) {
        std::fprintf(stderr, "no fonts in %s\n", argv[1]);
        return 1;
    }

    QList<double> ms;
    for (int i = 0; i < clicks; ++i) {
        QElapsedTimer clock;
        clock.start();
        preview.setCurrent(FontFolderPreview::Side::Available, i % available);
        if (const auto sample = preview.ShowPreviewSample(FontFolderPreview::Side::Available))
            QFontMetrics(sample->font).ascent();
        ms.append(double(clock.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%lld families installed, %d fonts in the folder: %d clicks, median %.1f ms, "
                "worst %.1f ms\n",
                static_cast<long long>(installed), available, clicks, ms[ms.size() / 2], ms.last());
    return 0;
}
