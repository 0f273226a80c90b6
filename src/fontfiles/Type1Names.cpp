#include "fontfiles/Type1Names.h"

#include "platform/AnsiCodePage.h"

#include <QDir>
#include <QFileInfo>

namespace {

constexpr uchar kSegmentMarker = 0x80;
constexpr uchar kAsciiSegment = 1;
constexpr int kMaxNameLength = 100;

// The PostScript string that follows key, "(Like \(this\))", unescaped.
QString postScriptString(QByteArrayView text, QByteArrayView key)
{
    qsizetype at = text.indexOf(key);
    while (at >= 0) {
        qsizetype i = at + key.size();
        // "/FullName" must not match "/FullNameX".
        if (i < text.size() && (QChar::isLetterOrNumber(uchar(text[i])))) {
            at = text.indexOf(key, i);
            continue;
        }
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\r' || text[i] == '\n'))
            ++i;
        if (i >= text.size() || text[i] != '(')
            return {};
        QString out;
        int depth = 1;
        for (++i; i < text.size() && out.size() < kMaxNameLength; ++i) {
            uchar c = uchar(text[i]);
            if (c == '\\' && i + 1 < text.size()) {
                c = uchar(text[++i]);
                if (c >= '0' && c <= '7') {
                    int value = c - '0';
                    for (int n = 0; n < 2 && i + 1 < text.size() && text[i + 1] >= '0' && text[i + 1] <= '7'; ++n)
                        value = value * 8 + (text[++i] - '0');
                    c = uchar(value);
                } else if (c == 'n' || c == 'r' || c == 't' || c == 'b' || c == 'f') {
                    c = ' ';
                }
            } else if (c == '(') {
                ++depth;
            } else if (c == ')' && --depth == 0) {
                break;
            }
            if (c >= 32)
                out += ansiChar(c);
        }
        return out.trimmed();
    }
    return {};
}

} // namespace

bool Type1Names::isType1(QByteArrayView head)
{
    if (head.size() >= 2 && uchar(head[0]) == kSegmentMarker && uchar(head[1]) == kAsciiSegment)
        return true;
    return head.startsWith("%!PS-AdobeFont") || head.startsWith("%!FontType1");
}

QByteArray Type1Names::clearText(QByteArrayView file, qsizetype maxText)
{
    if (file.size() >= 6 && uchar(file[0]) == kSegmentMarker) {
        if (uchar(file[1]) != kAsciiSegment)
            return {};
        const auto* p = reinterpret_cast<const uchar*>(file.data()) + 2;
        const quint64 length = quint64(p[0]) | quint64(p[1]) << 8 | quint64(p[2]) << 16 | quint64(p[3]) << 24;
        // A segment claiming more than the file holds is a lie.
        if (length > quint64(file.size() - 6))
            return {};
        return file.sliced(6, qsizetype(std::min<quint64>(length, quint64(maxText)))).toByteArray();
    }
    if (!isType1(file))
        return {};
    const QByteArrayView text = file.first(std::min(file.size(), maxText));
    const qsizetype eexec = text.indexOf("eexec");
    return (eexec < 0 ? text : text.first(eexec)).toByteArray();
}

Type1Names Type1Names::read(QByteArrayView file)
{
    const QByteArray text = clearText(file);
    if (text.isEmpty())
        return {};
    Type1Names names{postScriptString(text, "/FamilyName"), postScriptString(text, "/FullName")};
    if (names.fullName.size() < 2)
        return {};
    if (names.familyName.isEmpty())
        names.familyName = names.fullName;
    return names;
}

QStringList Type1Names::companions(const QString& path)
{
    const QFileInfo font(path);
    const QString base = font.completeBaseName();
    QStringList out;
    const QStringList beside = font.dir().entryList(
        {base + QStringLiteral(".afm"), base + QStringLiteral(".pfm")}, QDir::Files, QDir::Name);
    for (const QString& name : beside)
        out << font.dir().filePath(name);
    return out;
}
