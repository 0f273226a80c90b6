#pragma once

#include <QString>

class Canvas;

// Rounds to the nearest integer, halves to even.
int roundHalfEven(long double value);

// The page frame at the printer's resolution: distances in inches become
// device pixels, each constant on its own. Pass inches as long double
// literals (0.17L): a double constant would carry a different binary value
// into the product and can round the other way.
class PageLayout {
public:
    PageLayout(int dpiX, int dpiY);

    int X(long double inches) const;
    int Y(long double inches) const;
    int X(double) const = delete;
    int Y(double) const = delete;

    int dpiX() const { return dpiX_; }
    int dpiY() const { return dpiY_; }
    // Solid rules are one hundredth of an inch thick, whole pixels only.
    int penWidth() const { return dpiY_ / 100; }

private:
    int dpiX_;
    int dpiY_;
};

// What the heading of a sample-sheet page shows.
struct SampleHeading {
    QString headingFont;
    QString title;
    QString styleSuffix;
    float sampleSize = 11;
};

// Draws a sample-sheet heading and its rule; x and y receive the position of
// the first body line.
void PrintSampleHeading(Canvas& canvas, const PageLayout& layout, const SampleHeading& heading,
                        int& x, int& y);

// Draws text centred four inches from the left edge, with its rule below.
void PrintFamilyHeading(Canvas& canvas, const PageLayout& layout, const QString& headingFont,
                        const QString& text);
