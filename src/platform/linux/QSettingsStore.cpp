#include "platform/linux/QSettingsStore.h"

QSettingsStore::QSettingsStore() : settings_(QStringLiteral("QZ"), QStringLiteral("Glyphary")) {}

bool QSettingsStore::contains(const QString& key) { return settings_.contains(key); }

QVariant QSettingsStore::value(const QString& key, const QVariant& fallback)
{
    return settings_.value(key, fallback);
}

void QSettingsStore::setValue(const QString& key, const QVariant& value)
{
    settings_.setValue(key, value);
}

void QSettingsStore::sync()
{
    settings_.sync();
    // A file that could not be parsed is a FormatError; it is still rewritten
    // whole, so only a failed write counts.
    if (settings_.status() == QSettings::AccessError)
        throw SettingsWriteError(
            QStringLiteral("Unable to write to %1").arg(settings_.fileName()).toStdString());
}
