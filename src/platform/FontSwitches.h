#pragma once

#include <QString>
#include <QStringList>

// Font files switched off for every program that reads the user's font
// configuration, without deleting them. The rules are the program's own;
// whatever else the user's configuration holds stays untouched.
class FontSwitches {
public:
    struct Rules {
        QStringList folders;   // every font file beneath, subfolders too
        QStringList prefixes;  // every font file whose path starts so
        QStringList files;

        bool operator==(const Rules&) const = default;
    };
    struct Reading {
        Rules rules;
        // Parts of the file that name no folder or file, as written: kept
        // when the rules are written again, but switching nothing here.
        QStringList ignored;
        // Why the file cannot be read whole, said of the file ("is broken at
        // line 3 (...)"); while it is set, writing is refused, so that
        // nothing of it is lost.
        QString problem;
    };

    virtual ~FontSwitches() = default;

    // The program's rule file, for messages.
    virtual QString ruleFile() const = 0;
    virtual Reading read() = 0;
    // Replaces the program's rules, whole or not at all, keeping the parts
    // that were read and ignored. Returns why it failed, said of the file;
    // empty on success.
    virtual QString write(const Rules& rules) = 0;
};
