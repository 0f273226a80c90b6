#pragma once

#include <QObject>
#include <QStringList>

class FontLibrary;
class InstallPage;
class PageControl;
class QAction;
class QMenu;
class QWidget;
struct Platform;

// What the frame does with font files: files opened from the command line or
// dropped on the window go to the Preview/Install page, and the current
// family's own files can be removed. Both are refused while a run goes on.
class FontFileCommands : public QObject {
    Q_OBJECT
public:
    // Drops anywhere on window open their files; remove is the menu item
    // that the file menu enables for a family with files to take away.
    FontFileCommands(Platform& platform, FontLibrary& library, QWidget* window,
                     PageControl* pages, InstallPage* installPage, QMenu* fileMenu,
                     QAction* remove);

    void openFontFiles(const QStringList& paths);
    // Moves the current family's faces in the user's fonts folder to the trash.
    void removeCurrentFamily();

private:
    // Enabled for a family with faces in the user's fonts folder.
    void updateRemove();
    // Tells the user that a run is going on; true when one is.
    bool refusedDuringRun();

    Platform& platform_;
    FontLibrary& library_;
    QWidget* window_;
    PageControl* pages_;
    InstallPage* installPage_;
    QAction* remove_;
};
