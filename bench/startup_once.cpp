// Start-up as the program does it, once, in a process of its own: splash,
// real services, the window built, created and shown with its first family,
// then exit. Timed whole beside floor_list_families.
#include "app/ErrorLog.h"
#include "app/GlyApplication.h"
#include "app/TfrmMain.h"
#include "app/TfrmSplash.h"
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
#include "printing/TfrmPrinting.h"

#include <QApplication>
#include <QFontDatabase>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv)
{
    QElapsedTimer clock;
    clock.start();
    // The window's saved settings and texts go to a scratch folder.
    QTemporaryDir scratch;
    qputenv("XDG_CONFIG_HOME", scratch.path().toLocal8Bit());
    GlyApplication app(argc, argv);
    LinuxFontService fonts;
    // Qt reads its own list of the machine's fonts while ours is read beside it.
    fonts.prefetch();
    QFontDatabase::families();
    GlyApplication::useInstalledInterfaceFamily(fonts);
    QtScreenMetrics screen;
    auto* frmSplash = new TfrmSplash(fonts, screen);
    frmSplash->show();
    frmSplash->repaint();
    LinuxPrinterService printer(fonts);
    QSettingsStore settings;
    IniFileService ini;
    LinuxShell shell;
    QtMessageBoxes messages;
    LinuxChmLibrary chm;
    ChmHelpEngine helpEngine(chm, shell, screen);
    ApplicationHelp help(helpEngine);
    ErrorLog errors(messages, QString());
    Platform platform{fonts, printer, screen, settings, ini, shell, messages, help, errors,
                      scratch.path() + u'/'};
    TfrmMain frmMain(platform);
    frmMain.setSplash(frmSplash);
    frmMain.FormCreate();
    frmMain.setPrintingDialog(new TfrmPrinting(frmMain.printState, &frmMain));
    frmMain.show();
    QTimer::singleShot(0, &app, [&] {
        std::fprintf(stderr, "%lld ms, %d families\n", clock.elapsed(),
                     frmMain.catalogue().FontCount());
        app.quit();
    });
    return QApplication::exec();
}
