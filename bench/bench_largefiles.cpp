// The window's waits on large files, in milliseconds: the Edit Sample Text
// page's start-up and Save over a 50 MB INI file, and the help window opened
// on a file of 20,000 topics, at its contents, at a topic and at an index
// keyword. Both files are made here.
//
// Usage: bench_largefiles [runs]

#include "Median.h"
#include "app/SampleTexts.h"
#include "app/SampleTextStore.h"
#include "help/ChmHelpEngine.h"
#include "help/THelpViewer.h"
#include "platform/ChmLibrary.h"
#include "platform/linux/IniFileService.h"
#include "platform/linux/LinuxShell.h"
#include "platform/linux/QtScreenMetrics.h"
#include "SilentServices.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

constexpr int kTopics = 20000;

// Sections of other programs around the page's own, some lines in code page
// bytes, to 50 MB.
QByteArray largeIni()
{
    QByteArray out;
    out.reserve(52 << 20);
    for (int section = 0; out.size() < (50 << 20); ++section) {
        if (section == 600) {
            out += "[Glyphary]\r\nDef8=Eight\r\nDefSample=Caf\xE9\r\nParaText=One\\nTwo\r\n"
                   "HeadingFont=Arial\r\n\r\n";
        }
        out += "[Other program " + QByteArray::number(section) + "]\r\n";
        for (int key = 0; key < 1000; ++key) {
            out += "Setting" + QByteArray::number(key) + "=a value of some length, "
                   + (key % 100 == 0 ? "na\xEFve" : "plain") + "\r\n";
        }
    }
    return out;
}

// A compiled help file held in memory, as the CHM library would give it.
class MemoryArchive : public ChmArchive {
public:
    std::optional<QByteArray> read(const QString& path) const override
    {
        const auto it = files.constFind(path);
        if (it == files.cend())
            return std::nullopt;
        return *it;
    }
    QStringList paths() const override { return order; }

    void add(const QString& path, const QByteArray& data)
    {
        files.insert(path, data);
        order.append(path);
    }

    QHash<QString, QByteArray> files;
    QStringList order;
};

QByteArray sitemapEntry(int topic)
{
    return "<li><object type=\"text/sitemap\"><param name=\"Name\" value=\"Topic "
           + QByteArray::number(topic) + "\"><param name=\"Local\" value=\"topics/page"
           + QByteArray::number(topic) + ".htm\"></object>\n";
}

// Contents in books of a hundred topics, and an index of every topic.
MemoryArchive largeHelp()
{
    MemoryArchive archive;
    QByteArray contents = "<html><body><ul>\n";
    QByteArray index = "<html><body><ul>\n";
    for (int topic = 0; topic < kTopics; ++topic) {
        if (topic % 100 == 0) {
            if (topic > 0)
                contents += "</ul>\n";
            contents += "<li><object type=\"text/sitemap\"><param name=\"Name\" value=\"Book "
                        + QByteArray::number(topic / 100) + "\"></object>\n<ul>\n";
        }
        contents += sitemapEntry(topic);
        index += sitemapEntry(topic);
        archive.add(QStringLiteral("/topics/page%1.htm").arg(topic),
                     "<html><body><p>Topic " + QByteArray::number(topic) + "</p></body></html>");
    }
    archive.add(QStringLiteral("/help.hhc"), contents + "</ul></ul></body></html>");
    archive.add(QStringLiteral("/help.hhk"), index + "</ul></body></html>");
    return archive;
}

// Every file it opens is the same large one, made once.
class MemoryLibrary : public ChmLibrary {
public:
    bool load() override { return true; }
    std::unique_ptr<ChmArchive> open(const QString&) override
    {
        return std::make_unique<MemoryArchive>(help_);
    }

private:
    const MemoryArchive help_ = largeHelp();
};

double milliseconds(const std::function<void()>& work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;

    QTemporaryDir dir;
    const QString iniPath = dir.filePath(QStringLiteral("GLYPHARY.INI"));
    const QByteArray ini = largeIni();
    QWidget page;
    SampleTextStore::Controls controls;
    for (QLineEdit*& line : controls.lines)
        line = new QLineEdit(&page);
    controls.paragraph = new QPlainTextEdit(&page);
    SampleTexts texts;
    IniFileService service;
    NoMessages messages;
    SampleTextStore store(service, messages, iniPath, controls, texts);

    const QString helpPath = dir.filePath(QStringLiteral("LARGE.CHM"));
    QFile helpFile(helpPath);
    if (!helpFile.open(QIODevice::WriteOnly))
        return 1;
    helpFile.close();
    MemoryLibrary library;
    LinuxShell shell;
    QtScreenMetrics screen;
    QWidget owner;

    QList<double> start, save, contents, topic, keyword;
    for (int run = 0; run < runs; ++run) {
        QFile file(iniPath);
        if (!file.open(QIODevice::WriteOnly) || file.write(ini) != ini.size())
            return 1;
        file.close();
        start << milliseconds([&] { store.LoadSampleTexts(); });
        controls.lines[0]->setText(QStringLiteral("Eight, changed %1").arg(run));
        // The Save button's handler.
        save << milliseconds([&] {
            store.SaveSampleTexts();
            store.LoadSampleTexts();
        });

        // A new engine each time: it keeps the file it opened.
        ChmHelpEngine engine(library, shell, screen);
        contents << milliseconds([&] {
            engine.htmlHelp(&owner, helpPath, HtmlHelpCommand::DisplayToc, std::monostate());
        });
        topic << milliseconds([&] {
            engine.viewer()->showTopic(QStringLiteral("/topics/page%1.htm").arg(kTopics - 1));
        });
        keyword << milliseconds([&] {
            engine.htmlHelp(&owner, helpPath, HtmlHelpCommand::DisplayIndex,
                            QStringLiteral("Topic %1").arg(kTopics - 1));
        });
    }
    std::printf("INI file of %lld bytes, median of %d runs:\n", qlonglong(ini.size()), runs);
    std::printf("  start-up (texts loaded)   %10.1f ms\n", median(start));
    std::printf("  Save (written, reloaded)  %10.1f ms\n", median(save));
    std::printf("Help file of %d topics:\n", kTopics);
    std::printf("  opened at its contents    %10.1f ms\n", median(contents));
    std::printf("  a topic shown             %10.1f ms\n", median(topic));
    std::printf("  an index keyword found    %10.1f ms\n", median(keyword));
    return 0;
}
