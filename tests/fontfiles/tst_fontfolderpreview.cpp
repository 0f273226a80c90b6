#include "fontfiles/FontFolderPreview.h"

#include "SfntBuilder.h"
#include "fakes/FakeFontService.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

using sfnt::win;
using Side = FontFolderPreview::Side;
using RunResult = FontFolderPreview::RunResult;

namespace {

QByteArray fontNamed(const QString& family, const QString& full)
{
    return sfnt::font({win(1, family), win(4, full)});
}

bool writeFile(const QString& path, const QByteArray& data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

// "text|file" per item, the current one marked with "*".
QStringList describe(const FontFileList& list)
{
    QStringList out;
    for (int i = 0; i < list.count(); ++i)
        out << (i == list.current ? "*" : "") + list.items[i].first + u'|'
                + list.items[i].second.FileName;
    return out;
}

// Items whose files are named after their text: "Beta" lies in "Beta.ttf".
QStringList texts(const FontFileList& list)
{
    QStringList out;
    for (int i = 0; i < list.count(); ++i)
        out << (i == list.current ? "*" : "") + list.items[i].first;
    return out;
}

} // namespace

class TestFontFolderPreview : public QObject {
    Q_OBJECT

private slots:
    void badFiles_data();
    void badFiles();
    void loadingRun_data();
    void loadingRun();
    void moves_data();
    void moves();
    void sample_data();
    void sample();

private:
    FakeFontService m_fonts;
};

void TestFontFolderPreview::badFiles_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("listed");
    QTest::addColumn<QString>("item");  // "full name|family", empty for none

    const bool root = ::geteuid() == 0;
    QTest::newRow("empty") << "fonts" << "empty.ttf" << "empty" << true << "";
    QTest::newRow("truncated") << "fonts" << "cut.ttf" << "truncated" << true << "";
    QTest::newRow("text") << "fonts" << "text.ttf" << "text" << true << "";
    QTest::newRow("image named .ttf") << "fonts" << "image.ttf" << "png" << true << "";
    QTest::newRow("naming table past 16 MiB")
        << "fonts" << "far.ttf" << "far" << true << "Far Full|Far";
    // Root reads it all the same.
    QTest::newRow("no permission")
        << "fonts" << "locked.ttf" << "locked" << true << (root ? "Locked Full|Locked" : "");
    QTest::newRow("FIFO") << "fonts" << "pipe.ttf" << "fifo" << false << "";
    QTest::newRow("dangling link") << "fonts" << "gone.ttf" << "dangling" << false << "";
    QTest::newRow("link to a font") << "fonts" << "link.ttf" << "link" << true << "Good Full|Good";
    QTest::newRow("upper-case .TTF") << "fonts" << "UPPER.TTF" << "font" << true << "Other Full|Other";
    QTest::newRow(".otf") << "fonts" << "open.otf" << "font" << true << "Other Full|Other";
    QTest::newRow(".ttf.txt") << "fonts" << "font.ttf.txt" << "font" << false << "";
    QTest::newRow("folder with spaces") << "my fonts" << "a.ttf" << "font" << true << "Other Full|Other";
    QTest::newRow("non-ASCII folder")
        << QString::fromUtf8("Schriftf\u00e4hnchen \u2603") << "a.ttf" << "font" << true
        << "Other Full|Other";
    QTest::newRow("newline in folder") << "two\nlines" << "a.ttf" << "font" << true
                                       << "Other Full|Other";
}

