#pragma once

#include "platform/IniFiles.h"

// Private profile files in UTF-8; a line that is not valid UTF-8 is read as
// Windows-1252, which files from Windows hold. A file that starts with a
// UTF-16 byte order mark is read and written whole in that encoding, and not at
// all when it is no valid UTF-16: an odd length or a lone surrogate. Section
// and key names match without regard to case and to surrounding blanks;
// values are read with surrounding blanks removed. A file is read for every
// call and never kept open; only its section headers and the section asked
// for are decoded. A write keeps every other line byte for byte, line end
// included (LF for a new file), and replaces the file in one step, so a
// failed write leaves the old file.
class IniFileService : public IniFiles {
public:
    static constexpr int MaxValueLength = 2047;

    bool fileExists(const QString& path) override;
    QStringList readStrings(const QString& path, const QString& section, const QStringList& keys,
                            const QString& fallback) override;
    void writeStrings(const QString& path, const QString& section,
                      const QList<IniEntry>& entries) override;
};
