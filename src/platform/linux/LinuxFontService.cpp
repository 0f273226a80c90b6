#include "platform/linux/LinuxFontService.h"
#include "platform/linux/FontconfigCatalogue.h"
#include "platform/RegularFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHash>
#include <QList>
#include <QPair>
#include <QSet>
#include <QTimer>
#include <algorithm>
#include <cstdlib>
#include <optional>
#include <tuple>
#include <vector>

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

using namespace fccatalogue;

namespace {

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
    // An installed file may have been swapped for a FIFO since fontconfig
    // listed it; FreeType's open would wait on it for good.
    if (ft && file && isRegularFile(reinterpret_cast<const char*>(file))
        && FT_New_Face(ft, reinterpret_cast<const char*>(file), out.index, &face) == 0) {
        out.glyphCount = int(face->num_glyphs);
        out.facesInFile = int(face->num_faces);
        FT_Done_Face(face);
    }
    if (out.index >> 16 == 0)
        out.variations = FontInstancer::space(out.path, out.index);
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

// Face `face` of a file, or every face for -1: each as a whole, not its named
// instances, which a font may have by the thousand.
QList<FontFileFace> faceOfFile(const QString& path, int face, FT_Library ft)
{
    const QByteArray name = QFile::encodeName(path);
    const auto* file = reinterpret_cast<const FcChar8*>(name.constData());
    QList<FontFileFace> out;
    // The first query tells the count; an index has 16 bits, whatever a file claims.
    int count = std::max(face, 0) + 1;
    for (int i = std::max(face, 0); i < std::min(count, 0x10000) && (face < 0 || i == face); ++i) {
        FcPattern* pattern = FcFreeTypeQuery(file, unsigned(i), nullptr, &count);
        if (!pattern)
            break;
        out << fileFace(pattern, ft);
        FcPatternDestroy(pattern);
    }
    return out;
}

}  // namespace

LinuxFontService::LinuxFontService(QObject* parent)
    : FontService(parent), m_names(LegacyNameCache::defaultPath())
{
}

LinuxFontService::~LinuxFontService()
{
    settle();
    releaseRetired();
}

void LinuxFontService::prefetch()
{
    if (m_catalogue || m_prefetched.valid())
        return;
    // Loaded here, not raced for by two threads.
    FcInit();
    m_prefetched = std::async(std::launch::async, [this] {
        auto built = std::make_shared<Catalogue>();
        built->build(m_names);
        return built;
    });
}

void LinuxFontService::settle()
{
    if (m_prefetched.valid())
        catalogue();
}

