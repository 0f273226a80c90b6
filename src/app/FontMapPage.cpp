#include "app/FontMapPage.h"

#include "app/DesignLayout.h"
#include "app/FormDesign.h"
#include "catalogue/SpecimenSettings.h"
#include "platform/AnsiCodePage.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QEvent>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTableWidget>

namespace {

// By how much a box is larger than designed in both directions: glyphs keep
// their margins in their cells at any size, and their designed size at it.
double growth(const QSize& now, const QSize& designed)
{
    if (designed.isEmpty())
        return 1;
    return std::max(1.0, std::min(double(now.width()) / designed.width(),
                                  double(now.height()) / designed.height()));
}

QFont scaledBy(QFont font, double factor)
{
    if (font.pixelSize() > 0)
        font.setPixelSize(qRound(font.pixelSize() * factor));
    else
        font.setPointSizeF(font.pointSizeF() * factor);
    return font;
}

// Sizes of count sections that add up to total exactly.
void shareOut(QHeaderView* header, int count, int total)
{
    for (int i = 0; i < count; ++i)
        header->resizeSection(i, total * (i + 1) / count - total * i / count);
}

QString codePageTitle()
{
    return QStringLiteral("Windows-1252 (32\u2013255)");
}

}  // namespace

FontMapPage::FontMapPage(FontService& fonts, const UnicodeBlockNames& blockNames,
                         const SpecimenSettings& specimens, const FormDesign& design,
                         const QFont& windowFont)
    : fonts_(fonts), blockNames_(blockNames), fontMap_(fonts)
{
    fontMap_.setVariations(specimens.variations());
    connect(&specimens, &SpecimenSettings::changed, this, [this, &specimens] {
        fontMap_.setVariations(specimens.variations());
        applyFontMapFont();
    });
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
    designedGrid_ = grdFontMap->size();

    // Tall enough for a character's Unicode name on lines of its own.
    lblCurrChar = d.label(this, QStringLiteral("lblCurrChar"),
                          QStringLiteral("Current Character: 00 0"), 8, 262, 200, 64);
    lblCurrChar->setWordWrap(true);
    lblCurrChar->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    pnlCurrChar = new QLabel(QStringLiteral("A"), this);
    pnlCurrChar->setObjectName(QStringLiteral("pnlCurrChar"));
    pnlCurrChar->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pnlCurrChar->setAlignment(Qt::AlignCenter);
    makeWhite(pnlCurrChar);
    QFont charFont = windowFont;
    charFont.setPixelSize(d.px(41));
    pnlCurrChar->setFont(charFont);
    currCharModel_ = charFont;
    d.place(pnlCurrChar, 230, 256, 75, 67);
    designedChar_ = pnlCurrChar->size();
    chkGridBold = d.checkBox(this, QStringLiteral("chkGridBold"), QStringLiteral("Bold"), 330, 262, 70);
    chkGridItalic =
        d.checkBox(this, QStringLiteral("chkGridItalic"), QStringLiteral("Italic"), 330, 286, 70);

    // Beside the design's controls, which keep their places.
    cboCharBlock = new QComboBox(this);
    cboCharBlock->setObjectName(QStringLiteral("cboCharBlock"));
    cboCharBlock->addItem(codePageTitle());
    d.place(cboCharBlock, 410, 258, 266, 22);
    txtFindChar = new QLineEdit(this);
    txtFindChar->setObjectName(QStringLiteral("txtFindChar"));
    txtFindChar->setPlaceholderText(QStringLiteral("Find: a character, U+0416 or a name"));
    d.place(txtFindChar, 410, 286, 266, 22);
    lblFindChar = d.label(this, QStringLiteral("lblFindChar"), QString(), 410, 312, 266, 16);
    connect(cboCharBlock, &QComboBox::currentIndexChanged, this, &FontMapPage::cboCharBlockChange);
    connect(txtFindChar, &QLineEdit::returnPressed, this, &FontMapPage::txtFindCharFind);
    // Ctrl+C copies the current cell's text as every item view does.
    connect(grdFontMap, &QTableWidget::cellDoubleClicked, this, &FontMapPage::copyCurrentCharacter);

    connect(grdFontMap, &QTableWidget::currentCellChanged, this, &FontMapPage::grdFontMapClick);
    connect(grdFontMap, &QTableWidget::cellClicked, this, &FontMapPage::grdFontMapClick);
    connect(chkGridBold, &QCheckBox::toggled, this, &FontMapPage::chkGridBoldClick);
    connect(chkGridItalic, &QCheckBox::toggled, this, &FontMapPage::chkGridItalicClick);
    (new DesignLayout(panel, panel->size()))->add(grdFontMap, {0, 0, 1, 1});
    grdFontMap->installEventFilter(this);
    pnlCurrChar->installEventFilter(this);
    // The grid takes most of the extra height, the current character the
    // rest, and a share of the width that moves the controls beside it.
    constexpr double Grid = 0.8;
    constexpr double CharWidth = 0.2;
    auto* layout = new DesignLayout(this, {});
    layout->add(lblGridHeading, {0, 0, 1, 0});
    layout->add(panel, {0, 0, 1, Grid});
    layout->add(lblCurrChar, {0, Grid, 0, Grid});
    layout->add(pnlCurrChar, {0, Grid, CharWidth, 1});
    for (QWidget* beside : std::initializer_list<QWidget*>{chkGridBold, chkGridItalic})
        layout->add(beside, {CharWidth, Grid, CharWidth, Grid});
    for (QWidget* beside : std::initializer_list<QWidget*>{cboCharBlock, txtFindChar, lblFindChar})
        layout->add(beside, {CharWidth, Grid, 1, Grid});

    // Characters such as "<" and "&" show as they are.
    pnlCurrChar->setTextFormat(Qt::PlainText);
}

