#include "platform/linux/IniFileService.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {

// text in UTF-16 with its byte order mark.
QByteArray utf16(const QString& text, bool bigEndian)
{
    QByteArray bytes = bigEndian ? QByteArray("\xFE\xFF") : QByteArray("\xFF\xFE");
    for (const QChar c : text) {
        const char high = char(c.unicode() >> 8);
        const char low = char(c.unicode() & 0xff);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

}  // namespace

class TestIniFileService : public QObject {
    Q_OBJECT

private slots:
    void readString_data();
    void readString();
    void writeString_data();
    void writeString();
    void failedWriteNamesTheFullPath();
    void brokenUtf16IsLeftAsItIs_data();
    void brokenUtf16IsLeftAsItIs();

private:
    // A file with content; "<missing>" makes none.
    QString fileWith(const QByteArray& content)
    {
        const QString path = dir_.filePath(QStringLiteral("f%1.ini").arg(++files_));
        QFile f(path);
        if (content != "<missing>" && (!f.open(QIODevice::WriteOnly) || f.write(content) != content.size()))
            qFatal("can't write %s", qPrintable(path));
        return path;
    }

    QTemporaryDir dir_;
    IniFileService ini_;
    int files_ = 0;
};

void TestIniFileService::readString_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("key");  // in section "Glyphary"
    QTest::addColumn<QString>("expected");
    QTest::newRow("LF") << QByteArray("[Glyphary]\nDef8=eight\nDef9=nine") << "Def9" << "nine";
    QTest::newRow("CRLF") << QByteArray("[Glyphary]\r\nDef8=eight\r\n") << "Def8" << "eight";
    QTest::newRow("case and blanks") << QByteArray(" [ GLYPHARY ]\n  def8 \t=  a = b \t\n") << "Def8" << "a = b";
    QTest::newRow("missing key") << QByteArray("[Glyphary]\nDef8=x\n") << "Def9" << "<fallback>";
    QTest::newRow("missing file") << QByteArray("<missing>") << "Def8" << "<fallback>";
    QTest::newRow("other section") << QByteArray("[Other]\nDef8=x\n[Glyphary]\n") << "Def8" << "<fallback>";
    QTest::newRow("first of two same sections")
        << QByteArray("[Glyphary]\nDef8=x\n[glyphary]\nDef9=y\n") << "Def9" << "<fallback>";
    QTest::newRow("Windows-1252 value") << QByteArray("[Glyphary]\nDefSample=Caf\xE9 cr\xE8me \x80\x96\n")
                                        << "DefSample" << QString::fromUtf8("Café crème €–");
    QTest::newRow("UTF-8 value") << QByteArray("[Glyphary]\nDefSample=Caf\xC3\xA9\n") << "DefSample"
                                 << QString::fromUtf8("Café");
    QTest::newRow("UTF-16 little-endian")
        << utf16("; x\r\n[Glyphary]\r\nDefSample=Caf\u00e9 \U0001F600\r\n", false) << "DefSample"
        << QString::fromUtf8("Café \U0001F600");
    QTest::newRow("UTF-16 big-endian") << utf16("[Glyphary]\nDef8=\u20ac8", true) << "Def8"
                                       << QString::fromUtf8("€8");
    QTest::newRow("cut to 2047") << "[Glyphary]\nk=" + QByteArray(3000, 'x') << "k" << QString(2047, u'x');
}

void TestIniFileService::readString()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    QCOMPARE(ini_.readString(fileWith(content), "Glyphary", key, "<fallback>"), expected);
}

