#include "app/TfrmMain.h"

#include "app/FileListBox.h"
#include "app/PageControl.h"
#include "app/PaintBox.h"
#include "app/TfrmSplash.h"
#include "platform/AnsiCodePage.h"
#include "catalogue/SelectedFontsPainter.h"
#include "help/TfrmAbout.h"
#include "help/TfrmHelpProblem.h"
#include "help/THelpRouter.h"
#include "platform/FontService.h"
#include "platform/IniFiles.h"
#include "platform/MessageBoxes.h"
#include "platform/PrinterService.h"
#include "platform/ScreenMetrics.h"
#include "platform/Shell.h"
#include "printing/PrintHost.h"
#include "printing/PrintJob.h"
#include "printing/TfrmPrinting.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFileSystemModel>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QTreeView>

#include <algorithm>
#include <exception>

namespace {

constexpr int DesignDpi = 96;
constexpr int ClientWidth = 692;
constexpr int ClientHeight = 472;
constexpr int TabWidth = 113;
constexpr int WideTabWidth = 125;
constexpr int FontListRowHeight = 13;
constexpr int MapColumns = 32;
constexpr int MapRows = 7;

const QString NoScreenFontPage = QStringLiteral(
    "The currently selected font does not have an equivalent screen font,\n"
    "so the large sample and font map are not available.");
const QString NoScreenFontSample = QStringLiteral(
    "This font does not have an equivalent screen font\nand cannot be displayed.");
const QString Alphabets =
    QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ\nabcdefghijklmnopqrstuvwxyz1234567890\n");

// Rows of one fixed height, so the list never measures its thousands of items.
class FixedRowDelegate : public QStyledItemDelegate {
public:
    FixedRowDelegate(int height, QObject* parent) : QStyledItemDelegate(parent), height_(height) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), height_};
    }

private:
    int height_;
};

void makeWhite(QWidget* widget)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::Base, Qt::white);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QFont systemFont() { return QFontDatabase::systemFont(QFontDatabase::GeneralFont); }

}  // namespace

TfrmMain::TfrmMain(Platform& platform, QWidget* parent)
    : QMainWindow(parent), platform_(platform), catalogue_(platform.fonts), fontMap_(platform.fonts)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Glyphary"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    scale_ = double(platform_.screen.logicalDpiX()) / DesignDpi;

    QFont designFont = systemFont();
    designFont.setPointSize(8);
    setFont(designFont);

    buildMenu();
    HelpRouter1 = new THelpRouter(platform_.help, this);
    HelpRouter1->CHMPopupTopics = QStringLiteral("CSHelp.txt");
    HelpRouter1->setHelpType(htHTMLhelp);
    PageControl1 = new PageControl(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setTabWidth(TabWidth);
    PageControl1->setFixedSize(px(ClientWidth), px(ClientHeight));
    setCentralWidget(PageControl1);
    buildMainPage();
    buildLargeSamplePage();
    buildFontMapPage();
    buildShowAllPage();
    buildEditPage();
    buildInstallPage();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    move(133, 87);

    connectViews();
    connect(PageControl1, &PageControl::pageChanged, this, &TfrmMain::PageControl1Change);
    // Key preview: the window sees every key before the focused control.
    qApp->installEventFilter(this);
}

TfrmMain::~TfrmMain() = default;

void TfrmMain::setSplash(TfrmSplash* splash) { splash_ = splash; }

// ---------------------------------------------------------------------------
// Design

int TfrmMain::px(double designPixels) const { return qRound(designPixels * scale_); }

void TfrmMain::place(QWidget* widget, int left, int top, int width, int height) const
{
    widget->setGeometry(px(left), px(top), px(width), px(height));
}

QLabel* TfrmMain::label(QWidget* parent, const QString& name, const QString& caption, int left,
                        int top, int width, int height)
{
    auto* result = new QLabel(caption, parent);
    result->setObjectName(name);
    place(result, left, top, width, height);
    return result;
}

QCheckBox* TfrmMain::checkBox(QWidget* parent, const QString& name, const QString& caption,
                              int left, int top, int width)
{
    auto* result = new QCheckBox(caption, parent);
    result->setObjectName(name);
    place(result, left, top, width, 20);
    return result;
}

QSpinBox* TfrmMain::spinBox(QWidget* parent, const QString& name, int min, int max, int value,
                            int left, int top)
{
    auto* result = new QSpinBox(parent);
    result->setObjectName(name);
    result->setRange(min, max);
    result->setValue(value);
    place(result, left, top, 50, 22);
    return result;
}

QPushButton* TfrmMain::button(QWidget* parent, const QString& name, const QString& caption,
                              int left, int top, int width, int height)
{
    auto* result = new QPushButton(caption, parent);
    result->setObjectName(name);
    result->setAutoDefault(false);
    place(result, left, top, width, height);
    return result;
}

QFrame* TfrmMain::sunkenPanel(QWidget* parent, const QString& name, int left, int top, int width,
                              int height, bool white)
{
    auto* result = new QFrame(parent);
    result->setObjectName(name);
    result->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    if (white)
        makeWhite(result);
    place(result, left, top, width, height);
    return result;
}

QFont TfrmMain::headingFont() const
{
    QFont result = font();
    result.setPixelSize(px(16));
    result.setBold(true);
    return result;
}

QWidget* TfrmMain::page(const QString& name, const QString& caption)
{
    auto* result = new QWidget;
    result->setObjectName(name);
    PageControl1->addTab(result, caption);
    return result;
}

