// The Preview/Install page through the real window, over fake services and a
// temporary folder of font files built byte by byte.
#include "app/FormDesign.h"
#include "app/InstallPage.h"
#include "app/MainPage.h"
#include "app/TfrmMain.h"
#include "fakes/FakePlatform.h"
#include "fontfiles/SfntBuilder.h"

#include <QAbstractButton>
#include <QFile>
#include <QFileSystemModel>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTreeView>

#include <memory>

namespace {

struct Window {
    // restoredSize: the sample size box as the settings store sets it before start-up.
    explicit Window(int restoredSize = 12)
    {
        fake.fonts.addTrueTypeFamily("Book Face");
        fake.printer.setTypefaces({"Book Face", "Printer Gothic"});
        frmMain = std::make_unique<TfrmMain>(fake.platform);
        frmMain->installPage()->spnPreviewSize->setValue(restoredSize);
        frmMain->FormCreate();
        frmMain->show();
        page = frmMain->installPage();
    }

    void choosePage(QWidget* widget)
    {
        auto* tabs = frmMain->findChild<QTabWidget*>("PageControl1");
        tabs->tabBar()->setCurrentIndex(tabs->indexOf(widget));
    }
    void chooseFolder(const QString& path)
    {
        page->Tree1->setCurrentIndex(page->folderModel->index(path));
        page->Tree1DblClick();
    }
    void click(QListWidget* list, int row)
    {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    }

    // What the user sees of the page, and which files are loaded.
    QStringList state() const
    {
        const auto items = [](const QListWidget* list) {
            QStringList out;
            for (int row = 0; row < list->count(); ++row)
                out << (list->currentRow() == row && list->item(row)->isSelected() ? "*" : "")
                        + list->item(row)->text();
            return out.join(", ");
        };
        QStringList enabled;
        for (QAbstractButton* button : {page->cmdPreview, page->cmdAdd, page->cmdAddAll,
                                        page->cmdRemove, page->cmdRemoveAll, page->cmdInstall,
                                        page->cmdPreviewPrint})
            if (button->isEnabled())
                enabled << button->objectName();
        const QFont memo = page->memDispPreview->font();
        const bool visible = page->memDispPreview->palette().color(QPalette::Text) == Qt::black;
        QStringList loaded;
        for (auto it = fake.fonts.added.cbegin(); it != fake.fonts.added.cend(); ++it)
            if (it.value() != fake.fonts.removed.value(it.key()))
                loaded << QFileInfo(it.key()).fileName();
        return {page->lblFontFiles->text() + " | " + page->lblPAvailable->text() + " | "
                    + page->lblPSelected->text(),
                "available: " + items(page->lstPreview),
                "selected: " + items(page->lstSelected),
                "buttons: " + enabled.join(' '),
                page->lblPreviewSample->text(),
                QStringLiteral("memo: %1%2%3 %4pt %5")
                    .arg(memo.family(), memo.bold() ? " B" : "", memo.italic() ? " I" : "")
                    .arg(memo.pointSize())
                    .arg(visible ? "shown" : "hidden"),
                QStringLiteral("gauge %1, loaded: %2").arg(page->gaugeLoading->value()).arg(loaded.join(' '))};
    }

    FakePlatform fake;
    std::unique_ptr<TfrmMain> frmMain;
    InstallPage* page = nullptr;
};

} // namespace

class TestInstallPage : public QObject {
    Q_OBJECT

private slots:
    void page_data();
    void page();
    void leavingRefreshesTheCatalogue();
    void restoredSampleSize();
};

