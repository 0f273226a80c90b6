// Select All and the Show All Selected page as a user meets them: the real
// window over the real services, every family selected, then Page Down the
// whole page as a user would press it, with the event loop idle between key
// presses. Prints the Select All time and the paging steps' median, 90th
// percentile and worst, first trip down the page included.
//
// Usage: showall_window [idle ms between steps, default 150] [steps, default all]
#include "app/GlyApplication.h"
#include "app/ShowAllPage.h"
#include "app/TfrmMain.h"
#include "RealPlatform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

double millis(const QElapsedTimer& clock) { return double(clock.nsecsElapsed()) / 1e6; }

// Runs the event loop for about ms, as the window would sit between key presses.
void idle(int ms)
{
    QElapsedTimer clock;
    clock.start();
    do
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    while (clock.elapsed() < ms);
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir scratch;
    qputenv("XDG_CONFIG_HOME", scratch.path().toLocal8Bit());
    GlyApplication app(argc, argv);
    const int idleMs = argc > 1 ? QByteArray(argv[1]).toInt() : 150;
    const int maxSteps = argc > 2 ? QByteArray(argv[2]).toInt() : -1;

    RealPlatform real(scratch.path() + u'/');
    GlyApplication::useInstalledInterfaceFamily(real.fonts);
    TfrmMain frmMain(real.platform);
    frmMain.FormCreate();
    frmMain.show();
    idle(200);

    QElapsedTimer clock;
    clock.start();
    frmMain.findChild<QPushButton*>(QStringLiteral("cmdSelectAll"))->click();
    QCoreApplication::processEvents();
    const double selectAll = millis(clock);

    clock.restart();
    frmMain.findChild<QTabWidget*>(QStringLiteral("PageControl1"))->setCurrentWidget(frmMain.showAllPage());
    QCoreApplication::processEvents();
    const double pageOpen = millis(clock);

    QScrollBar* bar =
        frmMain.findChild<QScrollArea*>(QStringLiteral("ScrollBox1"))->verticalScrollBar();
    QList<double> steps;
    while (bar->value() < bar->maximum() && (maxSteps < 0 || steps.size() < maxSteps)) {
        idle(idleMs);
        clock.restart();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_PageDown, Qt::NoModifier);
        QApplication::sendEvent(&frmMain, &press);
        // The repaint is a posted event; timers wait for the idle time.
        QCoreApplication::sendPostedEvents();
        steps.append(millis(clock));
    }
    std::sort(steps.begin(), steps.end());
    const auto at = [&](double q) { return steps.isEmpty() ? 0.0 : steps[qsizetype(q * double(steps.size() - 1))]; };
    std::printf("%d families: Select All %.1f ms, Show All opened %.1f ms; %lld Page Down steps "
                "(%d ms idle between): median %.1f ms, 90%% %.1f ms, worst %.1f ms\n",
                frmMain.catalogue().FontCount(), selectAll, pageOpen,
                static_cast<long long>(steps.size()), idleMs, at(0.5), at(0.9),
                steps.isEmpty() ? 0.0 : steps.last());
    return 0;
}
