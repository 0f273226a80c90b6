#include "platform/linux/LinuxFontService.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHash>
#include <QList>
#include <QTimer>
#include <algorithm>
#include <cstdlib>
#include <optional>
#include <tuple>
#include <vector>

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

// A face's legacy family is its name ID 1, the name programs use when they ask
// for a family plus bold and italic; its style is name ID 2. fontconfig lists
// a face's family names as the WWS (21), typographic (16) and legacy (1) ones,
// in that order and without repeats, and its styles likewise (22, 17, 2). So
// with one family and one style in a language those are the legacy names,
// while with more the legacy one is the last unless it repeated an earlier
// one and was dropped: then only the file itself can tell.

namespace {

constexpr int kRegularWeight = 400;
constexpr int kBoldWeight = 700;

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
QString fold(const QString& name)
{
    QString out = name.toCaseFolded();
    out.removeIf([](QChar c) { return c.isSpace(); });
    return out;
}

bool namedBold(const Face& face)
{
    return face.info.styleName.contains(QLatin1String("Bold"), Qt::CaseInsensitive);
}

// Qt groups faces by their first family name, so "Noto Sans" would also offer
// "Noto Sans Light"; its family and style name pick one face alone. Weight and
// slant never less than the face's own: more is synthesised.
QFont faceFont(const Face& face, bool bold, bool italic)
{
    QFont font(face.qtFamily);
    font.setStyleName(face.qtStyle);
    font.setWeight(static_cast<QFont::Weight>(bold ? std::max(face.weight, kBoldWeight)
                                                   : face.weight));
    font.setItalic(italic || face.italic);
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

QStringList patternStrings(FcPattern* pattern, const char* object)
{
    QStringList out;
    FcChar8* value = nullptr;
    for (int i = 0; FcPatternGetString(pattern, object, i, &value) == FcResultMatch; ++i)
        out << QString::fromUtf8(reinterpret_cast<const char*>(value));
    return out;
}

bool patternBool(FcPattern* pattern, const char* object)
{
    FcBool value = FcFalse;
    return FcPatternGetBool(pattern, object, 0, &value) == FcResultMatch && value;
}

int patternInt(FcPattern* pattern, const char* object, int fallback)
{
    int value = fallback;
    return FcPatternGetInteger(pattern, object, 0, &value) == FcResultMatch ? value : fallback;
}

// The values whose language is lang; all of them when none is.
QStringList inLanguage(const QStringList& values, const QStringList& langs, const QString& lang)
{
    QStringList out;
    for (qsizetype i = 0; i < values.size(); ++i) {
        if (i >= langs.size() || langs[i] == lang)
            out << values[i];
    }
    return out.isEmpty() ? values : out;
}

// A named instance of a variable font has no name ID 1 of its own; name it as
// a static face would be named: what isn't bold or italic goes to the family.
LegacyName instanceName(const QString& family, const QString& style)
{
    QStringList kept;
    QStringList ribbi;
    for (const QString& word : style.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (word.compare(QLatin1String("Bold"), Qt::CaseInsensitive) == 0
            || word.compare(QLatin1String("Italic"), Qt::CaseInsensitive) == 0
            || word.compare(QLatin1String("Oblique"), Qt::CaseInsensitive) == 0)
            ribbi << word;
        else if (word.compare(QLatin1String("Regular"), Qt::CaseInsensitive) != 0)
            kept << word;
    }
    return {kept.isEmpty() ? family : family + QLatin1Char(' ') + kept.join(QLatin1Char(' ')),
            ribbi.isEmpty() ? QStringLiteral("Regular") : ribbi.join(QLatin1Char(' '))};
}

// The family fontconfig gives a request for name, as any program asking for it
// would get; name itself when nothing matches.
QString substituteFamily(const QString& name)
{
    FcPattern* request = FcPatternCreate();
    FcPatternAddString(request, FC_FAMILY, reinterpret_cast<const FcChar8*>(name.toUtf8().constData()));
    FcConfigSubstitute(nullptr, request, FcMatchPattern);
    FcDefaultSubstitute(request);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, request, &result);
    FcPatternDestroy(request);
    QString family = name;
    if (match) {
        family = patternStrings(match, FC_FAMILY).value(0, name);
        FcPatternDestroy(match);
    }
    return family;
}

// The pattern's character set, page by page as fontconfig keeps it.
QList<FontFileFace::CoveragePage> coveragePages(FcPattern* pattern)
{
    QList<FontFileFace::CoveragePage> out;
    FcCharSet* charSet = nullptr;
    if (FcPatternGetCharSet(pattern, FC_CHARSET, 0, &charSet) != FcResultMatch)
        return out;
    FcChar32 map[FC_CHARSET_MAP_SIZE];
    FcChar32 next = 0;
    for (FcChar32 base = FcCharSetFirstPage(charSet, map, &next); base != FC_CHARSET_DONE;
         base = FcCharSetNextPage(charSet, map, &next)) {
        FontFileFace::CoveragePage page;
        page.page = base >> 8;
        std::copy(std::begin(map), std::end(map), page.bits.begin());
        out << page;
    }
    return out;
}

// The face as fontconfig and FreeType see it; ft may be null.
FontFileFace fileFace(FcPattern* pattern, FT_Library ft)
{
    FontFileFace out;
    FcChar8* file = nullptr;
    if (FcPatternGetString(pattern, FC_FILE, 0, &file) == FcResultMatch)
        out.path = QFile::decodeName(reinterpret_cast<const char*>(file));
    out.index = patternInt(pattern, FC_INDEX, 0);
    out.format = patternStrings(pattern, FC_FONTFORMAT).value(0);
    const QStringList styles = inLanguage(patternStrings(pattern, FC_STYLE),
                                          patternStrings(pattern, FC_STYLELANG),
                                          QStringLiteral("en"));
    out.styleName = styles.value(0);
    FcCharSet* charSet = nullptr;
    if (FcPatternGetCharSet(pattern, FC_CHARSET, 0, &charSet) == FcResultMatch) {
        out.characterCount = int(FcCharSetCount(charSet));
        out.coverage = coveragePages(pattern);
    }
    FcLangSet* langs = nullptr;
    if (FcPatternGetLangSet(pattern, FC_LANG, 0, &langs) == FcResultMatch) {
        if (FcStrSet* set = FcLangSetGetLangs(langs)) {
            if (FcStrList* list = FcStrListCreate(set)) {
                while (FcChar8* lang = FcStrListNext(list))
                    out.languages << QString::fromUtf8(reinterpret_cast<const char*>(lang));
                FcStrListDone(list);
            }
            FcStrSetDestroy(set);
        }
        out.languages.sort();
    }
    FT_Face face = nullptr;
    if (ft && file && FT_New_Face(ft, reinterpret_cast<const char*>(file), out.index, &face) == 0) {
        out.glyphCount = int(face->num_glyphs);
        out.facesInFile = int(face->num_faces);
        FT_Done_Face(face);
    }
    return out;
}

// One FreeType library for a few faces opened one after another.
class FreeType {
public:
    FreeType()
    {
        if (FT_Init_FreeType(&library_) != 0)
            library_ = nullptr;
    }
    ~FreeType()
    {
        if (library_)
            FT_Done_FreeType(library_);
    }
    FreeType(const FreeType&) = delete;
    FreeType& operator=(const FreeType&) = delete;
    FT_Library get() const { return library_; }

private:
    FT_Library library_ = nullptr;
};

}  // namespace

