#pragma once

#include "platform/Specimen.h"

#include <QRect>
#include <QString>

// A drawing surface in device pixels: the printer's page, or a recorder in
// tests. Text is placed by the top-left corner of its first character cell.
class Canvas {
public:
    virtual ~Canvas() = default;

    // The specimen's size is in points (half points allowed); the em height
    // is round(pointSize * dpiY / 72) device pixels.
    virtual void setFont(const Specimen& specimen) = 0;
    // Whether the current font shows character codes as symbols (see fontChar).
    virtual bool symbolFont() = 0;
    virtual void textOut(int x, int y, const QString& text) = 0;
    // Advance width of text in the current font.
    virtual int textWidth(const QString& text) = 0;
    // Draws text into rect, clipped to it, breaking lines at the line breaks
    // in the text and, when wordWrap is set, between words; returns the
    // height of the text as laid out, even where nothing of it shows.
    virtual int drawText(const QRect& rect, const QString& text, bool wordWrap) = 0;
    virtual void setPenWidth(int width) = 0;
    virtual void line(int x1, int y1, int x2, int y2) = 0;
};
