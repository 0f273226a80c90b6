#include "app/SampleTextStore.h"
#include "fakes/FakeMessageBoxes.h"
#include "platform/linux/IniFileService.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

namespace {

// One run of the program: the page's controls and the store over them.
struct Run {
    Run(IniFiles& ini, MessageBoxes& messages, const QString& path)
    {
        SampleTextStore::Controls controls;
        for (size_t i = 0; i < lines.size(); ++i)
            controls.lines[i] = &lines[i];
        controls.paragraph = &paragraph;
        store = std::make_unique<SampleTextStore>(ini, messages, path, controls, headingFontName);
    }

    std::array<QLineEdit, 13> lines;
    QPlainTextEdit paragraph;
    QString headingFontName = QStringLiteral("Arial");
    std::unique_ptr<SampleTextStore> store;
};

}  // namespace

class TestSampleTextStore : public QObject {
    Q_OBJECT

private slots:
    void init();
    void firstStartWritesDefaultsInOrder();
    void savedTextsSurviveRestart_data();
    void savedTextsSurviveRestart();
    void headingFontQuestion_data();
    void headingFontQuestion();
    void paragraphInputLimit_data();
    void paragraphInputLimit();

private:
    QTemporaryDir dir_;
    QString path_;
    IniFileService ini_;
    FakeMessageBoxes messages_;
};

void TestSampleTextStore::init()
{
    path_ = dir_.filePath(QStringLiteral("GLYPHARY.INI"));
    QFile::remove(path_);
    messages_ = {};
}

void TestSampleTextStore::firstStartWritesDefaultsInOrder()
{
    Run run(ini_, messages_, path_);
    QVERIFY(!run.store->iniFileExists());
    run.store->WriteDefaultTexts();
    run.headingFontName.clear();
    run.store->LoadSampleTexts();

    QFile file(path_);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QStringList keys;
    for (const QByteArray& line : file.readAll().split('\n'))
        keys.append(QString::fromUtf8(line.split('=').first()));
    QCOMPARE(keys, (QStringList{"[Glyphary]", "Def8", "Def9", "Def10", "Def11", "Def12", "Def14", "Def16", "Def18",
                                "Def24", "Def36", "Def48", "Def60", "DefSample", "ParaText", "HeadingFont", ""}));
    QCOMPARE(run.lines[12].text(), QStringLiteral("The quick brown fox jumps over the lazy dog."));
    QCOMPARE(run.paragraph.toPlainText().size(), 502);
    QCOMPARE(run.headingFontName, QStringLiteral("Arial"));
}

void TestSampleTextStore::savedTextsSurviveRestart_data()
{
    QTest::addColumn<QString>("paragraph");
    QTest::addColumn<QByteArray>("stored");  // the ParaText line
    QTest::newRow("escape character doubled") << "C:\\fonts & \"quotes\"" << QByteArray("ParaText=C:\\\\fonts & \"quotes\"");
    QTest::newRow("line breaks") << "One\n\nTwo \\n\n" << QByteArray("ParaText=One\\n\\nTwo \\\\n\\n");
    QTest::newRow("full memo") << QString(599, u'x') + u'\n' << "ParaText=" + QByteArray(599, 'x') + "\\n";
}

void TestSampleTextStore::savedTextsSurviveRestart()
{
    QFETCH(QString, paragraph);
    QFETCH(QByteArray, stored);
    ini_.writeString(path_, SampleTextStore::Section, QStringLiteral("HeadingFont"), QStringLiteral("Serif"));
    {
        Run first(ini_, messages_, path_);
        first.lines[0].setText(QStringLiteral("8 \\ & \"8\""));
        first.paragraph.setPlainText(paragraph);
        first.store->SaveSampleTexts();
    }
    QFile file(path_);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    QVERIFY(content.contains("\nDef8=8 \\ & \"8\"\n"));
    QVERIFY(content.contains("\n" + stored + "\n"));

    Run second(ini_, messages_, path_);
    second.store->LoadSampleTexts();
    QCOMPARE(second.lines[0].text(), QStringLiteral("8 \\ & \"8\""));
    QCOMPARE(second.paragraph.toPlainText(), paragraph);
    QCOMPARE(second.headingFontName, QStringLiteral("Serif"));
}

void TestSampleTextStore::headingFontQuestion_data()
{
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("expected");
    QTest::newRow("Yes") << true << "Courier & Co";
    QTest::newRow("No") << false << "Arial";
}

void TestSampleTextStore::headingFontQuestion()
{
    QFETCH(bool, yes);
    QFETCH(QString, expected);
    Run run(ini_, messages_, path_);
    run.store->WriteDefaultTexts();
    messages_.confirmAnswers = {yes};

    run.store->changeHeadingFont(nullptr, QStringLiteral("Courier & Co"));
    QCOMPARE(messages_.boxes, (QList<FakeMessageBoxes::Box>{
                                  {"confirm", "The current heading font is Arial.\nChange it to Courier & Co?"}}));
    QCOMPARE(run.headingFontName, expected);
    QCOMPARE(ini_.readString(path_, SampleTextStore::Section, QStringLiteral("HeadingFont"), {}), expected);
}

void TestSampleTextStore::paragraphInputLimit_data()
{
    QTest::addColumn<int>("loaded");  // length of the text in the file, all "a"
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QString>("pasted");  // empty: "bcd" is typed
    QTest::addColumn<QString>("expected");

    QTest::newRow("typing up to the limit") << 598 << 598 << "" << QString(598, u'a') + "bc";
    QTest::newRow("paste cut where it ends") << 595 << 0 << "0123\n56789" << "0123\n" + QString(595, u'a');
    QTest::newRow("longer text loads whole, takes nothing") << 700 << 700 << "more" << QString(700, u'a');
}

void TestSampleTextStore::paragraphInputLimit()
{
    QFETCH(int, loaded);
    QFETCH(int, cursor);
    QFETCH(QString, pasted);
    QFETCH(QString, expected);
    ini_.writeString(path_, SampleTextStore::Section, QStringLiteral("ParaText"), QString(loaded, u'a'));
    Run run(ini_, messages_, path_);
    run.store->LoadSampleTexts();

    QTextCursor c = run.paragraph.textCursor();
    c.setPosition(cursor);
    run.paragraph.setTextCursor(c);
    if (pasted.isEmpty()) {
        QTest::keyClicks(&run.paragraph, QStringLiteral("bcd"));
    } else {
        QApplication::clipboard()->setText(pasted);
        run.paragraph.paste();
    }
    QCOMPARE(run.paragraph.toPlainText(), expected);
    if (!pasted.isEmpty()) {
        // The cut belongs to the paste: one undo takes back both.
        run.paragraph.undo();
        QCOMPARE(run.paragraph.toPlainText(), QString(loaded, u'a'));
    }
}

QTEST_MAIN(TestSampleTextStore)
#include "tst_sampletextstore.moc"
