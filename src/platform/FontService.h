#pragma once

#include "platform/Specimen.h"

#include <QFont>
#include <QObject>
#include <QPainterPath>
#include <QString>
#include <QStringList>

#include <QBitArray>

#include <array>
#include <memory>
#include <optional>

// One face of a family as the catalogue sees it: the style name and the
// three facts the type text and the font map rely on.
struct FontFace {
    enum class CharSet { Ansi, Symbol, Oem };

    QString styleName;
    bool trueType = false;  // TrueType outlines
    bool vector = false;    // other scalable outlines (CFF, Type 1)
    CharSet charSet = CharSet::Ansi;

    bool operator==(const FontFace&) const = default;
};

// What fontconfig and FreeType know of one face of a font file.
// The variation axes of a variable face and its named instances, as the
// font names them; empty for a face that does not vary.
struct VariationSpace {
    struct Axis {
        QString tag;
        QString name;  // the font's own, else the tag
        double minimum = 0;
        double defaultValue = 0;
        double maximum = 0;
        bool hidden = false;  // the font asks that it not be offered to users

        bool operator==(const Axis&) const = default;
    };
    struct Instance {
        QString name;
        QMap<QString, double> coordinates;  // by axis tag

        bool operator==(const Instance&) const = default;
    };

    QList<Axis> axes;
    QList<Instance> instances;

    bool operator==(const VariationSpace&) const = default;
};

struct FontFileFace {
    // 256 code points from page << 8, one bit each, lowest first.
    struct CoveragePage {
        char32_t page = 0;
        std::array<quint32, 8> bits{};

        bool operator==(const CoveragePage&) const = default;
    };

    QString path;
    int index = 0;            // in the file; a named instance's in the upper 16 bits
    int facesInFile = 1;      // more than one in a collection
    QString styleName;
    QString format;           // fontconfig's: "TrueType", "CFF", "Type 1", ...
    int glyphCount = -1;      // -1 when the face cannot be opened
    int characterCount = 0;
    QList<CoveragePage> coverage;  // ascending pages
    QStringList languages;    // the languages fontconfig finds covered
    bool installed = false;   // in the machine's font folders, not loaded by this program
    VariationSpace variations;  // of the face as a whole: its named instances are not faces

    bool operator==(const FontFileFace&) const = default;
};

// What a find over a list of families asks of the font lists, answered from
// what they keep at hand: no font is loaded and no list is read again. Each
// call clears the bits, by index in the list, of the families that fail; a
// family the font lists don't know (a printer's resident font) fails all.
// It answers for the fonts it was made from, after a change too.
class FamilySearch {
public:
    enum class Outline { TrueType, Cff, Type1 };
    enum class Style { Bold, Italic };

    virtual ~FamilySearch() = default;

    // The language tags that coverage is known for, lower case: "ru", "zh-tw".
    virtual QStringList languages() const = 0;
    // Keeps the families with a face that writes the language; a tag without
    // a territory takes every territory ("zh" takes "zh-tw").
    virtual void keepWriting(const QString& language, QBitArray& keep) const = 0;
    // Keeps the families with a face that holds every one of the code points.
    virtual void keepHolding(const QList<uint>& codePoints, QBitArray& keep) const = 0;
    virtual void keepOutline(Outline outline, QBitArray& keep) const = 0;
    virtual void keepStyle(Style style, QBitArray& keep) const = 0;
};