void TestIniFileService::writeString_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QStringList>("writes");  // section, key, value triples
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("new file in write order")
        << QByteArray("<missing>") << QStringList{"G", "Def8", "a \\ \"b\"", "G", "Def9", "b", "G", "Def10", "c"}
        << QByteArray("[G]\nDef8=a \\ \"b\"\nDef9=b\nDef10=c\n");
    QTest::newRow("replace keeps other lines and CRLF")
        << QByteArray("; note\r\n[G]\r\nDef8=old\r\nDef9=nine\r\n") << QStringList{"g", "DEF8", "new"}
        << QByteArray("; note\r\n[G]\r\nDEF8=new\r\nDef9=nine\r\n");
    QTest::newRow("new key before blank lines, new section at the end")
        << QByteArray("[A]\nx=1\n\n[B]\ny=2") << QStringList{"A", "z", "3", "C", "w", "4"}
        << QByteArray("[A]\nx=1\nz=3\n\n[B]\ny=2\n[C]\nw=4\n");
    QTest::newRow("untouched lines keep their bytes")
        << QByteArray("\xEF\xBB\xBF[Glyphary]\r\nDefSample=Caf\xE9 cr\xE8me\r\n ; \xFF\xFE odd\n"
                      "HeadingFont=Arial")
        << QStringList{"Glyphary", "HeadingFont", QString::fromUtf8("Büro"), "Glyphary", "Def8", "x"}
        << QByteArray("\xEF\xBB\xBF[Glyphary]\r\nDefSample=Caf\xE9 cr\xE8me\r\n ; \xFF\xFE odd\n"
                      "HeadingFont=B\xC3\xBCro\r\nDef8=x\r\n");
    QTest::newRow("UTF-16 little-endian stays so, whole")
        << utf16("[Glyphary]\r\nDef8=old\r\n; \U0001F600 \u00e9\r\n\r\n[Other]\r\nk=v", false)
        << QStringList{"Glyphary", "Def8", QString::fromUtf8("neu \u00fc"), "Glyphary", "Def9", "nine",
                       "Other", "j", "w"}
        << utf16("[Glyphary]\r\nDef8=neu \u00fc\r\n; \U0001F600 \u00e9\r\nDef9=nine\r\n\r\n"
                 "[Other]\r\nk=v\r\nj=w\r\n", false);
    QTest::newRow("UTF-16 big-endian, new section")
        << utf16("[A]\nx=1", true) << QStringList{"C", "w", QString::fromUtf8("\u20ac")}
        << utf16("[A]\nx=1\n[C]\nw=\u20ac\n", true);
}

void TestIniFileService::writeString()
{
    QFETCH(QByteArray, before);
    QFETCH(QStringList, writes);
    QFETCH(QByteArray, after);
    const QString path = fileWith(before);
    // Each run of writes to one section is one write of the file.
    for (qsizetype i = 0; i + 2 < writes.size();) {
        const QString section = writes[i];
        QList<IniEntry> entries;
        for (; i + 2 < writes.size() && writes[i] == section; i += 3)
            entries.append({writes[i + 1], writes[i + 2]});
        ini_.writeStrings(path, section, entries);
    }
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), after);
}

void TestIniFileService::failedWriteNamesTheFullPath()
{
    // Tests may run as root, whom permissions don't stop: a folder that is a file stops anyone.
    const QString path = fileWith("x") + "/GLYPHARY.INI";
    try {
        ini_.writeString(path, "Glyphary", "Def8", "x");
        QFAIL("the write reported success");
    } catch (const IniWriteError& e) {
        QCOMPARE(QString::fromStdString(e.what()), "Unable to write to " + path);
    }
    // Written anew, a file that can't be read would lose its other lines.
    if (geteuid() != 0) {
        const QString unreadable = fileWith("[Glyphary]\nDef8=x\n");
        QVERIFY(QFile::setPermissions(unreadable, QFile::WriteOwner));
        QVERIFY_THROWS_EXCEPTION(IniWriteError, ini_.writeString(unreadable, "Glyphary", "Def9", "y"));
    }
}

void TestIniFileService::brokenUtf16IsLeftAsItIs_data()
{
    QTest::addColumn<QByteArray>("content");
    const QByteArray good = utf16("[Glyphary]\nDef8=x\n", false);
    QTest::newRow("odd length") << good + 'x';
    QTest::newRow("lone high surrogate") << good + utf16(QString(QChar(0xD83D)) + "\n", false).mid(2);
    QTest::newRow("lone low surrogate, big-endian")
        << utf16("[Glyphary]\nDef8=" + QString(QChar(0xDE00)) + "\n", true);
}

// Neither read as something else nor written over in another encoding.
void TestIniFileService::brokenUtf16IsLeftAsItIs()
{
    QFETCH(QByteArray, content);
    const QString path = fileWith(content);
    QCOMPARE(ini_.readString(path, "Glyphary", "Def8", "<fallback>"), "<fallback>");
    try {
        ini_.writeString(path, "Glyphary", "Def9", "y");
        QFAIL("the write reported success");
    } catch (const IniWriteError& e) {
        const QString message = QString::fromStdString(e.what());
        QVERIFY2(message.startsWith("Unable to write to " + path + ": it is UTF-16 text with broken"),
                 qPrintable(message));
    }
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), content);
}

QTEST_GUILESS_MAIN(TestIniFileService)
#include "tst_inifileservice.moc"