void TfrmMain::buildMenu()
{
    File2 = menuBar()->addMenu(QStringLiteral("&File"));
    File2->setObjectName(QStringLiteral("File2"));
    Exit1 = File2->addAction(QStringLiteral("E&xit"), this, &TfrmMain::Exit1Click);
    Exit1->setObjectName(QStringLiteral("Exit1"));

    Help1 = menuBar()->addMenu(QStringLiteral("&Help"));
    Help1->setObjectName(QStringLiteral("Help1"));
    UsingGlyphary1 = Help1->addAction(QStringLiteral("&Using Glyphary"), this, &TfrmMain::UsingGlyphary1Click);
    UsingGlyphary1->setObjectName(QStringLiteral("UsingGlyphary1"));
    HowtoFixProblemAccessingHelp1 =
        Help1->addAction(QStringLiteral("&How to Fix Problem Accessing Help"), this,
                        &TfrmMain::HowtoFixProblemAccessingHelp1Click);
    HowtoFixProblemAccessingHelp1->setObjectName(QStringLiteral("HowtoFixProblemAccessingHelp1"));
    Help1->addSeparator();
    About1 = Help1->addAction(QStringLiteral("&About"), this, &TfrmMain::About1Click);
    About1->setObjectName(QStringLiteral("About1"));
}

void TfrmMain::buildMainPage()
{
    tabMain = page(QStringLiteral("tabMain"), QStringLiteral("&Main"));

    lblFonts = label(tabMain, QStringLiteral("lblFonts"), QStringLiteral("Fonts"), 8, 6, 110, 16);
    lblSelected = label(tabMain, QStringLiteral("lblSelected"), QStringLiteral("Selected"), 118, 6,
                        118, 16);
    lblSelected->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    QFrame* panel = sunkenPanel(tabMain, QStringLiteral("Panel1"), 8, 24, 228, 372, true);
    lstFonts = new QListWidget(panel);
    lstFonts->setObjectName(QStringLiteral("lstFonts"));
    lstFonts->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lstFonts->setFrameShape(QFrame::NoFrame);
    lstFonts->setUniformItemSizes(true);
    lstFonts->setItemDelegate(new FixedRowDelegate(px(FontListRowHeight), lstFonts));
    makeWhite(lstFonts);
    {
        const QRect inner = panel->contentsRect();
        const int row = px(FontListRowHeight);
        lstFonts->setGeometry(inner.x(), inner.y(), inner.width(), inner.height() / row * row);
    }
    connect(lstFonts, &QListWidget::itemSelectionChanged, this, &TfrmMain::lstFontsClick);
    connect(lstFonts, &QListWidget::currentRowChanged, this, &TfrmMain::lstFontsClick);

    cmdSelectAll = button(tabMain, QStringLiteral("cmdSelectAll"), QStringLiteral("Select A&ll"), 8,
                          404, 110, 25);
    connect(cmdSelectAll, &QPushButton::clicked, this, &TfrmMain::cmdSelectAllClick);
    cmdHeadingFont = button(tabMain, QStringLiteral("cmdHeadingFont"),
                            QStringLiteral("Set Hea&ding Font"), 126, 404, 110, 25);

    lblSample =
        label(tabMain, QStringLiteral("lblSample"), QStringLiteral("Sample"), 248, 6, 428, 16);
    memDispFont = new QPlainTextEdit(tabMain);
    memDispFont->setObjectName(QStringLiteral("memDispFont"));
    memDispFont->setFont(systemFont());
    place(memDispFont, 248, 24, 383, 77);
    lblFontType = label(tabMain, QStringLiteral("lblFontType"), QString(), 248, 106, 428, 16);
    lblStyles = label(tabMain, QStringLiteral("lblStyles"), QString(), 248, 124, 428, 30);
    lblStyles->setWordWrap(true);
    lblStyles->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* sampleGroup = new QGroupBox(tabMain);
    sampleGroup->setObjectName(QStringLiteral("GroupBox1"));
    place(sampleGroup, 248, 156, 428, 42);
    QLabel* sizeLabel =
        label(sampleGroup, QStringLiteral("Label1"), QStringLiteral("Si&ze"), 10, 15, 28, 16);
    spnPointSize = spinBox(sampleGroup, QStringLiteral("spnPointSize"), 4, 20, 12, 40, 12);
    sizeLabel->setBuddy(spnPointSize);
    chkSampleBold =
        checkBox(sampleGroup, QStringLiteral("chkSampleBold"), QStringLiteral("Bold"), 110, 13, 64);
    chkSampleItalic = checkBox(sampleGroup, QStringLiteral("chkSampleItalic"),
                               QStringLiteral("Italic"), 180, 13, 64);

    auto* options = new QGroupBox(QStringLiteral("Print Options"), tabMain);
    options->setObjectName(QStringLiteral("GroupBox2"));
    place(options, 248, 204, 428, 192);
    chkSample = checkBox(options, QStringLiteral("chkSample"),
                         QStringLiteral("&Sample Text (3 lines)"), 10, 20, 164);
    chkShortSample = checkBox(options, QStringLiteral("chkShortSample"),
                              QStringLiteral("Sample Text (1 line)"), 10, 42, 164);
    QLabel* sampleSizeLabel =
        label(options, QStringLiteral("Label5"), QStringLiteral("Size"), 28, 68, 30, 16);
    spnSampleSize = spinBox(options, QStringLiteral("spnSampleSize"), 4, 60, 11, 60, 65);
    sampleSizeLabel->setBuddy(spnSampleSize);
    chkCharChart = checkBox(options, QStringLiteral("chkCharChart"),
                            QStringLiteral("&Character Chart"), 10, 94, 164);
    chkFullPage = checkBox(options, QStringLiteral("chkFullPage"),
                           QStringLiteral("F&ull Page Sample"), 10, 116, 164);
    chkPara = checkBox(options, QStringLiteral("chkPara"), QStringLiteral("&Text Paragraphs"), 10,
                       138, 164);
    chkBold = checkBox(options, QStringLiteral("chkBold"), QStringLiteral("Bold"), 10, 164, 70);
    chkItalic = checkBox(options, QStringLiteral("chkItalic"), QStringLiteral("Italic"), 84, 164, 70);

    auto* sizes = new QGroupBox(QStringLiteral(" Paragraph Point Sizes "), options);
    sizes->setObjectName(QStringLiteral("GroupBox3"));
    place(sizes, 180, 16, 238, 126);
    const std::pair<QCheckBox**, const char*> paragraphBoxes[] = {
        {&chkPara7, "7"},     {&chkPara75, "7.5"}, {&chkPara8, "8"},     {&chkPara85, "8.5"},
        {&chkPara9, "9"},     {&chkPara95, "9.5"}, {&chkPara10, "10"},   {&chkPara105, "10.5"},
        {&chkPara11, "11"},   {&chkPara115, "11.5"}, {&chkPara12, "12"}, {&chkPara13, "13"},
        {&chkPara14, "14"},
    };
    int index = 0;
    for (const auto& [box, caption] : paragraphBoxes) {
        const QString text = QString::fromLatin1(caption);
        *box = checkBox(sizes, QStringLiteral("chkPara") + QString(text).remove(u'.'), text,
                        12 + index % 4 * 56, 22 + index / 4 * 24, 52);
        ++index;
    }

    cmdPrintSetup = button(tabMain, QStringLiteral("cmdPrintSetup"), QStringLiteral("P&rint Setup"),
                           476, 404, 96, 25);
    cmdPrint = button(tabMain, QStringLiteral("cmdPrint"), QStringLiteral("&Print"), 580, 404, 96, 25);
    connect(cmdPrint, &QPushButton::clicked, this, &TfrmMain::cmdPrintClick);
    connect(cmdPrintSetup, &QPushButton::clicked, this, &TfrmMain::cmdPrintSetupClick);
}

