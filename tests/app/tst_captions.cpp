#include "app/GlyApplication.h"
#include "app/TfrmMain.h"
#include "fakes/FakePlatform.h"
#include "fontfiles/TfrmInstalling.h"
#include "help/TfrmAbout.h"
#include "help/TfrmHelpProblem.h"
#include "platform/linux/QtMessageBoxes.h"
#include "printing/TfrmPrinting.h"

#include <QAbstractButton>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include <memory>

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
    void dialogsShowTheirWholeText_data();
    void dialogsShowTheirWholeText();
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

void tst_captions::dialogsShowTheirWholeText_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<int>("dpi");  // the main window's
    for (const char* dialog : {"printing", "installing", "about", "help problem"}) {
        QTest::addRow("%s", dialog) << dialog << 96;
        QTest::addRow("%s at 144 dpi", dialog) << dialog << 144;
    }
}

// In whatever font the desktop gives the interface: every caption shows
// whole, nothing overlaps and the progress dialogs scale as the window does.
void tst_captions::dialogsShowTheirWholeText()
{
    QFETCH(QString, dialog);
    QFETCH(int, dpi);
    FakePlatform fake;
    fake.screen.dpi = dpi;
    TfrmMain frmMain(fake.platform);
    std::unique_ptr<QWidget> shown;
    int designWidth = 0;
    if (dialog == "printing") {
        auto* printing = new TfrmPrinting(frmMain.printState, &frmMain, frmMain.designScale());
        printing->setSelectedCaption(QStringLiteral("Fonts Selected: 12000"));
        printing->setPrintedCaption(QStringLiteral("Samples Printed: 12000"));
        shown.reset(printing);
        designWidth = 231;
    } else if (dialog == "installing") {
        auto* installing = new TfrmInstalling(frmMain.installState, &frmMain, frmMain.designScale());
        installing->setSelectedCaption(QStringLiteral("Fonts Selected: 12000"));
        installing->setInstalledCaption(QStringLiteral("Installed: 12000"));
        shown.reset(installing);
        designWidth = 284;
    } else if (dialog == "about") {
        shown.reset(new TfrmAbout(fake.shell, &frmMain));
    } else {
        shown.reset(new TfrmHelpProblem(fake.help, fake.shell, fake.messages, &frmMain));
    }
    shown->setAttribute(Qt::WA_DeleteOnClose, false);
    if (designWidth) {
        QCOMPARE(shown->width(), qRound(designWidth * dpi / 96.0));
        QCOMPARE(shown->findChild<QLabel*>()->font().family(), frmMain.font().family());
    }

    QList<QWidget*> parts;
    for (QWidget* part : shown->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!part->isHidden())
            parts << part;
    }
    for (QWidget* part : std::as_const(parts)) {
        const QString name = part->objectName();
        QVERIFY2(shown->rect().contains(part->geometry()), qPrintable(name));
        if (auto* label = qobject_cast<QLabel*>(part)) {
            if (label->wordWrap())
                QVERIFY2(label->heightForWidth(label->width()) <= label->height(), qPrintable(name));
            else
                QVERIFY2(label->fontMetrics().boundingRect(label->text()).width() <= label->width()
                             && label->fontMetrics().height() <= label->height(),
                         qPrintable(name));
        } else if (auto* button = qobject_cast<QAbstractButton*>(part)) {
            QVERIFY2(button->fontMetrics().horizontalAdvance(button->text()) < button->width()
                         && button->fontMetrics().height() < button->height(),
                     qPrintable(name));
        }
        for (QWidget* other : std::as_const(parts)) {
            if (other != part)
                QVERIFY2(!part->geometry().intersects(other->geometry()),
                         qPrintable(name + " and " + other->objectName()));
        }
    }
}

int main(int argc, char** argv)
{
    GlyApplication app(argc, argv);
    tst_captions test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_captions.moc"
