#include "platform/linux/IniFileService.h"

#include "platform/AnsiCodePage.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>

#include <optional>
#include <stdexcept>

namespace {

const QByteArray kUtf8Bom("\xEF\xBB\xBF");
const QByteArray kUtf16LeBom("\xFF\xFE");
const QByteArray kUtf16BeBom("\xFE\xFF");

// The file's text as lines of UTF-8 or code page bytes; a UTF-16 file is
// held as UTF-8, which maps it one to one, and written back in its own encoding.
struct IniText {
    QByteArray bom;
    bool utf16 = false;
    bool bigEndian = false;
    QByteArray body;  // after the byte order mark
    QByteArray lineEnd = "\n";  // for lines the write adds
};

struct Loaded {
    std::optional<IniText> text;  // nothing when the file exists but can't be taken
    QString fault;  // why, when it is not just unreadable
};

// A UTF-16 file with an odd length or a lone surrogate is no text: writing it
// anew as text would change bytes nobody wrote.
std::optional<QByteArray> utf16ToUtf8(QByteArrayView bytes, bool bigEndian)
{
    if (bytes.size() % 2 != 0)
        return std::nullopt;
    QString text(bytes.size() / 2, Qt::Uninitialized);
    const auto* in = reinterpret_cast<const uchar*>(bytes.data());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const uchar a = in[2 * i];
        const uchar b = in[2 * i + 1];
        text[i] = QChar(char16_t(bigEndian ? a << 8 | b : b << 8 | a));
    }
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            return std::nullopt;
    }
    return text.toUtf8();
}

QByteArray utf8ToUtf16(const QByteArray& bytes, bool bigEndian)
{
    const QString text = QString::fromUtf8(bytes);
    QByteArray out(text.size() * 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        out[2 * i + (bigEndian ? 0 : 1)] = char(c >> 8);
        out[2 * i + (bigEndian ? 1 : 0)] = char(c & 0xff);
    }
    return out;
}

Loaded load(const QString& path)
{
    IniText text;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (file.exists())
            return {};
        return {text, {}};
    }
    QByteArray bytes = file.readAll();
    if (bytes.startsWith(kUtf16LeBom) || bytes.startsWith(kUtf16BeBom)) {
        text.bom = bytes.left(2);
        text.utf16 = true;
        text.bigEndian = bytes.startsWith(kUtf16BeBom);
        std::optional<QByteArray> utf8 = utf16ToUtf8(QByteArrayView(bytes).sliced(2), text.bigEndian);
        if (!utf8)
            return {std::nullopt, QStringLiteral("it is UTF-16 text with broken characters "
                                                 "(an odd length or a lone surrogate)")};
        text.body = std::move(*utf8);
    } else {
        if (bytes.startsWith(kUtf8Bom)) {
            text.bom = kUtf8Bom;
            bytes.remove(0, kUtf8Bom.size());
        }
        text.body = std::move(bytes);
    }
    const qsizetype firstLf = text.body.indexOf('\n');
    if (firstLf > 0 && text.body.at(firstLf - 1) == '\r')
        text.lineEnd = "\r\n";
    return {std::move(text), {}};
}

// Files carried over from Windows, or edited there, hold code page bytes.
QString decodeLine(QByteArrayView bytes)
{
    QString text = QString::fromUtf8(bytes);
    if (text.toUtf8() == bytes)
        return text;
    return ansiString(bytes);
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

// The name a key line sets, folded for lookup; nothing for other lines.
std::optional<QString> keyOf(const QString& line)
{
    const qsizetype eq = line.indexOf(u'=');
    if (eq < 0)
        return std::nullopt;
    return trimBlanks(QStringView(line).left(eq)).toCaseFolded();
}

struct IniLine {
    QByteArray bytes;  // as the file holds it, without its line end
    QByteArray end;    // empty for a last line that has none
    QString text;
};

// The lines of the first section of its name, between the prefix and the
// suffix, which stay bytes; later sections of the same name are not read.
// Only lines that start with a bracket are decoded to find it.
struct Section {
    bool found = false;
    qsizetype begin = 0;  // the first byte after the header's line
    qsizetype end = 0;    // one past its last line
    QList<IniLine> lines;
};

Section findSection(const QByteArray& body, const QString& name)
{
    Section section;
    section.end = body.size();
    const char* data = body.constData();
    for (qsizetype pos = 0; pos < body.size();) {
        const qsizetype lf = body.indexOf('\n', pos);
        const qsizetype lineEnd = lf < 0 ? body.size() : lf;
        const qsizetype next = lf < 0 ? body.size() : lf + 1;
        qsizetype first = pos;
        while (first < lineEnd && (data[first] == ' ' || data[first] == '\t'))
            ++first;
        if (first < lineEnd && data[first] == '[') {
            QByteArrayView bytes(data + pos, lineEnd - pos);
            if (bytes.endsWith('\r'))
                bytes.chop(1);
            if (const auto header = sectionOf(decodeLine(bytes))) {
                if (section.found) {
                    section.end = pos;
                    break;
                }
                if (sameName(*header, name)) {
                    section.found = true;
                    section.begin = next;
                }
            }
        }
        pos = next;
    }
    if (!section.found)
        section.begin = section.end;
    for (qsizetype pos = section.begin; pos < section.end;) {
        const qsizetype lf = body.indexOf('\n', pos);
        const qsizetype next = lf < 0 || lf >= section.end ? section.end : lf + 1;
        IniLine line;
        line.bytes = body.mid(pos, (lf < 0 || lf >= section.end ? section.end : lf) - pos);
        line.end = lf < 0 || lf >= section.end ? QByteArray() : QByteArray("\n");
        if (line.bytes.endsWith('\r')) {
            line.bytes.chop(1);
            line.end.prepend('\r');
        }
        line.text = decodeLine(line.bytes);
        section.lines.append(std::move(line));
        pos = next;
    }
    return section;
}

// The first line of each key in the section.
QHash<QString, qsizetype> keyLines(const QList<IniLine>& lines)
{
    QHash<QString, qsizetype> keys;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (const auto key = keyOf(lines[i].text); key && !keys.contains(*key))
            keys.insert(*key, i);
    }
    return keys;
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

[[noreturn]] void failWrite(const QString& path, const QString& why = {})
{
    QString message = QStringLiteral("Unable to write to %1").arg(QFileInfo(path).absoluteFilePath());
    if (!why.isEmpty())
        message += QStringLiteral(": ") + why + QStringLiteral("; it is left as it is");
    throw IniWriteError(message.toStdString());
}

}  // namespace

