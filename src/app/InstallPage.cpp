#include "app/InstallPage.h"

#include "app/FileListBox.h"
#include "app/DesignLayout.h"
#include "app/FormDesign.h"
#include "app/SampleTexts.h"
#include "fontfiles/FontInstaller.h"
#include "fontfiles/InstallState.h"
#include "catalogue/SpecimenSettings.h"
#include "fontfiles/PreviewPrintout.h"
#include "fontfiles/TfrmInstalling.h"
#include "platform/ErrorReporter.h"
#include "platform/FontService.h"
#include "platform/MessageBoxes.h"
#include "platform/Platform.h"
#include "printing/PrintState.h"
#include "printing/TfrmPrinting.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QSpinBox>
#include <QTreeView>

namespace {

// The busy cursor for as long as a handler runs.
struct BusyCursor {
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

int selectedRow(const QListWidget* list)
{
    const QList<QListWidgetItem*> items = list->selectedItems();
    return items.isEmpty() ? -1 : list->row(items.first());
}

} // namespace

InstallPage::InstallPage(Platform& platform, const SpecimenSettings& specimens,
                         const FormDesign& design, const QFont& windowFont,
                         const SampleTexts& texts, PrintState& printState,
                         InstallState& installState)
    : texts_(texts)
    , specimens_(specimens)
    , printState_(printState)
    , installState_(installState)
    , platform_(platform)
    , preview_(platform.fonts)
{
    setObjectName(QStringLiteral("tabInstall"));
    const FormDesign& d = design;
    d.label(this, QStringLiteral("Label23"), QStringLiteral("Preview and Install Fonts"), 8, 4, 300,
            20)
        ->setFont(d.headingFont(windowFont));

    QLabel* folderLabel = d.label(this, QStringLiteral("Label24"),
                                  QStringLiteral("Double-click to select folder"), 8, 30, 200, 16);
    folderModel = new QFileSystemModel(this);
    // Archives of fonts open as folders do.
    folderModel->setFilter(QDir::AllDirs | QDir::Files | QDir::NoDotAndDotDot | QDir::Drives);
    folderModel->setNameFilters(FontArchive::archiveMask());
    folderModel->setNameFilterDisables(false);
    folderModel->setRootPath(QDir::rootPath());
    Tree1 = new QTreeView(this);
    Tree1->setObjectName(QStringLiteral("Tree1"));
    Tree1->setModel(folderModel);
    Tree1->setHeaderHidden(true);
    for (int column = 1; column < folderModel->columnCount(); ++column)
        Tree1->hideColumn(column);
    d.place(Tree1, 8, 48, 200, 190);
    File1 = new FileListBox(
        [this](const QString& folder) {
            return !folder.isEmpty() && folder == preview_.archiveFolder()
                       ? preview_.archiveFonts()
                       : FontFolderPreview::fontFileNames(folder);
        },
        this);
    File1->setObjectName(QStringLiteral("File1"));
    d.place(File1, 8, 244, 200, 110);
    lblFontFiles = d.label(this, QStringLiteral("lblFontFiles"), QStringLiteral("Font Files: 0"), 8,
                           358, 200, 16);
    cmdPreview = d.button(this, QStringLiteral("cmdPreview"), QStringLiteral("&Preview Fonts"), 8,
                          378, 200, 25);
    cmdPreview->setEnabled(false);

    lblPAvailable = d.label(this, QStringLiteral("lblPAvailable"),
                            QStringLiteral("Available Fonts: 0"), 216, 30, 180, 16);
    lstPreview = new QListWidget(this);
    lstPreview->setObjectName(QStringLiteral("lstPreview"));
    d.place(lstPreview, 216, 48, 180, 150);
    lstPreview2 = new QListWidget(this);
    lstPreview2->setObjectName(QStringLiteral("lstPreview2"));
    d.place(lstPreview2, 216, 48, 180, 150);
    lstPreview2->hide();

    cmdAdd = d.button(this, QStringLiteral("cmdAdd"), QStringLiteral(">"), 402, 60, 36, 25);
    cmdAddAll = d.button(this, QStringLiteral("cmdAddAll"), QStringLiteral(">>"), 402, 92, 36, 25);
    cmdRemove = d.button(this, QStringLiteral("cmdRemove"), QStringLiteral("<"), 402, 124, 36, 25);
    cmdRemoveAll =
        d.button(this, QStringLiteral("cmdRemoveAll"), QStringLiteral("<<"), 402, 156, 36, 25);
    for (QPushButton* move : {cmdAdd, cmdAddAll, cmdRemove, cmdRemoveAll})
        move->setEnabled(false);

    lblPSelected = d.label(this, QStringLiteral("lblPSelected"), QStringLiteral("Selected Fonts: 0"),
                           444, 30, 232, 16);
    lstSelected = new QListWidget(this);
    lstSelected->setObjectName(QStringLiteral("lstSelected"));
    d.place(lstSelected, 444, 48, 232, 150);

    QLabel* sampleSizeLabel =
        d.label(this, QStringLiteral("Label25"), QStringLiteral("Sample Si&ze"), 216, 208, 66, 16);
    spnPreviewSize = d.spinBox(this, QStringLiteral("spnPreviewSize"), 4, 20, 12, 284, 205);
    sampleSizeLabel->setBuddy(spnPreviewSize);
    QLabel* printSizeLabel =
        d.label(this, QStringLiteral("Label26"), QStringLiteral("Print &Size"), 344, 208, 56, 16);
    spnPreviewPrintSize =
        d.spinBox(this, QStringLiteral("spnPreviewPrintSize"), 4, 20, 11, 402, 205);
    printSizeLabel->setBuddy(spnPreviewPrintSize);
    cmdInstall =
        d.button(this, QStringLiteral("cmdInstall"), QStringLiteral("&Install"), 476, 204, 96, 25);
    cmdPreviewPrint = d.button(this, QStringLiteral("cmdPreviewPrint"), QStringLiteral("&Print"), 580,
                               204, 96, 25);
    cmdInstall->setEnabled(false);
    cmdPreviewPrint->setEnabled(false);
    cmdFontDetails = d.button(this, QStringLiteral("cmdFontDetails"),
                              QStringLiteral("Font Details..."), 576, 2, 100, 25);
    connect(cmdFontDetails, &QPushButton::clicked, this, &InstallPage::fontDetailsRequested);

    lblPreviewSample = d.label(this, QStringLiteral("lblPreviewSample"), QStringLiteral("Sample"),
                               216, 236, 460, 16);
    memDispPreview = new QPlainTextEdit(this);
    memDispPreview->setObjectName(QStringLiteral("memDispPreview"));
    memDispPreview->setTabChangesFocus(true);
    QFont previewFont = systemFont();
    previewFont.setBold(true);
    memDispPreview->setFont(previewFont);
    d.place(memDispPreview, 216, 254, 460, 150);

    pnlLoading = new QFrame(this);
    pnlLoading->setObjectName(QStringLiteral("pnlLoading"));
    pnlLoading->setFrameStyle(QFrame::Panel | QFrame::Raised);
    pnlLoading->setAutoFillBackground(true);
    d.place(pnlLoading, 4, 408, 676, 32);
    lblLoading = d.label(pnlLoading, QStringLiteral("lblLoading"), QStringLiteral("Loading fonts"), 8,
                         8, 140, 16);
    gaugeLoading = new QProgressBar(pnlLoading);
    gaugeLoading->setObjectName(QStringLiteral("gaugeLoading"));
    gaugeLoading->setRange(0, 100);
    gaugeLoading->setValue(0);
    QPalette gaugePalette = gaugeLoading->palette();
    gaugePalette.setColor(QPalette::Base, Qt::yellow);
    gaugePalette.setColor(QPalette::Window, Qt::yellow);
    gaugeLoading->setPalette(gaugePalette);
    d.place(gaugeLoading, 150, 5, 420, 22);
    cmdPreviewCancel = d.button(pnlLoading, QStringLiteral("cmdPreviewCancel"),
                                QStringLiteral("&Cancel"), 580, 3, 88, 25);
    pnlLoading->hide();

    // The folder tree, the file list and the two lists of fonts take the
    // extra room, each column a third of the width; the sample takes the
    // lower half of the extra height.
    constexpr double Third = 1.0 / 3;
    constexpr double TwoThirds = 2.0 / 3;
    constexpr double Half = 0.5;
    auto* inPanel = new DesignLayout(pnlLoading, pnlLoading->size());
    inPanel->add(gaugeLoading, {0, 0, 1, 0});
    inPanel->add(cmdPreviewCancel, {1, 0, 1, 0});
    auto* layout = new DesignLayout(this, {});
    layout->add(folderLabel, {0, 0, Third, 0});
    layout->add(Tree1, {0, 0, Third, Half});
    layout->add(File1, {0, Half, Third, 1});
    for (QWidget* below : std::initializer_list<QWidget*>{lblFontFiles, cmdPreview})
        layout->add(below, {0, 1, Third, 1});
    layout->add(lblPAvailable, {Third, 0, TwoThirds, 0});
    layout->add(lstPreview, {Third, 0, TwoThirds, Half});
    layout->add(lstPreview2, {Third, 0, TwoThirds, Half});
    for (QWidget* move : {cmdAdd, cmdAddAll, cmdRemove, cmdRemoveAll})
        layout->add(move, {TwoThirds, 0, TwoThirds, 0});
    layout->add(lblPSelected, {TwoThirds, 0, 1, 0});
    layout->add(lstSelected, {TwoThirds, 0, 1, Half});
    for (QWidget* sizes : std::initializer_list<QWidget*>{sampleSizeLabel, spnPreviewSize,
                                                          printSizeLabel, spnPreviewPrintSize})
        layout->add(sizes, {Third, Half, Third, Half});
    for (QWidget* button : {cmdInstall, cmdPreviewPrint})
        layout->add(button, {1, Half, 1, Half});
    layout->add(cmdFontDetails, {1, 0, 1, 0});
    layout->add(lblPreviewSample, {Third, Half, 1, Half});
    layout->add(memDispPreview, {Third, Half, 1, 1});
    layout->add(pnlLoading, {0, 1, 1, 1});

    connect(Tree1, &QTreeView::doubleClicked, this,
            reportingErrors(platform_.errors, "Tree1DblClick", [this] { Tree1DblClick(); }));
    connect(cmdPreview, &QPushButton::clicked, this,
            reportingErrors(platform_.errors, "cmdPreviewClick", [this] { cmdPreviewClick(); }));
    connect(cmdPreviewCancel, &QPushButton::clicked, this, &InstallPage::cmdPreviewCancelClick);
    // Selection, not the current row: focus alone makes a row current unselected.
    connect(lstPreview, &QListWidget::itemSelectionChanged, this,
            reportingErrors(platform_.errors, "lstPreviewClick", [this] { lstPreviewClick(); }));
    connect(lstSelected, &QListWidget::itemSelectionChanged, this,
            reportingErrors(platform_.errors, "lstSelectedClick", [this] { lstSelectedClick(); }));
    connect(cmdAdd, &QPushButton::clicked, this,
            reportingErrors(platform_.errors, "cmdAddClick", [this] { cmdAddClick(); }));
    connect(cmdAddAll, &QPushButton::clicked, this,
            reportingErrors(platform_.errors, "cmdAddAllClick", [this] { cmdAddAllClick(); }));
    connect(cmdRemove, &QPushButton::clicked, this,
            reportingErrors(platform_.errors, "cmdRemoveClick", [this] { cmdRemoveClick(); }));
    connect(cmdRemoveAll, &QPushButton::clicked, this,
            reportingErrors(platform_.errors, "cmdRemoveAllClick", [this] { cmdRemoveAllClick(); }));
    connect(spnPreviewSize, &QSpinBox::valueChanged, this, &InstallPage::spnPreviewSizeChange);
    connect(spnPreviewPrintSize, &QSpinBox::valueChanged, this, &InstallPage::spnPreviewSizeChange);
    connect(cmdInstall, &QPushButton::clicked, this,
            reportingErrors(platform_.errors, "cmdInstallClick", [this] { cmdInstallClick(); }));
    connect(cmdPreviewPrint, &QPushButton::clicked, this,
            reportingErrors(platform_.errors, "cmdPreviewPrintClick", [this] { cmdPreviewPrintClick(); }));
    connect(&specimens_, &SpecimenSettings::changed, this, &InstallPage::restylePreview);
}

InstallPage::~InstallPage() = default;

void InstallPage::showRootFolder()
{
    Tree1->setCurrentIndex(folderModel->index(QDir::rootPath()));
    // Home is where most font files wait; one double-click away.
    for (QModelIndex index = folderModel->index(QDir::homePath()).parent(); index.isValid();
         index = index.parent())
        Tree1->expand(index);
}

void InstallPage::clearLists()
{
    preview_.clearLists();
    for (QListWidget* list : {lstPreview, lstSelected}) {
        const QSignalBlocker blocker(list);
        list->clear();
    }
    workedIn(Side::Available);
}

void InstallPage::workedIn(Side side)
{
    activeSide_ = side;
    emit currentFontFileChanged();
}

QString InstallPage::currentFontFile() const
{
    const FontFileList& list = preview_.list(activeSide_);
    if (list.current < 0 || list.current >= list.count())
        return {};
    return preview_.PreviewFolder() + list.items[list.current].second.FileName;
}

void InstallPage::showSampleText(bool visible)
{
    QPalette palette = memDispPreview->palette();
    palette.setColor(QPalette::Text, visible ? Qt::black : Qt::white);
    memDispPreview->setPalette(palette);
}

void InstallPage::Tree1DblClick() { chooseFolder(folderModel->filePath(Tree1->currentIndex())); }

void InstallPage::chooseFolder(const QString& path)
{
    if (unpacking_)
        return;
    const BusyCursor busy;
    // A run still reading the last folder's files is dropped with the lists.
    clearLists();
    for (QPushButton* button :
         {cmdAdd, cmdAddAll, cmdRemove, cmdRemoveAll, cmdInstall, cmdPreviewPrint})
        button->setEnabled(false);
    lblPreviewSample->setText(QStringLiteral("Sample"));
    showSampleText(false);
    cmdPreview->setEnabled(false);

    const QFileInfo folder(path);
    if (folder.isFile() && FontArchive::isArchive(path)) {
        // Redrawn while it unpacks; no click is taken until it is done.
        unpacking_ = true;
        const FontArchive::Result archive = preview_.openArchive(
            path, [] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); });
        unpacking_ = false;
        File1->setDirectory(preview_.archiveFolder());
        if (!archive.problems.isEmpty())
            platform_.messages.warning(this, archive.problems.join(u'\n'));
    } else {
        preview_.closeArchive();
        File1->setDirectory(folder.isDir() && folder.isReadable() ? path : QString());
    }
    lblFontFiles->setText(QStringLiteral("Font Files: %1").arg(File1->count()));
    cmdPreview->setEnabled(File1->count() > 0);
    UpdatePreviewCounts();
}

