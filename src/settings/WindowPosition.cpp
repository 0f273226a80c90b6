#include "settings/WindowPosition.h"

#include "platform/ScreenMetrics.h"
#include "platform/SettingsStore.h"
#include "settings/SettingValues.h"

#include <QLayout>
#include <QWidget>

#include <algorithm>

namespace {

// A stored edge of -1, or none, means that nothing was stored.
constexpr int None = -1;
constexpr int Maximised = 2;
constexpr int Minimised = 1;
constexpr int Normal = 0;

QString key(const QWidget& form, const char* name)
{
    return form.objectName() + u'/' + QLatin1String(name);
}

QString screenRes(const QSize& screen)
{
    return QStringLiteral("%1x%2").arg(screen.width()).arg(screen.height());
}

// Text that is no number gives 0.
int storedEdge(SettingsStore& store, const QString& key)
{
    if (!store.contains(key))
        return None;
    return settingInteger(store.value(key)).value_or(0);
}

bool sizeable(const QWidget& form) { return form.minimumSize() != form.maximumSize(); }

void restoreWindowSize(QWidget& form, SettingsStore& store, ScreenMetrics& screen)
{
    const int width = storedEdge(store, key(form, "Width"));
    const int height = storedEdge(store, key(form, "Height"));
    if (width != None && height != None)
        form.resize(QSize(width, height)
                        .boundedTo(screen.workArea().size())
                        .expandedTo(form.minimumSize()));
    if (storedEdge(store, key(form, "State")) == Maximised)
        form.setWindowState(form.windowState() | Qt::WindowMaximized);
}

}  // namespace

void saveWindowPosition(const QWidget& form, SettingsStore& store, ScreenMetrics& screen)
{
    if (sizeable(form)) {
        const QSize size = form.normalGeometry().size();
        store.setValue(key(form, "Width"), size.width());
        store.setValue(key(form, "Height"), size.height());
        store.setValue(key(form, "State"), form.isMinimized()   ? Minimised
                                           : form.isMaximized() ? Maximised
                                                                : Normal);
    }
    if (!screen.windowsPlaceable())
        return;
    // The normal geometry is the client area; move() takes the frame's corner.
    const QPoint frame = form.geometry().topLeft() - form.frameGeometry().topLeft();
    const QPoint corner = form.normalGeometry().topLeft() - frame;
    store.setValue(key(form, "Left"), corner.x());
    store.setValue(key(form, "Top"), corner.y());
    store.setValue(key(form, "ScreenRes"), screenRes(screen.screenSize()));
}

void restoreWindowPosition(QWidget& form, SettingsStore& store, ScreenMetrics& screen)
{
    // A window not shown yet has its laid-out size, and its least one, only
    // once its layout has run.
    form.ensurePolished();
    if (QLayout* layout = form.layout())
        layout->activate();
    if (sizeable(form))
        restoreWindowSize(form, store, screen);
    if (!screen.windowsPlaceable())
        return;
    int left = storedEdge(store, key(form, "Left"));
    int top = storedEdge(store, key(form, "Top"));
    const QString savedRes = store.value(key(form, "ScreenRes")).toString();
    const QSize screenSize = screen.screenSize();
    const QSize size = form.frameGeometry().size();

    if (left == None && top == None) {
        left = std::max(0, std::min(form.x(), screenSize.width() - size.width()));
        top = std::max(0, std::min(form.y(), screenSize.height() - size.height()));
    } else {
        if (savedRes == screenRes(screenSize)) {
            // A window left partly off the screen comes back so, but with
            // three quarters of it on the screen: a sliver far out would be
            // as good as lost.
            left = std::min(left, screenSize.width() - size.width() * 3 / 4);
            top = std::min(top, screenSize.height() - size.height() * 3 / 4);
        } else {
            if (left > screenSize.width() - size.width())
                left = screenSize.width() - size.width();
            if (top > screenSize.height() - size.height())
                top = screenSize.height() - size.height();
        }
        if (left < 0 && left != None)
            left = 0;
        if (top < 0 && top != None)
            top = 0;
    }
    form.move(left == None ? form.x() : left, top == None ? form.y() : top);
}
