#pragma once

#include <QString>

class FontService;
class PrinterService;
class ScreenMetrics;
class SettingsStore;
class IniFiles;
class Shell;
class MessageBoxes;

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
    // Both with a trailing separator. Run from a folder it can write, both are
    // the executable's folder; installed, they are the user's configuration
    // folder and the installed data folder.
    QString appFolder;               // the INI file's folder
    QString dataFolder = appFolder;  // read-only data such as the help file
};
