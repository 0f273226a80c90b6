#pragma once

#include <QString>
#include <QVariant>

// The per-user registry: values under slash-separated keys such as
// "frmMain/chkBold/Checked".
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    virtual bool contains(const QString& key) = 0;
    virtual QVariant value(const QString& key, const QVariant& fallback = {}) = 0;
    virtual void setValue(const QString& key, const QVariant& value) = 0;
    virtual void sync() = 0;
};