bool FontMapPage::eventFilter(QObject* watched, QEvent* event)
{
    // The cells grow and shrink with the window.
    if (watched == grdFontMap && event->type() == QEvent::Resize)
        fitCells();
    else if (watched == pnlCurrChar && event->type() == QEvent::Resize)
        sizeGlyphs();
    return QWidget::eventFilter(watched, event);
}

void FontMapPage::fillGrid()
{
    gridModel_ = grdFontMap->font();
    gridModel_.setPointSize(12);
    gridModel_.setBold(false);
    gridModel_.setItalic(false);
    grdFontMap->setFont(gridModel_);
    sizeGlyphs();
    for (int row = 0; row < FontMap::Rows; ++row) {
        for (int column = 0; column < FontMap::Columns; ++column) {
            auto* cell = new QTableWidgetItem(QString(ansiChar(FontMap::codeAt(row, column))));
            cell->setTextAlignment(Qt::AlignCenter);
            grdFontMap->setItem(row, column, cell);
        }
    }
}

void FontMapPage::fillCodePage()
{
    for (int row = 0; row < FontMap::Rows; ++row) {
        for (int column = 0; column < FontMap::Columns; ++column) {
            QTableWidgetItem* cell = grdFontMap->item(row, column);
            if (!cell) {
                cell = new QTableWidgetItem;
                cell->setTextAlignment(Qt::AlignCenter);
                grdFontMap->setItem(row, column, cell);
            }
            cell->setText(fontMap_.glyph(FontMap::codeAt(row, column)));
        }
    }
}

void FontMapPage::fitCells()
{
    const QSize area = grdFontMap->maximumViewportSize();
    sizeGlyphs();
    if (block_ < 0) {
        shareOut(grdFontMap->horizontalHeader(), FontMap::Columns, area.width());
        shareOut(grdFontMap->verticalHeader(), FontMap::Rows, area.height());
        return;
    }
    // A block's rows are as high as the code page's; the scroll bar, when
    // there is one, takes its width from the columns.
    const bool scrolls = grdFontMap->rowCount() > FontMap::Rows;
    const int width = area.width() - (scrolls ? grdFontMap->verticalScrollBar()->sizeHint().width() : 0);
    shareOut(grdFontMap->horizontalHeader(), FontMap::Columns, width);
    // Resizes every row in one pass.
    grdFontMap->verticalHeader()->setDefaultSectionSize(area.height() / FontMap::Rows);
}

void FontMapPage::applyFontMapFont()
{
    const QFont font = fontMap_.font();
    grdFontMap->setFont(sizedLike(font, grdFontMap->font()));
    pnlCurrChar->setFont(sizedLike(font, pnlCurrChar->font()));
}

void FontMapPage::sizeGlyphs()
{
    // Before fillGrid the grid has no designed font to grow from.
    if (gridModel_.pointSizeF() > 0)
        grdFontMap->setFont(
            sizedLike(grdFontMap->font(),
                      scaledBy(gridModel_, growth(grdFontMap->size(), designedGrid_))));
    pnlCurrChar->setFont(
        sizedLike(pnlCurrChar->font(), scaledBy(currCharModel_, growth(pnlCurrChar->size(), designedChar_))));
}

void FontMapPage::ShowFontMap(const QString& family)
{
    lblGridHeading->setText(family);
    chkGridBold->setChecked(false);
    chkGridItalic->setChecked(false);
    fontMap_.setFamily(family);
    applyFontMapFont();
    coverage_ = CharacterCoverage(fonts_.characterCoverage(family), blockNames_);
    {
        const QSignalBlocker blocker(cboCharBlock);
        cboCharBlock->clear();
        cboCharBlock->addItem(codePageTitle());
        for (const CharacterBlock& block : coverage_.blocks())
            cboCharBlock->addItem(block.title());
    }
    lblFindChar->clear();
    showCodePage();
    grdFontMap->setCurrentCell(grdFontMap->currentRow(), 1);
    grdFontMap->setCurrentCell(1, 1);
    // When "A" was current already nothing fired, and the panel may still
    // hold the glyph of another family's encoding.
    grdFontMapClick();
}

