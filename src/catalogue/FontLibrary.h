#pragma once

#include "catalogue/FontCatalogue.h"
#include "fontfiles/UserFontRemoval.h"

#include <QObject>
#include <QSet>
#include <QStringList>

class FontSwitches;
class PrinterService;
class Shell;

// The one owner of the set of fonts the program lists: the current printer's
// families, the ones the screen can draw, which are switched off, and what is
// known of the current family. Whatever changes the set goes through here;
// the list, the pages and the dialogs follow changed(). Switched-off files
// are loaded for this program alone, so that it can still show them.
class FontLibrary : public QObject {
    Q_OBJECT
public:
    // Without switches, fonts can't be switched off.
    FontLibrary(FontService& fonts, PrinterService& printer, FontSwitches* switches,
                QObject* parent = nullptr);

    FontCatalogue& catalogue() { return catalogue_; }
    const FontCatalogue& catalogue() const { return catalogue_; }
    // The families as the list shows them, in its order.
    const QStringList& families() const { return families_; }

    // Families whose every face is switched off.
    const QSet<QString>& switchedOff() const { return offFamilies_; }
    bool canSwitch() const { return switches_ != nullptr; }
    // What start-up found wrong with the rule file; empty when nothing was.
    const QString& rulesNotice() const { return rulesNotice_; }

    // Start-up: the switched-off files are loaded, the printer's families and
    // the screen's are read.
    void load();
    // Another printer is current: its families, enumerated afresh. The
    // screen's set stays as it was.
    void printerChanged();
    // Fonts came or went: the printer's families are read anew, and so are
    // the screen's, so that a printer's own font never passes for one the
    // screen can draw.
    void refresh();
    // An install run has copied fonts in; they join the families at the next
    // refresh.
    void noteInstalled();

    // The faces of the family that lie in the user's fonts folder.
    UserFontRemoval::Plan removalPlan(const QString& family, const QString& fontsFolder);
    // Moves the plan's files to the trash. When any went, every program is
    // told and the set is refreshed.
    UserFontRemoval::Outcome remove(const UserFontRemoval::Plan& plan, Shell& shell);

    // Switches the families' faces off, or on again, for every program that
    // reads the user's font configuration. fontsFolder is where fonts are
    // installed, never switched off as a folder. Returns the message for a
    // switch that failed; empty when it was done or there was nothing to do.
    QString switchFamilies(const QStringList& families, bool on, const QString& fontsFolder);

signals:
    // The families are new: the list refills and shows its current family again.
    void changed();
    // Fonts were installed; the families stay as listed until a refresh.
    void installed();
    // Families were switched off or on: the same families as a rule, whose
    // marks and faces are new.
    void switched();

private:
    // The families read anew, and the screen's, after the set changed.
    void reread();
    void readFamilies();
    // The files the rules switch off, folders taken file by file.
    void readSwitches();

    FontService& fonts_;
    PrinterService& printer_;
    FontSwitches* switches_;
    FontCatalogue catalogue_;
    QStringList families_;
    QSet<QString> offFiles_;
    QSet<QString> offFamilies_;
    QString rulesNotice_;
};
