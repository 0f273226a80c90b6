#include "platform/linux/QtScreenMetrics.h"

#include <QGuiApplication>
#include <QScreen>

namespace {
constexpr int kDefaultDpi = 96;

QScreen* primary() { return QGuiApplication::primaryScreen(); }
}  // namespace

int QtScreenMetrics::logicalDpiX()
{
    QScreen* s = primary();
    return s ? qRound(s->logicalDotsPerInchX()) : kDefaultDpi;
}

int QtScreenMetrics::logicalDpiY()
{
    QScreen* s = primary();
    return s ? qRound(s->logicalDotsPerInchY()) : kDefaultDpi;
}

QSize QtScreenMetrics::screenSize()
{
    QScreen* s = primary();
    return s ? s->geometry().size() : QSize();
}

QRect QtScreenMetrics::workArea()
{
    QScreen* s = primary();
    return s ? s->availableGeometry() : QRect();
}

bool QtScreenMetrics::windowsPlaceable()
{
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}
