#include "app/PageControl.h"

#include <QStyle>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>

#include <algorithm>

namespace {

class FixedWidthTabBar : public QTabBar {
public:
    using QTabBar::QTabBar;

    int width_ = 113;

protected:
    // A caption longer than the fixed width widens its own tab rather than
    // being cut off.
    QSize tabSizeHint(int index) const override
    {
        const QSize natural = QTabBar::tabSizeHint(index);
        return {std::max(width_, natural.width()), natural.height()};
    }

public:
    int naturalWidth(int index) const { return QTabBar::tabSizeHint(index).width(); }
    QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }
};

}  // namespace

PageControl::PageControl(QWidget* parent) : QTabWidget(parent)
{
    auto* bar = new FixedWidthTabBar(this);
    bar->setExpanding(false);
    bar->setUsesScrollButtons(false);
    bar->setElideMode(Qt::ElideNone);
    bar->setAttribute(Qt::WA_Hover);
    setTabBar(bar);
    connect(this, &QTabWidget::currentChanged, this, [this](int index) {
        QWidget* left = shown_;
        shown_ = widget(index);
        if (quiet_)
            return;
        if (left)
            emit pageChanging(left);
        emit pageChanged(shown_);
    });
}

void PageControl::setTabWidth(int designed)
{
    auto* bar = static_cast<FixedWidthTabBar*>(tabBar());
    // The widest fixed width, up to the designed one, at which every tab fits.
    int width = designed;
    for (; width > 0; --width) {
        int total = 0;
        for (int i = 0; i < count(); ++i)
            total += std::max(width, bar->naturalWidth(i));
        if (total <= this->width())
            break;
    }
    bar->width_ = width;
    // Make the bar lay its tabs out again with the new width.
    tabBar()->setIconSize(tabBar()->iconSize());
    tabBar()->adjustSize();
    tabBar()->updateGeometry();
}

QSize PageControl::pageSize(const QSize& size) const
{
    QStyleOptionTabWidgetFrame option;
    initStyleOption(&option);
    option.rect = QRect(QPoint(), size);
    return style()->subElementRect(QStyle::SE_TabWidgetTabContents, &option, this).size();
}

void PageControl::setActivePageQuietly(QWidget* page)
{
    const bool wasQuiet = quiet_;
    quiet_ = true;
    setCurrentWidget(page);
    quiet_ = wasQuiet;
}
