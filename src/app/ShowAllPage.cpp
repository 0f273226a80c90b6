#include "app/ShowAllPage.h"

#include "app/FormDesign.h"
#include "app/PaintBox.h"
#include "app/TfrmMain.h"
#include "catalogue/SelectedFontsPainter.h"
#include "platform/Platform.h"
#include "platform/ScreenMetrics.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QScrollArea>
#include <QSpinBox>

ShowAllPage::ShowAllPage(TfrmMain& frame, Platform& platform, const FormDesign& design,
                         const QFont& windowFont)
    : frame_(frame), platform_(platform)
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

    connect(pbxSelected, &PaintBox::paint, this, &ShowAllPage::pbxSelectedPaint);
    connect(spnSelected, &QSpinBox::valueChanged, this, &ShowAllPage::spnSelectedChange);
}

int ShowAllPage::PaintSelectedFonts(QPainter& painter, const QRect& area, int size)
{
    SelectedFontsPainter::Page page = frame_.selectedFontsPage();
    page.pointSize = size;
    page.dpi = platform_.screen.logicalDpiY();
    return SelectedFontsPainter(platform_.fonts).paint(painter, area, page);
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
    setShowAllHeight(PaintSelectedFonts(painter, area, size) + 1);
}

void ShowAllPage::spnSelectedChange(int value)
{
    if (!inRange(value, spnSelected))
        return;
    pbxSelected->repaint();
    const int height = SelectedFontsPainter::height(platform_.screen.logicalDpiY(), value,
                                                    frame_.selectedFontsPage().families.size());
    setShowAllHeight(int(height * 1.01));
}
