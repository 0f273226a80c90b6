#include "fontfiles/FontNameReader.h"

#include "fontfiles/Type1Names.h"
#include "fontfiles/WebFontDecoder.h"
#include "platform/AnsiCodePage.h"
#include "platform/RegularFile.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QStringDecoder>

#include <unicode/ucnv.h>

#include <algorithm>
#include <cstring>

namespace {

constexpr int kOffsetTableSize = 12;
constexpr int kTableRecordSize = 16;
constexpr int kNameHeaderSize = 6;
constexpr int kNameRecordSize = 12;
constexpr int kMaxNameRecords = 100;
constexpr int kNameBufferSize = 101;
constexpr qint64 kFileBlockSize = 4096;
constexpr qint64 kMaxType1Size = 16 * 1024 * 1024;

constexpr quint16 kFamilyNameId = 1;
constexpr quint16 kFullNameId = 4;

quint16 be16(const uchar* p)
{
    return quint16(p[0] << 8 | p[1]);
}

quint32 be32(const uchar* p)
{
    return quint32(p[0]) << 24 | quint32(p[1]) << 16 | quint32(p[2]) << 8 | p[3];
}

// Every read goes through here so that nothing past the end of the file is
// ever taken for data: a short read fails as a whole. With a block size, each
// read from the device fetches at least that much, and reads that fall inside
// the last block fetched cost no system call.
class FontBytes {
public:
    FontBytes(QIODevice& device, qint64 blockSize)
        : m_device(device)
        , m_size(device.size())
        , m_blockSize(blockSize)
    {
    }

    bool read(qint64 pos, uchar* buffer, qint64 count)
    {
        if (count == 0)
            return true;
        if (pos + count > m_size)
            return false;
        if (m_blockSize == 0)
            return readDevice(pos, buffer, count);
        if (pos < m_blockStart || pos + count > m_blockStart + m_block.size()) {
            m_block.resize(std::min(std::max(count, m_blockSize), m_size - pos));
            if (!readDevice(pos, reinterpret_cast<uchar*>(m_block.data()), m_block.size())) {
                m_block.clear();
                return false;
            }
            m_blockStart = pos;
        }
        std::memcpy(buffer, m_block.constData() + (pos - m_blockStart), size_t(count));
        return true;
    }

private:
    bool readDevice(qint64 pos, uchar* buffer, qint64 count)
    {
        // Each seek costs a system call even when it goes nowhere.
        if (m_device.pos() != pos && !m_device.seek(pos))
            return false;
        return m_device.read(reinterpret_cast<char*>(buffer), count) == count;
    }

    QIODevice& m_device;
    qint64 m_size;
    qint64 m_blockSize;
    QByteArray m_block;
    qint64 m_blockStart = 0;
};

QString nameText(const uchar* bytes, int count)
{
    QString text;
    text.reserve(count);
    for (int i = 0; i < count; ++i) {
        if (bytes[i] >= 32)
            text += ansiChar(bytes[i]);
    }
    // Only spaces can remain at either end once control bytes are gone;
    // QString::trimmed() would also strip U+00A0 and U+0085, which are names'
    // own characters here.
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == u' ')
        ++first;
    while (last > first && text.at(last - 1) == u' ')
        --last;
    return text.sliced(first, last - first);
}

constexpr quint32 kCollectionTag = 0x74746366; // "ttcf"

