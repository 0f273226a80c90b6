#include "fontfiles/NamedFontFiles.h"

#include "fontfiles/FontFolderPreview.h"
#include "fontfiles/FontArchive.h"
#include "fontfiles/FontNameReader.h"
#include "fontfiles/Type1Names.h"
#include "fontfiles/WebFontDecoder.h"
#include "platform/RegularFile.h"
#include "platform/UndecodableNames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

namespace {

// Why the page would not list the file or read no font from it, by the
// page's own mask and reader; empty when it would.
QString whyNotShown(const QFileInfo& file, QHash<QString, QStringList>& listed)
{
    const QString path = file.absoluteFilePath();
    const QString notShown =
        QStringLiteral("%1 is not a font file that this page shows "
                       "(.ttf, .otf, .ttc, .otc, .woff, .woff2, .pfb or .pfa, or an archive of them).")
            .arg(path);
    const QString folder = file.absolutePath();
    auto it = listed.find(folder);
    if (it == listed.end())
        it = listed.insert(folder, FontFolderPreview::fontFileNames(folder));
    if (!file.isFile() || !it->contains(file.fileName()))
        return notShown;
    QList<FontFileItem> items;
    ReadFontFileNames(folder + u'/', file.fileName(), items);
    if (!items.isEmpty())
        return {};
    // A web font says what is wrong with it.
    // A container of ours says what is wrong with it.
    QFile font;
    if (!openRegularFile(path, font))
        return notShown;
    const QByteArray head = font.read(16);
    QString why;
    if (WebFontDecoder::kind(head) != WebFontDecoder::Kind::None && font.seek(0)
        && WebFontDecoder::decode(font.read(WebFontDecoder::MaxFileSize + 1), &why).isEmpty())
        return QStringLiteral("%1 %2.").arg(path, why);
    if (Type1Names::isType1(head))
        return QStringLiteral("%1 is a damaged Type 1 font.").arg(path);
    if (head.startsWith("ttcf"))
        return QStringLiteral("%1 is a damaged font collection.").arg(path);
    return notShown;
}

// Whether the path is missing only because a name on it is not UTF-8 text.
bool undecodable(const QString& path, QHash<QString, QStringList>& undecodableIn)
{
    if (!path.contains(QChar::ReplacementCharacter))
        return false;
    for (QFileInfo info(path); !info.isRoot(); info.setFile(info.absolutePath())) {
        const QString folder = info.absolutePath();
        if (!QFileInfo::exists(folder))
            continue;
        auto it = undecodableIn.find(folder);
        if (it == undecodableIn.end())
            it = undecodableIn.insert(folder, undecodableNames(folder));
        return it->contains(info.fileName());
    }
    return false;
}

} // namespace

NamedFontFiles NamedFontFiles::sort(const QStringList& paths)
{
    NamedFontFiles out;
    QHash<QString, QStringList> listed;
    QHash<QString, QStringList> undecodableIn;
    for (const QString& named : paths) {
        const QFileInfo info(QDir::cleanPath(named));
        const QString path = info.absoluteFilePath();
        // An archive is shown as a folder of its fonts.
        const bool isArchive = info.isFile() && FontArchive::isArchive(path);
        const bool isFolder = info.isDir() || isArchive;
        if (out.folder.isEmpty()) {
            const QFileInfo folder(isFolder ? path : info.absolutePath());
            if (folder.isDir() || isArchive) {
                out.folder = folder.absoluteFilePath();
                out.folderNamed = isFolder;
            }
        }
        if (!info.exists()) {
            out.problems << (undecodable(path, undecodableIn)
                                 ? QStringLiteral("%1 cannot be opened: its name is not UTF-8 "
                                                  "text. Rename it to open it.")
                                 : QStringLiteral("%1 does not exist."))
                                .arg(path);
        } else if (!info.isReadable() || (info.isDir() && !info.isExecutable())) {
            out.problems << QStringLiteral("%1 cannot be read.").arg(path);
        } else if (isFolder) {
            if (path != out.folder)
                out.notShown << path;
        } else if (const QString problem = whyNotShown(info, listed); !problem.isEmpty()) {
            out.problems << problem;
        } else if (info.absolutePath() != out.folder) {
            out.notShown << path;
        } else if (!out.fileNames.contains(info.fileName())) {
            out.fileNames << info.fileName();
        }
    }
    return out;
}

QString NamedFontFiles::message() const
{
    QStringList parts;
    if (!problems.isEmpty())
        parts << problems.join(u'\n');
    if (!notShown.isEmpty())
        parts << QStringLiteral("The page shows one folder at a time, %1. Not shown:\n%2")
                     .arg(folder, notShown.join(u'\n'));
    return parts.join(QStringLiteral("\n\n"));
}
