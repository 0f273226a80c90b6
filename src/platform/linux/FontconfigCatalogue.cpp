#include "platform/linux/FontconfigCatalogue.h"

#include <QFile>
#include <algorithm>
#include <cstdlib>
#include <tuple>

namespace fccatalogue {

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

QStringList inLanguage(const QStringList& values, const QStringList& langs, const QString& lang)
{
    QStringList out;
    for (qsizetype i = 0; i < values.size(); ++i) {
        if (i >= langs.size() || langs[i] == lang)
            out << values[i];
    }
    return out.isEmpty() ? values : out;
}

}  // namespace fccatalogue

using namespace fccatalogue;

namespace {

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

}  // namespace

// A face's legacy family is its name ID 1, the name programs use when they ask
// for a family plus bold and italic; its style is name ID 2. fontconfig lists
// a face's family names as the WWS (21), typographic (16) and legacy (1) ones,
// in that order and without repeats, and its styles likewise (22, 17, 2). So
// with one family and one style in a language those are the legacy names,
// while with more the legacy one is the last unless it repeated an earlier
// one and was dropped: then only the file itself can tell.
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
    for (const LoadedFile& file : std::as_const(loadedFiles)) {
        for (const Face& face : file.faces)
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
        const int index = patternInt(pattern, FC_INDEX, 0);
        if (index >> 16 == 0 && !loaded.faces.contains(index)) {
            // Held for the file's lifetime here: a face that shadows one the
            // lists have already is not added, and nothing else holds it.
            loaded.faces.insert(index, *face);
            FcPatternReference(pattern);
        }
        found = true;
        const qsizetype added = add(std::move(*face));
        loaded.shadows |= added < 0;
        if (added < 0)
            continue;
        loaded.added << added;
        const qsizetype family = familyIndex.value(fold(faces[added].family));
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
    for (const Face& face : it->faces)
        FcPatternDestroy(face.pattern);
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
