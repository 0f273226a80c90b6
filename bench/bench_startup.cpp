// Start-up with the machine's fonts: the real services, the main window built
// and created, shown, and its first family on screen.
#include "app/TfrmMain.h"
#include "help/ChmHelpEngine.h"
#include "platform/ApplicationHelp.h"
#include "platform/linux/IniFileService.h"
#include "platform/linux/LinuxChmLibrary.h"
#include "platform/linux/LinuxFontService.h"
#include "platform/linux/LinuxPrinterService.h"
#include "platform/linux/LinuxShell.h"
#include "platform/linux/QSettingsStore.h"
#include "platform/linux/QtMessageBoxes.h"
#include "platform/linux/QtScreenMetrics.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void StartUpToFirstFamily(benchmark::State& state)
{
    QTemporaryDir folder;
    int families = 0;
    for (auto _ : state) {
        LinuxFontService fonts;
        LinuxPrinterService printer(fonts);
        QtScreenMetrics screen;
        QSettingsStore settings;
        IniFileService ini;
        LinuxShell shell;
        QtMessageBoxes messages;
        LinuxChmLibrary chm;
        ChmHelpEngine helpEngine(chm, shell);
        ApplicationHelp help(helpEngine);
        Platform platform{fonts, printer, screen, settings, ini, shell, messages, help,
                          folder.path() + u'/'};
        TfrmMain frmMain(platform);
        frmMain.FormCreate();
        frmMain.show();
        families = frmMain.catalogue().FontCount();
        benchmark::DoNotOptimize(frmMain.catalogue().CurrentFontName());
        frmMain.hide();
    }
    state.counters["families"] = families;
}
BENCHMARK(StartUpToFirstFamily)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    // The window's saved settings go to a scratch folder, not the user's.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
