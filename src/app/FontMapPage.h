#pragma once

#include "catalogue/CharacterCoverage.h"
#include "catalogue/FontMap.h"

#include <QSize>
#include <QWidget>

class FormDesign;
class SpecimenSettings;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;

// The Font Map page: codes 32 to 255 of the current family, or one Unicode
// block of it, and the current character enlarged.
class FontMapPage : public QWidget {
    Q_OBJECT
public:
    FontMapPage(FontService& fonts, const UnicodeBlockNames& blockNames,
                const SpecimenSettings& specimens, const FormDesign& design, const QFont& windowFont);

    // The grid's font and its cells in the code page, before any family is shown.
    void fillGrid();
    // Rows and columns share out the grid between them, to the pixel.
    void fitCells();
    void ShowFontMap(const QString& family);
    void grdFontMapClick();
    void chkGridBoldClick();
    void chkGridItalicClick();
    void setCurrCharPointSize(int points);
    // The code page's map at index 0, then the family's blocks.
    void cboCharBlockChange(int index);
    void txtFindCharFind();
    void copyCurrentCharacter();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* lblGridHeading = nullptr;
    QTableWidget* grdFontMap = nullptr;
    QLabel* lblCurrChar = nullptr;
    QLabel* pnlCurrChar = nullptr;
    QCheckBox* chkGridBold = nullptr;
    QCheckBox* chkGridItalic = nullptr;
    QComboBox* cboCharBlock = nullptr;
    QLineEdit* txtFindChar = nullptr;
    QLabel* lblFindChar = nullptr;

    void applyFontMapFont();
    void fillCodePage();
    void showCodePage();
    // Shows blocks()[block] with code as the current cell.
    void showBlock(int block, char32_t code);
    char32_t blockCode(int row, int column) const;
    // The grid's and the current character's glyphs at their sizes, grown by
    // as much as their boxes have grown beyond the design.
    void sizeGlyphs();

    QSize designedGrid_;
    QSize designedChar_;
    QFont gridModel_;      // the sizes at the designed boxes
    QFont currCharModel_;

    FontService& fonts_;
    const UnicodeBlockNames& blockNames_;
    FontMap fontMap_;
    CharacterCoverage coverage_;
    int block_ = -1;  // in coverage_.blocks(); -1 for the code page
    // Where the code page's current cell was when a block replaced it.
    int codePageRow_ = 0;
    int codePageColumn_ = 0;
};
