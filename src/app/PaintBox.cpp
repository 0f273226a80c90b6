#include "app/PaintBox.h"

#include <QPainter>

void PaintBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    emit paint(painter);
}