struct LinuxFontService::Catalogue {
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
    // A file loaded by the program: its first face, and the faces it added
    // (none where the machine has the same faces).
    struct LoadedFile {
        Face first;
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

LegacyName LinuxFontService::Catalogue::legacyName(FcPattern* pattern, LegacyNameCache& names)
{
    const QStringList familyLangs = patternStrings(pattern, FC_FAMILYLANG);
    const QString lang =
        familyLangs.contains(QLatin1String("en")) ? QStringLiteral("en") : familyLangs.value(0);
    const QStringList families =
        inLanguage(patternStrings(pattern, FC_FAMILY), familyLangs, lang);
    const QStringList styles = inLanguage(patternStrings(pattern, FC_STYLE),
                                          patternStrings(pattern, FC_STYLELANG), lang);
    if (families.isEmpty())
        return {};
    const int index = patternInt(pattern, FC_INDEX, 0);
    if (index >> 16)
        return instanceName(families.first(), styles.value(0));
    if (families.size() == 1 && styles.size() <= 1)
        return {families.first(), styles.value(0)};
    FcChar8* file = nullptr;
    if (FcPatternGetString(pattern, FC_FILE, 0, &file) == FcResultMatch) {
        const std::optional<SfntLegacyNames> fromFile =
            names.read(QByteArray(reinterpret_cast<const char*>(file)), index);
        if (fromFile && families.contains(fromFile->family, Qt::CaseInsensitive))
            return {fromFile->family, fromFile->style};
    }
    return {families.last(), styles.value(styles.size() - 1)};
}

LinuxFontService::Catalogue::~Catalogue()
{
    for (const Face& face : faces) {
        if (face.application)
            FcPatternDestroy(face.pattern);
    }
    if (config)
        FcConfigDestroy(config);
}

void LinuxFontService::Catalogue::build(LegacyNameCache& names)
{
    config = FcConfigReference(nullptr);
    // The configuration's own sets, read in place: a listing would copy and
    // compare every pattern first, the larger part of the cost among thousands.
    if (FcFontSet* set = FcConfigGetFonts(config, FcSetSystem)) {
        for (int i = 0; i < set->nfont; ++i)
            addPattern(set->fonts[i], false, names);
    }
    // The program's own files, in the order they were loaded.
    QStringList files;
    if (FcFontSet* set = FcConfigGetFonts(config, FcSetApplication)) {
        FcChar8* file = nullptr;
        for (int i = 0; i < set->nfont; ++i) {
            if (FcPatternGetString(set->fonts[i], FC_FILE, 0, &file) != FcResultMatch)
                continue;
            const QString path = QFile::decodeName(reinterpret_cast<const char*>(file));
            if (!files.contains(path))
                files << path;
        }
    }
    for (const QString& file : std::as_const(files))
        addFile(file, names);

    for (Family& family : families) {
        sortFaces(family);
        screen << family.name;
        if (std::any_of(family.faces.begin(), family.faces.end(),
                        [this](qsizetype f) { return faces[f].outline; }))
            scalable << family.name;
    }
    // Unsorted: every caller orders the names its own way.
}

// Upright before italic, light before bold: Regular, Bold, Italic, Bold Italic.
void LinuxFontService::Catalogue::sortFaces(Family& family) const
{
    std::sort(family.faces.begin(), family.faces.end(), [this](qsizetype a, qsizetype b) {
        const Face& x = faces[a];
        const Face& y = faces[b];
        return std::tuple(x.italic, x.weight, namedBold(x), x.info.styleName)
               < std::tuple(y.italic, y.weight, namedBold(y), y.info.styleName);
    });
}

void LinuxFontService::Catalogue::list(const Family& family)
{
    if (!screen.contains(family.name))
        screen << family.name;
    const bool scalableFamily = std::any_of(family.faces.begin(), family.faces.end(),
                                            [this](qsizetype f) { return faces[f].outline; });
    if (scalableFamily && !scalable.contains(family.name))
        scalable << family.name;
    else if (!scalableFamily)
        scalable.removeOne(family.name);
}

QList<qsizetype> LinuxFontService::Catalogue::addFile(const QString& path, LegacyNameCache& names)
{
    QList<qsizetype> touched;
    if (loadedFiles.contains(path))
        return touched;
    LoadedFile loaded;
    bool found = false;
    const QByteArray name = QFile::encodeName(path);
    FcChar8* file = nullptr;
    FcFontSet* set = FcConfigGetFonts(config, FcSetApplication);
    for (int i = 0; set && i < set->nfont; ++i) {
        FcPattern* pattern = set->fonts[i];
        if (FcPatternGetString(pattern, FC_FILE, 0, &file) != FcResultMatch
            || name != reinterpret_cast<const char*>(file))
            continue;
        std::optional<Face> face = makeFace(pattern, true, names);
        if (!face)
            continue;
        if (!found)
            loaded.first = *face;
        found = true;
        const qsizetype index = add(std::move(*face));
        loaded.shadows |= index < 0;
        if (index < 0)
            continue;
        loaded.added << index;
        const qsizetype family = familyIndex.value(fold(faces[index].family));
        if (!touched.contains(family))
            touched << family;
    }
    if (found)
        loadedFiles.insert(path, loaded);
    return touched;
}

void LinuxFontService::Catalogue::removeFile(const QString& path)
{
    const auto it = loadedFiles.constFind(path);
    if (it == loadedFiles.cend())
        return;
    // The face stays in faces, unreferenced, so that no index moves.
    for (const qsizetype index : it->added) {
        const Face& face = faces[index];
        for (const QString& fullName : face.fullNames) {
            const auto named = loadedFullNames.constFind(fold(fullName));
            if (named != loadedFullNames.cend() && *named == index)
                loadedFullNames.erase(named);
        }
        const auto at = familyIndex.constFind(fold(face.family));
        if (at == familyIndex.cend())
            continue;
        Family& family = families[*at];
        family.faces.removeOne(index);
        if (family.faces.isEmpty()) {
            screen.removeOne(family.name);
            scalable.removeOne(family.name);
            familyIndex.erase(at);
        } else {
            list(family);
        }
    }
    loadedFiles.erase(it);
}

void LinuxFontService::Catalogue::addPattern(FcPattern* pattern, bool application,
                                             LegacyNameCache& names)
{
    if (std::optional<Face> face = makeFace(pattern, application, names))
        add(std::move(*face));
}

std::optional<Face> LinuxFontService::Catalogue::makeFace(FcPattern* pattern, bool application,
                                                          LegacyNameCache& names)
{
    // The whole-axes pattern of a variable font; its instances come separately.
    if (patternBool(pattern, FC_VARIABLE))
        return std::nullopt;
    const LegacyName legacy = legacyName(pattern, names);
    if (legacy.family.isEmpty())
        return std::nullopt;
    Face face;
    face.family = legacy.family;
    face.info.styleName = legacy.style;
    const QStringList format = patternStrings(pattern, FC_FONTFORMAT);
    face.info.trueType = format.contains(QLatin1String("TrueType"));
    face.cff = format.contains(QLatin1String("CFF"));
    face.info.vector = face.cff || format.contains(QLatin1String("Type 1"))
                       || format.contains(QLatin1String("CID Type 1"));
    face.outline = patternBool(pattern, FC_OUTLINE);
    face.info.charSet = patternBool(pattern, FC_SYMBOL) ? FontFace::CharSet::Symbol
                        : face.outline                  ? FontFace::CharSet::Ansi
                                                        : FontFace::CharSet::Oem;
    face.qtFamily = patternStrings(pattern, FC_FAMILY).value(0);
    face.qtStyle = patternStrings(pattern, FC_STYLE).value(0);
    face.fullNames = patternStrings(pattern, FC_FULLNAME);
    double weight = FC_WEIGHT_REGULAR;
    FcPatternGetDouble(pattern, FC_WEIGHT, 0, &weight);
    face.weight = qBound(1, qRound(FcWeightToOpenTypeDouble(weight)), 1000);
    face.italic = patternInt(pattern, FC_SLANT, FC_SLANT_ROMAN) != FC_SLANT_ROMAN;
    face.pattern = pattern;
    face.application = application;
    return face;
}

qsizetype LinuxFontService::Catalogue::add(Face face)
{
    const QString key = fold(face.family);
    auto it = familyIndex.constFind(key);
    if (it == familyIndex.constEnd()) {
        it = familyIndex.insert(key, families.size());
        families.append({face.family, {}});
    }
    Family& family = families[*it];
    // The same face from two files (a copy installed twice, a bitmap face in
    // several sizes) is one style.
    for (qsizetype other : family.faces) {
        const Face& known = faces[other];
        if (known.weight == face.weight && known.italic == face.italic
            && fold(known.info.styleName) == fold(face.info.styleName))
            return -1;
    }
    // The system set lives as long as the configuration; the program's own
    // files may be dropped from theirs before the catalogue is.
    if (face.application)
        FcPatternReference(face.pattern);
    const qsizetype index = faces.size();
    QHash<QString, qsizetype>& names = face.application ? loadedFullNames : fullNames;
    for (const QString& name : face.fullNames)
        names.insert(fold(name), index);  // a name two faces share goes to the later
    family.faces.append(index);
    faces.append(std::move(face));
    return index;
}

const Family* LinuxFontService::Catalogue::family(const QString& name) const
{
    const auto it = familyIndex.constFind(fold(name));
    return it == familyIndex.constEnd() ? nullptr : &families[*it];
}

// The face a request for bold and italic gets: the right slant first, then the
// weight nearest to the one asked for, then the style named for the request
// (some bold faces claim a regular weight).
qsizetype LinuxFontService::Catalogue::bestFace(const Family& family, bool bold,
                                                bool italic) const
{
    const int wanted = bold ? kBoldWeight : kRegularWeight;
    const QString style = bold && italic ? QStringLiteral("Bold Italic")
                          : bold         ? QStringLiteral("Bold")
                          : italic       ? QStringLiteral("Italic")
                                         : QStringLiteral("Regular");
    const auto score = [&](qsizetype index) {
        const Face& face = faces[index];
        return std::tuple(face.italic != italic, std::abs(face.weight - wanted),
                          face.info.styleName.compare(style, Qt::CaseInsensitive) != 0,
                          bold ? -face.weight : face.weight);
    };
    return *std::min_element(family.faces.begin(), family.faces.end(),
                             [&](qsizetype a, qsizetype b) { return score(a) < score(b); });
}

LinuxFontService::LinuxFontService(QObject* parent)
    : FontService(parent), m_names(LegacyNameCache::defaultPath())
{
}

LinuxFontService::~LinuxFontService() { releaseRetired(); }

const LinuxFontService::Catalogue& LinuxFontService::catalogue()
{
    if (!m_catalogue) {
        auto built = std::make_shared<Catalogue>();
        built->build(m_names);
        for (auto it = m_retired.cbegin(); it != m_retired.cend(); ++it)
            built->removeFile(it.key());
        m_catalogue = std::move(built);
        m_names.save();
    }
    return *m_catalogue;
}

QStringList LinuxFontService::screenFamilies() { return catalogue().screen; }

QStringList LinuxFontService::scalableFamilies() { return catalogue().scalable; }

QList<FontFace> LinuxFontService::faces(const QString& family)
{
    const Catalogue& c = catalogue();
    QList<FontFace> out;
    if (const Family* f = c.family(family)) {
        for (qsizetype index : f->faces)
            out << c.faces[index].info;
    }
    return out;
}

QFont LinuxFontService::makeFont(const QString& faceName, bool bold, bool italic)
{
    const Catalogue& c = catalogue();
    // No family name is a path: a loaded file's own face.
    if (QDir::isAbsolutePath(faceName)) {
        const auto file = c.loadedFiles.constFind(QDir::cleanPath(faceName));
        if (file != c.loadedFiles.cend())
            return faceFont(file->first, bold, italic);
    }
    qsizetype index = -1;
    if (const Family* family = c.family(faceName))
        index = c.bestFace(*family, bold, italic);
    else
        index = c.loadedFullNames.value(fold(faceName), c.fullNames.value(fold(faceName), -1));
    if (index < 0) {
        // fontconfig's substitute, under its real name: Qt would look for one
        // through every family it knows, at a cost that grows with the list.
        auto substitute = c.substitutes.constFind(faceName);
        if (substitute == c.substitutes.cend())
            substitute = c.substitutes.insert(faceName, substituteFamily(faceName));
        QFont font(*substitute);
        font.setBold(bold);
        font.setItalic(italic);
        font.setStyleStrategy(QFont::NoFontMerging);
        return font;
    }
    return faceFont(c.faces[index], bold, italic);
}

QList<FontFileFace> LinuxFontService::familyFiles(const QString& family)
{
    const Catalogue& c = catalogue();
    QList<FontFileFace> out;
    if (const Family* f = c.family(family)) {
        const FreeType ft;
        for (qsizetype index : f->faces) {
            const Face& face = c.faces[index];
            FontFileFace file = fileFace(face.pattern, ft.get());
            file.styleName = face.info.styleName;
            file.installed = !face.application;
            out << file;
        }
    }
    return out;
}

QList<FontFileFace> LinuxFontService::fileFaces(const QString& path)
{
    const QByteArray name = QFile::encodeName(QFileInfo(path).absoluteFilePath());
    FcFontSet* set = FcFontSetCreate();
    FcFreeTypeQueryAll(reinterpret_cast<const FcChar8*>(name.constData()), -1, nullptr, nullptr,
                       set);
    QList<FontFileFace> out;
    const FreeType ft;
    for (int i = 0; i < set->nfont; ++i) {
        // The whole-axes face of a variable font; its named instances follow.
        if (!patternBool(set->fonts[i], FC_VARIABLE))
            out << fileFace(set->fonts[i], ft.get());
    }
    FcFontSetDestroy(set);
    if (out.isEmpty())
        return out;
    // Installed when the configuration's own fonts have the file.
    bool installed = false;
    if (FcFontSet* system = FcConfigGetFonts(nullptr, FcSetSystem)) {
        FcChar8* file = nullptr;
        for (int i = 0; i < system->nfont && !installed; ++i)
            installed = FcPatternGetString(system->fonts[i], FC_FILE, 0, &file) == FcResultMatch
                        && name == reinterpret_cast<const char*>(file);
    }
    for (FontFileFace& face : out)
        face.installed = installed;
    return out;
}

bool LinuxFontService::drawsText(const QString& family, const QString& text)
{
    const Catalogue& c = catalogue();
    const Family* f = c.family(family);
    if (!f)
        return false;
    // fontconfig's character set answers without the font being loaded, which
    // for Qt means a search of every installed face.
    const Face& face = c.faces[c.bestFace(*f, false, false)];
    const QByteArray qtFamily = face.qtFamily.toUtf8();
    const QByteArray qtStyle = face.qtStyle.toUtf8();
    FcPattern* request = FcPatternBuild(nullptr, FC_FAMILY, FcTypeString, qtFamily.constData(),
                                        FC_STYLE, FcTypeString, qtStyle.constData(), nullptr);
    FcObjectSet* objects = FcObjectSetBuild(FC_CHARSET, nullptr);
    FcFontSet* set = FcFontList(nullptr, request, objects);
    FcObjectSetDestroy(objects);
    FcPatternDestroy(request);
    bool draws = false;
    FcCharSet* charSet = nullptr;
    if (set && set->nfont > 0
        && FcPatternGetCharSet(set->fonts[0], FC_CHARSET, 0, &charSet) == FcResultMatch) {
        const QList<uint> codes = text.toUcs4();
        draws = std::all_of(codes.begin(), codes.end(),
                            [charSet](uint code) { return FcCharSetHasChar(charSet, code); });
    }
    if (set)
        FcFontSetDestroy(set);
    return draws;
}

QList<FontFileFace::CoveragePage> LinuxFontService::characterCoverage(const QString& family)
{
    const Catalogue& c = catalogue();
    const Family* f = c.family(family);
    return f ? coveragePages(c.faces[c.bestFace(*f, false, false)].pattern)
             : QList<FontFileFace::CoveragePage>();
}

namespace {

// How many unloaded files Qt may go on holding while others are loaded.
constexpr qsizetype kRetiredLimit = 256;

}  // namespace

// The sets of the faces of each family, taken from the catalogue's patterns
// once, so that a keystroke asks fontconfig nothing but set membership.
class LinuxFontService::Search : public FamilySearch {
public:
    Search(std::shared_ptr<const Catalogue> catalogue, const QStringList& families)
        : catalogue_(std::move(catalogue))
    {
        starts_.reserve(families.size() + 1);
        for (const QString& name : families) {
            starts_.push_back(faces_.size());
            const Family* family = catalogue_->family(name);
            if (!family)
                continue;
            for (qsizetype index : family->faces) {
                const Face& face = catalogue_->faces[index];
                FaceSets sets;
                FcPatternGetCharSet(face.pattern, FC_CHARSET, 0, &sets.chars);
                FcPatternGetLangSet(face.pattern, FC_LANG, 0, &sets.langs);
                if (face.info.trueType)
                    sets.outline = Outline::TrueType;
                else if (face.info.vector)
                    sets.outline = face.cff ? Outline::Cff : Outline::Type1;
                sets.bold = face.weight >= kBoldWeight || namedBold(face);
                sets.italic = face.italic;
                faces_.push_back(sets);
            }
        }
        starts_.push_back(faces_.size());
    }

