#include "catalogue/SwitchedOffFiles.h"

#include <QDir>
#include <QHash>

#include <algorithm>

namespace {

// The folders above an absolute path, nearest first, the root left out.
QStringList foldersAbove(const QString& path)
{
    QStringList out;
    for (qsizetype slash = path.lastIndexOf(u'/'); slash > 0; slash = path.lastIndexOf(u'/', slash - 1))
        out << path.left(slash);
    return out;
}

}  // namespace

SwitchedOffFiles::SwitchedOffFiles(const FontSwitches::Rules& rules)
    : files_(rules.files.cbegin(), rules.files.cend()),
      folders_(rules.folders.cbegin(), rules.folders.cend())
{
}

bool SwitchedOffFiles::covers(const QString& file) const
{
    if (files_.contains(file))
        return true;
    if (folders_.isEmpty())
        return false;
    for (qsizetype slash = file.lastIndexOf(u'/'); slash > 0; slash = file.lastIndexOf(u'/', slash - 1)) {
        if (folders_.contains(file.left(slash)))
            return true;
    }
    return false;
}

FontSwitches::Rules SwitchedOffFiles::rulesFor(const QSet<QString>& off, const QStringList& known,
                                               const QStringList& openFolders)
{
    // Per folder: how many known files beneath are off, and whether one is on.
    struct Tally {
        int off = 0;
        bool anyOn = false;
    };
    QHash<QString, Tally> folders;
    QSet<QString> seen;
    for (const QString& file : known) {
        if (seen.contains(file))
            continue;
        seen.insert(file);
        const bool isOff = off.contains(file);
        for (const QString& folder : foldersAbove(file)) {
            Tally& tally = folders[folder];
            if (isOff)
                ++tally.off;
            else
                tally.anyOn = true;
        }
    }
    for (const QString& open : openFolders) {
        const QString clean = QDir::cleanPath(open);
        folders[clean].anyOn = true;
        for (const QString& folder : foldersAbove(clean))
            folders[folder].anyOn = true;
    }

    FontSwitches::Rules rules;
    QSet<QString> taken;
    for (const QString& file : off) {
        if (!seen.contains(file)) {
            rules.files << file;
            continue;
        }
        // The topmost folder above the file with nothing on beneath it.
        const QStringList above = foldersAbove(file);
        QString chosen;
        for (auto it = above.crbegin(); it != above.crend(); ++it) {
            const Tally tally = folders.value(*it);
            if (!tally.anyOn) {
                if (tally.off > 1)
                    chosen = *it;
                break;
            }
        }
        if (chosen.isEmpty())
            rules.files << file;
        else if (!taken.contains(chosen)) {
            taken.insert(chosen);
            rules.folders << chosen;
        }
    }
    // The same rules for the same files, whatever order a set gives them in.
    std::sort(rules.folders.begin(), rules.folders.end());
    std::sort(rules.files.begin(), rules.files.end());
    return rules;
}
