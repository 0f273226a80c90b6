#include "catalogue/FontCatalogue.h"

#include <algorithm>

namespace {
const QString StylesPrefix = QStringLiteral("Styles: ");
}

FontCatalogue::FontCatalogue(FontService& fonts) : fonts_(fonts) {}

QStringList FontCatalogue::fill(QStringList typefaces)
{
    std::stable_sort(typefaces.begin(), typefaces.end(), [](const QString& a, const QString& b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    fontCount_ = int(typefaces.size());
    return typefaces;
}

void FontCatalogue::buildScreenFonts(const QStringList& families)
{
    screenFonts_.clear();
    extendScreenFonts(families);
}

void FontCatalogue::extendScreenFonts(const QStringList& names)
{
    for (const QString& name : names)
        screenFonts_.insert(name.toCaseFolded());
    ++screenFontsVersion_;
}

bool FontCatalogue::isScreenFont(const QString& family) const
{
    return screenFonts_.contains(family.toCaseFolded());
}

void FontCatalogue::showCurrent(const QString& name, bool exists, int selectedCount)
{
    currentFontName_ = name;
    selectedCount_ = selectedCount;
    // Without a current entry there is nothing to draw either.
    noScreenFont_ = !exists || !isScreenFont(name);
    if (noScreenFont_) {
        stylesLabel_.clear();
        currentFontType_ = exists ? PrinterResident : QString();
        return;
    }
    // A family whose styles decide no type shows none rather than the type of
    // the family shown before it.
    currentFontType_.clear();
    stylesLabel_ = StylesPrefix;
    listedStyles_.clear();
    for (const FontFace& face : fonts_.faces(name))
        StyleEnumProc(face);
    // Drop the comma of the last ", " so the text ends in one blank; a label
    // without any style name is left empty.
    stylesLabel_.remove(stylesLabel_.size() - 2, 1);
    if (stylesLabel_.size() < 10)
        stylesLabel_.clear();
}

void FontCatalogue::setSelectedCount(int count) { selectedCount_ = count; }

void FontCatalogue::StyleEnumProc(const FontFace& face)
{
    // A family may hold the same face in two formats (Type 1 and OpenType).
    if (isListableStyleName(face.styleName) && !face.styleName.isEmpty()
        && !listedStyles_.contains(face.styleName, Qt::CaseInsensitive)) {
        stylesLabel_ += face.styleName + QStringLiteral(", ");
        listedStyles_.append(face.styleName);
    }
    const QString type = typeOf(face);
    if (!type.isEmpty())
        currentFontType_ = type;
    currCharPointSize_ =
        face.charSet == FontFace::CharSet::Symbol ? SymbolCharPointSize : TextCharPointSize;
}

bool FontCatalogue::isListableStyleName(const QString& styleName)
{
    return std::all_of(styleName.begin(), styleName.end(), [](QChar c) {
        return c == u' ' || (c.unicode() >= u'A' && c.unicode() <= u'z');
    });
}

QString FontCatalogue::typeOf(const FontFace& face)
{
    if (face.trueType)
        return QStringLiteral("TrueType");
    if (face.vector)
        return QStringLiteral("Adobe Type 1");
    if (face.charSet == FontFace::CharSet::Oem)
        return QStringLiteral("Raster");
    return {};
}
