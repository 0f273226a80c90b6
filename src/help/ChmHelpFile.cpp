#include "help/ChmHelpFile.h"

#include <QRegularExpression>
#include <QtEndian>

namespace {

// #SYSTEM record codes.
constexpr quint16 SystemContents = 0;
constexpr quint16 SystemIndex = 1;
constexpr quint16 SystemDefaultTopic = 2;
constexpr quint16 SystemTitle = 3;

QString cString(const QByteArray& data, qsizetype offset)
{
    if (offset < 0 || offset >= data.size())
        return {};
    const qsizetype end = data.indexOf('\0', offset);
    return QString::fromUtf8(data.mid(offset, (end < 0 ? data.size() : end) - offset));
}

quint32 dword(const QByteArray& data, qsizetype offset)
{
    return qFromLittleEndian<quint32>(data.constData() + offset);
}

QString attribute(const QString& tag, const QString& name)
{
    static const QRegularExpression pattern(
        QStringLiteral(R"re((\w+)\s*=\s*(?:"([^"]*)"|'([^']*)'|([^\s>]+)))re"));
    for (auto it = pattern.globalMatch(tag); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (m.captured(1).compare(name, Qt::CaseInsensitive) == 0)
            return m.captured(2) + m.captured(3) + m.captured(4);
    }
    return {};
}

QString unescaped(QString text)
{
    text.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    text.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    text.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    text.replace(QStringLiteral("&#39;"), QStringLiteral("'"));
    return text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
}

}  // namespace

ChmHelpFile::ChmHelpFile(std::unique_ptr<ChmArchive> archive)
    : archive_(std::move(archive)), paths_(archive_->paths())
{
    pathIndex_.reserve(paths_.size());
    for (const QString& path : std::as_const(paths_)) {
        const QString folded = path.toCaseFolded();
        if (!pathIndex_.contains(folded))
            pathIndex_.insert(folded, path);
    }
    readSystem();
    readContextMap();
}

void ChmHelpFile::readSystem()
{
    const QByteArray system = archive_->read(QStringLiteral("/#SYSTEM")).value_or(QByteArray());
    // A version dword, then records of a code word, a length word and the data.
    for (qsizetype at = 4; at + 4 <= system.size();) {
        const quint16 code = qFromLittleEndian<quint16>(system.constData() + at);
        const quint16 length = qFromLittleEndian<quint16>(system.constData() + at + 2);
        at += 4;
        if (at + length > system.size())
            break;
        const QString value = cString(system.left(at + length), at);
        if (code == SystemContents)
            contentsFile_ = normalised(value);
        else if (code == SystemIndex)
            indexFile_ = normalised(value);
        else if (code == SystemDefaultTopic)
            defaultTopic_ = normalised(value);
        else if (code == SystemTitle)
            title_ = value;
        at += length;
    }
    auto firstOfKind = [this](const QString& suffix) {
        for (const QString& path : std::as_const(paths_))
            if (path.endsWith(suffix, Qt::CaseInsensitive) && path.count(u'/') == 1)
                return path;
        return QString();
    };
    if (contentsFile_.isEmpty())
        contentsFile_ = firstOfKind(QStringLiteral(".hhc"));
    if (indexFile_.isEmpty())
        indexFile_ = firstOfKind(QStringLiteral(".hhk"));
    if (defaultTopic_.isEmpty()) {
        const QList<SitemapEntry> entries = contents();
        for (const SitemapEntry& entry : entries)
            if (!entry.local.isEmpty()) {
                defaultTopic_ = entry.local;
                break;
            }
    }
}

void ChmHelpFile::readContextMap()
{
    // #IVB: a length dword, then pairs of a context number and the offset of
    // its page's name in #STRINGS.
    const QByteArray ivb = archive_->read(QStringLiteral("/#IVB")).value_or(QByteArray());
    const QByteArray strings = archive_->read(QStringLiteral("/#STRINGS")).value_or(QByteArray());
    for (qsizetype at = 4; at + 8 <= ivb.size(); at += 8) {
        const QString topic = normalised(cString(strings, dword(ivb, at + 4)));
        if (!topic.isEmpty())
            contextMap_.insert(dword(ivb, at), topic);
    }
}

// A path inside the file, from a name that the file's own tables give.
// Compilers write names relative to the project, with a leading slash or
// none, some with the project's folder in front: the longest tail of the name
// that the file holds is the page.
QString ChmHelpFile::normalised(const QString& path) const
{
    QString name = path.trimmed();
    name.replace(u'\\', u'/');
    const qsizetype hash = name.indexOf(u'#');
    const QString anchor = hash < 0 ? QString() : name.mid(hash);
    if (hash >= 0)
        name.truncate(hash);
    if (name.isEmpty())
        return {};
    if (!name.startsWith(u'/'))
        name.prepend(u'/');
    const QString folded = name.toCaseFolded();
    for (qsizetype slash = 0; slash >= 0; slash = folded.indexOf(u'/', slash + 1)) {
        const auto known = pathIndex_.constFind(folded.mid(slash));
        if (known != pathIndex_.cend())
            return *known + anchor;
    }
    return {};
}

QList<SitemapEntry> ChmHelpFile::sitemap(const QString& file) const
{
    if (file.isEmpty())
        return {};
    const std::optional<QByteArray> data = archive_->read(file);
    if (!data)
        return {};
    QList<SitemapEntry> entries = parseSitemap(QString::fromUtf8(*data));
    for (SitemapEntry& entry : entries)
        entry.local = normalised(entry.local);
    return entries;
}

QList<SitemapEntry> ChmHelpFile::contents() const
{
    if (!contents_)
        contents_ = sitemap(contentsFile_);
    return *contents_;
}

QList<SitemapEntry> ChmHelpFile::index() const { return sitemap(indexFile_); }

QString ChmHelpFile::contextTopic(quint32 context) const { return contextMap_.value(context); }

QString ChmHelpFile::popupText(const QString& topicFile, quint32 context) const
{
    const QString path = normalised(topicFile);
    if (path.isEmpty())
        return {};
    return parsePopupTopic(QString::fromUtf8(archive_->read(path).value_or(QByteArray())), context);
}

QList<SitemapEntry> ChmHelpFile::parseSitemap(const QString& html)
{
    static const QRegularExpression tags(QStringLiteral(R"re(<\s*(/?)\s*(ul|object|param)\b([^>]*)>)re"),
                                         QRegularExpression::CaseInsensitiveOption);
    QList<SitemapEntry> entries;
    int level = -1;
    bool inEntry = false;
    SitemapEntry entry;
    for (auto it = tags.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const bool closing = !m.captured(1).isEmpty();
        const QString tag = m.captured(2).toLower();
        if (tag == u"ul") {
            level += closing ? -1 : 1;
        } else if (tag == u"object") {
            if (!closing) {
                inEntry = attribute(m.captured(3), QStringLiteral("type"))
                              .compare(QStringLiteral("text/sitemap"), Qt::CaseInsensitive) == 0;
                entry = {QString(), QString(), qMax(level, 0)};
            } else if (inEntry) {
                if (!entry.name.isEmpty())
                    entries.append(entry);
                inEntry = false;
            }
        } else if (inEntry && !closing) {
            const QString name = attribute(m.captured(3), QStringLiteral("name"));
            const QString value = unescaped(attribute(m.captured(3), QStringLiteral("value")));
            // An index keyword names its pages again under the same entry: the first is kept.
            if (name.compare(QStringLiteral("Name"), Qt::CaseInsensitive) == 0 && entry.name.isEmpty())
                entry.name = value;
            else if (name.compare(QStringLiteral("Local"), Qt::CaseInsensitive) == 0 && entry.local.isEmpty())
                entry.local = value;
        }
    }
    return entries;
}

QString ChmHelpFile::parsePopupTopic(const QString& text, quint32 context)
{
    // ".topic <number>" starts a topic, which runs to the next one.
    QStringList lines;
    bool inTopic = false;
    const QStringList all = text.split(u'\n');
    for (const QString& raw : all) {
        const QString line = raw.trimmed();
        if (line.startsWith(QStringLiteral(".topic"), Qt::CaseInsensitive)) {
            if (inTopic)
                break;
            bool ok = false;
            inTopic = line.mid(6).trimmed().toUInt(&ok) == context && ok;
        } else if (inTopic) {
            lines.append(line);
        }
    }
    return lines.join(u'\n').trimmed();
}
