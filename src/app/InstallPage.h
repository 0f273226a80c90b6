#pragma once

#include "fontfiles/FontFolderPreview.h"
#include "fontfiles/NamedFontFiles.h"

#include <QWidget>

#include <memory>

class SpecimenSettings;
class FileListBox;
class FontInstaller;
class PreviewPrintout;
class TfrmInstalling;
struct InstallState;
struct PrintState;
class SampleTexts;
class TfrmPrinting;
struct Platform;
class FormDesign;
class QFileSystemModel;
class QFrame;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTreeView;

// The Preview/Install page: font files of a folder, previewed without
// installing them, printed and installed.
class InstallPage : public QWidget {
    Q_OBJECT
public:
    // The job states are the window's, shared with the Main page's print job.
    InstallPage(Platform& platform, const SpecimenSettings& specimens, const FormDesign& design,
                const QFont& windowFont, const SampleTexts& texts, PrintState& printState,
                InstallState& installState);
    ~InstallPage() override;

    // The folder tree starts on the file system's root, opened down to the
    // user's home folder.
    void showRootFolder();

    void Tree1DblClick();
    // The folder choice of a double-click, for a folder named by path; the
    // tree shows it.
    void chooseFolder(const QString& path);
    // Chooses the named folder, runs Preview Fonts when a folder or a font file
    // in it was named, and shows the first named file. Not during a run.
    void openFiles(const NamedFontFiles& named);
    void cmdPreviewClick();
    void cmdPreviewCancelClick();
    void lstPreviewClick();
    void lstSelectedClick();
    void cmdAddClick();
    void cmdAddAllClick();
    void cmdRemoveClick();
    void cmdRemoveAllClick();
    void spnPreviewSizeChange();
    void UpdatePreviewCounts();
    void UpdateMoveButtons();
    void cmdInstallClick();
    void cmdPreviewPrintClick();

    // The progress dialogs, once they exist.
    void setPrintingDialog(TfrmPrinting* dialog);
    void setInstallingDialog(TfrmInstalling* dialog);

    // The user leaves the page: both lists empty, every file the page loaded
    // unloaded. A loading run in progress is dropped.
    void leavePage();
    // The window closes: a loading run stops and every file loaded is unloaded.
    void closePage();

    // Unpacking an archive, a loading run, an install run or a printout is
    // pumping events.
    bool running() const;
    // Cancels whichever of them runs, as its Cancel button does.
    void cancelRun();
    // The file of the current item of the list the user last worked in;
    // empty when that list has none.
    QString currentFontFile() const;

    // The lists, their entries and the files loaded for them.
    FontFolderPreview& preview() { return preview_; }
    // Where installed fonts go, with a trailing separator; empty when unknown.
    void setFontsFolder(const QString& folder) { fontsFolder_ = folder; }
    // The preview memo's text before any file is previewed, drawn invisible.
    void showStartText(const QString& text);

signals:
    void currentFontFileChanged();
    void fontDetailsRequested();
    // While a run pumps events here, the user can't leave the page.
    void pageLocked(bool locked);
    // An install run ended; the Main page marks the first family.
    void installRunEnded();

private:

    QFileSystemModel* folderModel = nullptr;
    QTreeView* Tree1 = nullptr;
    FileListBox* File1 = nullptr;
    QLabel* lblFontFiles = nullptr;
    QPushButton* cmdPreview = nullptr;
    QFrame* pnlLoading = nullptr;
    QLabel* lblLoading = nullptr;
    QProgressBar* gaugeLoading = nullptr;
    QPushButton* cmdPreviewCancel = nullptr;
    QListWidget* lstPreview = nullptr;
    QListWidget* lstSelected = nullptr;
    QListWidget* lstPreview2 = nullptr;
    QPushButton* cmdAdd = nullptr;
    QPushButton* cmdAddAll = nullptr;
    QPushButton* cmdRemove = nullptr;
    QPushButton* cmdRemoveAll = nullptr;
    QLabel* lblPAvailable = nullptr;
    QLabel* lblPSelected = nullptr;
    QPlainTextEdit* memDispPreview = nullptr;
    QLabel* lblPreviewSample = nullptr;
    QSpinBox* spnPreviewSize = nullptr;
    QSpinBox* spnPreviewPrintSize = nullptr;
    QPushButton* cmdInstall = nullptr;
    QPushButton* cmdPreviewPrint = nullptr;
    QPushButton* cmdFontDetails = nullptr;

    using Side = FontFolderPreview::Side;

    QListWidget* listOf(Side side) const { return side == Side::Available ? lstPreview : lstSelected; }
    // The list widget shows the logic's list and current item.
    void showList(Side side);
    void ShowPreviewSample(Side side);
    void showSampleText(bool visible);
    // Moves between the lists by one of the four buttons.
    void moveOne(Side from);
    void moveAll(Side from);
    void clearLists();
    void workedIn(Side side);
    // The tree opens down to the folder and shows it current.
    void revealFolder(const QString& path);

    const SampleTexts& texts_;
    const SpecimenSettings& specimens_;
    // The previewed file's sample at the program's axis settings.
    void restylePreview();
    PrintState& printState_;
    InstallState& installState_;
    QString fontsFolder_;
    Platform& platform_;
    FontFolderPreview preview_;
    Side activeSide_ = Side::Available;
    bool unpacking_ = false;  // an archive chosen as the folder is being unpacked
    std::unique_ptr<FontInstaller> installer_;
    std::unique_ptr<PreviewPrintout> printout_;
};