const LinuxFontService::Catalogue& LinuxFontService::catalogue()
{
    if (!m_catalogue) {
        std::shared_ptr<Catalogue> built;
        if (m_prefetched.valid()) {
            built = m_prefetched.get();
        } else {
            built = std::make_shared<Catalogue>();
            built->build(m_names);
        }
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

QFont LinuxFontService::makeFont(const Specimen& specimen)
{
    const Face* face =
        matchedFace(specimen.face, specimen.bold, specimen.italic, specimen.faceIndex);
    QFont font;
    if (!face) {
        // fontconfig's substitute, under its real name: Qt would look for one
        // through every family it knows, at a cost that grows with the list.
        const Catalogue& c = catalogue();
        auto substitute = c.substitutes.constFind(specimen.face);
        if (substitute == c.substitutes.cend())
            substitute = c.substitutes.insert(specimen.face, substituteFamily(specimen.face));
        font = QFont(*substitute);
        font.setBold(specimen.bold);
        font.setItalic(specimen.italic);
        font.setStyleStrategy(QFont::NoFontMerging);
    } else if (const std::optional<QFont> instance =
                   m_instances.instance(patternStrings(face->pattern, FC_FILE).value(0),
                                        patternInt(face->pattern, FC_INDEX, 0),
                                        specimen.variations.axes)) {
        font = *instance;
    } else {
        font = faceFont(*face, specimen.bold, specimen.italic);
    }
    if (specimen.pointSize > 0)
        font.setPointSizeF(specimen.pointSize);
    return font;
}

std::optional<FontService::OutlinedLine> LinuxFontService::outlinedLine(const Specimen& specimen,
                                                                       const QString& text,
                                                                       qreal pixelSize)
{
    if (specimen.variations.axes.isEmpty())
        return std::nullopt;
    const Face* face =
        matchedFace(specimen.face, specimen.bold, specimen.italic, specimen.faceIndex);
    if (!face)
        return std::nullopt;
    return m_outlines.line(patternStrings(face->pattern, FC_FILE).value(0),
                           patternInt(face->pattern, FC_INDEX, 0), specimen.variations.axes, text,
                           pixelSize);
}

const Face* LinuxFontService::matchedFace(const QString& faceName, bool bold, bool italic,
                                          int faceIndex)
{
    const Catalogue& c = catalogue();
    // No family name is a path: a loaded file's own face.
    if (QDir::isAbsolutePath(faceName)) {
        const auto file = c.loadedFiles.constFind(QDir::cleanPath(faceName));
        if (file != c.loadedFiles.cend() && !file->faces.isEmpty()) {
            const auto face = file->faces.constFind(faceIndex);
            return face != file->faces.cend() ? &*face : &file->faces.first();
        }
    }
    qsizetype index = -1;
    if (const Family* family = c.family(faceName))
        index = c.bestFace(*family, bold, italic);
    else
        index = c.loadedFullNames.value(fold(faceName), c.fullNames.value(fold(faceName), -1));
    return index < 0 ? nullptr : &c.faces[index];
}

VariationSpace LinuxFontService::variationSpace(const QString& family)
{
    const Catalogue& c = catalogue();
    const Family* f = c.family(family);
    if (!f) {
        // A full name, or a loaded file's path: that face alone.
        const Face* face = matchedFace(family, false, false);
        return face ? FontInstancer::space(patternStrings(face->pattern, FC_FILE).value(0),
                                           patternInt(face->pattern, FC_INDEX, 0))
                    : VariationSpace{};
    }
    // The regular face first: it is what the style boxes' default draws.
    QList<qsizetype> order = f->faces;
    const qsizetype regular = c.bestFace(*f, false, false);
    if (order.removeOne(regular))
        order.prepend(regular);
    for (const qsizetype index : std::as_const(order)) {
        const Face& face = c.faces[index];
        VariationSpace space = FontInstancer::space(patternStrings(face.pattern, FC_FILE).value(0),
                                                    patternInt(face.pattern, FC_INDEX, 0));
        if (!space.axes.isEmpty())
            return space;
    }
    return {};
}

QList<FontFileFace> LinuxFontService::familyFiles(const QString& family)
{
    const Catalogue& c = catalogue();
    QList<FontFileFace> out;
    if (const Family* f = c.family(family)) {
        const FreeType ft;
        QSet<QPair<QString, int>> varied;
        for (qsizetype index : f->faces) {
            const Face& face = c.faces[index];
            const int faceIndex = patternInt(face.pattern, FC_INDEX, 0);
            FontFileFace file;
            if (faceIndex >> 16 == 0) {
                file = fileFace(face.pattern, ft.get());
                file.styleName = face.info.styleName;
            } else {
                // A named instance stands for its face, which is told once.
                const QString path = patternStrings(face.pattern, FC_FILE).value(0);
                if (varied.contains({path, faceIndex & 0xffff}))
                    continue;
                varied.insert({path, faceIndex & 0xffff});
                const QList<FontFileFace> whole = faceOfFile(path, faceIndex & 0xffff, ft.get());
                if (whole.isEmpty())
                    continue;
                file = whole.first();
            }
            file.installed = !face.application;
            out << file;
        }
    }
    return out;
}

QList<FontFileFace> LinuxFontService::fileFaces(const QString& path)
{
    const QByteArray name = QFile::encodeName(QFileInfo(path).absoluteFilePath());
    // fontconfig's open would wait for good on a FIFO put in a listed file's place.
    if (!isRegularFile(name))
        return {};
    const FreeType ft;
    QList<FontFileFace> out = faceOfFile(QFile::decodeName(name), -1, ft.get());
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

QStringList LinuxFontService::faceFiles(const QString& family, bool installed)
{
    const Catalogue& c = catalogue();
    QStringList out;
    if (const Family* f = c.family(family)) {
        for (qsizetype index : f->faces) {
            const Face& face = c.faces[index];
            const QString path = patternStrings(face.pattern, FC_FILE).value(0);
            if (face.application != installed && !path.isEmpty() && !out.contains(path))
                out << path;
        }
    }
    return out;
}

QStringList LinuxFontService::installedFiles()
{
    const Catalogue& c = catalogue();
    QStringList out;
    QSet<QString> seen;
    for (const Face& face : c.faces) {
        const QString path = face.application ? QString() : patternStrings(face.pattern, FC_FILE).value(0);
        if (!path.isEmpty() && !seen.contains(path)) {
            seen.insert(path);
            out << path;
        }
    }
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
    // The fonts are never changed under the thread reading them.
    settle();
    const QString key = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    if (auto it = m_loaded.find(key); it != m_loaded.end()) {
        ++it->count;
        return true;
    }
    // A file listed a while ago may be gone, or be a FIFO by now, which
    // Qt's and fontconfig's own opens would wait on for good.
    if (!isRegularFile(QFile::encodeName(key)))
        return false;
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
    settle();
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
    settle();
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
    settle();
    const QByteArray dir = QFile::encodeName(QDir::cleanPath(folder));
    if (FcCache* cache =
            FcDirCacheRead(reinterpret_cast<const FcChar8*>(dir.constData()), FcTrue, nullptr))
        FcDirCacheUnload(cache);
}

void LinuxFontService::broadcastFontChange()
{
    settle();
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
