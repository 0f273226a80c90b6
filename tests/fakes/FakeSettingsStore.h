#pragma once

#include "platform/SettingsStore.h"

#include <QVariantMap>

class FakeSettingsStore : public SettingsStore {
public:
    bool contains(const QString& key) override { return values.contains(key); }
    QVariant value(const QString& key, const QVariant& fallback) override
    {
        return values.value(key, fallback);
    }
    void setValue(const QString& key, const QVariant& value) override { values.insert(key, value); }
    void sync() override { ++syncs; }

    QVariantMap values;
    int syncs = 0;
};