void InstallPage::revealFolder(const QString& path)
{
    const QModelIndex index = folderModel->index(path);
    Tree1->setCurrentIndex(index);
    Tree1->scrollTo(index);
    // The tree reads folders in the background: the parents can open only
    // once they have been read.
    auto* reveal = new QObject(this);
    const auto revealed = [this, path, reveal](const QString& loaded) {
        const QModelIndex index = folderModel->index(path);
        if (Tree1->currentIndex() != index) {
            reveal->deleteLater();
            return;
        }
        if (loaded == path || path.startsWith(loaded + u'/') || loaded == QDir::rootPath())
            Tree1->scrollTo(index);
        if (loaded == path)
            reveal->deleteLater();
    };
    connect(folderModel, &QFileSystemModel::directoryLoaded, reveal, revealed);
}

void InstallPage::openFiles(const NamedFontFiles& named)
{
    if (named.folder.isEmpty())
        return;
    revealFolder(named.folder);
    chooseFolder(named.folder);
    if (!named.preview() || !cmdPreview->isEnabled())
        return;
    cmdPreviewClick();

    const FontFileList& available = preview_.available();
    for (const QString& fileName : named.fileNames) {
        for (int row = 0; row < available.count(); ++row) {
            if (available.items[row].second.FileName != fileName)
                continue;
            preview_.setCurrent(Side::Available, row);
            {
                const QSignalBlocker blocker(lstPreview);
                lstPreview->setCurrentRow(row);
            }
            ShowPreviewSample(Side::Available);
            workedIn(Side::Available);
            return;
        }
    }
}

