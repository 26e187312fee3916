// Measures what the panel spends per controller frame and at start-up.
//
//     panel_bench [screen ...]      (default: standard eventlog in0_0)
//
// For each screen it feeds the real main window (offscreen, on a
// pseudo-terminal) a stream of changing information frames and times each
// frame's decode, refresh and paint: the link's receive step with the main
// window's handling of the record, then the repaint of what changed.  The
// median and the 99th percentile are given as shares of the line's frame
// time (a 32-byte frame at 57600 baud, 10 bits a byte), which is what the
// panel has before the next frame arrives.  The log is measured holding
// 1,000 events (2,000 rows), with every frame adding one.  A screen the
// build does not hold is skipped.
//
// Start-up is the time from the program's entry to the first painted screen,
// in a fresh process each time (median of five), as a ratio to the same for
// a bare Qt Widgets window.

#include "doorcontrol.h"
#include "frames.h"
#include "mainwindow.h"
#include "panelharness.h"
#include "worker.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QStyleFactory>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr double FrameBytes = 32;
constexpr double BitsPerByte = 10;
constexpr double Baud = 57600;
constexpr double FrameTimeNs = FrameBytes * BitsPerByte / Baud * 1e9;

constexpr int MeasuredFrames = 2000;
constexpr int WarmUpFrames = 50;
constexpr int StartupRuns = 5;

QElapsedTimer sinceEntry;

// Records that change the status line and the lamps in turn: closing,
// opening, a failure (red status) and a warning, with the supply bit
// flapping so that every frame raises an event.
QByteArray record(int i)
{
    static const QPair<int, quint8> states[] = {{3, 0x04}, {3, 0x02}};
    const auto state = states[(i / 16) % 2];
    return Frames::info({state, {7, static_cast<quint8>(i % 2 ? 0x18 : 0x10)}, {12, static_cast<quint8>(1 << (i % 8))}});
}

double percentile(std::vector<qint64> &ns, double share)
{
    const size_t at = std::min(ns.size() - 1, static_cast<size_t>(share * static_cast<double>(ns.size())));
    std::nth_element(ns.begin(), ns.begin() + static_cast<long>(at), ns.end());
    return static_cast<double>(ns[at]);
}

void measureScreen(const QString &name)
{
    PanelHarness panel;
    if (!panel.screen(name)) {
        std::printf("%-12s skipped: not in this build\n", qPrintable(name));
        return;
    }
    Worker &worker = panel.worker();
    panel.send('v', Frames::config());
    if (name == QLatin1String("eventlog")) {
        DoorControl *door = panel.screen(name)->doorControl;
        for (int i = 0; i < DoorControl::MaxEvents; ++i)
            door->addEvent(QStringLiteral("230V error"));
    }
    panel.segue(name);

    std::vector<qint64> ns;
    ns.reserve(MeasuredFrames);
    QElapsedTimer timer;
    for (int i = 0; i < WarmUpFrames + MeasuredFrames; ++i) {
        const QByteArray frame = Frames::controller('i', record(i));
        timer.start();
        worker.receive(frame);
        QApplication::processEvents(); // the repaint of what the refresh changed
        const qint64 elapsed = timer.nsecsElapsed();
        if (i >= WarmUpFrames)
            ns.push_back(elapsed);
    }
    const double median = percentile(ns, 0.5);
    const double p99 = percentile(ns, 0.99);
    std::printf("%-12s %6d  %8.4f  %8.4f   (%.1f / %.1f us)\n", qPrintable(name), MeasuredFrames,
                median / FrameTimeNs, p99 / FrameTimeNs, median / 1000, p99 / 1000);
}

// In a child process: the milliseconds from entry to the first paint.
int firstPaint(bool bare)
{
    struct PaintWatch : QObject
    {
        qint64 at = -1;
        bool eventFilter(QObject *, QEvent *event) override
        {
            if (event->type() == QEvent::Paint && at < 0)
                at = sinceEntry.nsecsElapsed();
            return false;
        }
    } watch;
    qApp->installEventFilter(&watch);

    std::unique_ptr<QWidget> window;
    std::unique_ptr<PanelHarness> panel;
    if (bare) {
        window = std::make_unique<QWidget>();
        window->resize(240, 320);
        window->show();
    } else {
        panel = std::make_unique<PanelHarness>();
    }
    QElapsedTimer waited;
    waited.start();
    while (watch.at < 0 && waited.elapsed() < 10000)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    std::printf("%lld\n", static_cast<long long>(watch.at));
    return watch.at < 0 ? 1 : 0;
}

double medianStartupNs(const QString &which)
{
    std::vector<qint64> ns;
    for (int run = 0; run < StartupRuns; ++run) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {which});
        child.waitForFinished(30000);
        ns.push_back(child.readAllStandardOutput().trimmed().toLongLong());
    }
    return percentile(ns, 0.5);
}

} // namespace

int main(int argc, char *argv[])
{
    sinceEntry.start();
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Windows")));
    QApplication app(argc, argv);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});

    QStringList screens = app.arguments().mid(1);
    if (screens.value(0) == QLatin1String("--startup-bare") || screens.value(0) == QLatin1String("--startup-panel"))
        return firstPaint(screens.value(0) == QLatin1String("--startup-bare"));
    if (screens.isEmpty())
        screens = QStringList{QStringLiteral("standard"), QStringLiteral("eventlog"), QStringLiteral("in0_0")};

    std::printf("line frame time: %.3f ms (32-byte frame at 57600 baud)\n", FrameTimeNs / 1e6);
    std::printf("decode + refresh + paint per frame, as a share of the frame time:\n");
    std::printf("%-12s %6s  %8s  %8s\n", "screen", "frames", "median", "p99");
    for (const QString &name : screens)
        measureScreen(name);

    const double panelNs = medianStartupNs(QStringLiteral("--startup-panel"));
    const double bareNs = medianStartupNs(QStringLiteral("--startup-bare"));
    std::printf("start-up to the first painted screen: %.1f ms, a bare Qt Widgets window %.1f ms, ratio %.2f\n",
                panelNs / 1e6, bareNs / 1e6, bareNs > 0 ? panelNs / bareNs : 0.0);
    return 0;
}
