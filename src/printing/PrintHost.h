#pragma once

#include "catalogue/CharacterCoverage.h"
#include "platform/FontService.h"

#include <QString>
#include <QStringList>

#include <array>

// The print options of the Main page as they stand when read.
struct PrintOptions {
    bool sample = false;       // 3-line samples
    bool shortSample = false;  // 1-line samples
    bool charChart = false;
    bool allChars = false;     // the chart shows every block the family covers
    bool fullPage = false;
    bool para = false;
    bool bold = false;
    bool italic = false;
    int sampleSize = 11;
    std::array<bool, 13> paraSizes{};  // 7 to 14 points, in box order
    FontVariations variations;         // for every family's specimen
};

// What a print job reads from the window. Everything is read at the moment
// of use, so edits made while a job pumps events count from then on.
class PrintHost {
public:
    virtual ~PrintHost() = default;

    // The installed-font list, in list order.
    virtual int fontCount() = 0;
    virtual QString fontName(int index) = 0;
    virtual bool fontSelected(int index) = 0;
    virtual int selectedCount() = 0;

    virtual PrintOptions options() = 0;
    virtual QString headingFontName() = 0;
    virtual QString sampleText() = 0;
    virtual QString sampleTitle() = 0;
    // The three specimen lines, the last one refreshed from the sample text.
    virtual QStringList chartLines() = 0;
    // The paragraph sheet's text.
    virtual QString paragraphText() = 0;
    // The full page's twelve size lines, 8 to 60 points in size order.
    virtual QStringList sizeLineTexts() = 0;

    // The family's characters, for the chart of all of them.
    virtual CharacterCoverage characterCoverage(const QString& family) = 0;

    // Lets pending window events run; a Cancel click arrives here.
    virtual void processEvents() = 0;
    // Refills the font list from the current printer and shows its first family.
    virtual void refillFontList() = 0;
};
