#include "platform/linux/LegacyNameCache.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QtEndian>

#include <algorithm>

#include <sys/stat.h>

namespace {

constexpr char kMagic[] = "GLYNAMES";
constexpr qsizetype kMagicSize = 8;
constexpr quint32 kFormat = 1;
// The header, then per entry: path, face index, size, modification time, and
// whether names follow, then family and style. Numbers are little-endian;
// strings are a 32-bit length and bytes, the names in UTF-8.
constexpr qsizetype kSmallestEntry = 4 + 4 + 8 + 8 + 1;

// Reads the fields in turn; past the end, each gives nothing and ok() false.
class Reader {
public:
    explicit Reader(const QByteArray& data)
        : m_at(data.constData()), m_end(data.constData() + data.size())
    {
    }

    bool ok() const { return m_ok; }
    bool atEnd() const { return m_at == m_end; }

    QByteArrayView raw(qsizetype length)
    {
        m_ok = m_ok && m_end - m_at >= length;
        if (!m_ok)
            return {};
        m_at += length;
        return {m_at - length, length};
    }

    template <typename T>
    T number()
    {
        const QByteArrayView bytes = raw(sizeof(T));
        return m_ok ? qFromLittleEndian<T>(bytes.data()) : T();
    }

    QByteArrayView bytes() { return raw(number<quint32>()); }

private:
    const char* m_at;
    const char* m_end;
    bool m_ok = true;
};

template <typename T>
void putNumber(QByteArray& out, T value)
{
    const T little = qToLittleEndian(value);
    out.append(reinterpret_cast<const char*>(&little), sizeof(T));
}

void putBytes(QByteArray& out, QByteArrayView bytes)
{
    putNumber(out, quint32(bytes.size()));
    out.append(bytes);
}

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
    Reader in(data);
    const bool known = in.raw(kMagicSize) == QByteArrayView(kMagic, kMagicSize)
                       && in.number<quint32>() == kFormat;
    const quint32 count = in.number<quint32>();
    if (!known)
        return;
    QHash<QPair<QByteArray, int>, Entry> entries;
    entries.reserve(std::min<qsizetype>(count, data.size() / kSmallestEntry));
    for (quint32 i = 0; in.ok() && i < count; ++i) {
        const QByteArrayView path = in.bytes();
        const auto index = int(in.number<quint32>());
        Entry entry;
        entry.size = in.number<qint64>();
        entry.modified = in.number<qint64>();
        if (in.number<quint8>()) {
            const QByteArrayView family = in.bytes();
            const QByteArrayView style = in.bytes();
            entry.names = SfntLegacyNames{QString::fromUtf8(family), QString::fromUtf8(style)};
        }
        entries.insert({path.toByteArray(), index}, std::move(entry));
    }
    if (in.ok() && in.atEnd())
        m_entries = std::move(entries);
}

void LegacyNameCache::write() const
{
    QByteArray out;
    out.append(kMagic, kMagicSize);
    putNumber(out, kFormat);
    putNumber(out, quint32(m_entries.size()));
    for (auto it = m_entries.cbegin(); it != m_entries.cend(); ++it) {
        putBytes(out, it.key().first);
        putNumber(out, quint32(it.key().second));
        putNumber(out, it->size);
        putNumber(out, it->modified);
        putNumber(out, quint8(it->names.has_value()));
        if (it->names) {
            putBytes(out, it->names->family.toUtf8());
            putBytes(out, it->names->style.toUtf8());
        }
    }
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    QSaveFile file(m_path);
    if (file.open(QIODevice::WriteOnly) && file.write(out) == out.size())
        file.commit();
}