void TfrmMain::buildLargeSamplePage()
{
    tabLargeSample = page(QStringLiteral("tabLargeSample"), QStringLiteral("&Large Sample"));
    lblLargeSample = label(tabLargeSample, QStringLiteral("lblLargeSample"),
                           QStringLiteral("Font Name"), 8, 8, 400, 20);
    lblLargeSample->setFont(headingFont());
    QLabel* sizeLabel = label(tabLargeSample, QStringLiteral("Label2"), QStringLiteral("Point Size"),
                              418, 11, 64, 16);
    spnLargeSample = spinBox(tabLargeSample, QStringLiteral("spnLargeSample"), 4, 60, 24, 486, 8);
    sizeLabel->setBuddy(spnLargeSample);
    chkLargeBold = checkBox(tabLargeSample, QStringLiteral("chkLargeBold"), QStringLiteral("Bold"),
                            550, 9, 60);
    chkLargeItalic = checkBox(tabLargeSample, QStringLiteral("chkLargeItalic"),
                              QStringLiteral("Italic"), 614, 9, 62);

    QFrame* panel = sunkenPanel(tabLargeSample, QStringLiteral("Panel2"), 2, 36, 680, 398, true);
    memLargeSample = new QPlainTextEdit(panel);
    memLargeSample->setObjectName(QStringLiteral("memLargeSample"));
    memLargeSample->setFrameShape(QFrame::NoFrame);
    memLargeSample->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    place(memLargeSample, 2, 2, 676, 394);
}

void TfrmMain::buildFontMapPage()
{
    tabFontMap = page(QStringLiteral("tabFontMap"), QStringLiteral("F&ont Map"));
    lblGridHeading = label(tabFontMap, QStringLiteral("lblGridHeading"), QStringLiteral("Font Name"),
                           8, 8, 599, 20);
    lblGridHeading->setFont(headingFont());

    QFrame* panel = sunkenPanel(tabFontMap, QStringLiteral("Panel3"), 4, 36, 675, 213, true);
    grdFontMap = new QTableWidget(MapRows, MapColumns, panel);
    grdFontMap->setObjectName(QStringLiteral("grdFontMap"));
    grdFontMap->setFrameShape(QFrame::NoFrame);
    grdFontMap->horizontalHeader()->hide();
    grdFontMap->verticalHeader()->hide();
    grdFontMap->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grdFontMap->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grdFontMap->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdFontMap->setSelectionMode(QAbstractItemView::SingleSelection);
    grdFontMap->setTabKeyNavigation(false);
    // A section includes its grid line: 20 pixels of cell and one of line.
    grdFontMap->horizontalHeader()->setMinimumSectionSize(1);
    grdFontMap->verticalHeader()->setMinimumSectionSize(1);
    grdFontMap->horizontalHeader()->setDefaultSectionSize(px(21));
    grdFontMap->verticalHeader()->setDefaultSectionSize(px(30));
    place(grdFontMap, 2, 2, 671, 209);

    lblCurrChar = label(tabFontMap, QStringLiteral("lblCurrChar"),
                        QStringLiteral("Current Character: 00 0"), 8, 262, 200, 16);
    pnlCurrChar = new QLabel(QStringLiteral("A"), tabFontMap);
    pnlCurrChar->setObjectName(QStringLiteral("pnlCurrChar"));
    pnlCurrChar->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pnlCurrChar->setAlignment(Qt::AlignCenter);
    makeWhite(pnlCurrChar);
    QFont charFont = font();
    charFont.setPixelSize(px(41));
    pnlCurrChar->setFont(charFont);
    place(pnlCurrChar, 230, 256, 75, 67);
    chkGridBold =
        checkBox(tabFontMap, QStringLiteral("chkGridBold"), QStringLiteral("Bold"), 330, 262, 70);
    chkGridItalic = checkBox(tabFontMap, QStringLiteral("chkGridItalic"), QStringLiteral("Italic"),
                             330, 286, 70);
}

