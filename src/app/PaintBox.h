#pragma once

#include <QWidget>

class QPainter;

// A plain drawing surface whose owner paints it from the paint signal; the
// painter is clipped to the area that needs painting.
class PaintBox : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

signals:
    void paint(QPainter& painter);

protected:
    void paintEvent(QPaintEvent* event) override;
};