void TestInstallPage::page_data()
{
    QTest::addColumn<QStringList>("fonts");  // full names; family "Fam", files f0.ttf, f1.ttf, ...
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("state");  // "System": the system font's family

    const QStringList four{"Delta Sans", "Alpha Sans", "Beta Sans", "Gamma Sans"};
    const QString n31 = QString(26, u'L') + " Bold";
    const QString n32 = QString(27, u'L') + " Bold";

    QTest::newRow("no font files")
        << QStringList{} << QStringList{"folder"}
        << QStringList{"Font Files: 0 | Available Fonts: 0 | Selected Fonts: 0", "available: ",
                       "selected: ", "buttons: ", "Sample", "memo: System B 12pt hidden",
                       "gauge 0, loaded: "};
    QTest::newRow("folder chosen")
        << four << QStringList{"folder"}
        << QStringList{"Font Files: 4 | Available Fonts: 0 | Selected Fonts: 0", "available: ",
                       "selected: ", "buttons: cmdPreview", "Sample", "memo: System B 12pt hidden",
                       "gauge 0, loaded: "};
    QTest::newRow("run lists sorted, shows the first")
        << four << QStringList{"folder", "preview"}
        << QStringList{"Font Files: 4 | Available Fonts: 4 | Selected Fonts: 0",
                       "available: *Alpha Sans, Beta Sans, Delta Sans, Gamma Sans", "selected: ",
                       "buttons: cmdAdd cmdAddAll", "Sample: Alpha Sans",
                       "memo: Alpha Sans 12pt shown", "gauge 75, loaded: f1.ttf"};
    QTest::newRow("cancel after the second file")
        << four << QStringList{"folder", "at 25: cancel", "preview"}
        << QStringList{"Font Files: 4 | Available Fonts: 2 | Selected Fonts: 0",
                       "available: *Alpha Sans, Delta Sans", "selected: ",
                       "buttons: cmdAdd cmdAddAll", "Sample: Alpha Sans",
                       "memo: Alpha Sans 12pt shown", "gauge 25, loaded: f1.ttf"};
    QTest::newRow("folder choice during a run drops it")
        << four << QStringList{"folder", "at 25: folder", "preview"}
        << QStringList{"Font Files: 4 | Available Fonts: 0 | Selected Fonts: 0", "available: ",
                       "selected: ", "buttons: cmdPreview", "Sample", "memo: System B 12pt hidden",
                       "gauge 25, loaded: "};
    QTest::newRow("second Preview Fonts during a run refused")
        << four << QStringList{"folder", "at 25: preview", "preview"}
        << QStringList{"Font Files: 4 | Available Fonts: 4 | Selected Fonts: 0",
                       "available: *Alpha Sans, Beta Sans, Delta Sans, Gamma Sans", "selected: ",
                       "buttons: cmdAdd cmdAddAll", "Sample: Alpha Sans",
                       "memo: Alpha Sans 12pt shown", "gauge 75, loaded: f1.ttf"};
    QTest::newRow("page change during a run drops it")
        << four << QStringList{"folder", "at 25: leave", "preview", "back"}
        << QStringList{"Font Files: 4 | Available Fonts: 0 | Selected Fonts: 0", "available: ",
                       "selected: ", "buttons: cmdPreview", "Sample", "memo: System B 12pt hidden",
                       "gauge 25, loaded: "};
    QTest::newRow("closing the window during a run cancels it; the close waits for the run")
        << four << QStringList{"folder", "at 25: close", "preview"}
        << QStringList{"Font Files: 4 | Available Fonts: 2 | Selected Fonts: 0",
                       "available: *Alpha Sans, Delta Sans", "selected: ",
                       "buttons: cmdAdd cmdAddAll", "Sample: Alpha Sans",
                       "memo: Alpha Sans 12pt shown", "gauge 25, loaded: f1.ttf"};
    QTest::newRow("a run that finds nothing")
        << QStringList{"x"} << QStringList{"folder", "preview"}
        << QStringList{"Font Files: 1 | Available Fonts: 0 | Selected Fonts: 0", "available: ",
                       "selected: ", "buttons: cmdPreview", "Sample", "memo: System B 12pt hidden",
                       "gauge 0, loaded: "};
    QTest::newRow("31 characters: the full name")
        << QStringList{n31} << QStringList{"folder", "preview"}
        << QStringList{"Font Files: 1 | Available Fonts: 1 | Selected Fonts: 0", "available: *" + n31,
                       "selected: ", "buttons: cmdAdd cmdAddAll", "Sample: " + n31,
                       "memo: " + n31 + " 12pt shown", "gauge 0, loaded: f0.ttf"};
    QTest::newRow("32 characters: family and style")
        << QStringList{n32} << QStringList{"folder", "preview"}
        << QStringList{"Font Files: 1 | Available Fonts: 1 | Selected Fonts: 0", "available: *" + n32,
                       "selected: ", "buttons: cmdAdd cmdAddAll", "Sample: " + n32,
                       "memo: Fam B 12pt shown", "gauge 0, loaded: f0.ttf"};
    QTest::newRow("click shows, > moves and shows the next")
        << four << QStringList{"folder", "preview", "A2", ">"}
        << QStringList{"Font Files: 4 | Available Fonts: 3 | Selected Fonts: 1",
                       "available: Alpha Sans, Beta Sans, *Gamma Sans", "selected: Delta Sans",
                       "buttons: cmdAdd cmdAddAll cmdRemove cmdRemoveAll cmdInstall cmdPreviewPrint",
                       "Sample: Gamma Sans", "memo: Gamma Sans 12pt shown",
                       "gauge 75, loaded: f3.ttf"};
    QTest::newRow("< keeps the sample; last one out leaves no current item")
        << four << QStringList{"folder", "preview", ">", "S0", "<"}
        << QStringList{"Font Files: 4 | Available Fonts: 4 | Selected Fonts: 0",
                       "available: Alpha Sans, *Beta Sans, Delta Sans, Gamma Sans", "selected: ",
                       "buttons: cmdAdd cmdAddAll", "Sample: Alpha Sans",
                       "memo: Alpha Sans 12pt shown", "gauge 75, loaded: f1.ttf"};
    QTest::newRow(">> moves all, the sample stays")
        << four << QStringList{"folder", "preview", ">>"}
        << QStringList{"Font Files: 4 | Available Fonts: 0 | Selected Fonts: 4", "available: ",
                       "selected: Alpha Sans, Beta Sans, Delta Sans, Gamma Sans",
                       "buttons: cmdRemove cmdRemoveAll cmdInstall cmdPreviewPrint",
                       "Sample: Alpha Sans", "memo: Alpha Sans 12pt shown",
                       "gauge 75, loaded: f1.ttf"};
    QTest::newRow("sample size; the print size leaves it")
        << four << QStringList{"folder", "preview", "size 16", "print size 9"}
        << QStringList{"Font Files: 4 | Available Fonts: 4 | Selected Fonts: 0",
                       "available: *Alpha Sans, Beta Sans, Delta Sans, Gamma Sans", "selected: ",
                       "buttons: cmdAdd cmdAddAll", "Sample: Alpha Sans",
                       "memo: Alpha Sans 16pt shown", "gauge 75, loaded: f1.ttf"};
    QTest::newRow("leaving the page and coming back")
        << four << QStringList{"folder", "preview", "A1", ">", "leave", "back"}
        << QStringList{"Font Files: 4 | Available Fonts: 0 | Selected Fonts: 0", "available: ",
                       "selected: ", "buttons: cmdPreview", "Sample",
                       "memo: Delta Sans 12pt hidden", "gauge 75, loaded: "};
}