void TfrmMain::buildShowAllPage()
{
    tabShowAll = page(QStringLiteral("tabShowAll"), QStringLiteral("Show &All Selected"));
    label(tabShowAll, QStringLiteral("Label4"), QStringLiteral("Selected Fonts"), 8, 8, 300, 20)
        ->setFont(headingFont());
    QLabel* sizeLabel =
        label(tabShowAll, QStringLiteral("Label3"), QStringLiteral("Point Size"), 482, 11, 64, 16);
    spnSelected = spinBox(tabShowAll, QStringLiteral("spnSelected"), 4, 60, 12, 550, 8);
    sizeLabel->setBuddy(spnSelected);

    QFrame* panel = sunkenPanel(tabShowAll, QStringLiteral("Panel4"), 2, 36, 681, 404, true);
    ScrollBox1 = new QScrollArea(panel);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setFrameShape(QFrame::NoFrame);
    ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ScrollBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ScrollBox1->setWidgetResizable(false);
    // Scrolling by key is the window's paging alone.
    ScrollBox1->setFocusPolicy(Qt::NoFocus);
    makeWhite(ScrollBox1->viewport());
    place(ScrollBox1, 2, 2, 677, 400);
    pbxSelected = new PaintBox;
    pbxSelected->setObjectName(QStringLiteral("pbxSelected"));
    pbxSelected->resize(px(602), px(4875));
    ScrollBox1->setWidget(pbxSelected);
}

void TfrmMain::buildEditPage()
{
    tabEdit = page(QStringLiteral("tabEdit"), QStringLiteral("&Edit Sample Text"));
    const std::pair<QLineEdit**, const char*> lines[] = {
        {&txt8Pt, "8 point"},   {&txt9Pt, "9 point"},   {&txt10Pt, "10 point"},
        {&txt11Pt, "11 point"}, {&txt12Pt, "12 point"}, {&txt14Pt, "14 point"},
        {&txt16Pt, "16 point"}, {&txt18pt, "18 point"}, {&txt24Pt, "24 point"},
        {&txt36pt, "36 point"}, {&txt48Pt, "48 point"}, {&txt60pt, "60 point"},
        {&txtSample, "Sample Text"}, {&txtTitle, "Sample Title"},
    };
    static const char* const names[] = {"txt8Pt",  "txt9Pt",  "txt10Pt", "txt11Pt", "txt12Pt",
                                        "txt14Pt", "txt16Pt", "txt18pt", "txt24Pt", "txt36pt",
                                        "txt48Pt", "txt60pt", "txtSample", "txtTitle"};
    int row = 0;
    for (const auto& [edit, caption] : lines) {
        const int top = 8 + row * 24;
        QLabel* rowLabel = label(tabEdit, QStringLiteral("Label%1").arg(6 + row),
                                 QString::fromLatin1(caption), 8, top + 3, 80, 16);
        rowLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        *edit = new QLineEdit(tabEdit);
        (*edit)->setObjectName(QString::fromLatin1(names[row]));
        place(*edit, 92, top, 375, 21);
        rowLabel->setBuddy(*edit);
        ++row;
    }

    label(tabEdit, QStringLiteral("Label20"), QStringLiteral("Paragraph Text"), 484, 8, 195, 16);
    label(tabEdit, QStringLiteral("Label21"), QStringLiteral("(Maximum of 600 characters)"), 484,
          24, 195, 16);
    txtPara = new QPlainTextEdit(tabEdit);
    txtPara->setObjectName(QStringLiteral("txtPara"));
    place(txtPara, 484, 42, 195, 257);
    cmdSaveText = button(tabEdit, QStringLiteral("cmdSaveText"), QStringLiteral("&Save"), 544, 310,
                         75, 25);

    QLabel* explanation = label(
        tabEdit, QStringLiteral("Label22"),
        QStringLiteral(
            "The lines specified for the different point sizes are used on the Full Page Sample "
            "printout.  \nThe line labeled 'Sample Text' is used in the screen display and on the "
            "Sample Text printouts.  \nThe line labeled 'Sample Title' is used as the page heading "
            "on the Sample Text printouts.\nThe text in the 'Paragraph Text' box is used on the "
            "Text Paragraphs printout.\nChanges will take effect when the Save button is clicked."),
        8, 352, 668, 84);
    explanation->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    for (int i = 0; i + 1 < row; ++i)
        setTabOrder(*lines[i].first, *lines[i + 1].first);
    setTabOrder(txtTitle, txtPara);
    setTabOrder(txtPara, cmdSaveText);
}