bool IniFileService::fileExists(const QString& path)
{
    return QFileInfo(path).isFile();
}

QStringList IniFileService::readStrings(const QString& path, const QString& section,
                                        const QStringList& keys, const QString& fallback)
{
    QStringList values(keys.size(), fallback);
    const Loaded loaded = load(path);
    if (!loaded.text)
        return values;
    const Section found = findSection(loaded.text->body, section);
    if (!found.found)
        return values;
    const QHash<QString, qsizetype> lines = keyLines(found.lines);
    for (qsizetype k = 0; k < keys.size(); ++k) {
        const auto at = lines.constFind(keys[k].toCaseFolded());
        if (at == lines.cend())
            continue;
        const QString& line = found.lines[*at].text;
        values[k] = cutValue(trimBlanks(QStringView(line).mid(line.indexOf(u'=') + 1)));
    }
    return values;
}

void IniFileService::writeStrings(const QString& path, const QString& section,
                                  const QList<IniEntry>& entries)
{
    // A line break would end the value and start lines of its own in the file.
    const auto singleLine = [](const QString& s) { return !s.contains(u'\n') && !s.contains(u'\r'); };
    if (!singleLine(section))
        throw std::invalid_argument("INI names and values are single lines");
    for (const auto& [key, value] : entries) {
        if (!singleLine(key) || !singleLine(value))
            throw std::invalid_argument("INI names and values are single lines");
    }

    if (entries.isEmpty())
        return;
    const QFileInfo info(path);
    // Replacing the file would get round its read-only flag.
    if (info.exists() && !info.isWritable())
        failWrite(path);

    Loaded loaded = load(path);
    if (!loaded.text)
        failWrite(path, loaded.fault);
    IniText& text = *loaded.text;
    Section found = findSection(text.body, section);
    QList<IniLine>& lines = found.lines;
    const auto newLine = [&](const QString& content) {
        return IniLine{content.toUtf8(), text.lineEnd, content};
    };
    QByteArray prefix = text.body.left(found.begin);
    if (!found.found) {
        if (!prefix.isEmpty() && !prefix.endsWith('\n'))
            prefix += text.lineEnd;
        prefix += newLine(u'[' + section + u']').bytes + text.lineEnd;
    }

    // New keys go after the section's last line that isn't blank, in order.
    qsizetype insertAt = lines.size();
    while (insertAt > 0 && trimBlanks(lines[insertAt - 1].text).isEmpty())
        --insertAt;
    QHash<QString, qsizetype> keys = keyLines(lines);
    for (const auto& [key, value] : entries) {
        const QString entry = key + u'=' + value;
        const QString folded = key.toCaseFolded();
        if (const auto at = keys.constFind(folded); at != keys.cend()) {
            const QByteArray end = lines[*at].end;
            lines[*at] = newLine(entry);
            lines[*at].end = end;
            continue;
        }
        if (insertAt > 0 && lines[insertAt - 1].end.isEmpty())
            lines[insertAt - 1].end = text.lineEnd;
        else if (insertAt == 0 && !prefix.isEmpty() && !prefix.endsWith('\n'))
            prefix += text.lineEnd;
        // Only blank lines follow, so no key's line moves.
        lines.insert(insertAt, newLine(entry));
        keys.insert(folded, insertAt);
        ++insertAt;
    }

    // Only the lines written are encoded anew; every other line keeps its bytes.
    QByteArray body = prefix;
    for (const IniLine& line : std::as_const(lines))
        body += line.bytes + line.end;
    body += QByteArrayView(text.body).sliced(found.end);
    const QByteArray bytes = text.bom + (text.utf16 ? utf8ToUtf16(body, text.bigEndian) : body);

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        failWrite(path);
}
