#include "catalogue/SpecimenSettings.h"

#include "platform/SettingsStore.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {

const QString AxesKey = QStringLiteral("Variations/Axes");

bool isTag(const QString& tag)
{
    return tag.size() == 4
           && std::all_of(tag.cbegin(), tag.cend(), [](QChar c) { return c.unicode() >= 32 && c.unicode() < 127; });
}

}  // namespace

void SpecimenSettings::setVariations(const FontVariations& variations)
{
    if (variations == variations_)
        return;
    variations_ = variations;
    emit changed();
}

void SpecimenSettings::restore(SettingsStore& store)
{
    FontVariations restored;
    for (const QString& item : store.value(AxesKey).toString().split(u';', Qt::SkipEmptyParts)) {
        const QString tag = item.section(u'=', 0, 0);
        bool number = false;
        const double value = item.section(u'=', 1).toDouble(&number);
        if (isTag(tag) && number && std::isfinite(value))
            restored.axes.insert(tag, value);
    }
    setVariations(restored);
}

void SpecimenSettings::save(SettingsStore& store) const
{
    QStringList items;
    for (auto axis = variations_.axes.cbegin(); axis != variations_.axes.cend(); ++axis)
        items << axis.key() + u'=' + QString::number(axis.value());
    store.setValue(AxesKey, items.join(u';'));
}