void TfrmMain::buildInstallPage()
{
    tabInstall = page(QStringLiteral("tabInstall"), QStringLiteral("Preview/&Install"));
    label(tabInstall, QStringLiteral("Label23"), QStringLiteral("Preview and Install Fonts"), 8, 4,
          300, 20)
        ->setFont(headingFont());

    label(tabInstall, QStringLiteral("Label24"), QStringLiteral("Double-click to select folder"), 8,
          30, 200, 16);
    folderModel_ = new QFileSystemModel(this);
    folderModel_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    folderModel_->setRootPath(QDir::rootPath());
    Tree1 = new QTreeView(tabInstall);
    Tree1->setObjectName(QStringLiteral("Tree1"));
    Tree1->setModel(folderModel_);
    Tree1->setHeaderHidden(true);
    for (int column = 1; column < folderModel_->columnCount(); ++column)
        Tree1->hideColumn(column);
    place(Tree1, 8, 48, 200, 190);
    File1 = new FileListBox(QStringLiteral("*.ttf"), tabInstall);
    File1->setObjectName(QStringLiteral("File1"));
    place(File1, 8, 244, 200, 110);
    lblFontFiles = label(tabInstall, QStringLiteral("lblFontFiles"), QStringLiteral("Font Files: 0"),
                         8, 358, 200, 16);
    cmdPreview = button(tabInstall, QStringLiteral("cmdPreview"), QStringLiteral("&Preview Fonts"), 8,
                        378, 200, 25);
    cmdPreview->setEnabled(false);

    lblPAvailable = label(tabInstall, QStringLiteral("lblPAvailable"),
                          QStringLiteral("Available Fonts: 0"), 216, 30, 180, 16);
    lstPreview = new QListWidget(tabInstall);
    lstPreview->setObjectName(QStringLiteral("lstPreview"));
    place(lstPreview, 216, 48, 180, 150);
    lstPreview2 = new QListWidget(tabInstall);
    lstPreview2->setObjectName(QStringLiteral("lstPreview2"));
    place(lstPreview2, 216, 48, 180, 150);
    lstPreview2->hide();

    cmdAdd = button(tabInstall, QStringLiteral("cmdAdd"), QStringLiteral(">"), 402, 60, 36, 25);
    cmdAddAll = button(tabInstall, QStringLiteral("cmdAddAll"), QStringLiteral(">>"), 402, 92, 36, 25);
    cmdRemove = button(tabInstall, QStringLiteral("cmdRemove"), QStringLiteral("<"), 402, 124, 36, 25);
    cmdRemoveAll =
        button(tabInstall, QStringLiteral("cmdRemoveAll"), QStringLiteral("<<"), 402, 156, 36, 25);
    for (QPushButton* move : {cmdAdd, cmdAddAll, cmdRemove, cmdRemoveAll})
        move->setEnabled(false);

    lblPSelected = label(tabInstall, QStringLiteral("lblPSelected"),
                         QStringLiteral("Selected Fonts: 0"), 444, 30, 232, 16);
    lstSelected = new QListWidget(tabInstall);
    lstSelected->setObjectName(QStringLiteral("lstSelected"));
    place(lstSelected, 444, 48, 232, 150);

    QLabel* sampleSizeLabel = label(tabInstall, QStringLiteral("Label25"),
                                    QStringLiteral("Sample Si&ze"), 216, 208, 66, 16);
    spnPreviewSize = spinBox(tabInstall, QStringLiteral("spnPreviewSize"), 4, 20, 12, 284, 205);
    sampleSizeLabel->setBuddy(spnPreviewSize);
    QLabel* printSizeLabel = label(tabInstall, QStringLiteral("Label26"),
                                   QStringLiteral("Print &Size"), 344, 208, 56, 16);
    spnPreviewPrintSize =
        spinBox(tabInstall, QStringLiteral("spnPreviewPrintSize"), 4, 20, 11, 402, 205);
    printSizeLabel->setBuddy(spnPreviewPrintSize);
    cmdInstall =
        button(tabInstall, QStringLiteral("cmdInstall"), QStringLiteral("&Install"), 476, 204, 96, 25);
    cmdPreviewPrint = button(tabInstall, QStringLiteral("cmdPreviewPrint"), QStringLiteral("&Print"),
                             580, 204, 96, 25);
    cmdInstall->setEnabled(false);
    cmdPreviewPrint->setEnabled(false);

    lblPreviewSample = label(tabInstall, QStringLiteral("lblPreviewSample"), QStringLiteral("Sample"),
                             216, 236, 460, 16);
    memDispPreview = new QPlainTextEdit(tabInstall);
    memDispPreview->setObjectName(QStringLiteral("memDispPreview"));
    QFont previewFont = systemFont();
    previewFont.setBold(true);
    memDispPreview->setFont(previewFont);
    place(memDispPreview, 216, 254, 460, 150);

    pnlLoading = new QFrame(tabInstall);
    pnlLoading->setObjectName(QStringLiteral("pnlLoading"));
    pnlLoading->setFrameStyle(QFrame::Panel | QFrame::Raised);
    pnlLoading->setAutoFillBackground(true);
    place(pnlLoading, 4, 408, 676, 32);
    lblLoading = label(pnlLoading, QStringLiteral("lblLoading"), QStringLiteral("Loading fonts"), 8,
                       8, 140, 16);
    gaugeLoading = new QProgressBar(pnlLoading);
    gaugeLoading->setObjectName(QStringLiteral("gaugeLoading"));
    gaugeLoading->setRange(0, 100);
    gaugeLoading->setValue(0);
    QPalette gaugePalette = gaugeLoading->palette();
    gaugePalette.setColor(QPalette::Base, Qt::yellow);
    gaugePalette.setColor(QPalette::Window, Qt::yellow);
    gaugeLoading->setPalette(gaugePalette);
    place(gaugeLoading, 150, 5, 420, 22);
    cmdPreviewCancel = button(pnlLoading, QStringLiteral("cmdPreviewCancel"),
                              QStringLiteral("&Cancel"), 580, 3, 88, 25);
    pnlLoading->hide();
}

// ---------------------------------------------------------------------------
// Start-up, show and close

void TfrmMain::FormCreate()
{
    FillFontList();
    catalogue_.buildScreenFonts(platform_.fonts.screenFamilies());

    // The memo follows the size and style boxes as restored, not a fixed
    // 12 point regular that the boxes would contradict.
    QFont sampleFont = memDispFont->font();
    sampleFont.setPointSize(spnPointSize->value());
    sampleFont.setBold(chkSampleBold->isChecked());
    sampleFont.setItalic(chkSampleItalic->isChecked());
    memDispFont->setFont(sampleFont);
    QFont previewFont = memDispPreview->font();
    previewFont.setPointSize(12);
    memDispPreview->setFont(previewFont);

    HeadingFontName = QStringLiteral("Arial");
    memLargeSample->setPlainText(QStringLiteral(
        "ABCDEFGHIJKLMNOPQRSTUVWXYZ\nabcdefghijklmnopqrstuvwxyz\n1234567890!@#$%^&*()-=+{}[];:'\",.?\n"));
    ChartLines[0] = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    ChartLines[1] = QStringLiteral("abcdefghijklmnopqrstuvwxyz1234567890!@#$%^&*()-+=[]{}/:;\",.?");
    AppFolder = platform_.appFolder;
    platform_.help.HelpFile = AppFolder + QStringLiteral("GLYPHARY.CHM");

    QFont gridFont = grdFontMap->font();
    gridFont.setPointSize(12);
    gridFont.setBold(false);
    gridFont.setItalic(false);
    grdFontMap->setFont(gridFont);
    for (int row = 0; row < MapRows; ++row) {
        for (int column = 0; column < MapColumns; ++column) {
            auto* cell = new QTableWidgetItem(QString(ansiChar(32 + 32 * row + column)));
            cell->setTextAlignment(Qt::AlignCenter);
            grdFontMap->setItem(row, column, cell);
        }
    }

    PageControl1->setActivePageQuietly(tabMain);
    Tree1->setCurrentIndex(folderModel_->index(QDir::rootPath()));

    const QString fontsFolder = platform_.shell.userFontsFolder();
    FontsFolder = fontsFolder.isEmpty() ? QString() : fontsFolder + u'/';

    if (platform_.screen.logicalDpiX() > DesignDpi)
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
    try {
        if (!sampleTexts_->iniFileExists())
            sampleTexts_->WriteDefaultTexts();
        sampleTexts_->LoadSampleTexts();
    } catch (const IniWriteError&) {
        // The window opens all the same, with the default texts; the error
        // handler reports the failure from the message loop.
        sampleTexts_->ShowDefaultTexts();
        QMetaObject::invokeMethod(
            this, [error = std::current_exception()] { std::rethrow_exception(error); },
            Qt::QueuedConnection);
    }
    const QString sampleText = txtSample->text();
    memLargeSample->setPlainText(memLargeSample->toPlainText() + sampleText);
    memDispPreview->setPlainText(Alphabets + sampleText);
    QPalette previewPalette = memDispPreview->palette();
    previewPalette.setColor(QPalette::Text, Qt::white);
    memDispPreview->setPalette(previewPalette);
    ChartLines[2] = sampleText;

    ShowAllPageStep = int(0.95 * ScrollBox1->maximumViewportSize().height());
    grdFontMap->verticalHeader()->setDefaultSectionSize((grdFontMap->height() - px(6)) / MapRows);

    delete splash_;
    lstFontsClick();
    lstFonts->setFocus();
}

