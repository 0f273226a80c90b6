// Fonts switched off through the program's own fontconfig rule file, seen by
// other programs as a fresh fc-list process sees them, and rule files
// changed or broken by hand read as far as they can be and never lost.
#include "catalogue/SwitchedOffFiles.h"
#include "platform/linux/FontconfigSwitches.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString SystemFont = QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf");

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

}  // namespace

class TestFontSwitches : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void otherProgramsFollow_data();
    void otherProgramsFollow();
    void handEditedFiles_data();
    void handEditedFiles();

private:
    // The files a fresh fontconfig program lists, under the test's homes.
    QStringList fcList() const;

    QTemporaryDir dir_;
    QString userFonts_;
};

void TestFontSwitches::initTestCase()
{
    QVERIFY(QFileInfo::exists(SystemFont));
    userFonts_ = dir_.filePath("data/fonts");
    const QString liberation = QStringLiteral("/usr/share/fonts/truetype/liberation2/");
    for (const auto& [from, to] : {std::pair{"LiberationSans-Regular.ttf", "A.ttf"},
                                   std::pair{"LiberationSerif-Regular.ttf", "sub/B.ttf"},
                                   std::pair{"LiberationMono-Regular.ttf", "sub/C.ttf"}}) {
        QDir().mkpath(QFileInfo(userFonts_ + u'/' + to).path());
        QVERIFY(QFile::copy(liberation + from, userFonts_ + u'/' + to));
    }
    // The user's own rules, which no switch may touch.
    writeAll(dir_.filePath("config/fontconfig/conf.d/10-mine.conf"),
             "<?xml version=\"1.0\"?>\n<fontconfig><alias><family>Mine</family>"
             "<prefer><family>DejaVu Sans</family></prefer></alias></fontconfig>\n");
}

