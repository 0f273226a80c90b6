#pragma once

#include <QLayout>
#include <QSize>

#include <vector>

// Keeps each control where the design put it while its parent has its
// designed size; what the parent has beyond that moves each edge of a
// control by a fixed share of the extra width or height. Controls not added
// keep their places.
class DesignLayout : public QLayout {
public:
    // Fractions of the extra width (left, right) or height (top, bottom)
    // by which each edge moves.
    struct Share {
        double left = 0;
        double top = 0;
        double right = 0;
        double bottom = 0;
    };

    // designed: the parent's size at which every control stands at its place.
    DesignLayout(QWidget* parent, const QSize& designed);
    ~DesignLayout() override;

    // The widget's geometry now is its designed one.
    void add(QWidget* widget, const Share& share);
    void setDesignedSize(const QSize& designed);

    void addItem(QLayoutItem* item) override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    int count() const override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect& rect) override;

private:
    struct Entry {
        QLayoutItem* item;
        QRect designed;
        Share share;
    };
    std::vector<Entry> entries_;
    QSize designed_;
};
