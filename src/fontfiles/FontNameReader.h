#pragma once

#include "fontfiles/FontFileEntry.h"

#include <QList>
#include <QPair>
#include <QString>

class QIODevice;

// Appends the pairs (full font name, entry) that a TrueType or OpenType file's
// naming table yields, normally one, without loading the font. A file that
// cannot be opened or does not fit yields nothing and reports nothing.
//
// Names are read byte by byte as single-byte text: bytes below 32 are dropped
// and the rest map through Windows-1252, so two-byte names keep only their
// characters below 256.
void ReadFontFileNames(const QString& folder, const QString& fileName,
                       QList<QPair<QString, FontFileEntry>>& list);

// The same on an open random-access device holding the file's bytes.
void ReadFontNames(QIODevice& font, const QString& fileName,
                   QList<QPair<QString, FontFileEntry>>& list);
