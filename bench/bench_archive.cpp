// A .zip of 2,000 font files (Noto faces under 120 kB, copied under new
// names into nested folders) opened on the Preview/Install page as a folder:
// the time to unpack it, the longest gap between two redraws while it
// unpacks, and the Preview Fonts run over it beside the same files in a
// folder. Then the cost of the file behind a sample: a font of the archive
// (a plain file once unpacked), of a folder, and of a WOFF2 decoded for it.
//
// Usage: bench_archive [files]

#include "Median.h"
#include "SilentServices.h"
#include "fontfiles/FontFolderPreview.h"
#include "fontfiles/UnpackedFonts.h"
#include "platform/FontService.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int kRepeats = 5;


double ms(const QElapsedTimer& timer) { return double(timer.nsecsElapsed()) / 1e6; }

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int files = argc > 1 ? std::atoi(argv[1]) : 2000;
    QStringList sources;
    QDirIterator it("/usr/share/fonts/truetype/noto", {"*.ttf"}, QDir::Files);
    while (it.hasNext()) {
        const QString path = it.next();
        if (QFileInfo(path).size() < 120 * 1024)
            sources << path;
    }
    if (sources.isEmpty()) {
        std::fputs("needs fonts-noto-core\n", stderr);
        return 1;
    }
    QTemporaryDir work;
    const QString folder = work.filePath("folder");
    QStringList names;
    for (int i = 0; i < files; ++i) {
        const QString name = QStringLiteral("family%1/TTF/font%2.ttf").arg(i / 20).arg(i);
        QDir().mkpath(QFileInfo(folder + u'/' + name).path());
        QFile::copy(sources[i % sources.size()], folder + u'/' + name);
        names << name;
    }
    names.sort(Qt::CaseInsensitive);
    const QString zip = work.filePath("fonts.zip");
    QProcess make;
    make.start("/usr/bin/python3",
               {"-c",
                "import os,sys,zipfile\n"
                "z=zipfile.ZipFile(sys.argv[2],'w',zipfile.ZIP_DEFLATED)\n"
                "for r,d,f in os.walk(sys.argv[1]):\n"
                "  for n in f:\n"
                "    p=os.path.join(r,n); z.write(p,os.path.relpath(p,sys.argv[1]))\n"
                "z.close()\n",
                folder, zip});
    if (!make.waitForFinished(600000) || make.exitCode() != 0)
        return 1;
    const QString woff2 = work.filePath("font.woff2");
    make.start("/usr/bin/python3", {"-c",
                                     "import sys\nfrom fontTools.ttLib import TTFont\n"
                                     "f=TTFont(sys.argv[1]); f.flavor='woff2'; f.save(sys.argv[2])\n",
                                     sources.first(), woff2});
    if (!make.waitForFinished(600000) || make.exitCode() != 0)
        return 1;
    qint64 bytes = 0;
    for (const QString& name : std::as_const(names))
        bytes += QFileInfo(folder + u'/' + name).size();
    std::printf("%d files, %.1f MB as a folder, %.1f MB zipped\n", files, double(bytes) / 1e6,
                double(QFileInfo(zip).size()) / 1e6);

    NoFonts fonts;
    QList<double> unpack, longestGap, runArchive, runFolder;
    for (int r = 0; r < kRepeats; ++r) {
        FontFolderPreview preview(fonts);
        QElapsedTimer timer, gap;
        double longest = 0;
        timer.start();
        gap.start();
        const FontArchive::Result result = preview.openArchive(zip, [&] {
            longest = std::max(longest, ms(gap));
            gap.restart();
        });
        unpack << ms(timer);
        longestGap << std::max(longest, ms(gap));
        if (result.fontFiles.size() != files || !result.problems.isEmpty())
            return 1;
        timer.restart();
        preview.runLoading(preview.archiveFolder(), preview.archiveFonts(), {});
        runArchive << ms(timer);
        preview.clearLists();
        timer.restart();
        preview.runLoading(folder, names, {});
        runFolder << ms(timer);
        preview.closeArchive();
    }
    std::printf("unpack and list the archive: %.0f ms (longest gap between redraws %.1f ms)\n",
                median(unpack), median(longestGap));
    std::printf("Preview Fonts over it: %.0f ms; over the same files in a folder: %.0f ms\n",
                median(runArchive), median(runFolder));

    // The file behind a sample, as ShowPreviewSample gets it before loading.
    QList<double> plainFolder, plainWoff2;
    UnpackedFonts unpacked(work.filePath("unpacked"));
    for (int r = 0; r < 50; ++r) {
        QElapsedTimer timer;
        timer.start();
        unpacked.plainFile(folder, FontFileEntry({}, names.first()));
        plainFolder << ms(timer);
        unpacked.removeCopies();
        timer.restart();
        unpacked.plainFile(work.path(), FontFileEntry({}, "font.woff2"));
        plainWoff2 << ms(timer);
        unpacked.removeCopies();
    }
    std::printf("file for a sample: a folder's or an archive's font %.3f ms, a WOFF2 decoded "
                "%.3f ms\n",
                median(plainFolder), median(plainWoff2));
    return 0;
}
