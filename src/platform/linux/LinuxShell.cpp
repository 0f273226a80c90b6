#include "platform/linux/LinuxShell.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

QString LinuxShell::userFontsFolder()
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return data.isEmpty() ? QString() : QDir(data).filePath(QStringLiteral("fonts"));
}

bool LinuxShell::copyFile(const QString& from, const QString& to)
{
    return QFile::copy(from, to);
}

bool LinuxShell::openUrl(const QUrl& url) { return QDesktopServices::openUrl(url); }
