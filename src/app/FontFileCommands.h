#pragma once

#include <QObject>
#include <QStringList>

class FontLibrary;
class InstallPage;
class MainPage;
class PageControl;
class QAction;
class QMenu;
class QWidget;
struct Platform;

// What the frame does with font files: files opened from the command line or
// dropped on the window go to the Preview/Install page, the current family's
// own files can be removed, and the selected families switched off and on.
// Each is refused while a run goes on.
class FontFileCommands : public QObject {
    Q_OBJECT
public:
    // Drops anywhere on window open their files; remove is the menu item
    // that the file menu enables for a family with files to take away.
    // The switch command joins the file menu after remove, and the list's
    // context menu.
    FontFileCommands(Platform& platform, FontLibrary& library, QWidget* window,
                     PageControl* pages, MainPage* mainPage, InstallPage* installPage,
                     QMenu* fileMenu, QAction* remove);

    void openFontFiles(const QStringList& paths);
    // Moves the current family's faces in the user's fonts folder to the trash.
    void removeCurrentFamily();
    // Switches the selected families off, or on when every one is off.
    void switchSelected();
    // What start-up found wrong with the rule file, once the window is up.
    void tellRulesNotice();

private:
    // Says which way the switch goes for the selection now.
    void updateSwitch();
    // Enabled for a family with faces in the user's fonts folder.
    void updateRemove();
    // Tells the user that a run is going on; true when one is.
    bool refusedDuringRun();

    Platform& platform_;
    FontLibrary& library_;
    QWidget* window_;
    PageControl* pages_;
    MainPage* mainPage_;
    InstallPage* installPage_;
    QAction* remove_;
    QAction* switch_ = nullptr;
};
