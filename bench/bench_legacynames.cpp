// The legacy-name cache over every face fontconfig lists: a first run (each
// file read, the cache written), later runs (the cache loaded, each file
// stat'ed) and the cache's load alone, in milliseconds.
//
// Usage: FONTCONFIG_FILE=... bench_legacynames [runs]

#include "Median.h"
#include "platform/linux/LegacyNameCache.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

QList<QPair<QByteArray, int>> listedFaces()
{
    QList<QPair<QByteArray, int>> out;
    FcPattern* all = FcPatternCreate();
    FcObjectSet* objects = FcObjectSetBuild(FC_FILE, FC_INDEX, nullptr);
    FcFontSet* set = FcFontList(nullptr, all, objects);
    FcObjectSetDestroy(objects);
    FcPatternDestroy(all);
    for (int i = 0; set && i < set->nfont; ++i) {
        FcChar8* file = nullptr;
        int index = 0;
        FcPatternGetInteger(set->fonts[i], FC_INDEX, 0, &index);
        if (FcPatternGetString(set->fonts[i], FC_FILE, 0, &file) == FcResultMatch && !(index >> 16))
            out.append({QByteArray(reinterpret_cast<const char*>(file)), index});
    }
    if (set)
        FcFontSetDestroy(set);
    return out;
}

// One run asking about the first `asked` faces, and saving unless it asked one.
double run(const QString& path, const QList<QPair<QByteArray, int>>& faces, qsizetype asked)
{
    QElapsedTimer timer;
    timer.start();
    LegacyNameCache cache(path);
    for (qsizetype i = 0; i < asked; ++i)
        cache.read(faces[i].first, faces[i].second);
    if (asked > 1)
        cache.save();
    return double(timer.nsecsElapsed()) / 1e6;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
    const QList<QPair<QByteArray, int>> faces = listedFaces();
    if (faces.isEmpty()) {
        std::fprintf(stderr, "fontconfig lists no font files\n");
        return 1;
    }
    QTemporaryDir dir;
    const QString path = dir.filePath("legacy-names");

    const double first = run(path, faces, faces.size());
    QList<double> later;
    QList<double> load;
    for (int i = 0; i < runs; ++i) {
        later << run(path, faces, faces.size());
        load << run(path, faces, 1);
    }
    std::printf("%lld faces, cache file %lld bytes\n", static_cast<long long>(faces.size()),
                static_cast<long long>(QFileInfo(path).size()));
    std::printf("first run %.1f ms, later runs %.1f ms (median of %d)\n", first, median(later),
                runs);
    std::printf("load and one face asked %.1f ms\n", median(load));
    return 0;
}
