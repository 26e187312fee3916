// What a controller frame costs the panel, screen by screen, beside a bare
// Qt Widgets program in the same run.
//
//     panel_bench_<build> [--frames N] [screen ...]    (default: every screen)
//
// Every screen of the build's stack is entered in the real main window
// (offscreen, its link on a pseudo-terminal) and fed streams of information
// frames that change what it shows:
//
//   still         the same record on every frame
//   door moving   closed, opening, open, closing: a new status text each frame
//   mode lamp     the reported mode swaps between the build's first two
//   fault         a system failure raised and cleared (red status line, an event)
//   event 1/1     a supply flapping: an event on every frame
//   event 1/3     ... on every third frame
//   blink         the 500 ms blink tick, with an event waiting and the fire
//                 and pirate inputs active
//
// A frame costs the thread's CPU time from the link's receive step to the end
// of the repaint it caused (the event loop run once).  Frames that repaint
// something and frames that repaint nothing are told apart (a repaint is a
// sync of the window's backing store) and given separately; the paint events
// per frame are counted in a pass of their own, so that the count does not
// weigh on the times.  Between chunks of panel frames the bare program reads
// the same frames and changes one label's text and one button's style sheet;
// each row's ratio is to those chunks.  Goals: a frame that repaints costs at
// most 1.5 times the bare program's change, one that repaints nothing at most
// 0.3 times.
//
// The log is measured holding 1,000 events (2,000 rows), and entering it with
// 1,000 events waiting is compared with entering it empty (goal: at most
// twice).  Start-up is the process's CPU time to the first painted screen, in
// fresh processes, against a program that builds the same pages with the same
// widgets and style sheets, as their forms build them, and none of the
// screens' code (goal: at most 1.1 times); that program's reading of its
// pages' description is not counted, but the font configuration it would
// load on the way is (the panel loads it with its first widget).

#include "bareprogram.h"
#include "doorcontrol.h"
#include "frames.h"
#include "mainwindow.h"
#include "operatingmode.h"
#include "panelharness.h"
#include "pseudoterminal.h"
#include "rows/rows.h"
#include "screennames.h"
#include "worker.h"

#include <QApplication>
#include <QBuffer>
#include <QDataStream>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStackedWidget>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr double ChangingGoal = 1.5;
constexpr double StillGoal = 0.3;
constexpr double EnteringGoal = 2.0;
constexpr double StartupGoal = 1.1;

constexpr int WarmUpFrames = 30;
constexpr int CountedFrames = 60;
constexpr int Chunk = 50;
constexpr int EnteringRuns = 15;
constexpr int StartupRuns = 16; // even: as many pairs with either first

qint64 cpuNs(clockid_t clock)
{
    timespec now{};
    clock_gettime(clock, &now);
    return static_cast<qint64>(now.tv_sec) * 1000000000 + now.tv_nsec;
}

qint64 threadNs()
{
    return cpuNs(CLOCK_THREAD_CPUTIME_ID);
}

struct Samples
{
    std::vector<qint64> ns;

    double at(double share) const
    {
        if (ns.empty())
            return 0;
        std::vector<qint64> sorted = ns;
        const size_t index = std::min(sorted.size() - 1, static_cast<size_t>(share * static_cast<double>(sorted.size())));
        std::nth_element(sorted.begin(), sorted.begin() + static_cast<long>(index), sorted.end());
        return static_cast<double>(sorted[index]);
    }
    double median() const { return at(0.5); }
    double p99() const { return at(0.99); }
};

// Counts paint events everywhere, and the syncs of one window's backing store
// (its update requests).
class PaintWatch : public QObject
{
public:
    int paints = 0;
    int syncs = 0;
    QObject *window = nullptr;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        else if (event->type() == QEvent::UpdateRequest && watched == window)
            ++syncs;
        return false;
    }
};

void runEventLoopOnce()
{
    QCoreApplication::processEvents();
}

// -- the records ---------------------------------------------------------------

struct Door
{
    QByteArray lead = Rows::build().ownType;
    quint8 modes[2] = {0, 0};
};

const Door &door()
{
    static const Door d = [] {
        Door made;
        const auto &modes = OperatingMode::all();
        for (int i = 0; i < 2 && i < modes.size(); ++i)
            made.modes[i] = static_cast<quint8>(1u << modes[i].lampBit);
        return made;
    }();
    return d;
}

