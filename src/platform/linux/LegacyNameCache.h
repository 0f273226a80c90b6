#pragma once

#include "platform/linux/SfntLegacyNames.h"

#include <QByteArray>
#include <QHash>
#include <QPair>
#include <QString>

#include <optional>

// The legacy names of font faces whose fontconfig names leave them open, read
// from the files and kept on disk between runs: a large collection has
// thousands of such faces, and reading them all at every start costs more
// than the rest of the font list. An answer holds while its file keeps its
// size and modification time.
class LegacyNameCache {
public:
    explicit LegacyNameCache(QString path);

    // $XDG_CACHE_HOME/glyphary/legacy-names
    static QString defaultPath();

    // Nothing when the file is gone or its names can't be read.
    std::optional<SfntLegacyNames> read(const QByteArray& file, int faceIndex);

    // Ends a round of questions, one font list: forgets the faces not asked
    // about since the last round and writes the file if anything changed. A
    // file that can't be written costs only the next start its reading.
    void save();

private:
    struct Entry {
        qint64 size = 0;
        qint64 modified = 0;  // ns
        std::optional<SfntLegacyNames> names;
        bool asked = false;
    };

    void load();
    void write() const;

    QString m_path;
    bool m_loaded = false;
    bool m_changed = false;
    QHash<QPair<QByteArray, int>, Entry> m_entries;
};
