#pragma once

#include <QString>

class FontService;
class PrinterService;
class ScreenMetrics;
class SettingsStore;
class IniFiles;
class Shell;
class MessageBoxes;
class ApplicationHelp;

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
    QString appFolder;  // folder of the executable, with a trailing separator
};
