// The floor for start-up: a bare Qt program that lists fontconfig's families
// in a list box and shows it. Run it beside startup_once, which does the same
// road through the program's own window; both exit when their window is up.
#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QTimer>

#include <fontconfig/fontconfig.h>

#include <cstdio>

int main(int argc, char** argv)
{
    QElapsedTimer clock;
    clock.start();
    QApplication app(argc, argv);
    QStringList families;
    FcPattern* all = FcPatternCreate();
    FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, nullptr);
    if (FcFontSet* set = FcFontList(nullptr, all, objects)) {
        for (int i = 0; i < set->nfont; ++i) {
            FcChar8* family = nullptr;
            if (FcPatternGetString(set->fonts[i], FC_FAMILY, 0, &family) == FcResultMatch)
                families << QString::fromUtf8(reinterpret_cast<const char*>(family));
        }
        FcFontSetDestroy(set);
    }
    FcObjectSetDestroy(objects);
    FcPatternDestroy(all);
    families.sort(Qt::CaseInsensitive);
    families.removeDuplicates();

    QListWidget list;
    list.setUniformItemSizes(true);
    list.addItems(families);
    list.setCurrentRow(0);
    list.resize(228, 372);
    list.show();
    QTimer::singleShot(0, &app, [&] {
        std::fprintf(stderr, "%lld ms, %lld families\n", clock.elapsed(),
                     static_cast<long long>(families.size()));
        app.quit();
    });
    return QApplication::exec();
}
