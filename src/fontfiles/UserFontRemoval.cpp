#include "fontfiles/UserFontRemoval.h"

#include "platform/Shell.h"

#include <QDir>
#include <QFileInfo>

QString UserFontRemoval::insideFolder(const QString& path, const QString& folder)
{
    const QFileInfo given(path);
    const QString name = given.fileName();
    if (!given.isAbsolute() || name.isEmpty() || name == u'.' || name == QStringLiteral(".."))
        return {};
    // The kernel's reading of the path: links and ".." in the folders on the
    // way are resolved; the last part is what gets moved.
    const QString parent = QFileInfo(given.path()).canonicalFilePath();
    const QString root = QFileInfo(folder).canonicalFilePath();
    if (parent.isEmpty() || root.isEmpty() || root == QDir::rootPath())
        return {};
    if (parent != root && !parent.startsWith(root + u'/'))
        return {};
    const QString located = parent + u'/' + name;
    const QFileInfo file(located);
    if (!file.isSymLink() && !file.isFile())
        return {};
    return located;
}

UserFontRemoval::Plan UserFontRemoval::plan(const QString& family, const QList<FontFileFace>& faces,
                                            const QString& fontsFolder)
{
    Plan plan;
    plan.family = family;
    for (const FontFileFace& face : faces) {
        if (!face.installed)
            continue;
        const QString file = fontsFolder.isEmpty() ? QString() : insideFolder(face.path, fontsFolder);
        if (file.isEmpty())
            ++plan.keptFaces;
        else if (!plan.files.contains(file))
            plan.files << file;
    }
    return plan;
}

QString UserFontRemoval::Plan::question() const
{
    QString text = QStringLiteral("Remove the font family \"%1\"?\n\n%2\n%3")
                       .arg(family,
                            files.size() == 1 ? QStringLiteral("This file goes to the trash:")
                                              : QStringLiteral("These files go to the trash:"),
                            files.join(u'\n'));
    if (keptFaces == 1)
        text += QStringLiteral("\n\n1 face installed for all users is kept.");
    else if (keptFaces > 1)
        text += QStringLiteral("\n\n%1 faces installed for all users are kept.").arg(keptFaces);
    return text;
}

UserFontRemoval::Outcome UserFontRemoval::remove(const Plan& plan, Shell& shell)
{
    Outcome outcome;
    for (const QString& file : plan.files)
        (shell.moveToTrash(file) ? outcome.moved : outcome.failed) << file;
    return outcome;
}

QStringList UserFontRemoval::Outcome::folders() const
{
    QStringList out;
    for (const QString& file : moved) {
        const QString folder = QFileInfo(file).path();
        if (!out.contains(folder))
            out << folder;
    }
    return out;
}

QString UserFontRemoval::Outcome::message() const
{
    QString text = moved.size() == 1
                       ? QStringLiteral("Moved 1 file to the trash.")
                       : QStringLiteral("Moved %1 files to the trash.").arg(moved.size());
    if (!failed.isEmpty())
        text += QStringLiteral("\n\nThese could not be moved and are still installed:\n")
                + failed.join(u'\n');
    return text;
}
