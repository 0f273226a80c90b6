#pragma once

#include "platform/IniFiles.h"

#include <QMap>
#include <QStringList>

// INI files in memory: path -> "section/key" -> value. Keys match without
// regard to case, as in the real files.
class FakeIniFiles : public IniFiles {
public:
    bool fileExists(const QString& path) override { return files.contains(path); }
    QString readString(const QString& path, const QString& section, const QString& key,
                       const QString& fallback) override;
    void writeString(const QString& path, const QString& section, const QString& key,
                     const QString& value) override;

    QMap<QString, QMap<QString, QString>> files;
    // Every write in order, as "section/key=value".
    QStringList writes;
    // Writes to these paths throw IniWriteError.
    QStringList readOnly;
};
