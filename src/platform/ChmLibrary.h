#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

// A compiled HTML help (CHM) file open for reading.
class ChmArchive {
public:
    virtual ~ChmArchive() = default;

    // The whole object at path ("/index.htm"); nothing when the file holds no
    // such object or it cannot be read to its end.
    virtual std::optional<QByteArray> read(const QString& path) const = 0;
    // Every file object, each path starting with "/".
    virtual QStringList paths() const = 0;
};

// The library that reads CHM files, loaded the first time it is needed.
class ChmLibrary {
public:
    virtual ~ChmLibrary() = default;

    // Loads the library unless it is loaded; true when it can read files. A
    // failed load is tried again on the next call.
    virtual bool load() = 0;
    // Nothing when the library is not loaded or the file is no CHM file.
    virtual std::unique_ptr<ChmArchive> open(const QString& fileName) = 0;
};
