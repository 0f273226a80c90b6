#pragma once

#include "platform/FontService.h"
#include "platform/linux/FontInstancer.h"
#include "platform/linux/LegacyNameCache.h"
#include "platform/linux/OutlinedText.h"

#include <QHash>
#include <QSet>

#include <future>
#include <optional>
#include <memory>

namespace fccatalogue {
struct Face;
}

// The machine's fonts as fontconfig knows them, drawn by Qt. Families carry
// their legacy names (at most Regular, Bold, Italic and Bold Italic each), and
// makeFont loads exactly the face of that family that a request names.
class LinuxFontService : public FontService {
    Q_OBJECT
public:
    explicit LinuxFontService(QObject* parent = nullptr);
    ~LinuxFontService() override;

    // Starts reading the machine's fonts on a thread of its own, so that the
    // reading goes on beside Qt's reading of its own list at start-up; the
    // first call that needs them waits for it.
    void prefetch();

    QStringList screenFamilies() override;
    QStringList scalableFamilies() override;
    QList<FontFace> faces(const QString& family) override;
    QFont makeFont(const Specimen& specimen) override;
    std::optional<OutlinedLine> outlinedLine(const Specimen& specimen, const QString& text,
                                             qreal pixelSize) override;
    bool drawsText(const QString& family, const QString& text) override;
    QList<FontFileFace::CoveragePage> characterCoverage(const QString& family) override;
    std::unique_ptr<FamilySearch> search(const QStringList& families) override;
    QList<FontFileFace> familyFiles(const QString& family) override;
    QList<FontFileFace> fileFaces(const QString& path) override;
    QStringList faceFiles(const QString& family, bool installed) override;
    QStringList installedFiles() override;
    VariationSpace variationSpace(const QString& family) override;

    bool addFontFile(const QString& path) override;
    bool removeFontFile(const QString& path) override;

    bool isFontInstalled(const QString& fullName) override;
    bool recordInstalledFont(const QString& path) override;
    // Rescans the folder and rewrites its fontconfig cache.
    void refreshFontsFolder(const QString& folder) override;

    void broadcastFontChange() override;

private:
    struct Catalogue;
    class Search;
    struct LoadedFile {
        int qtId;
        int count;
    };

    const Catalogue& catalogue();
    void settle();
    QSet<QString>& installedNames();
    const fccatalogue::Face* matchedFace(const QString& faceName, bool bold, bool italic,
                                        int faceIndex = 0);

    // Built on first use, dropped whenever the set of fonts changes; a search
    // keeps the one it was made from.
    std::shared_ptr<Catalogue> m_catalogue;
    // Kept across font lists, so that a change reads only the files it touched.
    LegacyNameCache m_names;
    FontInstancer m_instances;
    OutlinedText m_outlines;
    // Absolute path -> Qt's id and how often the file was added.
    QHash<QString, LoadedFile> m_loaded;
    // Files unloaded from the program's lists that Qt still holds: Qt drops
    // one only by reading every font of the machine again, so they go
    // together once no file is loaded (and come back at once when loaded again).
    QHash<QString, int> m_retired;
    void releaseRetired();
    // Folded full names of the installed faces, read once per configuration,
    // plus the files recorded since.
    std::optional<QSet<QString>> m_installedNames;
    // Last, so that it is gone before the name cache it reads into.
    std::future<std::shared_ptr<Catalogue>> m_prefetched;
};