// Names of one face, whose offset table starts at fontStart; table offsets
// count from the file's start, in collections too.
void readFaceNames(FontBytes& bytes, qint64 fontStart, int faceIndex, const QString& fileName,
                   QList<QPair<QString, FontFileEntry>>& list)
{
    uchar buffer[kTableRecordSize];
    if (!bytes.read(fontStart, buffer, kOffsetTableSize))
        return;
    const int numTables = be16(buffer + 4);
    qint64 tableStart = -1;
    for (int i = 0; i < numTables && tableStart < 0; ++i) {
        if (!bytes.read(fontStart + kOffsetTableSize + qint64(i) * kTableRecordSize, buffer,
                        kTableRecordSize))
            return;
        if (std::memcmp(buffer, "name", 4) == 0)
            tableStart = be32(buffer + 8); // all 32 bits: large CJK fonts keep it past 16 MiB
    }
    if (tableStart < 0 || !bytes.read(tableStart, buffer, kNameHeaderSize))
        return;
    const int recordCount = std::min<int>(be16(buffer + 2), kMaxNameRecords);
    // Storage begins where stringOffset says; it lies right after the records
    // only in format 0 tables laid out that way.
    const qint64 storageStart = tableStart + be16(buffer + 4);

    const qsizetype firstAppended = list.size();
    bool familyFound = false;
    bool fullFound = false;
    FontFileEntry current;
    for (int i = 0; i < recordCount && !(familyFound && fullFound); ++i) {
        const qint64 recordStart = tableStart + kNameHeaderSize + qint64(i) * kNameRecordSize;
        if (!bytes.read(recordStart, buffer, kNameRecordSize))
            break;
        const quint16 nameId = be16(buffer + 6);
        if (nameId != kFamilyNameId && nameId != kFullNameId)
            continue;
        uchar string[kNameBufferSize];
        const int length = std::min<int>(be16(buffer + 8), kNameBufferSize);
        if (!bytes.read(storageStart + be16(buffer + 10), string, length))
            break;
        const QString text = nameText(string, length);

        if (nameId == kFamilyNameId) {
            current = FontFileEntry{text, fileName};
            current.FaceIndex = faceIndex;
            // Full names met before any family name take this file's family.
            for (qsizetype k = firstAppended; k < list.size(); ++k)
                list[k].second.FamilyName = text;
            familyFound = true;
        } else {
            if (text.size() < 2)
                break;
            // Until a family name turns up, the full name stands in for it.
            FontFileEntry entry = familyFound ? current : FontFileEntry{text, fileName};
            entry.FaceIndex = faceIndex;
            list.append({text, entry});
            fullFound = true;
        }
    }
}

// Where each face of a collection starts; empty for a header that cannot be
// a collection's, as one claiming more faces than the file can hold.
QList<qint64> collectionFaces(FontBytes& bytes)
{
    uchar buffer[kOffsetTableSize];
    if (!bytes.read(0, buffer, kOffsetTableSize))
        return {};
    const quint32 count = be32(buffer + 8);
    if (count == 0 || count > quint32(MaxCollectionFaces))
        return {};
    QList<qint64> starts;
    for (quint32 face = 0; face < count; ++face) {
        if (!bytes.read(kOffsetTableSize + 4 * qint64(face), buffer, 4))
            return {};
        starts << be32(buffer);
    }
    return starts;
}

void readNames(QIODevice& font, const QString& fileName,
               QList<QPair<QString, FontFileEntry>>& list, qint64 blockSize)
{
    if (font.isSequential())
        return;
    FontBytes bytes(font, blockSize);
    // Long enough for a Type 1 font's "%!PS-AdobeFont".
    uchar head[16];
    const qint64 headSize = std::min<qint64>(sizeof head, font.size());
    if (headSize < 4 || !bytes.read(0, head, headSize))
        return;
    if (WebFontDecoder::kind({head, 4}) != WebFontDecoder::Kind::None) {
        if (font.size() > WebFontDecoder::MaxFileSize)
            return;
        QByteArray file(font.size(), Qt::Uninitialized);
        if (!bytes.read(0, reinterpret_cast<uchar*>(file.data()), file.size()))
            return;
        // What it wraps is no web font: the decoder refuses a second wrapper.
        QByteArray sfnt = WebFontDecoder::decode(file);
        QBuffer plain(&sfnt);
        if (!sfnt.isEmpty() && plain.open(QIODevice::ReadOnly))
            readNames(plain, fileName, list, 0);
        return;
    }
    if (Type1Names::isType1({head, headSize})) {
        // Type 1 fonts are a few hundred kilobytes at most.
        if (font.size() > kMaxType1Size)
            return;
        QByteArray file(font.size(), Qt::Uninitialized);
        if (!bytes.read(0, reinterpret_cast<uchar*>(file.data()), file.size()))
            return;
        const Type1Names names = Type1Names::read(file);
        if (!names.fullName.isEmpty())
            list.append({names.fullName, FontFileEntry{names.familyName, fileName}});
        return;
    }
    if (be32(head) != kCollectionTag) {
        readFaceNames(bytes, 0, 0, fileName, list);
        return;
    }
    const QList<qint64> starts = collectionFaces(bytes);
    for (qsizetype face = 0; face < starts.size(); ++face)
        readFaceNames(bytes, starts[face], int(face), fileName, list);
}


