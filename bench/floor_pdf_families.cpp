// The floor for whole-collection sheets: a bare Qt program that lists
// fontconfig's scalable families (every name a face goes by) and draws a line of sample text in a QFont of
// each to a QPdfWriter, a new page when one is full. Run it beside
// bench_print with the same GLYPHARY_BENCH_FAMILIES slice.
//   floor_pdf_families [--families N] [--no-merging] [--out file.pdf]
// --no-merging makes every font with QFont::NoFontMerging, as the program does.
#include "peak_memory.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <fontconfig/fontconfig.h>

#include <cstdio>

namespace {

QStringList scalableFamilies()
{
    QStringList families;
    FcPattern* outline = FcPatternCreate();
    FcPatternAddBool(outline, FC_OUTLINE, FcTrue);
    FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, nullptr);
    if (FcFontSet* set = FcFontList(nullptr, outline, objects)) {
        for (int i = 0; i < set->nfont; ++i) {
            FcChar8* family = nullptr;
            for (int k = 0; FcPatternGetString(set->fonts[i], FC_FAMILY, k, &family) == FcResultMatch; ++k)
                families << QString::fromUtf8(reinterpret_cast<const char*>(family));
        }
        FcFontSetDestroy(set);
    }
    FcObjectSetDestroy(objects);
    FcPatternDestroy(outline);
    families.sort(Qt::CaseInsensitive);
    families.removeDuplicates();
    return families;
}

}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    qsizetype limit = -1;
    bool noMerging = false;
    QString out = QDir::temp().filePath(QStringLiteral("glyphary-floor.pdf"));
    const QStringList args = QCoreApplication::arguments();
    for (qsizetype i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--families") && i + 1 < args.size())
            limit = args[++i].toLongLong();
        else if (args[i] == QLatin1String("--no-merging"))
            noMerging = true;
        else if (args[i] == QLatin1String("--out") && i + 1 < args.size())
            out = args[++i];
        else {
            std::fprintf(stderr, "usage: %s [--families N] [--no-merging] [--out file.pdf]\n",
                         argv[0]);
            return 2;
        }
    }
    PeakMemory memory;

    QElapsedTimer clock;
    clock.start();
    QStringList families = scalableFamilies();
    if (limit >= 0 && limit < families.size())
        families.resize(limit);

    QPdfWriter writer(out);
    writer.setResolution(600);
    writer.setPageSize(QPageSize(QPageSize::Letter));
    const QString sample = QStringLiteral("The quick brown fox jumps over the lazy dog.");
    QPainter painter(&writer);
    const int pageHeight = painter.viewport().height();
    const int step = 11 * 600 * 3 / 2 / 72;
    int y = step;
    for (const QString& family : families) {
        QFont font(family);
        font.setPointSize(11);
        if (noMerging)
            font.setStyleStrategy(QFont::NoFontMerging);
        painter.setFont(font);
        painter.drawText(0, y, sample);
        y += step;
        if (y > pageHeight) {
            writer.newPage();
            y = step;
        }
    }
    painter.end();

    const double seconds = double(clock.nsecsElapsed()) / 1e9;
    const qsizetype count = families.size();
    std::printf("%.2f s, %lld families, %.2f ms/family%s\n", seconds,
                static_cast<long long>(count), count ? seconds * 1000 / double(count) : 0.0,
                noMerging ? " (no font merging)" : "");
    std::printf("%s\n", memory.report().c_str());
    return 0;
}
