// Installing 500 generated fonts in one run into a fonts folder under a
// temporary home, with the machine's fontconfig configuration: fonts per second.
#include "fontfiles/FontInstaller.h"
#include "fontfiles/FontNameReader.h"
#include "fontfiles/InstallProgress.h"
#include "fontfiles/InstallState.h"
#include "platform/MessageBoxes.h"
#include "platform/linux/LinuxFontService.h"
#include "platform/linux/LinuxShell.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

constexpr int kFonts = 500;

class NoProgress : public InstallProgress {
public:
    void setSelectedCaption(const QString&) override {}
    void setInstalledCaption(const QString&) override {}
    void showProgress() override {}
    void hideProgress() override {}
};

class CountingMessages : public MessageBoxes {
public:
    void error(QWidget*, const QString&) override { ++other; }
    void warning(QWidget*, const QString&) override { ++other; }
    void information(QWidget*, const QString& text) override { last = text; }
    bool confirm(QWidget*, const QString&) override { return false; }
    int other = 0;
    QString last;
};

QByteArray utf16(const QString& text)
{
    QByteArray out;
    for (QChar c : text)
        out += char(c.unicode() >> 8) + QByteArray(1, char(c.unicode()));
    return out;
}

// kFonts copies of one generated font, each renamed in its naming table
// ("Extra" becomes X0000, X0001, ...), as items of the Selected list.
QList<FontFileItem> makeFonts(const QString& root)
{
    // The system's interpreter has fontTools where a per-user one may not.
    for (const QString& python : {QStringLiteral("/usr/bin/python3"), QStringLiteral("python3")}) {
        QProcess make;
        make.start(python, {QStringLiteral(GLYPHARY_TEST_DATA_DIR "/make_test_fonts.py"),
                            root + "/made"});
        if (make.waitForFinished(120000) && make.exitCode() == 0)
            break;
    }
    QFile base(root + "/made/extra/TestExtra.ttf");
    if (!base.open(QIODevice::ReadOnly))
        return {};
    const QByteArray font = base.readAll();
    QDir().mkpath(root + "/source");
    QList<FontFileItem> items;
    for (int i = 0; i < kFonts; ++i) {
        const QString code = QStringLiteral("X%1").arg(i, 4, 10, QLatin1Char('0'));
        QByteArray renamed = font;
        renamed.replace(utf16(QStringLiteral("Extra")), utf16(code));
        const QString file = QStringLiteral("Test%1.ttf").arg(code);
        QFile out(root + "/source/" + file);
        if (!out.open(QIODevice::WriteOnly) || out.write(renamed) != renamed.size())
            return {};
        out.close();
        // As Preview Fonts lists them: Install checks the file against what was read.
        ReadFontFileNames(root + "/source/", file, items);
    }
    return items;
}

QString g_root;

void BM_Install500(benchmark::State& state)
{
    const QList<FontFileItem> items = makeFonts(g_root);
    if (items.isEmpty()) {
        state.SkipWithError("no fonts: python3-fonttools missing?");
        return;
    }
    LinuxFontService fonts;
    LinuxShell shell;
    CountingMessages messages;
    NoProgress progress;
    InstallState installState;
    FontInstaller installer(fonts, shell, messages, progress, installState);
    const QString folder = shell.userFontsFolder();

    for (auto _ : state) {
        state.PauseTiming();
        QDir(folder).removeRecursively();
        fonts.broadcastFontChange();
        state.ResumeTiming();
        installer.install(items, g_root + "/source/", folder, {[] {}, [] {}, {}});
    }
    if (messages.other > 0 || messages.last != QStringLiteral("Installed %1 fonts").arg(kFonts))
        state.SkipWithError(qPrintable(messages.last));
    state.counters["fonts/s"] =
        benchmark::Counter(double(kFonts), benchmark::Counter::kIsIterationInvariantRate);
}

}  // namespace

BENCHMARK(BM_Install500)->Unit(benchmark::kSecond)->Iterations(3)->UseRealTime();

int main(int argc, char** argv)
{
    QTemporaryDir root;
    if (!root.isValid())
        return 1;
    g_root = root.path();
    // The machine's configuration, but every folder it writes is in the temporary home.
    const QByteArray home = QFile::encodeName(root.filePath("home"));
    qputenv("HOME", home);
    qputenv("XDG_DATA_HOME", home + "/data");
    qputenv("XDG_CACHE_HOME", home + "/cache");
    qputenv("XDG_CONFIG_HOME", home + "/config");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