void InstallPage::cmdPreviewClick()
{
    if (running())
        return;
    lblLoading->setText(QStringLiteral("Loading %1 fonts").arg(File1->count()));
    gaugeLoading->setValue(0);
    pnlLoading->show();
    pnlLoading->repaint();
    // One run at a time: the button stays off until this one is over.
    cmdPreview->setEnabled(false);

    FontFolderPreview::LoadingHooks hooks;
    hooks.pumpEvents = [] { QCoreApplication::processEvents(); };
    hooks.showProgress = [this](int percent) { gaugeLoading->setValue(percent); };
    const auto result = preview_.runLoading(File1->directory(), File1->fileNames(), hooks);
    pnlLoading->hide();
    // The folder choice or page change that dropped the run has set the page up.
    if (result == FontFolderPreview::RunResult::Dropped)
        return;

    showList(Side::Available);
    const bool found = !preview_.available().isEmpty();
    showSampleText(found);
    if (found) {
        lstPreview->setFocus();
        ShowPreviewSample(Side::Available);
    }
    workedIn(Side::Available);
    cmdAdd->setEnabled(found);
    cmdAddAll->setEnabled(found);
    cmdPreview->setEnabled(!found);
    UpdatePreviewCounts();
    const QStringList undecodable = FontFolderPreview::undecodableFontFileNames(File1->directory());
    if (!undecodable.isEmpty())
        platform_.messages.warning(
            this, QStringLiteral("These font files cannot be opened: their names are not UTF-8 "
                                 "text. Rename them to open them.\n\n%1")
                      .arg(undecodable.join(u'\n')));
}

