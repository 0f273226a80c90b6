#include "RecordingCanvas.h"

#include <cmath>

const CanvasOp* RecordedDoc::find(const QString& text) const
{
    for (const CanvasOp& op : ops) {
        if (op.kind == CanvasOp::Text && op.text == text)
            return &op;
    }
    return nullptr;
}

RecordingCanvas::RecordingCanvas(int dpiX, int dpiY)
    : dpiX_(dpiX)
    , dpiY_(dpiY)
{
}

void RecordingCanvas::setFont(const Specimen& specimen)
{
    font_.family = specimen.face;
    font_.pointSize = specimen.pointSize;
    font_.bold = specimen.bold;
    font_.italic = specimen.italic;
    font_.variations = specimen.variations;
}

bool RecordingCanvas::symbolFont()
{
    return symbolFamilies.contains(font_.family);
}

void RecordingCanvas::textOut(int x, int y, const QString& text)
{
    CanvasOp op = font_;
    op.kind = CanvasOp::Text;
    op.text = text;
    op.x = x;
    op.y = y;
    record(op);
}

int RecordingCanvas::textWidth(const QString& text)
{
    return int(text.size()) * int(std::lround(font_.pointSize * dpiX_ / 144.0));
}

int RecordingCanvas::drawText(const QRect& rect, const QString& text, bool)
{
    CanvasOp op = font_;
    op.kind = CanvasOp::Block;
    op.text = text;
    op.rect = rect;
    record(op);
    const int lines = text.isEmpty() ? 0 : int(text.count(QLatin1Char('\n'))) + 1;
    return lines * int(std::lround(font_.pointSize * dpiY_ / 72.0));
}

void RecordingCanvas::setPenWidth(int width)
{
    font_.penWidth = width;
}

void RecordingCanvas::line(int x1, int y1, int x2, int y2)
{
    CanvasOp op = font_;
    op.kind = CanvasOp::Line;
    op.x = x1;
    op.y = y1;
    op.x2 = x2;
    op.y2 = y2;
    record(op);
}

void RecordingCanvas::record(CanvasOp op)
{
    // A printer draws nothing outside a document.
    if (docOpen())
        docs.last().ops.append(op);
}
