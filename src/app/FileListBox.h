#pragma once

#include <QListWidget>

// The names (without folder) of the files in one folder that match a mask,
// sorted by name. It starts on the process's current folder.
class FileListBox : public QListWidget {
    Q_OBJECT
public:
    explicit FileListBox(const QString& mask, QWidget* parent = nullptr);

    // An empty path leaves the folder as it is; the list is read again either way.
    void setDirectory(const QString& path);

private:
    QString mask_;
    QString directory_;
};