// A closed door of the build's own controller type, no reference step, both
// supplies good, the first mode reported; `holdToRun` for the screen that
// shows only then.
QByteArray record(bool holdToRun, std::initializer_list<QPair<int, quint8>> bytes = {})
{
    QByteArray info = Frames::info({{6, 0x01}, {7, 0x18}, {10, door().modes[0]}, {26, 0x05},
                                    {27, static_cast<quint8>(holdToRun ? 0x01 : 0x00)}});
    info.replace(0, door().lead.size(), door().lead);
    for (const auto &value : bytes)
        info[value.first] = static_cast<char>(value.second);
    return info;
}

struct Stream
{
    const char *name;
    // The record of frame i; none for the blink.
    std::function<QByteArray(int i, bool holdToRun)> record;
};

const std::vector<Stream> &streams()
{
    static const std::vector<Stream> all = {
        {"still", [](int, bool h) { return record(h); }},
        {"door moving",
         [](int i, bool h) {
             static const quint8 motion[4] = {0x00, 0x02, 0x00, 0x04}; // closed, opening, open, closing
             return record(h, {{3, motion[i % 4]}, {6, static_cast<quint8>(i % 4 == 0 ? 0x01 : 0x00)}});
         }},
        {"mode lamp", [](int i, bool h) { return record(h, {{10, door().modes[i % 2]}}); }},
        {"fault", [](int i, bool h) { return record(h, {{2, static_cast<quint8>(i % 2 ? 0x20 : 0x00)}}); }},
        {"event 1/1", [](int i, bool h) { return record(h, {{7, static_cast<quint8>(i % 2 ? 0x10 : 0x18)}}); }},
        {"event 1/3", [](int i, bool h) { return record(h, {{7, static_cast<quint8>((i / 3) % 2 ? 0x10 : 0x18)}}); }},
        {"blink", nullptr},
    };
    return all;
}

// -- one panel -------------------------------------------------------------------

class Panel
{
public:
    Panel()
    {
        harness.blinkTimer().stop();
        feed(Frames::controller('v', Frames::config()));
    }

    MainWindow &window() { return harness.window(); }
    Worker &worker() { return harness.worker(); }
    QString current() { return harness.screenName(); }
    DoorControl &doorControl() { return *harness.screen(ScreenName::Standard)->doorControl; }

    void feed(const QByteArray &frame)
    {
        harness.worker().receive(frame);
        runEventLoopOnce();
    }

    bool enter(const QString &name, int level)
    {
        harness.setLevel(level);
        window().segue(name);
        runEventLoopOnce();
        feed(Frames::controller('v', Frames::config()));
        return current() == name;
    }

    // 1,000 events of a supply going and coming, a second apart, so no
    // two of their rows read alike.  They are made once: the door-state
    // object takes its events one at a time, long before the log is entered,
    // so what making them costs (local times are dear to make) must not
    // weigh on the entry measured next.
    void fillLog()
    {
        static const QList<LogEvent> made = [] {
            QList<LogEvent> events;
            const QDateTime now = QDateTime::currentDateTime();
            for (int i = 0; i < DoorControl::MaxEvents; ++i)
                events.append({now.addSecs(i - DoorControl::MaxEvents),
                               i % 2 ? QStringLiteral("230V ok") : QStringLiteral("230V error")});
            return events;
        }();
        DoorControl &door = doorControl();
        for (const LogEvent &event : made)
            door.events.append(event);
        door.eventsSeen = 0;
    }

private:
    PanelHarness harness;
};

// -- measuring -------------------------------------------------------------------

struct Row
{
    QString screen;
    QString stream;
    bool changing = false;
    int frames = 0;
    double paintsPerFrame = 0;
    Samples panel;
    Samples bare;

    double ratio() const { return bare.median() > 0 ? panel.median() / bare.median() : 0; }
    double ratioP99() const { return bare.p99() > 0 ? panel.p99() / bare.p99() : 0; }
    bool met() const { return ratio() <= (changing ? ChangingGoal : StillGoal); }
};

std::vector<Row> results;
int measuredFrames = 1000;

void printRow(const Row &row)
{
    std::printf("%-12s %-12s %-8s %5d %6.1f %8.1f %8.1f %8.1f %6.2f %6.2f  %s\n", qPrintable(row.screen),
                qPrintable(row.stream), row.changing ? "repaints" : "nothing", row.frames, row.paintsPerFrame,
                row.panel.median() / 1000, row.panel.p99() / 1000, row.bare.median() / 1000, row.ratio(),
                row.ratioP99(), row.met() ? "ok" : "OVER");
    std::fflush(stdout);
}

