#pragma once

#include "platform/SettingsStore.h"

#include <QSettings>

// The per-user registry: QSettings("QZ", "Glyphary") in the native format.
class QSettingsStore : public SettingsStore {
public:
    QSettingsStore();

    bool contains(const QString& key) override;
    QVariant value(const QString& key, const QVariant& fallback) override;
    void setValue(const QString& key, const QVariant& value) override;
    void sync() override;

private:
    QSettings settings_;
};
