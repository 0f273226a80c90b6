// The Preview/Install page through the real window, over fake services and a
// temporary folder of font files built byte by byte.
#include "app/FormDesign.h"
#include "app/InstallPage.h"
#include "app/MainPage.h"
#include "app/TfrmMain.h"
#include "fakes/MainWindowHarness.h"
#include "fontfiles/SfntBuilder.h"
#include "platform/linux/QtMessageBoxes.h"

#include <QAbstractButton>
#include <QFile>
#include <QFileSystemModel>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QFileInfo>
#include <QScreen>
#include <QScopeGuard>
#include <QTest>
#include <QTextDocumentFragment>
#include <QTimer>
#include <QTreeView>

#include <memory>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

void bookFaces(FakePlatform& fake)
{
    fake.fonts.addTrueTypeFamily("Book Face");
    fake.printer.setTypefaces({"Book Face", "Printer Gothic"});
}

// Whether a label shows its text as written: as wide and as high as the
// text, broken into lines where the label wraps it.
bool asWritten(const QLabel* label)
{
    const QFontMetrics metrics = label->fontMetrics();
    const bool wraps = label->wordWrap();
    const QSize text = metrics.boundingRect(QRect(0, 0, wraps ? label->contentsRect().width() : 0, 0),
                                            wraps ? Qt::TextWordWrap : 0, label->text())
                           .size();
    const QSize shown = wraps ? QSize(label->width(), label->heightForWidth(label->width()))
                              : label->sizeHint();
    return shown.width() >= text.width() && shown.height() >= text.height()
           && shown.height() < text.height() + metrics.height();
}

struct Window : MainWindowHarness {
    // restoredSize: the sample size box as the settings store sets it before
    // start-up; setUp fills the fakes further.
    explicit Window(int restoredSize = 12, const std::function<void(FakePlatform&)>& setUp = {})
        : MainWindowHarness([&setUp](FakePlatform& fake) {
              bookFaces(fake);
              if (setUp)
                  setUp(fake);
          })
    {
        find<QSpinBox>("spnPreviewSize")->setValue(restoredSize);
        frmMain->FormCreate();
        frmMain->show();
        page = frmMain->installPage();
    }

