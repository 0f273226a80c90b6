#include "app/DesignLayout.h"

#include <QWidget>

#include <algorithm>

DesignLayout::DesignLayout(QWidget* parent, const QSize& designed)
    : QLayout(parent), designed_(designed)
{
    setContentsMargins(0, 0, 0, 0);
    // The designed places count from the corner of a framed panel, not from
    // inside its frame.
    parent->setAttribute(Qt::WA_LayoutOnEntireRect);
}

DesignLayout::~DesignLayout()
{
    for (const Entry& entry : entries_)
        delete entry.item;
}

void DesignLayout::add(QWidget* widget, const Share& share)
{
    const QRect designed = widget->geometry();
    addChildWidget(widget);
    entries_.push_back({new QWidgetItem(widget), designed, share});
    invalidate();
}

void DesignLayout::setDesignedSize(const QSize& designed)
{
    designed_ = designed;
    invalidate();
}

void DesignLayout::addItem(QLayoutItem* item)
{
    entries_.push_back({item, item->geometry(), {}});
}

QLayoutItem* DesignLayout::itemAt(int index) const
{
    return index >= 0 && size_t(index) < entries_.size() ? entries_[size_t(index)].item : nullptr;
}

QLayoutItem* DesignLayout::takeAt(int index)
{
    if (index < 0 || size_t(index) >= entries_.size())
        return nullptr;
    QLayoutItem* item = entries_[size_t(index)].item;
    entries_.erase(entries_.begin() + index);
    return item;
}

int DesignLayout::count() const { return int(entries_.size()); }

QSize DesignLayout::sizeHint() const { return designed_; }

QSize DesignLayout::minimumSize() const { return designed_; }

void DesignLayout::setGeometry(const QRect& rect)
{
    QLayout::setGeometry(rect);
    const double extraWidth = std::max(0, rect.width() - designed_.width());
    const double extraHeight = std::max(0, rect.height() - designed_.height());
    for (const Entry& entry : entries_) {
        const QRect& d = entry.designed;
        const Share& s = entry.share;
        const int left = d.left() + qRound(s.left * extraWidth);
        const int top = d.top() + qRound(s.top * extraHeight);
        const int right = d.x() + d.width() + qRound(s.right * extraWidth);
        const int bottom = d.y() + d.height() + qRound(s.bottom * extraHeight);
        // The widget itself, not its item: a size hint or policy must not
        // move it off its designed rectangle.
        if (QWidget* widget = entry.item->widget())
            widget->setGeometry(rect.x() + left, rect.y() + top, right - left, bottom - top);
        else
            entry.item->setGeometry(QRect(rect.x() + left, rect.y() + top, right - left, bottom - top));
    }
}
