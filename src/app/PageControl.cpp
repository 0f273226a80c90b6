#include "app/PageControl.h"

#include <QTabBar>

namespace {

class FixedWidthTabBar : public QTabBar {
public:
    using QTabBar::QTabBar;

    int width_ = 113;

protected:
    QSize tabSizeHint(int index) const override
    {
        return {width_, QTabBar::tabSizeHint(index).height()};
    }
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

void PageControl::setTabWidth(int width)
{
    static_cast<FixedWidthTabBar*>(tabBar())->width_ = width;
    // Make the bar lay its tabs out again with the new width.
    tabBar()->setIconSize(tabBar()->iconSize());
    tabBar()->adjustSize();
    tabBar()->updateGeometry();
}

void PageControl::setActivePageQuietly(QWidget* page)
{
    const bool wasQuiet = quiet_;
    quiet_ = true;
    setCurrentWidget(page);
    quiet_ = wasQuiet;
}
