#include "fontfiles/FontInstaller.h"

#include "fontfiles/FontNameReader.h"
#include "fontfiles/InstallProgress.h"
#include "fontfiles/InstallState.h"
#include "fontfiles/Type1Names.h"
#include "platform/FontService.h"
#include "platform/MessageBoxes.h"
#include "platform/Shell.h"

#include <QScopeGuard>

#include <algorithm>

namespace {

// The file still yields the item's names, and its size and modification
// time are those it had when the names were read.
bool asPreviewed(const FontFileItem& item, const QString& sourceFolder)
{
    QList<FontFileItem> now;
    ReadFontFileNames(sourceFolder, item.second.FileName, now);
    return std::any_of(now.cbegin(), now.cend(), [&item](const FontFileItem& read) {
        return read == item && read.second.FileSize == item.second.FileSize
               && read.second.FileModified == item.second.FileModified;
    });
}

}  // namespace

FontInstaller::FontInstaller(FontService& fonts, Shell& shell, MessageBoxes& messages,
                             InstallProgress& progress, InstallState& state,
                             QWidget* dialogParent)
    : fonts_(fonts)
    , shell_(shell)
    , messages_(messages)
    , progress_(progress)
    , state_(state)
    , dialogParent_(dialogParent)
{
}

bool FontInstaller::install(QList<FontFileItem> items, const QString& sourceFolder,
                            const QString& fontsFolder, const Hooks& hooks)
{
    if (busy_)
        return false;
    busy_ = true;
    const auto done = qScopeGuard([this] { busy_ = false; });

    progress_.setSelectedCaption(QStringLiteral("Fonts Selected: %1").arg(items.size()));
    progress_.setInstalledCaption(QStringLiteral("Installed: 0"));
    progress_.showProgress();
    state_.InstallCancelled = false;
    copiedThisRun_.clear();
    int installed = 0;

    for (const FontFileItem& item : std::as_const(items)) {
        hooks.processEvents();
        if (installOne(item, sourceFolder, fontsFolder, hooks)) {
            ++installed;
            progress_.setInstalledCaption(QStringLiteral("Installed: %1").arg(installed));
        }
        if (state_.InstallCancelled)
            break;
    }

    if (installed > 0) {
        fonts_.refreshFontsFolder(fontsFolder);
        fonts_.broadcastFontChange();
    }
    hooks.runEnded();
    progress_.hideProgress();
    messages_.information(dialogParent_, QStringLiteral("Installed %1 %2")
                                             .arg(installed)
                                             .arg(installed == 1 ? QStringLiteral("font")
                                                                 : QStringLiteral("fonts")));
    if (installed > 0)
        state_.FontsInstalled = true;
    return true;
}

bool FontInstaller::installOne(const FontFileItem& item, const QString& sourceFolder,
                               const QString& fontsFolder, const Hooks& hooks)
{
    // Another file put in its place after Preview Fonts is not what the user chose.
    if (!asPreviewed(item, sourceFolder)) {
        messages_.warning(dialogParent_,
                          QStringLiteral("The font file \"%1\" changed since it was previewed")
                              .arg(item.second.FileName));
        return false;
    }
    const QString name = item.first.trimmed();
    const QString file = sourceFolder + item.second.FileName;
    if (const auto copied = copiedThisRun_.find(file);
        copied != copiedThisRun_.end() && !copied->contains(item.second.FaceIndex)) {
        copied->append(item.second.FaceIndex);
        return true;
    }
    const QString already = QStringLiteral("The font \"%1\" is already installed").arg(name);
    if (fonts_.isFontInstalled(name)) {
        messages_.information(dialogParent_, already);
        return false;
    }
    QString why;
    const QString source = hooks.plainFile ? hooks.plainFile(item, &why) : file;
    if (source.isEmpty()) {
        messages_.warning(dialogParent_, QStringLiteral("Unable to install font %1: its file %2 %3")
                                             .arg(name, item.second.FileName, why));
        return false;
    }
    QString path;
    switch (shell_.copyIntoFolder(source, fontsFolder, path)) {
    case Shell::CopyResult::AlreadyThere:
        messages_.information(dialogParent_, already);
        return false;
    case Shell::CopyResult::Copied:
        if (fonts_.recordInstalledFont(path)) {
            copiedThisRun_.insert(file, {item.second.FaceIndex});
            // A Type 1 font's metrics go with it; the font works without them.
            for (const QString& companion : Type1Names::companions(source)) {
                QString copied;
                shell_.copyIntoFolder(companion, fontsFolder, copied);
            }
            return true;
        }
        // A file no program can read as a font is no installed font.
        shell_.removeFile(path);
        break;
    case Shell::CopyResult::Failed:
        break;
    }
    messages_.warning(dialogParent_, QStringLiteral("Unable to install font ") + name);
    return false;
}
