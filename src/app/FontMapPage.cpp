#include "app/FontMapPage.h"

#include "app/FormDesign.h"
#include "platform/AnsiCodePage.h"

#include <QCheckBox>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>

namespace {

// Sizes of count sections that add up to total exactly.
void shareOut(QHeaderView* header, int count, int total)
{
    for (int i = 0; i < count; ++i)
        header->resizeSection(i, total * (i + 1) / count - total * i / count);
}

}  // namespace

FontMapPage::FontMapPage(FontService& fonts, const FormDesign& design, const QFont& windowFont)
    : fontMap_(fonts)
{
    setObjectName(QStringLiteral("tabFontMap"));
    const FormDesign& d = design;
    lblGridHeading = d.label(this, QStringLiteral("lblGridHeading"), QStringLiteral("Font Name"), 8,
                             8, 599, 20);
    lblGridHeading->setFont(d.headingFont(windowFont));

    QFrame* panel = d.sunkenPanel(this, QStringLiteral("Panel3"), 4, 36, 675, 213, true);
    grdFontMap = new QTableWidget(FontMap::Rows, FontMap::Columns, panel);
    grdFontMap->setObjectName(QStringLiteral("grdFontMap"));
    grdFontMap->setFrameShape(QFrame::NoFrame);
    grdFontMap->horizontalHeader()->hide();
    grdFontMap->verticalHeader()->hide();
    grdFontMap->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grdFontMap->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grdFontMap->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdFontMap->setSelectionMode(QAbstractItemView::SingleSelection);
    grdFontMap->setTabKeyNavigation(false);
    // A section includes its grid line: 20 pixels of cell and one of line.
    grdFontMap->horizontalHeader()->setMinimumSectionSize(1);
    grdFontMap->verticalHeader()->setMinimumSectionSize(1);
    grdFontMap->horizontalHeader()->setDefaultSectionSize(d.px(21));
    grdFontMap->verticalHeader()->setDefaultSectionSize(d.px(30));
    d.place(grdFontMap, 2, 2, 671, 209);

    lblCurrChar = d.label(this, QStringLiteral("lblCurrChar"),
                          QStringLiteral("Current Character: 00 0"), 8, 262, 200, 16);
    pnlCurrChar = new QLabel(QStringLiteral("A"), this);
    pnlCurrChar->setObjectName(QStringLiteral("pnlCurrChar"));
    pnlCurrChar->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pnlCurrChar->setAlignment(Qt::AlignCenter);
    makeWhite(pnlCurrChar);
    QFont charFont = windowFont;
    charFont.setPixelSize(d.px(41));
    pnlCurrChar->setFont(charFont);
    d.place(pnlCurrChar, 230, 256, 75, 67);
    chkGridBold = d.checkBox(this, QStringLiteral("chkGridBold"), QStringLiteral("Bold"), 330, 262, 70);
    chkGridItalic =
        d.checkBox(this, QStringLiteral("chkGridItalic"), QStringLiteral("Italic"), 330, 286, 70);

    connect(grdFontMap, &QTableWidget::currentCellChanged, this, &FontMapPage::grdFontMapClick);
    connect(grdFontMap, &QTableWidget::cellClicked, this, &FontMapPage::grdFontMapClick);
    connect(chkGridBold, &QCheckBox::toggled, this, &FontMapPage::chkGridBoldClick);
    connect(chkGridItalic, &QCheckBox::toggled, this, &FontMapPage::chkGridItalicClick);
    // Characters such as "<" and "&" show as they are.
    lblCurrChar->setTextFormat(Qt::PlainText);
    pnlCurrChar->setTextFormat(Qt::PlainText);
}

void FontMapPage::fillGrid()
{
    QFont gridFont = grdFontMap->font();
    gridFont.setPointSize(12);
    gridFont.setBold(false);
    gridFont.setItalic(false);
    grdFontMap->setFont(gridFont);
    for (int row = 0; row < FontMap::Rows; ++row) {
        for (int column = 0; column < FontMap::Columns; ++column) {
            auto* cell = new QTableWidgetItem(QString(ansiChar(FontMap::codeAt(row, column))));
            cell->setTextAlignment(Qt::AlignCenter);
            grdFontMap->setItem(row, column, cell);
        }
    }
}

void FontMapPage::fitCells()
{
    const QSize area = grdFontMap->maximumViewportSize();
    shareOut(grdFontMap->horizontalHeader(), FontMap::Columns, area.width());
    shareOut(grdFontMap->verticalHeader(), FontMap::Rows, area.height());
}

void FontMapPage::applyFontMapFont()
{
    const QFont font = fontMap_.font();
    grdFontMap->setFont(sizedLike(font, grdFontMap->font()));
    pnlCurrChar->setFont(sizedLike(font, pnlCurrChar->font()));
}

void FontMapPage::ShowFontMap(const QString& family)
{
    lblGridHeading->setText(family);
    chkGridBold->setChecked(false);
    chkGridItalic->setChecked(false);
    fontMap_.setFamily(family);
    applyFontMapFont();
    for (int row = 0; row < FontMap::Rows; ++row) {
        for (int column = 0; column < FontMap::Columns; ++column)
            grdFontMap->item(row, column)->setText(fontMap_.glyph(FontMap::codeAt(row, column)));
    }
    grdFontMap->setCurrentCell(grdFontMap->currentRow(), 1);
    grdFontMap->setCurrentCell(1, 1);
    // When "A" was current already nothing fired, and the panel may still
    // hold the glyph of another family's encoding.
    grdFontMapClick();
}

void FontMapPage::grdFontMapClick()
{
    const int row = grdFontMap->currentRow();
    const int column = grdFontMap->currentColumn();
    if (row < 0 || column < 0)
        return;
    const int code = FontMap::codeAt(row, column);
    pnlCurrChar->setText(fontMap_.glyph(code));
    lblCurrChar->setText(FontMap::currentCharacterText(code));
}

void FontMapPage::chkGridBoldClick()
{
    fontMap_.setBold(chkGridBold->isChecked());
    applyFontMapFont();
}

void FontMapPage::chkGridItalicClick()
{
    fontMap_.setItalic(chkGridItalic->isChecked());
    applyFontMapFont();
}

void FontMapPage::setCurrCharPointSize(int points)
{
    QFont charFont = pnlCurrChar->font();
    charFont.setPointSize(points);
    pnlCurrChar->setFont(charFont);
}
