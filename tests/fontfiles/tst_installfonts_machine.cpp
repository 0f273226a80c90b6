// Installing into a real fonts folder under a temporary home, with a fontconfig
// configuration that reads that folder and the test's own fonts.
#include "fakes/FakeMessageBoxes.h"
#include "fontfiles/FontInstaller.h"
#include "fontfiles/FontNameReader.h"
#include "fontfiles/InstallProgress.h"
#include "fontfiles/InstallState.h"
#include "fontfiles/UnpackedFonts.h"
#include "platform/linux/LinuxFontService.h"
#include "platform/linux/LinuxShell.h"
#include "fontfiles/SfntBuilder.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Install {
    QString folder;  // "fonts", "extra" or "other", under the test's root
    QString name;    // the full name Preview Fonts reads from the file
    QString file;
};
using Run = QList<Install>;

class NoProgress : public InstallProgress {
public:
    void setSelectedCaption(const QString&) override {}
    void setInstalledCaption(const QString&) override {}
    void showProgress() override {}
    void hideProgress() override {}
};

QStringList boxes(const FakeMessageBoxes& messages)
{
    QStringList out;
    for (const FakeMessageBoxes::Box& box : messages.boxes)
        out << box.kind + QStringLiteral(": ") + box.text;
    return out;
}

}  // namespace

Q_DECLARE_METATYPE(QList<Run>)

class tst_installfonts_machine : public QObject {
    Q_OBJECT
public:
    explicit tst_installfonts_machine(const QString& root) : m_root(root) {}

private slots:
    void init();
    void install_data();
    void install();
    void copy_data();
    void copy();

private:
    QString fontsFolder() const { return m_root + "/home/data/fonts"; }
    // Full names fontconfig lists for the fonts folder, asked of another program.
    QStringList listed() const;

    QString m_root;
    LinuxFontService m_fonts;
    LinuxShell m_shell;
};

QStringList tst_installfonts_machine::listed() const
{
    QProcess list;
    list.start("fc-list", {"--format", "%{file}|%{fullname}\n"});
    if (!list.waitForFinished())
        return {"fc-list failed"};
    QStringList names;
    for (const QString& line : QString::fromUtf8(list.readAllStandardOutput()).split(u'\n')) {
        if (line.startsWith(fontsFolder() + u'/'))
            names << line.section(u'|', 1);
    }
    names.sort();
    return names;
}

