#include "app/TfrmMain.h"

#include "app/DesignLayout.h"
#include "app/EditTextPage.h"
#include "app/FontFileCommands.h"
#include "app/FontMapPage.h"
#include "app/FormDesign.h"
#include "app/InstallPage.h"
#include "app/LargeSamplePage.h"
#include "app/MainPage.h"
#include "app/PageControl.h"
#include "app/ShowAllPage.h"
#include "app/TfrmFontDetails.h"
#include "app/TfrmSplash.h"
#include "help/TfrmAbout.h"
#include "help/TfrmHelpProblem.h"
#include "help/THelpRouter.h"
#include "platform/AsWritten.h"
#include "platform/ErrorReporter.h"
#include "platform/FontService.h"
#include "platform/IniFiles.h"
#include "platform/MessageBoxes.h"
#include "platform/ScreenMetrics.h"
#include "platform/Shell.h"
#include "settings/MainFormSettings.h"
#include "settings/TPFormSettings.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QShortcut>
#include <QTabBar>

#include <algorithm>

namespace {

constexpr int ClientWidth = 692;
constexpr int ClientHeight = 472;
constexpr int TabWidth = 113;
constexpr int WideTabWidth = 125;

const QString NoScreenFontPage = QStringLiteral(
    "The currently selected font does not have an equivalent screen font,\n"
    "so the large sample and font map are not available.");

}  // namespace

TfrmMain::TfrmMain(Platform& platform, QWidget* parent)
    : QMainWindow(parent),
      platform_(platform),
      design_(std::make_unique<FormDesign>(platform.screen.logicalDpiX())),
      library_(platform.fonts, platform.printer, platform.switches)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Glyphary"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                   Qt::WindowCloseButtonHint);

    QFont designFont = systemFont();
    designFont.setPointSize(8);
    setFont(designFont);

    buildMenu();
    HelpRouter1 = new THelpRouter(platform_.help, this);
    HelpRouter1->CHMPopupTopics = QStringLiteral("CSHelp.txt");
    HelpRouter1->setHelpType(htHTMLhelp);
    PageControl1 = new PageControl(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    // The designed size is the least; the tab widths are worked out at it.
    const QSize designed(design_->px(ClientWidth), design_->px(ClientHeight));
    PageControl1->setMinimumSize(designed);
    PageControl1->resize(designed);
    setCentralWidget(PageControl1);

    const FormDesign& d = *design_;
    // Ahead of the list, which shows its current family again after a change.
    const auto forgetDetails = [this] {
        if (fontDetails_)
            fontDetails_->forget();
    };
    connect(&library_, &FontLibrary::changed, this, forgetDetails);
    connect(&library_, &FontLibrary::switched, this, forgetDetails);
    mainPage_ = new MainPage(platform_, library_, specimens_, d, sampleTexts_);
    largeSamplePage_ = new LargeSamplePage(platform_.fonts, specimens_, d, designFont);
    fontMapPage_ = new FontMapPage(platform_.fonts, platform_.blockNames, specimens_, d, designFont);
    showAllPage_ = new ShowAllPage(platform_, d, designFont, [this] { return selectedFontsPage(); });
    editTextPage_ = new EditTextPage(platform_, d, sampleTexts_);
    installPage_ = new InstallPage(platform_, specimens_, d, designFont, sampleTexts_, printState,
                                   installState);
    PageControl1->addTab(mainPage_, QStringLiteral("&Main"));
    PageControl1->addTab(largeSamplePage_, QStringLiteral("&Large Sample"));
    PageControl1->addTab(fontMapPage_, QStringLiteral("F&ont Map"));
    PageControl1->addTab(showAllPage_, QStringLiteral("Show &All Selected"));
    PageControl1->addTab(editTextPage_, QStringLiteral("&Edit Sample Text"));
    PageControl1->addTab(installPage_, QStringLiteral("Preview/&Install"));
    PageControl1->setTabWidth(TabWidth);
    const QSize page = PageControl1->pageSize(designed);
    for (int i = 0; i < PageControl1->count(); ++i) {
        if (auto* layout = dynamic_cast<DesignLayout*>(PageControl1->widget(i)->layout()))
            layout->setDesignedSize(page);
    }
    resize(minimumSizeHint());
    move(133, 87);

    connect(PageControl1, &PageControl::pageChanging, this, &TfrmMain::PageControl1Changing);
    connect(PageControl1, &PageControl::pageChanged, this, &TfrmMain::PageControl1Change);
    connect(PageControl1, &PageControl::pageChanged, this, &TfrmMain::followFontDetails);
    connect(mainPage_, &MainPage::fontDetailsRequested, this, &TfrmMain::FontDetails1Click);
    connect(mainPage_, &MainPage::currentFamilyShown, this, &TfrmMain::currentFamilyShown);
    connect(mainPage_, &MainPage::headingFontChosen, this, &TfrmMain::changeHeadingFont);
    connect(installPage_, &InstallPage::pageLocked, this, &TfrmMain::lockPage);
    connect(installPage_, &InstallPage::installRunEnded, &library_, &FontLibrary::noteInstalled);
    // Show All paints what the texts say now, even if they changed while it was hidden.
    connect(&sampleTexts_, &SampleTexts::changed, showAllPage_, &ShowAllPage::refresh);
    connect(&specimens_, &SpecimenSettings::changed, showAllPage_, &ShowAllPage::refresh);
    specimens_.restore(platform_.settings);
    connect(&specimens_, &SpecimenSettings::changed, this, [this] { specimens_.save(platform_.settings); });
    connect(installPage_, &InstallPage::fontDetailsRequested, this, &TfrmMain::FontDetails1Click);
    connect(installPage_, &InstallPage::currentFontFileChanged, this,
            &TfrmMain::followFontDetails);
    connect(new QShortcut(QKeySequence::Find, this), &QShortcut::activated, this,
            &TfrmMain::findFonts);
    // The saved option states and place come back before FormCreate.
    new TPFormSettings(*this, MainFormSettings, platform_.settings, platform_.screen,
                       platform_.errors);
    // Key preview: the window sees every key before the focused control.
    qApp->installEventFilter(this);
    fileCommands_ = new FontFileCommands(platform_, library_, this, PageControl1, mainPage_,
                                         installPage_, File2, RemoveFontFamily1);

    closeWhenIdle_.setInterval(50);
    connect(&closeWhenIdle_, &QTimer::timeout, this, [this] {
        if (!installPage_->running()) {
            closeWhenIdle_.stop();
            close();
        }
    });
}

