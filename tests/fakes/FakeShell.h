#pragma once

#include "platform/Shell.h"

#include <QList>
#include <QPair>

class FakeShell : public Shell {
public:
    QString userFontsFolder() override { return fontsFolder; }
    bool copyFile(const QString& from, const QString& to) override
    {
        copies.append({from, to});
        return copySucceeds;
    }
    bool openUrl(const QUrl& url) override
    {
        urls.append(url);
        return openSucceeds;
    }

    QString fontsFolder;
    bool copySucceeds = true;
    bool openSucceeds = true;
    QList<QPair<QString, QString>> copies;
    QList<QUrl> urls;
};