void TfrmMain::closeEvent(QCloseEvent* event)
{
    FormClose();
    event->accept();
}

void TfrmMain::FormClose()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QApplication::restoreOverrideCursor();
}

void TfrmMain::Exit1Click() { close(); }

void TfrmMain::UsingGlyphary1Click() { platform_.help.HelpCommand(HELP_CONTENTS, 0u); }

void TfrmMain::HowtoFixProblemAccessingHelp1Click()
{
    (new TfrmHelpProblem(platform_.shell, platform_.messages, this))->show();
}

void TfrmMain::About1Click() { (new TfrmAbout(platform_.shell, this))->show(); }

// ---------------------------------------------------------------------------
// Pages and keys

void TfrmMain::PageControl1Change(QWidget* page)
{
    if ((page == tabFontMap || page == tabLargeSample) && catalogue_.NoScreenFont()) {
        PageControl1->setActivePageQuietly(tabMain);
        platform_.messages.information(this, NoScreenFontPage);
    } else if (page == tabMain) {
        lstFonts->setFocus();
    } else if (page == tabLargeSample) {
        LargeSampleRefresh();
    } else if (page == tabFontMap) {
        ShowFontMap();
    } else if (page == tabShowAll) {
        ScrollBox1->verticalScrollBar()->setValue(0);
    }
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event)
{
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
    if (PageControl1->currentWidget() != tabShowAll)
        return false;
    QScrollBar* bar = ScrollBox1->verticalScrollBar();
    switch (event->key()) {
    case Qt::Key_PageUp:
        bar->setValue(std::max(bar->value() - ShowAllPageStep, 0));
        break;
    case Qt::Key_PageDown:
        bar->setValue(std::min(bar->value() + ShowAllPageStep, bar->maximum()));
        break;
    case Qt::Key_Home:
        bar->setValue(0);
        break;
    case Qt::Key_End:
        bar->setValue(bar->maximum());
        break;
    default:
        return false;
    }
    // The page's only other control, the size box, would take Page Up and
    // Page Down as steps of ten points and repaint the page at another size.
    return true;
}

// ---------------------------------------------------------------------------
// Installed font catalogue

void TfrmMain::FillFontList()
{
    const QSignalBlocker blocker(lstFonts);
    lstFonts->clear();
    lstFonts->addItems(catalogue_.fill(platform_.printer.typefaces()));
    if (lstFonts->count() > 0)
        lstFonts->setCurrentRow(0, QItemSelectionModel::ClearAndSelect);
    lblFonts->setText(QStringLiteral("Fonts: %1").arg(catalogue_.FontCount()));
}

void TfrmMain::lstFontsClick()
{
    const QListWidgetItem* current = lstFonts->currentItem();
    const QString name = current ? current->text() : QString();
    catalogue_.showCurrent(name, current != nullptr,
                           int(lstFonts->selectionModel()->selectedIndexes().size()));

    const QFont memoFont = memDispFont->font();
    QFont sampleFont;
    if (catalogue_.NoScreenFont()) {
        sampleFont = systemFont();
        sampleFont.setBold(chkSampleBold->isChecked());
        sampleFont.setItalic(chkSampleItalic->isChecked());
    } else {
        // The boxes hold the style: a face's own weight may read as bold.
        sampleFont = platform_.fonts.makeFont(name, chkSampleBold->isChecked(),
                                              chkSampleItalic->isChecked());
    }
    sampleFont.setPointSizeF(memoFont.pointSizeF());
    memDispFont->setFont(sampleFont);
    if (!current)
        memDispFont->clear();
    else if (catalogue_.NoScreenFont())
        memDispFont->setPlainText(NoScreenFontSample);
    else
        memDispFont->setPlainText(Alphabets + txtSample->text());

    lblSample->setText(QStringLiteral("Sample: ") + name);
    lblSelected->setText(QStringLiteral("Selected: %1").arg(catalogue_.SelectedCount()));
    lblStyles->setText(catalogue_.stylesLabel());
    if (!catalogue_.NoScreenFont() && catalogue_.currCharPointSize() > 0) {
        QFont charFont = pnlCurrChar->font();
        charFont.setPointSize(catalogue_.currCharPointSize());
        pnlCurrChar->setFont(charFont);
    }
    lblFontType->setText(QStringLiteral("Font Type: ") + catalogue_.CurrentFontType());
}

void TfrmMain::cmdSelectAllClick()
{
    {
        // One selection of the whole range: the list redraws once.
        const QSignalBlocker blocker(lstFonts);
        lstFonts->selectAll();
    }
    catalogue_.setSelectedCount(catalogue_.FontCount());
    lblSelected->setText(QStringLiteral("Selected: %1").arg(catalogue_.FontCount()));
}

