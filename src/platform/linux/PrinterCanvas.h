#pragma once

#include "platform/Canvas.h"

#include <QFont>
#include <QLine>
#include <QPointF>
#include <QRect>
#include <QSet>
#include <QString>

#include <deque>
#include <optional>
#include <vector>

class FontService;
class QPaintDevice;
class QPainter;

// The last few fonts a run's pages were given, kept for the run: a heading
// font every page sets would otherwise leave Qt's font cache between pages
// and be loaded again, page after page.
class RecentPrinterFonts {
public:
    void keep(const QFont& font);
    void clear();

private:
    std::deque<QFont> fonts_;  // newest first
};

// One page's drawing, measured against the printer it will go to and kept
// until the document ends: then it is replayed onto the printer, or dropped
// when the document is aborted.
class PrinterCanvas : public Canvas {
public:
    // device measures text as the printer will set it; dpiY sizes the fonts.
    PrinterCanvas(FontService& fonts, const QPaintDevice& device, int dpiY,
                  RecentPrinterFonts& recent);

    void setFont(const QString& family, double pointSize, bool bold, bool italic) override;
    bool symbolFont() override;
    void textOut(int x, int y, const QString& text) override;
    int textWidth(const QString& text) override;
    int drawText(const QRect& rect, const QString& text, bool wordWrap) override;
    void setPenWidth(int width) override;
    void line(int x1, int y1, int x2, int y2) override;

    void replay(QPainter& painter) const;
    // Adds the faces the page's text is set in, one key for each family and style.
    void addFaces(QSet<QString>& faces) const;

private:
    struct Op {
        enum Kind { Text, Block, Line } kind;
        QFont font;
        QPointF baseline;  // Text
        QRect rect;        // Block
        int flags = 0;     // Block
        QString text;
        QLine line;  // Line
        int penWidth = 0;
    };

    FontService& fonts_;
    const QPaintDevice& device_;
    RecentPrinterFonts& recent_;
    int dpiY_;
    QFont font_;
    bool symbol_ = false;
    std::optional<qreal> ascent_;
    int penWidth_ = 1;
    std::vector<Op> ops_;
};
