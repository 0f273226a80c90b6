#include "platform/linux/IniFileService.h"

#include "platform/AnsiCodePage.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <optional>
#include <stdexcept>

namespace {

const QByteArray kUtf8Bom("\xEF\xBB\xBF");

struct IniLine {
    QByteArray bytes;  // as the file holds it, without its line end
    QByteArray end;    // empty for a last line that has none
    QString text;
};

struct IniText {
    QByteArray bom;
    QByteArray lineEnd = "\n";  // for lines the write adds
    QList<IniLine> lines;
};

// Files carried over from Windows, or edited there, hold code page bytes.
QString decodeLine(const QByteArray& bytes)
{
    QString text = QString::fromUtf8(bytes);
    if (text.toUtf8() == bytes)
        return text;
    return ansiString(bytes);
}

// Nothing when the file exists but can't be read: writing it anew would lose
// every other line.
std::optional<IniText> load(const QString& path)
{
    IniText text;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (file.exists())
            return std::nullopt;
        return text;
    }
    QByteArray bytes = file.readAll();
    if (bytes.startsWith(kUtf8Bom)) {
        text.bom = kUtf8Bom;
        bytes.remove(0, kUtf8Bom.size());
    }
    const qsizetype firstLf = bytes.indexOf('\n');
    if (firstLf > 0 && bytes.at(firstLf - 1) == '\r')
        text.lineEnd = "\r\n";
    qsizetype begin = 0;
    while (begin < bytes.size()) {
        const qsizetype lf = bytes.indexOf('\n', begin);
        IniLine line;
        line.bytes = bytes.mid(begin, lf < 0 ? -1 : lf - begin);
        line.end = lf < 0 ? QByteArray() : QByteArray("\n");
        if (line.bytes.endsWith('\r')) {
            line.bytes.chop(1);
            line.end.prepend('\r');
        }
        line.text = decodeLine(line.bytes);
        text.lines.append(line);
        begin = lf < 0 ? bytes.size() : lf + 1;
    }
    return text;
}

// Blanks and tabs only, as the classic profile reader trims.
QString trimBlanks(QStringView s)
{
    qsizetype begin = 0;
    qsizetype end = s.size();
    while (begin < end && (s[begin] == u' ' || s[begin] == u'\t'))
        ++begin;
    while (end > begin && (s[end - 1] == u' ' || s[end - 1] == u'\t'))
        --end;
    return s.mid(begin, end - begin).toString();
}

std::optional<QString> sectionOf(const QString& line)
{
    const QString t = trimBlanks(line);
    if (!t.startsWith(u'['))
        return std::nullopt;
    const qsizetype close = t.indexOf(u']');
    if (close < 0)
        return std::nullopt;
    return trimBlanks(QStringView(t).mid(1, close - 1));
}

bool sameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool isKeyLine(const QString& line, const QString& key)
{
    const qsizetype eq = line.indexOf(u'=');
    return eq >= 0 && sameName(trimBlanks(QStringView(line).left(eq)), key);
}

struct Span {
    qsizetype header = -1;  // -1: the section is missing
    qsizetype end = 0;      // one past its last line
};

// The first section of that name; later ones of the same name are not read.
Span findSection(const QList<IniLine>& lines, const QString& section)
{
    Span span;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const auto name = sectionOf(lines[i].text);
        if (!name)
            continue;
        if (span.header >= 0) {
            span.end = i;
            return span;
        }
        if (sameName(*name, section))
            span.header = i;
    }
    span.end = lines.size();
    return span;
}

qsizetype findKey(const QList<IniLine>& lines, const Span& span, const QString& key)
{
    for (qsizetype i = span.header + 1; i < span.end; ++i) {
        if (isKeyLine(lines[i].text, key))
            return i;
    }
    return -1;
}

QString cutValue(QString value)
{
    if (value.size() <= IniFileService::MaxValueLength)
        return value;
    qsizetype n = IniFileService::MaxValueLength;
    if (value.at(n - 1).isHighSurrogate())
        --n;  // never leave half a character
    value.truncate(n);
    return value;
}

[[noreturn]] void failWrite(const QString& path)
{
    throw IniWriteError(
        QStringLiteral("Unable to write to %1").arg(QFileInfo(path).absoluteFilePath()).toStdString());
}

}  // namespace

bool IniFileService::fileExists(const QString& path)
{
    return QFileInfo(path).isFile();
}

QString IniFileService::readString(const QString& path, const QString& section, const QString& key,
                                   const QString& fallback)
{
    const std::optional<IniText> text = load(path);
    if (!text)
        return fallback;
    const Span span = findSection(text->lines, section);
    if (span.header < 0)
        return fallback;
    const qsizetype at = findKey(text->lines, span, key);
    if (at < 0)
        return fallback;
    const QString& line = text->lines[at].text;
    return cutValue(trimBlanks(QStringView(line).mid(line.indexOf(u'=') + 1)));
}

void IniFileService::writeString(const QString& path, const QString& section, const QString& key,
                                 const QString& value)
{
    // A line break would end the value and start lines of its own in the file.
    for (const QString* s : {&section, &key, &value}) {
        if (s->contains(u'\n') || s->contains(u'\r'))
            throw std::invalid_argument("INI names and values are single lines");
    }

    const QFileInfo info(path);
    // Replacing the file would get round its read-only flag.
    if (info.exists() && !info.isWritable())
        failWrite(path);

    std::optional<IniText> loaded = load(path);
    if (!loaded)
        failWrite(path);
    IniText& text = *loaded;
    const QString entry = key + u'=' + value;
    const auto newLine = [&](const QString& content) {
        return IniLine{content.toUtf8(), text.lineEnd, content};
    };
    const auto insert = [&](qsizetype at, const QString& content) {
        if (at > 0 && text.lines[at - 1].end.isEmpty())
            text.lines[at - 1].end = text.lineEnd;
        text.lines.insert(at, newLine(content));
    };
    const Span span = findSection(text.lines, section);
    if (span.header < 0) {
        insert(text.lines.size(), u'[' + section + u']');
        insert(text.lines.size(), entry);
    } else if (const qsizetype at = findKey(text.lines, span, key); at >= 0) {
        const QByteArray end = text.lines[at].end;
        text.lines[at] = newLine(entry);
        text.lines[at].end = end;
    } else {
        qsizetype insertAt = span.end;  // after the section's last line that isn't blank
        while (insertAt > span.header + 1 && trimBlanks(text.lines[insertAt - 1].text).isEmpty())
            --insertAt;
        insert(insertAt, entry);
    }

    // Only the line written is encoded anew; every other line keeps its bytes.
    QByteArray bytes = text.bom;
    for (const IniLine& line : std::as_const(text.lines))
        bytes += line.bytes + line.end;

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        failWrite(path);
}