// ---------------------------------------------------------------------------
// Sample views, font map and sample texts

namespace {

// The design's range of the box, whoever supplies the value.
bool inRange(int value, const QSpinBox* box) { return value >= box->minimum() && value <= box->maximum(); }

// font at the size of model, which may be given in points or in pixels.
QFont sizedLike(QFont font, const QFont& model)
{
    if (model.pointSizeF() > 0)
        font.setPointSizeF(model.pointSizeF());
    else
        font.setPixelSize(model.pixelSize());
    return font;
}

}  // namespace

void TfrmMain::connectViews()
{
    sampleTexts_ = std::make_unique<SampleTextStore>(
        platform_.ini, platform_.messages, platform_.appFolder + QStringLiteral("GLYPHARY.INI"),
        SampleTextStore::Controls{{txt8Pt, txt9Pt, txt10Pt, txt11Pt, txt12Pt, txt14Pt, txt16Pt,
                                   txt18pt, txt24Pt, txt36pt, txt48Pt, txt60pt, txtSample},
                                  txtPara},
        HeadingFontName);

    // Restoring a box's state fires these as a user's change does.
    connect(spnPointSize, &QSpinBox::valueChanged, this, &TfrmMain::spnPointSizeChange);
    connect(chkSampleBold, &QCheckBox::toggled, this, &TfrmMain::chkSampleBoldClick);
    connect(chkSampleItalic, &QCheckBox::toggled, this, &TfrmMain::chkSampleItalicClick);
    connect(spnLargeSample, &QSpinBox::valueChanged, this, &TfrmMain::spnLargeSampleChange);
    connect(chkLargeBold, &QCheckBox::toggled, this, &TfrmMain::chkLargeBoldClick);
    connect(chkLargeItalic, &QCheckBox::toggled, this, &TfrmMain::chkLargeItalicClick);
    connect(pbxSelected, &PaintBox::paint, this, &TfrmMain::pbxSelectedPaint);
    connect(spnSelected, &QSpinBox::valueChanged, this, &TfrmMain::spnSelectedChange);

    connect(grdFontMap, &QTableWidget::currentCellChanged, this, &TfrmMain::grdFontMapClick);
    connect(grdFontMap, &QTableWidget::cellClicked, this, &TfrmMain::grdFontMapClick);
    connect(chkGridBold, &QCheckBox::toggled, this, &TfrmMain::chkGridBoldClick);
    connect(chkGridItalic, &QCheckBox::toggled, this, &TfrmMain::chkGridItalicClick);
    // Characters such as "<" and "&" show as they are.
    lblCurrChar->setTextFormat(Qt::PlainText);
    pnlCurrChar->setTextFormat(Qt::PlainText);

    connect(cmdSaveText, &QPushButton::clicked, this, &TfrmMain::cmdSaveTextClick);
    connect(cmdHeadingFont, &QPushButton::clicked, this, &TfrmMain::cmdHeadingFontClick);
}

// A memo's font in another style; an empty family (none shown yet, or one
// without a screen font) keeps the memo's own font.
QFont TfrmMain::styledFont(const QFont& current, const QString& family, bool bold,
                           bool italic) const
{
    QFont font = current;
    if (family.isEmpty()) {
        font.setBold(bold);
        font.setItalic(italic);
    } else {
        font = platform_.fonts.makeFont(family, bold, italic);
    }
    return sizedLike(font, current);
}

void TfrmMain::spnPointSizeChange(int value)
{
    if (!inRange(value, spnPointSize))
        return;
    QFont font = memDispFont->font();
    font.setPointSize(value);
    memDispFont->setFont(font);
}

void TfrmMain::restyleDispFont()
{
    const QString family = catalogue_.NoScreenFont() ? QString() : catalogue_.CurrentFontName();
    memDispFont->setFont(styledFont(memDispFont->font(), family, chkSampleBold->isChecked(),
                                    chkSampleItalic->isChecked()));
}

void TfrmMain::chkSampleBoldClick() { restyleDispFont(); }

void TfrmMain::chkSampleItalicClick() { restyleDispFont(); }

void TfrmMain::LargeSampleRefresh()
{
    largeSampleFamily_ = catalogue_.CurrentFontName();
    lblLargeSample->setText(largeSampleFamily_);
    QFont font = platform_.fonts.makeFont(largeSampleFamily_, chkLargeBold->isChecked(),
                                          chkLargeItalic->isChecked());
    font.setPointSize(spnLargeSample->value());
    memLargeSample->setFont(font);
}

void TfrmMain::spnLargeSampleChange(int value)
{
    if (!inRange(value, spnLargeSample))
        return;
    QFont font = memLargeSample->font();
    font.setPointSize(value);
    memLargeSample->setFont(font);
}

void TfrmMain::restyleLargeSample()
{
    memLargeSample->setFont(styledFont(memLargeSample->font(), largeSampleFamily_,
                                       chkLargeBold->isChecked(), chkLargeItalic->isChecked()));
}

void TfrmMain::chkLargeBoldClick() { restyleLargeSample(); }

void TfrmMain::chkLargeItalicClick() { restyleLargeSample(); }

// Selected entries that the screen can draw, in list order.
QStringList TfrmMain::drawnFamilies() const
{
    QList<int> rows;
    for (const QModelIndex& index : lstFonts->selectionModel()->selectedIndexes())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    QStringList families;
    for (const int row : std::as_const(rows)) {
        const QString name = lstFonts->item(row)->text();
        if (row < catalogue_.FontCount() && catalogue_.isScreenFont(name))
            families.append(name);
    }
    return families;
}

int TfrmMain::PaintSelectedFonts(QPainter& painter, const QRect& area, int size)
{
    SelectedFontsPainter::Page page;
    page.families = drawnFamilies();
    page.headingFontName = HeadingFontName;
    page.sampleText = txtSample->text();
    page.bold = chkSampleBold->isChecked();
    page.italic = chkSampleItalic->isChecked();
    page.pointSize = size;
    page.dpi = platform_.screen.logicalDpiY();
    return SelectedFontsPainter(platform_.fonts).paint(painter, area, page);
}

