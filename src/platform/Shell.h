#pragma once

#include <QString>
#include <QUrl>

class Shell {
public:
    virtual ~Shell() = default;

    enum class CopyResult {
        Copied,        // a new file in the folder
        AlreadyThere,  // a file with the same name and the same bytes was there
        Failed,        // nothing was left behind
    };

    // The user's fonts folder, without a trailing separator; empty if unknown.
    virtual QString userFontsFolder() = 0;
    // Copies a file into a folder, which is created when missing, under the
    // file's own name without leading dots (font.ext when that leaves no
    // name); when a different file, or anything but a file, has that name,
    // under the first free one of name-2.ext, name-3.ext, ... A file is never
    // replaced, and a failed copy leaves nothing behind. path receives the
    // file written or found.
    virtual CopyResult copyIntoFolder(const QString& from, const QString& folder,
                                      QString& path) = 0;
    virtual bool removeFile(const QString& path) = 0;
    // Moves a file, or a link itself and never what it points to, to the
    // desktop's trash, where the user can restore it.
    virtual bool moveToTrash(const QString& path) = 0;
    virtual bool openUrl(const QUrl& url) = 0;
};
