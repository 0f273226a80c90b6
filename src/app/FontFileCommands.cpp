#include "app/FontFileCommands.h"

#include "app/FileDrops.h"
#include "app/InstallPage.h"
#include "app/MainPage.h"
#include "app/PageControl.h"
#include "catalogue/FontLibrary.h"
#include "fontfiles/NamedFontFiles.h"
#include "platform/AsWritten.h"
#include "platform/MessageBoxes.h"
#include "platform/Platform.h"
#include "platform/SettingsStore.h"
#include "platform/Shell.h"

#include <QAction>
#include <QApplication>
#include <QMenu>

#include <algorithm>

namespace {

const QString WaitForRun = QStringLiteral("Wait until the current run has finished, then try again.");

const QString ToldKey = QStringLiteral("Switching/Told");

const QString SwitchedNotice = QStringLiteral(
    "Switched-off fonts stay on the disk and stay listed here, marked as off, so that you can "
    "look at them, print them and switch them on again.\n\n"
    "Other programs that read your fontconfig configuration stop listing them, or list them "
    "again, the next time they read their fonts, which most programs do only when they start. "
    "Programs in a Flatpak sandbox don't read that configuration and go on listing every "
    "font.");

bool allOff(const QStringList& families, const QSet<QString>& off)
{
    return std::all_of(families.begin(), families.end(),
                       [&off](const QString& family) { return off.contains(family); });
}

}  // namespace

FontFileCommands::FontFileCommands(Platform& platform, FontLibrary& library, QWidget* window,
                                   PageControl* pages, MainPage* mainPage, InstallPage* installPage,
                                   QMenu* fileMenu, QAction* remove)
    : QObject(window), platform_(platform), library_(library), window_(window), pages_(pages),
      mainPage_(mainPage), installPage_(installPage), remove_(remove)
{
    connect(remove_, &QAction::triggered, this, &FontFileCommands::removeCurrentFamily);
    if (library_.canSwitch()) {
        const QList<QAction*> items = fileMenu->actions();
        const qsizetype at = items.indexOf(remove_) + 1;
        switch_ = new QAction(QStringLiteral("Switch &Off"), fileMenu);
        switch_->setObjectName(QStringLiteral("SwitchOff1"));
        switch_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O));
        fileMenu->insertAction(items.value(at), switch_);
        connect(switch_, &QAction::triggered, this, &FontFileCommands::switchSelected);
        connect(fileMenu, &QMenu::aboutToShow, this, &FontFileCommands::updateSwitch);
        mainPage_->addListAction(switch_);
        connect(mainPage_, &MainPage::listMenuAboutToShow, this, &FontFileCommands::updateSwitch);
    }
    // Says why the item is disabled.
    fileMenu->setToolTipsVisible(true);
    connect(fileMenu, &QMenu::aboutToShow, this, &FontFileCommands::updateRemove);
    connect(new FileDrops(window), &FileDrops::dropped, this, &FontFileCommands::openFontFiles);
}

bool FontFileCommands::refusedDuringRun()
{
    if (!installPage_->running())
        return false;
    platform_.messages.information(window_, WaitForRun);
    return true;
}

void FontFileCommands::updateRemove()
{
    const QString family = library_.catalogue().CurrentFontName();
    const UserFontRemoval::Plan plan =
        library_.removalPlan(family, platform_.shell.userFontsFolder());
    remove_->setEnabled(!plan.files.isEmpty());
    if (!plan.files.isEmpty() || family.isEmpty())
        remove_->setToolTip(QString());
    else
        remove_->setToolTip(asWritten(
            plan.keptFaces > 0
                ? QStringLiteral("\"%1\" is installed for all users: only an administrator can "
                                 "remove it.")
                      .arg(family)
                : QStringLiteral("\"%1\" has no font files in your fonts folder.").arg(family)));
}

void FontFileCommands::removeCurrentFamily()
{
    // The list a run walks is not refilled under it.
    if (refusedDuringRun())
        return;
    const UserFontRemoval::Plan plan = library_.removalPlan(
        library_.catalogue().CurrentFontName(), platform_.shell.userFontsFolder());
    if (plan.files.isEmpty() || !platform_.messages.confirm(window_, plan.question()))
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const UserFontRemoval::Outcome outcome = library_.remove(plan, platform_.shell);
    QApplication::restoreOverrideCursor();
    if (outcome.failed.isEmpty())
        platform_.messages.information(window_, outcome.message());
    else
        platform_.messages.warning(window_, outcome.message());
}

void FontFileCommands::updateSwitch()
{
    const QStringList families = mainPage_->selectedFamilies();
    switch_->setEnabled(!families.isEmpty());
    switch_->setText(!families.isEmpty() && allOff(families, library_.switchedOff())
                         ? QStringLiteral("Switch &On")
                         : QStringLiteral("Switch &Off"));
}

void FontFileCommands::switchSelected()
{
    // The list a run walks is not refilled under it.
    if (refusedDuringRun())
        return;
    const QStringList families = mainPage_->selectedFamilies();
    if (families.isEmpty())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QString problem = library_.switchFamilies(
        families, allOff(families, library_.switchedOff()), platform_.shell.userFontsFolder());
    QApplication::restoreOverrideCursor();
    if (!problem.isEmpty()) {
        platform_.messages.warning(window_, problem);
    } else if (!platform_.settings.value(ToldKey, false).toBool()) {
        platform_.settings.setValue(ToldKey, true);
        platform_.messages.information(window_, SwitchedNotice);
    }
}

void FontFileCommands::tellRulesNotice()
{
    if (!library_.rulesNotice().isEmpty())
        platform_.messages.warning(window_, library_.rulesNotice());
}

void FontFileCommands::openFontFiles(const QStringList& paths)
{
    if (refusedDuringRun())
        return;
    const NamedFontFiles named = NamedFontFiles::sort(paths);
    if (!named.folder.isEmpty()) {
        // A user's page change: leaving the Preview/Install page resets it.
        pages_->setCurrentWidget(installPage_);
        installPage_->openFiles(named);
    }
    const QString message = named.message();
    if (!named.problems.isEmpty())
        platform_.messages.warning(window_, message);
    else if (!message.isEmpty())
        platform_.messages.information(window_, message);
}