    using MainWindowHarness::choosePage;
    void choosePage(QWidget* widget) { choosePage(widget->objectName()); }
    QFileSystemModel* folders() const
    {
        return qobject_cast<QFileSystemModel*>(find<QTreeView>("Tree1")->model());
    }
    void chooseFolder(const QString& path)
    {
        find<QTreeView>("Tree1")->setCurrentIndex(folders()->index(path));
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
        for (QAbstractButton* button : {find<QPushButton>("cmdPreview"), find<QPushButton>("cmdAdd"), find<QPushButton>("cmdAddAll"),
                                        find<QPushButton>("cmdRemove"), find<QPushButton>("cmdRemoveAll"), find<QPushButton>("cmdInstall"),
                                        find<QPushButton>("cmdPreviewPrint")})
            if (button->isEnabled())
                enabled << button->objectName();
        const QFont memo = find<QPlainTextEdit>("memDispPreview")->font();
        const bool visible = find<QPlainTextEdit>("memDispPreview")->palette().color(QPalette::Text) == Qt::black;
        QStringList loaded;
        for (auto it = fake.fonts.added.cbegin(); it != fake.fonts.added.cend(); ++it)
            if (it.value() != fake.fonts.removed.value(it.key()))
                loaded << QFileInfo(it.key()).fileName();
        QStringList boxes;
        for (const FakeMessageBoxes::Box& box : fake.messages.boxes)
            boxes << box.kind + ": " + box.text;
        return QStringList{find<QLabel>("lblFontFiles")->text() + " | " + find<QLabel>("lblPAvailable")->text() + " | "
                    + find<QLabel>("lblPSelected")->text(),
                "available: " + items(find<QListWidget>("lstPreview")),
                "selected: " + items(find<QListWidget>("lstSelected")),
                "buttons: " + enabled.join(' '),
                find<QLabel>("lblPreviewSample")->text(),
                QStringLiteral("memo: %1%2%3 %4pt %5")
                    // A previewed file's face is named by its path.
                    .arg(QFileInfo(memo.family()).isAbsolute() ? QFileInfo(memo.family()).fileName()
                                                               : memo.family(),
                         memo.bold() ? " B" : "", memo.italic() ? " I" : "")
                    .arg(memo.pointSize())
                    .arg(visible ? "shown" : "hidden"),
                QStringLiteral("gauge %1, loaded: %2").arg(find<QProgressBar>("gaugeLoading")->value()).arg(loaded.join(' '))}
               + boxes;
    }

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
    void namesShowAsWritten_data();
    void namesShowAsWritten();
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
                       "memo: f1.ttf 12pt shown", "gauge 75, loaded: f1.ttf"};
    QTest::newRow("cancel after the second file")
        << four << QStringList{"folder", "at 25: cancel", "preview"}
        << QStringList{"Font Files: 4 | Available Fonts: 2 | Selected Fonts: 0",
                       "available: *Alpha Sans, Delta Sans", "selected: ",
                       "buttons: cmdAdd cmdAddAll", "Sample: Alpha Sans",
                       "memo: f1.ttf 12pt shown", "gauge 25, loaded: f1.ttf"};
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
                       "memo: f1.ttf 12pt shown", "gauge 75, loaded: f1.ttf"};
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
                       "memo: f1.ttf 12pt shown", "gauge 25, loaded: f1.ttf"};
    QTest::newRow("a run that finds nothing")
        << QStringList{"x"} << QStringList{"folder", "preview"}
        << QStringList{"Font Files: 1 | Available Fonts: 0 | Selected Fonts: 0", "available: ",
                       "selected: ", "buttons: cmdPreview", "Sample", "memo: System B 12pt hidden",
                       "gauge 0, loaded: "};
    QTest::newRow("a file name that is not UTF-8 is named, not left out without a word")
        << QStringList{"Alpha Sans", "name not UTF-8"} << QStringList{"folder", "preview"}
        << QStringList{"Font Files: 1 | Available Fonts: 1 | Selected Fonts: 0",
                       "available: *Alpha Sans", "selected: ", "buttons: cmdAdd cmdAddAll",
                       "Sample: Alpha Sans", "memo: f0.ttf 12pt shown", "gauge 0, loaded: f0.ttf",
                       "warning: These font files cannot be opened: their names are not UTF-8 "
                       "text. Rename them to open them.\n\nf1\uFFFD.ttf"};
    QTest::newRow("31 characters: the file's own face")
        << QStringList{n31} << QStringList{"folder", "preview"}
        << QStringList{"Font Files: 1 | Available Fonts: 1 | Selected Fonts: 0", "available: *" + n31,
                       "selected: ", "buttons: cmdAdd cmdAddAll", "Sample: " + n31,
                       "memo: f0.ttf 12pt shown", "gauge 0, loaded: f0.ttf"};
    QTest::newRow("32 characters: the file's own face too")
        << QStringList{n32} << QStringList{"folder", "preview"}
        << QStringList{"Font Files: 1 | Available Fonts: 1 | Selected Fonts: 0", "available: *" + n32,
                       "selected: ", "buttons: cmdAdd cmdAddAll", "Sample: " + n32,
                       "memo: f0.ttf 12pt shown", "gauge 0, loaded: f0.ttf"};
    QTest::newRow("click shows, > moves and shows the next")
        << four << QStringList{"folder", "preview", "A2", ">"}
        << QStringList{"Font Files: 4 | Available Fonts: 3 | Selected Fonts: 1",
                       "available: Alpha Sans, Beta Sans, *Gamma Sans", "selected: Delta Sans",
                       "buttons: cmdAdd cmdAddAll cmdRemove cmdRemoveAll cmdInstall cmdPreviewPrint",
                       "Sample: Gamma Sans", "memo: f3.ttf 12pt shown",
                       "gauge 75, loaded: f3.ttf"};
    QTest::newRow("< keeps the sample; last one out leaves no current item")
        << four << QStringList{"folder", "preview", ">", "S0", "<"}
        << QStringList{"Font Files: 4 | Available Fonts: 4 | Selected Fonts: 0",
                       "available: Alpha Sans, *Beta Sans, Delta Sans, Gamma Sans", "selected: ",
                       "buttons: cmdAdd cmdAddAll", "Sample: Alpha Sans",
                       "memo: f1.ttf 12pt shown", "gauge 75, loaded: f1.ttf"};
    QTest::newRow(">> moves all, the sample stays")
        << four << QStringList{"folder", "preview", ">>"}
        << QStringList{"Font Files: 4 | Available Fonts: 0 | Selected Fonts: 4", "available: ",
                       "selected: Alpha Sans, Beta Sans, Delta Sans, Gamma Sans",
                       "buttons: cmdRemove cmdRemoveAll cmdInstall cmdPreviewPrint",
                       "Sample: Alpha Sans", "memo: f1.ttf 12pt shown",
                       "gauge 75, loaded: f1.ttf"};
    QTest::newRow("a file gone before its click shows no sample")
        << four << QStringList{"folder", "preview", "gone f2", "A1"}
        << QStringList{"Font Files: 4 | Available Fonts: 4 | Selected Fonts: 0",
                       "available: Alpha Sans, *Beta Sans, Delta Sans, Gamma Sans", "selected: ",
                       "buttons: cmdAdd cmdAddAll",
                       "No sample of Beta Sans: its file f2.ttf is gone.",
                       "memo: f1.ttf 12pt hidden", "gauge 75, loaded: "};
    QTest::newRow("a file swapped for a FIFO before its click shows no sample")
        << four << QStringList{"folder", "preview", "fifo f2", "A1"}
        << QStringList{"Font Files: 4 | Available Fonts: 4 | Selected Fonts: 0",
                       "available: Alpha Sans, *Beta Sans, Delta Sans, Gamma Sans", "selected: ",
                       "buttons: cmdAdd cmdAddAll",
                       "No sample of Beta Sans: its file f2.ttf is no font file any more.",
                       "memo: f1.ttf 12pt hidden", "gauge 75, loaded: "};
    QTest::newRow("after a gone file, one still there shows again")
        << four << QStringList{"folder", "preview", "gone f2", "A1", "A0"}
        << QStringList{"Font Files: 4 | Available Fonts: 4 | Selected Fonts: 0",
                       "available: *Alpha Sans, Beta Sans, Delta Sans, Gamma Sans", "selected: ",
                       "buttons: cmdAdd cmdAddAll", "Sample: Alpha Sans",
                       "memo: f1.ttf 12pt shown", "gauge 75, loaded: f1.ttf"};
    QTest::newRow("sample size; the print size leaves it")
        << four << QStringList{"folder", "preview", "size 16", "print size 9"}
        << QStringList{"Font Files: 4 | Available Fonts: 4 | Selected Fonts: 0",
                       "available: *Alpha Sans, Beta Sans, Delta Sans, Gamma Sans", "selected: ",
                       "buttons: cmdAdd cmdAddAll", "Sample: Alpha Sans",
                       "memo: f1.ttf 16pt shown", "gauge 75, loaded: f1.ttf"};
    QTest::newRow("leaving the page and coming back")
        << four << QStringList{"folder", "preview", "A1", ">", "leave", "back"}
        << QStringList{"Font Files: 4 | Available Fonts: 0 | Selected Fonts: 0", "available: ",
                       "selected: ", "buttons: cmdPreview", "Sample",
                       "memo: f0.ttf 12pt hidden", "gauge 75, loaded: "};
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
    QByteArrayList unlinkLater;
    const auto unlink = qScopeGuard([&] {
        for (const QByteArray& bytes : std::as_const(unlinkLater))
            ::unlink(bytes.constData());
    });
    for (int i = 0; i < fonts.size(); ++i) {
        QFile file;
        const QString name = dir.filePath(QStringLiteral("f%1.ttf").arg(i));
        if (fonts[i] == "name not UTF-8") {
            // Latin-1 bytes, as an old archive or another system leaves them.
            const QByteArray bytes = QFile::encodeName(dir.filePath(QStringLiteral("f%1").arg(i))) + "\xe9.ttf";
            const int fd = ::open(bytes.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
            QVERIFY(fd >= 0 && file.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle));
            // Qt sees no such name, so the temporary folder could not remove it.
            unlinkLater.append(bytes);
        } else {
            file.setFileName(name);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        const QByteArray font =
            fonts[i].size() < 2 ? QByteArray("not a font")
                                : sfnt::font({sfnt::win(1, "Fam"), sfnt::win(4, fonts[i])});
        QVERIFY(file.write(font) == font.size());
    }
    w.choosePage(w.page);
    // An action for the moment the gauge first shows 25.
    QString during;
    connect(w.find<QProgressBar>("gaugeLoading"), &QProgressBar::valueChanged, this, [&](int value) {
        if (value != 25 || during.isEmpty())
            return;
        const QString action = std::exchange(during, QString());
        if (action == "cancel")
            w.find<QPushButton>("cmdPreviewCancel")->click();
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
            w.find<QPushButton>("cmdPreview")->click();
        else if (step == ">")
            w.find<QPushButton>("cmdAdd")->click();
        else if (step == "<")
            w.find<QPushButton>("cmdRemove")->click();
        else if (step == ">>")
            w.find<QPushButton>("cmdAddAll")->click();
        else if (step.startsWith("gone ") || step.startsWith("fifo ")) {
            const QString path = dir.filePath(step.mid(5) + ".ttf");
            QVERIFY(QFile::remove(path));
            if (step.startsWith("fifo "))
                QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else if (step == "A2" || step == "A1" || step == "A0")
            w.click(w.find<QListWidget>("lstPreview"), step.mid(1).toInt());
        else if (step == "S0")
            w.click(w.find<QListWidget>("lstSelected"), 0);
        else if (step == "size 16")
            w.find<QSpinBox>("spnPreviewSize")->setValue(16);
        else if (step == "print size 9")
            w.find<QSpinBox>("spnPreviewPrintSize")->setValue(9);
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
    QCOMPARE(w.fontCount(), 3);
    QCOMPARE(w.fonts()->currentIndex().data().toString(), "Book Face");
    QVERIFY(w.frmMain->catalogue().isScreenFont("New Face"));
    QVERIFY(!w.frmMain->catalogue().isScreenFont("Printer Gothic"));
}

// The memo starts at the size its box shows, restored or not.
void TestInstallPage::restoredSampleSize()
{
    Window w(16);
    QCOMPARE(w.find<QPlainTextEdit>("memDispPreview")->font().pointSize(), 16);
}

void TestInstallPage::namesShowAsWritten_data()
{
    QTest::addColumn<QString>("name");      // FIFO: the path of a FIFO
    QTest::addColumn<QString>("source");    // "font file", "family" or "INI file"
    QTest::addColumn<QStringList>("shown");  // the texts that hold it, NAME for it

    const QString fromFifo = R"(<img src="FIFO">)";
    const QStringList fontFile{"lblPreviewSample: Sample: NAME",
                               "information: The font \"NAME\" is already installed"};
    QTest::newRow("a picture read from a FIFO, as a font file's full name")
        << fromFifo << "font file" << fontFile;
    QTest::newRow("a picture read from /dev/zero, as a font file's full name")
        << R"(<img src="/dev/zero">)" << "font file" << fontFile;
    QTest::newRow("a picture of 800 x 24000 pixels, as a font file's full name")
        << R"(<img width="800" height="24000">)" << "font file" << fontFile;
    QTest::newRow("a picture read from a FIFO, as a family")
        << fromFifo << "family"
        << QStringList{"lblSample: Sample: NAME",
                       "tip: \"NAME\" has no font files in your fonts folder.",
                       "confirm: The current heading font is Arial.\nChange it to NAME?"};
    QTest::newRow("a picture read from a FIFO, as the INI file's heading font")
        << fromFifo << "INI file"
        << QStringList{"confirm: The current heading font is NAME.\nChange it to Book Face?"};
}

// Names from font files and the INI file show as plain text in labels, tips
// and the real message boxes: markup in them loads no file and sizes nothing.
void TestInstallPage::namesShowAsWritten()
{
    QFETCH(QString, name);
    QFETCH(QString, source);
    QFETCH(QStringList, shown);

    // Away from the previewed folder.
    QTemporaryDir fifoFolder;
    const QString fifo = fifoFolder.filePath("fifo");
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    name.replace("FIFO", fifo);
    shown.replaceInStrings("NAME", name);

    Window w(12, [&](FakePlatform& fake) {
        if (source == "family") {
            fake.fonts.addTrueTypeFamily(name);
            fake.printer.setTypefaces({"Book Face", "Printer Gothic", name});
        } else if (source == "INI file") {
            fake.ini.files[fake.platform.appFolder + "GLYPHARY.INI"]["glyphary/headingfont"] = name;
        }
    });
    w.addDialogs();
    w.fake.fonts.addFamily("Fam", {{"Regular", true, false, FontFace::CharSet::Ansi}});
    QTemporaryDir dir;
    const QString fullName = source == "font file" ? name : QStringLiteral("Plain Sans");
    QFile file(dir.filePath("f0.ttf"));
    const QByteArray font = sfnt::font({sfnt::win(1, "Fam"), sfnt::win(4, fullName)});
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(font) == font.size());
    file.close();

    QStringList seen;
    const auto look = [&](const QString& where, const QLabel* label) {
        if (!asWritten(label))
            seen << where + " not as written";
        if (label->text().contains(name))
            seen << where + ": " + label->text();
    };
    // Each box the program asks for, shown by the real boxes and closed again.
    w.fake.messages.onBox = [&](const FakeMessageBoxes::Box& box) {
        QTimer::singleShot(0, this, [&, kind = box.kind] {
            auto* shownBox = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!shownBox) {
                seen << kind + " not shown";
                return;
            }
            if (!shownBox->screen()->availableGeometry().contains(QRect({}, shownBox->size())))
                seen << kind + " larger than the screen";
            look(kind, shownBox->findChild<QLabel*>("qt_msgbox_label"));
            shownBox->close();
        });
        QtMessageBoxes real;
        if (box.kind == "confirm")
            real.confirm(w.frmMain.get(), box.text);
        else
            real.information(w.frmMain.get(), box.text);
    };

    w.choosePage(w.page);
    w.chooseFolder(dir.path());
    w.find<QPushButton>("cmdPreview")->click();
    look("lblPreviewSample", w.find<QLabel>("lblPreviewSample"));
    w.find<QPushButton>("cmdAddAll")->click();
    w.fake.fonts.installedNames << fullName;
    w.find<QPushButton>("cmdInstall")->click();

    w.choosePage(w.frmMain->mainPage());
    w.setCurrentFont(w.rowOf(source == "family" ? name : "Book Face"),
                     QItemSelectionModel::NoUpdate);
    look("lblSample", w.find<QLabel>("lblSample"));
    // A tip that looks like rich text is shown as such.
    emit w.find<QMenu>("File2")->aboutToShow();
    const QString tip = w.find<QAction>("RemoveFontFamily1")->toolTip();
    const QString tipShown =
        Qt::mightBeRichText(tip) ? QTextDocumentFragment::fromHtml(tip).toPlainText() : tip;
    if (tipShown.contains(name))
        seen << "tip: " + tipShown;
    w.find<QPushButton>("cmdHeadingFont")->click();

    QCOMPARE(seen, shown);
}

QTEST_MAIN(TestInstallPage)
#include "tst_installpage.moc"
