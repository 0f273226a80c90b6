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
typedef struct _FcConfig FcConfig;

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

// Qt matches every font engine it makes against the whole fontconfig
// configuration, only to read how to rasterise its glyphs (hinting,
// antialiasing, subpixel order): a scan of every installed face for each
// family printed. A page uses none of it, its fonts embedded as unhinted
// outlines. So a run's engines are made in a configuration of one face and no
// rules, where the match costs the same at any size of collection. The face
// is the desktop's default one, as fontconfig gives it.
class PrinterFontMatch {
public:
    PrinterFontMatch() = default;
    ~PrinterFontMatch();
    PrinterFontMatch(const PrinterFontMatch&) = delete;
    PrinterFontMatch& operator=(const PrinterFontMatch&) = delete;

    // The ascent of font on device, its engine made in the narrow configuration.
    qreal ascent(const QFont& font, const QPaintDevice& device);
    // The next run makes its configuration anew, from the fonts of its day.
    void clear();

private:
    FcConfig* narrow_ = nullptr;  // none when the default face would not load
    bool made_ = false;
};

// One page's drawing, measured against the printer it will go to and kept
// until the document ends: then it is replayed onto the printer, or dropped
// when the document is aborted.
class PrinterCanvas : public Canvas {
public:
    // device measures text as the printer will set it; dpiY sizes the fonts.
    PrinterCanvas(FontService& fonts, const QPaintDevice& device, int dpiY,
                  RecentPrinterFonts& recent, PrinterFontMatch& match);

    void setFont(const Specimen& specimen) override;
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
    PrinterFontMatch& match_;
    int dpiY_;
    QFont font_;
    bool symbol_ = false;
    std::optional<qreal> ascent_;
    int penWidth_ = 1;
    std::vector<Op> ops_;
};