void tst_installfonts_machine::init()
{
    QDir fonts(fontsFolder());
    QFile::setPermissions(fonts.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    fonts.removeRecursively();
    m_fonts.broadcastFontChange();
}

void tst_installfonts_machine::install_data()
{
    QTest::addColumn<QList<Run>>("runs");
    QTest::addColumn<QString>("block");  // "", "read-only", "file size"
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QStringList>("files");   // the fonts folder afterwards, hidden files included
    QTest::addColumn<QStringList>("listed");  // what fc-list shows for it

    const Install extra{"extra", "Test Extra Regular", "TestExtra.ttf"};
    const Install late{"extra", "Test Late Regular", "TestLate.ttf"};
    const QString one = "information: Installed 1 font";
    const QString none = "information: Installed 0 fonts";
    const QString already = "information: The font \"Test Extra Regular\" is already installed";

    QTest::newRow("two new fonts, folder created")
        << QList<Run>{{extra, late}} << "" << QStringList{"information: Installed 2 fonts"}
        << QStringList{"TestExtra.ttf", "TestLate.ttf"}
        << QStringList{"Test Extra Regular", "Test Late Regular"};
    QTest::newRow("same file in a later run")
        << QList<Run>{{extra}, {extra}} << "" << QStringList{one, already, none}
        << QStringList{"TestExtra.ttf"} << QStringList{"Test Extra Regular"};
    QTest::newRow("same file twice in one run")
        << QList<Run>{{extra, extra}} << "" << QStringList{already, one}
        << QStringList{"TestExtra.ttf"} << QStringList{"Test Extra Regular"};
    QTest::newRow("a system font")
        << QList<Run>{{{"fonts", "Test Sans Bold", "TestSans-Bold.ttf"}}} << ""
        << QStringList{"information: The font \"Test Sans Bold\" is already installed", none}
        << QStringList{} << QStringList{};
    QTest::newRow("different file, same file name")
        << QList<Run>{{extra}, {{"other", "Test Late Regular", "TestExtra.ttf"}}} << ""
        << QStringList{one, one} << QStringList{"TestExtra-2.ttf", "TestExtra.ttf"}
        << QStringList{"Test Extra Regular", "Test Late Regular"};
    QTest::newRow("names but no font") << QList<Run>{{{"other", "Junk", "Junk.ttf"}}} << ""
                                       << QStringList{"warning: Unable to install font Junk", none}
                                       << QStringList{} << QStringList{};
    QTest::newRow("dot-files, which fontconfig skips, under names it reads")
        << QList<Run>{{{"other", "Test Late Regular", ".hidden.ttf"},
                       {"other", "Test Extra Regular", "..ttf"}}}
        << "" << QStringList{"information: Installed 2 fonts"}
        << QStringList{"font.ttf", "hidden.ttf"}
        << QStringList{"Test Extra Regular", "Test Late Regular"};
    const Install webTwo{"kinds", "Test Web Two Italic", "TestWebTwo.woff2"};
    const Install webCff{"kinds", "Test Web Cff Regular", "TestWebCff.woff2"};
    const Install webWoff{"kinds", "Test Web Woff Regular", "TestWebWoff.woff"};
    QTest::newRow("web fonts, as the TrueType and OpenType fonts they wrap")
        << QList<Run>{{webTwo, webCff, webWoff}} << ""
        << QStringList{"information: Installed 3 fonts"}
        << QStringList{"TestWebCff.otf", "TestWebTwo.ttf", "TestWebWoff.ttf"}
        << QStringList{"Test Web Cff Regular", "Test Web Two Italic", "Test Web Woff Regular"};
    QTest::newRow("a web font's font there already")
        << QList<Run>{{webTwo}, {webTwo}} << "" << QStringList{one, "information: The font \"Test Web Two Italic\" is already installed", none}
        << QStringList{"TestWebTwo.ttf"} << QStringList{"Test Web Two Italic"};
    const Install kindsOne{"kinds", "Test Kinds One Regular", "TestKinds.ttc"};
    const Install kindsTwo{"kinds", "Test Kinds Two Bold", "TestKinds.ttc"};
    QTest::newRow("a collection, both faces: one file of two fonts")
        << QList<Run>{{kindsOne, kindsTwo}} << "" << QStringList{"information: Installed 2 fonts"}
        << QStringList{"TestKinds.ttc"}
        << QStringList{"Test Kinds One Regular", "Test Kinds Two Bold"};
    QTest::newRow("one face of a collection brings the file")
        << QList<Run>{{kindsTwo}, {kindsOne}} << ""
        << QStringList{one, "information: The font \"Test Kinds One Regular\" is already installed", none}
        << QStringList{"TestKinds.ttc"}
        << QStringList{"Test Kinds One Regular", "Test Kinds Two Bold"};
    QTest::newRow("Type 1 fonts, with their metrics where they have them")
        << QList<Run>{{{"kinds", "Test Type One Regular", "TestTypeOne.pfb"},
                       {"kinds", "Test Type Two Bold", "TestTypeTwo.pfa"}}}
        << "" << QStringList{"information: Installed 2 fonts"}
        << QStringList{"TestTypeOne.afm", "TestTypeOne.pfb", "TestTypeTwo.pfa"}
        << QStringList{"Test Type One Regular", "Test Type Two Bold"};
    QTest::newRow("read-only fonts folder")
        << QList<Run>{{extra}} << "read-only"
        << QStringList{"warning: Unable to install font Test Extra Regular", none} << QStringList{}
        << QStringList{};
    QTest::newRow("disk full while copying")
        << QList<Run>{{extra}} << "file size"
        << QStringList{"warning: Unable to install font Test Extra Regular", none} << QStringList{}
        << QStringList{};
}

void tst_installfonts_machine::install()
{
    QFETCH(QList<Run>, runs);
    QFETCH(QString, block);
    QFETCH(QStringList, messages);
    QFETCH(QStringList, files);
    QFETCH(QStringList, listed);

    QCOMPARE(m_shell.userFontsFolder(), fontsFolder());
    rlimit saved{};
    if (block == "read-only") {
        if (geteuid() == 0)
            QSKIP("root writes into read-only folders");
        QVERIFY(QDir().mkpath(fontsFolder()));
        QVERIFY(QFile::setPermissions(fontsFolder(), QFile::ReadOwner | QFile::ExeOwner));
    } else if (block == "file size") {
        // Writes past 512 bytes fail as on a full disk.
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &saved);
        rlimit small = saved;
        small.rlim_cur = 512;
        setrlimit(RLIMIT_FSIZE, &small);
    }

    FakeMessageBoxes messages_;
    NoProgress progress;
    InstallState state;
    FontInstaller installer(m_fonts, m_shell, messages_, progress, state);
    for (const Run& run : runs) {
        // As Preview Fonts lists them.
        QList<FontFileItem> items;
        for (const Install& install : run) {
            QList<FontFileItem> read;
            ReadFontFileNames(m_root + u'/' + install.folder, install.file, read);
            const auto face = std::find_if(read.cbegin(), read.cend(), [&](const FontFileItem& item) {
                return item.first == install.name;
            });
            QVERIFY2(face != read.cend(), qPrintable(install.name));
            items << *face;
        }
        const QString folder = m_root + u'/' + run.first().folder + u'/';
        UnpackedFonts unpacked(m_root + "/unpacked");
        FontInstaller::Hooks hooks{[] {}, [] {}, {}};
        hooks.plainFile = [&](const FontFileItem& item, QString* why) {
            return unpacked.plainFile(folder, item.second, {}, why);
        };
        installer.install(items, folder, fontsFolder(), hooks);
    }
    if (block == "file size")
        setrlimit(RLIMIT_FSIZE, &saved);

    QCOMPARE(boxes(messages_), messages);
    QCOMPARE(QDir(fontsFolder()).entryList(QDir::Files | QDir::Hidden, QDir::Name), files);
    QCOMPARE(this->listed(), listed);
    if (files.contains("TestExtra.ttf")) {
        QFile installed(fontsFolder() + "/TestExtra.ttf");
        QFile source(m_root + "/extra/TestExtra.ttf");
        QVERIFY(installed.open(QIODevice::ReadOnly) && source.open(QIODevice::ReadOnly));
        QCOMPARE(installed.readAll(), source.readAll());
    }
}

