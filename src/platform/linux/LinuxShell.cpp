#include "platform/linux/LinuxShell.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <unistd.h>

namespace {

// Gives up on a folder that holds this many files of one name.
constexpr int kMaxVariants = 1000;

bool sameBytes(const QString& a, const QString& b)
{
    QFile first(a);
    QFile second(b);
    if (!first.open(QIODevice::ReadOnly) || !second.open(QIODevice::ReadOnly)
        || first.size() != second.size())
        return false;
    while (!first.atEnd()) {
        const QByteArray chunk = first.read(1 << 16);
        if (chunk.isEmpty() || chunk != second.read(chunk.size()))
            return false;
    }
    return true;
}

QString variant(const QDir& folder, const QFileInfo& source, int n)
{
    if (n == 1)
        return folder.filePath(source.fileName());
    const QString suffix = source.suffix();
    const QString base = suffix.isEmpty() ? source.fileName() : source.completeBaseName();
    return folder.filePath(QStringLiteral("%1-%2%3").arg(base).arg(n).arg(
        suffix.isEmpty() ? QString() : u'.' + suffix));
}

bool writeTemporaryCopy(const QString& from, QTemporaryFile& to)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly) || !to.open())
        return false;
    while (!source.atEnd()) {
        const QByteArray chunk = source.read(1 << 16);
        if (chunk.isEmpty() || to.write(chunk) != chunk.size())
            return false;
    }
    return source.error() == QFileDevice::NoError && to.flush() && ::fsync(to.handle()) == 0;
}

}  // namespace

QString LinuxShell::userFontsFolder()
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return data.isEmpty() ? QString() : QDir(data).filePath(QStringLiteral("fonts"));
}

Shell::CopyResult LinuxShell::copyIntoFolder(const QString& from, const QString& folder,
                                             QString& path)
{
    path.clear();
    const QFileInfo source(from);
    if (!source.isFile() || folder.isEmpty() || !QDir().mkpath(folder))
        return CopyResult::Failed;
    const QDir target(folder);

    int n = 1;
    for (;; ++n) {
        if (n > kMaxVariants)
            return CopyResult::Failed;
        const QString candidate = variant(target, source, n);
        const QFileInfo info(candidate);
        if (!info.exists() && !info.isSymLink())
            break;
        if (sameBytes(candidate, from)) {
            path = candidate;
            return CopyResult::AlreadyThere;
        }
    }

    // A leading dot keeps fontconfig from reading the file while it grows.
    QTemporaryFile temporary(target.filePath(QStringLiteral(".glyphary-XXXXXX.part")));
    if (!writeTemporaryCopy(from, temporary))
        return CopyResult::Failed;
    // Renaming never replaces a file; one that appeared meanwhile moves us on.
    for (; n <= kMaxVariants; ++n) {
        const QString candidate = variant(target, source, n);
        if (QFileInfo::exists(candidate) || QFileInfo(candidate).isSymLink())
            continue;
        if (temporary.rename(candidate)) {
            temporary.setAutoRemove(false);
            path = candidate;
            return CopyResult::Copied;
        }
        if (!QFileInfo::exists(candidate))
            return CopyResult::Failed;
    }
    return CopyResult::Failed;
}

bool LinuxShell::removeFile(const QString& path) { return QFile::remove(path); }

bool LinuxShell::moveToTrash(const QString& path) { return QFile::moveToTrash(path); }

bool LinuxShell::openUrl(const QUrl& url) { return QDesktopServices::openUrl(url); }
