// Start-up with the machine's fonts: the real services, the main window built
// and created, shown, and its first family on screen.
#include "app/ErrorLog.h"
#include "app/TfrmMain.h"
#include "RealPlatform.h"
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
#include "settings/MainFormSettings.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void StartUpToFirstFamily(benchmark::State& state)
{
    QTemporaryDir folder;
    int families = 0;
    for (auto _ : state) {
        RealPlatform real(folder.path() + u'/');
        TfrmMain frmMain(real.platform);
        frmMain.FormCreate();
        frmMain.show();
        families = frmMain.catalogue().FontCount();
        benchmark::DoNotOptimize(frmMain.catalogue().CurrentFontName());
        frmMain.hide();
    }
    state.counters["families"] = families;
}
BENCHMARK(StartUpToFirstFamily)->Unit(benchmark::kMillisecond);

// Building the main window, where the saved settings come back: without a
// settings file (0), and with one that changes every kept control from its
// design value, so that every handler runs (1).
void BuildMainWindow(benchmark::State& state)
{
    const QString file = qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/QZ/Glyphary.conf");
    QFile::remove(file);
    if (state.range(0) == 1) {
        QDir().mkpath(QFileInfo(file).path());
        QFile out(file);
        if (!out.open(QIODevice::WriteOnly))
            state.SkipWithError("settings file not written");
        out.write("[frmMain]\nLeft=200\nTop=100\nScreenRes=1x1\n");
        for (const char* entry : MainFormSettings) {
            const QByteArray key = QByteArray(entry).replace('.', '\\');
            out.write(key + (key.endsWith("Checked") ? "=True\n" : "=17\n"));
        }
    }
    QTemporaryDir folder;
    LinuxFontService fonts;
    LinuxPrinterService printer(fonts);
    QtScreenMetrics screen;
    IniFileService ini;
    LinuxShell shell;
    QtMessageBoxes messages;
    LinuxChmLibrary chm;
    ChmHelpEngine helpEngine(chm, shell, screen);
    ApplicationHelp help(helpEngine);
    for (auto _ : state) {
        QSettingsStore settings;
        ErrorLog errors(messages, QString());
        Platform platform{fonts, printer, screen, settings, ini, shell, messages, help, errors,
                          folder.path() + u'/'};
        TfrmMain frmMain(platform);
        benchmark::DoNotOptimize(frmMain.pos());
    }
    QFile::remove(file);
}
BENCHMARK(BuildMainWindow)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

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
