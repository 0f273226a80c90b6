#pragma once

#include "platform/Shell.h"

class LinuxShell : public Shell {
public:
    // $XDG_DATA_HOME/fonts, that is ~/.local/share/fonts by default.
    QString userFontsFolder() override;
    bool copyFile(const QString& from, const QString& to) override;
    bool openUrl(const QUrl& url) override;
};