void InstallPage::cmdPreviewCancelClick() { preview_.cancelLoading(); }

void InstallPage::showList(Side side)
{
    QListWidget* widget = listOf(side);
    const FontFileList& list = preview_.list(side);
    const QSignalBlocker blocker(widget);
    widget->clear();
    QStringList texts;
    texts.reserve(list.count());
    for (const FontFileItem& item : list.items)
        texts << item.first;
    widget->addItems(texts);
    widget->setCurrentRow(list.current);
}

void InstallPage::lstPreviewClick()
{
    preview_.setCurrent(Side::Available, selectedRow(lstPreview));
    ShowPreviewSample(Side::Available);
    workedIn(Side::Available);
}

void InstallPage::lstSelectedClick()
{
    preview_.setCurrent(Side::Selected, selectedRow(lstSelected));
    ShowPreviewSample(Side::Selected);
    workedIn(Side::Selected);
}

void InstallPage::ShowPreviewSample(Side side)
{
    const BusyCursor busy;
    const std::optional<FontFolderPreview::Sample> sample = preview_.ShowPreviewSample(side);
    if (!sample)
        return;
    if (!sample->problem.isEmpty()) {
        showSampleText(false);
        lblPreviewSample->setText(sample->problem);
        lblPreviewSample->repaint();
        return;
    }
    showSampleText(true);
    QFont font = specimens_.variations().axes.isEmpty()
                     ? sample->font
                     : platform_.fonts.makeFont(Specimen(preview_.SampleFontFile(), 0, false,
                                                         false, specimens_.variations())
                                                    .inFace(preview_.SampleFaceIndex()));
    font.setPointSizeF(memDispPreview->font().pointSizeF());
    memDispPreview->setFont(font);
    memDispPreview->repaint();
    lblPreviewSample->setText(QStringLiteral("Sample: ") + sample->name);
    lblPreviewSample->repaint();
}