void FontMapPage::showCodePage()
{
    if (block_ >= 0) {
        const QSignalBlocker blocker(grdFontMap);
        block_ = -1;
        grdFontMap->clearContents();
        grdFontMap->setRowCount(FontMap::Rows);
        grdFontMap->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        fitCells();
        grdFontMap->setCurrentCell(codePageRow_, codePageColumn_);
    }
    fillCodePage();
}

void FontMapPage::showBlock(int block, char32_t code)
{
    const CharacterBlock& shown = coverage_.blocks().at(block);
    if (block != block_) {
        const QSignalBlocker blocker(grdFontMap);
        if (block_ < 0) {
            codePageRow_ = grdFontMap->currentRow();
            codePageColumn_ = grdFontMap->currentColumn();
        }
        block_ = block;
        grdFontMap->clearContents();
        grdFontMap->setRowCount(0);
        const int rows = (shown.size() + FontMap::Columns - 1) / FontMap::Columns;
        grdFontMap->setRowCount(rows);
        grdFontMap->setVerticalScrollBarPolicy(rows > FontMap::Rows ? Qt::ScrollBarAlwaysOn
                                                                    : Qt::ScrollBarAlwaysOff);
        fitCells();
        // Cells the family lacks stay empty: no other family's glyph fills them.
        for (char32_t c = shown.first; c <= shown.last; ++c) {
            if (!coverage_.has(c))
                continue;
            auto* cell = new QTableWidgetItem(QString::fromUcs4(&c, 1));
            cell->setTextAlignment(Qt::AlignCenter);
            const int offset = int(c - shown.first);
            grdFontMap->setItem(offset / FontMap::Columns, offset % FontMap::Columns, cell);
        }
        grdFontMap->setCurrentCell(-1, -1);
    }
    const int offset = int(code - shown.first);
    grdFontMap->setCurrentCell(offset / FontMap::Columns, offset % FontMap::Columns);
    grdFontMap->scrollTo(grdFontMap->currentIndex());
    const QSignalBlocker blocker(cboCharBlock);
    cboCharBlock->setCurrentIndex(block + 1);
}

char32_t FontMapPage::blockCode(int row, int column) const
{
    return coverage_.blocks().at(block_).first + char32_t(row * FontMap::Columns + column);
}

void FontMapPage::grdFontMapClick()
{
    const int row = grdFontMap->currentRow();
    const int column = grdFontMap->currentColumn();
    if (row < 0 || column < 0)
        return;
    if (block_ >= 0) {
        const char32_t code = blockCode(row, column);
        const bool inBlock = code <= coverage_.blocks().at(block_).last;
        const QTableWidgetItem* cell = grdFontMap->item(row, column);
        pnlCurrChar->setText(cell ? cell->text() : QString());
        lblCurrChar->setText(inBlock ? coverage_.currentCharacterText(code)
                                     : QStringLiteral("Current Character:"));
        return;
    }
    const int code = FontMap::codeAt(row, column);
    pnlCurrChar->setText(fontMap_.glyph(code));
    lblCurrChar->setText(FontMap::currentCharacterText(code));
}

void FontMapPage::cboCharBlockChange(int index)
{
    lblFindChar->clear();
    if (index <= 0) {
        showCodePage();
        grdFontMapClick();
        return;
    }
    const CharacterBlock& block = coverage_.blocks().at(index - 1);
    char32_t first = block.first;
    while (!coverage_.has(first))
        ++first;
    showBlock(index - 1, first);
}

void FontMapPage::txtFindCharFind()
{
    const CharacterCoverage::Found found = coverage_.find(txtFindChar->text());
    switch (found.result) {
    case CharacterCoverage::Found::Result::Found:
        lblFindChar->clear();
        showBlock(coverage_.blockOf(found.code), found.code);
        break;
    case CharacterCoverage::Found::Result::NotInFont:
        lblFindChar->setText(QStringLiteral("not in this font"));
        break;
    case CharacterCoverage::Found::Result::NoMatch:
        lblFindChar->setText(QStringLiteral("no such character"));
        break;
    }
}

void FontMapPage::copyCurrentCharacter()
{
    if (const QTableWidgetItem* cell = grdFontMap->currentItem(); cell && !cell->text().isEmpty())
        QGuiApplication::clipboard()->setText(cell->text());
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
    currCharModel_.setPointSize(points);
    sizeGlyphs();
}
