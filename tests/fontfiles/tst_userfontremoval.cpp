// Which files a removal may take from the user's fonts folder: links and ".."
// are resolved before the check, over a real folder tree.
#include "fontfiles/UserFontRemoval.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestUserFontRemoval : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void insideFolder_data();
    void insideFolder();
    void plan_data();
    void plan();

private:
    QString at(const QString& relative) const { return m_base + u'/' + relative; }

    QTemporaryDir m_dir;
    QString m_base;  // the temporary folder, resolved
};

void TestUserFontRemoval::initTestCase()
{
    m_base = QFileInfo(m_dir.path()).canonicalFilePath();
    for (const char* folder : {"data/fonts/sub", "data/fonts2", "outside"})
        QVERIFY(QDir().mkpath(at(folder)));
    for (const char* file :
         {"data/fonts/A.ttf", "data/fonts/sub/B.ttf", "data/fonts2/C.ttf", "outside/X.ttf"}) {
        QFile font(at(file));
        QVERIFY(font.open(QIODevice::WriteOnly));
    }
    QVERIFY(QFile::link(at("outside/X.ttf"), at("data/fonts/out.ttf")));
    QVERIFY(QFile::link(at("outside"), at("data/fonts/linkdir")));
    QVERIFY(QFile::link(at("data/fonts"), at("fontslink")));
    QVERIFY(QFile::link(at("outside/gone.ttf"), at("data/fonts/dangling.ttf")));
}

void TestUserFontRemoval::insideFolder_data()
{
    QTest::addColumn<QString>("path");    // under the temporary folder
    QTest::addColumn<QString>("folder");  // likewise
    QTest::addColumn<QString>("moved");   // likewise; empty: nothing may be moved

    const QString fonts = "data/fonts";
    QTest::newRow("file in the folder") << "data/fonts/A.ttf" << fonts << "data/fonts/A.ttf";
    QTest::newRow("file in a subfolder") << "data/fonts/sub/B.ttf" << fonts
                                         << "data/fonts/sub/B.ttf";
    QTest::newRow("link pointing outside: the link")
        << "data/fonts/out.ttf" << fonts << "data/fonts/out.ttf";
    QTest::newRow("dangling link: the link") << "data/fonts/dangling.ttf" << fonts
                                             << "data/fonts/dangling.ttf";
    QTest::newRow("through a linked folder pointing outside")
        << "data/fonts/linkdir/X.ttf" << fonts << "";
    QTest::newRow(".. out of the folder") << "data/fonts/../fonts2/C.ttf" << fonts << "";
    QTest::newRow(".. within the folder") << "data/fonts/sub/../A.ttf" << fonts
                                          << "data/fonts/A.ttf";
    QTest::newRow("sibling sharing the name's start") << "data/fonts2/C.ttf" << fonts << "";
    QTest::newRow("file outside") << "outside/X.ttf" << fonts << "";
    QTest::newRow("missing file") << "data/fonts/missing.ttf" << fonts << "";
    QTest::newRow("a subfolder itself") << "data/fonts/sub" << fonts << "";
    QTest::newRow("the folder as ..") << "data/fonts/sub/.." << fonts << "";
    QTest::newRow("folder named through a link") << "data/fonts/A.ttf" << "fontslink"
                                                 << "data/fonts/A.ttf";
    QTest::newRow("file named through the folder's link")
        << "fontslink/sub/B.ttf" << fonts << "data/fonts/sub/B.ttf";
    QTest::newRow("missing folder") << "data/fonts/A.ttf" << "data/nofonts" << "";
}

void TestUserFontRemoval::insideFolder()
{
    QFETCH(QString, path);
    QFETCH(QString, folder);
    QFETCH(QString, moved);
    QCOMPARE(UserFontRemoval::insideFolder(at(path), at(folder)),
             moved.isEmpty() ? QString() : at(moved));
    // A relative path is nowhere in particular.
    QCOMPARE(UserFontRemoval::insideFolder(path, at(folder)), QString());
}

void TestUserFontRemoval::plan_data()
{
    QTest::addColumn<QStringList>("faces");  // path under the temporary folder; "app:": loaded here only
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("question");

    QTest::newRow("user faces, a collection's two, a link out, one for all users")
        << QStringList{"data/fonts/A.ttf", "data/fonts/A.ttf", "data/fonts/out.ttf",
                       "outside/X.ttf", "app:data/fonts2/C.ttf"}
        << QStringList{"data/fonts/A.ttf", "data/fonts/out.ttf"}
        << "Remove the font family \"Fam\"?\n\nThese files go to the trash:\n<A>\n<out>\n\n"
           "1 face installed for all users is kept.";
    QTest::newRow("one user file, two kept")
        << QStringList{"outside/X.ttf", "data/fonts/sub/B.ttf", "data/fonts/linkdir/X.ttf"}
        << QStringList{"data/fonts/sub/B.ttf"}
        << "Remove the font family \"Fam\"?\n\nThis file goes to the trash:\n<B>\n\n"
           "2 faces installed for all users are kept.";
    QTest::newRow("for all users only") << QStringList{"outside/X.ttf"} << QStringList{} << "";
}

void TestUserFontRemoval::plan()
{
    QFETCH(QStringList, faces);
    QFETCH(QStringList, files);
    QFETCH(QString, question);

    QList<FontFileFace> fileFaces;
    for (QString face : faces) {
        FontFileFace fileFace;
        fileFace.installed = !face.startsWith("app:");
        fileFace.path = at(face.remove("app:"));
        fileFaces << fileFace;
    }
    const UserFontRemoval::Plan plan =
        UserFontRemoval::plan("Fam", fileFaces, at("data/fonts"));
    QStringList expected;
    for (const QString& file : files)
        expected << at(file);
    QCOMPARE(plan.files, expected);
    if (!question.isEmpty()) {
        question.replace("<A>", at("data/fonts/A.ttf"))
            .replace("<out>", at("data/fonts/out.ttf"))
            .replace("<B>", at("data/fonts/sub/B.ttf"));
        QCOMPARE(plan.question(), question);
    }
}

QTEST_GUILESS_MAIN(TestUserFontRemoval)
#include "tst_userfontremoval.moc"
