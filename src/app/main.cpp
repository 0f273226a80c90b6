#include "app/AppFolders.h"
#include "app/CommandLine.h"
#include "app/ErrorLog.h"
#include "app/GlyApplication.h"
#include "app/TfrmMain.h"
#include "app/TfrmSplash.h"
#include "help/ChmHelpEngine.h"
#include "platform/ApplicationHelp.h"
#include "fontfiles/TfrmInstalling.h"
#include "platform/linux/IniFileService.h"
#include "platform/linux/FontconfigSwitches.h"
#include "platform/linux/LinuxChmLibrary.h"
#include "platform/linux/LinuxFontService.h"
#include "platform/linux/LinuxPrinterService.h"
#include "platform/linux/LinuxShell.h"
#include "platform/linux/QSettingsStore.h"
#include "platform/linux/QtMessageBoxes.h"
#include "platform/linux/QtScreenMetrics.h"
#include "platform/linux/UnicodeBlocksFile.h"
#include "printing/TfrmPrinting.h"

#include <QDir>
#include <QFontDatabase>
#include <QStandardPaths>

#include <cstdio>
#include <cstdlib>

namespace {

QtMessageHandler qtMessages = nullptr;

// Qt aborts, as a crash would, when no platform plugin opens a display; the
// user is told plainly what is missing instead.
void withoutDisplay(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtFatalMsg) {
        qtMessages(type, context, message);
        return;
    }
    std::fputs("Glyphary needs a graphical display, and none could be opened. Start it in a "
               "desktop session, or set DISPLAY or WAYLAND_DISPLAY (and QT_QPA_PLATFORM, if "
               "set) to one that is running.\n",
               stderr);
    std::fflush(stderr);
    std::_Exit(1);
}

}  // namespace

int main(int argc, char* argv[])
{
    // Answered before the application object exists, which needs a display.
    QCoreApplication::setApplicationVersion(QStringLiteral(GLYPHARY_VERSION));
    QStringList paths;
    if (const std::optional<int> exitCode = answerCommandLine(argc, argv, paths))
        return *exitCode;

    // Lets the desktop match the windows to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(GLYPHARY_APP_ID));
    qtMessages = qInstallMessageHandler(withoutDisplay);
    GlyApplication app(argc, argv);
    qInstallMessageHandler(qtMessages);
    const AppFolders folders =
        AppFolders::locate(QCoreApplication::applicationDirPath(), QStringLiteral(GLYPHARY_DATA_FROM_BIN));
    QDir().mkpath(folders.iniFolder);

    // The splash comes first and is drawn now: the message loop that would
    // paint it starts only after the slow work below.
    LinuxFontService fonts;
    // Qt reads its own list of the machine's fonts while ours is read beside it.
    fonts.prefetch();
    QFontDatabase::families();
    GlyApplication::useInstalledInterfaceFamily(fonts);
    QtScreenMetrics screen;
    auto* frmSplash = new TfrmSplash(fonts, screen);
    frmSplash->show();
    frmSplash->repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

    LinuxPrinterService printer(fonts);
    QSettingsStore settings;
    IniFileService ini;
    LinuxShell shell;
    QtMessageBoxes messages;
    LinuxChmLibrary chm;
    ChmHelpEngine helpEngine(chm, shell, screen);
    ApplicationHelp help(helpEngine);
    ErrorLog errors(messages, folders.logFile);
    Platform platform{fonts,  printer, screen,           settings,          ini,
                      shell,  messages, help,            errors,            folders.iniFolder,
                      folders.dataFolder, readUnicodeBlocks(UnicodeBlocksPath)};
    FontconfigSwitches switches(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    platform.switches = &switches;
    app.setErrorReport(errors);

    TfrmMain frmMain(platform);
    frmMain.setSplash(frmSplash);
    frmMain.FormCreate();
    // The progress dialogs exist from here on, hidden until a run shows them.
    frmMain.setPrintingDialog(
        new TfrmPrinting(frmMain.printState, &frmMain, frmMain.designScale()));
    frmMain.setInstallingDialog(
        new TfrmInstalling(frmMain.installState, &frmMain, frmMain.designScale()));

    frmMain.show();
    // Once the window is up, so that the loading run has a window to show in.
    if (!paths.isEmpty())
        QMetaObject::invokeMethod(&frmMain, [&frmMain, paths] { frmMain.openFontFiles(paths); },
                                  Qt::QueuedConnection);
    return QApplication::exec();
}