// The scroll box scrolls over the height of its content: the paint box takes
// the scroll range as its height, and below the page it stays blank.
void TfrmMain::setShowAllHeight(int height)
{
    if (pbxSelected->height() != height)
        pbxSelected->resize(pbxSelected->width(), height);
}

void TfrmMain::pbxSelectedPaint(QPainter& painter)
{
    const int size = spnSelected->value();
    if (!inRange(size, spnSelected))
        return;
    const QRect area =
        painter.hasClipping() ? painter.clipBoundingRect().toAlignedRect() : pbxSelected->rect();
    setShowAllHeight(PaintSelectedFonts(painter, area, size) + 1);
}

void TfrmMain::spnSelectedChange(int value)
{
    if (!inRange(value, spnSelected))
        return;
    pbxSelected->repaint();
    const int height = SelectedFontsPainter::height(platform_.screen.logicalDpiY(), value,
                                                    drawnFamilies().size());
    setShowAllHeight(int(height * 1.01));
}

void TfrmMain::applyFontMapFont()
{
    const QFont font = fontMap_.font();
    grdFontMap->setFont(sizedLike(font, grdFontMap->font()));
    pnlCurrChar->setFont(sizedLike(font, pnlCurrChar->font()));
}

void TfrmMain::ShowFontMap()
{
    lblGridHeading->setText(catalogue_.CurrentFontName());
    chkGridBold->setChecked(false);
    chkGridItalic->setChecked(false);
    fontMap_.setFamily(catalogue_.CurrentFontName());
    applyFontMapFont();
    for (int row = 0; row < FontMap::Rows; ++row) {
        for (int column = 0; column < FontMap::Columns; ++column)
            grdFontMap->item(row, column)->setText(fontMap_.glyph(FontMap::codeAt(row, column)));
    }
    grdFontMap->setCurrentCell(grdFontMap->currentRow(), 1);
    grdFontMap->setCurrentCell(1, 1);
    // When "A" was current already nothing fired, and the panel may still
    // hold the glyph of another family's encoding.
    grdFontMapClick();
}

void TfrmMain::grdFontMapClick()
{
    const int row = grdFontMap->currentRow();
    const int column = grdFontMap->currentColumn();
    if (row < 0 || column < 0)
        return;
    const int code = FontMap::codeAt(row, column);
    pnlCurrChar->setText(fontMap_.glyph(code));
    lblCurrChar->setText(FontMap::currentCharacterText(code));
}

void TfrmMain::chkGridBoldClick()
{
    fontMap_.setBold(chkGridBold->isChecked());
    applyFontMapFont();
}

void TfrmMain::chkGridItalicClick()
{
    fontMap_.setItalic(chkGridItalic->isChecked());
    applyFontMapFont();
}

void TfrmMain::cmdSaveTextClick()
{
    sampleTexts_->SaveSampleTexts();
    sampleTexts_->LoadSampleTexts();
}

void TfrmMain::cmdHeadingFontClick()
{
    // An empty list offers no family to take.
    if (const QListWidgetItem* current = lstFonts->currentItem())
        sampleTexts_->changeHeadingFont(this, current->text());
}

// The window as the print job reads it: every value at the moment of use.
class TfrmMain::PrintHostAdapter : public PrintHost {
public:
    explicit PrintHostAdapter(TfrmMain& window)
        : w_(window)
    {
    }

    int fontCount() override { return w_.lstFonts->count(); }
    QString fontName(int index) override { return w_.lstFonts->item(index)->text(); }
    bool fontSelected(int index) override { return w_.lstFonts->item(index)->isSelected(); }
    int selectedCount() override { return w_.catalogue_.SelectedCount(); }

    PrintOptions options() override
    {
        PrintOptions o;
        o.sample = w_.chkSample->isChecked();
        o.shortSample = w_.chkShortSample->isChecked();
        o.charChart = w_.chkCharChart->isChecked();
        o.fullPage = w_.chkFullPage->isChecked();
        o.para = w_.chkPara->isChecked();
        o.bold = w_.chkBold->isChecked();
        o.italic = w_.chkItalic->isChecked();
        o.sampleSize = w_.spnSampleSize->value();
        const std::array<const QCheckBox*, 13> sizes{
            w_.chkPara7,  w_.chkPara75, w_.chkPara8,   w_.chkPara85, w_.chkPara9,
            w_.chkPara95, w_.chkPara10, w_.chkPara105, w_.chkPara11, w_.chkPara115,
            w_.chkPara12, w_.chkPara13, w_.chkPara14};
        for (std::size_t i = 0; i < sizes.size(); ++i)
            o.paraSizes[i] = sizes[i]->isChecked();
        return o;
    }

    QString headingFontName() override { return w_.HeadingFontName; }
    QString sampleText() override { return w_.txtSample->text(); }
    QString sampleTitle() override { return w_.txtTitle->text(); }
    QStringList chartLines() override
    {
        w_.ChartLines[2] = w_.txtSample->text();
        return {w_.ChartLines[0], w_.ChartLines[1], w_.ChartLines[2]};
    }

    void processEvents() override { QCoreApplication::processEvents(); }
    void refillFontList() override
    {
        w_.FillFontList();
        w_.lstFontsClick();
    }

private:
    TfrmMain& w_;
};

void TfrmMain::setPrintingDialog(TfrmPrinting* dialog)
{
    printHost_ = std::make_unique<PrintHostAdapter>(*this);
    printJob_ = std::make_unique<PrintJob>(platform_.printer, platform_.messages, *printHost_,
                                           *dialog, printState, this);
}

void TfrmMain::cmdPrintClick()
{
    if (printJob_)
        printJob_->print();
}

void TfrmMain::cmdPrintSetupClick()
{
    if (printJob_)
        printJob_->printSetup();
}
