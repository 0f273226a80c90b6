#pragma once

#include "fontfiles/FontFileEntry.h"

#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringList>

#include <memory>

class QTemporaryDir;

// The program's private copies of font files that no font program takes as
// they are: a web font's decoded TrueType or OpenType file. They live in a
// folder of their own under the program's cache folder, made when first
// needed, within a bounded space, and go when they are no longer needed or
// with this object.
class UnpackedFonts {
public:
    // All copies together stay below this.
    static constexpr qint64 MaxTotalSize = 512 * 1024 * 1024;

    // Copies go into a new folder under parent; by default the program's
    // cache folder's "unpacked".
    explicit UnpackedFonts(QString parent = {});
    ~UnpackedFonts();
    UnpackedFonts(const UnpackedFonts&) = delete;
    UnpackedFonts& operator=(const UnpackedFonts&) = delete;

    // The file a font program can load for the entry of folder: the file
    // itself when it is plain, else a copy, named after the file with the
    // extension of what it wraps. Room is made by removing copies not in
    // inUse. Empty when there is none, with why set to follow the file's name.
    QString plainFile(const QString& folder, const FontFileEntry& entry,
                      const QStringList& inUse = {}, QString* why = nullptr);
    // The same without making a copy: the one made before, else the file itself.
    QString plainFileMade(const QString& folder, const FontFileEntry& entry) const;
    // Removes every copy but those in keep; all of them, and the private
    // folder itself once no folder made by newFolder is left, when keep is empty.
    void removeCopies(const QStringList& keep = {});
    qint64 totalSize() const { return total_; }
    // A new empty folder in the private folder, for an archive's fonts;
    // empty when it cannot be made. removeFolder takes it and what it holds.
    QString newFolder();
    void removeFolder(const QString& folder);
    const QString& parent() const { return parent_; }

private:
    struct Copy {
        QString path;
        qint64 size = 0;
        qint64 sourceSize = -1;
        QDateTime sourceModified;
    };
    void remove(const QString& source);
    bool makeFolder();

    QString parent_;
    std::unique_ptr<QTemporaryDir> folder_;
    QHash<QString, Copy> copies_;  // by source path
    QStringList folders_;          // made by newFolder
    qint64 total_ = 0;
    int made_ = 0;
};
