#pragma once

#include "fontfiles/FontNameReader.h"
#include "platform/FontService.h"
#include "platform/UnicodeBlockNames.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QUrl>


// What one face's file says about itself, gathered for showing: the naming
// table's strings, and the facts fontconfig and FreeType give.
struct FaceDetails {
    enum class Installed { ForThisUser, ForAllUsers, No };

    struct Block {
        QString name;
        int characters = 0;

        bool operator==(const Block&) const = default;
    };

    QString styleName;
    QString path;
    FontNameStrings names;
    QString format;           // "TrueType", "OpenType CFF", "Type 1", ..., empty when unknown
    int glyphCount = -1;      // -1 when unknown
    int characterCount = 0;
    QList<Block> blocks;      // Unicode blocks with characters, in code point order
    QStringList languages;    // fontconfig's tags, "af", "zh-tw"
    Installed installed = Installed::No;
    VariationSpace variations;
};

// The faces of an installed family, in the catalogue's order; empty for a
// family without files (a printer's own font). userFontsFolder tells the
// user's own installs from everyone's.
QList<FaceDetails> familyDetails(FontService& fonts, const UnicodeBlockNames& blockNames,
                                 const QString& family, const QString& userFontsFolder);
// The faces of one font file, installed or not.
QList<FaceDetails> fileDetails(FontService& fonts, const UnicodeBlockNames& blockNames,
                               const QString& path, const QString& userFontsFolder);

// Where a URL a font states links to: a whole http or https address, or a
// host with a dot and a path without a scheme; empty for anything else (mail, files, markup, a text
// cut short), which is shown as text.
QUrl webAddress(const QString& stated);
// "OpenType CFF, collection index 2" from fontconfig's format name.
QString formatText(const QString& fontconfigFormat, int index, int facesInFile);
// The Unicode blocks a coverage map touches, each with its characters.
QList<FaceDetails::Block> unicodeBlocks(const QList<FontFileFace::CoveragePage>& coverage,
                                        const UnicodeBlockNames& names);
// The languages by ICU's names in locale, each with its tag, "Afrikaans (af)",
// sorted by name; a tag that ICU has no name for stands alone.
QStringList languageNames(const QStringList& tags, const QLocale& locale);