TfrmMain::~TfrmMain() = default;

void TfrmMain::setSplash(TfrmSplash* splash) { splash_ = splash; }

double TfrmMain::designScale() const { return design_->scale(); }

void TfrmMain::buildMenu()
{
    File2 = menuBar()->addMenu(QStringLiteral("&File"));
    File2->setObjectName(QStringLiteral("File2"));
    FontDetails1 = File2->addAction(QStringLiteral("Font &Details..."), this,
                                    &TfrmMain::FontDetails1Click);
    FontDetails1->setObjectName(QStringLiteral("FontDetails1"));
    FontDetails1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    RemoveFontFamily1 = File2->addAction(QStringLiteral("&Remove Font Family..."));
    RemoveFontFamily1->setObjectName(QStringLiteral("RemoveFontFamily1"));
    File2->addSeparator();
    Exit1 = File2->addAction(QStringLiteral("E&xit"), this, &TfrmMain::Exit1Click);
    Exit1->setObjectName(QStringLiteral("Exit1"));

    Help1 = menuBar()->addMenu(QStringLiteral("&Help"));
    Help1->setObjectName(QStringLiteral("Help1"));
    UsingGlyphary1 =
        Help1->addAction(QStringLiteral("&Using Glyphary"), this, &TfrmMain::UsingGlyphary1Click);
    UsingGlyphary1->setObjectName(QStringLiteral("UsingGlyphary1"));
    HowtoFixProblemAccessingHelp1 =
        Help1->addAction(QStringLiteral("&How to Fix Problem Accessing Help"), this,
                        &TfrmMain::HowtoFixProblemAccessingHelp1Click);
    HowtoFixProblemAccessingHelp1->setObjectName(QStringLiteral("HowtoFixProblemAccessingHelp1"));
    Help1->addSeparator();
    About1 = Help1->addAction(QStringLiteral("&About"), this, &TfrmMain::About1Click);
    About1->setObjectName(QStringLiteral("About1"));
}

// ---------------------------------------------------------------------------
// Start-up, show and close

