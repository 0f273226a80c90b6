#pragma once

#include "catalogue/FontCatalogue.h"
#include "fontfiles/UserFontRemoval.h"

#include <QObject>
#include <QStringList>

class PrinterService;
class Shell;

// The one owner of the set of fonts the program lists: the current printer's
// families, the ones the screen can draw, and what is known of the current
// family. Whatever changes the set goes through here; the list, the pages and
// the dialogs follow changed().
class FontLibrary : public QObject {
    Q_OBJECT
public:
    FontLibrary(FontService& fonts, PrinterService& printer, QObject* parent = nullptr);

    FontCatalogue& catalogue() { return catalogue_; }
    const FontCatalogue& catalogue() const { return catalogue_; }
    // The families as the list shows them, in its order.
    const QStringList& families() const { return families_; }

    // Start-up: the printer's families and the screen's are read.
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

signals:
    // The families are new: the list refills and shows its current family again.
    void changed();
    // Fonts were installed; the families stay as listed until a refresh.
    void installed();

private:
    void readFamilies();

    FontService& fonts_;
    PrinterService& printer_;
    FontCatalogue catalogue_;
    QStringList families_;
};
