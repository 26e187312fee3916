// doorsim: plays the door controller of door build A, B or C on a serial port.
//
//     doorsim --port /tmp/link/controller [--build a|b|c] [--interval 200]
//             [--log frames.log] [--no-config] [--paused] [--quiet]
//
// Console commands on stdin, one a line: `doorsim --help` lists them.

#include "doorsim.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// SIGTERM and SIGINT end the event loop, so the port closes (and drops its
// lock file) as the program ends.
int signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(signalPipe[1], &byte, 1);
}

void quitOnSignals(QCoreApplication *app)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0)
        return;
    auto *notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, app);
    QObject::connect(notifier, &QSocketNotifier::activated, app, &QCoreApplication::quit);
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

// Reads stdin line by line without blocking the event loop.  End of input
// only ends the control channel; the simulator keeps running.
class ControlChannel : public QObject
{
public:
    explicit ControlChannel(DoorSim *sim)
        : notifier(STDIN_FILENO, QSocketNotifier::Read)
        , sim(sim)
    {
        connect(&notifier, &QSocketNotifier::activated, this, [this] { readLines(); });
    }

private:
    void readLines()
    {
        char chunk[4096];
        const ssize_t n = ::read(STDIN_FILENO, chunk, sizeof chunk);
        if (n <= 0) {
            notifier.setEnabled(false);
            return;
        }
        pending.append(chunk, static_cast<int>(n));
        int end;
        while ((end = pending.indexOf('\n')) >= 0) {
            const QString line = QString::fromLocal8Bit(pending.left(end));
            pending.remove(0, end + 1);
            const QString error = sim->command(line);
            if (!error.isEmpty())
                std::fprintf(stderr, "doorsim: %s\n", qPrintable(error));
        }
    }

    QSocketNotifier notifier;
    DoorSim *sim;
    QByteArray pending;
};

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("doorsim"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Plays the door controller of door build A, B or C on a serial port: it sends an "
                       "information record at a steady pace, answers every request of the panel and moves "
                       "the door by one beat per record.\n\nConsole commands, one a line on stdin:\n")
        + DoorSim::commandHelp());
    parser.addHelpOption();
    const QCommandLineOption portOption(QStringLiteral("port"), QStringLiteral("Serial port to use."),
                                        QStringLiteral("path"));
    const QCommandLineOption buildOption(QStringLiteral("build"),
                                         QStringLiteral("The door build whose controller to play: a, b or c."),
                                         QStringLiteral("letter"), QStringLiteral("a"));
    const QCommandLineOption intervalOption(QStringLiteral("interval"),
                                            QStringLiteral("Pace of the information records."),
                                            QStringLiteral("ms"), QStringLiteral("200"));
    const QCommandLineOption logOption(QStringLiteral("log"),
                                       QStringLiteral("Log received frames to this file (default: stdout)."),
                                       QStringLiteral("file"));
    const QCommandLineOption noConfigOption(QStringLiteral("no-config"),
                                            QStringLiteral("Never answer a configuration request."));
    const QCommandLineOption pausedOption(QStringLiteral("paused"),
                                          QStringLiteral("Start with the periodic records paused."));
    const QCommandLineOption quietOption(QStringLiteral("quiet"), QStringLiteral("No start-up notice."));
    parser.addOptions({portOption, buildOption, intervalOption, logOption, noConfigOption, pausedOption, quietOption});
    parser.process(app);

    DoorSim::Options options;
    options.port = parser.value(portOption);
    bool intervalOk = false;
    options.intervalMs = parser.value(intervalOption).toInt(&intervalOk);
    options.answerConfig = !parser.isSet(noConfigOption);
    options.paused = parser.isSet(pausedOption);
    options.build = DoorBuild::byName(parser.value(buildOption));
    if (!options.build) {
        std::fprintf(stderr, "doorsim: --build takes a, b or c\n");
        return 2;
    }
    if (options.port.isEmpty() || !intervalOk || options.intervalMs < 1) {
        std::fprintf(stderr, "doorsim: --port is required and --interval must be a positive number\n");
        return 2;
    }

    QFile log;
    bool logOpened;
    if (parser.isSet(logOption)) {
        log.setFileName(parser.value(logOption));
        logOpened = log.open(QIODevice::WriteOnly | QIODevice::Append);
    } else {
        logOpened = log.open(stdout, QIODevice::WriteOnly);
    }
    if (!logOpened) {
        std::fprintf(stderr, "doorsim: cannot open the log: %s\n", qPrintable(log.errorString()));
        return 2;
    }

    DoorSim sim(options, &log);
    QString error;
    if (!sim.start(&error)) {
        std::fprintf(stderr, "doorsim: %s\n", qPrintable(error));
        return 2;
    }
    QObject::connect(&sim, &DoorSim::quitRequested, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    ControlChannel control(&sim);
    quitOnSignals(&app);

    if (!parser.isSet(quietOption)) {
        std::fprintf(stderr, "doorsim: controller on %s, a record every %d ms%s\n", qPrintable(options.port),
                     options.intervalMs, options.paused ? " (paused)" : "");
        std::fprintf(stderr, "doorsim: build %c controller; type commands here ('doorsim --help' lists them)\n",
                     options.build->letter);
    }
    return app.exec();
}
