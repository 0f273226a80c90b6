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
    d.place(pnlCurrChar, 230, 256, 75, 67);
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
    auto* layout = new DesignLayout(this, {});
    layout->add(lblGridHeading, {0, 0, 1, 0});
    layout->add(panel, {0, 0, 1, 1});
    for (QWidget* below :
         std::initializer_list<QWidget*>{lblCurrChar, pnlCurrChar, chkGridBold, chkGridItalic})
        layout->add(below, {0, 1, 0, 1});
    for (QWidget* beside : std::initializer_list<QWidget*>{cboCharBlock, txtFindChar, lblFindChar})
        layout->add(beside, {0, 1, 1, 1});

    // Characters such as "<" and "&" show as they are.
    pnlCurrChar->setTextFormat(Qt::PlainText);
}

bool FontMapPage::eventFilter(QObject* watched, QEvent* event)
{
    // The cells grow and shrink with the window.
    if (watched == grdFontMap && event->type() == QEvent::Resize)
        fitCells();
    return QWidget::eventFilter(watched, event);
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
    QFont charFont = pnlCurrChar->font();
    charFont.setPointSize(points);
    pnlCurrChar->setFont(charFont);
}
