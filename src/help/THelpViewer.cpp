#include "help/THelpViewer.h"

#include "help/ChmHelpFile.h"
#include "platform/Shell.h"

#include <QAction>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QSplitter>
#include <QStringDecoder>
#include <QTabWidget>
#include <QTextDocument>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString Scheme = QStringLiteral("chm");
constexpr int LocalRole = Qt::UserRole;

}  // namespace

ChmBrowser::ChmBrowser(Shell& shell, QWidget* parent) : QTextBrowser(parent), shell_(shell)
{
    // Links inside the file stay here; QTextBrowser would hand an unknown
    // scheme to the desktop.
    setOpenLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
        if (url.scheme() == Scheme)
            setSource(url);
        else
            shell_.openUrl(url);
    });
}

void ChmBrowser::setFile(std::shared_ptr<const ChmHelpFile> file)
{
    file_ = std::move(file);
    clearHistory();
    clear();
}

QUrl ChmBrowser::pageUrl(const QString& path)
{
    const qsizetype hash = path.indexOf(u'#');
    QUrl url;
    url.setScheme(Scheme);
    url.setPath(hash < 0 ? path : path.left(hash));
    if (hash >= 0)
        url.setFragment(path.mid(hash + 1));
    return url;
}

QVariant ChmBrowser::loadResource(int type, const QUrl& name)
{
    const QUrl url = name.isRelative() ? source().resolved(name) : name;
    const std::optional<QByteArray> data =
        url.scheme() == Scheme && file_ ? file_->read(url.path()) : std::nullopt;
    // Nothing null goes back, nor a picture that does not decode: the
    // document and its picture handler would open the name as a local file
    // themselves, and a page may name a FIFO or a device.
    if (type == QTextDocument::ImageResource) {
        QImage picture;
        if (!data || !picture.loadFromData(*data)) {
            // Blank, at the size of Qt's own stand-in for a missing picture.
            picture = QImage(16, 16, QImage::Format_ARGB32_Premultiplied);
            picture.fill(Qt::transparent);
        }
        return picture;
    }
    if (!data)
        return QByteArray();
    if (type == QTextDocument::HtmlResource) {
        QStringDecoder decoder(QStringConverter::encodingForHtml(*data).value_or(QStringConverter::Latin1));
        return QString(decoder(*data));
    }
    if (type == QTextDocument::StyleSheetResource)
        return QString::fromUtf8(*data);
    return *data;
}

