#include "fakes/FakeScreenMetrics.h"
#include "fakes/FakeShell.h"
#include "help/ChmHelpEngine.h"
#include "help/ChmHelpFile.h"
#include "help/THelpViewer.h"
#include "platform/linux/LinuxChmLibrary.h"

#include <QAction>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTreeWidget>

// The help file as the build compiles it, read through chmlib by the real engine.
class TestChmHelp : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void contentsPagesAndLinks();
    void requests_data();
    void requests();
    void damagedFileOpensNothing_data();
    void damagedFileOpensNothing();
    void missingLibrary();

private:
    const QString helpFile_ = QStringLiteral(GLYPHARY_HELP_FILE);
};

void TestChmHelp::initTestCase()
{
    if (helpFile_.isEmpty())
        QSKIP("the help file is not built here (chmcmd missing)");
    QVERIFY2(QFile::exists(helpFile_), qPrintable(helpFile_));
    LinuxChmLibrary library;
    QVERIFY2(library.load(), "chmlib (libchm1) is not installed");
}

void TestChmHelp::contentsPagesAndLinks()
{
    LinuxChmLibrary library;
    FakeShell shell;
    FakeScreenMetrics screen;
    ChmHelpEngine engine(library, shell, screen);
    QWidget owner;
    QVERIFY(engine.loadHtmlHelp());
    QVERIFY(engine.htmlHelp(&owner, helpFile_, HtmlHelpCommand::DisplayToc, std::monostate()));
    THelpViewer* viewer = engine.viewer();
    QVERIFY(viewer);
    QCOMPARE(viewer->parentWidget(), &owner);
    QVERIFY(viewer->isVisible());
    QCOMPARE(viewer->windowTitle(), QStringLiteral("Glyphary Help"));
    QCOMPARE(viewer->tabs->currentWidget(), viewer->contentsTree);
    ChmBrowser* browser = viewer->browser;
    QCOMPARE(browser->source().path(), QStringLiteral("/index.htm"));
    QCOMPARE(browser->documentTitle(), QStringLiteral("Using Glyphary"));

    QList<QTreeWidgetItem*> items;
    for (QTreeWidgetItemIterator it(viewer->contentsTree); *it; ++it)
        items.append(*it);
    QCOMPARE(items.size(), 11);
    QCOMPARE(items.at(1)->parent(), items.at(0));  // the pages sit under the first topic

    static const QRegularExpression references(QStringLiteral("(?:href|src)\\s*=\\s*\"([^\"]+)\""),
                                               QRegularExpression::CaseInsensitiveOption);
    QStringList visited;
    for (QTreeWidgetItem* item : std::as_const(items)) {
        viewer->contentsTree->setCurrentItem(item);
        emit viewer->contentsTree->itemClicked(item, 0);
        const QUrl page = browser->source();
        QCOMPARE(browser->documentTitle(), item->text(0));
        visited.append(page.path());

        const QString html = browser->loadResource(QTextDocument::HtmlResource, page).toString();
        QVERIFY(!html.isEmpty());
        for (auto it = references.globalMatch(html); it.hasNext();) {
            const QUrl target = page.resolved(QUrl(it.next().captured(1)));
            const std::optional<QByteArray> data = viewer->file()->read(target.path());
            QVERIFY2(data, qPrintable(page.path() + " links to missing " + target.path()));
            if (target.path().endsWith(QStringLiteral(".xpm"))) {
                const QImage picture =
                    browser->loadResource(QTextDocument::ImageResource, target).value<QImage>();
                QVERIFY(!picture.isNull() && picture == QImage::fromData(*data));
            }
        }
    }
    QCOMPARE(visited.size(), QSet<QString>(visited.begin(), visited.end()).size());

    // Back and forward walk the pages just shown.
    QAction* back = viewer->findChild<QAction*>(QStringLiteral("Back"));
    QAction* forward = viewer->findChild<QAction*>(QStringLiteral("Forward"));
    QVERIFY(back->isEnabled());
    QVERIFY(!forward->isEnabled());
    back->trigger();
    QCOMPARE(browser->source().path(), visited.at(visited.size() - 2));
    QVERIFY(forward->isEnabled());
    forward->trigger();
    QCOMPARE(browser->source().path(), visited.last());

    // A link inside a page opens its target here; an address outside goes to the desktop.
    emit browser->anchorClicked(browser->source().resolved(QUrl(QStringLiteral("files.htm"))));
    QCOMPARE(browser->documentTitle(), QStringLiteral("Where Glyphary keeps its files"));
    QCOMPARE(viewer->contentsTree->currentItem()->text(0), browser->documentTitle());
    emit browser->anchorClicked(QUrl(QStringLiteral("https://www.example.com/")));
    QCOMPARE(shell.urls, QList<QUrl>{QUrl(QStringLiteral("https://www.example.com/"))});

    QPointer<THelpViewer> open = viewer;
    QVERIFY(engine.htmlHelp(&owner, QString(), HtmlHelpCommand::CloseAll, std::monostate()));
    QVERIFY(!open);
}

