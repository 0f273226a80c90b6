#pragma once

#include "platform/FontSwitches.h"

// The rules as fontconfig reads them: one file of the program's own in the
// user's conf.d folder, <selectfont><rejectfont> with a <glob> per folder
// ("folder/*"), prefix ("folder/name*") or file. fontconfig reads every file there whose name starts
// with a digit; no other file of the folder is ever touched.
class FontconfigSwitches : public FontSwitches {
public:
    // configHome: the user's configuration folder, $XDG_CONFIG_HOME.
    explicit FontconfigSwitches(const QString& configHome);

    QString ruleFile() const override { return path_; }
    Reading read() override;
    QString write(const Rules& rules) override;

    // Larger than any rule file the program writes for a whole library.
    static constexpr qint64 MaxFileSize = 64 << 20;

private:
    struct Parsed;
    Parsed parse();

    QString path_;
};
