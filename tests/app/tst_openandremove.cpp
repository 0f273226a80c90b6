// Font files opened from the command line or dropped on the window, and a
// family the user installed taken away again, through the real window over
// fake services and real folders.
#include "app/TfrmMain.h"
#include "fakes/FakePlatform.h"
#include "fontfiles/SfntBuilder.h"

#include <QAbstractItemView>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>
#include <QUrl>

#include <memory>

namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("can't write %s", qPrintable(path));
}

QByteArray fontNamed(const QString& fullName)
{
    return sfnt::font(QList<sfnt::Name>{sfnt::win(1, "Fam"), sfnt::win(4, fullName)});
}

QStringList rows(const QAbstractItemView* view)
{
    QStringList out;
    const QAbstractItemModel* model = view->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        const QModelIndex index = model->index(row, 0);
        out << (view->currentIndex() == index ? "*" : "") + index.data().toString();
    }
    return out;
}

struct Window {
    // Families named in typefaces beside "Book Face" are set up beforehand.
    explicit Window(const QStringList& typefaces = {})
    {
        fake.fonts.addTrueTypeFamily("Book Face");
        for (const QString& family : typefaces)
            fake.fonts.addTrueTypeFamily(family);
        fake.printer.setTypefaces(QStringList{"Book Face"} + typefaces);
        frmMain = std::make_unique<TfrmMain>(fake.platform);
        frmMain->FormCreate();
        frmMain->show();
    }

    template <typename T>
    T* find(const char* name) const
    {
        T* found = frmMain->findChild<T*>(name);
        if (!found)
            qFatal("no %s", name);
        return found;
    }
    QStringList boxes(const QString& root) const
    {
        QStringList out;
        for (const FakeMessageBoxes::Box& box : fake.messages.boxes)
            out << box.kind + ": " + QString(box.text).replace(root, "<root>");
        return out;
    }
    // A file manager's drag, offering copy or move.
    void drop(QWidget* target, const QStringList& paths)
    {
        QList<QUrl> urls;
        for (const QString& path : paths)
            urls << QUrl::fromLocalFile(path);
        QMimeData data;
        data.setUrls(urls);
        data.setText(paths.join(u'\n'));
        const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction;
        QDragEnterEvent enter({5, 5}, offered, &data, Qt::LeftButton, {});
        enter.setDropAction(Qt::MoveAction);
        QApplication::sendEvent(target, &enter);
        QVERIFY(enter.isAccepted());
        QCOMPARE(enter.dropAction(), Qt::CopyAction);
        QDropEvent dropped({5, 5}, offered, &data, Qt::LeftButton, {});
        QApplication::sendEvent(target, &dropped);
        QVERIFY(dropped.isAccepted());
    }
    void makeCurrent(const QString& family)
    {
        auto* list = find<QAbstractItemView>("lstFonts");
        const QModelIndexList found = list->model()->match(list->model()->index(0, 0),
                                                           Qt::DisplayRole, family, 1,
                                                           Qt::MatchExactly);
        QVERIFY(!found.isEmpty());
        list->selectionModel()->setCurrentIndex(found.first(), QItemSelectionModel::ClearAndSelect);
    }

    FakePlatform fake;
    std::unique_ptr<TfrmMain> frmMain;
};

} // namespace

class TestOpenAndRemove : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void open_data();
    void open();
    void remove_data();
    void remove();

private:
    QTemporaryDir m_dir;
};

void TestOpenAndRemove::initTestCase()
{
    for (const char* name : {"Alpha", "Beta", "Gamma"})
        writeFile(m_dir.filePath(QStringLiteral("a/%1.ttf").arg(name)),
                  fontNamed(QStringLiteral("%1 Sans").arg(name)));
    writeFile(m_dir.filePath("a/junk.ttf"), "no font");
    writeFile(m_dir.filePath("b/Delta.ttf"), fontNamed("Delta Sans"));
}

