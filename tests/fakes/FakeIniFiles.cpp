#include "fakes/FakeIniFiles.h"

namespace {
QString entryKey(const QString& section, const QString& key)
{
    return (section + u'/' + key).toLower();
}
}  // namespace

QString FakeIniFiles::readString(const QString& path, const QString& section, const QString& key,
                                 const QString& fallback)
{
    const auto file = files.constFind(path);
    if (file == files.cend())
        return fallback;
    return file->value(entryKey(section, key), fallback).left(2047);
}

void FakeIniFiles::writeString(const QString& path, const QString& section, const QString& key,
                               const QString& value)
{
    if (readOnly.contains(path))
        throw IniWriteError(QStringLiteral("Unable to write to %1").arg(path).toStdString());
    files[path].insert(entryKey(section, key), value);
    writes.append(section + u'/' + key + u'=' + value);
}
