#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Name IDs 1 and 2 (legacy family and style) of one face of a TrueType or
// OpenType file or collection, read with a few positioned reads instead of
// opening the face: the font list of a large collection needs thousands.
// Windows US English first, then Mac Roman English, any Windows, Unicode.
struct SfntLegacyNames {
    QString family;
    QString style;

    static std::optional<SfntLegacyNames> read(const QByteArray& path, int faceIndex);
};
