#pragma once
// The real services behind one main window, for benchmarks that run the
// window itself; files go to appFolder.
#include "help/ChmHelpEngine.h"
#include "app/ErrorLog.h"
#include "platform/ApplicationHelp.h"
#include "platform/Platform.h"
#include "platform/linux/IniFileService.h"
#include "platform/linux/LinuxChmLibrary.h"
#include "platform/linux/LinuxFontService.h"
#include "platform/linux/LinuxPrinterService.h"
#include "platform/linux/LinuxShell.h"
#include "platform/linux/QSettingsStore.h"
#include "platform/linux/QtMessageBoxes.h"
#include "platform/linux/QtScreenMetrics.h"
#include "platform/linux/UnicodeBlocksFile.h"

struct RealPlatform {
    explicit RealPlatform(const QString& appFolder)
        : errors(messages, appFolder + QStringLiteral("glyphary.log"))
        , platform{fonts, printer, screen, settings, ini, shell, messages, help, errors, appFolder, appFolder,
                   readUnicodeBlocks(UnicodeBlocksPath)}
    {
    }

    LinuxFontService fonts;
    LinuxPrinterService printer{fonts};
    QtScreenMetrics screen;
    QSettingsStore settings;
    IniFileService ini;
    LinuxShell shell;
    QtMessageBoxes messages;
    LinuxChmLibrary chm;
    ChmHelpEngine helpEngine{chm, shell, screen};
    ApplicationHelp help{helpEngine};
    ErrorLog errors;
    Platform platform;
};
