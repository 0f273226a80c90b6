#include "fontfiles/FontDetails.h"

#include "catalogue/CharacterCoverage.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

FaceDetails describe(const FontFileFace& face, const QString& userFontsFolder)
{
    FaceDetails details;
    details.styleName = face.styleName;
    details.path = face.path;
    details.names = ReadFontFileNameStrings(face.path, face.index);
    details.format = formatText(face.format, face.index, face.facesInFile);
    details.glyphCount = face.glyphCount;
    details.characterCount = face.characterCount;
    details.blocks = unicodeBlocks(face.coverage);
    details.languages = face.languages;
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

QList<FaceDetails> describeAll(const QList<FontFileFace>& faces, const QString& userFontsFolder)
{
    QList<FaceDetails> out;
    out.reserve(faces.size());
    for (const FontFileFace& face : faces)
        out << describe(face, userFontsFolder);
    return out;
}

}  // namespace

QList<FaceDetails> familyDetails(FontService& fonts, const QString& family,
                                 const QString& userFontsFolder)
{
    return describeAll(fonts.familyFiles(family), userFontsFolder);
}

QList<FaceDetails> fileDetails(FontService& fonts, const QString& path,
                               const QString& userFontsFolder)
{
    return describeAll(fonts.fileFaces(path), userFontsFolder);
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

QList<FaceDetails::Block> unicodeBlocks(const QList<FontFileFace::CoveragePage>& coverage)
{
    QList<FaceDetails::Block> out;
    const CharacterCoverage characters(coverage);
    for (const CharacterBlock& block : characters.blocks())
        out << FaceDetails::Block{block.name, block.characters};
    return out;
}
