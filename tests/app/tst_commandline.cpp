// The command line: options answered or refused before any window exists,
// the files and folders to open made absolute.
#include "app/CommandLine.h"

#include <QDir>
#include <QTest>

#include <optional>

class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void answer_data();
    void answer();
};

void TestCommandLine::answer_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");  // -1: the program starts
    QTest::addColumn<QStringList>("paths");

    const QString here = QDir::currentPath() + u'/';
    QTest::newRow("nothing") << QStringList{} << -1 << QStringList{};
    QTest::newRow("version") << QStringList{"--version"} << 0 << QStringList{};
    QTest::newRow("help, short") << QStringList{"-h"} << 0 << QStringList{};
    QTest::newRow("unknown option") << QStringList{"--bogus"} << 2 << QStringList{};
    QTest::newRow("unknown option after a file") << QStringList{"a.ttf", "-x"} << 2 << QStringList{};
    QTest::newRow("a file beside --version") << QStringList{"--version", "a.ttf"} << 2
                                             << QStringList{};
    QTest::newRow("files, relative and absolute")
        << QStringList{"a.ttf", "/fonts/../fonts/b.otf", "sub/"} << -1
        << QStringList{here + "a.ttf", "/fonts/b.otf", here + "sub"};
    QTest::newRow("-- ends the options")
        << QStringList{"--", "--version", "-x"} << -1
        << QStringList{here + "--version", here + "-x"};
    QTest::newRow("empty argument") << QStringList{"", "a.ttf"} << -1 << QStringList{here + "a.ttf"};
}

void TestCommandLine::answer()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QStringList, paths);

    QList<QByteArray> bytes{"glyphary"};
    for (const QString& argument : arguments)
        bytes << argument.toLocal8Bit();
    QList<char*> argv;
    for (QByteArray& argument : bytes)
        argv << argument.data();
    QStringList named{"left over"};
    const std::optional<int> answered = answerCommandLine(int(argv.size()), argv.data(), named);
    QCOMPARE(answered.value_or(-1), exitCode);
    if (!answered)
        QCOMPARE(named, paths);
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