void TfrmMain::FormCreate()
{
    library_.load();

    // The memo follows the size and style boxes as restored, not a fixed
    // 12 point regular that the boxes would contradict.
    mainPage_->applySampleBoxes();
    // Likewise the preview memo follows its restored size box.
    installPage_->spnPreviewSizeChange();

    sampleTexts_.setHeadingFont(QStringLiteral("Arial"));
    AppFolder = platform_.appFolder;
    platform_.help.HelpFile = platform_.dataFolder + QStringLiteral("GLYPHARY.CHM");

    fontMapPage_->fillGrid();

    PageControl1->setActivePageQuietly(mainPage_);
    installPage_->showRootFolder();

    const QString fontsFolder = platform_.shell.userFontsFolder();
    FontsFolder = fontsFolder.isEmpty() ? QString() : fontsFolder + u'/';
    installPage_->setFontsFolder(FontsFolder);

    if (platform_.screen.logicalDpiX() > FormDesign::DesignDpi)
        PageControl1->setTabWidth(WideTabWidth);
    if (platform_.screen.screenSize().width() <= 800)
        move(0, 0);
}

void TfrmMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
}

void TfrmMain::FormShow()
{
    SampleTextStore& sampleTexts = editTextPage_->sampleTexts();
    try {
        if (!sampleTexts.iniFileExists())
            sampleTexts.WriteDefaultTexts();
        sampleTexts.LoadSampleTexts();
    } catch (const IniWriteError& error) {
        // The window opens all the same, with the default texts; the failure
        // is reported from the message loop, once the window is up.
        sampleTexts.ShowDefaultTexts();
        QMetaObject::invokeMethod(
            this,
            [this, message = QString::fromLocal8Bit(error.what())] {
                platform_.errors.report(message, QStringLiteral("FormShow"));
            },
            Qt::QueuedConnection);
    }
    const QString& text = sampleTexts_.sample();
    largeSamplePage_->setSampleText(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ\nabcdefghijklmnopqrstuvwxyz\n"
                                                   "1234567890!@#$%^&*()-=+{}[];:'\",.?\n") +
                                    text);
    installPage_->showStartText(SampleTexts::Alphabets + text);

    fontMapPage_->fitCells();

    delete splash_;
    mainPage_->lstFontsClick();
    mainPage_->focusFontList();
    QMetaObject::invokeMethod(fileCommands_, &FontFileCommands::tellRulesNotice, Qt::QueuedConnection);
}

void TfrmMain::closeEvent(QCloseEvent* event)
{
    closeWhenIdle_.stop();
    FormClose();
    event->accept();
}

void TfrmMain::FormClose()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    installPage_->closePage();
    if (installState.FontsInstalled)
        platform_.fonts.broadcastFontChange();
    QApplication::restoreOverrideCursor();
}

void TfrmMain::Exit1Click() { close(); }

void TfrmMain::UsingGlyphary1Click()
{
    if (platform_.help.HelpCommand(HELP_CONTENTS, 0u))
        return;
    // Help that cannot open says why rather than nothing at all.
    const QString missing = TfrmHelpProblem::missing(platform_.help);
    platform_.messages.error(this, missing.isEmpty()
                                       ? QStringLiteral("The help file %1 cannot be read.")
                                             .arg(QDir::toNativeSeparators(platform_.help.HelpFile))
                                       : missing);
}

void TfrmMain::HowtoFixProblemAccessingHelp1Click()
{
    (new TfrmHelpProblem(platform_.help, platform_.shell, platform_.messages, this,
                         design_->scale()))
        ->show();
}

void TfrmMain::FontDetails1Click()
{
    if (!fontDetails_)
        fontDetails_ = new TfrmFontDetails(platform_.fonts, platform_.blockNames, platform_.shell,
                                           platform_.shell.userFontsFolder(), this,
                                           design_->scale());
    fontDetails_->show();
    fontDetails_->raise();
    fontDetails_->activateWindow();
    followFontDetails();
}

void TfrmMain::followFontDetails()
{
    mainPage_->showVariationsOf(PageControl1->currentWidget() == installPage_
                                    ? installPage_->currentFontFile()
                                    : library_.catalogue().CurrentFontName());
    if (!fontDetails_ || !fontDetails_->isVisible())
        return;
    if (PageControl1->currentWidget() == installPage_) {
        const QString path = installPage_->currentFontFile();
        if (path.isEmpty())
            fontDetails_->showNothing();
        else
            fontDetails_->showFile(path);
    } else if (library_.catalogue().CurrentFontName().isEmpty()) {
        fontDetails_->showNothing();
    } else {
        fontDetails_->showFamily(library_.catalogue().CurrentFontName());
    }
}

void TfrmMain::RemoveFontFamily1Click() { fileCommands_->removeCurrentFamily(); }

void TfrmMain::openFontFiles(const QStringList& paths) { fileCommands_->openFontFiles(paths); }

