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
    bool isEmpty() const { return files_.isEmpty() && folders_.isEmpty(); }

    // Rules that switch off exactly the off files among the known ones: a
    // folder of two or more files, all off, is one rule. Never a folder that
    // fonts get installed into (openFolders and those above them), where a
    // font added later would be off before anyone switched it. Off files
    // that are not known stay rules of their own.
    static FontSwitches::Rules rulesFor(const QSet<QString>& off, const QStringList& known,
                                        const QStringList& openFolders);

private:
    QSet<QString> files_;
    QSet<QString> folders_;
};
