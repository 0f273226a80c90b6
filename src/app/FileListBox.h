#pragma once

#include <QListWidget>

#include <functional>

// The names (without folder) of some of one folder's files, in the order the
// lister gives them. It starts on the process's current folder.
class FileListBox : public QListWidget {
    Q_OBJECT
public:
    using Lister = std::function<QStringList(const QString& folder)>;

    explicit FileListBox(Lister lister, QWidget* parent = nullptr);

    // An empty path leaves the folder as it is; the list is read again either way.
    void setDirectory(const QString& path);
    const QString& directory() const { return directory_; }
    const QStringList& fileNames() const { return fileNames_; }

private:
    Lister lister_;
    QString directory_;
    QStringList fileNames_;
};