void TfrmMain::About1Click() { (new TfrmAbout(platform_.shell, this, design_->scale()))->show(); }

// ---------------------------------------------------------------------------
// Pages and keys

void TfrmMain::PageControl1Changing(QWidget* left)
{
    if (left != installPage_)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    installPage_->leavePage();
    // Fonts installed on the page join the list.
    library_.refresh();
    QApplication::restoreOverrideCursor();
}

void TfrmMain::findFonts()
{
    // A run that pumps events on another page keeps the user there.
    if (PageControl1->currentWidget() != mainPage_
        && !PageControl1->isTabEnabled(PageControl1->indexOf(mainPage_)))
        return;
    PageControl1->setCurrentWidget(mainPage_);
    mainPage_->focusFind();
}

void TfrmMain::PageControl1Change(QWidget* page)
{
    if ((page == fontMapPage_ || page == largeSamplePage_) && library_.catalogue().NoScreenFont()) {
        PageControl1->setActivePageQuietly(mainPage_);
        platform_.messages.information(this, NoScreenFontPage);
    } else if (page == mainPage_) {
        mainPage_->focusFontList();
    } else if (page == largeSamplePage_) {
        largeSamplePage_->LargeSampleRefresh(library_.catalogue().CurrentFontName());
    } else if (page == fontMapPage_) {
        fontMapPage_->ShowFontMap(library_.catalogue().CurrentFontName());
    } else if (page == showAllPage_) {
        showAllPage_->scrollToTop();
    }
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event)
{
    // A close during a run cancels it; the window closes once the run has
    // returned. Held back here, the close reaches neither the settings store
    // nor FormClose while the run still uses what they would save and unload.
    if (watched == this && event->type() == QEvent::Close && installPage_->running()) {
        installPage_->cancelRun();
        closeWhenIdle_.start();
        event->ignore();
        return true;
    }
    // A key that the focused control passes on reaches its parents as well;
    // preview it once, on its way to the focused control.
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        if (widget->window() == this && (widget == QApplication::focusWidget() || widget == this))
            return FormKeyDown(static_cast<QKeyEvent*>(event));
    }
    return QMainWindow::eventFilter(watched, event);
}

bool TfrmMain::FormKeyDown(QKeyEvent* event)
{
    if (PageControl1->currentWidget() != showAllPage_)
        return false;
    switch (event->key()) {
    case Qt::Key_PageUp:
        showAllPage_->scrollBy(-showAllPage_->pageStep());
        break;
    case Qt::Key_PageDown:
        showAllPage_->scrollBy(showAllPage_->pageStep());
        break;
    case Qt::Key_Home:
        showAllPage_->scrollToTop();
        return false;
    case Qt::Key_End:
        showAllPage_->scrollToEnd();
        return false;
    default:
        return false;
    }
    // The page's only other control, the size box, would take Page Up and
    // Page Down as steps of ten points and repaint the page at another size.
    return true;
}

// ---------------------------------------------------------------------------
// Between pages

SelectedFontsPainter::Page TfrmMain::selectedFontsPage() const
{
    SelectedFontsPainter::Page page;
    page.families = mainPage_->drawnFamilies();
    page.headingFontName = sampleTexts_.headingFont();
    page.sampleText = sampleTexts_.sample();
    page.bold = mainPage_->sampleBold();
    page.italic = mainPage_->sampleItalic();
    page.variations = specimens_.variations();
    return page;
}

void TfrmMain::changeHeadingFont(const QString& face)
{
    editTextPage_->sampleTexts().changeHeadingFont(this, face);
}

void TfrmMain::currentFamilyShown()
{
    followFontDetails();
    if (!library_.catalogue().NoScreenFont() && library_.catalogue().currCharPointSize() > 0)
        fontMapPage_->setCurrCharPointSize(library_.catalogue().currCharPointSize());
}

void TfrmMain::setPrintingDialog(TfrmPrinting* dialog)
{
    mainPage_->setPrintingDialog(dialog, printState);
    installPage_->setPrintingDialog(dialog);
}

void TfrmMain::setInstallingDialog(TfrmInstalling* dialog)
{
    installPage_->setInstallingDialog(dialog);
}

void TfrmMain::lockPage(bool locked)
{
    // A disabled tab takes no click, no Ctrl+Tab and no access key.
    for (int i = 0; i < PageControl1->count(); ++i) {
        if (i != PageControl1->currentIndex())
            PageControl1->setTabEnabled(i, !locked);
    }
}
