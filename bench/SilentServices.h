#pragma once

#include "platform/FontService.h"
#include "platform/MessageBoxes.h"
#include "printing/PrintProgress.h"

// A print run timed without a dialog or a box in the way.
class NoProgress : public PrintProgress {
public:
    void setSelectedCaption(const QString&) override {}
    void setPrintedCaption(const QString&) override {}
    void showProgress() override {}
    void hideProgress() override {}
    void showSavedFile(const QString&) override {}
};

class NoMessages : public MessageBoxes {
public:
    void error(QWidget*, const QString&) override {}
    void warning(QWidget*, const QString&) override {}
    void information(QWidget*, const QString&) override {}
    void dialogError(QWidget*, const QString&) override {}
    bool confirm(QWidget*, const QString&) override { return false; }
};

// For runs that load nothing: the service is never called.
class NoFonts : public FontService {
public:
    QStringList screenFamilies() override { return {}; }
    QStringList scalableFamilies() override { return {}; }
    QList<FontFace> faces(const QString&) override { return {}; }
    QFont makeFont(const Specimen&) override { return {}; }
    VariationSpace variationSpace(const QString&) override { return {}; }
    bool drawsText(const QString&, const QString&) override { return false; }
    QList<FontFileFace::CoveragePage> characterCoverage(const QString&) override { return {}; }
    std::unique_ptr<FamilySearch> search(const QStringList&) override { return {}; }
    bool addFontFile(const QString&) override { return false; }
    bool removeFontFile(const QString&) override { return false; }
    bool isFontInstalled(const QString&) override { return false; }
    bool recordInstalledFont(const QString&) override { return false; }
    void refreshFontsFolder(const QString&) override {}
    void broadcastFontChange() override {}
    QList<FontFileFace> familyFiles(const QString&) override { return {}; }
    QList<FontFileFace> fileFaces(const QString&) override { return {}; }
    QStringList faceFiles(const QString&, bool) override { return {}; }
    QStringList installedFiles() override { return {}; }
};
