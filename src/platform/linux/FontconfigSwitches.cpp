#include "platform/linux/FontconfigSwitches.h"

#include "platform/RegularFile.h"
#include "platform/linux/WholeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace {

const QString RuleFileName = QStringLiteral("85-glyphary-switched-off.conf");

// fontconfig's globs know '*' and '?' and no escape: a path holding either
// would take other files too.
bool hasWildcard(const QString& text) { return text.contains(u'*') || text.contains(u'?'); }

// The element the reader stands on, whole, as XML text; the reader is left
// on its end.
QString captureElement(QXmlStreamReader& in)
{
    QString text;
    QXmlStreamWriter out(&text);
    int depth = 0;
    while (!in.hasError()) {
        if (in.isStartElement())
            ++depth;
        else if (in.isEndElement())
            --depth;
        out.writeCurrentToken(in);
        if (depth == 0 || in.atEnd())
            break;
        in.readNext();
    }
    return text;
}

void writeCaptured(QXmlStreamWriter& out, const QString& xml)
{
    QXmlStreamReader in(xml);
    while (!in.atEnd()) {
        in.readNext();
        if (in.hasError())
            return;
        if (!in.isStartDocument() && !in.isEndDocument())
            out.writeCurrentToken(in);
    }
}

// <pattern><patelt name="file"><string>path</string></patelt></pattern>: one
// file, named exactly; empty for any other pattern.
QString patternFile(const QString& xml)
{
    QXmlStreamReader in(xml);
    QString file;
    if (!in.readNextStartElement() || in.name() != u"pattern")
        return {};
    int elements = 0;
    while (in.readNextStartElement()) {
        ++elements;
        if (in.name() != u"patelt" || in.attributes().value(QStringLiteral("name")) != u"file")
            return {};
        while (in.readNextStartElement()) {
            ++elements;
            if (in.name() != u"string")
                return {};
            file = in.readElementText();
        }
    }
    return !in.hasError() && elements == 2 && QDir::isAbsolutePath(file) ? file : QString();
}

}  // namespace

struct FontconfigSwitches::Parsed {
    Reading reading;
    // Parts kept as written, by the element they stand in.
    QStringList top;
    QStringList select;
    QStringList reject;
    bool exists = false;
};

FontconfigSwitches::FontconfigSwitches(const QString& configHome)
    : path_(QDir(configHome).filePath(QStringLiteral("fontconfig/conf.d/") + RuleFileName))
{
}

FontconfigSwitches::Parsed FontconfigSwitches::parse()
{
    Parsed parsed;
    Reading& reading = parsed.reading;
    QFile file;
    if (!QFileInfo::exists(path_) && !QFileInfo(path_).isSymLink())
        return parsed;
    parsed.exists = true;
    if (!openRegularFile(path_, file)) {
        reading.problem = QStringLiteral("cannot be opened");
        return parsed;
    }
    if (file.size() > MaxFileSize) {
        reading.problem = QStringLiteral("is larger than %1 MB").arg(MaxFileSize >> 20);
        return parsed;
    }
    const QByteArray bytes = file.readAll();
    if (bytes.trimmed().isEmpty())
        return parsed;
    QXmlStreamReader in(bytes);
    if (!in.readNextStartElement()) {
        reading.problem = QStringLiteral("is no XML file (%1)").arg(in.errorString());
        return parsed;
    }
    if (in.name() != u"fontconfig") {
        reading.problem = QStringLiteral("is not a fontconfig file");
        return parsed;
    }
    const auto keep = [&](QStringList& into) {
        const QString xml = captureElement(in);
        into << xml;
        reading.ignored << xml;
    };
    while (in.readNextStartElement()) {
        if (in.name() != u"selectfont") {
            keep(parsed.top);
            continue;
        }
        while (in.readNextStartElement()) {
            if (in.name() != u"rejectfont") {
                keep(parsed.select);
                continue;
            }
            while (in.readNextStartElement()) {
                if (in.name() == u"glob") {
                    const QString glob = in.readElementText();
                    if (in.hasError())
                        break;
                    const QString prefix = glob.chopped(qMin<qsizetype>(glob.size(), 1));
                    const bool starred = glob.endsWith(u'*') && QDir::isAbsolutePath(prefix)
                                         && !hasWildcard(prefix) && prefix.size() > 1;
                    if (starred && prefix.endsWith(u'/'))
                        reading.rules.folders << prefix.chopped(1);
                    else if (starred)
                        reading.rules.prefixes << prefix;
                    else if (QDir::isAbsolutePath(glob) && !hasWildcard(glob))
                        reading.rules.files << glob;
                    else {
                        const QString xml = QStringLiteral("<glob>%1</glob>").arg(glob.toHtmlEscaped());
                        parsed.reject << xml;
                        reading.ignored << xml;
                    }
                } else if (in.name() == u"pattern") {
                    const QString xml = captureElement(in);
                    if (const QString one = patternFile(xml); !one.isEmpty()) {
                        reading.rules.files << one;
                    } else {
                        parsed.reject << xml;
                        reading.ignored << xml;
                    }
                } else {
                    keep(parsed.reject);
                }
            }
        }
    }
    if (in.hasError())
        reading.problem = QStringLiteral("is broken at line %1 (%2)").arg(in.lineNumber()).arg(in.errorString());
    return parsed;
}