    QStringList languages() const override
    {
        QStringList out;
        if (FcStrSet* set = FcGetLangs()) {
            if (FcStrList* list = FcStrListCreate(set)) {
                while (FcChar8* lang = FcStrListNext(list))
                    out << QString::fromUtf8(reinterpret_cast<const char*>(lang));
                FcStrListDone(list);
            }
            FcStrSetDestroy(set);
        }
        out.sort();
        return out;
    }

    void keepWriting(const QString& language, QBitArray& keep) const override
    {
        // As fontconfig lists fonts for ":lang=...": the language's set of the
        // request within the face's.
        FcChar8* tag = FcLangNormalize(reinterpret_cast<const FcChar8*>(language.toUtf8().constData()));
        FcLangSet* wanted = FcLangSetCreate();
        if (tag)
            FcLangSetAdd(wanted, tag);
        keepFaces(keep, [wanted, tag](const FaceSets& face) {
            return tag && face.langs && FcLangSetContains(face.langs, wanted);
        });
        FcLangSetDestroy(wanted);
        FcStrFree(tag);
    }

    void keepHolding(const QList<uint>& codePoints, QBitArray& keep) const override
    {
        keepFaces(keep, [&codePoints](const FaceSets& face) {
            return face.chars && std::all_of(codePoints.begin(), codePoints.end(), [&](uint code) {
                       return FcCharSetHasChar(face.chars, code);
                   });
        });
    }

