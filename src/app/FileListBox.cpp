#include "app/FileListBox.h"

#include <QDir>

FileListBox::FileListBox(Lister lister, QWidget* parent)
    : QListWidget(parent), lister_(std::move(lister)), directory_(QDir::currentPath())
{
    setDirectory(QString());
}

void FileListBox::setDirectory(const QString& path)
{
    if (!path.isEmpty())
        directory_ = QDir(path).absolutePath();
    fileNames_ = lister_(directory_);
    clear();
    addItems(fileNames_);
}
