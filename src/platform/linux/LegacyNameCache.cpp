#include "platform/linux/LegacyNameCache.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <sys/stat.h>

namespace {

constexpr quint32 kMagic = 0x474c4e43;  // "GLNC"
constexpr quint32 kFormat = 1;
// Pinned, so that a newer Qt reads what an older one wrote.
constexpr QDataStream::Version kStreamVersion = QDataStream::Qt_6_0;

}  // namespace

LegacyNameCache::LegacyNameCache(QString path) : m_path(std::move(path)) {}

QString LegacyNameCache::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)
           + QLatin1String("/glyphary/legacy-names");
}

std::optional<SfntLegacyNames> LegacyNameCache::read(const QByteArray& file, int faceIndex)
{
    if (!m_loaded)
        load();
    struct stat info {};
    if (::stat(file.constData(), &info) != 0)
        return std::nullopt;
    const qint64 modified = qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    const QPair<QByteArray, int> key(file, faceIndex);
    auto it = m_entries.find(key);
    if (it == m_entries.end() || it->size != info.st_size || it->modified != modified) {
        it = m_entries.insert(
            key, {info.st_size, modified, SfntLegacyNames::read(file, faceIndex), false});
        m_changed = true;
    }
    it->asked = true;
    return it->names;
}

void LegacyNameCache::save()
{
    if (!m_loaded)
        load();
    if (m_entries.removeIf([](const auto& it) { return !it->asked; }) > 0)
        m_changed = true;
    if (m_changed)
        write();
    m_changed = false;
    for (Entry& entry : m_entries)
        entry.asked = false;
}

// Anything but a whole file of this format counts as no cache at all.
void LegacyNameCache::load()
{
    m_loaded = true;
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray data = file.readAll();
    QDataStream in(data);
    in.setVersion(kStreamVersion);
    quint32 magic = 0;
    quint32 format = 0;
    quint32 count = 0;
    in >> magic >> format >> count;
    bool ok = in.status() == QDataStream::Ok && magic == kMagic && format == kFormat;
    QHash<QPair<QByteArray, int>, Entry> entries;
    for (quint32 i = 0; ok && i < count; ++i) {
        QByteArray path;
        qint32 index = 0;
        Entry entry;
        bool named = false;
        in >> path >> index >> entry.size >> entry.modified >> named;
        if (named) {
            SfntLegacyNames names;
            in >> names.family >> names.style;
            entry.names = std::move(names);
        }
        ok = in.status() == QDataStream::Ok;
        entries.insert({path, index}, std::move(entry));
    }
    if (ok && in.atEnd())
        m_entries = std::move(entries);
}

void LegacyNameCache::write() const
{
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        return;
    QDataStream out(&file);
    out.setVersion(kStreamVersion);
    out << kMagic << kFormat << quint32(m_entries.size());
    for (auto it = m_entries.cbegin(); it != m_entries.cend(); ++it) {
        out << it.key().first << qint32(it.key().second) << it->size << it->modified
            << it->names.has_value();
        if (it->names)
            out << it->names->family << it->names->style;
    }
    if (out.status() == QDataStream::Ok)
        file.commit();
}
