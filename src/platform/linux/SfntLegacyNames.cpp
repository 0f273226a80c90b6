#include "platform/linux/SfntLegacyNames.h"

#include "platform/RegularFile.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

#include <unistd.h>

namespace {

constexpr quint32 Tag(const char (&t)[5])
{
    return quint32(uchar(t[0])) << 24 | quint32(uchar(t[1])) << 16 | quint32(uchar(t[2])) << 8 |
           uchar(t[3]);
}

quint16 be16(const uchar* p) { return quint16(p[0] << 8 | p[1]); }
quint32 be32(const uchar* p)
{
    return quint32(p[0]) << 24 | quint32(p[1]) << 16 | quint32(p[2]) << 8 | p[3];
}

class File {
public:
    explicit File(const QByteArray& path) : fd_(openRegularFile(path)) {}
    ~File()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    File(const File&) = delete;
    File& operator=(const File&) = delete;

    bool ok() const { return fd_ >= 0; }
    // Reads count bytes at pos; a short read is a failure.
    bool read(quint64 pos, uchar* buffer, std::size_t count) const
    {
        std::size_t done = 0;
        while (done < count) {
            const ssize_t got = ::pread(fd_, buffer + done, count - done, off_t(pos + done));
            if (got <= 0)
                return false;
            done += std::size_t(got);
        }
        return true;
    }
    // Reads up to count bytes at pos; returns how many.
    std::size_t readSome(quint64 pos, uchar* buffer, std::size_t count) const
    {
        const ssize_t got = ::pread(fd_, buffer, count, off_t(pos));
        return got > 0 ? std::size_t(got) : 0;
    }

private:
    int fd_;
};

struct Best {
    int rank = -1;
    quint16 platform = 0;
    quint32 offset = 0;
    quint16 length = 0;

    void offer(const uchar* record)
    {
        const quint16 platformId = be16(record);
        const quint16 encoding = be16(record + 2);
        const quint16 language = be16(record + 4);
        int r = -1;
        if (platformId == 3)
            r = language == 0x0409 ? 0 : 2;
        else if (platformId == 1 && encoding == 0)
            r = language == 0 ? 1 : -1;
        else if (platformId == 0)
            r = 3;
        if (r < 0 || (rank >= 0 && r >= rank))
            return;
        rank = r;
        platform = platformId;
        length = be16(record + 8);
        offset = be16(record + 10);
    }

    // storage holds the name table's strings from offset base on.
    QString decode(const uchar* storage, quint32 base) const
    {
        const uchar* text = storage + (offset - base);
        if (platform == 1)
            return QString::fromLatin1(reinterpret_cast<const char*>(text), length);
        QString out;
        out.reserve(length / 2);
        for (quint32 i = 0; i + 1 < length; i += 2)
            out += QChar(char16_t(be16(text + i)));
        return out;
    }
};

}  // namespace

std::optional<SfntLegacyNames> SfntLegacyNames::read(const QByteArray& path, int faceIndex)
{
    const File file(path);
    if (!file.ok() || faceIndex < 0)
        return std::nullopt;
    // The header and the table directory fit one page for all but the
    // rarest fonts; a longer directory is read whole.
    std::vector<uchar> head(4096);
    std::size_t have = file.readSome(0, head.data(), head.size());
    if (have < 12)
        return std::nullopt;
    quint64 fontStart = 0;
    if (be32(head.data()) == Tag("ttcf")) {
        const quint32 count = be32(head.data() + 8);
        const std::size_t at = 12 + 4 * std::size_t(faceIndex);
        if (quint32(faceIndex) >= count || at + 4 > have)
            return std::nullopt;
        fontStart = be32(head.data() + at);
        have = file.readSome(fontStart, head.data(), head.size());
        if (have < 12)
            return std::nullopt;
    } else if (faceIndex != 0) {
        return std::nullopt;
    }
    const quint32 version = be32(head.data());
    if (version != 0x00010000 && version != Tag("OTTO") && version != Tag("true"))
        return std::nullopt;
    const std::size_t tables = be16(head.data() + 4);
    const std::size_t directoryEnd = 12 + tables * 16;
    if (directoryEnd > have) {
        head.resize(directoryEnd);
        if (!file.read(fontStart, head.data(), directoryEnd))
            return std::nullopt;
    }
    quint64 nameStart = 0;
    quint32 nameLength = 0;
    for (std::size_t i = 0; i < tables; ++i) {
        const uchar* record = head.data() + 12 + i * 16;
        if (std::memcmp(record, "name", 4) == 0) {
            nameStart = be32(record + 8);  // from the file's start, collections too
            nameLength = be32(record + 12);
            break;
        }
    }
    if (nameLength < 6)
        return std::nullopt;
    std::array<uchar, 6> header{};
    if (!file.read(nameStart, header.data(), header.size()))
        return std::nullopt;
    const std::size_t records = be16(header.data() + 2);
    const quint32 storageOffset = be16(header.data() + 4);
    std::vector<uchar> table(records * 12);
    if (!file.read(nameStart + 6, table.data(), table.size()))
        return std::nullopt;
    Best family;
    Best style;
    for (std::size_t i = 0; i < records; ++i) {
        const uchar* record = table.data() + i * 12;
        const quint16 id = be16(record + 6);
        if (id == 1)
            family.offer(record);
        else if (id == 2)
            style.offer(record);
    }
    if (family.rank < 0)
        return std::nullopt;
    // One read of the storage that holds both strings.
    quint32 low = family.offset;
    quint32 high = family.offset + family.length;
    if (style.rank >= 0) {
        low = std::min(low, quint32(style.offset));
        high = std::max(high, quint32(style.offset) + style.length);
    }
    std::vector<uchar> storage(high - low);
    if (!file.read(nameStart + storageOffset + low, storage.data(), storage.size()))
        return std::nullopt;
    return SfntLegacyNames{family.decode(storage.data(), low),
                           style.rank >= 0 ? style.decode(storage.data(), low) : QString()};
}
