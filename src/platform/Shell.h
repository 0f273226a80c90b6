#pragma once

#include <QString>
#include <QUrl>

class Shell {
public:
    virtual ~Shell() = default;

    // The user's fonts folder, without a trailing separator; empty if unknown.
    virtual QString userFontsFolder() = 0;
    // Copies a file, replacing nothing; reports success.
    virtual bool copyFile(const QString& from, const QString& to) = 0;
    virtual bool openUrl(const QUrl& url) = 0;
};
