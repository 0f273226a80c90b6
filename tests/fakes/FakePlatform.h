#pragma once

#include "fakes/FakeFontService.h"
#include "fakes/FakeFontSwitches.h"
#include "fakes/FakeHelpEngine.h"
#include "fakes/FakeIniFiles.h"
#include "fakes/FakeMessageBoxes.h"
#include "fakes/FakePrinterService.h"
#include "fakes/FakeScreenMetrics.h"
#include "fakes/FakeSettingsStore.h"
#include "fakes/FakeShell.h"
#include "app/ErrorLog.h"
#include "platform/ApplicationHelp.h"
#include "platform/Platform.h"

#include <QTemporaryDir>

// Every service faked, with a fresh temporary folder as the program's folder.
struct FakePlatform {
    FakePlatform();

    QTemporaryDir folder;
    FakeFontService fonts;
    FakeFontSwitches switches;
    FakePrinterService printer;
    FakeScreenMetrics screen;
    FakeSettingsStore settings;
    FakeIniFiles ini;
    FakeShell shell;
    FakeMessageBoxes messages;
    FakeHelpEngine helpEngine;
    ApplicationHelp help{helpEngine};
    // The program's own reporter over the fake boxes, logging where an
    // installed program logs: a folder that a fresh account lacks.
    ErrorLog errors;
    Platform platform;
};
