#pragma once

#include <QString>
#include <QVariant>

#include <stdexcept>

// Raised when the settings can't be written; the message names the file.
class SettingsWriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The per-user registry: values under slash-separated keys such as
// "frmMain/chkBold/Checked".
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    virtual bool contains(const QString& key) = 0;
    virtual QVariant value(const QString& key, const QVariant& fallback = {}) = 0;
    virtual void setValue(const QString& key, const QVariant& value) = 0;
    // Writes the values out. Throws SettingsWriteError when they can't be written.
    virtual void sync() = 0;
};
