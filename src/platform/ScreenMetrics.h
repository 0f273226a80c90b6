#pragma once

#include <QRect>
#include <QSize>

class ScreenMetrics {
public:
    virtual ~ScreenMetrics() = default;

    virtual int logicalDpiX() = 0;
    virtual int logicalDpiY() = 0;
    virtual QSize screenSize() = 0;
    virtual QRect workArea() = 0;
    // False where only the window system places windows (Wayland): a program's
    // own positions mean nothing there.
    virtual bool windowsPlaceable() = 0;
};
