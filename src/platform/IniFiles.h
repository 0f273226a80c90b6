#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <stdexcept>
#include <utility>

// Raised when an INI file can't be written; the message names the full path.
class IniWriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A key and its value.
using IniEntry = std::pair<QString, QString>;

// Private profile files: one string value per key in a section.
class IniFiles {
public:
    virtual ~IniFiles() = default;

    virtual bool fileExists(const QString& path) = 0;

    // The values of keys in section, in their order, from one reading of the
    // file; fallback for each whose file, section or key is missing. Values are
    // cut to 2047 characters.
    virtual QStringList readStrings(const QString& path, const QString& section,
                                    const QStringList& keys, const QString& fallback) = 0;
    // Sets every entry, in order, in one replacement of the file: a failure
    // leaves the file as it was. Creates the file, section and keys as needed.
    // Throws IniWriteError when the file can't be written.
    virtual void writeStrings(const QString& path, const QString& section,
                              const QList<IniEntry>& entries) = 0;

    QString readString(const QString& path, const QString& section, const QString& key,
                       const QString& fallback)
    {
        return readStrings(path, section, {key}, fallback).value(0, fallback);
    }
    void writeString(const QString& path, const QString& section, const QString& key,
                     const QString& value)
    {
        writeStrings(path, section, {{key, value}});
    }
};
