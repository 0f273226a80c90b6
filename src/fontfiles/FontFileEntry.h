#pragma once

#include <QPair>
#include <QString>

// A font file found in the folder being previewed: the family to draw it with
// and the file to load, named relative to that folder.
struct FontFileEntry {
    QString FamilyName;
    QString FileName;

    bool operator==(const FontFileEntry&) const = default;
};

// An item of the Preview/Install page's lists: the font's full name as shown, and its file.
using FontFileItem = QPair<QString, FontFileEntry>;
