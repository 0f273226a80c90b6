#pragma once

#include "platform/FontSwitches.h"

#include <QSet>
#include <QString>
#include <QStringList>

// Which font files the rules switch off, asked per file as fontconfig
// would, and the fewest rules for a set of files.
class SwitchedOffFiles {
public:
    SwitchedOffFiles() = default;
    explicit SwitchedOffFiles(const FontSwitches::Rules& rules);

    bool covers(const QString& file) const;

    // Rules that switch off exactly the off files among the known ones: a
    // folder, or a start of a name within one ("folder/scale-0"), that two or
    // more off files share and no other known file does is one rule; fontconfig
    // tries every rule on every font, so thousands of rules would slow every
    // program's start. Neither reaches into the folders that fonts get
    // installed into (openFolders), where a font added later would be off
    // before anyone switched it. Off files that are not known stay rules of
    // their own.
    static FontSwitches::Rules rulesFor(const QSet<QString>& off, const QStringList& known,
                                        const QStringList& openFolders);

private:
    QSet<QString> files_;
    QSet<QString> folders_;
    QStringList prefixes_;
};
