#pragma once

#include <QDateTime>
#include <QPair>
#include <QString>

#include <utility>

// A font file found in the folder being previewed: the family to draw it with
// and the file to load, named relative to that folder.
struct FontFileEntry {
    FontFileEntry() = default;
    FontFileEntry(QString familyName, QString fileName)
        : FamilyName(std::move(familyName))
        , FileName(std::move(fileName))
    {
    }

    QString FamilyName;
    QString FileName;
    // The face in a collection; 0 in a file of one face.
    int FaceIndex = 0;
    // The file as its names were read, so that Install can tell it was
    // replaced since; -1 and null for names not read from a file.
    qint64 FileSize = -1;
    QDateTime FileModified;

    // The same face of the same file, whenever it was read.
    bool operator==(const FontFileEntry& other) const
    {
        return FamilyName == other.FamilyName && FileName == other.FileName
               && FaceIndex == other.FaceIndex;
    }
};

// An item of the Preview/Install page's lists: the font's full name as shown, and its file.
using FontFileItem = QPair<QString, FontFileEntry>;
