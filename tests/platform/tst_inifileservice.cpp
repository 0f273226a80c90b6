#include "platform/linux/IniFileService.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestIniFileService : public QObject {
    Q_OBJECT

private slots:
    void readString_data();
    void readString();
    void writeString_data();
    void writeString();
    void valuesAreCutOnRead();
    void failedWriteNamesTheFullPath_data();
    void failedWriteNamesTheFullPath();
    void lineBreaksAreRefused();

private:
    QString pathWith(const QByteArray& content);
    QByteArray contentOf(const QString& path);

    QTemporaryDir dir_;
    IniFileService ini_;
};

QString TestIniFileService::pathWith(const QByteArray& content)
{
    static int n = 0;
    const QString path = dir_.filePath(QStringLiteral("f%1.ini").arg(++n));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(content) != content.size())
        qFatal("can't write %s", qPrintable(path));
    return path;
}

QByteArray TestIniFileService::contentOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void TestIniFileService::readString_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    const QByteArray lf = "[Glyphary]\nDef8=eight\nDefSample=The fox\n";
    QTest::newRow("LF ends") << lf << "Glyphary" << "DefSample" << "The fox";
    QTest::newRow("CRLF ends") << QByteArray("[Glyphary]\r\nDef8=eight\r\nDef9=nine\r\n") << "Glyphary"
                               << "Def8" << "eight";
    QTest::newRow("no final line end") << QByteArray("[Glyphary]\nDef8=eight") << "Glyphary" << "Def8"
                                       << "eight";
    QTest::newRow("names ignore case") << lf << "GLYPHARY" << "defsample" << "The fox";
    QTest::newRow("blanks around names and value")
        << QByteArray(" [ Glyphary ] \n  Def8 \t=  spaced out \t\n") << "Glyphary" << "Def8" << "spaced out";
    QTest::newRow("equals sign inside value") << QByteArray("[S]\nk=a=b\n") << "S" << "k" << "a=b";
    QTest::newRow("empty value is not missing") << QByteArray("[S]\nk=\n") << "S" << "k" << "";
    QTest::newRow("missing key") << lf << "Glyphary" << "Def9" << "<fallback>";
    QTest::newRow("missing section") << lf << "Other" << "Def8" << "<fallback>";
    QTest::newRow("key of another section")
        << QByteArray("[Other]\nDef8=other\n[Glyphary]\nDef9=nine\n") << "Glyphary" << "Def8" << "<fallback>";
    QTest::newRow("first of two same sections")
        << QByteArray("[S]\nk=first\n[T]\n[s]\nk=second\nj=late\n") << "S" << "j" << "<fallback>";
    QTest::newRow("UTF-8 with BOM") << QByteArray("\xEF\xBB\xBF[S]\nk=caf\xC3\xA9\n") << "S" << "k"
                                    << QString::fromUtf8("caf\xC3\xA9");
}

void TestIniFileService::readString()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);

    QCOMPARE(ini_.readString(pathWith(content), section, key, QStringLiteral("<fallback>")), expected);
}

void TestIniFileService::writeString_data()
{
    QTest::addColumn<QByteArray>("before");  // "<missing>": no file
    QTest::addColumn<QStringList>("writes"); // section, key, value triples
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("new file keeps key order")
        << QByteArray("<missing>") << QStringList{"Glyphary", "Def8", "a", "Glyphary", "Def9", "b", "Glyphary", "Def10", "c"}
        << QByteArray("[Glyphary]\nDef8=a\nDef9=b\nDef10=c\n");
    QTest::newRow("replace keeps other lines and CRLF")
        << QByteArray("; note\r\n[Glyphary]\r\nDef8=old\r\nDef9=nine\r\n")
        << QStringList{"glyphary", "DEF8", "new"}
        << QByteArray("; note\r\n[Glyphary]\r\nDEF8=new\r\nDef9=nine\r\n");
    QTest::newRow("new key goes before blank lines")
        << QByteArray("[A]\nx=1\n\n[B]\ny=2\n") << QStringList{"A", "z", "3"}
        << QByteArray("[A]\nx=1\nz=3\n\n[B]\ny=2\n");
    QTest::newRow("new section at the end")
        << QByteArray("[A]\nx=1") << QStringList{"B", "y", "2"} << QByteArray("[A]\nx=1\n[B]\ny=2\n");
    QTest::newRow("value kept byte for byte")
        << QByteArray("<missing>") << QStringList{"S", "k", QString::fromUtf8("a\\b \"q\" \xC3\xA9")}
        << QByteArray("[S]\nk=a\\b \"q\" \xC3\xA9\n");
    QTest::newRow("BOM kept") << QByteArray("\xEF\xBB\xBF[S]\nk=1\n") << QStringList{"S", "k", "2"}
                              << QByteArray("\xEF\xBB\xBF[S]\nk=2\n");
}

void TestIniFileService::writeString()
{
    QFETCH(QByteArray, before);
    QFETCH(QStringList, writes);
    QFETCH(QByteArray, after);

    QString path = pathWith(before);
    if (before == "<missing>")
        QVERIFY(QFile::remove(path));
    for (qsizetype i = 0; i + 2 < writes.size(); i += 3)
        ini_.writeString(path, writes[i], writes[i + 1], writes[i + 2]);
    QCOMPARE(contentOf(path), after);
}

void TestIniFileService::valuesAreCutOnRead()
{
    const QString path = pathWith({});
    ini_.writeString(path, QStringLiteral("S"), QStringLiteral("long"), QString(3000, u'x'));
    QCOMPARE(ini_.readString(path, QStringLiteral("S"), QStringLiteral("long"), {}), QString(2047, u'x'));

    // A character outside the BMP straddling the cut is dropped whole.
    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
    ini_.writeString(path, QStringLiteral("S"), QStringLiteral("pair"), QString(2046, u'y') + emoji);
    QCOMPARE(ini_.readString(path, QStringLiteral("S"), QStringLiteral("pair"), {}), QString(2046, u'y'));
}

void TestIniFileService::failedWriteNamesTheFullPath_data()
{
    QTest::addColumn<QString>("path");
    // Tests may run as root, where permissions don't stop a write; these paths fail for anyone.
    const QString regularFile = pathWith("x");
    QTest::newRow("parent is a file") << regularFile + QStringLiteral("/GLYPHARY.INI");
    QTest::newRow("missing folder") << dir_.filePath(QStringLiteral("nowhere/GLYPHARY.INI"));
}

void TestIniFileService::failedWriteNamesTheFullPath()
{
    QFETCH(QString, path);
    try {
        ini_.writeString(path, QStringLiteral("Glyphary"), QStringLiteral("Def8"), QStringLiteral("x"));
        QFAIL("the write reported success");
    } catch (const IniWriteError& e) {
        QCOMPARE(QString::fromStdString(e.what()), QStringLiteral("Unable to write to ") + path);
    }
}

void TestIniFileService::lineBreaksAreRefused()
{
    const QByteArray old("[S]\nk=old\n");
    const QString path = pathWith(old);
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument,
                             ini_.writeString(path, QStringLiteral("S"), QStringLiteral("k"),
                                              QStringLiteral("one\n[T]\nk=two")));
    QCOMPARE(contentOf(path), old);
}

QTEST_GUILESS_MAIN(TestIniFileService)
#include "tst_inifileservice.moc"
