#pragma once

#include <QString>
#include <stdexcept>

// Raised when an INI file can't be written; the message names the full path.
class IniWriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Private profile files: one string value per key in a section.
class IniFiles {
public:
    virtual ~IniFiles() = default;

    virtual bool fileExists(const QString& path) = 0;

    // The value of key in section, or fallback when the file, section or key is
    // missing; cut to 2047 characters.
    virtual QString readString(const QString& path, const QString& section, const QString& key,
                               const QString& fallback) = 0;
    // Creates the file, section and key as needed. Throws IniWriteError when
    // the file can't be written.
    virtual void writeString(const QString& path, const QString& section, const QString& key,
                             const QString& value) = 0;
};
