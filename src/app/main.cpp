#include "app/GlyApplication.h"
#include "app/TfrmMain.h"
#include "app/TfrmSplash.h"
#include "fontfiles/TfrmInstalling.h"
#include "platform/linux/IniFileService.h"
#include "platform/linux/LinuxFontService.h"
#include "platform/linux/LinuxPrinterService.h"
#include "platform/linux/LinuxShell.h"
#include "platform/linux/QSettingsStore.h"
#include "platform/linux/QtMessageBoxes.h"
#include "platform/linux/QtScreenMetrics.h"
#include "printing/TfrmPrinting.h"

#include <QDir>

int main(int argc, char* argv[])
{
    GlyApplication app(argc, argv);

    // The splash comes first and is drawn now: the printer service asks CUPS,
    // which can be slow, and the message loop that would paint it starts
    // only after the slow work below.
    LinuxFontService fonts;
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
    Platform platform{fonts,    printer, screen,   settings, ini, shell,
                      messages, QDir(QCoreApplication::applicationDirPath()).absolutePath() + u'/'};
    app.setErrorReport(messages, platform.appFolder + QStringLiteral("glyphary.log"));

    TfrmMain frmMain(platform);
    frmMain.setSplash(frmSplash);
    frmMain.FormCreate();
    // The progress dialogs exist from here on, hidden until a run shows them.
    frmMain.setPrintingDialog(new TfrmPrinting(frmMain.printState, &frmMain));
    frmMain.setInstallingDialog(new TfrmInstalling(frmMain.installState, &frmMain));

    frmMain.show();
    return QApplication::exec();
}
