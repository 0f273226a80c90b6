#include "app/FontFileCommands.h"

#include "app/FileDrops.h"
#include "app/InstallPage.h"
#include "app/PageControl.h"
#include "catalogue/FontLibrary.h"
#include "fontfiles/NamedFontFiles.h"
#include "platform/AsWritten.h"
#include "platform/MessageBoxes.h"
#include "platform/Platform.h"
#include "platform/Shell.h"

#include <QAction>
#include <QApplication>
#include <QMenu>

namespace {
const QString WaitForRun = QStringLiteral("Wait until the current run has finished, then try again.");
}

FontFileCommands::FontFileCommands(Platform& platform, FontLibrary& library, QWidget* window,
                                   PageControl* pages, InstallPage* installPage, QMenu* fileMenu,
                                   QAction* remove)
    : QObject(window), platform_(platform), library_(library), window_(window), pages_(pages),
      installPage_(installPage), remove_(remove)
{
    connect(remove_, &QAction::triggered, this, &FontFileCommands::removeCurrentFamily);
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
