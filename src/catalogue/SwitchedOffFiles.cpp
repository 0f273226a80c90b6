#include "catalogue/SwitchedOffFiles.h"

#include <QDir>

#include <algorithm>
#include <vector>

namespace {

qsizetype commonLength(const QString& a, const QString& b)
{
    const qsizetype end = std::min(a.size(), b.size());
    qsizetype i = 0;
    while (i < end && a[i] == b[i])
        ++i;
    return i;
}

// fontconfig's globs know '*' and '?' and no escape.
bool hasWildcard(QStringView text) { return text.contains(u'*') || text.contains(u'?'); }

}  // namespace

SwitchedOffFiles::SwitchedOffFiles(const FontSwitches::Rules& rules)
    : files_(rules.files.cbegin(), rules.files.cend()),
      folders_(rules.folders.cbegin(), rules.folders.cend()),
      prefixes_(rules.prefixes)
{
}

bool SwitchedOffFiles::covers(const QString& file) const
{
    if (files_.contains(file))
        return true;
    for (qsizetype slash = file.lastIndexOf(u'/'); slash > 0 && !folders_.isEmpty();
         slash = file.lastIndexOf(u'/', slash - 1)) {
        if (folders_.contains(file.left(slash)))
            return true;
    }
    return std::any_of(prefixes_.begin(), prefixes_.end(),
                       [&file](const QString& prefix) { return file.startsWith(prefix); });
}

FontSwitches::Rules SwitchedOffFiles::rulesFor(const QSet<QString>& off, const QStringList& known,
                                               const QStringList& openFolders)
{
    // In path order, the files that a rule's start takes lie side by side:
    // a start is exact when the files on either side of a run of off files
    // don't share it. An open folder stands in the order as a file that is on.
    struct Entry {
        QString path;
        bool off = false;
    };
    std::vector<Entry> entries;
    entries.reserve(std::size_t(known.size() + off.size() + openFolders.size()));
    QSet<QString> open;
    for (const QString& file : known)
        entries.push_back({file, off.contains(file)});
    for (const QString& file : off)
        entries.push_back({file, true});
    for (const QString& folder : openFolders) {
        const QString clean = QDir::cleanPath(folder);
        open.insert(clean);
        entries.push_back({clean + u'/', false});
    }
    std::sort(entries.begin(), entries.end(),
              [](const Entry& a, const Entry& b) { return a.path < b.path; });
    entries.erase(std::unique(entries.begin(), entries.end(),
                              [](const Entry& a, const Entry& b) { return a.path == b.path; }),
                  entries.end());

    FontSwitches::Rules rules;
    const QString none;
    for (std::size_t i = 0; i < entries.size();) {
        if (!entries[i].off) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < entries.size() && entries[end].off)
            ++end;
        const QString& before = i > 0 ? entries[i - 1].path : none;
        const QString& after = end < entries.size() ? entries[end].path : none;
        for (std::size_t k = i; k < end;) {
            const QString& path = entries[k].path;
            const qsizetype folderEnd = path.lastIndexOf(u'/') + 1;
            // The shortest start that neither neighbour has.
            qsizetype length = std::max(commonLength(path, before), commonLength(path, after)) + 1;
            if (length <= folderEnd) {
                // The folder itself, or the topmost above it that is all off.
                const qsizetype slash = path.indexOf(u'/', std::max<qsizetype>(length - 1, 1));
                length = slash + 1;
            }
            const QString prefix = path.left(length);
            std::size_t covered = k + 1;
            while (covered < end && entries[covered].path.startsWith(prefix))
                ++covered;
            const bool inOpenFolder = open.contains(path.left(std::max<qsizetype>(folderEnd - 1, 0)));
            if (length >= path.size() || covered - k < 2 || hasWildcard(prefix) || inOpenFolder) {
                rules.files << path;
                ++k;
                continue;
            }
            if (prefix.endsWith(u'/'))
                rules.folders << prefix.chopped(1);
            else
                rules.prefixes << prefix;
            k = covered;
        }
        i = end;
    }
    return rules;
}
