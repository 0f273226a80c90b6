// Switching 10,000 families off and on again, to the refreshed list, and
// start-up with and without them off, each start-up in a fresh process.
// Run with FONTCONFIG_FILE at the configuration of a generated collection
// (bench/scale/make_font_collection.py OUTDIR 12000); the switches go to a
// scratch $XDG_CONFIG_HOME.
#include "Median.h"
#include "RealPlatform.h"
#include "app/MainPage.h"
#include "app/TfrmMain.h"
#include "platform/linux/FontconfigSwitches.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int kSwitched = 10000;
constexpr int kStarts = 5;

struct Window {
    explicit Window(const QString& folder)
        : real(folder + u'/'),
          switches(qEnvironmentVariable("XDG_CONFIG_HOME"))
    {
        real.platform.switches = &switches;
        frmMain = std::make_unique<TfrmMain>(real.platform);
        frmMain->FormCreate();
        frmMain->show();
        QCoreApplication::processEvents();
    }
    RealPlatform real;
    FontconfigSwitches switches;
    std::unique_ptr<TfrmMain> frmMain;
};

double startOnce()
{
    QTemporaryDir folder;
    QElapsedTimer timer;
    timer.start();
    Window w(folder.path());
    return double(timer.nsecsElapsed()) / 1e6;
}

// Median start-up of fresh processes.
double startUps(const char* self)
{
    QList<double> times;
    for (int i = 0; i < kStarts; ++i) {
        QProcess child;
        child.start(QString::fromLocal8Bit(self), {"--start"});
        child.waitForFinished(-1);
        times << child.readAllStandardOutput().trimmed().toDouble();
    }
    return median(times);
}

}  // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("XDG_CONFIG_HOME") || !qEnvironmentVariableIsSet("FONTCONFIG_FILE")) {
        std::fputs("set FONTCONFIG_FILE to a generated collection and XDG_CONFIG_HOME to a "
                   "scratch folder\n", stderr);
        return 2;
    }
    QApplication app(argc, argv);
    if (argc > 1 && QByteArray(argv[1]) == "--start") {
        std::printf("%.1f\n", startOnce());
        return 0;
    }
    FontconfigSwitches rules(qEnvironmentVariable("XDG_CONFIG_HOME"));
    QFile::remove(rules.ruleFile());
    const double plain = startUps(argv[0]);

    QTemporaryDir folder;
    QList<double> offTimes;
    QList<double> onTimes;
    qint64 ruleBytes = 0;
    int families = 0;
    {
        Window w(folder.path());
        FontLibrary& library = w.frmMain->library();
        QStringList chosen;
        for (const QString& family : library.families()) {
            if (family.startsWith(QStringLiteral("Scale Family ")) && chosen.size() < kSwitched)
                chosen << family;
        }
        families = int(library.families().size());
        const QString fontsFolder = w.real.shell.userFontsFolder();
        for (int round = 0; round < 3; ++round) {
            QElapsedTimer timer;
            timer.start();
            const QString offProblem = library.switchFamilies(chosen, false, fontsFolder);
            QCoreApplication::processEvents();
            offTimes << double(timer.nsecsElapsed()) / 1e6;
            ruleBytes = QFileInfo(rules.ruleFile()).size();
            timer.restart();
            const QString onProblem = library.switchFamilies(chosen, true, fontsFolder);
            QCoreApplication::processEvents();
            onTimes << double(timer.nsecsElapsed()) / 1e6;
            if (!offProblem.isEmpty() || !onProblem.isEmpty()) {
                std::fprintf(stderr, "%s%s\n", qPrintable(offProblem), qPrintable(onProblem));
                return 1;
            }
        }
        // Left off for the start-ups that follow.
        library.switchFamilies(chosen, false, fontsFolder);
        std::printf("families listed: %d, switched: %lld, marked off: %lld\n", families,
                    qlonglong(chosen.size()), qlonglong(library.switchedOff().size()));
    }
    const double switchedOff = startUps(argv[0]);
    QFile::remove(rules.ruleFile());

    std::printf("switch off %d families: %.0f ms (median of 3)\n", kSwitched, median(offTimes));
    std::printf("switch them on again: %.0f ms\n", median(onTimes));
    std::printf("rule file: %lld bytes\n", qlonglong(ruleBytes));
    std::printf("start-up: %.0f ms; with %d off: %.0f ms (%+.0f %%), medians of %d processes\n",
                plain, kSwitched, switchedOff, (switchedOff / plain - 1) * 100, kStarts);
    return 0;
}