// Whatever the folder holds, the run reads every listed file, lists what
// fonts it finds and never hangs.
void TestFontFolderPreview::badFiles()
{
    QFETCH(QString, folder);
    QFETCH(QString, file);
    QFETCH(QString, kind);
    QFETCH(bool, listed);
    QFETCH(QString, item);

    QTemporaryDir root;
    const QString path = root.filePath(folder);
    QVERIFY(QDir().mkpath(path));
    const QString good = path + "/good.ttf";
    QVERIFY(writeFile(good, fontNamed("Good", "Good Full")));
    const QString bad = path + u'/' + file;
    const QByteArray font = fontNamed("Other", "Other Full");
    if (kind == "empty") {
        QVERIFY(writeFile(bad, {}));
    } else if (kind == "truncated") {
        QVERIFY(writeFile(bad, font.left(sfnt::nameTableStart(font) + 10)));
    } else if (kind == "text") {
        QVERIFY(writeFile(bad, "name name name name name name name name"));
    } else if (kind == "png") {
        QVERIFY(writeFile(bad, QByteArray::fromHex("89504e470d0a1a0a0000000d49484452") + QByteArray(64, '\0')));
    } else if (kind == "far") {
        // The offset's low 24 bits point to a decoy naming table.
        const quint32 offset = 0x01000040;
        QByteArray head = sfnt::font(QList<sfnt::Table>{{"name", {}}});
        sfnt::putBe32(head, sfnt::kDirectoryStart + 8, offset);
        head += QByteArray(0x40 - head.size(), '\0') + sfnt::nameTable({win(1, "D"), win(4, "Decoy")});
        QFile out(bad);
        QVERIFY(out.open(QIODevice::WriteOnly));
        QVERIFY(out.write(head) == head.size());
        QVERIFY(out.seek(offset));
        const QByteArray table = sfnt::nameTable({win(1, "Far"), win(4, "Far Full")});
        QVERIFY(out.write(table) == table.size());
    } else if (kind == "locked") {
        QVERIFY(writeFile(bad, fontNamed("Locked", "Locked Full")));
        QVERIFY(QFile::setPermissions(bad, {}));
    } else if (kind == "fifo") {
        QCOMPARE(::mkfifo(QFile::encodeName(bad).constData(), 0600), 0);
    } else if (kind == "dangling") {
        QVERIFY(QFile::link(path + "/missing.ttf", bad));
    } else if (kind == "link") {
        QVERIFY(QFile::link(good, bad));
    } else {
        QVERIFY(writeFile(bad, font));
    }

    QStringList expectedFiles{"good.ttf"};
    if (listed)
        expectedFiles << file;
    std::sort(expectedFiles.begin(), expectedFiles.end(),
              [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    QCOMPARE(FontFolderPreview::fontFileNames(path), expectedFiles);

    QStringList expectedItems{"Good Full|Good"};
    if (!item.isEmpty())
        expectedItems << item;
    expectedItems.sort(Qt::CaseInsensitive);
    FontFolderPreview preview(m_fonts);
    // A FIFO or dangling link that turns up after the listing is read as safely.
    const bool special = kind == "fifo" || kind == "dangling";
    QCOMPARE(preview.runLoading(path, expectedFiles + (special ? QStringList{file} : QStringList{}), {}),
             RunResult::Finished);
    QStringList items;
    for (const FontFileItem& found : preview.available().items)
        items << found.first + u'|' + found.second.FamilyName;
    QCOMPARE(items, expectedItems);
    QCOMPARE(preview.PreviewFolder(), path + u'/');
}

void TestFontFolderPreview::loadingRun_data()
{
    QTest::addColumn<int>("files");
    QTest::addColumn<int>("actAt");      // before reading this file
    QTest::addColumn<QString>("action");
    QTest::addColumn<QList<int>>("gauge");
    QTest::addColumn<int>("result");
    QTest::addColumn<QStringList>("available");

    const QStringList seven{"*A0", "A1", "A2", "A3", "A4", "A5", "A6"};
    QTest::newRow("one file") << 1 << -1 << "" << QList<int>{0} << int(RunResult::Finished)
                              << QStringList{"*A0"};
    QTest::newRow("seven files") << 7 << -1 << "" << QList<int>{0, 14, 28, 42, 57, 71, 85}
                                 << int(RunResult::Finished) << seven;
    QTest::newRow("gauge 29 after file 30 of 100, not 28")
        << 100 << 29 << "look" << QList<int>{29} << int(RunResult::Finished) << QStringList{};
    QTest::newRow("cancel before the third") << 4 << 2 << "cancel" << QList<int>{0, 25}
                                             << int(RunResult::Cancelled) << QStringList{"*A0", "A1"};
    QTest::newRow("cancel before the first") << 4 << 0 << "cancel" << QList<int>{}
                                             << int(RunResult::Cancelled) << QStringList{};
    QTest::newRow("folder choice drops the run")
        << 4 << 2 << "clear" << QList<int>{0, 25} << int(RunResult::Dropped) << QStringList{};
    QTest::newRow("second run refused") << 3 << 1 << "run" << QList<int>{0, 33, 66}
                                        << int(RunResult::Finished)
                                        << QStringList{"*A0", "A1", "A2"};
}

// The gauge after each file, Cancel and the guards while a run pumps events.
void TestFontFolderPreview::loadingRun()
{
    QFETCH(int, files);
    QFETCH(int, actAt);
    QFETCH(QString, action);
    QFETCH(QList<int>, gauge);
    QFETCH(int, result);
    QFETCH(QStringList, available);

    QTemporaryDir dir;
    QStringList names;
    for (int i = 0; i < files; ++i) {
        names << QStringLiteral("A%1.ttf").arg(i, 2, 10, QChar(u'0'));
        QVERIFY(writeFile(dir.filePath(names.last()), fontNamed("A", QStringLiteral("A%1").arg(i))));
    }
    FontFolderPreview preview(m_fonts);
    QList<int> shown;
    int pumped = 0;
    FontFolderPreview::LoadingHooks hooks;
    hooks.pumpEvents = [&] {
        if (pumped++ != actAt)
            return;
        if (action == "cancel")
            preview.cancelLoading();
        else if (action == "clear")
            preview.clearLists();
        else if (action == "run")
            QCOMPARE(preview.runLoading(dir.path(), names, {}), RunResult::Refused);
        else if (action == "look")
            shown.clear();
    };
    hooks.showProgress = [&](int percent) {
        QVERIFY(preview.isLoading());
        shown << percent;
    };
    QCOMPARE(int(preview.runLoading(dir.path(), names, hooks)), result);
    QVERIFY(!preview.isLoading());
    if (action == "look")
        shown = shown.mid(0, 1);
    QCOMPARE(shown, gauge);
    if (action != "look")
        QCOMPARE(texts(preview.available()), available);
    if (action == "clear")
        QVERIFY(preview.staging().isEmpty());
}

void TestFontFolderPreview::moves_data()
{
    QTest::addColumn<QStringList>("found");
    // Steps: "A2" / "S1" make a row of one list current, "A-" none,
    // ">", "<", ">>" and "<<" move.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("available");
    QTest::addColumn<QStringList>("selected");
    QTest::addColumn<QList<int>>("moves");  // from, to of each single move

    const QStringList abcd{"Delta", "beta", "Alpha", "Gamma"};
    QTest::newRow("> with none current moves nothing, makes the first current")
        << abcd << QStringList{"A-", ">"} << QStringList{"*Alpha", "beta", "Delta", "Gamma"}
        << QStringList{} << QList<int>{-1, -1};
    QTest::newRow("> of the last, the new last becomes current")
        << abcd << QStringList{"A3", ">", ">"} << QStringList{"Alpha", "*beta"}
        << QStringList{"Delta", "Gamma"} << QList<int>{3, 0, 2, 0};
    QTest::newRow("sorted in, the other list keeps its current item")
        << abcd << QStringList{"A3", ">", "S0", "A0", ">"} << QStringList{"*beta", "Delta"}
        << QStringList{"Alpha", "*Gamma"} << QList<int>{3, 0, 0, 0};
    QTest::newRow(">> then < of the middle")
        << abcd << QStringList{">>", "S2", "<"} << QStringList{"Delta"}
        << QStringList{"Alpha", "beta", "*Gamma"} << QList<int>{2, 0};
    QTest::newRow(">> merges, << back")
        << abcd << QStringList{"A0", ">", "S0", ">>", "<<"}
        << QStringList{"Alpha", "beta", "Delta", "Gamma"} << QStringList{} << QList<int>{0, 0};
    QTest::newRow("equal texts keep their own files")
        << QStringList{"Same", "Same", "Other"} << QStringList{"A2", ">", "S0", ">>"} << QStringList{}
        << QStringList{"Other", "Same", "*Same"} << QList<int>{2, 0};
}

void TestFontFolderPreview::moves()
{
    QFETCH(QStringList, found);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, available);
    QFETCH(QStringList, selected);
    QFETCH(QList<int>, moves);

    QTemporaryDir dir;
    for (int i = 0; i < found.size(); ++i)
        QVERIFY(writeFile(dir.filePath(QStringLiteral("f%1.ttf").arg(i)), fontNamed("F", found[i])));
    FontFolderPreview preview(m_fonts);
    QCOMPARE(preview.runLoading(dir.path(), FontFolderPreview::fontFileNames(dir.path()), {}),
             RunResult::Finished);
    QList<int> made;
    for (const QString& step : steps) {
        const auto move = [&](Side side) {
            const FontFolderPreview::Move m = preview.moveCurrent(side);
            made << m.from << m.to;
        };
        if (step == ">")
            move(Side::Available);
        else if (step == "<")
            move(Side::Selected);
        else if (step == ">>")
            preview.moveAll(Side::Available);
        else if (step == "<<")
            preview.moveAll(Side::Selected);
        else
            preview.setCurrent(step[0] == u'A' ? Side::Available : Side::Selected,
                               step.mid(1).toInt() - (step[1] == u'-' ? 1 : 0));
    }
    QCOMPARE(texts(preview.available()), available);
    QCOMPARE(texts(preview.selected()), selected);
    QCOMPARE(made, moves);
    if (found.count("Same") == 2) {
        // Sorted by file among equal texts, wherever each came from.
        QCOMPARE(describe(preview.selected()),
                 (QStringList{"Other|f2.ttf", "Same|f0.ttf", "*Same|f1.ttf"}));
    }
}

void TestFontFolderPreview::sample_data()
{
    QTest::addColumn<QString>("full");
    QTest::addColumn<QStringList>("styles");  // faces the family has

    // Whatever the name and the family's faces, the file's own face shows.
    QTest::newRow("a face's full name") << "Fam Bold" << QStringList{"Regular", "Bold"};
    QTest::newRow("32, the last face bold italic")
        << QString(32, u'y') << QStringList{"Regular", "SemiBold Italic"};
    QTest::newRow("32, oblique") << QString(29, u'z') + " Oblique" << QStringList{"Oblique", "Bold"};
    QTest::newRow("32, family unknown") << QString(32, u'w') << QStringList{};
}

// The face a sample asks for, and the loading: each file loaded is unloaded
// exactly once, the sample file before the next, the rest on leaving.
void TestFontFolderPreview::sample()
{
    QFETCH(QString, full);
    QFETCH(QStringList, styles);

    FakeFontService fonts;
    QList<FontFace> faces;
    for (const QString& style : styles)
        faces << FontFace{style, true, false, FontFace::CharSet::Ansi};
    if (!faces.isEmpty())
        fonts.addFamily("Fam", faces);
    QTemporaryDir dir;
    QVERIFY(writeFile(dir.filePath("a.ttf"), fontNamed("Fam", full)));
    QVERIFY(writeFile(dir.filePath("b.ttf"), fontNamed("Fam", "Fam Other")));
    FontFolderPreview preview(fonts);
    QVERIFY(!preview.ShowPreviewSample(Side::Available));
    QCOMPARE(preview.runLoading(dir.path(), {"a.ttf", "b.ttf"}, {}), RunResult::Finished);
    preview.setCurrent(Side::Available, full.compare("Fam Other", Qt::CaseInsensitive) < 0 ? 0 : 1);

    const auto sample = preview.ShowPreviewSample(Side::Available);
    QVERIFY(sample);
    QCOMPARE(sample->name, full);
    const QString a = dir.filePath("a.ttf");
    const QString b = dir.filePath("b.ttf");
    QCOMPARE(sample->font.family(), a);
    QVERIFY(!sample->font.bold() && !sample->font.italic());
    QCOMPARE(preview.SampleFontFile(), a);
    QCOMPARE(fonts.added.value(a), 1);

    // Another sample unloads this one first; a click on no item changes nothing.
    preview.moveCurrent(Side::Available);
    QVERIFY(preview.ShowPreviewSample(Side::Available));
    preview.setCurrent(Side::Available, -1);
    QVERIFY(!preview.ShowPreviewSample(Side::Available));
    QCOMPARE(preview.SampleFontFile(), b);
    QCOMPARE(fonts.removed.value(a), 1);

    preview.PrintLoadFolder = dir.path();
    preview.PrintLoadedFonts = preview.selected().items;
    preview.LoadFontFile(a);
    preview.UnloadSampleFont();
    preview.UnloadPrintedFonts();
    preview.UnloadSampleFont();
    preview.UnloadPrintedFonts();
    QCOMPARE(fonts.added, (QHash<QString, int>{{a, 2}, {b, 1}}));
    QCOMPARE(fonts.removed, fonts.added);
    // Only an install tells the desktop: these files are the program's alone.
    QCOMPARE(fonts.broadcasts, 0);
}

QTEST_GUILESS_MAIN(TestFontFolderPreview)
#include "tst_fontfolderpreview.moc"
