#pragma once

#include "catalogue/FontMap.h"

#include <QWidget>

class FormDesign;
class QCheckBox;
class QLabel;
class QTableWidget;

// The Font Map page: codes 32 to 255 of the current family and the current
// character enlarged.
class FontMapPage : public QWidget {
    Q_OBJECT
public:
    FontMapPage(FontService& fonts, const FormDesign& design, const QFont& windowFont);

    // The grid's font and its cells in the code page, before any family is shown.
    void fillGrid();
    // Rows and columns share out the grid between them, to the pixel.
    void fitCells();
    void ShowFontMap(const QString& family);
    void grdFontMapClick();
    void chkGridBoldClick();
    void chkGridItalicClick();
    void setCurrCharPointSize(int points);

private:
    QLabel* lblGridHeading = nullptr;
    QTableWidget* grdFontMap = nullptr;
    QLabel* lblCurrChar = nullptr;
    QLabel* pnlCurrChar = nullptr;
    QCheckBox* chkGridBold = nullptr;
    QCheckBox* chkGridItalic = nullptr;

    void applyFontMapFont();

    FontMap fontMap_;
};
