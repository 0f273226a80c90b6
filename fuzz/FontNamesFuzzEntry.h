#pragma once

// The fuzzing entry of the name readers, of the collection, web font, Type 1
// and archive readers, and of the variation space reader:
// the fuzz target runs it on generated inputs, the tests on the seed corpus
// and on fonts with broken variation tables.

#include "fontfiles/FontNameReader.h"
#include "fontfiles/FontArchive.h"
#include "fontfiles/Type1Names.h"
#include "fontfiles/WebFontDecoder.h"
#include "platform/linux/FontInstancer.h"
#include "platform/linux/SfntLegacyNames.h"

#include <QBuffer>
#include <QDirIterator>
#include <QTemporaryDir>

#include <cmath>
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

// The readers of paths take the input from one file in memory, written anew
// for each input; empty when it cannot be written.
inline QByteArray memoryFile(const uint8_t* data, size_t size)
{
    static const int fd = ::memfd_create("fuzz.ttf", MFD_CLOEXEC);
    if (fd < 0 || ::ftruncate(fd, 0) != 0 || ::pwrite(fd, data, size, 0) != ssize_t(size))
        return {};
    return "/proc/self/fd/" + QByteArray::number(fd);
}

inline QString checkLegacyNames(const QByteArray& path)
{
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

// What a dialog of sliders can show: a few axes of distinct tags, each with a
// range around its default, and named instances on those axes only, inside
// their ranges.
inline QString checkVariationSpace(const VariationSpace& space)
{
    if (space.axes.size() > FontInstancer::MaxAxesOffered)
        return QStringLiteral("%1 axes").arg(space.axes.size());
    QMap<QString, const VariationSpace::Axis*> byTag;
    for (const VariationSpace::Axis& axis : space.axes) {
        if (axis.tag.size() != 4 || axis.name.isEmpty() || byTag.contains(axis.tag))
            return QStringLiteral("axis \"%1\" named \"%2\"").arg(axis.tag, axis.name);
        if (!(std::isfinite(axis.minimum) && std::isfinite(axis.maximum)
              && axis.minimum <= axis.defaultValue && axis.defaultValue <= axis.maximum
              && axis.minimum < axis.maximum))
            return QStringLiteral("axis %1: %2 to %3, default %4")
                .arg(axis.tag).arg(axis.minimum).arg(axis.maximum).arg(axis.defaultValue);
        byTag.insert(axis.tag, &axis);
    }
    for (const VariationSpace::Instance& instance : space.instances) {
        if (instance.name.isEmpty())
            return QStringLiteral("an instance without a name");
        for (auto at = instance.coordinates.cbegin(); at != instance.coordinates.cend(); ++at) {
            const VariationSpace::Axis* axis = byTag.value(at.key());
            if (!axis || !(axis->minimum <= *at && *at <= axis->maximum))
                return QStringLiteral("instance %1 at %2 %3").arg(instance.name, at.key()).arg(*at);
        }
    }
    return {};
}

// A web font decodes to a bounded sfnt that is no web font again, or fails
// with a reason.
inline QString checkWebFont(QByteArrayView bytes)
{
    QString why;
    const QByteArray sfnt = WebFontDecoder::decode(bytes, &why);
    if (sfnt.isEmpty() == why.isEmpty())
        return QStringLiteral("decoded %1 bytes, reason \"%2\"").arg(sfnt.size()).arg(why);
    if (sfnt.size() > WebFontDecoder::MaxFontSize
        || WebFontDecoder::kind(sfnt) != WebFontDecoder::Kind::None)
        return QStringLiteral("decoded to %1 bytes of a web font").arg(sfnt.size());
    return {};
}

// Type 1 names are bounded text without control characters.
inline QString checkType1(QByteArrayView bytes)
{
    const Type1Names names = Type1Names::read(bytes);
    for (const QString& name : {names.familyName, names.fullName}) {
        if (name.size() > 100)
            return QStringLiteral("Type 1 name of length %1").arg(name.size());
        for (QChar c : name) {
            if (c.unicode() < 32)
                return QStringLiteral("Type 1 name with a control character");
        }
    }
    return {};
}

// An archive writes plain files only, each inside the folder and listed or a
// Type 1 font's metrics.
inline QString checkArchive(const QByteArray& path)
{
    static QTemporaryDir parent;
    const QString folder = parent.filePath(QStringLiteral("unpacked"));
    if (!QDir(folder).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System)
        && !QDir(folder).removeRecursively())
        return QStringLiteral("cannot empty the folder to unpack into");
    if (!QDir().mkpath(folder))
        return QStringLiteral("cannot make the folder to unpack into");
    const FontArchive::Result result = FontArchive::unpack(QString::fromLatin1(path), folder);
    if (result.fontFiles.isEmpty() && QDir(folder).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System))
        return {};
    QDirIterator it(parent.path(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo entry(it.next());
        const QString relative = entry.filePath().mid(folder.size() + 1);
        if (!entry.filePath().startsWith(folder + u'/') && entry.filePath() != folder)
            return QStringLiteral("wrote %1 outside its folder").arg(entry.filePath());
        if (entry.isSymLink() || (!entry.isDir() && !entry.isFile()))
            return QStringLiteral("wrote %1, no plain file").arg(relative);
        if (entry.isFile() && !result.fontFiles.contains(relative)
            && !relative.endsWith(QStringLiteral(".afm"), Qt::CaseInsensitive)
            && !relative.endsWith(QStringLiteral(".pfm"), Qt::CaseInsensitive))
            return QStringLiteral("wrote %1, not listed").arg(relative);
    }
    return {};
}