void tst_installfonts_machine::copy_data()
{
    QTest::addColumn<QString>("from");          // under the test's root
    QTest::addColumn<QStringList>("there");     // "name: what", in the folder before the copy
    QTest::addColumn<QString>("result");

    QTest::newRow("nothing there") << "extra/TestExtra.ttf" << QStringList{}
                                   << "copied TestExtra.ttf";
    QTest::newRow("the same bytes") << "extra/TestExtra.ttf" << QStringList{"TestExtra.ttf: same"}
                                    << "already there TestExtra.ttf";
    QTest::newRow("a link to the same bytes")
        << "extra/TestExtra.ttf" << QStringList{"TestExtra.ttf: link to the same"}
        << "already there TestExtra.ttf";
    QTest::newRow("another file") << "extra/TestExtra.ttf" << QStringList{"TestExtra.ttf: other"}
                                  << "copied TestExtra-2.ttf";
    QTest::newRow("a FIFO, which is never opened")
        << "extra/TestExtra.ttf" << QStringList{"TestExtra.ttf: fifo"} << "copied TestExtra-2.ttf";
    QTest::newRow("a link to a FIFO, a folder")
        << "extra/TestExtra.ttf"
        << QStringList{"TestExtra.ttf: link to a fifo", "TestExtra-2.ttf: folder"}
        << "copied TestExtra-3.ttf";
    QTest::newRow("a dot-file goes without its dots") << "other/.hidden.ttf" << QStringList{}
                                                     << "copied hidden.ttf";
    QTest::newRow("a dot-file is there without its dots")
        << "other/.hidden.ttf" << QStringList{"hidden.ttf: same"} << "already there hidden.ttf";
    QTest::newRow("a dot-file that is there under another file's name")
        << "other/.hidden.ttf" << QStringList{"hidden.ttf: other"} << "copied hidden-2.ttf";
    QTest::newRow("nothing but dots and a suffix") << "other/..ttf" << QStringList{}
                                                  << "copied font.ttf";
}

