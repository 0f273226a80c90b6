#pragma once

// Builds small TrueType files byte by byte, so that each test states exactly
// the naming table it reads.

#include <QByteArray>
#include <QList>
#include <QString>

namespace sfnt {

struct Name {
    quint16 platformId = 0;
    quint16 encodingId = 0;
    quint16 languageId = 0;
    quint16 nameId = 0;
    QByteArray bytes;
};

struct Table {
    QByteArray tag;
    QByteArray data;
};

inline void putBe16(QByteArray& data, qsizetype pos, quint16 value)
{
    data[pos] = char(value >> 8);
    data[pos + 1] = char(value);
}

inline void putBe32(QByteArray& data, qsizetype pos, quint32 value)
{
    putBe16(data, pos, quint16(value >> 16));
    putBe16(data, pos + 2, quint16(value));
}

inline QByteArray be16(quint16 value)
{
    QByteArray data(2, '\0');
    putBe16(data, 0, value);
    return data;
}

// Macintosh Roman: one byte per character, taken as given.
inline Name mac(quint16 nameId, const QByteArray& text)
{
    return {1, 0, 0, nameId, text};
}

// Windows Unicode BMP, English (US): UTF-16BE.
inline Name win(quint16 nameId, const QString& text)
{
    QByteArray bytes;
    for (QChar c : text)
        bytes += be16(c.unicode());
    return {3, 1, 0x409, nameId, bytes};
}

// Any other name ID, as tables carry plenty of them around IDs 1 and 4.
inline Name other(quint16 nameId)
{
    return win(nameId, QStringLiteral("other"));
}

// A naming table with its records in the order given. `gap` goes between the
// records and the string storage (format 1 language tags, or padding), and
// stringOffset points past it.
inline QByteArray nameTable(const QList<Name>& names, const QByteArray& gap = {},
                            quint16 format = 0)
{
    QByteArray records;
    QByteArray storage;
    for (const Name& name : names) {
        records += be16(name.platformId) + be16(name.encodingId) + be16(name.languageId)
            + be16(name.nameId) + be16(quint16(name.bytes.size()))
            + be16(quint16(storage.size()));
        storage += name.bytes;
    }
    const auto stringOffset = quint16(6 + records.size() + gap.size());
    return be16(format) + be16(quint16(names.size())) + be16(stringOffset) + records + gap
        + storage;
}

constexpr qsizetype kDirectoryStart = 12;
constexpr qsizetype kTableRecordSize = 16;

// A font file: the offset table, one table record per table in the order
// given, then the tables, each at a four-byte boundary.
inline QByteArray font(const QList<Table>& tables)
{
    QByteArray data = QByteArray::fromHex("00010000") + be16(quint16(tables.size()))
        + QByteArray(6, '\0');
    qsizetype offset = kDirectoryStart + tables.size() * kTableRecordSize;
    QByteArray body;
    for (const Table& table : tables) {
        QByteArray record = table.tag + QByteArray(12, '\0');
        putBe32(record, 8, quint32(offset));
        putBe32(record, 12, quint32(table.data.size()));
        data += record;
        const QByteArray padded = table.data + QByteArray((4 - table.data.size() % 4) % 4, '\0');
        body += padded;
        offset += padded.size();
    }
    return data + body;
}

// The usual shape: a table before the naming table and one after it.
inline QByteArray font(const QList<Name>& names)
{
    return font({{"cmap", QByteArray(40, '\x11')},
                 {"name", nameTable(names)},
                 {"post", QByteArray(32, '\x22')}});
}

// Where the naming table starts, by the first table record tagged "name".
inline qsizetype nameTableStart(const QByteArray& font)
{
    for (qsizetype record = kDirectoryStart; record + kTableRecordSize <= font.size();
         record += kTableRecordSize) {
        if (font.mid(record, 4) == "name")
            return qsizetype(quint8(font[record + 8])) << 24 | quint8(font[record + 9]) << 16
                | quint8(font[record + 10]) << 8 | quint8(font[record + 11]);
    }
    qFatal("no naming table");
}

} // namespace sfnt
