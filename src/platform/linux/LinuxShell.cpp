#include "platform/linux/LinuxShell.h"

#include "platform/RegularFile.h"

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
    QFile first;
    QFile second;
    if (!openRegularFile(a, first) || !openRegularFile(b, second) || first.size() != second.size())
        return false;
    while (!first.atEnd()) {
        const QByteArray chunk = first.read(1 << 16);
        if (chunk.isEmpty() || chunk != second.read(chunk.size()))
            return false;
    }
    return true;
}

// The copy's name. fontconfig skips names that start with a dot, so the
// dots go; a name with nothing else before its suffix becomes font.suffix.
struct TargetName {
    explicit TargetName(const QFileInfo& source)
        : base(source.completeBaseName())
        , suffix(source.suffix())
    {
        qsizetype dots = 0;
        while (dots < base.size() && base[dots] == u'.')
            ++dots;
        base.remove(0, dots);
        if (base.isEmpty())
            base = QStringLiteral("font");
    }

    // name, name-2, name-3, ... with the suffix.
    QString variant(const QDir& folder, int n) const
    {
        const QString dotSuffix = suffix.isEmpty() ? QString() : u'.' + suffix;
        return folder.filePath(n == 1 ? base + dotSuffix
                                      : QStringLiteral("%1-%2%3").arg(base).arg(n).arg(dotSuffix));
    }

    QString base;
    QString suffix;
};

bool writeTemporaryCopy(const QString& from, QTemporaryFile& to)
{
    QFile source;
    if (!openRegularFile(from, source) || !to.open())
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
    const TargetName name(source);

    int n = 1;
    for (;; ++n) {
        if (n > kMaxVariants)
            return CopyResult::Failed;
        const QString candidate = name.variant(target, n);
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
        const QString candidate = name.variant(target, n);
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