void TestOpenAndRemove::open_data()
{
    QTest::addColumn<QString>("how");    // "command line", or a drop on the control named
    QTest::addColumn<QStringList>("paths");
    QTest::addColumn<QStringList>("during");  // dropped while the loading run goes on
    QTest::addColumn<QStringList>("page");
    QTest::addColumn<QStringList>("boxes");

    QTest::newRow("command line: a file, shown")
        << "command line" << QStringList{"a/Beta.ttf"} << QStringList{}
        << QStringList{"Font Files: 4", "Alpha Sans", "*Beta Sans", "Gamma Sans",
                       "Sample: Beta Sans"}
        << QStringList{};
    QTest::newRow("folder dropped on the sample text")
        << "memDispPreview" << QStringList{"a"} << QStringList{}
        << QStringList{"Font Files: 4", "*Alpha Sans", "Beta Sans", "Gamma Sans",
                       "Sample: Alpha Sans"}
        << QStringList{};
    QTest::newRow("files of two folders dropped on the font list")
        << "lstFonts" << QStringList{"a/Gamma.ttf", "b/Delta.ttf", "a/Alpha.ttf"} << QStringList{}
        << QStringList{"Font Files: 4", "Alpha Sans", "Beta Sans", "*Gamma Sans",
                       "Sample: Gamma Sans"}
        << QStringList{"information: The page shows one folder at a time, <root>/a. Not "
                       "shown:\n<root>/b/Delta.ttf"};
    QTest::newRow("not a font: the folder chosen, nothing previewed")
        << "command line" << QStringList{"a/junk.ttf"} << QStringList{}
        << QStringList{"Font Files: 4", "Sample"}
        << QStringList{"warning: <root>/a/junk.ttf is not a font file that this page shows "
                       "(.ttf, .otf, .ttc, .otc, .woff, .woff2, .pfb or .pfa, or an archive of them)."};
    QTest::newRow("missing folder: the page stays")
        << "command line" << QStringList{"gone/x.ttf"} << QStringList{}
        << QStringList{"Font Files: 0", "Sample"}
        << QStringList{"warning: <root>/gone/x.ttf does not exist."};
    QTest::newRow("drop during the loading run: refused")
        << "command line" << QStringList{"a/Beta.ttf"} << QStringList{"b"}
        << QStringList{"Font Files: 4", "Alpha Sans", "*Beta Sans", "Gamma Sans",
                       "Sample: Beta Sans"}
        << QStringList{"information: Wait until the current run has finished, then try again."};
}

void TestOpenAndRemove::open()
{
    QFETCH(QString, how);
    QFETCH(QStringList, paths);
    QFETCH(QStringList, during);
    QFETCH(QStringList, page);
    QFETCH(QStringList, boxes);

    const QString root = m_dir.path();
    const auto inRoot = [&root](QStringList relative) {
        for (QString& path : relative)
            path = root + u'/' + path;
        return relative;
    };
    Window w;
    if (!during.isEmpty()) {
        QMetaObject::invokeMethod(
            w.frmMain.get(), [&] { w.drop(w.find<QWidget>("lstPreview"), inRoot(during)); },
            Qt::QueuedConnection);
    }
    if (how == "command line")
        w.frmMain->openFontFiles(inRoot(paths));
    else
        w.drop(w.find<QWidget>(qPrintable(how)), inRoot(paths));
    // The drop's open waits for the event loop.
    QCoreApplication::processEvents();

    QCOMPARE(w.find<QTabWidget>("PageControl1")->currentWidget()->objectName(),
             paths.first().startsWith("gone") ? "tabMain" : "tabInstall");
    const QStringList shown = QStringList{w.find<QLabel>("lblFontFiles")->text()}
                              + rows(w.find<QAbstractItemView>("lstPreview"))
                              + QStringList{w.find<QLabel>("lblPreviewSample")->text()};
    QCOMPARE(shown, page);
    QCOMPARE(w.boxes(root), boxes);
}

void TestOpenAndRemove::remove_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<QString>("run");        // "printing": a print run is going on
    QTest::addColumn<QStringList>("stuck");  // files that can't be moved
    QTest::addColumn<bool>("answer");
    QTest::addColumn<QString>("menu");       // "enabled", or the disabled item's tooltip
    QTest::addColumn<QStringList>("boxes");  // <f>: the fonts folder
    QTest::addColumn<QStringList>("trashed");
    QTest::addColumn<QStringList>("families");  // the font list afterwards

    const QStringList all{"Book Face", "Linked", "Mine", "Shared", "System"};
    const QString mineQuestion = "confirm: Remove the font family \"Mine\"?\n\nThese files go to "
                                 "the trash:\n<f>/Mine-Regular.ttf\n<f>/Mine-Bold.ttf";
    QTest::newRow("user family, yes")
        << "Mine" << "" << QStringList{} << true << "enabled"
        << QStringList{mineQuestion, "information: Moved 2 files to the trash."}
        << QStringList{"Mine-Regular.ttf", "Mine-Bold.ttf"}
        << QStringList{"Book Face", "Linked", "Shared", "System"};
    QTest::newRow("no: nothing moved")
        << "Mine" << "" << QStringList{} << false << "enabled" << QStringList{mineQuestion}
        << QStringList{} << all;
    QTest::newRow("faces for all users kept and named")
        << "Shared" << "" << QStringList{} << true << "enabled"
        << QStringList{"confirm: Remove the font family \"Shared\"?\n\nThis file goes to the "
                       "trash:\n<f>/sub/Shared-Regular.ttf\n\n2 faces installed for all users "
                       "are kept.",
                       "information: Moved 1 file to the trash."}
        << QStringList{"sub/Shared-Regular.ttf"} << all;
    QTest::newRow("a file that can't be moved, the other goes")
        << "Mine" << "" << QStringList{"Mine-Bold.ttf"} << true << "enabled"
        << QStringList{mineQuestion, "warning: Moved 1 file to the trash.\n\nThese could not be "
                                     "moved and are still installed:\n<f>/Mine-Bold.ttf"}
        << QStringList{"Mine-Regular.ttf"} << all;
    QTest::newRow("link to a file outside: the link")
        << "Linked" << "" << QStringList{} << true << "enabled"
        << QStringList{"confirm: Remove the font family \"Linked\"?\n\nThis file goes to the "
                       "trash:\n<f>/Link.ttf",
                       "information: Moved 1 file to the trash."}
        << QStringList{"Link.ttf"} << QStringList{"Book Face", "Mine", "Shared", "System"};
    QTest::newRow("for all users: disabled")
        << "System" << "" << QStringList{} << true
        << "\"System\" is installed for all users: only an administrator can remove it."
        << QStringList{} << QStringList{} << all;
    QTest::newRow("no files at all: disabled")
        << "Book Face" << "" << QStringList{} << true
        << "\"Book Face\" has no font files in your fonts folder." << QStringList{}
        << QStringList{} << all;
    QTest::newRow("during a print run: refused")
        << "Mine" << "printing" << QStringList{} << true << "enabled"
        << QStringList{"information: Wait until the current run has finished, then try again."}
        << QStringList{} << all;
}