void InstallPage::restylePreview()
{
    if (preview_.SampleFontFile().isEmpty())
        return;
    QFont font = platform_.fonts.makeFont(
        Specimen(preview_.SampleFontFile(), 0, false, false, specimens_.variations())
            .inFace(preview_.SampleFaceIndex()));
    font.setPointSizeF(memDispPreview->font().pointSizeF());
    memDispPreview->setFont(font);
}

void InstallPage::moveOne(Side from)
{
    const Side to = from == Side::Available ? Side::Selected : Side::Available;
    QListWidget* source = listOf(from);
    QListWidget* target = listOf(to);
    preview_.setCurrent(from, selectedRow(source));
    const FontFolderPreview::Move move = preview_.moveCurrent(from);
    const QSignalBlocker sourceBlocker(source);
    const QSignalBlocker targetBlocker(target);
    if (move.from >= 0)
        target->insertItem(move.to, source->takeItem(move.from));
    source->setFocus();
    source->setCurrentRow(preview_.list(from).current);
    UpdateMoveButtons();
    workedIn(from);
}

void InstallPage::moveAll(Side from)
{
    const Side to = from == Side::Available ? Side::Selected : Side::Available;
    preview_.setCurrent(to, selectedRow(listOf(to)));
    preview_.moveAll(from);
    showList(from);
    showList(to);
    UpdateMoveButtons();
    const QSignalBlocker blocker(listOf(to));
    listOf(to)->setFocus();
    workedIn(to);
}

void InstallPage::cmdAddClick()
{
    moveOne(Side::Available);
    ShowPreviewSample(Side::Available);
}

void InstallPage::cmdRemoveClick() { moveOne(Side::Selected); }

void InstallPage::cmdAddAllClick() { moveAll(Side::Available); }

void InstallPage::cmdRemoveAllClick() { moveAll(Side::Selected); }

void InstallPage::spnPreviewSizeChange()
{
    const int value = spnPreviewSize->value();
    if (!inRange(value, spnPreviewSize))
        return;
    QFont font = memDispPreview->font();
    font.setPointSize(value);
    memDispPreview->setFont(font);
}

