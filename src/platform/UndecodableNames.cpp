#include "platform/UndecodableNames.h"

#include <QFile>

#include <dirent.h>

QStringList undecodableNames(const QString& folder)
{
    QStringList names;
    DIR* dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return names;
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        const QString decoded = QFile::decodeName(name);
        if (QFile::encodeName(decoded) != name)
            names << decoded;
    }
    ::closedir(dir);
    return names;
}
