#pragma once

#include "platform/Shell.h"

class LinuxShell : public Shell {
public:
    // $XDG_DATA_HOME/fonts, that is ~/.local/share/fonts by default.
    QString userFontsFolder() override;
    // Written to a hidden temporary file in the folder, flushed to the disk
    // and renamed into place, so no program ever reads half a font.
    CopyResult copyIntoFolder(const QString& from, const QString& folder, QString& path) override;
    bool removeFile(const QString& path) override;
    bool moveToTrash(const QString& path) override;
    bool openUrl(const QUrl& url) override;
};
