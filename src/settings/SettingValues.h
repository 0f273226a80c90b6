#pragma once

#include <QVariant>

#include <optional>

// Stored values as a property takes them. Anything may be in the settings
// file; what these refuse leaves the property as it is.

// A whole number, or a text that parses as a decimal number, truncated toward
// zero and held within the range of int.
std::optional<int> settingInteger(const QVariant& stored);

// "True" or "False" in any letter case.
std::optional<bool> settingBoolean(const QVariant& stored);
