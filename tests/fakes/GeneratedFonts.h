#pragma once

#include <QString>
#include <QStringList>

// Writes the generated test fonts under root (fonts/ for the configuration,
// extra/ for loading by hand, coverage/ for finding by script) and
// root/fonts.conf, a fontconfig configuration that knows only root/fonts and
// the given further folders of root, and with userFonts the user's fonts
// folder, $XDG_DATA_HOME/fonts, too. fontconfig and Qt read their
// configuration at the first font call, so this runs before the application
// exists.
bool writeTestFonts(const QString& root, bool userFonts = false,
                    const QStringList& moreFolders = {});
