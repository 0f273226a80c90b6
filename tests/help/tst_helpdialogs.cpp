#include "app/TfrmMain.h"
#include "fakes/FakePlatform.h"
#include "help/TfrmAbout.h"
#include "help/THelpViewer.h"
#include "help/TfrmHelpProblem.h"
#include "help/URLLabel.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

// The Help menu of the main window over fake services.
class TestHelpDialogs : public QObject {
    Q_OBJECT
private slots:
    void contents_data();
    void contents();
    void helpProblem_data();
    void helpProblem();
    void aboutTwice();
    void pagesReadNothingElse_data();
    void pagesReadNothingElse();

private:
    static void trigger(TfrmMain& frmMain, const char* item)
    {
        frmMain.findChild<QAction*>(QString::fromLatin1(item))->trigger();
    }
};

void TestHelpDialogs::contents_data()
{
    QTest::addColumn<bool>("engineLoads");
    QTest::addColumn<bool>("fileThere");
    QTest::addColumn<QString>("engine");
    QTest::addColumn<QString>("missing");  // what the box and the dialog name; "%1": the file
    QTest::newRow("engine present") << true << true << "html" << "";
    // Nothing of the program's own opens; the classic engine gets the request.
    QTest::newRow("engine absent") << false << true << "win" << "libchm1";
    QTest::newRow("help file missing") << true << false << "html" << "The help file %1 is missing";
    QTest::newRow("both missing") << false << false << "win" << "libchm1";
}

void TestHelpDialogs::contents()
{
    QFETCH(bool, engineLoads);
    QFETCH(bool, fileThere);
    QFETCH(QString, engine);
    QFETCH(QString, missing);
    FakePlatform fake;
    fake.helpEngine.loadable = engineLoads;
    // The real engine fails without its library or its file.
    fake.helpEngine.succeeds = engineLoads && fileThere;
    const QString file = fake.platform.appFolder + "GLYPHARY.CHM";
    if (fileThere)
        QVERIFY(QFile(file).open(QIODevice::WriteOnly));
    TfrmMain frmMain(fake.platform);
    frmMain.FormCreate();
    QCOMPARE(fake.helpEngine.loads, 1);  // the router loads the engine as the window is built

    trigger(frmMain, "UsingGlyphary1");
    QCOMPARE(fake.helpEngine.calls.size(), 1);
    const FakeHelpEngine::Call call = fake.helpEngine.calls.first();
    QCOMPARE(call.engine, engine);
    QCOMPARE(call.command, 3 - 2 * int(engineLoads));  // HH_DISPLAY_TOC or HELP_CONTENTS
    QCOMPARE(call.file, file);
    if (engineLoads)
        QCOMPARE(call.window, &frmMain);
    QVERIFY(frmMain.findChildren<QDialog*>().isEmpty());
    // Help that does not open says which part is missing.
    const QString named = missing.arg(file);
    QCOMPARE(fake.messages.boxes.size(), qsizetype(!named.isEmpty()));
    if (!named.isEmpty()) {
        QCOMPARE(fake.messages.boxes.first().kind, QStringLiteral("error"));
        QVERIFY2(fake.messages.boxes.first().text.contains(named),
                 qPrintable(fake.messages.boxes.first().text));
        QCOMPARE(fake.messages.boxes.first().text.contains(file), !fileThere);
    }

    // The problem dialog tells the same, and its text fits in the interface font.
    frmMain.show();
    trigger(frmMain, "HowtoFixProblemAccessingHelp1");
    QPointer<TfrmHelpProblem> dialog = frmMain.findChild<TfrmHelpProblem*>();
    QVERIFY(dialog);
    QVERIFY(dialog->Label1->text().contains(named.isEmpty() ? file : named));
    QCOMPARE(dialog->Label1->text().contains(QStringLiteral("libchm1")), !engineLoads);
    QVERIFY(dialog->Label1->heightForWidth(dialog->Label1->width()) <= dialog->Label1->height());
    QCOMPARE(dialog->width(), 334);
    QVERIFY(dialog->height() >= 202);
    QVERIFY(dialog->cmdClose->geometry().top() >= dialog->Label1->geometry().bottom());
    QVERIFY(dialog->rect().contains(dialog->cmdClose->geometry()));
}

