#pragma once

#include <QByteArray>
#include <QStringList>

// The families of the resident fonts that a PostScript printer description
// lists in its *Font entries, in order of first appearance, each once.
// "Times-BoldItalic" belongs to "Times", "Helvetica-Narrow-Bold" to
// "Helvetica-Narrow".
QStringList ppdFontFamilies(const QByteArray& ppdText);