void TestOpenAndRemove::remove()
{
    QFETCH(QString, family);
    QFETCH(QString, run);
    QFETCH(QStringList, stuck);
    QFETCH(bool, answer);
    QFETCH(QString, menu);
    QFETCH(QStringList, boxes);
    QFETCH(QStringList, trashed);
    QFETCH(QStringList, families);

    QTemporaryDir dir;
    const QString fonts = dir.filePath("fonts");
    const QString outside = dir.filePath("outside");
    const QMap<QString, QStringList> files{
        {"Mine", {fonts + "/Mine-Regular.ttf", fonts + "/Mine-Bold.ttf"}},
        {"Shared",
         {fonts + "/sub/Shared-Regular.ttf", outside + "/Shared-Bold.ttf", outside + "/Shared-Italic.ttf"}},
        {"System", {outside + "/System.ttf"}},
        {"Linked", {fonts + "/Link.ttf"}}};
    Window w(files.keys());
    w.fake.shell.fontsFolder = fonts;
    const QStringList typefaces = QStringList{"Book Face"} + files.keys();
    for (auto it = files.cbegin(); it != files.cend(); ++it) {
        for (const QString& path : it.value()) {
            if (!path.endsWith("Link.ttf"))
                writeFile(path, "font");
            FontFileFace face;
            face.path = path;
            face.installed = true;
            w.fake.fonts.filesByFamily[it.key()] << face;
        }
    }
    QVERIFY(QFile::link(outside + "/System.ttf", fonts + "/Link.ttf"));
    for (const QString& file : stuck)
        w.fake.shell.trashFails << fonts + u'/' + file;
    // The font lists lose a family whose every file went.
    QObject::connect(&w.fake.fonts, &FontService::fontsChanged, [&] {
        QStringList left;
        for (const QString& name : typefaces) {
            const QStringList paths = files.value(name, {"none"});
            bool gone = true;
            for (const QString& path : paths)
                gone = gone && w.fake.shell.trashed.contains(path);
            if (!gone)
                left << name;
        }
        w.fake.printer.setTypefaces(left);
    });
    w.makeCurrent(family);
    if (run == "printing")
        w.frmMain->printState.JobRunning = true;

    auto* file = w.find<QMenu>("File2");
    emit file->aboutToShow();
    auto* remove = w.find<QAction>("RemoveFontFamily1");
    QCOMPARE(remove->isEnabled() ? QString("enabled") : remove->toolTip(), menu);
    w.fake.messages.confirmAnswers = {answer};
    w.frmMain->RemoveFontFamily1Click();

    QCOMPARE(w.boxes(fonts), QStringList(boxes).replaceInStrings("<f>", "<root>"));
    QStringList moved;
    for (const QString& path : std::as_const(w.fake.shell.trashed))
        moved << QDir(fonts).relativeFilePath(path);
    QCOMPARE(moved, trashed);
    QStringList listed = rows(w.find<QAbstractItemView>("lstFonts"));
    listed.replaceInStrings("*", "");
    QCOMPARE(listed, families);
    if (!trashed.isEmpty())
        QCOMPARE(w.fake.fonts.refreshedFolders.size(), 1);
}

QTEST_MAIN(TestOpenAndRemove)
#include "tst_openandremove.moc"
