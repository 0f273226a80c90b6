#pragma once

#include <QByteArray>
#include <QFont>
#include <QRawFont>
#include <QString>
#include <QtEndian>

// A name (4: full name, 1: legacy family, 2: its style) from an SFNT 'name'
// table, in its English Windows record; empty when there is none.
inline QString sfntName(const QByteArray& table, int nameId)
{
    const auto u16 = [&table](qsizetype at) -> int {
        return at >= 0 && at + 2 <= table.size() ? qFromBigEndian<quint16>(table.constData() + at)
                                                 : -1;
    };
    const int count = u16(2);
    const int strings = u16(4);
    for (int i = 0; i < count; ++i) {
        const qsizetype record = 6 + 12 * qsizetype(i);
        if (u16(record) != 3 || u16(record + 4) != 0x409 || u16(record + 6) != nameId)
            continue;
        const int length = u16(record + 8);
        const int offset = u16(record + 10);
        QString out;
        for (int k = 0; k + 1 < length; k += 2)
            out += QChar(char16_t(u16(qsizetype(strings) + offset + k)));
        return out;
    }
    return {};
}

// The name of the file Qt actually draws a font with.
inline QString loadedName(const QFont& font, int nameId)
{
    return sfntName(QRawFont::fromFont(font).fontTable("name"), nameId);
}