// Reads the names and the variation spaces of one in-memory file; returns
// what is wrong with them, empty when nothing is.
// The readers of containers alone (collections, web fonts, Type 1,
// archives) and the names read through them: the part of the entry fast
// enough to run millions of times.
inline QString checkContainers(const uint8_t* data, size_t size, const QByteArray& path)
{
    if (QString fault = checkWebFont({data, qsizetype(size)}); !fault.isEmpty())
        return fault;
    if (QString fault = checkType1({data, qsizetype(size)}); !fault.isEmpty())
        return fault;
    // libarchive's own probing of every other input is libarchive's to fuzz.
    const QByteArrayView head(data, qsizetype(std::min<size_t>(size, 262)));
    const bool archive = head.startsWith("PK") || head.startsWith("7z\xbc\xaf")
                         || head.startsWith("\x1f\x8b") || head.startsWith("\xfd" "7zXZ")
                         || head.startsWith("BZh") || head.sliced(std::min<qsizetype>(257, head.size())).startsWith("ustar");
    if (archive) {
        if (QString fault = checkArchive(path); !fault.isEmpty())
            return fault;
    }
    const QString fileName = QStringLiteral("fuzz.ttf");
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return QStringLiteral("cannot open the buffer");
    QList<QPair<QString, FontFileEntry>> pairs;
    ReadFontNames(buffer, fileName, pairs);

    // At most one pair per name record read, 100 of them in each face.
    if (pairs.size() > 100 * MaxCollectionFaces)
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
        if (fault.isEmpty() && (entry.FaceIndex < 0 || entry.FaceIndex >= MaxCollectionFaces))
            fault = QStringLiteral("face %1").arg(entry.FaceIndex);
        if (!fault.isEmpty())
            return full + QStringLiteral(": ") + fault;
    }
    return {};
}

inline QString readAndCheck(const uint8_t* data, size_t size)
{
    const QByteArray path = memoryFile(data, size);
    if (path.isEmpty())
        return QStringLiteral("cannot write the file in memory");
    if (QString fault = checkLegacyNames(path); !fault.isEmpty())
        return fault;
    for (int face = 0; face < 2; ++face) {
        const QString fault = checkVariationSpace(FontInstancer::space(QString::fromLatin1(path), face));
        if (!fault.isEmpty())
            return QStringLiteral("variations of face %1: %2").arg(face).arg(fault);
    }
    return checkContainers(data, size, path);
}

} // namespace fontnames_fuzz
