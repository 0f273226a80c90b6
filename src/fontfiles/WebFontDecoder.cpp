#include "fontfiles/WebFontDecoder.h"

#include <woff2/decode.h>
#include <woff2/output.h>
#include <zlib.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr qint64 kWoffHeaderSize = 44;
constexpr qint64 kWoffEntrySize = 20;
constexpr qint64 kSfntHeaderSize = 12;
constexpr qint64 kSfntRecordSize = 16;
constexpr qint64 kMaxDeflateRatio = 1032;

quint16 be16(const uchar* p) { return quint16(p[0] << 8 | p[1]); }

quint32 be32(const uchar* p)
{
    return quint32(p[0]) << 24 | quint32(p[1]) << 16 | quint32(p[2]) << 8 | p[3];
}

void put16(QByteArray& out, qint64 at, quint16 v)
{
    out[at] = char(v >> 8);
    out[at + 1] = char(v);
}

void put32(QByteArray& out, qint64 at, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        out[at + i] = char(v >> (24 - 8 * i));
}

QByteArray failed(QString* why, const QString& text)
{
    if (why)
        *why = text;
    return {};
}

QByteArray decodeWoff(QByteArrayView file, QString* why)
{
    const QString damaged = QStringLiteral("is a damaged WOFF file");
    const auto* data = reinterpret_cast<const uchar*>(file.data());
    const qint64 size = file.size();
    if (size < kWoffHeaderSize)
        return failed(why, damaged);
    const quint32 flavor = be32(data + 4);
    const int numTables = be16(data + 12);
    const qint64 directoryEnd = kWoffHeaderSize + numTables * kWoffEntrySize;
    if (numTables == 0 || directoryEnd > size || be16(data + 14) != 0)
        return failed(why, damaged);

    struct Table {
        quint32 tag, offset, compLength, origLength, checksum;
    };
    std::vector<Table> tables(static_cast<size_t>(numTables));
    qint64 total = kSfntHeaderSize + numTables * kSfntRecordSize;
    for (int i = 0; i < numTables; ++i) {
        const uchar* e = data + kWoffHeaderSize + i * kWoffEntrySize;
        Table t{be32(e), be32(e + 4), be32(e + 8), be32(e + 12), be32(e + 16)};
        // Deflate makes at most 1032 bytes of each: a table claiming more of
        // its data is a lie, found before anything is allocated for it.
        if (t.offset < directoryEnd || qint64(t.offset) + t.compLength > size
            || t.compLength > t.origLength
            || (t.compLength < t.origLength && qint64(t.origLength) > kMaxDeflateRatio * t.compLength))
            return failed(why, damaged);
        total += (qint64(t.origLength) + 3) & ~qint64(3);
        if (total > WebFontDecoder::MaxFontSize)
            return failed(why, QStringLiteral("would unpack to more than %1 MB")
                                   .arg(WebFontDecoder::MaxFontSize >> 20));
        tables[size_t(i)] = t;
    }
    // Tables that share bytes are not a font: a decoder that took them would
    // inflate the same data many times over.
    std::vector<Table> byOffset = tables;
    std::sort(byOffset.begin(), byOffset.end(),
              [](const Table& a, const Table& b) { return a.offset < b.offset; });
    for (size_t i = 1; i < byOffset.size(); ++i) {
        if (qint64(byOffset[i - 1].offset) + byOffset[i - 1].compLength > byOffset[i].offset)
            return failed(why, damaged);
    }
    std::sort(tables.begin(), tables.end(),
              [](const Table& a, const Table& b) { return a.tag < b.tag; });
    for (size_t i = 1; i < tables.size(); ++i) {
        if (tables[i - 1].tag == tables[i].tag)
            return failed(why, damaged);
    }

    // Filled below, padding included: zeroing it all first would cost as
    // much again for every byte a damaged file claims.
    QByteArray out(total, Qt::Uninitialized);
    std::fill_n(out.data(), kSfntHeaderSize + numTables * kSfntRecordSize, '\0');
    put32(out, 0, flavor);
    put16(out, 4, quint16(numTables));
    int entrySelector = 0;
    while ((2 << entrySelector) <= numTables)
        ++entrySelector;
    const int searchRange = 16 << entrySelector;
    put16(out, 6, quint16(searchRange));
    put16(out, 8, quint16(entrySelector));
    put16(out, 10, quint16(numTables * 16 - searchRange));
    qint64 at = kSfntHeaderSize + numTables * kSfntRecordSize;
    for (int i = 0; i < numTables; ++i) {
        const Table& t = tables[size_t(i)];
        const qint64 record = kSfntHeaderSize + i * kSfntRecordSize;
        put32(out, record, t.tag);
        put32(out, record + 4, t.checksum);
        put32(out, record + 8, quint32(at));
        put32(out, record + 12, t.origLength);
        auto* target = reinterpret_cast<Bytef*>(out.data() + at);
        if (t.compLength == t.origLength) {
            std::copy_n(data + t.offset, t.origLength, target);
        } else {
            uLongf length = t.origLength;
            if (uncompress(target, &length, data + t.offset, t.compLength) != Z_OK
                || length != t.origLength)
                return failed(why, damaged);
        }
        const qint64 padded = (qint64(t.origLength) + 3) & ~qint64(3);
        std::fill(out.data() + at + t.origLength, out.data() + at + padded, '\0');
        at += padded;
    }
    return out;
}

