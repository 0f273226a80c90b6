#pragma once

#include "platform/FontService.h"

#include <QHash>
#include <QMap>

#include <functional>

// Families and their faces as a test sets them up; no font is ever loaded.
class FakeFontService : public FontService {
    Q_OBJECT
public:
    // The family with its faces becomes drawable on the screen; scalable
    // unless told otherwise.
    void addFamily(const QString& family, const QList<FontFace>& faces, bool scalable = true);
    // A family with one TrueType "Regular" face.
    void addTrueTypeFamily(const QString& family);

    QStringList screenFamilies() override;
    QStringList scalableFamilies() override;
    QList<FontFace> faces(const QString& family) override;
    QFont makeFont(const Specimen& specimen) override;
    bool drawsText(const QString& family, const QString&) override { return !faces(family).isEmpty(); }
    QList<FontFileFace> familyFiles(const QString& family) override
    {
        return filesByFamily.value(family);
    }
    QList<FontFileFace> fileFaces(const QString& path) override { return facesByPath.value(path); }
    // From filesByFamily.
    QStringList faceFiles(const QString& family, bool installed) override;
    QStringList installedFiles() override;
    VariationSpace variationSpace(const QString& family) override { return spaces.value(family); }
    QList<FontFileFace::CoveragePage> characterCoverage(const QString& family) override
    {
        return coverageByFamily.value(family);
    }
    // Knows no coverage, outlines or styles: every such term fails.
    std::unique_ptr<FamilySearch> search(const QStringList& families) override;
    bool addFontFile(const QString& path) override;
    bool removeFontFile(const QString& path) override;
    bool isFontInstalled(const QString& fullName) override;
    bool recordInstalledFont(const QString& path) override;
    void refreshFontsFolder(const QString& folder) override;
    void broadcastFontChange() override;

    QStringList screen;
    QStringList scalable;
    QMap<QString, QList<FontFace>> facesByFamily;
    QMap<QString, QList<FontFileFace>> filesByFamily;
    QMap<QString, QList<FontFileFace>> facesByPath;
    QMap<QString, QList<FontFileFace::CoveragePage>> coverageByFamily;
    // How often each path was added and removed.
    QHash<QString, int> added;
    QHash<QString, int> removed;
    // Called as each file is added.
    std::function<void(const QString& path)> onAdd;
    int broadcasts = 0;
    QHash<QString, VariationSpace> spaces;
    // What makeFont was asked for, in order: the face names, and whole.
    QStringList fontRequests;
    QList<Specimen> specimens;
    // Full names of installed faces; files by name that no font can be read from.
    QStringList installedNames;
    QStringList unreadableFiles;
    QStringList recorded;
    QStringList refreshedFolders;
    int faceLookups = 0;
    // A message that faces() throws as a std::runtime_error, when set.
    QString facesError;
};
