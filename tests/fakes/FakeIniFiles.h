#pragma once

#include "platform/IniFiles.h"

#include <QMap>
#include <QStringList>

// INI files in memory: path -> "section/key" -> value. Keys match without
// regard to case, as in the real files.
class FakeIniFiles : public IniFiles {
public:
    bool fileExists(const QString& path) override { return files.contains(path); }
    QStringList readStrings(const QString& path, const QString& section, const QStringList& keys,
                            const QString& fallback) override;
    void writeStrings(const QString& path, const QString& section,
                      const QList<IniEntry>& entries) override;

    QMap<QString, QMap<QString, QString>> files;
    // Every write in order, as "section/key=value".
    QStringList writes;
    // Writes to these paths throw IniWriteError.
    QStringList readOnly;
    // Writes after this many succeed throw IniWriteError; negative: none do.
    int writesBeforeFailure = -1;
};