// The machine's fonts. Families are named as a program sees them when it asks
// for a face name plus bold and italic: a family holds at most the four styles
// Regular, Bold, Italic and Bold Italic, so "Noto Sans Light" is a family of
// its own even though it shares a typographic family with "Noto Sans".
class FontService : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~FontService() override = default;

    // Every family the screen can draw, each once, in no promised order.
    virtual QStringList screenFamilies() = 0;
    // Every scalable family, each once: what a printer can embed.
    virtual QStringList scalableFamilies() = 0;
    // The faces of one family, in a stable order; empty for an unknown family.
    virtual QList<FontFace> faces(const QString& family) = 0;
    // A font for a specimen: its face (a family name or a face's full name)
    // in the requested style, at its size where it gives one. An unknown name
    // falls back to the platform's matching, as any program's request would.
    // The absolute path of a file loaded with addFontFile names that file's
    // own face. Specimens show the family's own glyphs only: a missing one is
    // the font's own missing-glyph shape, never another family's glyph.
    virtual QFont makeFont(const Specimen& specimen) = 0;
    // One line of text at the specimen's axis positions, shaped and drawn from
    // its face's outlines in pixels, the baseline at y = 0: for views that draw
    // many families at positions a drag moves faster than instances can be
    // made. Nothing where the specimen moves no axis of its face; the view
    // then draws with makeFont, as it does where a service cannot outline.
    struct OutlinedLine {
        // One path per glyph: a rasterizer walks a whole line's edges per row.
        QList<QPainterPath> glyphs;
        qreal ascent = 0;   // whole pixels, as a font's metrics give it
        qreal advance = 0;
    };
    virtual std::optional<OutlinedLine> outlinedLine(const Specimen& specimen, const QString& text,
                                                     qreal pixelSize)
    {
        Q_UNUSED(specimen)
        Q_UNUSED(text)
        Q_UNUSED(pixelSize)
        return std::nullopt;
    }
    // The face files behind faces(family), in the same order; the named
    // instances of one variable face are that face, once.
    virtual QList<FontFileFace> familyFiles(const QString& family) = 0;
    // The files of the family's faces, each once, with nothing opened: those
    // of the machine's font folders, or those loaded by this program alone.
    virtual QStringList faceFiles(const QString& family, bool installed) = 0;
    // Every file of the machine's font folders, each once, nothing opened.
    virtual QStringList installedFiles() = 0;
    // The faces of a font file, installed or not; empty when none can be read.
    virtual QList<FontFileFace> fileFaces(const QString& path) = 0;
    // The axes and named instances of the family's regular face, else its
    // first variable face; of the face itself for a full name or a loaded
    // file's path; empty when none varies.
    virtual VariationSpace variationSpace(const QString& family) = 0;
    // Whether the family's regular face has a glyph for every character of text.
    virtual bool drawsText(const QString& family, const QString& text) = 0;
    // The characters of the family's regular face, as fontconfig counts them;
    // empty for an unknown family or a face without a character map.
    virtual QList<FontFileFace::CoveragePage> characterCoverage(const QString& family) = 0;
    // A search over these families, by their index in the list.
    virtual std::unique_ptr<FamilySearch> search(const QStringList& families) = 0;

    // Whether the family keeps its glyphs under symbol codes rather than
    // Windows-1252 ones; its last face decides.
    bool symbolCharSet(const QString& family)
    {
        const QList<FontFace> familyFaces = faces(family);
        return !familyFaces.isEmpty() && familyFaces.last().charSet == FontFace::CharSet::Symbol;
    }

    // Temporary loading of a font file for this program only; counted per path.
    // Both report whether the file was (un)loaded. The lists take in or drop
    // the file's faces at once, without reading the machine's fonts again.
    virtual bool addFontFile(const QString& path) = 0;
    virtual bool removeFontFile(const QString& path) = 0;

    // Installed fonts: the files of the machine's font folders, not the ones
    // loaded for this program alone. Whether one has a face with that full name.
    virtual bool isFontInstalled(const QString& fullName) = 0;
    // Counts a file just copied into a fonts folder as installed, before the
    // font lists are read again; false when no font can be read from it.
    virtual bool recordInstalledFont(const QString& path) = 0;
    // Brings the font caches of a folder that fonts were copied into up to
    // date, so that every program finds them.
    virtual void refreshFontsFolder(const QString& folder) = 0;

    // Tells every listener, inside and outside the program, that the set of
    // fonts has changed.
    virtual void broadcastFontChange() = 0;

signals:
    void fontsChanged();
};
