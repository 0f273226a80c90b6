#include "fakes/FakeFontService.h"

#include <QFileInfo>

#include <stdexcept>

void FakeFontService::addFamily(const QString& family, const QList<FontFace>& faces, bool scalable)
{
    screen.append(family);
    if (scalable)
        this->scalable.append(family);
    facesByFamily.insert(family, faces);
}

void FakeFontService::addTrueTypeFamily(const QString& family)
{
    addFamily(family, {FontFace{QStringLiteral("Regular"), true, false, FontFace::CharSet::Ansi}});
}

namespace {

class NoSearch : public FamilySearch {
public:
    QStringList languages() const override { return {}; }
    void keepWriting(const QString&, QBitArray& keep) const override { keep.fill(false); }
    void keepHolding(const QList<uint>&, QBitArray& keep) const override { keep.fill(false); }
    void keepOutline(Outline, QBitArray& keep) const override { keep.fill(false); }
    void keepStyle(Style, QBitArray& keep) const override { keep.fill(false); }
};

}  // namespace

std::unique_ptr<FamilySearch> FakeFontService::search(const QStringList&)
{
    return std::make_unique<NoSearch>();
}

QStringList FakeFontService::screenFamilies() { return screen; }

QStringList FakeFontService::scalableFamilies() { return scalable; }

QList<FontFace> FakeFontService::faces(const QString& family)
{
    ++faceLookups;
    if (!facesError.isEmpty())
        throw std::runtime_error(facesError.toStdString());
    // Family names match without regard to case, as the real font lists do.
    for (auto it = facesByFamily.cbegin(); it != facesByFamily.cend(); ++it)
        if (it.key().compare(family, Qt::CaseInsensitive) == 0)
            return it.value();
    return {};
}

QFont FakeFontService::makeFont(const Specimen& specimen)
{
    fontRequests.append(specimen.face);
    specimens.append(specimen);
    QFont font(specimen.face);
    font.setBold(specimen.bold);
    font.setItalic(specimen.italic);
    font.setStyleStrategy(QFont::NoFontMerging);
    if (specimen.pointSize > 0)
        font.setPointSizeF(specimen.pointSize);
    return font;
}

bool FakeFontService::addFontFile(const QString& path)
{
    // As the real service: a file gone or no regular file any more stays out.
    if (!QFileInfo(path).isFile())
        return false;
    ++added[path];
    if (onAdd)
        onAdd(path);
    return true;
}

bool FakeFontService::removeFontFile(const QString& path)
{
    ++removed[path];
    return added.value(path) >= removed.value(path);
}

QStringList FakeFontService::faceFiles(const QString& family, bool installed)
{
    QStringList out;
    for (const FontFileFace& face : filesByFamily.value(family))
        if (face.installed == installed && !out.contains(face.path))
            out << face.path;
    return out;
}

QStringList FakeFontService::installedFiles()
{
    QStringList out;
    for (const QList<FontFileFace>& faces : std::as_const(filesByFamily))
        for (const FontFileFace& face : faces)
            if (face.installed && !out.contains(face.path))
                out << face.path;
    return out;
}

bool FakeFontService::isFontInstalled(const QString& fullName)
{
    return installedNames.contains(fullName, Qt::CaseInsensitive);
}

bool FakeFontService::recordInstalledFont(const QString& path)
{
    recorded.append(path);
    return !unreadableFiles.contains(QFileInfo(path).fileName());
}

void FakeFontService::refreshFontsFolder(const QString& folder)
{
    refreshedFolders.append(folder);
}

void FakeFontService::broadcastFontChange()
{
    ++broadcasts;
    emit fontsChanged();
}
