#pragma once

#include <QString>

// A font file found in the folder being previewed: the family to draw it with
// and the file to load, named relative to that folder.
struct FontFileEntry {
    QString FamilyName;
    QString FileName;

    bool operator==(const FontFileEntry&) const = default;
};
