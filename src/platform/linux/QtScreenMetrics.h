#pragma once

#include "platform/ScreenMetrics.h"

// The primary screen as Qt reports it.
class QtScreenMetrics : public ScreenMetrics {
public:
    int logicalDpiX() override;
    int logicalDpiY() override;
    QSize screenSize() override;
    QRect workArea() override;
    bool windowsPlaceable() override;
};
