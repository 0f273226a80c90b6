#include "app/TfrmMain.h"
#include "fakes/FakePlatform.h"
#include "help/TfrmAbout.h"
#include "help/TfrmHelpProblem.h"
#include "help/URLLabel.h"

#include <QAction>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

// The Help menu of the main window over fake services.
class TestHelpDialogs : public QObject {
    Q_OBJECT
private slots:
    void contents_data();
    void contents();
    void helpProblem_data();
    void helpProblem();
    void aboutTwice();

private:
    static void trigger(TfrmMain& frmMain, const char* item)
    {
        frmMain.findChild<QAction*>(QString::fromLatin1(item))->trigger();
    }
};

void TestHelpDialogs::contents_data()
{
    QTest::addColumn<bool>("engineLoads");
    QTest::addColumn<QString>("engine");
    QTest::newRow("engine present") << true << "html";
    // Nothing of the program's own opens; the classic engine gets the request.
    QTest::newRow("engine absent") << false << "win";
}

void TestHelpDialogs::contents()
{
    QFETCH(bool, engineLoads);
    QFETCH(QString, engine);
    FakePlatform fake;
    fake.helpEngine.loadable = engineLoads;
    TfrmMain frmMain(fake.platform);
    frmMain.FormCreate();
    QCOMPARE(fake.helpEngine.loads, 1);  // the router loads the engine as the window is built

    trigger(frmMain, "UsingGlyphary1");
    QCOMPARE(fake.helpEngine.calls.size(), 1);
    const FakeHelpEngine::Call call = fake.helpEngine.calls.first();
    QCOMPARE(call.engine, engine);
    QCOMPARE(call.command, 3 - 2 * int(engineLoads));  // HH_DISPLAY_TOC or HELP_CONTENTS
    QCOMPARE(call.file, fake.platform.appFolder + "GLYPHARY.CHM");
    if (engineLoads)
        QCOMPARE(call.window, &frmMain);
    QVERIFY(frmMain.findChildren<QDialog*>().isEmpty());
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
    QCOMPARE(dialog->size(), QSize(334, 202));
    QVERIFY(dialog->Label1->text().contains(QStringLiteral("libchm1")));
    QVERIFY(dialog->Label1->heightForWidth(dialog->Label1->width()) <= dialog->Label1->height());
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

QTEST_MAIN(TestHelpDialogs)
#include "tst_helpdialogs.moc"
