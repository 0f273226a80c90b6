#pragma once

#include <QList>

#include <algorithm>

// The middle of a benchmark's runs: one run slowed by the machine moves it little.
inline double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
