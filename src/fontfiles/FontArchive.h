#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// An archive of font files (.zip, .tar, .tar.gz, .tar.xz, .tar.bz2, .7z)
// unpacked into a private folder, so that the page shows it as a folder of
// its fonts, nested folders included. Archives are the most hostile input
// the program reads: only regular font files with names that stay inside the
// folder are written, within limits of count, size and ratio; every entry
// left out is named in a problem.
class FontArchive {
public:
    // Entries read at most, of any kind.
    static constexpr int MaxEntries = 20000;
    // One font at most, as a web font file at most.
    static constexpr qint64 MaxFontSize = 64 * 1024 * 1024;
    // All fonts together, the space kept for unpacked fonts.
    static constexpr qint64 MaxTotalSize = 512 * 1024 * 1024;
    // Data unpacked per byte of archive, once past MaxTotalSize / 16: fonts
    // compress to a third or so; a bomb unpacks to thousands of times its size.
    static constexpr int MaxRatio = 100;

    // By its name's ending, in any case.
    static bool isArchive(const QString& path);
    static const QStringList& archiveMask();

    struct Result {
        // Relative paths of the fonts written, sorted without regard to case.
        QStringList fontFiles;
        // One line per entry left out, or why unpacking stopped.
        QStringList problems;
    };
    // Unpacks the font files of archive into folder, which must exist and be
    // empty. pump runs after each entry, so that the window is redrawn.
    static Result unpack(const QString& archive, const QString& folder,
                         const std::function<void()>& pump = {});
};
