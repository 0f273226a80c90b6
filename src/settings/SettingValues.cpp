#include "settings/SettingValues.h"

#include <algorithm>
#include <climits>
#include <cmath>

std::optional<int> settingInteger(const QVariant& stored)
{
    bool ok = false;
    const double number = stored.toDouble(&ok);
    if (!ok || !std::isfinite(number))
        return std::nullopt;
    return int(std::clamp(std::trunc(number), double(INT_MIN), double(INT_MAX)));
}

std::optional<bool> settingBoolean(const QVariant& stored)
{
    const QString text = stored.toString();
    if (text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    return std::nullopt;
}
