#pragma once

// The name readers' fuzzing entry: the fuzz target runs it on generated
// inputs, the tests on the seed corpus.

#include "fontfiles/FontNameReader.h"
#include "platform/linux/SfntLegacyNames.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>

#include <sys/mman.h>
#include <unistd.h>

namespace fontnames_fuzz {

// What any result must satisfy, however odd the input: names are trimmed
// single-byte text that fits the reader's buffer, and full names have at
// least two characters.
inline QString checkName(const QString& name, qsizetype minSize)
{
    if (name.size() < minSize || name.size() > 101)
        return QStringLiteral("length %1").arg(name.size());
    if (!name.isEmpty() && (name.front() == u' ' || name.back() == u' '))
        return QStringLiteral("untrimmed");
    for (QChar c : name) {
        if (c.unicode() < 32)
            return QStringLiteral("control character");
    }
    return {};
}

// What the naming-table strings must satisfy: cut to their length with an
// ellipsis at most, no control characters but line breaks, no blank ends.
inline QString checkStrings(const FontNameStrings& strings)
{
    for (int id = 0; id < FontNameStrings::kCount; ++id) {
        const QString& text = strings[id];
        if (text.size() > FontNameStrings::maxLength(id) + 1)
            return QStringLiteral("name %1: length %2").arg(id).arg(text.size());
        if (!text.isEmpty() && (text.front().isSpace() || text.back().isSpace()))
            return QStringLiteral("name %1: untrimmed").arg(id);
        for (QChar c : text) {
            if ((c.unicode() < 32 && c != u'\n') || c.unicode() == 0x7f)
                return QStringLiteral("name %1: control character").arg(id);
        }
    }
    return {};
}

// The legacy names are read from a path, with positioned reads: the input
// goes to one file in memory, written anew for each input.
inline QString checkLegacyNames(const uint8_t* data, size_t size)
{
    static const int fd = ::memfd_create("fuzz.ttf", MFD_CLOEXEC);
    if (fd < 0 || ::ftruncate(fd, 0) != 0 || ::pwrite(fd, data, size, 0) != ssize_t(size))
        return QStringLiteral("cannot write the file in memory");
    const QByteArray path = "/proc/self/fd/" + QByteArray::number(fd);
    for (int face = 0; face < 2; ++face) {
        const std::optional<SfntLegacyNames> names = SfntLegacyNames::read(path, face);
        // A string is at most one 16-bit length of single-byte characters.
        if (names && (names->family.size() > 0xffff || names->style.size() > 0xffff))
            return QStringLiteral("legacy names of face %1: lengths %2, %3")
                .arg(face)
                .arg(names->family.size())
                .arg(names->style.size());
    }
    return {};
}

// Reads the names of one in-memory file; returns what is wrong with them,
// empty when nothing is.
inline QString readAndCheck(const uint8_t* data, size_t size)
{
    if (QString fault = checkLegacyNames(data, size); !fault.isEmpty())
        return fault;
    const QString fileName = QStringLiteral("fuzz.ttf");
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return QStringLiteral("cannot open the buffer");
    QList<QPair<QString, FontFileEntry>> pairs;
    ReadFontNames(buffer, fileName, pairs);

    if (pairs.size() > 100)
        return QStringLiteral("%1 pairs").arg(pairs.size());
    // The first two faces: a collection's second one is found through its header.
    for (int face = 0; face < 2; ++face) {
        const QString fault = checkStrings(ReadFontNameStrings(buffer, face));
        if (!fault.isEmpty())
            return fault;
    }
    for (const auto& [full, entry] : pairs) {
        QString fault = checkName(full, 2);
        if (fault.isEmpty())
            fault = checkName(entry.FamilyName, 0);
        if (fault.isEmpty() && entry.FileName != fileName)
            fault = QStringLiteral("file name %1").arg(entry.FileName);
        if (!fault.isEmpty())
            return full + QStringLiteral(": ") + fault;
    }
    return {};
}

} // namespace fontnames_fuzz
