#include "fontfiles/FontArchive.h"

#include "fontfiles/FontNameReader.h"
#include "platform/RegularFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QSet>

#include <archive.h>
#include <archive_entry.h>

#include <unistd.h>

namespace {

const QStringList archives{QStringLiteral("*.zip"),    QStringLiteral("*.tar"),
                              QStringLiteral("*.tar.gz"), QStringLiteral("*.tgz"),
                              QStringLiteral("*.tar.xz"), QStringLiteral("*.txz"),
                              QStringLiteral("*.tar.bz2"), QStringLiteral("*.7z")};

const QStringList companionMask{QStringLiteral("*.afm"), QStringLiteral("*.pfm")};

// Why the entry's name may not be written under the folder; empty when it may.
QString unsafeName(const QString& name)
{
    if (name.contains(u'\\'))
        return QStringLiteral("its name holds a backslash");
    if (name.startsWith(u'/'))
        return QStringLiteral("its name is an absolute path");
    const QStringList parts = name.split(u'/', Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        if (part == QStringLiteral(".."))
            return QStringLiteral("its name leads out of the archive");
    }
    if (parts.isEmpty())
        return QStringLiteral("it has no name");
    return {};
}

} // namespace

const QStringList& FontArchive::archiveMask() { return archives; }

bool FontArchive::isArchive(const QString& path)
{
    return QDir::match(archives, QFileInfo(path).fileName());
}

FontArchive::Result FontArchive::unpack(const QString& archivePath, const QString& folder,
                                        const std::function<void()>& pump)
{
    Result out;
    const QString shown = QFileInfo(archivePath).fileName();
    const int fd = openRegularFile(QFile::encodeName(archivePath));
    if (fd < 0) {
        out.problems << QStringLiteral("%1 cannot be read.").arg(shown);
        return out;
    }
    const auto closeFd = qScopeGuard([fd] { ::close(fd); });
    const qint64 archiveSize = QFileInfo(archivePath).size();

    archive* reader = archive_read_new();
    const auto freeReader = qScopeGuard([reader] { archive_read_free(reader); });
    archive_read_support_filter_all(reader);
    archive_read_support_format_zip(reader);
    archive_read_support_format_tar(reader);
    archive_read_support_format_gnutar(reader);
    archive_read_support_format_7zip(reader);
    if (archive_read_open_fd(reader, fd, 64 * 1024) != ARCHIVE_OK) {
        out.problems << QStringLiteral("%1 is no archive that can be read: %2.")
                            .arg(shown, QString::fromLocal8Bit(archive_error_string(reader)));
        return out;
    }

    const QDir target(folder);
    qint64 unpacked = 0;  // every byte of data read, fonts or not
    qint64 written = 0;
    int entries = 0;
    QByteArray buffer(64 * 1024, Qt::Uninitialized);
    QSet<QString> madeFolders;
    archive_entry* entry = nullptr;
    for (;;) {
        const int next = archive_read_next_header(reader, &entry);
        if (next == ARCHIVE_EOF)
            break;
        if (next != ARCHIVE_OK && next != ARCHIVE_WARN) {
            out.problems << QStringLiteral("%1 is damaged: %2.")
                                .arg(shown, QString::fromLocal8Bit(archive_error_string(reader)));
            break;
        }
        if (++entries > MaxEntries) {
            out.problems << QStringLiteral("%1 holds more than %2 entries; the rest are left out.")
                                .arg(shown)
                                .arg(MaxEntries);
            break;
        }
        if (pump)
            pump();
        const char* utf8 = archive_entry_pathname_utf8(entry);
        const QString name = utf8 ? QString::fromUtf8(utf8)
                                  : QString::fromLocal8Bit(archive_entry_pathname(entry));
        const auto leftOut = [&](const QString& why) {
            out.problems << QStringLiteral("%1 in %2 is left out: %3.").arg(name, shown, why);
        };
        const mode_t type = archive_entry_filetype(entry);
        const bool listed = QDir::match(fontFileMask(), QFileInfo(name).fileName());
        // A Type 1 font's metrics are written beside it, not listed.
        const bool fontName = listed || QDir::match(companionMask, QFileInfo(name).fileName());
        if (type == AE_IFDIR)
            continue;
        if (!fontName && type == AE_IFREG && !archive_entry_hardlink(entry)) {
            if (isArchive(name))
                leftOut(QStringLiteral("archives inside an archive are not opened; unpack it first"));
        } else if (!fontName) {
            continue;
        } else if (const QString why = unsafeName(name); !why.isEmpty()) {
            leftOut(why);
            continue;
        } else if (type == AE_IFLNK || archive_entry_hardlink(entry) || type != AE_IFREG) {
            leftOut(QStringLiteral("it is a link or no plain file"));
            continue;
        } else if (archive_entry_is_encrypted(entry)) {
            leftOut(QStringLiteral("it is encrypted"));
            continue;
        } else if (archive_entry_size_is_set(entry) && archive_entry_size(entry) > MaxFontSize) {
            leftOut(QStringLiteral("it is larger than %1 MB").arg(MaxFontSize >> 20));
            continue;
        }

        // Read in pieces, whatever size the header claims: it may lie.
        QByteArray data;
        if (fontName && archive_entry_size_is_set(entry))
            data.reserve(qsizetype(std::max<la_int64_t>(0, archive_entry_size(entry))));
        bool failed = false;
        for (;;) {
            const la_ssize_t got = archive_read_data(reader, buffer.data(), size_t(buffer.size()));
            if (got == 0)
                break;
            if (got < 0) {
                failed = true;
                break;
            }
            unpacked += got;
            if (fontName)
                data.append(buffer.constData(), got);
            if (data.size() > MaxFontSize || written + data.size() > MaxTotalSize
                || (unpacked > MaxTotalSize / 16 && unpacked > MaxRatio * archiveSize)) {
                out.problems << QStringLiteral("%1 unpacks to far more than its fonts can take; "
                                               "unpacking stopped at %2.")
                                    .arg(shown, name);
                out.fontFiles.sort(Qt::CaseInsensitive);
                return out;
            }
        }
        if (!fontName)
            continue;
        if (failed) {
            leftOut(QString::fromLocal8Bit(archive_error_string(reader)));
            continue;
        }
        const QString relative = QDir::cleanPath(name);
        QFile file(target.filePath(relative));
        const QString parent = QFileInfo(file.fileName()).absolutePath();
        if (!madeFolders.contains(parent) && QDir().mkpath(parent))
            madeFolders.insert(parent);
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)
            || file.write(data) != data.size() || !file.flush()) {
            leftOut(file.error() == QFileDevice::OpenError && QFileInfo::exists(file.fileName())
                        ? QStringLiteral("another entry has its name")
                        : file.errorString());
            continue;
        }
        written += data.size();
        if (listed)
            out.fontFiles << relative;
    }
    out.fontFiles.sort(Qt::CaseInsensitive);
    return out;
}