void TestHelpDialogs::helpProblem_data()
{
    QTest::addColumn<bool>("opens");
    QTest::addColumn<QStringList>("boxes");
    QTest::newRow("page opens") << true << QStringList{};
    QTest::newRow("no handler for web pages") << false << QStringList{"Unable to connect to Web page"};
}

void TestHelpDialogs::helpProblem()
{
    QFETCH(bool, opens);
    QFETCH(QStringList, boxes);
    FakePlatform fake;
    fake.shell.openSucceeds = opens;
    TfrmMain frmMain(fake.platform);
    frmMain.FormCreate();
    frmMain.show();

    trigger(frmMain, "HowtoFixProblemAccessingHelp1");
    QPointer<TfrmHelpProblem> dialog = frmMain.findChild<TfrmHelpProblem*>();
    QVERIFY(dialog);
    QVERIFY(dialog->isVisible() && dialog->isModal());
    QCOMPARE(dialog->windowTitle(), QStringLiteral("How to Fix Problem Accessing Help"));
    QCOMPARE(dialog->cmdGetFix->text(), QStringLiteral("&Get Update"));
    QCOMPARE(dialog->cmdClose->nextInFocusChain(), dialog->cmdGetFix);

    dialog->cmdGetFix->click();
    QCOMPARE(fake.shell.urls, QList<QUrl>{TfrmHelpProblem::HelpFixPage});
    QStringList shown;
    for (const FakeMessageBoxes::Box& box : std::as_const(fake.messages.boxes)) {
        QCOMPARE(box.kind, QStringLiteral("dialogError"));
        shown.append(box.text);
    }
    QCOMPARE(shown, boxes);
    QVERIFY(dialog->isVisible());  // stays open either way

    dialog->cmdClose->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!dialog);
}

void TestHelpDialogs::aboutTwice()
{
    FakePlatform fake;
    TfrmMain frmMain(fake.platform);
    frmMain.FormCreate();
    frmMain.show();

    trigger(frmMain, "About1");
    QPointer<TfrmAbout> first = frmMain.findChild<TfrmAbout*>();
    QVERIFY(first && first->isModal() && first->isVisible());
    QCOMPARE(first->windowTitle(), QStringLiteral("About Glyphary"));
    QCOMPARE(first->size(), QSize(265, 179));
    QCOMPARE(first->Label4->text(), QStringLiteral("Version 3.7"));

    URLLabel* mail = first->URLLabel2;
    QCOMPARE(mail->toolTip(), mail->target().toString());
    QVERIFY(mail->target().scheme() == u"mailto");
    QVERIFY(mail->font().underline() && mail->font().bold());
    QCOMPARE(mail->palette().color(QPalette::WindowText), QColor(Qt::darkBlue));
    QTest::mouseClick(mail, Qt::LeftButton);
    QCOMPARE(fake.shell.urls, QList<QUrl>{mail->target()});
    QCOMPARE(mail->palette().color(QPalette::WindowText), QColor(Qt::blue));

    // The title bar's close box frees it as OK does.
    first->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!first);

    trigger(frmMain, "About1");
    QPointer<TfrmAbout> second = frmMain.findChild<TfrmAbout*>();
    QVERIFY(second);
    second->cmdOK->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!second);
}

void TestHelpDialogs::pagesReadNothingElse_data()
{
    QTest::addColumn<QString>("html");  // FIFO: the path of a FIFO
    QTest::newRow("a picture at a file: address") << R"(<p>x<img src="file://FIFO"></p>)";
    QTest::newRow("a picture at a path") << R"(<p>x<img src="FIFO"></p>)";
}

// A page may name any file; the viewer opens none outside the help file.
void TestHelpDialogs::pagesReadNothingElse()
{
    QFETCH(QString, html);
    QTemporaryDir folder;
    const QString fifo = folder.filePath("fifo");
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    FakeShell shell;
    ChmBrowser browser(shell, nullptr);
    browser.resize(300, 200);
    browser.setHtml(html.replace("FIFO", fifo));
    // Drawn, the page has asked for its pictures.
    QVERIFY(!browser.grab().isNull());
    QVERIFY(browser.toPlainText().startsWith(u'x'));
}

QTEST_MAIN(TestHelpDialogs)
#include "tst_helpdialogs.moc"