QStringList TestFontSwitches::fcList() const
{
    QProcess fc;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("FONTCONFIG_FILE");
    env.remove("FONTCONFIG_PATH");
    env.insert("XDG_CONFIG_HOME", dir_.filePath("config"));
    env.insert("XDG_DATA_HOME", dir_.filePath("data"));
    env.insert("XDG_CACHE_HOME", dir_.filePath("cache"));
    fc.setProcessEnvironment(env);
    fc.start("fc-list", {"--format", "%{file}\n"});
    if (!fc.waitForFinished(60000) || fc.exitCode() != 0)
        qFatal("fc-list failed");
    QStringList files = QString::fromLocal8Bit(fc.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    files.removeDuplicates();
    return files;
}

void TestFontSwitches::otherProgramsFollow_data()
{
    QTest::addColumn<QStringList>("off");    // <u>: the user's fonts folder
    QTest::addColumn<QStringList>("rules");  // folders, starts of names, then files

    QTest::newRow("one file") << QStringList{"<u>/A.ttf"} << QStringList{"<u>/A.ttf"};
    QTest::newRow("a whole folder: one rule")
        << QStringList{"<u>/sub/B.ttf", "<u>/sub/C.ttf"} << QStringList{"<u>/sub"};
    QTest::newRow("the start of names that only off files share: one rule")
        << QStringList{"<s>/DejaVuSansMono.ttf", "<s>/DejaVuSansMono-Bold.ttf",
                       "<s>/DejaVuSansMono-Oblique.ttf", "<s>/DejaVuSansMono-BoldOblique.ttf"}
        << QStringList{"<s>/DejaVuSansM"};
    QTest::newRow("every user font: never the folder fonts are installed into")
        << QStringList{"<u>/A.ttf", "<u>/sub/B.ttf", "<u>/sub/C.ttf"}
        << QStringList{"<u>/sub", "<u>/A.ttf"};
    QTest::newRow("a font for all users, beside others that stay")
        << QStringList{SystemFont} << QStringList{SystemFont};
}

void TestFontSwitches::otherProgramsFollow()
{
    QFETCH(QStringList, off);
    QFETCH(QStringList, rules);
    const QString system = QFileInfo(SystemFont).path();
    off.replaceInStrings("<u>", userFonts_).replaceInStrings("<s>", system);
    rules.replaceInStrings("<u>", userFonts_).replaceInStrings("<s>", system);

    FontconfigSwitches switches(dir_.filePath("config"));
    QCOMPARE(switches.write({}), QString());  // whatever a failed row left
    const QStringList before = fcList();
    for (const QString& file : std::as_const(off))
        QVERIFY2(before.contains(file), qPrintable(file));
    const QString mine = readAll(dir_.filePath("config/fontconfig/conf.d/10-mine.conf"));

    const FontSwitches::Rules written = SwitchedOffFiles::rulesFor(
        QSet<QString>(off.cbegin(), off.cend()), before, {userFonts_});
    QCOMPARE(switches.write(written), QString());
    QCOMPARE(written.folders + written.prefixes + written.files, rules);
    QCOMPARE(switches.read().rules, written);
    QStringList after = fcList();
    QStringList gone;
    for (const QString& file : before)
        if (!after.contains(file))
            gone << file;
    gone.sort();
    off.sort();
    QCOMPARE(gone, off);

    QCOMPARE(switches.write({}), QString());
    after = fcList();
    QCOMPARE(after.size(), before.size());
    // Nothing off, nothing left of the program's there; the user's own rules as they were.
    QCOMPARE(QDir(dir_.filePath("config/fontconfig/conf.d")).entryList(QDir::Files | QDir::Hidden),
             QStringList{"10-mine.conf"});
    QCOMPARE(readAll(dir_.filePath("config/fontconfig/conf.d/10-mine.conf")), mine.toUtf8());
}

void TestFontSwitches::handEditedFiles_data()
{
    QTest::addColumn<QByteArray>("content");  // "huge": beyond what is read
    QTest::addColumn<QStringList>("files");   // read as switched off
    QTest::addColumn<QStringList>("ignored");
    QTest::addColumn<bool>("broken");         // writing is refused and the file kept as it is

    const QByteArray head = "<?xml version=\"1.0\"?>\n<fontconfig><selectfont><rejectfont>";
    QTest::newRow("none yet") << QByteArray() << QStringList{} << QStringList{} << false;
    QTest::newRow("as written, with a file whose name holds a wildcard")
        << head + "<glob>/f/a.ttf</glob><glob>/g/*</glob><pattern><patelt name=\"file\">"
                  "<string>/f/what?.ttf</string></patelt></pattern></rejectfont></selectfont>"
                  "</fontconfig>"
        << QStringList{"/f/a.ttf", "/f/what?.ttf"} << QStringList{} << false;
    QTest::newRow("other rules are kept, and named")
        << "<fontconfig><alias><family>X</family></alias><selectfont><acceptfont><glob>/h/*"
           "</glob></acceptfont><rejectfont><glob>*.pcf.gz</glob><pattern><patelt name=\"family\">"
           "<string>Comic</string></patelt></pattern><glob>/f/a.ttf</glob></rejectfont>"
           "</selectfont></fontconfig>"_qba
        << QStringList{"/f/a.ttf"}
        << QStringList{"<alias><family>X</family></alias>",
                       "<acceptfont><glob>/h/*</glob></acceptfont>", "<glob>*.pcf.gz</glob>",
                       "<pattern><patelt name=\"family\"><string>Comic</string></patelt></pattern>"}
        << false;
    QTest::newRow("truncated: what comes before is read")
        << head + "<glob>/f/a.ttf</glob><glob>/f/b" << QStringList{"/f/a.ttf"} << QStringList{}
        << true;
    QTest::newRow("garbage") << "\x00\xff\xfe not xml at all"_qba << QStringList{}
                             << QStringList{} << true;
    QTest::newRow("another kind of file") << "<html><body/></html>"_qba << QStringList{}
                                          << QStringList{} << true;
    QTest::newRow("huge") << "huge"_qba << QStringList{} << QStringList{} << true;
}

void TestFontSwitches::handEditedFiles()
{
    QFETCH(QByteArray, content);
    QFETCH(QStringList, files);
    QFETCH(QStringList, ignored);
    QFETCH(bool, broken);

    QTemporaryDir home;
    FontconfigSwitches switches(home.path());
    if (content == "huge") {
        QDir().mkpath(QFileInfo(switches.ruleFile()).path());
        QFile file(switches.ruleFile());
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(FontconfigSwitches::MaxFileSize + 1));
    } else if (!content.isEmpty()) {
        writeAll(switches.ruleFile(), content);
    }
    const QByteArray before = readAll(switches.ruleFile());

    const FontSwitches::Reading reading = switches.read();
    QCOMPARE(reading.rules.files, files);
    QCOMPARE(reading.ignored, ignored);
    QCOMPARE(!reading.problem.isEmpty(), broken);

    const FontSwitches::Rules next{{"/new"}, {"/g/scale-0"}, {"/f/new.ttf"}};
    const QString problem = switches.write(next);
    QCOMPARE(!problem.isEmpty(), broken);
    if (broken) {
        QCOMPARE(readAll(switches.ruleFile()), before);
        return;
    }
    const FontSwitches::Reading again = switches.read();
    QCOMPARE(again.rules, next);
    QCOMPARE(again.ignored, ignored);
    QCOMPARE(again.problem, QString());
}

QTEST_GUILESS_MAIN(TestFontSwitches)
#include "tst_fontswitches.moc"
