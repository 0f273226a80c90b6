#include "fontfiles/UnpackedFonts.h"

#include "fontfiles/WebFontDecoder.h"
#include "platform/RegularFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

UnpackedFonts::UnpackedFonts(QString parent)
    : parent_(parent.isEmpty()
                  ? QStandardPaths::writableLocation(QStandardPaths::CacheLocation)
                        + QStringLiteral("/unpacked")
                  : std::move(parent))
{
}

UnpackedFonts::~UnpackedFonts() = default;

QString UnpackedFonts::plainFileMade(const QString& folder, const FontFileEntry& entry) const
{
    const QString source = QDir(folder).filePath(entry.FileName);
    const auto copy = copies_.constFind(source);
    return copy != copies_.cend() ? copy->path : source;
}

QString UnpackedFonts::plainFile(const QString& folder, const FontFileEntry& entry,
                                 const QStringList& inUse, QString* why)
{
    const QString source = QDir(folder).filePath(entry.FileName);
    QFile file;
    if (!openRegularFile(source, file)) {
        if (why)
            *why = QFileInfo::exists(source) ? QStringLiteral("is no font file any more")
                                             : QStringLiteral("is gone");
        return {};
    }
    if (WebFontDecoder::kind(file.read(4)) == WebFontDecoder::Kind::None)
        return source;
    const qint64 sourceSize = file.size();
    const QDateTime modified = file.fileTime(QFileDevice::FileModificationTime);
    if (const auto copy = copies_.constFind(source); copy != copies_.cend()) {
        if (copy->sourceSize == sourceSize && copy->sourceModified == modified
            && QFileInfo(copy->path).size() == copy->size)
            return copy->path;
        remove(source);
    }
    if (sourceSize > WebFontDecoder::MaxFileSize) {
        if (why)
            *why = QStringLiteral("is larger than %1 MB").arg(WebFontDecoder::MaxFileSize >> 20);
        return {};
    }
    if (!file.seek(0))
        return {};
    const QByteArray sfnt = WebFontDecoder::decode(file.readAll(), why);
    if (sfnt.isEmpty())
        return {};

    if (total_ + sfnt.size() > MaxTotalSize) {
        const QList<QString> sources = copies_.keys();
        for (const QString& other : sources) {
            if (!inUse.contains(copies_.value(other).path))
                remove(other);
        }
    }
    if (total_ + sfnt.size() > MaxTotalSize) {
        if (why)
            *why = QStringLiteral("does not fit in the %1 MB kept for unpacked fonts")
                       .arg(MaxTotalSize >> 20);
        return {};
    }
    makeFolder();
    // A folder of its own for each copy: a.woff and a.woff2 both become a.ttf.
    const QString copyFolder = folder_->filePath(QString::number(++made_));
    const QString path = copyFolder + u'/' + QFileInfo(entry.FileName).completeBaseName()
                         + WebFontDecoder::plainSuffix(sfnt);
    QFile out(path);
    if (!folder_->isValid() || !QDir().mkpath(copyFolder) || !out.open(QIODevice::WriteOnly)
        || out.write(sfnt) != sfnt.size() || !out.flush()) {
        if (why)
            *why = QStringLiteral("cannot be unpacked into %1: %2")
                       .arg(parent_, folder_->isValid() ? out.errorString() : folder_->errorString());
        out.remove();
        return {};
    }
    out.close();
    copies_.insert(source, {path, sfnt.size(), sourceSize, modified});
    total_ += sfnt.size();
    return path;
}

bool UnpackedFonts::makeFolder()
{
    if (!folder_) {
        QDir().mkpath(parent_);
        folder_ = std::make_unique<QTemporaryDir>(parent_ + QStringLiteral("/XXXXXX"));
    }
    return folder_->isValid();
}

QString UnpackedFonts::newFolder()
{
    if (!makeFolder())
        return {};
    const QString folder = folder_->filePath(QString::number(++made_));
    if (!QDir().mkdir(folder))
        return {};
    folders_ << folder;
    return folder;
}

void UnpackedFonts::removeFolder(const QString& folder)
{
    if (folders_.removeOne(folder))
        QDir(folder).removeRecursively();
    if (folders_.isEmpty() && copies_.isEmpty())
        folder_.reset();
}

void UnpackedFonts::remove(const QString& source)
{
    const auto copy = copies_.constFind(source);
    if (copy == copies_.cend())
        return;
    QDir(QFileInfo(copy->path).absolutePath()).removeRecursively();
    total_ -= copy->size;
    copies_.erase(copy);
}

void UnpackedFonts::removeCopies(const QStringList& keep)
{
    if (keep.isEmpty() && folders_.isEmpty()) {
        copies_.clear();
        total_ = 0;
        folder_.reset();
        return;
    }
    const QList<QString> sources = copies_.keys();
    for (const QString& source : sources) {
        if (!keep.contains(copies_.value(source).path))
            remove(source);
    }
}
