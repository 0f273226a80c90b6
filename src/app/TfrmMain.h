#pragma once

#include "app/SampleTexts.h"
#include "catalogue/SpecimenSettings.h"
#include "catalogue/FontLibrary.h"
#include "catalogue/SelectedFontsPainter.h"
#include "fontfiles/InstallState.h"
#include "platform/Platform.h"
#include "printing/PrintState.h"

#include <QMainWindow>
#include <QPointer>
#include <QTimer>

#include <memory>

class EditTextPage;
class FontFileCommands;
class FontMapPage;
class FormDesign;
class InstallPage;
class LargeSamplePage;
class MainPage;
class PageControl;
class QAction;
class QKeyEvent;
class QMenu;
class ShowAllPage;
class THelpRouter;
class TfrmInstalling;
class TfrmPrinting;
class TfrmSplash;
class TfrmFontDetails;

// The main window: the frame of the six pages and the menu. It holds the
// window-wide values, runs the start-up and close order and the page changes,
// and carries whatever one page needs from another.
class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TfrmMain(Platform& platform, QWidget* parent = nullptr);
    ~TfrmMain() override;

    // The splash window is destroyed when this window is first shown.
    void setSplash(TfrmSplash* splash);
    // Screen pixels per design pixel, for the dialogs laid out as the pages are.
    double designScale() const;

    void FormCreate();
    void Exit1Click();
    void UsingGlyphary1Click();
    void HowtoFixProblemAccessingHelp1Click();
    void About1Click();
    // Opens the details of the current family, or of the current previewed file.
    void FontDetails1Click();
    // Moves the current family's faces in the user's fonts folder to the trash.
    void RemoveFontFamily1Click();
    // Font files or a folder to preview and install, as named on the command
    // line or dropped on the window. Refused with a message during a run.
    void openFontFiles(const QStringList& paths);

    // Window-wide values.
    QString AppFolder;
    // The user's fonts folder with a trailing separator; empty when unknown.
    QString FontsFolder;
    // Job state of the printouts.
    PrintState printState;
    InstallState installState;

    const FontCatalogue& catalogue() const { return library_.catalogue(); }
    FontLibrary& library() { return library_; }
    const SampleTexts& sampleTexts() const { return sampleTexts_; }
    SpecimenSettings& specimens() { return specimens_; }
    // The printing progress dialog, created hidden after this window.
    void setPrintingDialog(TfrmPrinting* dialog);
    // The installing progress dialog, likewise.
    void setInstallingDialog(TfrmInstalling* dialog);

    MainPage* mainPage() const { return mainPage_; }
    LargeSamplePage* largeSamplePage() const { return largeSamplePage_; }
    FontMapPage* fontMapPage() const { return fontMapPage_; }
    ShowAllPage* showAllPage() const { return showAllPage_; }
    EditTextPage* editTextPage() const { return editTextPage_; }
    InstallPage* installPage() const { return installPage_; }

    // The Show All page as the Main page's selection and sample boxes make it.
    SelectedFontsPainter::Page selectedFontsPage() const;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormShow();
    void FormClose();
    // True when the key was used for paging and goes no further.
    bool FormKeyDown(QKeyEvent* event);
    void PageControl1Changing(QWidget* left);
    void PageControl1Change(QWidget* page);
    // Ctrl+F: the Main page's find box, from any page.
    void findFonts();
    void buildMenu();
    // An open details dialog shows what is current now.
    void followFontDetails();
    void changeHeadingFont(const QString& face);
    // While a run pumps events on a page, the user can't leave that page.
    void lockPage(bool locked);
    // The Main page showed another family.
    void currentFamilyShown();

    Platform& platform_;
    std::unique_ptr<FormDesign> design_;
    FontLibrary library_;
    SampleTexts sampleTexts_;
    SpecimenSettings specimens_;
    QPointer<TfrmSplash> splash_;
    bool shown_ = false;
    // A close asked for during a run: tried again once the run has returned.
    QTimer closeWhenIdle_;

    QMenu* File2 = nullptr;
    QAction* FontDetails1 = nullptr;
    QAction* RemoveFontFamily1 = nullptr;
    QAction* Exit1 = nullptr;
    QMenu* Help1 = nullptr;
    QAction* UsingGlyphary1 = nullptr;
    QAction* HowtoFixProblemAccessingHelp1 = nullptr;
    QAction* About1 = nullptr;
    THelpRouter* HelpRouter1 = nullptr;

    PageControl* PageControl1 = nullptr;
    MainPage* mainPage_ = nullptr;
    LargeSamplePage* largeSamplePage_ = nullptr;
    FontMapPage* fontMapPage_ = nullptr;
    ShowAllPage* showAllPage_ = nullptr;
    EditTextPage* editTextPage_ = nullptr;
    InstallPage* installPage_ = nullptr;
    QPointer<TfrmFontDetails> fontDetails_;
    FontFileCommands* fileCommands_ = nullptr;
};