FontSwitches::Reading FontconfigSwitches::read() { return parse().reading; }

QString FontconfigSwitches::write(const Rules& rules)
{
    // Read again now: a hand edit made since the last reading is kept too.
    const Parsed now = parse();
    if (!now.reading.problem.isEmpty())
        return now.reading.problem;
    const bool anyRule = !rules.folders.isEmpty() || !rules.prefixes.isEmpty()
                         || !rules.files.isEmpty() || !now.reject.isEmpty();
    if (!anyRule && now.select.isEmpty() && now.top.isEmpty()) {
        // Nothing is off and nothing else was written there: no file at all.
        if (now.exists && !QFile::remove(path_))
            return QStringLiteral("cannot be removed");
        return {};
    }
    QByteArray bytes;
    QXmlStreamWriter out(&bytes);
    // Laid out by hand: formatting would re-indent the kept parts at every write.
    const auto newline = [&out](int depth) {
        out.writeCharacters(QStringLiteral("\n") + QString(depth * 2, u' '));
    };
    out.writeStartDocument();
    newline(0);
    out.writeDTD(QStringLiteral("<!DOCTYPE fontconfig SYSTEM \"urn:fontconfig:fonts.dtd\">"));
    newline(0);
    out.writeComment(QStringLiteral(
        " Fonts switched off in Glyphary. Glyphary writes this file again whenever fonts are "
        "switched off or on; other parts of it are kept. "));
    newline(0);
    out.writeStartElement(QStringLiteral("fontconfig"));
    for (const QString& xml : now.top) {
        newline(1);
        writeCaptured(out, xml);
    }
    if (anyRule || !now.select.isEmpty()) {
        newline(1);
        out.writeStartElement(QStringLiteral("selectfont"));
        for (const QString& xml : now.select) {
            newline(2);
            writeCaptured(out, xml);
        }
        if (anyRule) {
            newline(2);
            out.writeStartElement(QStringLiteral("rejectfont"));
            for (const QString& folder : rules.folders) {
                newline(3);
                out.writeTextElement(QStringLiteral("glob"), folder + QStringLiteral("/*"));
            }
            for (const QString& prefix : rules.prefixes) {
                newline(3);
                out.writeTextElement(QStringLiteral("glob"), prefix + u'*');
            }
            for (const QString& file : rules.files) {
                newline(3);
                if (!hasWildcard(file)) {
                    out.writeTextElement(QStringLiteral("glob"), file);
                    continue;
                }
                out.writeStartElement(QStringLiteral("pattern"));
                out.writeStartElement(QStringLiteral("patelt"));
                out.writeAttribute(QStringLiteral("name"), QStringLiteral("file"));
                out.writeTextElement(QStringLiteral("string"), file);
                out.writeEndElement();
                out.writeEndElement();
            }
            for (const QString& xml : now.reject) {
                newline(3);
                writeCaptured(out, xml);
            }
            newline(2);
            out.writeEndElement();
        }
        newline(1);
        out.writeEndElement();
    }
    newline(0);
    out.writeEndElement();
    newline(0);
    out.writeEndDocument();

    const QString folder = QFileInfo(path_).path();
    if (!QDir().mkpath(folder))
        return QStringLiteral("is in a folder that cannot be made");
    WholeFile file;
    if (!file.open(folder) || file.device().write(bytes) != bytes.size()
        || !file.commitReplacing(path_))
        return QStringLiteral("cannot be written");
    return {};
}
