#include "app/FileListBox.h"

#include <QDir>

FileListBox::FileListBox(const QString& mask, QWidget* parent)
    : QListWidget(parent), mask_(mask), directory_(QDir::currentPath())
{
    setDirectory(QString());
}

void FileListBox::setDirectory(const QString& path)
{
    if (!path.isEmpty())
        directory_ = QDir(path).absolutePath();
    clear();
    // Matching ignores case, as the file names of fonts copied from other
    // systems often end in .TTF.
    const QDir dir(directory_, mask_, QDir::Name | QDir::IgnoreCase, QDir::Files | QDir::Hidden);
    addItems(dir.entryList());
}
