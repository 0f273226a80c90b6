#pragma once

#include "platform/Shell.h"

#include <QFileInfo>
#include <QHash>
#include <QList>
#include <QPair>
#include <QStringList>

#include <functional>

class FakeShell : public Shell {
public:
    QString userFontsFolder() override { return fontsFolder; }
    // Copies nothing; the outcome is copyResults' entry for the file name, or Copied.
    CopyResult copyIntoFolder(const QString& from, const QString& folder, QString& path) override
    {
        copies.append({from, folder});
        if (onCopy)
            onCopy(from);
        const QString name = QFileInfo(from).fileName();
        path = folder + u'/' + name;
        return copyResults.value(name, CopyResult::Copied);
    }
    bool removeFile(const QString& path) override
    {
        removed.append(path);
        return true;
    }
    // Moves nothing; fails for the paths in trashFails.
    bool moveToTrash(const QString& path) override
    {
        if (trashFails.contains(path))
            return false;
        trashed.append(path);
        return true;
    }
    bool openUrl(const QUrl& url) override
    {
        urls.append(url);
        return openSucceeds;
    }

    QString fontsFolder;
    QHash<QString, CopyResult> copyResults;
    bool openSucceeds = true;
    QList<QPair<QString, QString>> copies;  // (file, folder)
    std::function<void(const QString& from)> onCopy;
    QStringList removed;
    QStringList trashFails;
    QStringList trashed;
    QList<QUrl> urls;
};
