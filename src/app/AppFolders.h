#pragma once

#include <QString>

// Where the program keeps its files. Run from a folder of its own that it can
// write (a build folder, an unpacked copy), everything lies beside the
// executable. Installed, that folder is never written: the INI file goes to
// the user's configuration folder beside the settings, the log to the user's
// state folder, and read-only data comes from the installed data folder.
struct AppFolders {
    QString iniFolder;   // with a trailing separator
    QString logFile;
    QString dataFolder;  // with a trailing separator

    // dataFromBin: the installed data folder, relative to the installed bin folder.
    static AppFolders locate(const QString& exeFolder, const QString& dataFromBin);
};
