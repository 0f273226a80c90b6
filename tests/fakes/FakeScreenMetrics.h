#pragma once

#include "platform/ScreenMetrics.h"

class FakeScreenMetrics : public ScreenMetrics {
public:
    int logicalDpiX() override { return dpi; }
    int logicalDpiY() override { return dpi; }
    QSize screenSize() override { return size; }
    QRect workArea() override { return area.isValid() ? area : QRect(QPoint(0, 0), size); }
    bool windowsPlaceable() override { return placeable; }

    int dpi = 96;
    QSize size{1280, 1024};
    // Empty: the whole screen.
    QRect area;
    bool placeable = true;
};
