#include "RecordingCanvas.h"

#include <QStringList>

#include <cmath>

QStringList RecordedDoc::texts() const
{
    QStringList result;
    for (const CanvasOp& op : ops) {
        if (op.kind == CanvasOp::Text || op.kind == CanvasOp::Block)
            result.append(op.text);
    }
    return result;
}

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
    font_.kind = CanvasOp::Font;
}

void RecordingCanvas::setFont(const QString& family, double pointSize, bool bold, bool italic)
{
    font_.family = family;
    font_.pointSize = pointSize;
    font_.bold = bold;
    font_.italic = italic;
    record(font_);
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

int RecordingCanvas::charAdvance() const
{
    return static_cast<int>(std::lround(font_.pointSize * dpiX_ / 144.0));
}

int RecordingCanvas::emHeight() const
{
    return static_cast<int>(std::lround(font_.pointSize * dpiY_ / 72.0));
}

int RecordingCanvas::textWidth(const QString& text)
{
    return static_cast<int>(text.size()) * charAdvance();
}

int RecordingCanvas::drawText(const QRect& rect, const QString& text, bool wordWrap)
{
    CanvasOp op = font_;
    op.kind = CanvasOp::Block;
    op.text = text;
    op.rect = rect;
    op.wordWrap = wordWrap;
    record(op);

    if (text.isEmpty())
        return 0;
    int lines = 1;
    if (wordWrap) {
        int used = 0;
        for (const QString& word : text.split(QLatin1Char(' '))) {
            const int width = textWidth(word);
            const int withSpace = used == 0 ? width : used + charAdvance() + width;
            if (used > 0 && withSpace > rect.width()) {
                ++lines;
                used = width;
            } else {
                used = withSpace;
            }
        }
    }
    return lines * emHeight();
}

void RecordingCanvas::setPenWidth(int width)
{
    penWidth_ = width;
    CanvasOp op;
    op.kind = CanvasOp::Pen;
    op.penWidth = width;
    record(op);
}

void RecordingCanvas::line(int x1, int y1, int x2, int y2)
{
    CanvasOp op;
    op.kind = CanvasOp::Line;
    op.x = x1;
    op.y = y1;
    op.x2 = x2;
    op.y2 = y2;
    op.penWidth = penWidth_;
    record(op);
}

void RecordingCanvas::beginDoc()
{
    docs.append(RecordedDoc{});
}

void RecordingCanvas::endDoc()
{
    docs.last().state = RecordedDoc::Ended;
}

void RecordingCanvas::abortDoc()
{
    docs.last().state = RecordedDoc::Aborted;
}

bool RecordingCanvas::docOpen() const
{
    return !docs.isEmpty() && docs.last().state == RecordedDoc::Open;
}

void RecordingCanvas::record(const CanvasOp& op)
{
    if (docOpen())
        docs.last().ops.append(op);
    else
        strayOps.append(op);
}
