#include "app/GlyApplication.h"
#include "app/TfrmMain.h"
#include "fakes/FakePlatform.h"
#include "platform/linux/QtMessageBoxes.h"
#include "printing/TfrmPrinting.h"

#include <QTest>
#include <QTimer>

namespace {

// The caption as the window system shows it: Qt appends the application's
// display name to every window title once one is set apart from its name.
QString shownCaption(const QWidget* window)
{
    const QString name = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName(name + QStringLiteral(" probe"));
    const bool displayNameSet =
        QGuiApplication::applicationDisplayName() != QCoreApplication::applicationName();
    QCoreApplication::setApplicationName(name);
    const QString title = window->windowTitle();
    const QString displayName = QGuiApplication::applicationDisplayName();
    if (!displayNameSet || title.endsWith(displayName))
        return title;
    return title + QStringLiteral(" \u2014 ") + displayName;
}

// The caption of the modal box that show opens, closed again.
QString boxCaption(const std::function<void()>& show)
{
    QString caption;
    QTimer::singleShot(0, [&] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            caption = shownCaption(box);
            box->close();
        }
    });
    show();
    return caption;
}

}  // namespace

class tst_captions : public QObject {
    Q_OBJECT
private slots:
    void captionsAreTheDesignedTexts_data();
    void captionsAreTheDesignedTexts();
};

void tst_captions::captionsAreTheDesignedTexts_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("caption");
    QTest::newRow("main window") << "main" << "Glyphary";
    QTest::newRow("printing dialog") << "printing" << "Printing";
    QTest::newRow("error box") << "error" << "Error";
    QTest::newRow("warning box") << "warning" << "Warning";
    QTest::newRow("information box") << "information" << "Information";
    QTest::newRow("confirmation box") << "confirm" << "Confirm";
}

void tst_captions::captionsAreTheDesignedTexts()
{
    QFETCH(QString, window);
    QFETCH(QString, caption);

    FakePlatform fake;
    TfrmMain frmMain(fake.platform);
    QtMessageBoxes messages;
    QString shown;
    if (window == "main") {
        shown = shownCaption(&frmMain);
    } else if (window == "printing") {
        TfrmPrinting frmPrinting(frmMain.printState, &frmMain);
        shown = shownCaption(&frmPrinting);
    } else if (window == "error") {
        shown = boxCaption([&] { messages.error(&frmMain, QStringLiteral("Unable to write to x")); });
    } else if (window == "warning") {
        shown = boxCaption([&] { messages.warning(&frmMain, QStringLiteral("x")); });
    } else if (window == "information") {
        shown = boxCaption([&] { messages.information(&frmMain, QStringLiteral("x")); });
    } else {
        shown = boxCaption([&] { messages.confirm(&frmMain, QStringLiteral("x?")); });
    }
    QCOMPARE(shown, caption);
}

int main(int argc, char** argv)
{
    GlyApplication app(argc, argv);
    tst_captions test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_captions.moc"
