#include "app/PaintBox.h"

#include <QPaintEvent>
#include <QPainter>

void PaintBox::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    // The clip tells the owner which part needs drawing.
    painter.setClipRegion(event->region());
    emit paint(painter);
}
