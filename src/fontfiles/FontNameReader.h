#pragma once

#include "fontfiles/FontFileEntry.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

class QIODevice;

// The endings of the font files the reader takes, in any letter case:
// "*.ttf", "*.otf", "*.ttc", "*.otc", "*.woff", "*.woff2", "*.pfb", "*.pfa".
const QStringList& fontFileMask();

// A collection claiming more faces is damaged: the largest real ones hold a
// few dozen.
constexpr int MaxCollectionFaces = 256;

// Appends the pairs (full font name, entry) that a TrueType or OpenType file's
// naming table yields, normally one, without loading the font, each with the
// file's size and modification time. A collection yields the pairs of each of
// its faces in turn, a WOFF or WOFF2 file those of the font it wraps, a Type 1
// font (.pfb, .pfa) the names of its clear text. A file
// that cannot be opened or does not fit yields nothing and reports nothing.
//
// Names are read byte by byte as single-byte text: bytes below 32 are dropped
// and the rest map through Windows-1252, so two-byte names keep only their
// characters below 256.
void ReadFontFileNames(const QString& folder, const QString& fileName,
                       QList<QPair<QString, FontFileEntry>>& list);

// The same on an open random-access device holding the file's bytes.
void ReadFontNames(QIODevice& font, const QString& fileName,
                   QList<QPair<QString, FontFileEntry>>& list);

// The strings a face's naming table states about the font, by name ID (0 to
// 14): copyright, family, style, unique ID, full name, version, ... license
// URL. Of each ID the English one is taken where there is one (Windows US
// English, Macintosh English, other Windows English, Unicode platform, any
// Windows language, any Macintosh Roman language, in that order); names in
// other encodings are not read. An ID missing or damaged is an empty string.
// Reads are bounded: a long text is cut, shown cut by a closing ellipsis.
struct FontNameStrings {
    static constexpr int kCount = 15;
    // Prose (copyright, trademark, description, license) and web addresses,
    // which are no use cut, keep more than names.
    static constexpr int kMaxNameLength = 200;
    static constexpr int kMaxProseLength = 8000;
    static int maxLength(int nameId);

    QString text[kCount];
    const QString& operator[](int nameId) const { return text[nameId]; }
};

// The naming table of one face of a font file or collection; faceIndex's
// upper 16 bits (a variable font's named instance) are ignored.
FontNameStrings ReadFontNameStrings(QIODevice& font, int faceIndex);
FontNameStrings ReadFontFileNameStrings(const QString& path, int faceIndex);
