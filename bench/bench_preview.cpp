// A folder of 10,000 font files (four distinct fonts, copied) listed and read
// through the Preview Fonts run, events pumped before every file as the page
// does. Prints the time to list the folder and to run over it, the longest
// wait between two pumps (how long a Cancel click can go unheard) and the
// time from Cancel to the end of the run at several points of it.
//
// Usage: bench_preview [files]

#include "Median.h"
#include "SilentServices.h"
#include "fontfiles/FontFolderPreview.h"

#include "../tests/fontfiles/SfntBuilder.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include "platform/FontService.h"

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace {

constexpr int kRepeats = 5;


// A naming table as fonts carry it: Macintosh and Windows records for the
// usual IDs, with the tables a font has around it.
QByteArray font(const QString& family, const QString& style)
{
    QList<sfnt::Name> names;
    const QStringList values{"Copyright (c) nobody", family, style, family + " " + style + " 1.0",
                             family + " " + style, "Version 1.000", family + "-" + style};
    for (int id = 0; id < values.size(); ++id)
        names << sfnt::Name{1, 0, 0, quint16(id), values[id].toLatin1()};
    for (int id = 0; id < values.size(); ++id)
        names << sfnt::win(quint16(id), values[id]);
    return sfnt::font({{"OS/2", QByteArray(96, '\1')},
                       {"cmap", QByteArray(600, '\2')},
                       {"glyf", QByteArray(4000, '\3')},
                       {"head", QByteArray(54, '\4')},
                       {"hhea", QByteArray(36, '\5')},
                       {"hmtx", QByteArray(400, '\6')},
                       {"loca", QByteArray(200, '\7')},
                       {"maxp", QByteArray(32, '\10')},
                       {"name", sfnt::nameTable(names)},
                       {"post", QByteArray(32, '\11')}});
}

// This process's processor time: a shared machine stretches the clock time.
double cpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? std::atoi(argv[1]) : 10000;
    QTemporaryDir dir;
    const QList<QByteArray> fonts{font("Bench Sans", "Regular"), font("Bench Sans", "Bold"),
                                  font("Bench Serif", "Italic"), font("Bench Mono", "Bold Italic")};
    for (int i = 0; i < count; ++i) {
        QFile file(dir.filePath(QStringLiteral("font%1.ttf").arg(i, 5, 10, QChar(u'0'))));
        if (!file.open(QIODevice::WriteOnly) || file.write(fonts[i % fonts.size()]) < 0)
            return 1;
    }

    NoFonts service;
    QList<double> listMs;
    QList<double> runMs;
    QList<double> runCpuMs;
    double worstGapMs = 0;
    QStringList files;
    qsizetype found = 0;
    for (int r = 0; r < kRepeats; ++r) {
        QElapsedTimer timer;
        timer.start();
        files = FontFolderPreview::fontFileNames(dir.path());
        listMs << timer.nsecsElapsed() / 1e6;

        FontFolderPreview preview(service);
        QElapsedTimer gap;
        FontFolderPreview::LoadingHooks hooks;
        hooks.pumpEvents = [&] {
            if (gap.isValid())
                worstGapMs = std::max(worstGapMs, gap.nsecsElapsed() / 1e6);
            QCoreApplication::processEvents();
            gap.start();
        };
        timer.start();
        const double cpu = cpuMs();
        preview.runLoading(dir.path(), files, hooks);
        runMs << timer.nsecsElapsed() / 1e6;
        runCpuMs << cpuMs() - cpu;
        found = preview.available().count();
    }
    std::printf("%lld files listed, %lld fonts found (median of %d)\n",
                static_cast<long long>(files.size()), static_cast<long long>(found), kRepeats);
    std::printf("list folder           %8.1f ms\n", median(listMs));
    std::printf("loading run           %8.1f ms (%.1f ms processor time)\n", median(runMs),
                median(runCpuMs));
    std::printf("list + run            %8.1f ms\n", median(listMs) + median(runMs));
    std::printf("longest between pumps %8.3f ms\n", worstGapMs);

    // Cancel arrives as an event during a pump, as the button's click does.
    for (const double at : {0.01, 0.25, 0.5, 0.75, 0.99}) {
        FontFolderPreview preview(service);
        const int cancelAt = int(at * count);
        int pumped = 0;
        QElapsedTimer sinceCancel;
        double cancelCpu = 0;
        FontFolderPreview::LoadingHooks hooks;
        hooks.pumpEvents = [&] {
            if (pumped++ == cancelAt) {
                QMetaObject::invokeMethod(&app, [&] {
                    sinceCancel.start();
                    cancelCpu = cpuMs();
                    preview.cancelLoading();
                }, Qt::QueuedConnection);
            }
            QCoreApplication::processEvents();
        };
        preview.runLoading(dir.path(), files, hooks);
        std::printf("cancel at %3.0f%%: answered in %6.3f ms (%.3f ms processor time, %d fonts listed)\n",
                    at * 100, sinceCancel.nsecsElapsed() / 1e6, cpuMs() - cancelCpu,
                    preview.available().count());
    }
    return 0;
}
