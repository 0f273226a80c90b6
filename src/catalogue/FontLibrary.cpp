#include "catalogue/FontLibrary.h"

#include "catalogue/SwitchedOffFiles.h"
#include "platform/FontSwitches.h"
#include "platform/PrinterService.h"

#include <QDirIterator>

#include <algorithm>

FontLibrary::FontLibrary(FontService& fonts, PrinterService& printer, FontSwitches* switches,
                         QObject* parent)
    : QObject(parent), fonts_(fonts), printer_(printer), switches_(switches), catalogue_(fonts)
{
}

void FontLibrary::readFamilies()
{
    families_ = catalogue_.fill(printer_.typefaces());
    offFamilies_.clear();
    if (offFiles_.isEmpty())
        return;
    // Off: every face comes from a switched-off file that this program loaded.
    for (const QString& family : std::as_const(families_)) {
        if (!fonts_.faceFiles(family, true).isEmpty())
            continue;
        const QStringList loaded = fonts_.faceFiles(family, false);
        if (!loaded.isEmpty()
            && std::all_of(loaded.begin(), loaded.end(),
                           [this](const QString& file) { return offFiles_.contains(file); }))
            offFamilies_.insert(family);
    }
}

void FontLibrary::readSwitches()
{
    if (!switches_)
        return;
    const FontSwitches::Reading reading = switches_->read();
    for (const QString& file : reading.rules.files) {
        if (fonts_.addFontFile(file))
            offFiles_.insert(file);
    }
    QStringList starts = reading.rules.prefixes;
    for (const QString& folder : reading.rules.folders)
        starts << folder + u'/';
    for (const QString& start : std::as_const(starts)) {
        QDirIterator files(start.left(start.lastIndexOf(u'/')), QDir::Files | QDir::Hidden,
                           QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString file = files.next();
            if (file.startsWith(start) && fonts_.addFontFile(file))
                offFiles_.insert(file);
        }
    }
    if (!reading.problem.isEmpty())
        rulesNotice_ = QStringLiteral("The switched-off fonts were read only in part, since the "
                                      "file %1 %2. Fonts can be switched again once the file is "
                                      "corrected or deleted.")
                           .arg(switches_->ruleFile(), reading.problem);
    else if (!reading.ignored.isEmpty())
        rulesNotice_ = QStringLiteral("%1 holds rules that switch off no font file by name; they "
                                      "are kept, but Glyphary ignores them:\n\n%2")
                           .arg(switches_->ruleFile(), reading.ignored.join(u'\n'));
}

void FontLibrary::load()
{
    readSwitches();
    readFamilies();
    catalogue_.buildScreenFonts(fonts_.screenFamilies());
    emit changed();
}

void FontLibrary::printerChanged()
{
    readFamilies();
    emit changed();
}

void FontLibrary::reread()
{
    // Selecting the printer again drops its kept typeface list.
    if (printer_.currentIndex() >= 0)
        printer_.setCurrentIndex(printer_.currentIndex());
    readFamilies();
    catalogue_.buildScreenFonts(fonts_.screenFamilies());
}

void FontLibrary::refresh()
{
    reread();
    emit changed();
}

void FontLibrary::noteInstalled() { emit installed(); }

QString FontLibrary::switchFamilies(const QStringList& families, bool on,
                                    const QString& fontsFolder)
{
    if (!switches_)
        return {};
    const FontSwitches::Reading now = switches_->read();
    const QString failed =
        on ? QStringLiteral("The fonts could not be switched on, since the file %1 %2. It is "
                            "left as it was.")
           : QStringLiteral("The fonts could not be switched off, since the file %1 %2. It is "
                            "left as it was.");
    if (!now.problem.isEmpty())
        return failed.arg(switches_->ruleFile(), now.problem);
    QSet<QString> off = offFiles_;
    QStringList changed;
    for (const QString& family : families) {
        // Switching off takes the machine's faces, switching on the copies
        // this program loaded of switched-off ones.
        for (const QString& file : fonts_.faceFiles(family, !on)) {
            if (on ? off.remove(file) : !off.contains(file)) {
                if (!on)
                    off.insert(file);
                changed << file;
            }
        }
    }
    if (changed.isEmpty())
        return {};
    QStringList known = fonts_.installedFiles();
    known += QStringList(offFiles_.cbegin(), offFiles_.cend());
    const QString problem =
        switches_->write(SwitchedOffFiles::rulesFor(off, known, {fontsFolder}));
    if (!problem.isEmpty())
        return failed.arg(switches_->ruleFile(), problem);
    // The program's own copies go before the machine's come back, and come
    // after the machine's are gone.
    if (on) {
        for (const QString& file : std::as_const(changed))
            fonts_.removeFontFile(file);
    }
    fonts_.broadcastFontChange();
    if (!on) {
        for (const QString& file : std::as_const(changed))
            fonts_.addFontFile(file);
    }
    offFiles_ = off;
    reread();
    emit switched();
    return {};
}

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