// Lower is better; -1 for a name this reader cannot decode.
int nameRank(quint16 platform, quint16 encoding, quint16 language)
{
    if (platform == 3) {
        if (encoding != 0 && encoding != 1 && encoding != 10)
            return -1;
        if (language == 0x0409)
            return 0;
        return (language & 0x3ff) == 0x09 ? 2 : 4;
    }
    if (platform == 1)
        return encoding != 0 ? -1 : language == 0 ? 1 : 5;
    return platform == 0 ? 3 : -1;
}

QString macRoman(const QByteArray& bytes)
{
    UErrorCode status = U_ZERO_ERROR;
    UConverter* converter = ucnv_open("macintosh", &status);
    if (U_FAILURE(status))
        return {};
    QString text(bytes.size() * 2 + 1, Qt::Uninitialized);
    const int32_t length =
        ucnv_toUChars(converter, reinterpret_cast<UChar*>(text.data()), int32_t(text.size()),
                      bytes.constData(), int32_t(bytes.size()), &status);
    ucnv_close(converter);
    if (U_FAILURE(status))
        return {};
    text.truncate(length);
    return text;
}

QString decodeName(quint16 platform, QByteArray bytes)
{
    if (platform == 1)
        return macRoman(bytes);
    bytes.truncate(bytes.size() & ~qsizetype(1));
    QStringDecoder utf16(QStringConverter::Utf16BE, QStringConverter::Flag::Stateless);
    return utf16.decode(bytes);
}

// Line breaks stay, as licenses are paragraphs; other control characters go.
QString displayText(QString text, int maxLength, bool cutShort)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    text.removeIf([](QChar c) { return (c.unicode() < 32 && c != u'\n') || c.unicode() == 0x7f; });
    text = text.trimmed();
    if (text.size() > maxLength || (cutShort && !text.isEmpty())) {
        text.truncate(maxLength);
        if (!text.isEmpty() && text.back().isHighSurrogate())
            text.chop(1);
        text = text.trimmed() + u'\u2026';
    }
    return text;
}

