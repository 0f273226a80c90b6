#include "app/InstallPage.h"

#include "app/FileListBox.h"
#include "app/FormDesign.h"

#include <QFileSystemModel>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeView>

InstallPage::InstallPage(const FormDesign& design, const QFont& windowFont)
{
    setObjectName(QStringLiteral("tabInstall"));
    const FormDesign& d = design;
    d.label(this, QStringLiteral("Label23"), QStringLiteral("Preview and Install Fonts"), 8, 4, 300,
            20)
        ->setFont(d.headingFont(windowFont));

    d.label(this, QStringLiteral("Label24"), QStringLiteral("Double-click to select folder"), 8, 30,
            200, 16);
    folderModel = new QFileSystemModel(this);
    folderModel->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    folderModel->setRootPath(QDir::rootPath());
    Tree1 = new QTreeView(this);
    Tree1->setObjectName(QStringLiteral("Tree1"));
    Tree1->setModel(folderModel);
    Tree1->setHeaderHidden(true);
    for (int column = 1; column < folderModel->columnCount(); ++column)
        Tree1->hideColumn(column);
    d.place(Tree1, 8, 48, 200, 190);
    File1 = new FileListBox(QStringLiteral("*.ttf"), this);
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

    lblPreviewSample = d.label(this, QStringLiteral("lblPreviewSample"), QStringLiteral("Sample"),
                               216, 236, 460, 16);
    memDispPreview = new QPlainTextEdit(this);
    memDispPreview->setObjectName(QStringLiteral("memDispPreview"));
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
}

void InstallPage::showRootFolder()
{
    Tree1->setCurrentIndex(folderModel->index(QDir::rootPath()));
}
