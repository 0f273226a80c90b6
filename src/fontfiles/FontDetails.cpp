#include "fontfiles/FontDetails.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

#include <unicode/uchar.h>

#include <bit>
#include <numeric>

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

QString blockName(UBlockCode code)
{
    const char* name = u_getPropertyValueName(UCHAR_BLOCK, code, U_LONG_PROPERTY_NAME);
    return name ? QString::fromLatin1(name).replace(u'_', u' ') : QString::number(int(code));
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
    QHash<int, qsizetype> blockIndex;
    const auto add = [&](UBlockCode code, int count) {
        if (count == 0)
            return;
        auto it = blockIndex.constFind(code);
        if (it == blockIndex.cend()) {
            it = blockIndex.insert(code, out.size());
            out << FaceDetails::Block{blockName(code), 0};
        }
        out[*it].characters += count;
    };
    for (const FontFileFace::CoveragePage& page : coverage) {
        const UChar32 first = UChar32(page.page << 8);
        const UBlockCode firstBlock = ublock_getCode(first);
        // Blocks are ranges: a page that starts and ends in one lies in it whole.
        if (firstBlock != UBLOCK_NO_BLOCK && firstBlock == ublock_getCode(first + 255)) {
            add(firstBlock, std::accumulate(page.bits.begin(), page.bits.end(), 0,
                                            [](int sum, quint32 w) { return sum + std::popcount(w); }));
            continue;
        }
        for (int bit = 0; bit < 256; ++bit) {
            if (page.bits[bit / 32] >> (bit % 32) & 1)
                add(ublock_getCode(first + bit), 1);
        }
    }
    return out;
}
