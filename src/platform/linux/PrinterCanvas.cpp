#include "platform/linux/PrinterCanvas.h"

#include "platform/FontService.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <QScopeGuard>

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr std::size_t recentFontCount = 8;

// A configuration of one face, the one fontconfig gives a request for nothing
// in particular; null when it does not load.
FcConfig* defaultFaceAlone()
{
    FcPattern* request = FcPatternCreate();
    FcConfigSubstitute(nullptr, request, FcMatchPattern);
    FcDefaultSubstitute(request);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, request, &result);
    FcPatternDestroy(request);
    if (!match)
        return nullptr;
    FcConfig* alone = nullptr;
    FcChar8* file = nullptr;
    if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) {
        alone = FcConfigCreate();
        FcConfigBuildFonts(alone);
        FcConfigAppFontAddFile(alone, file);
        const FcFontSet* faces = FcConfigGetFonts(alone, FcSetApplication);
        if (!faces || faces->nfont == 0) {
            FcConfigDestroy(alone);
            alone = nullptr;
        }
    }
    FcPatternDestroy(match);
    return alone;
}

}  // namespace

PrinterFontMatch::~PrinterFontMatch()
{
    clear();
}

qreal PrinterFontMatch::ascent(const QFont& font, const QPaintDevice& device)
{
    if (!made_) {
        narrow_ = defaultFaceAlone();
        made_ = true;
    }
    // Asking for its styles makes Qt read its list of fonts, as it does again
    // after one is loaded or unloaded: from the whole configuration. A family
    // it does not know would be looked for among fallbacks Qt keeps for good.
    if (!narrow_ || QFontDatabase::styles(font.family()).isEmpty())
        return QFontMetricsF(font, &device).ascent();
    FcConfig* whole = FcConfigReference(nullptr);
    FcConfigSetCurrent(narrow_);
    const auto restore = qScopeGuard([whole] {
        FcConfigSetCurrent(whole);
        FcConfigDestroy(whole);
    });
    return QFontMetricsF(font, &device).ascent();
}

void PrinterFontMatch::clear()
{
    if (narrow_)
        FcConfigDestroy(narrow_);
    narrow_ = nullptr;
    made_ = false;
}

void RecentPrinterFonts::keep(const QFont& font)
{
    const auto known = std::find(fonts_.begin(), fonts_.end(), font);
    if (known != fonts_.end())
        fonts_.erase(known);
    else if (fonts_.size() == recentFontCount)
        fonts_.pop_back();
    fonts_.push_front(font);
}

void RecentPrinterFonts::clear()
{
    fonts_.clear();
}

PrinterCanvas::PrinterCanvas(FontService& fonts, const QPaintDevice& device, int dpiY,
                             RecentPrinterFonts& recent, PrinterFontMatch& match)
    : fonts_(fonts)
    , device_(device)
    , recent_(recent)
    , match_(match)
    , dpiY_(dpiY)
{
}

void PrinterCanvas::setFont(const Specimen& specimen)
{
    font_ = fonts_.makeFont(specimen.sized(0));
    symbol_ = fonts_.symbolCharSet(specimen.face);
    font_.setPixelSize(
        std::max(1, static_cast<int>(std::lround(specimen.pointSize * dpiY_ / 72.0))));
    // Unhinted outlines: the widths measured here are the widths the page gets.
    font_.setHintingPreference(QFont::PreferNoHinting);
    font_.setKerning(false);
    // At the printer's resolution the font keeps the engine it measures with
    // for the drawing ops, which would otherwise load it again at replay.
    font_ = QFont(font_, &device_);
    ascent_ = match_.ascent(font_, device_);
    recent_.keep(font_);
}

void PrinterCanvas::textOut(int x, int y, const QString& text)
{
    if (text.isEmpty())
        return;
    // Measured when first needed: most pages set a font before any text.
    if (!ascent_)
        ascent_ = match_.ascent(font_, device_);
    ops_.push_back({Op::Text, font_, QPointF(x, y + *ascent_), {}, 0, text, {}, 0});
}

bool PrinterCanvas::symbolFont()
{
    return symbol_;
}

int PrinterCanvas::textWidth(const QString& text)
{
    return QFontMetrics(font_, &device_).horizontalAdvance(text);
}

int PrinterCanvas::drawText(const QRect& rect, const QString& text, bool wordWrap)
{
    // Qt lays out an empty text as one empty line; it takes no room here.
    if (text.isEmpty())
        return 0;
    const int flags = Qt::AlignLeft | Qt::AlignTop | (wordWrap ? Qt::TextWordWrap : 0);
    // A rectangle pushed past its bottom shows nothing; Qt would normalise it.
    if (!rect.isEmpty())
        ops_.push_back({Op::Block, font_, {}, rect, flags, text, {}, 0});
    return QFontMetrics(font_, &device_).boundingRect(rect, flags, text).height();
}

void PrinterCanvas::setPenWidth(int width)
{
    penWidth_ = width;
}

void PrinterCanvas::line(int x1, int y1, int x2, int y2)
{
    ops_.push_back({Op::Line, {}, {}, {}, 0, {}, QLine(x1, y1, x2, y2), penWidth_});
}

void PrinterCanvas::replay(QPainter& painter) const
{
    // Setting a font makes the painter look its engine up again at the next
    // text, so a run of texts in one font sets it once.
    const QFont* textFont = nullptr;
    for (const Op& op : ops_) {
        switch (op.kind) {
        case Op::Text:
            painter.setPen(Qt::black);
            if (!textFont || !(*textFont == op.font)) {
                painter.setFont(op.font);
                textFont = &op.font;
            }
            painter.drawText(op.baseline, op.text);
            break;
        case Op::Block:
            painter.save();
            painter.setPen(Qt::black);
            painter.setFont(op.font);
            painter.setClipRect(op.rect);
            painter.drawText(op.rect, op.flags, op.text);
            painter.restore();
            break;
        case Op::Line:
            painter.setPen(QPen(Qt::black, op.penWidth, Qt::SolidLine, Qt::RoundCap));
            painter.drawLine(op.line);
            break;
        }
    }
}

void PrinterCanvas::addFaces(QSet<QString>& faces) const
{
    for (const Op& op : ops_) {
        if (op.kind != Op::Line)
            faces.insert(QStringLiteral("%1/%2/%3/%4")
                             .arg(op.font.family(), op.font.styleName())
                             .arg(op.font.weight())
                             .arg(op.font.italic()));
    }
}
