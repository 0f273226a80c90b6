#pragma once

#include <QHash>
#include <QStringList>
#include <QTextBrowser>
#include <QWidget>

#include <memory>

class ChmHelpFile;
class QLineEdit;
class QListWidget;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;
class Shell;

// Shows the pages of a compiled help file; links, pictures and style sheets
// come from the same file. Other addresses open with the desktop's handler.
class ChmBrowser : public QTextBrowser {
    Q_OBJECT
public:
    ChmBrowser(Shell& shell, QWidget* parent);

    void setFile(std::shared_ptr<const ChmHelpFile> file);
    QVariant loadResource(int type, const QUrl& name) override;

    // "chm:/page.htm#anchor" for a path inside the file.
    static QUrl pageUrl(const QString& path);

private:
    std::shared_ptr<const ChmHelpFile> file_;
    Shell& shell_;
};

// The help window: the file's contents tree and index beside its pages.
class THelpViewer : public QWidget {
    Q_OBJECT
public:
    // Sized at scale times the design's pixels, as the main window lays out its pages.
    THelpViewer(Shell& shell, QWidget* owner, double scale = 1);

    void setFile(std::shared_ptr<const ChmHelpFile> file);
    const ChmHelpFile* file() const { return file_.get(); }
    void showTopic(const QString& path);
    void showContents();
    // The index with the first keyword that starts with keyword, and its page.
    void showIndex(const QString& keyword);

    QTabWidget* tabs;
    QTreeWidget* contentsTree;
    QLineEdit* indexKeyword;
    QListWidget* indexList;
    ChmBrowser* browser;

private:
    void findKeyword(const QString& keyword);
    void markTopic(const QUrl& page);

    std::shared_ptr<const ChmHelpFile> file_;
    // The first contents line of each page, by the page's path.
    QHash<QString, QTreeWidgetItem*> topicLines_;
    // The index keywords in the list's order.
    QStringList keywords_;
};
