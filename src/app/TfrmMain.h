#pragma once

#include "app/SampleTextStore.h"
#include "catalogue/FontCatalogue.h"
#include "catalogue/FontMap.h"
#include "platform/Platform.h"
#include "printing/PrintState.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <memory>

class FileListBox;
class PageControl;
class PaintBox;
class QAction;
class QCheckBox;
class QFileSystemModel;
class QFrame;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPainter;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QScrollArea;
class QSpinBox;
class QTableWidget;
class QTreeView;
class PrintJob;
class THelpRouter;
class TfrmPrinting;
class TfrmSplash;

// The main window: six pages, the menu, and the window-wide values.
// Coordinates are those of the window's 96-dpi design, scaled to the screen.
class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TfrmMain(Platform& platform, QWidget* parent = nullptr);
    ~TfrmMain() override;

    // The splash window is destroyed when this window is first shown.
    void setSplash(TfrmSplash* splash);

    void FormCreate();

    // Window-wide values.
    QString AppFolder;
    QString HeadingFontName;
    std::array<QString, 3> ChartLines;
    // The user's fonts folder with a trailing separator; empty when unknown.
    QString FontsFolder;
    int ShowAllPageStep = 0;

    const FontCatalogue& catalogue() const { return catalogue_; }

    void FillFontList();
    void lstFontsClick();
    void cmdSelectAllClick();
    void Exit1Click();
    void UsingGlyphary1Click();
    void HowtoFixProblemAccessingHelp1Click();
    void About1Click();

    // Job state of the printouts.
    PrintState printState;
    // The printing progress dialog, created hidden after this window.
    void setPrintingDialog(TfrmPrinting* dialog);
    void cmdPrintClick();
    void cmdPrintSetupClick();

    // Sample views. The size handlers take the value, since a value out of
    // the box's range is ignored, from the user or from restored settings.
    void spnPointSizeChange(int value);
    void chkSampleBoldClick();
    void chkSampleItalicClick();
    void LargeSampleRefresh();
    void spnLargeSampleChange(int value);
    void chkLargeBoldClick();
    void chkLargeItalicClick();
    void pbxSelectedPaint(QPainter& painter);
    void spnSelectedChange(int value);
    // Draws the selected families that meet area; returns the page height.
    int PaintSelectedFonts(QPainter& painter, const QRect& area, int size);

    // Font map.
    void ShowFontMap();
    void grdFontMapClick();
    void chkGridBoldClick();
    void chkGridItalicClick();

    // Sample texts.
    void cmdSaveTextClick();
    void cmdHeadingFontClick();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormShow();
    void FormClose();
    // True when the key was used for paging and goes no further.
    bool FormKeyDown(QKeyEvent* event);
    void PageControl1Change(QWidget* page);

    void connectViews();
    QFont styledFont(const QFont& current, const QString& family, bool bold, bool italic) const;
    void restyleDispFont();
    void restyleLargeSample();
    void applyFontMapFont();
    QStringList drawnFamilies() const;
    void setShowAllHeight(int height);

    int px(double designPixels) const;
    void place(QWidget* widget, int left, int top, int width, int height) const;
    QLabel* label(QWidget* parent, const QString& name, const QString& caption, int left, int top,
                  int width, int height);
    QCheckBox* checkBox(QWidget* parent, const QString& name, const QString& caption, int left,
                        int top, int width);
    QSpinBox* spinBox(QWidget* parent, const QString& name, int min, int max, int value, int left,
                      int top);
    QPushButton* button(QWidget* parent, const QString& name, const QString& caption, int left,
                        int top, int width, int height);
    QFrame* sunkenPanel(QWidget* parent, const QString& name, int left, int top, int width,
                        int height, bool white);
    QFont headingFont() const;
    QWidget* page(const QString& name, const QString& caption);

    void buildMenu();
    void buildMainPage();
    void buildLargeSamplePage();
    void buildFontMapPage();
    void buildShowAllPage();
    void buildEditPage();
    void buildInstallPage();

    Platform& platform_;
    FontCatalogue catalogue_;
    std::unique_ptr<SampleTextStore> sampleTexts_;
    FontMap fontMap_;
    QString largeSampleFamily_;  // as set on entering the Large Sample page
    QPointer<TfrmSplash> splash_;
    double scale_ = 1.0;
    bool shown_ = false;

    // Menu.
    QMenu* File2 = nullptr;
    QAction* Exit1 = nullptr;
    QMenu* Help1 = nullptr;
    QAction* UsingGlyphary1 = nullptr;
    QAction* HowtoFixProblemAccessingHelp1 = nullptr;
    QAction* About1 = nullptr;
    THelpRouter* HelpRouter1 = nullptr;

    PageControl* PageControl1 = nullptr;
    QWidget* tabMain = nullptr;
    QWidget* tabLargeSample = nullptr;
    QWidget* tabFontMap = nullptr;
    QWidget* tabShowAll = nullptr;
    QWidget* tabEdit = nullptr;
    QWidget* tabInstall = nullptr;

    // Main page.
    QLabel* lblFonts = nullptr;
    QLabel* lblSelected = nullptr;
    QLabel* lblSample = nullptr;
    QLabel* lblFontType = nullptr;
    QLabel* lblStyles = nullptr;
    QListWidget* lstFonts = nullptr;
    QPlainTextEdit* memDispFont = nullptr;
    QSpinBox* spnPointSize = nullptr;
    QCheckBox* chkSampleBold = nullptr;
    QCheckBox* chkSampleItalic = nullptr;
    QCheckBox* chkBold = nullptr;
    QCheckBox* chkItalic = nullptr;
    QCheckBox* chkSample = nullptr;
    QCheckBox* chkShortSample = nullptr;
    QSpinBox* spnSampleSize = nullptr;
    QCheckBox* chkCharChart = nullptr;
    QCheckBox* chkFullPage = nullptr;
    QCheckBox* chkPara = nullptr;
    QCheckBox* chkPara7 = nullptr;
    QCheckBox* chkPara75 = nullptr;
    QCheckBox* chkPara8 = nullptr;
    QCheckBox* chkPara85 = nullptr;
    QCheckBox* chkPara9 = nullptr;
    QCheckBox* chkPara95 = nullptr;
    QCheckBox* chkPara10 = nullptr;
    QCheckBox* chkPara105 = nullptr;
    QCheckBox* chkPara11 = nullptr;
    QCheckBox* chkPara115 = nullptr;
    QCheckBox* chkPara12 = nullptr;
    QCheckBox* chkPara13 = nullptr;
    QCheckBox* chkPara14 = nullptr;
    QPushButton* cmdHeadingFont = nullptr;
    QPushButton* cmdSelectAll = nullptr;
    QPushButton* cmdPrintSetup = nullptr;
    QPushButton* cmdPrint = nullptr;
    class PrintHostAdapter;
    std::unique_ptr<PrintHostAdapter> printHost_;
    std::unique_ptr<PrintJob> printJob_;

    // Large Sample page.
    QLabel* lblLargeSample = nullptr;
    QSpinBox* spnLargeSample = nullptr;
    QCheckBox* chkLargeBold = nullptr;
    QCheckBox* chkLargeItalic = nullptr;
    QPlainTextEdit* memLargeSample = nullptr;

    // Font Map page.
    QLabel* lblGridHeading = nullptr;
    QTableWidget* grdFontMap = nullptr;
    QLabel* lblCurrChar = nullptr;
    QLabel* pnlCurrChar = nullptr;
    QCheckBox* chkGridBold = nullptr;
    QCheckBox* chkGridItalic = nullptr;

    // Show All Selected page.
    QSpinBox* spnSelected = nullptr;
    QScrollArea* ScrollBox1 = nullptr;
    PaintBox* pbxSelected = nullptr;

    // Edit Sample Text page.
    QLineEdit* txt8Pt = nullptr;
    QLineEdit* txt9Pt = nullptr;
    QLineEdit* txt10Pt = nullptr;
    QLineEdit* txt11Pt = nullptr;
    QLineEdit* txt12Pt = nullptr;
    QLineEdit* txt14Pt = nullptr;
    QLineEdit* txt16Pt = nullptr;
    QLineEdit* txt18pt = nullptr;
    QLineEdit* txt24Pt = nullptr;
    QLineEdit* txt36pt = nullptr;
    QLineEdit* txt48Pt = nullptr;
    QLineEdit* txt60pt = nullptr;
    QLineEdit* txtSample = nullptr;
    QLineEdit* txtTitle = nullptr;
    QPlainTextEdit* txtPara = nullptr;
    QPushButton* cmdSaveText = nullptr;

    // Preview/Install page.
    QFileSystemModel* folderModel_ = nullptr;
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
};
