#pragma once

#include <QString>
#include <QStringList>

// Font files and folders named on the command line or dropped on the window,
// sorted into what the Preview/Install page can show: one folder, the named
// files in it, and what can't be shown.
struct NamedFontFiles {
    // Paths in the order named. The folder is the first path's own (an
    // archive's: it is a folder of fonts) or, for a file, the one it lies in;
    // a path whose folder is missing passes it on.
    static NamedFontFiles sort(const QStringList& paths);

    QString folder;          // empty when no path names an existing folder
    bool folderNamed = false;
    QStringList fileNames;   // named font files in folder, each once, in the order named
    QStringList problems;    // missing, unreadable or not a font the page lists
    QStringList notShown;    // font files and folders elsewhere
    bool preview() const { return folderNamed || !fileNames.isEmpty(); }
    // Everything the user should hear about, in one text; empty for nothing.
    QString message() const;
};
