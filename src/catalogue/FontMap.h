#pragma once

#include "platform/Specimen.h"

#include <QChar>
#include <QFont>
#include <QString>

class FontService;

// The font map of one family: codes 32 to 255, 32 to a row, drawn regular,
// bold or italic, and the texts that show the current code.
class FontMap {
public:
    static constexpr int Columns = 32;
    static constexpr int Rows = 7;
    static constexpr int FirstCode = 32;

    explicit FontMap(FontService& fonts) : fonts_(fonts) {}

    static int codeAt(int row, int column) { return FirstCode + Columns * row + column; }

    // Makes family the one shown, regular.
    void setFamily(const QString& family);
    void setBold(bool bold) { specimen_.bold = bold; }
    void setItalic(bool italic) { specimen_.italic = italic; }
    void setVariations(const FontVariations& variations) { specimen_.variations = variations; }

    // The family in the current style; the size is the caller's.
    QFont font() const;
    // What a cell and the panel draw for code: a symbol family keeps its
    // glyphs at U+F000 + code, any other is read in Windows-1252.
    QChar glyph(int code) const;

    // "Current Character:  65  A". The labels that show it have no buddy, so
    // Qt shows an ampersand as it is: one in the text is one on the screen.
    static QString currentCharacterText(int code);

private:
    FontService& fonts_;
    Specimen specimen_;
    bool symbol_ = false;
};