// Into a folder fontconfig never reads: a FIFO there would hold it up too.
void tst_installfonts_machine::copy()
{
    QFETCH(QString, from);
    QFETCH(QStringList, there);
    QFETCH(QString, result);

    QTemporaryDir folder(m_root + "/copy-XXXXXX");
    const QString source = m_root + u'/' + from;
    const QString fifo = folder.filePath(".fifo");
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const QString& entry : there) {
        const QString path = folder.filePath(entry.section(": ", 0, 0));
        const QString what = entry.section(": ", 1);
        if (what == "same")
            QVERIFY(QFile::copy(source, path));
        else if (what == "link to the same")
            QVERIFY(QFile::link(source, path));
        else if (what == "other")
            QVERIFY(QFile(path).open(QIODevice::WriteOnly));
        else if (what == "fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (what == "link to a fifo")
            QVERIFY(QFile::link(fifo, path));
        else if (what == "folder")
            QVERIFY(QDir().mkdir(path));
    }

    QString path;
    const Shell::CopyResult copied = m_shell.copyIntoFolder(source, folder.path(), path);
    const QString name = QFileInfo(path).fileName();
    QCOMPARE(copied == Shell::CopyResult::Copied          ? "copied " + name
             : copied == Shell::CopyResult::AlreadyThere ? "already there " + name
                                                           : QStringLiteral("failed"),
             result);
    QFile written(path);
    QFile original(source);
    QVERIFY(written.open(QIODevice::ReadOnly) && original.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), original.readAll());
}

namespace {

// The fonts and the configuration exist before fontconfig is first asked.
bool prepare(const QString& root)
{
    const QString script = QStringLiteral(GLYPHARY_TEST_DATA_DIR "/make_test_fonts.py");
    bool made = false;
    for (const QString& python : {QStringLiteral("/usr/bin/python3"), QStringLiteral("python3")}) {
        QProcess probe;
        probe.start(python, {"-c", "import fontTools"});
        if (!probe.waitForFinished() || probe.exitCode() != 0)
            continue;
        QProcess make;
        make.setProcessChannelMode(QProcess::ForwardedChannels);
        make.start(python, {script, root});
        made = make.waitForFinished(120000) && make.exitStatus() == QProcess::NormalExit
               && make.exitCode() == 0;
        break;
    }
    if (!made) {
        std::fputs("No python3 with fontTools (python3-fonttools)\n", stderr);
        return false;
    }
    // Another file named like an extra font, dot-files, and a file with
    // names but no font.
    QDir().mkpath(root + "/other");
    QFile junk(root + "/other/Junk.ttf");
    const QByteArray names = sfnt::font({sfnt::win(1, "Junk"), sfnt::win(4, "Junk")});
    if (!QFile::copy(root + "/extra/TestLate.ttf", root + "/other/TestExtra.ttf")
        || !QFile::copy(root + "/extra/TestLate.ttf", root + "/other/.hidden.ttf")
        || !QFile::copy(root + "/extra/TestExtra.ttf", root + "/other/..ttf")
        || !junk.open(QIODevice::WriteOnly) || junk.write(names) != names.size())
        return false;
    junk.close();

    QFile conf(root + "/fonts.conf");
    if (!conf.open(QIODevice::WriteOnly))
        return false;
    conf.write(QStringLiteral("<?xml version=\"1.0\"?>\n"
                              "<!DOCTYPE fontconfig SYSTEM \"urn:fontconfig:fonts.dtd\">\n"
                              "<fontconfig>\n  <dir>%1/fonts</dir>\n"
                              "  <dir prefix=\"xdg\">fonts</dir>\n"
                              "  <cachedir prefix=\"xdg\">fontconfig</cachedir>\n</fontconfig>\n")
                   .arg(root.toHtmlEscaped())
                   .toUtf8());
    return conf.flush();
}

}  // namespace

int main(int argc, char** argv)
{
    QTemporaryDir root;
    if (!root.isValid() || !prepare(root.path()))
        return 1;
    // Everything the run writes stays in the temporary home.
    const QByteArray home = QFile::encodeName(root.filePath("home"));
    qputenv("HOME", home);
    qputenv("XDG_DATA_HOME", home + "/data");
    qputenv("XDG_CACHE_HOME", home + "/cache");
    qputenv("XDG_CONFIG_HOME", home + "/config");
    qputenv("FONTCONFIG_FILE", QFile::encodeName(root.filePath("fonts.conf")));
    QGuiApplication app(argc, argv);
    tst_installfonts_machine test(root.path());
    return QTest::qExec(&test, argc, argv);
}

#include "tst_installfonts_machine.moc"
