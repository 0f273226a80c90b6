#pragma once

#include <QWidget>

class FileListBox;
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
    InstallPage(const FormDesign& design, const QFont& windowFont);

    // The folder tree starts on the file system's root.
    void showRootFolder();

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
};
