#pragma once

#include "platform/Canvas.h"

#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

// One drawing call with the font and pen in force.
struct CanvasOp {
    enum Kind { Text, Block, Line };

    Kind kind = Text;
    QString text;
    QString family;
    double pointSize = 0;
    bool bold = false;
    bool italic = false;
    FontVariations variations;
    int x = 0;
    int y = 0;
    int x2 = 0;
    int y2 = 0;
    int penWidth = 0;
    QRect rect;
};

// A document: the calls between its begin and its end or abort.
struct RecordedDoc {
    enum State { Open, Ended, Aborted };

    State state = Open;
    QList<CanvasOp> ops;

    // The first text op drawing exactly this string, or nullptr.
    const CanvasOp* find(const QString& text) const;
};

// Records every call at a chosen resolution. Widths are deterministic: every
// character advances half an em.
class RecordingCanvas : public Canvas {
public:
    explicit RecordingCanvas(int dpiX = 600, int dpiY = 600);

    void setFont(const Specimen& specimen) override;
    // True for the families in symbolFamilies.
    bool symbolFont() override;
    void textOut(int x, int y, const QString& text) override;
    int textWidth(const QString& text) override;
    // Records the block, measured or not; a line per line break, none for no text.
    int drawText(const QRect& rect, const QString& text, bool wordWrap) override;
    void setPenWidth(int width) override;
    void line(int x1, int y1, int x2, int y2) override;

    int dpiX() const { return dpiX_; }
    int dpiY() const { return dpiY_; }

    // Document bounds, driven by a fake printer.
    QList<RecordedDoc> docs;
    QStringList symbolFamilies;
    bool docOpen() const { return !docs.isEmpty() && docs.last().state == RecordedDoc::Open; }

private:
    void record(CanvasOp op);

    int dpiX_;
    int dpiY_;
    CanvasOp font_;
};
