#include "app/AppFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString stateHome()
{
    // Qt 6.4 names no state location; the base directory rules are short.
    const QString xdg = qEnvironmentVariable("XDG_STATE_HOME");
    return QDir::isAbsolutePath(xdg) ? xdg : QDir::homePath() + QStringLiteral("/.local/state");
}

}  // namespace

AppFolders AppFolders::locate(const QString& exeFolder, const QString& dataFromBin)
{
    const QFileInfo folder(QDir(exeFolder).absolutePath());
    const QString beside = folder.absoluteFilePath() + u'/';
    const QFileInfo installedData(QDir::cleanPath(beside + dataFromBin));
    // Recognised by its data folder, not by permissions: root can write into
    // an installed bin/ and still must not.
    const bool installed = installedData.isDir();
    if (!installed && folder.isWritable())
        return {beside, beside + QStringLiteral("glyphary.log"), beside};
    return {QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/QZ/"),
            stateHome() + QStringLiteral("/glyphary/glyphary.log"),
            installed ? installedData.absoluteFilePath() + u'/' : beside};
}