// Runs one stream on the showing screen, the bare program's frames in
// between, and adds a row for the frames that repainted and one for those
// that did not.
void measureStream(Panel &panel, BareProgram &bare, const QString &screen, const Stream &stream, bool holdToRun)
{
    MainWindow &window = panel.window();
    // The frames, made before any is timed.
    const int total = WarmUpFrames + CountedFrames + measuredFrames;
    std::vector<QByteArray> frames;
    if (stream.record) {
        frames.reserve(static_cast<size_t>(total));
        for (int i = 0; i < total; ++i)
            frames.push_back(Frames::controller('i', stream.record(i, holdToRun)));
    }
    Worker &worker = panel.worker();
    const auto run = [&](int i) {
        if (stream.record)
            worker.receive(frames[static_cast<size_t>(i)]);
        else
            window.blinkEvent();
        runEventLoopOnce();
    };

    int i = 0;
    for (; i < WarmUpFrames; ++i)
        run(i);

    PaintWatch counting;
    counting.window = &window;
    qApp->installEventFilter(&counting);
    for (; i < WarmUpFrames + CountedFrames; ++i)
        run(i);
    qApp->removeEventFilter(&counting);

    Row changing;
    changing.screen = screen;
    changing.stream = QString::fromLatin1(stream.name);
    changing.changing = true;
    Row still = changing;
    still.changing = false;
    PaintWatch syncs;
    syncs.window = &window;
    window.installEventFilter(&syncs);
    Samples bareSamples;
    const QByteArray bareFrame = Frames::controller('i', record(false));
    while (i < total) {
        for (int k = 0; k < Chunk; ++k) {
            const qint64 start = threadNs();
            bare.frame(bareFrame, BareProgram::TextAndStyle);
            runEventLoopOnce();
            bareSamples.ns.push_back(threadNs() - start);
        }
        for (int k = 0; k < Chunk && i < total; ++k, ++i) {
            const int before = syncs.syncs;
            const qint64 start = threadNs();
            run(i);
            const qint64 elapsed = threadNs() - start;
            (syncs.syncs != before ? changing : still).panel.ns.push_back(elapsed);
        }
    }
    window.removeEventFilter(&syncs);

    const double paints = static_cast<double>(counting.paints) / CountedFrames;
    for (Row *row : {&changing, &still}) {
        row->frames = static_cast<int>(row->panel.ns.size());
        if (row->frames == 0)
            continue;
        row->paintsPerFrame = row->changing ? (counting.syncs ? paints * CountedFrames / counting.syncs : 0) : 0;
        row->bare = bareSamples;
        printRow(*row);
        results.push_back(*row);
    }
}

void measureScreen(const QString &name, BareProgram &bare)
{
    const bool log = name == QLatin1String(ScreenName::EventLog);
    const bool holdToRun = name == QLatin1String(ScreenName::Totmann);
    for (const Stream &stream : streams()) {
        // A fresh panel for each stream: what one stream leaves (events,
        // lamps) is not the next one's start.
        Panel panel;
        panel.feed(Frames::controller('i', record(holdToRun)));
        if (log)
            panel.fillLog();
        // The log is looked at by a user not logged in, so its events stay
        // unseen and the message button keeps showing; the other screens as
        // an Admin sees them, with every button they have.
        if (!panel.enter(name, log ? BaseFrame::LevelStandard : BaseFrame::LevelAdmin)) {
            std::printf("%-12s cannot be entered by a segue (%s shows)\n", qPrintable(name), qPrintable(panel.current()));
            return;
        }
        if (!stream.record) {
            // Something to blink: an event waiting, the fire and pirate inputs.
            panel.feed(Frames::controller('i', record(holdToRun, {{7, 0x10}})));
            panel.feed(Frames::controller('i', record(holdToRun, {{6, 0x21}, {7, 0x1A}})));
        }
        measureStream(panel, bare, name, stream, holdToRun);
        if (panel.current() != name)
            std::printf("%-12s left for %s during \"%s\"\n", qPrintable(name), qPrintable(panel.current()), stream.name);
    }
}

// -- entering the log --------------------------------------------------------------

struct Entering
{
    const char *name;
    bool fullBefore; // the log holds 2,000 rows already
    bool waiting;    // 1,000 events wait
    Samples ns;
    Samples later;
    int paints = 0;
    int paintsLater = 0;
};