void TestChmHelp::requests_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("topicFile");  // for popups
    QTest::addColumn<uint>("number");
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<QString>("page");   // the viewer's page, or the popup's first words
    auto context = [](const char* name, uint number, const char* page) {
        QTest::newRow(name) << int(HtmlHelpCommand::HelpContext) << QString() << number << QString()
                            << true << page;
    };
    context("context of the first topic", 1000, "/index.htm");
    context("context of a page", 1006, "/install.htm");
    context("context of the last topic", 1010, "/findfonts.htm");
    QTest::newRow("unknown context") << int(HtmlHelpCommand::HelpContext) << QString() << 999u << QString()
                                     << false << QString();
    QTest::newRow("index keyword") << int(HtmlHelpCommand::DisplayIndex) << QString() << 0u << "print s"
                                   << true << "/printing.htm";
    QTest::newRow("popup topic") << int(HtmlHelpCommand::DisplayTextPopup) << "::/CSHelp.txt" << 2003u
                                 << QString() << true << "Prints the selected families";
    QTest::newRow("popup topic missing") << int(HtmlHelpCommand::DisplayTextPopup) << "::/CSHelp.txt"
                                         << 2999u << QString() << false << QString();
    QTest::newRow("popup topic file missing") << int(HtmlHelpCommand::DisplayTextPopup) << "::/Tips.txt"
                                              << 2003u << QString() << false << QString();
}

void TestChmHelp::requests()
{
    QFETCH(int, command);
    QFETCH(QString, topicFile);
    QFETCH(uint, number);
    QFETCH(QString, keyword);
    QFETCH(bool, shown);
    QFETCH(QString, page);

    LinuxChmLibrary library;
    FakeShell shell;
    FakeScreenMetrics screen;
    ChmHelpEngine engine(library, shell, screen);
    QWidget owner;
    HtmlHelpData data = keyword.isEmpty() ? HtmlHelpData(quint32(number)) : HtmlHelpData(keyword);
    if (!topicFile.isEmpty()) {
        HelpPopup popup;
        popup.context = number;
        popup.position = {40, 50};
        popup.font = QStringLiteral("MS Sans Serif, 8");
        data = popup;
    }
    QCOMPARE(engine.htmlHelp(&owner, helpFile_ + topicFile, HtmlHelpCommand(command), data), shown);
    if (!shown) {
        QVERIFY(!engine.viewer());
        QVERIFY(!engine.popup());
    } else if (!topicFile.isEmpty()) {
        QVERIFY(engine.popup()->isVisible());
        QVERIFY(engine.popup()->text().startsWith(page));
        // The test platform may add a frame of a pixel or two.
        QVERIFY((engine.popup()->pos() - QPoint(40, 50)).manhattanLength() <= 4);
    } else {
        QCOMPARE(engine.viewer()->browser->source().path(), page);
        if (!keyword.isEmpty()) {
            QCOMPARE(engine.viewer()->indexKeyword->text(), keyword);
            QCOMPARE(engine.viewer()->indexList->currentItem()->text(), QStringLiteral("Print Setup"));
        }
    }
}

void TestChmHelp::damagedFileOpensNothing_data()
{
    QTest::addColumn<qint64>("keep");  // bytes of the real file kept; -1: a text file
    QTest::newRow("missing") << qint64(-2);
    QTest::newRow("empty") << qint64(0);
    QTest::newRow("header only") << qint64(100);
    QTest::newRow("directory cut") << qint64(4096);
    QTest::newRow("half") << QFileInfo(QStringLiteral(GLYPHARY_HELP_FILE)).size() / 2;
    QTest::newRow("not a help file") << qint64(-1);
}

void TestChmHelp::damagedFileOpensNothing()
{
    QFETCH(qint64, keep);
    QTemporaryDir folder;
    const QString damaged = folder.filePath(QStringLiteral("GLYPHARY.CHM"));
    if (keep != -2) {
        QFile source(helpFile_);
        QVERIFY(source.open(QIODevice::ReadOnly));
        QFile file(damaged);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(keep < 0 ? QByteArray("<html>not compiled</html>\n") : source.read(keep));
    }

    LinuxChmLibrary library;
    FakeShell shell;
    FakeScreenMetrics screen;
    ChmHelpEngine engine(library, shell, screen);
    QWidget owner;
    QVERIFY(!engine.htmlHelp(&owner, damaged, HtmlHelpCommand::DisplayToc, std::monostate()));
    QVERIFY(!engine.htmlHelp(&owner, damaged, HtmlHelpCommand::HelpContext, 1001u));
    QVERIFY(!engine.viewer());
    QVERIFY(owner.findChildren<QWidget*>().isEmpty());
}

void TestChmHelp::missingLibrary()
{
    LinuxChmLibrary library(QStringLiteral("libchm-absent.so.9"));
    FakeShell shell;
    FakeScreenMetrics screen;
    ChmHelpEngine engine(library, shell, screen);
    QWidget owner;
    QVERIFY(!engine.loadHtmlHelp());
    QVERIFY(!engine.loadHtmlHelp());  // tried again, still missing
    QVERIFY(!engine.htmlHelp(&owner, helpFile_, HtmlHelpCommand::DisplayToc, std::monostate()));
    QVERIFY(!engine.viewer());
}

QTEST_MAIN(TestChmHelp)
#include "tst_chmhelp.moc"