QByteArray decodeWoff2(QByteArrayView file, QString* why)
{
    const QString damaged = QStringLiteral("is a damaged WOFF2 file");
    const auto* data = reinterpret_cast<const uint8_t*>(file.data());
    const size_t claimed = woff2::ComputeWOFF2FinalSize(data, size_t(file.size()));
    if (claimed == 0)
        return failed(why, damaged);
    if (claimed > size_t(WebFontDecoder::MaxFontSize))
        return failed(why, QStringLiteral("would unpack to more than %1 MB")
                               .arg(WebFontDecoder::MaxFontSize >> 20));
    std::string sfnt;
    // Fonts compress to a third or so: room for more comes as it is written.
    sfnt.reserve(std::min(claimed, size_t(file.size()) * 8));
    // The claim may lie: the output stops at the limit whatever it says.
    woff2::WOFF2StringOut out(&sfnt);
    out.SetMaxSize(size_t(WebFontDecoder::MaxFontSize));
    if (!woff2::ConvertWOFF2ToTTF(data, size_t(file.size()), &out))
        return failed(why, damaged);
    return QByteArray(sfnt.data(), qsizetype(out.Size()));
}

} // namespace

WebFontDecoder::Kind WebFontDecoder::kind(QByteArrayView head)
{
    if (head.startsWith("wOFF"))
        return Kind::Woff;
    if (head.startsWith("wOF2"))
        return Kind::Woff2;
    return Kind::None;
}

QByteArray WebFontDecoder::decode(QByteArrayView file, QString* why)
{
    if (file.size() > MaxFileSize)
        return failed(why, QStringLiteral("is larger than %1 MB").arg(MaxFileSize >> 20));
    QByteArray sfnt;
    switch (kind(file)) {
    case Kind::Woff:
        sfnt = decodeWoff(file, why);
        break;
    case Kind::Woff2:
        sfnt = decodeWoff2(file, why);
        break;
    case Kind::None:
        return failed(why, QStringLiteral("is no web font"));
    }
    // One wrapper at most: a web font inside a web font is no font.
    if (kind(sfnt) != Kind::None)
        return failed(why, QStringLiteral("is a damaged web font"));
    return sfnt;
}

QString WebFontDecoder::plainSuffix(QByteArrayView sfnt)
{
    return sfnt.startsWith("OTTO") ? QStringLiteral(".otf") : QStringLiteral(".ttf");
}
