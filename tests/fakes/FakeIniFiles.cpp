#include "fakes/FakeIniFiles.h"

namespace {
QString entryKey(const QString& section, const QString& key)
{
    return (section + u'/' + key).toLower();
}
}  // namespace

QStringList FakeIniFiles::readStrings(const QString& path, const QString& section,
                                      const QStringList& keys, const QString& fallback)
{
    QStringList values;
    const auto file = files.constFind(path);
    for (const QString& key : keys)
        values.append(file == files.cend() ? fallback
                                           : file->value(entryKey(section, key), fallback).left(2047));
    return values;
}

void FakeIniFiles::writeStrings(const QString& path, const QString& section,
                                const QList<IniEntry>& entries)
{
    if (readOnly.contains(path) || writesBeforeFailure == 0)
        throw IniWriteError(QStringLiteral("Unable to write to %1").arg(path).toStdString());
    if (writesBeforeFailure > 0)
        --writesBeforeFailure;
    for (const auto& [key, value] : entries) {
        files[path].insert(entryKey(section, key), value);
        writes.append(section + u'/' + key + u'=' + value);
    }
}