FontNameStrings readNameStrings(QIODevice& font, int faceIndex, qint64 blockSize)
{
    FontNameStrings out;
    if (font.isSequential() || faceIndex < 0)
        return out;
    FontBytes bytes(font, blockSize);
    uchar buffer[kTableRecordSize];
    if (!bytes.read(0, buffer, kOffsetTableSize))
        return out;
    if (WebFontDecoder::kind({buffer, 4}) != WebFontDecoder::Kind::None) {
        if (font.size() > WebFontDecoder::MaxFileSize)
            return out;
        QByteArray file(font.size(), Qt::Uninitialized);
        if (!bytes.read(0, reinterpret_cast<uchar*>(file.data()), file.size()))
            return out;
        QByteArray sfnt = WebFontDecoder::decode(file);
        QBuffer plain(&sfnt);
        if (sfnt.isEmpty() || !plain.open(QIODevice::ReadOnly))
            return out;
        return readNameStrings(plain, faceIndex, 0);
    }
    const int face = faceIndex & 0xffff;
    qint64 fontStart = 0;
    if (be32(buffer) == kCollectionTag) {
        if (quint32(face) >= be32(buffer + 8) || !bytes.read(12 + 4 * qint64(face), buffer, 4))
            return out;
        fontStart = be32(buffer);
        if (!bytes.read(fontStart, buffer, kOffsetTableSize))
            return out;
    } else if (face != 0) {
        return out;
    }
    const int numTables = be16(buffer + 4);
    qint64 tableStart = -1;
    for (int i = 0; i < numTables && tableStart < 0; ++i) {
        if (!bytes.read(fontStart + kOffsetTableSize + qint64(i) * kTableRecordSize, buffer,
                        kTableRecordSize))
            return out;
        if (std::memcmp(buffer, "name", 4) == 0)
            tableStart = be32(buffer + 8); // from the file's start, in collections too
    }
    if (tableStart < 0 || !bytes.read(tableStart, buffer, kNameHeaderSize))
        return out;
    const int recordCount = be16(buffer + 2);
    const qint64 storageStart = tableStart + be16(buffer + 4);

    struct Pick {
        int rank = -1;
        quint16 platform = 0;
        quint16 length = 0;
        quint16 offset = 0;
    };
    Pick picks[FontNameStrings::kCount];
    for (int i = 0; i < recordCount; ++i) {
        if (!bytes.read(tableStart + kNameHeaderSize + qint64(i) * kNameRecordSize, buffer,
                        kNameRecordSize))
            break;
        const quint16 nameId = be16(buffer + 6);
        if (nameId >= FontNameStrings::kCount)
            continue;
        const int rank = nameRank(be16(buffer), be16(buffer + 2), be16(buffer + 4));
        Pick& pick = picks[nameId];
        if (rank < 0 || (pick.rank >= 0 && rank >= pick.rank))
            continue;
        pick = {rank, be16(buffer), be16(buffer + 8), be16(buffer + 10)};
    }
    for (int nameId = 0; nameId < FontNameStrings::kCount; ++nameId) {
        const Pick& pick = picks[nameId];
        if (pick.rank < 0)
            continue;
        // One character more than is shown tells that the text goes on.
        const int maxLength = FontNameStrings::maxLength(nameId);
        const int readLength =
            std::min<int>(pick.length, pick.platform == 1 ? maxLength + 1 : 2 * maxLength + 2);
        QByteArray string(readLength, Qt::Uninitialized);
        if (!bytes.read(storageStart + pick.offset, reinterpret_cast<uchar*>(string.data()),
                        readLength))
            continue;
        out.text[nameId] =
            displayText(decodeName(pick.platform, string), maxLength, readLength < pick.length);
    }
    return out;
}

} // namespace

const QStringList& fontFileMask()
{
    static const QStringList mask{QStringLiteral("*.ttf"),  QStringLiteral("*.otf"),
                                  QStringLiteral("*.ttc"),  QStringLiteral("*.otc"),
                                  QStringLiteral("*.woff"), QStringLiteral("*.woff2"),
                                  QStringLiteral("*.pfb"),  QStringLiteral("*.pfa")};
    return mask;
}

int FontNameStrings::maxLength(int nameId)
{
    return nameId == 0 || nameId == 7 || nameId >= 10 ? kMaxProseLength : kMaxNameLength;
}

FontNameStrings ReadFontNameStrings(QIODevice& font, int faceIndex)
{
    return readNameStrings(font, faceIndex, 0);
}

FontNameStrings ReadFontFileNameStrings(const QString& path, int faceIndex)
{
    QFile file;
    if (!openRegularFile(path, file))
        return {};
    return readNameStrings(file, faceIndex, kFileBlockSize);
}

void ReadFontNames(QIODevice& font, const QString& fileName,
                   QList<QPair<QString, FontFileEntry>>& list)
{
    readNames(font, fileName, list, 0);
}

void ReadFontFileNames(const QString& folder, const QString& fileName,
                       QList<QPair<QString, FontFileEntry>>& list)
{
    // A plain read-only open takes no lock: other readers and writers go on.
    // Blocks of a page: the directory, the naming records and their strings
    // then take a few reads instead of one or two for every structure.
    QFile file;
    if (!openRegularFile(QDir(folder).filePath(fileName), file))
        return;
    const qsizetype first = list.size();
    readNames(file, fileName, list, kFileBlockSize);
    // Of the file opened, not of whatever the name points to by now.
    const qint64 size = file.size();
    const QDateTime modified = file.fileTime(QFileDevice::FileModificationTime);
    for (qsizetype i = first; i < list.size(); ++i) {
        list[i].second.FileSize = size;
        list[i].second.FileModified = modified;
    }
}
