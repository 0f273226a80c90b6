// Names of every TrueType and OpenType file under /usr/share/fonts, read three
// ways: by the name reader, by FreeType (opening each face and walking its
// name records) and by fc-scan run over the files in batches. Prints files per
// second for each and how many times faster the name reader is.
//
// Usage: bench_fontnames [folder]

#include "fontfiles/FontNameReader.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SFNT_NAMES_H
#include FT_TRUETYPE_IDS_H

#include <cstdio>
#include <functional>

namespace {

constexpr qint64 kMinimumMillis = 2000;
constexpr int kFcScanBatch = 64;

// Runs `pass` over all files until kMinimumMillis have gone by; files per second.
double filesPerSecond(qsizetype fileCount, const std::function<qsizetype()>& pass)
{
    pass(); // page cache and first-use costs
    QElapsedTimer timer;
    timer.start();
    qsizetype files = 0;
    qsizetype names = 0;
    do {
        names += pass();
        files += fileCount;
    } while (timer.elapsed() < kMinimumMillis);
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    if (names == 0)
        std::fprintf(stderr, "warning: no names read\n");
    return double(files) / seconds;
}

qsizetype readerPass(const QList<QFileInfo>& files)
{
    QList<QPair<QString, FontFileEntry>> list;
    for (const QFileInfo& file : files)
        ReadFontFileNames(file.path(), file.fileName(), list);
    return list.size();
}

qsizetype freeTypePass(FT_Library library, const QList<QByteArray>& paths)
{
    qsizetype names = 0;
    for (const QByteArray& path : paths) {
        FT_Face face = nullptr;
        if (FT_New_Face(library, path.constData(), 0, &face) != 0)
            continue;
        QString family;
        const FT_UInt count = FT_Get_Sfnt_Name_Count(face);
        for (FT_UInt i = 0; i < count; ++i) {
            FT_SfntName name;
            if (FT_Get_Sfnt_Name(face, i, &name) != 0)
                continue;
            const auto text = QString::fromLatin1(reinterpret_cast<const char*>(name.string),
                                                  qsizetype(name.string_len));
            if (name.name_id == TT_NAME_ID_FONT_FAMILY) {
                family = text;
            } else if (name.name_id == TT_NAME_ID_FULL_NAME && !family.isEmpty()) {
                ++names;
                break;
            }
        }
        FT_Done_Face(face);
    }
    return names;
}

qsizetype fcScanPass(const QStringList& paths)
{
    qsizetype names = 0;
    for (qsizetype first = 0; first < paths.size(); first += kFcScanBatch) {
        QProcess scan;
        scan.start(QStringLiteral("fc-scan"),
                   QStringList{"--format", "%{family[0]}|%{fullname[0]}\\n"}
                       + paths.mid(first, kFcScanBatch));
        if (!scan.waitForFinished(-1) || scan.exitCode() != 0) {
            std::fprintf(stderr, "fc-scan failed\n");
            return names;
        }
        names += scan.readAllStandardOutput().count('\n');
    }
    return names;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                    : QStringLiteral("/usr/share/fonts");
    QList<QFileInfo> files;
    QStringList paths;
    QList<QByteArray> nativePaths;
    QDirIterator it(folder, {"*.ttf", "*.otf"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files << QFileInfo(path);
        paths << path;
        nativePaths << QFile::encodeName(path);
    }
    if (files.isEmpty()) {
        std::fprintf(stderr, "no TrueType or OpenType files under %s\n", qPrintable(folder));
        return 1;
    }

    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0)
        return 1;
    const double reader = filesPerSecond(files.size(), [&] { return readerPass(files); });
    const double freeType =
        filesPerSecond(files.size(), [&] { return freeTypePass(library, nativePaths); });
    FT_Done_FreeType(library);
    const double fcScan = filesPerSecond(files.size(), [&] { return fcScanPass(paths); });

    std::printf("%lld font files under %s\n", static_cast<long long>(files.size()),
                qPrintable(folder));
    std::printf("%-28s %12s %14s\n", "reader", "files/s", "name reader is");
    std::printf("%-28s %12.0f %14s\n", "name reader", reader, "-");
    std::printf("%-28s %12.0f %13.1fx\n", "FreeType face + sfnt names", freeType,
                reader / freeType);
    std::printf("%-28s %12.0f %13.1fx\n", "fc-scan, batches of 64", fcScan, reader / fcScan);
    return 0;
}
