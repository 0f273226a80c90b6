#pragma once

// The faces and families fontconfig lists, as the font service keeps them.

#include "platform/linux/LinuxFontService.h"

#include <QHash>
#include <QMap>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

#include <fontconfig/fontconfig.h>

namespace fccatalogue {

inline constexpr int kRegularWeight = 400;
inline constexpr int kBoldWeight = 700;

struct Face {
    QString family;    // legacy family
    FontFace info;     // legacy style and the type facts
    QString qtFamily;  // Qt registers every face under its first family and style
    QString qtStyle;
    QStringList fullNames;
    int weight = kRegularWeight;  // OpenType scale
    bool italic = false;
    bool outline = false;
    bool cff = false;
    // The configuration's own pattern, kept alive by the catalogue.
    FcPattern* pattern = nullptr;
    bool application = false;  // loaded by this program
};

struct Family {
    QString name;
    QList<qsizetype> faces;
};

struct LegacyName {
    QString family;
    QString style;
};

// Names compare as fontconfig compares them, without regard to case or blanks:
// it drops a legacy "Noto Sans NewTaiLue" beside "Noto Sans New Tai Lue".
QString fold(const QString& name);
bool namedBold(const Face& face);
QStringList patternStrings(FcPattern* pattern, const char* object);
bool patternBool(FcPattern* pattern, const char* object);
int patternInt(FcPattern* pattern, const char* object, int fallback);
// The values whose language is lang; all of them when none is.
QStringList inLanguage(const QStringList& values, const QStringList& langs, const QString& lang);

}  // namespace fccatalogue

struct LinuxFontService::Catalogue {
    using Face = fccatalogue::Face;
    using Family = fccatalogue::Family;
    using LegacyName = fccatalogue::LegacyName;

    Catalogue() = default;
    Catalogue(const Catalogue&) = delete;
    Catalogue& operator=(const Catalogue&) = delete;
    ~Catalogue();

    // Held so that its fonts outlive a reload of the configuration.
    FcConfig* config = nullptr;
    QList<Face> faces;
    QList<Family> families;
    QHash<QString, qsizetype> familyIndex;  // folded name -> families
    QHash<QString, qsizetype> fullNames;    // folded full name -> faces
    // The same for the program's own files, asked first: they came later.
    QHash<QString, qsizetype> loadedFullNames;
    QStringList screen;
    QStringList scalable;
    // A file loaded by the program: its faces by index in the file (a
    // collection has several; named instances are not faces), and the faces
    // it added (none where the machine has the same faces).
    struct LoadedFile {
        QMap<int, Face> faces;
        QList<qsizetype> added;
        bool shadows = false;  // a face of it is one the lists had already
    };
    QHash<QString, LoadedFile> loadedFiles;  // clean absolute path
    // Requested name -> fontconfig's substitute, asked once: a heading font
    // that is not installed is set for every family a sheet prints.
    mutable QHash<QString, QString> substitutes;

    void build(LegacyNameCache& names);
    // The program's own faces of one file, from fontconfig's application set;
    // returns the families that got faces, to be sorted and listed.
    QList<qsizetype> addFile(const QString& path, LegacyNameCache& names);
    void removeFile(const QString& path);
    void addPattern(FcPattern* pattern, bool application, LegacyNameCache& names);
    std::optional<Face> makeFace(FcPattern* pattern, bool application, LegacyNameCache& names);
    // The face's index, or -1 when its family has that face already.
    qsizetype add(Face face);
    void sortFaces(Family& family) const;
    // Enters a family changed after the build into the screen and scalable lists.
    void list(const Family& family);
    static LegacyName legacyName(FcPattern* pattern, LegacyNameCache& names);
    const Family* family(const QString& name) const;
    qsizetype bestFace(const Family& family, bool bold, bool italic) const;
};
