#pragma once

#include "platform/UnicodeBlockNames.h"

#include <QString>

class FontService;
class FontSwitches;
class PrinterService;
class ScreenMetrics;
class SettingsStore;
class IniFiles;
class Shell;
class MessageBoxes;
class ApplicationHelp;
class ErrorReporter;

// The services the program reaches the machine through. main() builds the real
// ones, tests build fakes.
struct Platform {
    FontService& fonts;
    PrinterService& printer;
    ScreenMetrics& screen;
    SettingsStore& settings;
    IniFiles& ini;
    Shell& shell;
    MessageBoxes& messages;
    ApplicationHelp& help;
    // Where handlers hand the errors that end them.
    ErrorReporter& errors;
    // Both with a trailing separator: the executable's folder when the program
    // runs from a folder of its own that it can write.
    QString appFolder;               // the INI file's folder
    QString dataFolder = appFolder;  // read-only data such as the help file
    // None known: ICU's aliases name the blocks.
    UnicodeBlockNames blockNames = {};
    // Where fonts are switched off for every program; none: they can't be.
    FontSwitches* switches = nullptr;
};
