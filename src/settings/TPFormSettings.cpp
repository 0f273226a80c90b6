#include "settings/TPFormSettings.h"

#include "platform/ErrorReporter.h"
#include "platform/SettingsStore.h"
#include "settings/SettingValues.h"
#include "settings/WindowPosition.h"

#include <QEvent>
#include <QWidget>

#include <utility>

namespace {

// Property names are matched without regard to case: "Checked" is "checked".
QMetaProperty findProperty(const QObject& object, const QString& name)
{
    const QMetaObject* meta = object.metaObject();
    for (int i = 0; i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        if (name.compare(QLatin1String(property.name()), Qt::CaseInsensitive) == 0)
            return property;
    }
    return {};
}

bool isBoolean(const QMetaProperty& property)
{
    return property.metaType().id() == QMetaType::Bool;
}

}  // namespace

TPFormSettings::TPFormSettings(QWidget& form, std::span<const char* const> boundProperties,
                               SettingsStore& store, ScreenMetrics& screen,
                               ErrorReporter& errors)
    : QObject(&form), form_(form), store_(store), screen_(screen), errors_(errors)
{
    setObjectName(QStringLiteral("PSettings1"));
    // A path that names no control, or no true/false or whole-number
    // property of it, binds nothing.
    for (const char* path : boundProperties) {
        const QStringList elements = QString::fromLatin1(path).split(u'.');
        const QString key = form.objectName() + u'/' + elements.join(u'/');
        if (elements.size() != 2)
            continue;
        QObject* control = form.findChild<QObject*>(elements[0]);
        if (!control)
            continue;
        const QMetaProperty property = findProperty(*control, elements[1]);
        if (isBoolean(property) || property.metaType().id() == QMetaType::Int)
            bindings_.push_back({key, control, property});
    }
    form.installEventFilter(this);
    restore();
}

void TPFormSettings::restore()
{
    for (const Binding& binding : bindings_) {
        if (!store_.contains(binding.key))
            continue;
        const QVariant stored = store_.value(binding.key);
        if (isBoolean(binding.property)) {
            if (const std::optional<bool> checked = settingBoolean(stored))
                binding.property.write(binding.control, *checked);
        } else if (const std::optional<int> value = settingInteger(stored)) {
            binding.property.write(binding.control, *value);
        }
    }
    restoreWindowPosition(form_, store_, screen_);
}

void TPFormSettings::save()
{
    for (const Binding& binding : bindings_) {
        if (!binding.control)
            continue;
        const QVariant value = binding.property.read(binding.control);
        if (isBoolean(binding.property))
            store_.setValue(binding.key, value.toBool() ? QStringLiteral("True")
                                                        : QStringLiteral("False"));
        else
            store_.setValue(binding.key, value.toInt());
    }
    saveWindowPosition(form_, store_, screen_);
    store_.sync();
}

bool TPFormSettings::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &form_) {
        switch (event->type()) {
        case QEvent::Show:
            armed_ = true;
            break;
        case QEvent::WindowStateChange:
            if (form_.isMinimized() && !savedMinimised_)
                armed_ = true;
            break;
        case QEvent::Close:
        case QEvent::Hide:
            if (armed_)
                saveReportingFailure();
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

void TPFormSettings::saveReportingFailure()
{
    armed_ = false;
    savedMinimised_ = form_.isMinimized();
    // The close goes on whether or not the settings could be written.
    reportErrors(errors_, "PSettings1", [this] { save(); });
}