void measureEntering()
{
    std::vector<Entering> kinds = {
        {"empty", false, false, {}, {}},
        {"1,000 events waiting", false, true, {}, {}},
        {"1,000 waiting, 2,000 rows held", true, true, {}, {}},
    };
    // A panel that has shown the log stays up meanwhile, as the program
    // keeps its screens: the fonts the log paints with are loaded already,
    // as they are after the program's start.
    Panel shown;
    shown.fillLog();
    shown.enter(ScreenName::EventLog, BaseFrame::LevelStandard);
    for (int run = 0; run < EnteringRuns; ++run) {
        for (Entering &kind : kinds) {
            Panel panel;
            panel.feed(Frames::controller('i', record(false)));
            panel.enter(ScreenName::Standard, BaseFrame::LevelStandard);
            if (kind.fullBefore) {
                panel.fillLog();
                panel.enter(ScreenName::EventLog, BaseFrame::LevelStandard);
                panel.enter(ScreenName::Standard, BaseFrame::LevelStandard);
            }
            if (kind.waiting)
                panel.fillLog();
            PaintWatch watch;
            qApp->installEventFilter(&watch);
            const qint64 start = threadNs();
            panel.window().segue(ScreenName::EventLog);
            runEventLoopOnce();
            kind.ns.ns.push_back(threadNs() - start);
            qApp->removeEventFilter(&watch);
            kind.paints += watch.paints;
            // What the entry left for the event loop's next turns.
            for (int turn = 0; turn < 3; ++turn) {
                PaintWatch later;
                qApp->installEventFilter(&later);
                const qint64 after = threadNs();
                runEventLoopOnce();
                kind.later.ns.push_back(threadNs() - after);
                qApp->removeEventFilter(&later);
                kind.paintsLater += later.paints;
            }
        }
    }
    std::printf("\nentering the log (CPU per entry, median of %d, with its first paint):\n", EnteringRuns);
    const double empty = kinds[0].ns.median();
    for (const Entering &kind : kinds) {
        const double ratio = empty > 0 ? kind.ns.median() / empty : 0;
        std::printf("  %-32s %8.1f us  %5.2fx  %4.1f paints; the next turns of the loop %.1f us, %.1f paints  %s\n",
                    kind.name, kind.ns.median() / 1000, ratio, double(kind.paints) / EnteringRuns,
                    kind.later.median() / 1000, double(kind.paintsLater) / EnteringRuns,
                    kind.waiting ? (ratio <= EnteringGoal ? "ok" : "OVER") : "");
    }
}

// -- start-up ----------------------------------------------------------------------

// In a child process: the process's CPU time to the first painted screen.
int startupChild(const QString &which, const QString &pagesFile)
{
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    PseudoTerminal link;

    PaintWatch watch;
    qApp->installEventFilter(&watch);
    std::unique_ptr<QWidget> window;
    qint64 notCounted = 0;
    if (which == QLatin1String("--startup-pages")) {
        // Reading the pages' description back has no counterpart in the
        // panel, whose pages are compiled in: it is not counted.  The first
        // font it reads would load the font configuration, which the panel
        // loads with its first widget, so that is done first and counted.
        QApplication::font();
        const qint64 start = cpuNs(CLOCK_PROCESS_CPUTIME_ID);
        QFile file(pagesFile);
        file.open(QIODevice::ReadOnly);
        const QByteArray bytes = file.readAll();
        QDataStream in(bytes);
        const std::vector<PageCopy::Widget> pages = PageCopy::read(in);
        notCounted = cpuNs(CLOCK_PROCESS_CPUTIME_ID) - start;
        window.reset(PageCopy::build(pages));
    } else {
        window = std::make_unique<MainWindow>(link.devicePath());
        window->show();
    }
    QElapsedTimer waited;
    waited.start();
    while (watch.paints == 0 && waited.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    const qint64 at = cpuNs(CLOCK_PROCESS_CPUTIME_ID) - notCounted;
    std::printf("%lld\n", static_cast<long long>(watch.paints ? at : -1));
    return watch.paints ? 0 : 1;
}

void measureStartup()
{
    QTemporaryFile pages;
    pages.open();
    {
        Panel panel;
        QByteArray bytes;
        QDataStream out(&bytes, QIODevice::WriteOnly);
        PageCopy::describe(&panel.window(), out);
        pages.write(bytes);
        pages.flush();
    }
    // The two start one after the other, in turns first, so that each pair
    // meets the machine alike; the ratio is the median of the pairs'.
    Samples panelNs, pagesNs, ratios;
    for (int run = 0; run < StartupRuns; ++run) {
        qint64 ns[2] = {0, 0};
        for (int step = 0; step < 2; ++step) {
            const int which = (step + run) % 2;
            QProcess child;
            child.start(QCoreApplication::applicationFilePath(),
                        {which ? QStringLiteral("--startup-pages") : QStringLiteral("--startup-panel"), pages.fileName()});
            child.waitForFinished(30000);
            ns[which] = child.readAllStandardOutput().trimmed().toLongLong();
        }
        panelNs.ns.push_back(ns[0]);
        pagesNs.ns.push_back(ns[1]);
        // (In thousandths, as the samples are whole numbers.)
        ratios.ns.push_back(ns[1] > 0 ? ns[0] * 1000 / ns[1] : 0);
    }
    const double ratio = ratios.median() / 1000;
    std::printf("\nstart-up to the first painted screen (process CPU, %d pairs of fresh processes):\n", StartupRuns);
    std::printf("  panel %.1f ms, the same pages without the screens' code %.1f ms: %.2fx (half the pairs %.2f to "
                "%.2f)  %s\n",
                panelNs.median() / 1e6, pagesNs.median() / 1e6, ratio, ratios.at(0.25) / 1000, ratios.at(0.75) / 1000,
                ratio <= StartupGoal ? "ok" : "OVER");
}

// -- the machine and the bare program's own figures ----------------------------------

QString cpuModel()
{
    QFile file(QStringLiteral("/proc/cpuinfo"));
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("unknown");
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (line.startsWith("model name"))
            return QString::fromLatin1(line.mid(line.indexOf(':') + 1).trimmed());
    }
    return QStringLiteral("unknown");
}

