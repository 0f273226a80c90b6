#include "catalogue/FontLibrary.h"

#include "platform/PrinterService.h"

FontLibrary::FontLibrary(FontService& fonts, PrinterService& printer, QObject* parent)
    : QObject(parent), fonts_(fonts), printer_(printer), catalogue_(fonts)
{
}

void FontLibrary::readFamilies() { families_ = catalogue_.fill(printer_.typefaces()); }

void FontLibrary::load()
{
    readFamilies();
    catalogue_.buildScreenFonts(fonts_.screenFamilies());
    emit changed();
}

void FontLibrary::printerChanged()
{
    readFamilies();
    emit changed();
}

void FontLibrary::refresh()
{
    // Selecting the printer again drops its kept typeface list.
    if (printer_.currentIndex() >= 0)
        printer_.setCurrentIndex(printer_.currentIndex());
    readFamilies();
    catalogue_.buildScreenFonts(fonts_.screenFamilies());
    emit changed();
}

void FontLibrary::noteInstalled() { emit installed(); }

UserFontRemoval::Plan FontLibrary::removalPlan(const QString& family, const QString& fontsFolder)
{
    return UserFontRemoval::plan(family, fonts_.familyFiles(family), fontsFolder);
}

UserFontRemoval::Outcome FontLibrary::remove(const UserFontRemoval::Plan& plan, Shell& shell)
{
    const UserFontRemoval::Outcome outcome = UserFontRemoval::remove(plan, shell);
    if (!outcome.moved.isEmpty()) {
        for (const QString& changed : outcome.folders())
            fonts_.refreshFontsFolder(changed);
        fonts_.broadcastFontChange();
        refresh();
    }
    return outcome;
}
