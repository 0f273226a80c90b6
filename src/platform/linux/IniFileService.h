#pragma once

#include "platform/IniFiles.h"

// Private profile files in UTF-8; a line that is not valid UTF-8 is read as
// Windows-1252, which files from Windows hold. Section and key names match
// without regard to case and to surrounding blanks; values are read with
// surrounding blanks removed. A file is read for every call and never kept
// open. A write keeps every other line byte for byte, line end included (LF
// for a new file), and replaces the file in one step, so a failed write
// leaves the old file.
class IniFileService : public IniFiles {
public:
    static constexpr int MaxValueLength = 2047;

    bool fileExists(const QString& path) override;
    QString readString(const QString& path, const QString& section, const QString& key,
                       const QString& fallback) override;
    void writeString(const QString& path, const QString& section, const QString& key,
                     const QString& value) override;
};