void printBareFigures(BareProgram &bare)
{
    const QByteArray frame = Frames::controller('i', record(false));
    std::printf("the bare program per frame (median / p99, us):");
    const char *names[] = {"reading only", "one label's text", "one style sheet", "both"};
    for (int change = BareProgram::Nothing; change <= BareProgram::TextAndStyle; ++change) {
        Samples samples;
        for (int i = 0; i < WarmUpFrames + measuredFrames; ++i) {
            const qint64 start = threadNs();
            bare.frame(frame, static_cast<BareProgram::Change>(change));
            runEventLoopOnce();
            if (i >= WarmUpFrames)
                samples.ns.push_back(threadNs() - start);
        }
        std::printf("%s %s %.1f / %.1f", change ? ";" : "", names[change], samples.median() / 1000, samples.p99() / 1000);
    }
    std::printf("\n");
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Windows")));
    QApplication app(argc, argv);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});

    QStringList args = app.arguments().mid(1);
    if (args.value(0).startsWith(QLatin1String("--startup-")))
        return startupChild(args.value(0), args.value(1));
    if (args.value(0) == QLatin1String("--frames")) {
        measuredFrames = qMax(Chunk, args.value(1).toInt());
        args = args.mid(2);
    }

    std::printf("panel_bench: %s, %d CPUs (%s), Qt %s, platform %s\n", qPrintable(QCoreApplication::applicationName()),
                QThread::idealThreadCount(), qPrintable(cpuModel()), qVersion(), qPrintable(QGuiApplication::platformName()));
    std::printf("CPU time of the thread per frame; %d frames per stream\n", measuredFrames);

    BareProgram bare;
    printBareFigures(bare);

    QStringList screens = args;
    if (screens.isEmpty()) {
        Panel panel;
        const auto *stack = panel.window().findChild<QStackedWidget *>(QStringLiteral("stackedWidget"));
        for (int page = 0; page < stack->count(); ++page)
            screens << stack->widget(page)->objectName();
    }

    std::printf("\n%-12s %-12s %-8s %5s %6s %8s %8s %8s %6s %6s\n", "screen", "stream", "frames", "n", "paints",
                "median", "p99", "bare", "ratio", "p99");
    for (const QString &name : qAsConst(screens))
        measureScreen(name, bare);

    measureEntering();
    measureStartup();

    int over = 0;
    double worstChanging = 0, worstStill = 0;
    for (const Row &row : results) {
        over += row.met() ? 0 : 1;
        (row.changing ? worstChanging : worstStill) = std::max(row.changing ? worstChanging : worstStill, row.ratio());
    }
    std::printf("\n%zu rows: the dearest frame that repaints %.2fx (goal %.1f), that repaints nothing %.2fx (goal %.1f); "
                "%d over\n",
                results.size(), worstChanging, ChangingGoal, worstStill, StillGoal, over);
    return 0;
}
