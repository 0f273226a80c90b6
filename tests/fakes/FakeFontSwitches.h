#pragma once

#include "platform/FontSwitches.h"

// The rules held in memory; a test sets what reading finds and what writing
// fails with.
class FakeFontSwitches : public FontSwitches {
public:
    QString ruleFile() const override { return QStringLiteral("/conf.d/rules.conf"); }
    Reading read() override { return reading; }
    QString write(const Rules& rules) override
    {
        if (!writeProblem.isEmpty())
            return writeProblem;
        if (!reading.problem.isEmpty())
            return reading.problem;
        reading.rules = rules;
        ++writes;
        return {};
    }

    Reading reading;
    QString writeProblem;
    int writes = 0;
};
