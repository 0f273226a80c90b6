#pragma once

#include "catalogue/SelectedFontsPainter.h"

#include <QFont>
#include <QList>
#include <QTimer>
#include <QWidget>

#include <functional>

class FormDesign;
class PaintBox;
class QPainter;
class QScrollArea;
class QSpinBox;
struct Platform;

// The Show All Selected page: every selected family one under another.
class ShowAllPage : public QWidget {
    Q_OBJECT
public:
    // The page drawn is what source makes of the other pages at the moment of painting.
    ShowAllPage(Platform& platform, const FormDesign& design, const QFont& windowFont,
                std::function<SelectedFontsPainter::Page()> source);

    void pbxSelectedPaint(QPainter& painter);
    void spnSelectedChange(int value);
    // Draws the selected families that meet area; returns the page height.
    int PaintSelectedFonts(QPainter& painter, const QRect& area, int size);
    // What is drawn changed: shown again when next painted.
    void refresh();

    // Nineteen twentieths of the view: a page down keeps a line of the last.
    int pageStep() const;
    void scrollBy(int pixels);
    void scrollToTop();
    void scrollToEnd();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setShowAllHeight(int height);
    // Each font Qt loads costs it a search of every installed face, too slow
    // for a screenful at once among thousands. So the fonts a screen above and
    // below the view are loaded one at a time while the window is idle, and
    // kept, so that paging meets them ready.
    void warmAround(const SelectedFontsPainter::Page& page);
    void warmNext();

    QSpinBox* spnSelected = nullptr;
    QScrollArea* ScrollBox1 = nullptr;
    PaintBox* pbxSelected = nullptr;
    int pbxGap_ = 0;
    Platform& platform_;
    std::function<SelectedFontsPainter::Page()> source_;
    SelectedFontsPainter::Page warmPage_;
    QList<qsizetype> toWarm_;
    QList<QFont> warm_;
    qsizetype warmLimit_ = 0;
    QTimer warmTimer_;
};
