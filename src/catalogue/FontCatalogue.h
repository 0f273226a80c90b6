#pragma once

#include "platform/FontService.h"

#include <QSet>
#include <QString>
#include <QStringList>

// The installed-font catalogue without its widgets: the count of families,
// the selection count, the families the screen can draw, and what is known of
// the current family.
class FontCatalogue {
public:
    static inline const QString PrinterResident = QStringLiteral("Printer Resident");
    static constexpr int SymbolCharPointSize = 20;
    static constexpr int TextCharPointSize = 30;

    explicit FontCatalogue(FontService& fonts);

    // The printer's typeface names as the list shows them: sorted without
    // regard to case, duplicates kept. Sets FontCount.
    QStringList fill(QStringList typefaces);

    void buildScreenFonts(const QStringList& families);
    // Every name not yet known to be drawable becomes drawable.
    void extendScreenFonts(const QStringList& names);
    bool isScreenFont(const QString& family) const;
    // Changes whenever the drawable set does, for those who keep answers.
    int screenFontsVersion() const { return screenFontsVersion_; }

    // Makes name the current family (empty: none is current) and enumerates
    // its styles, unless it has no screen font.
    void showCurrent(const QString& name, bool exists, int selectedCount);
    void setSelectedCount(int count);

    // One enumerated style of the current family.
    void StyleEnumProc(const FontFace& face);

    // Whether a style name may appear in the styles label: blanks and the
    // codes of "A" to "z" only.
    static bool isListableStyleName(const QString& styleName);
    // The type text that a face decides, or empty when it decides none.
    static QString typeOf(const FontFace& face);

    int FontCount() const { return fontCount_; }
    int SelectedCount() const { return selectedCount_; }
    const QString& CurrentFontName() const { return currentFontName_; }
    const QString& CurrentFontType() const { return currentFontType_; }
    bool NoScreenFont() const { return noScreenFont_; }
    // "Styles: " and the names, or empty when no name was listed.
    const QString& stylesLabel() const { return stylesLabel_; }
    // Point size of the font map's current-character panel, decided by the
    // last enumerated style; 0 until a family with a screen font is shown.
    int currCharPointSize() const { return currCharPointSize_; }

private:
    FontService& fonts_;
    QSet<QString> screenFonts_;  // case-folded
    int screenFontsVersion_ = 0;
    int fontCount_ = 0;
    int selectedCount_ = 0;
    QString currentFontName_;
    QString currentFontType_;
    bool noScreenFont_ = false;
    QString stylesLabel_;
    QStringList listedStyles_;
    int currCharPointSize_ = 0;
};
