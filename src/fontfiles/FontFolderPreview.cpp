#include "fontfiles/FontFolderPreview.h"

#include "fontfiles/FontNameReader.h"
#include "platform/FontService.h"
#include "platform/Specimen.h"
#include "platform/UndecodableNames.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {


// By text without regard to case, then by case, then by file: equal texts
// from two files keep one order however they were moved around.
bool itemLess(const FontFileItem& a, const FontFileItem& b)
{
    if (const int c = a.first.compare(b.first, Qt::CaseInsensitive))
        return c < 0;
    if (const int c = a.first.compare(b.first))
        return c < 0;
    return a.second.FileName < b.second.FileName;
}

// The items in itemLess order. Each item's sort key is built once, its parts
// joined by a character below any they hold, so that every comparison is one
// plain string comparison.
QList<FontFileItem> sortedItems(const QList<FontFileItem>& items)
{
    QList<QPair<QString, qsizetype>> keys;
    keys.reserve(items.size());
    for (qsizetype i = 0; i < items.size(); ++i) {
        const FontFileItem& item = items[i];
        QString key;
        key.reserve(2 * item.first.size() + item.second.FileName.size() + 2);
        key += item.first.toCaseFolded();
        key += QChar(0);
        key += item.first;
        key += QChar(0);
        key += item.second.FileName;
        keys.append({std::move(key), i});
    }
    std::sort(keys.begin(), keys.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    QList<FontFileItem> sorted;
    sorted.reserve(items.size());
    for (const auto& key : std::as_const(keys))
        sorted.append(items[key.second]);
    return sorted;
}

QString withSeparator(const QString& folder)
{
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

} // namespace

FontFolderPreview::FontFolderPreview(FontService& fonts)
    : fonts_(fonts)
{
}

FontArchive::Result FontFolderPreview::openArchive(const QString& archive,
                                                   const std::function<void()>& pump)
{
    closeArchive();
    archiveFolder_ = unpacked_.newFolder();
    if (archiveFolder_.isEmpty())
        return {{}, {QStringLiteral("%1 cannot be unpacked: the private folder under %2 cannot "
                                    "be made.")
                         .arg(QFileInfo(archive).fileName(), unpacked_.parent())}};
    FontArchive::Result result = FontArchive::unpack(archive, archiveFolder_, pump);
    archiveFonts_ = result.fontFiles;
    return result;
}

void FontFolderPreview::closeArchive()
{
    if (archiveFolder_.isEmpty())
        return;
    // Its files are about to go: nothing may draw from them any more.
    const QString inside = withSeparator(archiveFolder_);
    if (sampleFontFile_.startsWith(inside))
        UnloadSampleFont();
    if (withSeparator(PrintLoadFolder) == inside)
        UnloadPrintedFonts();
    unpacked_.removeFolder(archiveFolder_);
    archiveFolder_.clear();
    archiveFonts_.clear();
}

QStringList FontFolderPreview::fontFileNames(const QString& folder)
{
    // Without QDir::System neither FIFOs nor dangling links are listed, so
    // none of them can hold up the run.
    const QDir dir(folder, QString(), QDir::Name | QDir::IgnoreCase, QDir::Files | QDir::Hidden);
    return dir.entryList(fontFileMask());
}

QStringList FontFolderPreview::undecodableFontFileNames(const QString& folder)
{
    QStringList names;
    for (const QString& name : undecodableNames(folder)) {
        if (QDir::match(fontFileMask(), name))
            names << name;
    }
    names.sort(Qt::CaseInsensitive);
    return names;
}

void FontFolderPreview::setCurrent(Side side, int row)
{
    FontFileList& list = side == Side::Available ? available_ : selected_;
    list.current = row >= 0 && row < list.count() ? row : -1;
}

void FontFolderPreview::clearLists()
{
    available_ = {};
    selected_ = {};
    staging_.clear();
    dropUnpackedCopies();
    if (loading_) {
        ContinueLoading = false;
        dropRun_ = true;
    }
}

FontFolderPreview::RunResult FontFolderPreview::runLoading(const QString& folder,
                                                           const QStringList& fileNames,
                                                           const LoadingHooks& hooks)
{
    if (loading_)
        return RunResult::Refused;
    loading_ = true;
    dropRun_ = false;
    ContinueLoading = true;
    previewFolder_ = withSeparator(folder);

    const qint64 n = fileNames.size();
    bool cancelled = false;
    for (qint64 i = 0; i < n; ++i) {
        if (hooks.pumpEvents)
            hooks.pumpEvents();
        if (!ContinueLoading) {
            cancelled = true;
            break;
        }
        ReadFontFileNames(previewFolder_, fileNames[i], staging_);
        // In whole numbers: a float quotient such as 29 / 100 * 100 falls short of 29.
        if (hooks.showProgress)
            hooks.showProgress(int(i * 100 / n));
    }
    loading_ = false;
    if (dropRun_)
        return RunResult::Dropped;

    available_.items = sortedItems(staging_);
    available_.current = available_.isEmpty() ? -1 : 0;
    return cancelled ? RunResult::Cancelled : RunResult::Finished;
}

FontFolderPreview::Move FontFolderPreview::moveCurrent(Side from)
{
    FontFileList& source = from == Side::Available ? available_ : selected_;
    FontFileList& target = from == Side::Available ? selected_ : available_;
    int k = source.current;
    Move move;
    if (k >= 0) {
        FontFileItem item = source.items.takeAt(k);
        const auto at = std::lower_bound(target.items.begin(), target.items.end(), item, itemLess);
        move = {k, int(at - target.items.begin())};
        target.items.insert(at, std::move(item));
        if (target.current >= move.to)
            ++target.current;
    }
    if (k < 0)
        k = 0;
    else if (k > source.count() - 1)
        k = source.count() - 1;
    source.current = source.isEmpty() ? -1 : k;
    return move;
}

void FontFolderPreview::moveAll(Side from)
{
    FontFileList& source = from == Side::Available ? available_ : selected_;
    FontFileList& target = from == Side::Available ? selected_ : available_;
    const std::optional<FontFileItem> current =
        target.current >= 0 ? std::optional(target.items.at(target.current)) : std::nullopt;
    QList<FontFileItem> merged;
    merged.reserve(source.count() + target.count());
    std::merge(target.items.cbegin(), target.items.cend(), source.items.cbegin(),
               source.items.cend(), std::back_inserter(merged), itemLess);
    target.items = std::move(merged);
    if (current) {
        const auto at = std::lower_bound(target.items.cbegin(), target.items.cend(), *current, itemLess);
        target.current = int(at - target.items.cbegin());
    }
    source = {};
}

std::optional<FontFolderPreview::Sample> FontFolderPreview::ShowPreviewSample(Side side)
{
    const FontFileList& list = this->list(side);
    // A click below the last item leaves no current item to show.
    if (list.current < 0)
        return std::nullopt;
    UnloadSampleFont();
    const FontFileItem& item = list.items.at(list.current);
    QString why;
    const QString path = plainFile(previewFolder_, item.second, &why);
    if (path.isEmpty() || !LoadFontFile(path)) {
        // Drawn all the same, the name would show in whatever font stood in.
        if (why.isEmpty())
            why = QFileInfo::exists(path) ? QStringLiteral("is no font file any more")
                                          : QStringLiteral("is gone");
        return Sample{item.first, QFont(),
                      QStringLiteral("No sample of %1: its file %2 %3.")
                          .arg(item.first.trimmed(), item.second.FileName, why)};
    }
    sampleFontFile_ = path;
    sampleFaceIndex_ = item.second.FaceIndex;

    // The file's own face, whatever its name says: a full name need not
    // tell the face, nor be unique among the machine's fonts.
    return Sample{item.first, fonts_.makeFont(Specimen(path).inFace(sampleFaceIndex_)), QString()};
}

QString FontFolderPreview::plainFile(const QString& folder, const FontFileEntry& entry,
                                     QString* why)
{
    return unpacked_.plainFile(folder, entry, filesInUse(), why);
}

QStringList FontFolderPreview::filesInUse() const
{
    QStringList inUse;
    if (!sampleFontFile_.isEmpty())
        inUse << sampleFontFile_;
    for (const FontFileItem& item : std::as_const(PrintLoadedFonts))
        inUse << unpacked_.plainFileMade(PrintLoadFolder, item.second);
    return inUse;
}

void FontFolderPreview::dropUnpackedCopies() { unpacked_.removeCopies(filesInUse()); }

QString FontFolderPreview::loadPrintedFont(const FontFileItem& item)
{
    const QString path = plainFile(PrintLoadFolder, item.second);
    if (path.isEmpty() || !LoadFontFile(path))
        return {};
    PrintLoadedFonts.append(item);
    return path;
}

// No broadcast: other programs never see the program's own fonts, and the
// program's lists take the file in at once.
bool FontFolderPreview::LoadFontFile(const QString& path) { return fonts_.addFontFile(path); }

void FontFolderPreview::UnloadFontFile(const QString& path) { fonts_.removeFontFile(path); }

void FontFolderPreview::UnloadSampleFont()
{
    if (sampleFontFile_.isEmpty())
        return;
    UnloadFontFile(sampleFontFile_);
    sampleFontFile_.clear();
}

void FontFolderPreview::UnloadPrintedFonts()
{
    const QString folder = withSeparator(PrintLoadFolder);
    for (const FontFileItem& item : std::as_const(PrintLoadedFonts))
        UnloadFontFile(unpacked_.plainFileMade(folder, item.second));
    PrintLoadedFonts.clear();
}
