#include "platform/linux/UnicodeBlocksFile.h"

#include "platform/RegularFile.h"

#include <QFile>
#include <QRegularExpression>

namespace {

// Unicode's own file is some 10 KB: anything this large is something else.
constexpr qint64 LargestFile = 1 << 20;
constexpr char32_t LastCodePoint = 0x10FFFF;

}  // namespace

UnicodeBlockNames readUnicodeBlocks(const QString& path)
{
    UnicodeBlockNames names;
    QFile file;
    if (!openRegularFile(path, file))
        return names;
    const QByteArray text = file.read(LargestFile + 1);
    if (text.size() > LargestFile)
        return names;
    static const QRegularExpression entry(
        QStringLiteral("^\\s*([0-9A-Fa-f]{4,6})\\.\\.([0-9A-Fa-f]{4,6})\\s*;\\s*([^#]*[^#\\s])"));
    for (const QByteArray& line : text.split('\n')) {
        const QRegularExpressionMatch match = entry.match(QString::fromUtf8(line));
        if (!match.hasMatch())
            continue;
        const char32_t first = match.capturedView(1).toUInt(nullptr, 16);
        const char32_t last = match.capturedView(2).toUInt(nullptr, 16);
        if (first <= last && last <= LastCodePoint)
            names.add(first, last, match.captured(3));
    }
    return names;
}
