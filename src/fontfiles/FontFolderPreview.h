#pragma once

#include "fontfiles/FontArchive.h"
#include "fontfiles/FontFileEntry.h"
#include "fontfiles/UnpackedFonts.h"

#include <QFont>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class FontService;


// A list sorted by display text with at most one current item.
struct FontFileList {
    QList<FontFileItem> items;
    int current = -1;

    bool isEmpty() const { return items.isEmpty(); }
    int count() const { return int(items.size()); }
};

// The Preview/Install page without its widgets: the folder's font files, the
// run that reads their names, the Available, staging and Selected lists, the
// moves between them, and the font files loaded for a while to show or print
// them. Every file loaded through it is unloaded exactly once.
class FontFolderPreview {
public:
    explicit FontFolderPreview(FontService& fonts);

    // The names of folder's font files: those that end in ".ttf", ".otf",
    // ".ttc", ".otc", ".woff", ".woff2", ".pfb" or ".pfa" in any case, sorted
    // without regard to case. Symbolic links to files count; FIFOs,
    // devices and dangling links don't.
    static QStringList fontFileNames(const QString& folder);
    // The names with those endings that are not UTF-8 text, which the list
    // above leaves out: no file can be opened under them. Sorted as above.
    static QStringList undecodableFontFileNames(const QString& folder);

    enum class Side { Available, Selected };
    const FontFileList& list(Side side) const { return side == Side::Available ? available_ : selected_; }
    const FontFileList& available() const { return available_; }
    const FontFileList& selected() const { return selected_; }
    const QList<FontFileItem>& staging() const { return staging_; }
    // A row outside the list leaves it without a current item.
    void setCurrent(Side side, int row);
    // Empties the Available, staging and Selected lists. During a loading run
    // the run is cancelled as well and what it read is dropped.
    void clearLists();
    // Empties the Selected list alone, as an install run does at its end.
    void clearSelected() { selected_ = {}; }

    // The loading run. pumpEvents runs before every file, so that Cancel and
    // the rest of the window are heard; showProgress gets the truncated
    // percentage after every file.
    struct LoadingHooks {
        std::function<void()> pumpEvents;
        std::function<void(int percent)> showProgress;
    };
    enum class RunResult {
        Refused,    // a run was already going on
        Finished,   // every file read
        Cancelled,  // stopped early; what was read is listed
        Dropped,    // the lists were cleared while it ran
    };
    RunResult runLoading(const QString& folder, const QStringList& fileNames,
                         const LoadingHooks& hooks);
    bool isLoading() const { return loading_; }
    void cancelLoading() { ContinueLoading = false; }
    // Folder of the last run, with a trailing separator.
    const QString& PreviewFolder() const { return previewFolder_; }

    // What a move changed: the row taken out of one list and the row it went
    // to in the other; both -1 when nothing moved.
    struct Move {
        int from = -1;
        int to = -1;
    };
    // The current item of one list goes to the other, which sorts it in; the
    // item after it becomes current, or the last one.
    Move moveCurrent(Side from);
    // Every item of one list goes to the other; the emptied list has no current item.
    void moveAll(Side from);

    // The face to show one list's current item in, after loading its file
    // instead of the file shown before: the file's own. Empty when the list is empty.
    struct Sample {
        QString name;
        QFont font;
        // Why there is no face to show, for a file that is gone or is no
        // font file any more since it was listed; empty when there is one.
        QString problem;
    };
    std::optional<Sample> ShowPreviewSample(Side side);

    // The file to load for an entry of folder: the entry's own, or the
    // private decoded copy of a web font. Empty when none can be had, with
    // why set to follow the file's name.
    QString plainFile(const QString& folder, const FontFileEntry& entry, QString* why = nullptr);
    // Loads the item's plain file for the preview printout and keeps the
    // item in PrintLoadedFonts; the file loaded, empty when none was.
    QString loadPrintedFont(const FontFileItem& item);

    // An archive shown as a folder: its fonts unpacked into a private folder
    // of their own, in place of the archive shown before.
    FontArchive::Result openArchive(const QString& archive, const std::function<void()>& pump = {});
    // Removes the archive's folder, unloading the files loaded from it first.
    void closeArchive();
    // The open archive's folder and the relative paths of its fonts; empty
    // when none is open.
    const QString& archiveFolder() const { return archiveFolder_; }
    const QStringList& archiveFonts() const { return archiveFonts_; }

    // Temporary loading: the file is known to the program's fonts until
    // unloaded. False when it could not be loaded, and needs no unloading.
    bool LoadFontFile(const QString& path);
    void UnloadFontFile(const QString& path);
    void UnloadSampleFont();
    void UnloadPrintedFonts();
    const QString& SampleFontFile() const { return sampleFontFile_; }
    int SampleFaceIndex() const { return sampleFaceIndex_; }
    // Removes the private copies of files that are not loaded now; all of
    // them, with their folder, once nothing is loaded.
    void dropUnpackedCopies();
    // The items whose files the last preview printout loaded, from PrintLoadFolder.
    QList<FontFileItem> PrintLoadedFonts;
    QString PrintLoadFolder;

    // Set by Cancel while a run goes on.
    bool ContinueLoading = false;

private:
    QStringList filesInUse() const;

    FontService& fonts_;
    FontFileList available_;
    FontFileList selected_;
    QList<FontFileItem> staging_;
    QString previewFolder_;
    QString sampleFontFile_;
    int sampleFaceIndex_ = 0;
    UnpackedFonts unpacked_;
    QString archiveFolder_;
    QStringList archiveFonts_;
    bool loading_ = false;
    bool dropRun_ = false;
};
