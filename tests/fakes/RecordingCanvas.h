#pragma once

#include "platform/Canvas.h"

#include <QList>
#include <QRect>
#include <QString>

// One drawing call as the canvas received it.
struct CanvasOp {
    enum Kind { Font, Text, Block, Pen, Line };

    Kind kind = Text;
    QString text;
    // The font in use; a Font op carries the font it sets.
    QString family;
    double pointSize = 0;
    bool bold = false;
    bool italic = false;
    int x = 0;
    int y = 0;
    int x2 = 0;
    int y2 = 0;
    int penWidth = 0;
    QRect rect;
    bool wordWrap = false;
};

// A printed document: the calls between its begin and its end or abort.
struct RecordedDoc {
    enum State { Open, Ended, Aborted };

    State state = Open;
    QList<CanvasOp> ops;

    QStringList texts() const;
    // The first text op drawing exactly this string, or nullptr.
    const CanvasOp* find(const QString& text) const;
};

// A canvas that records every call at a chosen resolution. Widths are
// deterministic: every character advances half an em.
class RecordingCanvas : public Canvas {
public:
    explicit RecordingCanvas(int dpiX = 600, int dpiY = 600);

    void setFont(const QString& family, double pointSize, bool bold, bool italic) override;
    void textOut(int x, int y, const QString& text) override;
    int textWidth(const QString& text) override;
    int drawText(const QRect& rect, const QString& text, bool wordWrap) override;
    void setPenWidth(int width) override;
    void line(int x1, int y1, int x2, int y2) override;

    // Document bounds, driven by a fake printer.
    void beginDoc();
    void endDoc();
    void abortDoc();
    bool docOpen() const;

    int dpiX() const { return dpiX_; }
    int dpiY() const { return dpiY_; }
    int charAdvance() const;
    int emHeight() const;

    QList<RecordedDoc> docs;
    // Calls made while no document was open.
    QList<CanvasOp> strayOps;

private:
    void record(const CanvasOp& op);

    int dpiX_;
    int dpiY_;
    CanvasOp font_;
    int penWidth_ = 1;
};
