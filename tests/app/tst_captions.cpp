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
#include <QMessageBox>
#include <QRegularExpression>
#include <QScreen>
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
    void boxesFitTheScreen_data();
    void boxesFitTheScreen();
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

void tst_captions::boxesFitTheScreen_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("whole");        // shown as it is
    QTest::addColumn<QStringList>("kept");  // lines shown even when it is cut
    QTest::addColumn<bool>("counted");      // each list cut says how many of it are not shown

    QStringList missing;
    for (int i = 0; i < 5000; ++i)
        missing << QStringLiteral("/home/user/fonts/font number %1.ttf does not exist.").arg(i);
    QStringList trash;
    for (int i = 0; i < 3000; ++i)
        trash << QStringLiteral("/home/user/.local/share/fonts/Face%1.ttf").arg(i);
    QStringList paragraphs;
    for (int i = 0; i < 3000; ++i)
        paragraphs << QStringLiteral("Part %1.").arg(i);
    const QString sentence =
        QStringLiteral("The page shows one folder at a time, /home/user/fonts. ").repeated(12);

    QTest::newRow("a short text") << "information" << "Installed 2 fonts" << true
                                  << QStringList() << false;
    QTest::newRow("a sentence that wraps") << "information" << sentence << true << QStringList()
                                           << false;
    QTest::newRow("5,000 missing files")
        << "warning" << missing.join(u'\n') << false << missing.first(3) << true;
    QTest::newRow("3,000 files to remove, and a note after them")
        << "confirm"
        << "Remove the font family \"Face\"?\n\nThese files go to the trash:\n" + trash.join(u'\n')
               + "\n\n1 face installed for all users is kept."
        << false
        << QStringList{"Remove the font family \"Face\"?", "These files go to the trash:",
                       trash.first(), "1 face installed for all users is kept."}
        << true;
    QTest::newRow("a name of 20,000 characters")
        << "error" << QString(20000, u'x') + " does not exist." << false << QStringList() << false;
    QTest::newRow("3,000 paragraphs")
        << "warning" << paragraphs.join("\n\n") << false << paragraphs.first(2) << false;
}

// However long the text, the box and its buttons stay on the screen, with or
// without its details; what is left out is said, and the details hold it all.
void tst_captions::boxesFitTheScreen()
{
    QFETCH(QString, kind);
    QFETCH(QString, text);
    QFETCH(bool, whole);
    QFETCH(QStringList, kept);
    QFETCH(bool, counted);

    QtMessageBoxes messages;
    QStringList seen;
    QString shownText;
    QString details;
    const auto look = [&](QMessageBox* box, const QString& when) {
        const QRect screen = box->screen()->availableGeometry();
        if (!screen.contains(box->frameGeometry()))
            seen << when + ": the box leaves the screen";
        for (QAbstractButton* button : box->buttons()) {
            if (!box->rect().contains(button->geometry()))
                seen << when + ": " + button->text() + " outside the box";
        }
    };
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        look(box, "shown");
        shownText = box->text();
        details = box->detailedText();
        for (QAbstractButton* button : box->buttons()) {
            if (box->buttonRole(button) == QMessageBox::ActionRole)
                button->click();
        }
        QTimer::singleShot(0, [&, box] {
            look(box, "with details");
            box->close();
        });
    });
    if (kind == "confirm")
        messages.confirm(nullptr, text);
    else if (kind == "warning")
        messages.warning(nullptr, text);
    else if (kind == "error")
        messages.error(nullptr, text);
    else
        messages.information(nullptr, text);

    QCOMPARE(seen.join("; "), QString());
    if (whole) {
        QCOMPARE(shownText, text);
        QCOMPARE(details, QString());
        return;
    }
    QVERIFY(shownText.size() < text.size());
    QCOMPARE(details, text);
    const QStringList lines = shownText.split(u'\n');
    for (const QString& line : kept)
        QVERIFY2(lines.contains(line), qPrintable(line));
    if (!counted)
        return;
    // Lines shown and lines said to be left out add up to the text's own.
    const QRegularExpression more(QStringLiteral("^and ([0-9,.\u00a0\u202f ]+) more$"));
    qsizetype total = 0;
    for (const QString& line : lines) {
        const QRegularExpressionMatch match = more.match(line);
        total += match.hasMatch() ? match.captured(1).remove(QRegularExpression("[^0-9]")).toLongLong() : 1;
    }
    QCOMPARE(total, text.count(u'\n') + 1);
}

int main(int argc, char** argv)
{
    GlyApplication app(argc, argv);
    tst_captions test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_captions.moc"
