#pragma once

#include <QWidget>

class FormDesign;
class PaintBox;
class QPainter;
class QScrollArea;
class QSpinBox;
class TfrmMain;
struct Platform;

// The Show All Selected page: every selected family one under another.
class ShowAllPage : public QWidget {
    Q_OBJECT
public:
    ShowAllPage(TfrmMain& frame, Platform& platform, const FormDesign& design,
                const QFont& windowFont);

    void pbxSelectedPaint(QPainter& painter);
    void spnSelectedChange(int value);
    // Draws the selected families that meet area; returns the page height.
    int PaintSelectedFonts(QPainter& painter, const QRect& area, int size);

    QSpinBox* spnSelected = nullptr;
    QScrollArea* ScrollBox1 = nullptr;
    PaintBox* pbxSelected = nullptr;

private:
    void setShowAllHeight(int height);

    TfrmMain& frame_;
    Platform& platform_;
};
