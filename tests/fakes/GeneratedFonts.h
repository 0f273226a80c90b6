#pragma once

#include <QString>

// Writes the generated test fonts under root (fonts/ for the configuration,
// extra/ for loading by hand) and root/fonts.conf, a fontconfig configuration
// that knows only root/fonts. fontconfig and Qt read their configuration at
// the first font call, so this runs before the application exists.
bool writeTestFonts(const QString& root);