    void keepOutline(Outline outline, QBitArray& keep) const override
    {
        keepFaces(keep, [outline](const FaceSets& face) {
            return face.outline == outline;
        });
    }

    void keepStyle(Style style, QBitArray& keep) const override
    {
        keepFaces(keep, [style](const FaceSets& face) {
            return style == Style::Bold ? face.bold : face.italic;
        });
    }

private:
    struct FaceSets {
        FcCharSet* chars = nullptr;
        FcLangSet* langs = nullptr;
        std::optional<Outline> outline;  // none for bitmaps
        bool bold = false;
        bool italic = false;
    };

    template <typename Test>
    void keepFaces(QBitArray& keep, Test test) const
    {
        const qsizetype families = std::min(keep.size(), qsizetype(starts_.size()) - 1);
        for (qsizetype i = 0; i < families; ++i) {
            if (keep.testBit(i)
                && std::none_of(faces_.begin() + starts_[i], faces_.begin() + starts_[i + 1], test))
                keep.clearBit(i);
        }
        for (qsizetype i = families; i < keep.size(); ++i)
            keep.clearBit(i);
    }

    // Holds the configuration and the program's own patterns the sets live in.
    std::shared_ptr<const Catalogue> catalogue_;
    std::vector<FaceSets> faces_;
    std::vector<qsizetype> starts_;  // a family's first face; one past the last at the end
};

std::unique_ptr<FamilySearch> LinuxFontService::search(const QStringList& families)
{
    catalogue();
    return std::make_unique<Search>(m_catalogue, families);
}

bool LinuxFontService::addFontFile(const QString& path)
{
    const QString key = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    if (auto it = m_loaded.find(key); it != m_loaded.end()) {
        ++it->count;
        return true;
    }
    int id = -1;
    if (const auto retired = m_retired.constFind(key); retired != m_retired.cend()) {
        id = *retired;
        m_retired.erase(retired);
    } else {
        // Qt hands the file to fontconfig as an application font as well.
        id = QFontDatabase::addApplicationFont(key);
        if (id < 0)
            return false;
    }
    m_loaded.insert(key, {id, 1});
    // The file's faces join the lists as they are: the machine's fonts are
    // not read again for a file that only this program sees.
    if (m_catalogue) {
        for (const qsizetype family : m_catalogue->addFile(key, m_names)) {
            m_catalogue->sortFaces(m_catalogue->families[family]);
            m_catalogue->list(m_catalogue->families[family]);
        }
    }
    emit fontsChanged();
    return true;
}

bool LinuxFontService::removeFontFile(const QString& path)
{
    const QString key = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    const auto it = m_loaded.find(key);
    if (it == m_loaded.end())
        return false;
    if (--it->count > 0)
        return true;
    m_retired.insert(key, it->qtId);
    m_loaded.erase(it);
    // While Qt holds a file with a face the machine has too, Qt draws that
    // face from the file: such a file goes at once.
    const bool shadows = !m_catalogue || m_catalogue->loadedFiles.value(key).shadows;
    if (m_catalogue)
        m_catalogue->removeFile(key);
    if (shadows || m_retired.size() > kRetiredLimit) {
        releaseRetired();
    } else if (m_loaded.isEmpty()) {
        // Unloading the last file ends a preview, unless the next file follows
        // at once, as a sample that replaces the one before does.
        QTimer::singleShot(0, this, [this] {
            if (m_loaded.isEmpty())
                releaseRetired();
        });
    }
    emit fontsChanged();
    return true;
}

void LinuxFontService::releaseRetired()
{
    if (m_retired.isEmpty())
        return;
    for (const int id : std::as_const(m_retired))
        QFontDatabase::removeApplicationFont(id);
    m_retired.clear();
    // Qt empties fontconfig's application fonts and gives the others back
    // only when it reads its font list again.
    QFontDatabase::families();
}

QSet<QString>& LinuxFontService::installedNames()
{
    if (!m_installedNames) {
        m_installedNames.emplace();
        // The system set alone: files loaded for this program are application fonts.
        if (FcFontSet* set = FcConfigGetFonts(nullptr, FcSetSystem)) {
            for (int i = 0; i < set->nfont; ++i) {
                for (const QString& name : patternStrings(set->fonts[i], FC_FULLNAME))
                    m_installedNames->insert(fold(name));
            }
        }
    }
    return *m_installedNames;
}

bool LinuxFontService::isFontInstalled(const QString& fullName)
{
    return installedNames().contains(fold(fullName.trimmed()));
}

bool LinuxFontService::recordInstalledFont(const QString& path)
{
    FcFontSet* set = FcFontSetCreate();
    const QByteArray file = QFile::encodeName(path);
    const unsigned faces =
        FcFreeTypeQueryAll(reinterpret_cast<const FcChar8*>(file.constData()), -1, nullptr,
                           nullptr, set);
    for (int i = 0; i < set->nfont; ++i) {
        for (const QString& name : patternStrings(set->fonts[i], FC_FULLNAME))
            installedNames().insert(fold(name));
    }
    FcFontSetDestroy(set);
    return faces > 0;
}

void LinuxFontService::refreshFontsFolder(const QString& folder)
{
    const QByteArray dir = QFile::encodeName(QDir::cleanPath(folder));
    if (FcCache* cache =
            FcDirCacheRead(reinterpret_cast<const FcChar8*>(dir.constData()), FcTrue, nullptr))
        FcDirCacheUnload(cache);
}

void LinuxFontService::broadcastFontChange()
{
    releaseRetired();
    m_installedNames.reset();
    // A fresh configuration rescans changed folders and rewrites their caches,
    // which is how other programs get to see an installed font. It starts
    // without application fonts, so the loaded files go back in.
    if (FcInitReinitialize()) {
        for (auto it = m_loaded.cbegin(); it != m_loaded.cend(); ++it)
            FcConfigAppFontAddFile(nullptr, reinterpret_cast<const FcChar8*>(
                                                QFile::encodeName(it.key()).constData()));
    }
    m_catalogue.reset();
    emit fontsChanged();
}