void TestInstallPage::page()
{
    QFETCH(QStringList, fonts);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, state);

    Window w;
    w.fake.fonts.addFamily("Fam", {{"Regular", true, false, FontFace::CharSet::Ansi},
                                   {"Bold", true, false, FontFace::CharSet::Ansi}});
    QTemporaryDir dir;
    for (int i = 0; i < fonts.size(); ++i) {
        QFile file(dir.filePath(QStringLiteral("f%1.ttf").arg(i)));
        QVERIFY(file.open(QIODevice::WriteOnly));
        const QByteArray font =
            fonts[i].size() < 2 ? QByteArray("not a font")
                                : sfnt::font({sfnt::win(1, "Fam"), sfnt::win(4, fonts[i])});
        QVERIFY(file.write(font) == font.size());
    }
    w.choosePage(w.page);
    // An action for the moment the gauge first shows 25.
    QString during;
    connect(w.page->gaugeLoading, &QProgressBar::valueChanged, this, [&](int value) {
        if (value != 25 || during.isEmpty())
            return;
        const QString action = std::exchange(during, QString());
        if (action == "cancel")
            w.page->cmdPreviewCancel->click();
        else if (action == "folder")
            w.chooseFolder(dir.path());
        else if (action == "preview")
            w.page->cmdPreviewClick();
        else if (action == "leave")
            w.choosePage(w.frmMain->mainPage());
        else if (action == "close")
            w.frmMain->close();
    });
    for (const QString& step : steps) {
        if (step == "folder")
            w.chooseFolder(dir.path());
        else if (step.startsWith("at 25: "))
            during = step.mid(7);
        else if (step == "preview")
            w.page->cmdPreview->click();
        else if (step == ">")
            w.page->cmdAdd->click();
        else if (step == "<")
            w.page->cmdRemove->click();
        else if (step == ">>")
            w.page->cmdAddAll->click();
        else if (step == "A2" || step == "A1")
            w.click(w.page->lstPreview, step.mid(1).toInt());
        else if (step == "S0")
            w.click(w.page->lstSelected, 0);
        else if (step == "size 16")
            w.page->spnPreviewSize->setValue(16);
        else if (step == "print size 9")
            w.page->spnPreviewPrintSize->setValue(9);
        else if (step == "leave")
            w.choosePage(w.frmMain->mainPage());
        else if (step == "back")
            w.choosePage(w.page);
        else
            QFAIL(qPrintable("unknown step " + step));
    }
    state.replaceInStrings("memo: System", "memo: " + systemFont().family());
    QCOMPARE(w.state(), state);

    // Every file loaded is unloaded exactly once, by the close at the latest.
    w.frmMain->close();
    QCOMPARE(w.fake.fonts.removed, w.fake.fonts.added);
}

// Fonts installed while on the page reach the Main page's list; a printer's
// own font still has no screen font.
void TestInstallPage::leavingRefreshesTheCatalogue()
{
    Window w;
    w.choosePage(w.page);
    w.fake.printer.setTypefaces({"Book Face", "Printer Gothic", "New Face"});
    w.fake.fonts.addTrueTypeFamily("New Face");
    w.choosePage(w.frmMain->mainPage());
    auto* fonts = w.frmMain->findChild<QListView*>("lstFonts");
    QCOMPARE(fonts->model()->rowCount(), 3);
    QCOMPARE(fonts->currentIndex().data().toString(), "Book Face");
    QVERIFY(w.frmMain->catalogue().isScreenFont("New Face"));
    QVERIFY(!w.frmMain->catalogue().isScreenFont("Printer Gothic"));
}

// The memo starts at the size its box shows, restored or not.
void TestInstallPage::restoredSampleSize()
{
    Window w(16);
    QCOMPARE(w.page->memDispPreview->font().pointSize(), 16);
}

QTEST_MAIN(TestInstallPage)
#include "tst_installpage.moc"
