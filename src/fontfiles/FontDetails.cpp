#include "fontfiles/FontDetails.h"

#include "catalogue/CharacterCoverage.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>

#include <unicode/uloc.h>

#include <algorithm>
#include <array>

namespace {

// ICU's name for the tag's language and region, empty when it knows no
// name for the language.
QString languageName(const QString& tag, const QByteArray& displayLocale)
{
    for (QChar c : tag) {
        if (c.unicode() > 0x7F || !(c.isLetterOrNumber() || c == u'-' || c == u'_'))
            return {};
    }
    const QByteArray id = tag.toLatin1();
    std::array<char, ULOC_FULLNAME_CAPACITY> language{};
    UErrorCode error = U_ZERO_ERROR;
    uloc_getLanguage(id.constData(), language.data(), int32_t(language.size()), &error);
    std::array<UChar, 256> buffer{};
    const auto text = [&buffer](int32_t length) {
        return QString(reinterpret_cast<const QChar*>(buffer.data()), length);
    };
    const int32_t languageLength = uloc_getDisplayLanguage(
        id.constData(), displayLocale.constData(), buffer.data(), int32_t(buffer.size()), &error);
    // Without a name ICU gives the code back.
    if (U_FAILURE(error)
        || text(languageLength).compare(QLatin1String(language.data()), Qt::CaseInsensitive) == 0)
        return {};
    error = U_ZERO_ERROR;
    const int32_t length = uloc_getDisplayName(id.constData(), displayLocale.constData(), buffer.data(),
                                               int32_t(buffer.size()), &error);
    return U_SUCCESS(error) ? text(length) : QString();
}

FaceDetails describe(const FontFileFace& face, const UnicodeBlockNames& blockNames,
                     const QString& userFontsFolder)
{
    FaceDetails details;
    details.styleName = face.styleName;
    details.path = face.path;
    details.names = ReadFontFileNameStrings(face.path, face.index);
    details.format = formatText(face.format, face.index, face.facesInFile);
    details.glyphCount = face.glyphCount;
    details.characterCount = face.characterCount;
    details.blocks = unicodeBlocks(face.coverage, blockNames);
    details.languages = face.languages;
    details.variations = face.variations;
    if (face.installed) {
        const QString folder = QDir::cleanPath(userFontsFolder) + u'/';
        const bool ownFolder = !userFontsFolder.isEmpty()
                               && QDir::cleanPath(QFileInfo(face.path).absoluteFilePath())
                                      .startsWith(folder);
        details.installed =
            ownFolder ? FaceDetails::Installed::ForThisUser : FaceDetails::Installed::ForAllUsers;
    }
    return details;
}

QList<FaceDetails> describeAll(const QList<FontFileFace>& faces, const UnicodeBlockNames& blockNames,
                               const QString& userFontsFolder)
{
    QList<FaceDetails> out;
    out.reserve(faces.size());
    for (const FontFileFace& face : faces)
        out << describe(face, blockNames, userFontsFolder);
    return out;
}

}  // namespace

QList<FaceDetails> familyDetails(FontService& fonts, const UnicodeBlockNames& blockNames,
                                 const QString& family, const QString& userFontsFolder)
{
    return describeAll(fonts.familyFiles(family), blockNames, userFontsFolder);
}

QList<FaceDetails> fileDetails(FontService& fonts, const UnicodeBlockNames& blockNames,
                               const QString& path, const QString& userFontsFolder)
{
    return describeAll(fonts.fileFaces(path), blockNames, userFontsFolder);
}

QUrl webAddress(const QString& stated)
{
    if (stated.isEmpty() || std::any_of(stated.begin(), stated.end(),
                                        [](QChar c) { return c.isSpace() || c.unicode() > 0x7e; }))
        return {};
    // Fonts often state a bare "example.org/fonts"; such a host must have a dot.
    const bool bare = !stated.contains(u':');
    const QUrl url(bare ? QStringLiteral("http://") + stated : stated, QUrl::StrictMode);
    const QString scheme = url.scheme();
    if (!url.isValid() || url.host().isEmpty() || (bare && !url.host().contains(u'.'))
        || (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return {};
    return url;
}

QString formatText(const QString& fontconfigFormat, int index, int facesInFile)
{
    QString text = fontconfigFormat == QLatin1String("CFF") ? QStringLiteral("OpenType CFF")
                                                             : fontconfigFormat;
    if (facesInFile > 1)
        text += QStringLiteral(", collection index %1").arg(index & 0xffff);
    return text;
}

QList<FaceDetails::Block> unicodeBlocks(const QList<FontFileFace::CoveragePage>& coverage,
                                        const UnicodeBlockNames& names)
{
    QList<FaceDetails::Block> out;
    const CharacterCoverage characters(coverage, names);
    for (const CharacterBlock& block : characters.blocks())
        out << FaceDetails::Block{block.name, block.characters};
    return out;
}

QStringList languageNames(const QStringList& tags, const QLocale& locale)
{
    const QByteArray displayLocale = locale.name().toLatin1();
    QStringList out;
    out.reserve(tags.size());
    for (const QString& tag : tags) {
        const QString name = languageName(tag, displayLocale);
        out << (name.isEmpty() ? tag : QStringLiteral("%1 (%2)").arg(name, tag));
    }
    QCollator collator(locale);
    std::sort(out.begin(), out.end(),
              [&collator](const QString& a, const QString& b) { return collator.compare(a, b) < 0; });
    return out;
}