THelpViewer::THelpViewer(Shell& shell, QWidget* owner, double scale) : QWidget(owner, Qt::Window)
{
    setObjectName(QStringLiteral("HelpViewer"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(qRound(780 * scale), qRound(560 * scale));

    browser = new ChmBrowser(shell, this);
    browser->setObjectName(QStringLiteral("browser"));

    auto* toolBar = new QToolBar(this);
    QAction* back = toolBar->addAction(QStringLiteral("Back"), browser, &QTextBrowser::backward);
    QAction* forward = toolBar->addAction(QStringLiteral("Forward"), browser, &QTextBrowser::forward);
    back->setObjectName(QStringLiteral("Back"));
    forward->setObjectName(QStringLiteral("Forward"));
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(browser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    connect(browser, &QTextBrowser::sourceChanged, this, &THelpViewer::markTopic);

    contentsTree = new QTreeWidget;
    contentsTree->setObjectName(QStringLiteral("contentsTree"));
    contentsTree->setHeaderHidden(true);
    // One line of text each: rows need not be measured one by one in a long tree.
    contentsTree->setUniformRowHeights(true);
    connect(contentsTree, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        showTopic(item->data(0, LocalRole).toString());
    });

    auto* indexPage = new QWidget;
    indexKeyword = new QLineEdit(indexPage);
    indexKeyword->setObjectName(QStringLiteral("indexKeyword"));
    indexList = new QListWidget(indexPage);
    indexList->setObjectName(QStringLiteral("indexList"));
    indexList->setUniformItemSizes(true);
    auto* indexLayout = new QVBoxLayout(indexPage);
    indexLayout->setContentsMargins(2, 2, 2, 2);
    indexLayout->addWidget(indexKeyword);
    indexLayout->addWidget(indexList);
    connect(indexKeyword, &QLineEdit::textEdited, this, &THelpViewer::findKeyword);
    connect(indexKeyword, &QLineEdit::returnPressed, this, [this] {
        if (QListWidgetItem* item = indexList->currentItem())
            showTopic(item->data(LocalRole).toString());
    });
    connect(indexList, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { showTopic(item->data(LocalRole).toString()); });

    tabs = new QTabWidget;
    tabs->setObjectName(QStringLiteral("tabs"));
    tabs->addTab(contentsTree, QStringLiteral("Contents"));
    tabs->addTab(indexPage, QStringLiteral("Index"));

    auto* splitter = new QSplitter(this);
    splitter->addWidget(tabs);
    splitter->addWidget(browser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({230, 550});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolBar);
    layout->addWidget(splitter);
}

void THelpViewer::setFile(std::shared_ptr<const ChmHelpFile> file)
{
    file_ = std::move(file);
    browser->setFile(file_);
    setWindowTitle(file_->title().isEmpty() ? QStringLiteral("Help") : file_->title());

    contentsTree->clear();
    topicLines_.clear();
    QList<QTreeWidgetItem*> parents;
    const QList<SitemapEntry> contents = file_->contents();
    for (const SitemapEntry& entry : contents) {
        const int level = qMin(entry.level, int(parents.size()));
        parents.resize(level);
        auto* item = parents.isEmpty() ? new QTreeWidgetItem(contentsTree)
                                       : new QTreeWidgetItem(parents.last());
        item->setText(0, entry.name);
        item->setData(0, LocalRole, entry.local);
        if (const QString page = ChmBrowser::pageUrl(entry.local).path(); !topicLines_.contains(page))
            topicLines_.insert(page, item);
        parents.append(item);
    }
    contentsTree->expandAll();

    indexList->clear();
    QList<SitemapEntry> index = file_->index();
    std::stable_sort(index.begin(), index.end(), [](const SitemapEntry& a, const SitemapEntry& b) {
        return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
    });
    keywords_.clear();
    for (const SitemapEntry& entry : std::as_const(index)) {
        auto* item = new QListWidgetItem(entry.name, indexList);
        item->setData(LocalRole, entry.local);
        keywords_.append(entry.name);
    }
}

void THelpViewer::showTopic(const QString& path)
{
    if (!path.isEmpty())
        browser->setSource(ChmBrowser::pageUrl(path));
}

// The contents line of the page shown, however it was reached.
void THelpViewer::markTopic(const QUrl& page)
{
    if (QTreeWidgetItem* line = topicLines_.value(page.path()))
        contentsTree->setCurrentItem(line);
}

void THelpViewer::showContents() { tabs->setCurrentWidget(contentsTree); }

void THelpViewer::showIndex(const QString& keyword)
{
    tabs->setCurrentWidget(indexList->parentWidget());
    indexKeyword->setText(keyword);
    findKeyword(keyword);
    if (QListWidgetItem* item = indexList->currentItem())
        showTopic(item->data(LocalRole).toString());
}

void THelpViewer::findKeyword(const QString& keyword)
{
    // Sorted without regard to case, the keywords that start with keyword
    // come first among those not before it.
    const auto first = std::lower_bound(keywords_.cbegin(), keywords_.cend(), keyword,
                                        [](const QString& a, const QString& b) {
                                            return a.compare(b, Qt::CaseInsensitive) < 0;
                                        });
    const bool found = first != keywords_.cend() && first->startsWith(keyword, Qt::CaseInsensitive);
    indexList->setCurrentRow(found ? int(first - keywords_.cbegin()) : -1);
}
