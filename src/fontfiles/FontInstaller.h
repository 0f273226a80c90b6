#pragma once

#include "fontfiles/FontFileEntry.h"

#include <QHash>
#include <QList>
#include <QString>

#include <functional>

class FontService;
class InstallProgress;
class MessageBoxes;
class QWidget;
class Shell;
struct InstallState;

// The Install button's run: copies each selected font file into the user's
// fonts folder, where every program finds it, with a message for each font
// that is already there, can't be installed or whose file changed since its
// names were read, and one for the count.
class FontInstaller {
public:
    FontInstaller(FontService& fonts, Shell& shell, MessageBoxes& messages,
                  InstallProgress& progress, InstallState& state, QWidget* dialogParent = nullptr);

    struct Hooks {
        // Lets pending window events run, once before each font; Cancel arrives here.
        std::function<void()> processEvents;
        // The run is over: the page empties its Selected list and marks the catalogue.
        std::function<void()> runEnded;
        // The file to copy for an item: its own, or the font a web font
        // wraps; empty when none can be had, with why set to follow its name.
        // Without it, the item's own file.
        std::function<QString(const FontFileItem& item, QString* why)> plainFile;
    };
    // items in list order, as they stand now; their files in sourceFolder. Refused, returning
    // false, while a run is going on.
    bool install(QList<FontFileItem> items, const QString& sourceFolder,
                 const QString& fontsFolder, const Hooks& hooks);
    bool busy() const { return busy_; }

private:
    // Whether the font was installed.
    bool installOne(const FontFileItem& item, const QString& sourceFolder,
                    const QString& fontsFolder, const Hooks& hooks);

    FontService& fonts_;
    Shell& shell_;
    MessageBoxes& messages_;
    InstallProgress& progress_;
    InstallState& state_;
    QWidget* dialogParent_;
    // Files copied in this run, with the faces counted: the other faces of
    // a collection came with it.
    QHash<QString, QList<int>> copiedThisRun_;
    bool busy_ = false;
};