void InstallPage::UpdatePreviewCounts()
{
    lblPAvailable->setText(QStringLiteral("Available Fonts: %1").arg(preview_.available().count()));
    lblPSelected->setText(QStringLiteral("Selected Fonts: %1").arg(preview_.selected().count()));
}

void InstallPage::UpdateMoveButtons()
{
    const bool available = !preview_.available().isEmpty();
    const bool selected = !preview_.selected().isEmpty();
    cmdAdd->setEnabled(available);
    cmdAddAll->setEnabled(available);
    for (QPushButton* button : {cmdRemove, cmdRemoveAll, cmdInstall, cmdPreviewPrint})
        button->setEnabled(selected);
    UpdatePreviewCounts();
}

void InstallPage::leavePage()
{
    const BusyCursor busy;
    clearLists();
    cmdPreview->setEnabled(File1->count() > 0);
    for (QPushButton* button :
         {cmdInstall, cmdPreviewPrint, cmdAdd, cmdAddAll, cmdRemove, cmdRemoveAll})
        button->setEnabled(false);
    lblPreviewSample->setText(QStringLiteral("Sample"));
    showSampleText(false);
    UpdatePreviewCounts();
    preview_.UnloadSampleFont();
    preview_.UnloadPrintedFonts();
    preview_.dropUnpackedCopies();
}

void InstallPage::closePage()
{
    // Dropped, not cancelled: a cancelled run would still load its first font.
    preview_.clearLists();
    preview_.UnloadSampleFont();
    preview_.UnloadPrintedFonts();
    preview_.closeArchive();
    preview_.dropUnpackedCopies();
}

bool InstallPage::running() const
{
    return unpacking_ || preview_.isLoading() || (installer_ && installer_->busy())
           || printState_.JobRunning;
}

void InstallPage::cancelRun()
{
    if (preview_.isLoading())
        cmdPreviewCancelClick();
    if (installer_ && installer_->busy())
        installState_.InstallCancelled = true;
    if (printState_.JobRunning)
        printState_.PrintCancelled = true;
}

void InstallPage::setPrintingDialog(TfrmPrinting* dialog)
{
    printout_ = std::make_unique<PreviewPrintout>(platform_.printer, *dialog, printState_);
}

void InstallPage::setInstallingDialog(TfrmInstalling* dialog)
{
    installer_ = std::make_unique<FontInstaller>(platform_.fonts, platform_.shell, platform_.messages,
                                                 *dialog, installState_, this);
}

void InstallPage::cmdInstallClick()
{
    if (!installer_ || running())
        return;
    emit pageLocked(true);
    const auto unlock = qScopeGuard([this] { emit pageLocked(false); });

    FontInstaller::Hooks hooks;
    hooks.processEvents = [] { QCoreApplication::processEvents(); };
    hooks.runEnded = [this] {
        preview_.clearSelected();
        showList(Side::Selected);
        UpdateMoveButtons();
        workedIn(activeSide_);
        emit installRunEnded();
    };
    hooks.plainFile = [this](const FontFileItem& item, QString* why) {
        return preview_.plainFile(preview_.PreviewFolder(), item.second, why);
    };
    installer_->install(preview_.selected().items, preview_.PreviewFolder(), fontsFolder_,
                        hooks);
}

void InstallPage::cmdPreviewPrintClick()
{
    if (!printout_ || running())
        return;
    emit pageLocked(true);
    const auto unlock = qScopeGuard([this] { emit pageLocked(false); });

    PreviewPrintout::Hooks hooks;
    hooks.processEvents = [] { QCoreApplication::processEvents(); };
    hooks.startLoading = [this](const QString& folder) {
        preview_.UnloadPrintedFonts();
        preview_.PrintLoadFolder = folder;
    };
    // Only files actually loaded are kept for unloading: a cancelled printout
    // never loaded the rest, and unloading them would take another use's load.
    hooks.loadFontFile = [this](const FontFileItem& item) {
        return preview_.loadPrintedFont(item);
    };
    const PreviewPrintout::Page page{texts_.headingFont(), texts_.title(), texts_.chartLines(),
                                     spnPreviewPrintSize->value(), specimens_.variations()};
    printout_->print(preview_.selected().items, preview_.PreviewFolder(), page, hooks);
}

void InstallPage::showStartText(const QString& text)
{
    memDispPreview->setPlainText(text);
    showSampleText(false);
}
