#include "app/ShowAllPage.h"

#include "app/DesignLayout.h"
#include "app/FormDesign.h"
#include "app/PaintBox.h"
#include "catalogue/SelectedFontsPainter.h"
#include "platform/Platform.h"
#include "platform/ScreenMetrics.h"

#include <QFontMetrics>
#include <QEvent>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>

#include <algorithm>
#include <utility>

ShowAllPage::ShowAllPage(Platform& platform, const FormDesign& design, const QFont& windowFont,
                         std::function<SelectedFontsPainter::Page()> source)
    : platform_(platform), source_(std::move(source))
{
    setObjectName(QStringLiteral("tabShowAll"));
    const FormDesign& d = design;
    d.label(this, QStringLiteral("Label4"), QStringLiteral("Selected Fonts"), 8, 8, 300, 20)
        ->setFont(d.headingFont(windowFont));
    QLabel* sizeLabel =
        d.label(this, QStringLiteral("Label3"), QStringLiteral("Point Size"), 482, 11, 64, 16);
    spnSelected = d.spinBox(this, QStringLiteral("spnSelected"), 4, 60, 12, 550, 8);
    sizeLabel->setBuddy(spnSelected);

    QFrame* panel = d.sunkenPanel(this, QStringLiteral("Panel4"), 2, 36, 681, 404, true);
    ScrollBox1 = new QScrollArea(panel);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setFrameShape(QFrame::NoFrame);
    ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ScrollBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ScrollBox1->setWidgetResizable(false);
    // Scrolling by key is the window's paging alone.
    ScrollBox1->setFocusPolicy(Qt::NoFocus);
    makeWhite(ScrollBox1->viewport());
    d.place(ScrollBox1, 2, 2, 677, 400);
    pbxSelected = new PaintBox;
    pbxSelected->setObjectName(QStringLiteral("pbxSelected"));
    pbxSelected->resize(d.px(602), d.px(4875));
    ScrollBox1->setWidget(pbxSelected);
    // The painted page widens with the view, keeping the designed gap beside it.
    pbxGap_ = ScrollBox1->width() - pbxSelected->width();
    ScrollBox1->installEventFilter(this);
    (new DesignLayout(panel, panel->size()))->add(ScrollBox1, {0, 0, 1, 1});
    auto* layout = new DesignLayout(this, {});
    for (QWidget* right : std::initializer_list<QWidget*>{sizeLabel, spnSelected})
        layout->add(right, {1, 0, 1, 0});
    layout->add(panel, {0, 0, 1, 1});

    connect(pbxSelected, &PaintBox::paint, this, &ShowAllPage::pbxSelectedPaint);
    connect(spnSelected, &QSpinBox::valueChanged, this, &ShowAllPage::spnSelectedChange);
    connect(&warmTimer_, &QTimer::timeout, this, &ShowAllPage::warmNext);
}

int ShowAllPage::PaintSelectedFonts(QPainter& painter, const QRect& area, int size)
{
    SelectedFontsPainter::Page page = source_();
    page.pointSize = size;
    page.dpi = platform_.screen.logicalDpiY();
    const int height = SelectedFontsPainter(platform_.fonts).paint(painter, area, page);
    warmAround(page);
    return height;
}

void ShowAllPage::warmAround(const SelectedFontsPainter::Page& page)
{
    const int screen = ScrollBox1->viewport()->height();
    const QRect view(0, ScrollBox1->verticalScrollBar()->value(), pbxSelected->width(), screen);
    const auto [first, last] = SelectedFontsPainter::entriesFor(view, page);
    const qsizetype above = SelectedFontsPainter::entriesFor(view.translated(0, -screen), page).first;
    const qsizetype below = SelectedFontsPainter::entriesFor(view.translated(0, screen), page).second;
    warmPage_ = page;
    toWarm_.clear();
    // Nearest first, and down before up: paging goes down more often.
    for (qsizetype i = last + 1; i <= below; ++i)
        toWarm_.append(i);
    for (qsizetype i = first - 1; i >= above; --i)
        toWarm_.append(i);
    warmLimit_ = 2 * (below - above + 1);
    if (!toWarm_.isEmpty())
        warmTimer_.start();
}

void ShowAllPage::warmNext()
{
    if (toWarm_.isEmpty()) {
        warmTimer_.stop();
        return;
    }
    const qsizetype i = toWarm_.takeFirst();
    const SelectedFontsPainter painter(platform_.fonts);
    // Outlines are kept by the service: drawing them here would add nothing.
    if (painter.outlinedSample(warmPage_, warmPage_.families.at(i)))
        return;
    const QFont font = painter.sampleFont(warmPage_, warmPage_.families.at(i));
    // Drawn once off screen, so that its glyphs are rendered and cached too.
    QImage scratch(1, 1, QImage::Format_ARGB32_Premultiplied);
    QPainter drawn(&scratch);
    drawn.setFont(font);
    drawn.drawText(0, QFontMetrics(font).ascent(), warmPage_.sampleText);
    warm_.append(font);
    while (warm_.size() > warmLimit_)
        warm_.removeFirst();
}

void ShowAllPage::showEvent(QShowEvent* event)
{
    // Sized before it is painted: a resize inside a paint would paint again.
    const int size = spnSelected->value();
    if (inRange(size, spnSelected))
        setShowAllHeight(SelectedFontsPainter::height(platform_.screen.logicalDpiY(), size,
                                                      source_().families.size())
                         + 1);
    QWidget::showEvent(event);
}

bool ShowAllPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ScrollBox1 && event->type() == QEvent::Resize)
        pbxSelected->resize(ScrollBox1->width() - pbxGap_, pbxSelected->height());
    return QWidget::eventFilter(watched, event);
}

void ShowAllPage::hideEvent(QHideEvent* event)
{
    warmTimer_.stop();
    toWarm_.clear();
    warm_.clear();
    QWidget::hideEvent(event);
}

// The scroll box scrolls over the height of its content: the paint box takes
// the scroll range as its height, and below the page it stays blank.
void ShowAllPage::setShowAllHeight(int height)
{
    if (pbxSelected->height() != height)
        pbxSelected->resize(pbxSelected->width(), height);
}

void ShowAllPage::pbxSelectedPaint(QPainter& painter)
{
    const int size = spnSelected->value();
    if (!inRange(size, spnSelected))
        return;
    const QRect area =
        painter.hasClipping() ? painter.clipBoundingRect().toAlignedRect() : pbxSelected->rect();
    PaintSelectedFonts(painter, area, size);
}

void ShowAllPage::spnSelectedChange(int value)
{
    if (!inRange(value, spnSelected))
        return;
    pbxSelected->repaint();
    const int height = SelectedFontsPainter::height(platform_.screen.logicalDpiY(), value,
                                                    source_().families.size());
    setShowAllHeight(int(height * 1.01));
}

void ShowAllPage::refresh() { pbxSelected->update(); }

int ShowAllPage::pageStep() const { return int(0.95 * ScrollBox1->maximumViewportSize().height()); }

void ShowAllPage::scrollBy(int pixels)
{
    QScrollBar* bar = ScrollBox1->verticalScrollBar();
    bar->setValue(std::clamp(bar->value() + pixels, 0, bar->maximum()));
}

void ShowAllPage::scrollToTop() { ScrollBox1->verticalScrollBar()->setValue(0); }

void ShowAllPage::scrollToEnd()
{
    QScrollBar* bar = ScrollBox1->verticalScrollBar();
    bar->setValue(bar->maximum());
}
