// End-to-end tests of the real panel program.
//
// Each case wires a fresh panel to a simulated door controller the way the
// panel meets a real one: the panel opens "COM1", which is /dev/COM1, a link
// to one end of a socat pseudo-terminal pair; doorsim plays the controller on
// the other end and logs every frame the panel sends.  The panel runs on a
// virtual 240 x 320 X screen and is touched with real mouse clicks.  The
// periodic records of the simulator stay paused: the test makes the
// controller speak ("tick"), so what the panel may send, and when, is exact.
// Only a held press lasts a set time.  Every other step waits for what it
// can see: in the panel's debug output a record taken, a frame let out or a
// segue; a frame in the simulator's log; bytes on the line to the panel; on
// the X screen a window mapped or a pixel drawn.

#include "frames.h"
#include "passcodes.h"
#include "programend.h"
#include "screennames.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <memory>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

const QString Com1 = QStringLiteral("/dev/COM1");

// The program of a door build.
QString panelProgram(char build)
{
    return QStringLiteral(PANEL_PROGRAM_DIR "/panel-") + QLatin1Char(build);
}

// A frame as the simulator logs it.
QString hexText(const QByteArray &frame)
{
    return QString::fromLatin1(frame.toHex(' '));
}

const QString ConfigRequest = hexText(Frames::command(CmdRequestConfig));
const QString ModeOneRequest = hexText(Frames::modeSwitch(0x02));
const QString CountersRequest = hexText(Frames::command(CmdRequestCounters));
const QString ResetRequest = hexText(Frames::command(CmdResetService));

// Screen point of the start screen's "Touch here to continue!" button, and
// a point of its silver face beside the text.
const QPoint StartButton(120, 205);
const QPoint StartButtonFace(20, 205);
const QRgb Silver = qRgb(192, 192, 192);

// Screen points of the buttons on the service engineer's way.
const QPoint UtilitiesButton(40, 300);      // main door screen
const QPoint UtilitiesTitle(160, 21);       // utilities menu, held for the login screen
const QPoint EngineerLogin(160, 200);       // login screen
const QPoint ServiceButton(40, 200);        // login screen: "Diagnostics -Service-"
const QPoint StatisticsButton(40, 185);     // service menu
const QPoint ResetButton(200, 300);         // statistics screen
const QPoint ResetButtonFace(175, 292);     // ... beside its text, in a button's grey
const QRgb ButtonGrey = qRgb(239, 239, 239);
const QPoint ServiceLogin(160, 150);        // login screen
const QPoint SettingsButton(40, 250);       // login screen, once logged in
const QPoint PositionsButton(120, 65);      // settings menu
const QPoint OpenSlowDistance(195, 60);     // positions screen: first value button
const QPoint SmallStepUp(120, 120);         // value dialog
const QPoint DialogEnter(200, 300);         // value dialog
const QPoint BackButton(40, 300);           // every screen with "<-- back" at the bottom left
const QRect ServiceCounter(160, 85, 69, 19);
const QRect LifetimeCounter(160, 155, 69, 19);

// Centre of a digit's key on the passcode keypad: 1 2 3 / 4 5 6 / 7 8 9 / back 0 enter.
QPoint keypadKey(int digit)
{
    const int index = digit == 0 ? 10 : digit - 1;
    return {45 + 75 * (index % 3), 73 + 70 * (index / 3)};
}
const QPoint KeypadEnter(195, 283);

bool pathExists(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

// A serial port that ends with its program, killed by a signal, leaves its
// lock file behind: remove the panel's when it names the panel we ran.
void removePortLock(qint64 pid)
{
    const QStringList lockDirectories = {QStringLiteral("/var/lock"), QStringLiteral("/etc/locks"),
                                         QStringLiteral("/var/spool/locks"), QStringLiteral("/var/spool/uucp"),
                                         QDir::tempPath()};
    for (const QString &directory : lockDirectories) {
        QFile lock(QDir(directory).filePath(QStringLiteral("LCK..COM1")));
        if (lock.open(QIODevice::ReadOnly) && lock.readLine().trimmed().toLongLong() == pid) {
            lock.close();
            lock.remove();
        }
    }
}

void stop(QProcess &process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(3000)) {
        process.kill();
        process.waitForFinished(3000);
    }
}

// For helpers that compare: a failed comparison inside ends the test case.
#define CHECKED(...) \
    do { \
        __VA_ARGS__; \
        if (QTest::currentTestFailed()) \
            return; \
    } while (false)

} // namespace

class tst_e2e : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void nothingSentBeforeControllerSpeaks();
    void configurationRequest_data();
    void configurationRequest();
    void requestLeavesOnlyWithFrameEndingBuffer_data();
    void requestLeavesOnlyWithFrameEndingBuffer();
    void startButtonLeadsToModeRequest();
    void secondStartExitsAtOnce();
    void serviceEngineerReadsAndResetsCounters();
    void mainDoorScreen_data();
    void mainDoorScreen();
    void serviceChangesDistance();

private:
    void startRig(const QStringList &simulatorOptions = {});
    void startPanel(QProcess &panel, const QString &workingDirectory);
    bool windowsShown(int count, int timeoutMs = 5000);
    bool xdotool(const QStringList &arguments, QByteArray *output = nullptr);
    bool press(const QPoint &point, const QString &action);
    bool touch(const QPoint &point, int holdMs = 0);
    QByteArray grab(const QRect &area);
    QRgb pixel(const QPoint &point);
    QByteArray caseFile(const char *name);
    bool shows(const char *screen);
    void simulator(const QString &command);
    void sendRaw(const QByteArray &bytes);
    int unreadAtCom1() const;
    void tick();
    int recordsTaken();
    int timesTaken(const QByteArray &payload);
    QStringList framesSent();
    QStringList framesWritten();
    void expectFrames(const QStringList &expected);
    void feed(char type, const QByteArray &payload);
    void removeOurCom1();

    QProcess xvfb;
    QString display;

    std::unique_ptr<QTemporaryDir> dir;
    QProcess socat;
    QProcess sim;
    QProcess panel;
    QString com1Target; // where our /dev/COM1 points, once socat has made it
    int com1Reader = -1; // our own descriptor of it, never read: what waits there unread
    qint64 panelPid = 0;
    QString panelExecutable;
};

void tst_e2e::initTestCase()
{
    for (const char *tool : {"socat", "Xvfb", "xdotool"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            QSKIP(qPrintable(QStringLiteral("%1 is not installed (scripts/install-deps installs it)").arg(tool)));
    }
    if (::access("/dev", W_OK) != 0)
        QSKIP("creating the link /dev/COM1 needs root");
    for (const char build : QByteArray(PANEL_BUILDS))
        QVERIFY2(QFileInfo(panelProgram(build)).isExecutable(), qPrintable(panelProgram(build)));
    QVERIFY2(QFileInfo(QStringLiteral(DOORSIM_EXECUTABLE)).isExecutable(), DOORSIM_EXECUTABLE);

    // Xvfb picks a free display itself and tells its number on stdout.
    // -noreset: the server must not reset between cases, when its last
    // client, the panel, goes.  Its density is the panel's, as
    // scripts/run-panel gives it.
    xvfb.start(QStringLiteral("Xvfb"),
               QStringList{QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                           QStringLiteral("0"), QStringLiteral("240x320x24"), QStringLiteral("-dpi"),
                           QStringLiteral("100"), QStringLiteral("-noreset"), QStringLiteral("-nolisten"),
                           QStringLiteral("tcp")});
    QVERIFY2(xvfb.waitForStarted(), "Xvfb did not start");
    QVERIFY2(QTest::qWaitFor([this] { return xvfb.canReadLine() || xvfb.state() == QProcess::NotRunning; }, 10000),
             "Xvfb did not report its display");
    const QByteArray number = xvfb.readLine().trimmed();
    QVERIFY2(!number.isEmpty(), qPrintable(QString::fromLocal8Bit(xvfb.readAllStandardError())));
    display = QStringLiteral(":") + QString::fromLatin1(number);
}

void tst_e2e::init()
{
    const QFileInfo existing(Com1);
    if (existing.isSymLink() && !existing.exists()
        && existing.symLinkTarget().startsWith(QLatin1String("/dev/pts/"))) {
        // A dangling link to a pseudo-terminal that is gone: left over by an
        // earlier run that was killed.
        QFile::remove(Com1);
    } else if (pathExists(Com1)) {
        QSKIP("/dev/COM1 exists and was not made by this test; leaving it alone "
              "(a controller or another panel session may be using it)");
    }
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
    panelExecutable = panelProgram('a');
}

void tst_e2e::cleanup()
{
    stop(panel);
    removePortLock(panelPid);
    panelPid = 0;
    stop(sim);
    stop(socat); // socat removes its links when it ends
    removeOurCom1();
    if (!dir)
        return;

    // Our programs that ran in this case (their error output is there)
    // ended on SIGTERM with code 0 and no sanitizer report.
    const QPair<const QProcess *, const char *> programs[] = {{&panel, "panel.err"}, {&sim, "sim.err"}};
    for (const auto &program : programs) {
        if (QFile::exists(dir->filePath(QString::fromLatin1(program.second))))
            endedCleanly(*program.first, caseFile(program.second));
    }
    if (QTest::currentTestFailed()) {
        for (const char *name : {"frames.log", "panel.err", "sim.err", "socat.err"})
            qInfo().noquote() << "---" << name << "\n" << caseFile(name).right(4000);
    }
    dir.reset();
}

void tst_e2e::cleanupTestCase()
{
    stop(panel);
    stop(sim);
    stop(socat);
    removeOurCom1();
    stop(xvfb);
}

void tst_e2e::removeOurCom1()
{
    if (com1Reader >= 0)
        ::close(com1Reader);
    com1Reader = -1;
    if (!com1Target.isEmpty() && QFileInfo(Com1).isSymLink() && QFileInfo(Com1).symLinkTarget() == com1Target)
        QFile::remove(Com1);
    com1Target.clear();
}

// socat pair with /dev/COM1 on one end, the simulator (paused) on the other,
// and the panel in a working directory of its own.  socat keeps a copy of
// what goes to the panel in to-panel.bin.
void tst_e2e::startRig(const QStringList &simulatorOptions)
{
    const QString controllerEnd = dir->filePath(QStringLiteral("controller"));
    socat.setStandardErrorFile(dir->filePath(QStringLiteral("socat.err")));
    socat.start(QStringLiteral("socat"),
                {QStringLiteral("-d"), QStringLiteral("-d"), QStringLiteral("-R"),
                 dir->filePath(QStringLiteral("to-panel.bin")), QStringLiteral("pty,raw,echo=0,link=") + Com1,
                 QStringLiteral("pty,raw,echo=0,link=") + controllerEnd});
    QVERIFY2(socat.waitForStarted(), "socat did not start");
    QVERIFY2(QTest::qWaitFor([&] { return QFileInfo::exists(Com1) && QFileInfo::exists(controllerEnd); }, 5000),
             "socat made no pseudo-terminal pair");
    com1Target = QFileInfo(Com1).symLinkTarget();
    com1Reader = ::open(qPrintable(Com1), O_RDONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    QVERIFY2(com1Reader >= 0, "cannot open /dev/COM1");

    sim.setStandardErrorFile(dir->filePath(QStringLiteral("sim.err")));
    sim.start(QStringLiteral(DOORSIM_EXECUTABLE),
              QStringList{QStringLiteral("--port"), controllerEnd, QStringLiteral("--log"),
                          dir->filePath(QStringLiteral("frames.log")), QStringLiteral("--paused")}
                  + simulatorOptions);
    QVERIFY2(sim.waitForStarted(), "doorsim did not start");
    // The simulator opens its log before its port and says so once the port is open.
    QVERIFY2(QTest::qWaitFor([this] {
                 return caseFile("sim.err").contains("controller on") || sim.state() == QProcess::NotRunning;
             }, 5000) && sim.state() == QProcess::Running,
             "doorsim did not open its port");

    QDir(dir->path()).mkdir(QStringLiteral("panel"));
    startPanel(panel, dir->filePath(QStringLiteral("panel")));
    QVERIFY2(panel.waitForStarted(), qPrintable(panelExecutable + QStringLiteral(" did not start")));
    panelPid = panel.processId();
    QVERIFY2(windowsShown(1, 15000),
             qPrintable(panel.state() == QProcess::Running
                            ? QStringLiteral("the panel's window did not show")
                            : QStringLiteral("the panel ended at start: %1 %2")
                                  .arg(panel.exitStatus() == QProcess::CrashExit ? "crash" : "exit code")
                                  .arg(panel.exitCode())));
}

void tst_e2e::startPanel(QProcess &process, const QString &workingDirectory)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(workingDirectory);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(dir->filePath(QStringLiteral("panel.err")), QIODevice::Append);
    process.start(panelExecutable, {});
}

// Waits until the panel has `count` windows mapped: its main window (and so
// its port open, which happens as it shows), and a dialog above it.  A
// touch meant for a dialog waits until the dialog is there.
bool tst_e2e::windowsShown(int count, int timeoutMs)
{
    const QString pid = QString::number(panelPid);
    const bool shown = QTest::qWaitFor([&] {
        QByteArray windows;
        xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--pid"), pid}, &windows);
        const QByteArray ids = windows.trimmed();
        return panel.state() != QProcess::Running || (ids.isEmpty() ? 0 : ids.count('\n') + 1) == count;
    }, timeoutMs);
    return shown && panel.state() == QProcess::Running;
}

bool tst_e2e::xdotool(const QStringList &arguments, QByteArray *output)
{
    QProcess tool;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display);
    tool.setProcessEnvironment(env);
    tool.start(QStringLiteral("xdotool"), arguments);
    if (!tool.waitForFinished(5000))
        return false;
    if (output)
        *output = tool.readAllStandardOutput();
    return tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0;
}

// "click", "mousedown" or "mouseup" of the first button at a screen point.
// No --sync: it would wait for ever when the pointer is already there.
bool tst_e2e::press(const QPoint &point, const QString &action)
{
    return xdotool({QStringLiteral("mousemove"), QString::number(point.x()), QString::number(point.y()), action,
                    QStringLiteral("1")});
}

// A touch, or a press held for `holdMs`.  The panel takes its input in the
// order it comes; what a touch does is waited for where it shows.
bool tst_e2e::touch(const QPoint &point, int holdMs)
{
    const bool down = press(point, QStringLiteral("mousedown"));
    if (holdMs > 0)
        QTest::qWait(holdMs); // the hold itself: the panel times a press from press to release
    return press(point, QStringLiteral("mouseup")) && down;
}

// A PNG picture of part of the panel's screen; empty when none was taken.
QByteArray tst_e2e::grab(const QRect &area)
{
    const QString file = dir->filePath(QStringLiteral("grab.png"));
    QFile::remove(file);
    QProcess tool;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    tool.setProcessEnvironment(env);
    tool.start(QStringLiteral(SCREENGRAB_EXECUTABLE),
               {file, QString::number(area.x()), QString::number(area.y()), QString::number(area.width()),
                QString::number(area.height())});
    if (!tool.waitForFinished(5000) || !endedCleanly(tool, tool.readAllStandardError()))
        return {};
    QFile picture(file);
    return picture.open(QIODevice::ReadOnly) ? picture.readAll() : QByteArray();
}

// The colour of one pixel of the panel's screen; 0 when no picture was taken.
QRgb tst_e2e::pixel(const QPoint &point)
{
    const QImage picture = QImage::fromData(grab(QRect(point, QSize(1, 1))));
    return picture.isNull() ? 0 : picture.pixel(0, 0);
}

// A file our programs wrote in the case's folder: an error output, the
// simulator's frame log, socat's copy of what went to the panel.
QByteArray tst_e2e::caseFile(const char *name)
{
    QFile file(dir->filePath(QString::fromLatin1(name)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Waits until the panel shows `screen`: its debug output tells that its last
// segue went there.
bool tst_e2e::shows(const char *screen)
{
    const QByteArray segue = QByteArray("segue to ") + screen + " (";
    return QTest::qWaitFor([&] {
        const QByteArray log = caseFile("panel.err");
        const int last = log.lastIndexOf("segue to ");
        return last >= 0 && log.mid(last, segue.size()) == segue;
    }, 5000);
}

void tst_e2e::simulator(const QString &command)
{
    sim.write(command.toLatin1() + '\n');
    sim.waitForBytesWritten(1000);
}

// Bytes from the controller, waited for until the panel has read them:
// socat's copy of what went to the panel ends with them, and nothing waits
// unread at /dev/COM1.
void tst_e2e::sendRaw(const QByteArray &bytes)
{
    simulator(QStringLiteral("send ") + hexText(bytes));
    QTRY_VERIFY2_WITH_TIMEOUT(caseFile("to-panel.bin").endsWith(bytes) && unreadAtCom1() == 0,
                              "the panel did not read what the controller sent", 5000);
}

int tst_e2e::unreadAtCom1() const
{
    int count = 0;
    return ::ioctl(com1Reader, FIONREAD, &count) == 0 ? count : -1;
}

// The panel writes the payload of each information record it takes as a
// line of hex to its debug output: count those lines.
int tst_e2e::recordsTaken()
{
    static const QRegularExpression recordLine(QStringLiteral("^[0-9a-f]{56}$"));
    int count = 0;
    for (const QByteArray &line : caseFile("panel.err").split('\n')) {
        if (recordLine.match(QString::fromLatin1(line)).hasMatch())
            ++count;
    }
    return count;
}

// How often the panel has taken a frame with this payload.
int tst_e2e::timesTaken(const QByteArray &payload)
{
    return caseFile("panel.err").split('\n').count(payload.toHex());
}

// One information record from the controller, taken by the panel before
// anything else happens.
void tst_e2e::tick()
{
    const int before = recordsTaken();
    simulator(QStringLiteral("tick"));
    QTRY_VERIFY2_WITH_TIMEOUT(recordsTaken() > before, "the panel did not take the record", 5000);
}

// The frames the simulator received from the panel, timestamps cut off.
QStringList tst_e2e::framesSent()
{
    QStringList frames;
    for (const QByteArray &line : caseFile("frames.log").split('\n')) {
        const int space = line.indexOf(' ');
        if (space > 0)
            frames << QString::fromLatin1(line.mid(space + 1));
    }
    return frames;
}

// The frames the panel has written, as its debug output lists them: a line
// of hex for each as it lets the frame out.
QStringList tst_e2e::framesWritten()
{
    QStringList frames;
    for (const QByteArray &line : caseFile("panel.err").split('\n')) {
        const QByteArray bytes = QByteArray::fromHex(line);
        if (bytes.size() >= 4 && bytes.toHex() == line && bytes.at(0) == '!'
            && Frames::panel(bytes.at(2), bytes.mid(3, bytes.size() - 4)) == bytes)
            frames << hexText(bytes);
    }
    return frames;
}

// The controller has seen exactly `expected`: all the panel has written so
// far has come, and that is `expected`.  The caller has waited until the
// panel took what it answers.
void tst_e2e::expectFrames(const QStringList &expected)
{
    const bool allCame = QTest::qWaitFor([&] {
        const QStringList sent = framesSent();
        return sent.size() >= expected.size() && sent == framesWritten();
    }, 5000);
    QCOMPARE(framesSent(), expected);
    QVERIFY2(allCame, "the panel wrote more than came to the controller");
}

void tst_e2e::nothingSentBeforeControllerSpeaks()
{
    CHECKED(startRig());
    // Its port is open and its first screen drawn, and it has written nothing.
    QVERIFY2(QTest::qWaitFor([this] { return pixel(StartButtonFace) == Silver; }, 5000),
             "the start screen was not drawn");
    CHECKED(expectFrames({}));

    // The link does work: the first record leaves the configuration request
    // waiting, the second collects it.
    CHECKED(tick());
    CHECKED(expectFrames({}));
    CHECKED(tick());
    QTRY_VERIFY_WITH_TIMEOUT(!framesSent().isEmpty(), 2000);
    QCOMPARE(framesSent().first(), ConfigRequest);
}

void tst_e2e::configurationRequest_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QList<int>>("requestsAfterEachRecord");

    // The first record makes the request; it leaves with the second.  That
    // record makes it again, and the block that answers the first request
    // collects the second.  Once the block is held, no more requests.
    QTest::newRow("answered") << QStringList() << QList<int>{0, 2, 2, 2, 2};
    QTest::newRow("never answered: asked after every record")
        << QStringList{QStringLiteral("--no-config")} << QList<int>{0, 1, 2, 3, 4};
}

void tst_e2e::configurationRequest()
{
    QFETCH(QStringList, options);
    QFETCH(QList<int>, requestsAfterEachRecord);

    CHECKED(startRig(options));
    for (int count : requestsAfterEachRecord) {
        CHECKED(tick());
        CHECKED(expectFrames(QStringList(QVector<QString>(count, ConfigRequest).toList())));
    }
}

void tst_e2e::requestLeavesOnlyWithFrameEndingBuffer_data()
{
    QTest::addColumn<QByteArrayList>("reads"); // each sent once the panel has read the one before
    QTest::addColumn<QStringList>("expected");

    const QByteArray info = Frames::controller('i', Frames::info());
    const QByteArray head = info.left(3); // "3f 1e 69": the start of a second frame
    const QByteArray rest = info.mid(3);  // the remaining bytes of that frame
    QByteArray wrongSum = info;
    wrongSum[wrongSum.size() - 1] = static_cast<char>(wrongSum.back() + 1);

    QTest::newRow("right frame ending the buffer") << QByteArrayList{info} << QStringList{ConfigRequest};
    QTest::newRow("right frame, then the start of another") << QByteArrayList{info + head} << QStringList();
    QTest::newRow("... and the rest of that frame") << QByteArrayList{info + head, rest} << QStringList{ConfigRequest};
    QTest::newRow("wrong sum") << QByteArrayList{wrongSum} << QStringList();
    QTest::newRow("right frame of an unknown type")
        << QByteArrayList{Frames::controller('x', QByteArray(1, '\x01'))} << QStringList{ConfigRequest};
    QTest::newRow("lone plus") << QByteArrayList{"+"} << QStringList{ConfigRequest};
    QTest::newRow("plus ahead of a frame") << QByteArrayList{"+" + info} << QStringList();
}

// A first record leaves the configuration request waiting; then the
// controller sends the row's bytes.  The simulator does not answer the
// request, so each request seen is one the row's bytes let out.
void tst_e2e::requestLeavesOnlyWithFrameEndingBuffer()
{
    QFETCH(QByteArrayList, reads);
    QFETCH(QStringList, expected);

    CHECKED(startRig({QStringLiteral("--no-config")}));
    CHECKED(tick());
    CHECKED(expectFrames({}));
    for (const QByteArray &bytes : reads)
        CHECKED(sendRaw(bytes));
    expectFrames(expected);
}

void tst_e2e::startButtonLeadsToModeRequest()
{
    CHECKED(startRig());
    CHECKED(tick());
    CHECKED(tick()); // collects the configuration request; the answer collects the next
    CHECKED(expectFrames({ConfigRequest, ConfigRequest}));

    QVERIFY(xdotool({QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(StartButton.x()),
                     QString::number(StartButton.y()), QStringLiteral("click"), QStringLiteral("1")}));
    // The main door screen asks for mode 1 (no mode is active), but the
    // request waits for the controller.
    QVERIFY(shows(ScreenName::Standard));
    CHECKED(expectFrames({ConfigRequest, ConfigRequest}));

    CHECKED(tick());
    CHECKED(expectFrames({ConfigRequest, ConfigRequest, ModeOneRequest}));

    // The record that collected the request still showed no mode, so the
    // screen asks once more; the next record shows mode 1 lit and the
    // screen is content.
    CHECKED(tick());
    CHECKED(expectFrames({ConfigRequest, ConfigRequest, ModeOneRequest, ModeOneRequest}));
    CHECKED(tick());
    CHECKED(expectFrames({ConfigRequest, ConfigRequest, ModeOneRequest, ModeOneRequest}));
}

void tst_e2e::secondStartExitsAtOnce()
{
    CHECKED(startRig());

    QDir(dir->path()).mkdir(QStringLiteral("second"));
    QProcess second;
    QElapsedTimer took;
    took.start();
    startPanel(second, dir->filePath(QStringLiteral("second")));
    QVERIFY(second.waitForStarted());
    const bool ended = second.waitForFinished(5000);
    if (!ended)
        stop(second);
    QVERIFY2(ended, "the second start did not end");
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QVERIFY2(took.elapsed() < 4000, qPrintable(QStringLiteral("took %1 ms").arg(took.elapsed())));

    // The first still runs and serves the link: it takes the records.
    QCOMPARE(panel.state(), QProcess::Running);
    CHECKED(tick());
    CHECKED(tick());
    QTRY_VERIFY_WITH_TIMEOUT(!framesSent().isEmpty(), 2000);
    QCOMPARE(framesSent().first(), ConfigRequest);
}

// Log in as Engineer, open the statistics screen from the service menu, read
// the counters the controller sends and reset the service counter.
void tst_e2e::serviceEngineerReadsAndResetsCounters()
{
    CHECKED(startRig());
    CHECKED(tick());
    CHECKED(tick());
    QVERIFY(touch(StartButton));
    QVERIFY(shows(ScreenName::Standard));
    // The main door screen asks for mode 1 until the controller shows it.
    for (int i = 0; i < 3; ++i)
        CHECKED(tick());
    QStringList expected = {ConfigRequest, ConfigRequest, ModeOneRequest, ModeOneRequest};
    CHECKED(expectFrames(expected));

    QVERIFY(touch(UtilitiesButton));
    QVERIFY(shows(ScreenName::Utilities));
    QVERIFY(touch(UtilitiesTitle, 1800));
    QVERIFY(shows(ScreenName::User));
    QVERIFY(touch(EngineerLogin));
    QVERIFY2(windowsShown(2), "the keypad did not show");
    for (QChar digit : QString::number(Passcodes::engineer()))
        QVERIFY(touch(keypadKey(digit.digitValue())));
    QVERIFY(touch(KeypadEnter));
    QVERIFY2(windowsShown(1), "the keypad did not close");
    QVERIFY(touch(ServiceButton));
    QVERIFY(shows(ScreenName::Service));
    QVERIFY(touch(StatisticsButton));
    QVERIFY(shows(ScreenName::Statistics));
    QVERIFY2(QTest::qWaitFor([this] { return pixel(ResetButtonFace) == ButtonGrey; }, 5000),
             "the statistics screen was not drawn");
    CHECKED(expectFrames(expected));
    const QByteArray zero = grab(ServiceCounter);
    QVERIFY2(!zero.isEmpty(), "no picture of the screen");
    QCOMPARE(grab(LifetimeCounter), zero);

    // The request leaves with the next frame.  The simulator answers each
    // request at once, and each answer is a frame that lets the screen's next
    // request out: while the screen shows, requests and answers follow each
    // other without pause, and the counters show.
    CHECKED(tick());
    QTRY_VERIFY_WITH_TIMEOUT(framesSent().size() > expected.size(), 2000);
    QCOMPARE(framesSent().at(expected.size()), CountersRequest);
    QTRY_VERIFY_WITH_TIMEOUT(grab(LifetimeCounter) != zero, 2000);
    QVERIFY(grab(ServiceCounter) != zero);
    QVERIFY(!framesSent().contains(ResetRequest));

    // The reset goes out with the next answer; the controller does not
    // answer it, so the stream of requests stops there until the next
    // record.
    QVERIFY(touch(ResetButton));
    QTRY_VERIFY_WITH_TIMEOUT(framesWritten().value(framesWritten().size() - 1) == ResetRequest
                                 && framesSent() == framesWritten(),
                             5000);
    QCOMPARE(framesSent().last(), ResetRequest);
    QCOMPARE(framesSent().count(ResetRequest), 1);
    const int beforeTick = framesSent().size();
    CHECKED(tick());
    QTRY_VERIFY_WITH_TIMEOUT(framesSent().size() > beforeTick, 2000);
    QCOMPARE(framesSent().at(beforeTick), CountersRequest);
}

// One controller frame of our own making, waited for until the panel has
// taken it.
void tst_e2e::feed(char type, const QByteArray &payload)
{
    const int before = timesTaken(payload);
    simulator(QStringLiteral("send ") + hexText(Frames::controller(type, payload)));
    QTRY_VERIFY2_WITH_TIMEOUT(timesTaken(payload) > before, "the panel did not take the frame", 5000);
}


// An information record: controller type, group-0 byte (the reported modes).
static QByteArray record(quint8 type, quint8 modes)
{
    return Frames::info({{0, type}, {10, modes}});
}

using Touches = QVector<QPair<QPoint, int>>; // a mode button, the mask it sends

void tst_e2e::mainDoorScreen_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<int>("ownType");
    QTest::addColumn<int>("foreignType");
    QTest::addColumn<int>("modeOne"); // group-0 byte reporting mode 1, and the mask that asks for it
    QTest::addColumn<Touches>("modeButtons");
    QTest::addColumn<QPoint>("openButton");
    // Build B: "Permanent Open", then "Pushbutton EXIT ONLY".
    QTest::newRow("build B") << panelProgram('b') << 0x24 << 0x18 << 0x08
                             << Touches{{{40, 250}, 0x10}, {{40, 150}, 0x40}} << QPoint(200, 200);
    QTest::newRow("build C") << panelProgram('c') << 0x11 << 0x24 << 0x02 << Touches{} << QPoint(40, 150);
}

void tst_e2e::mainDoorScreen()
{
    QFETCH(QString, program);
    QFETCH(int, ownType);
    QFETCH(int, foreignType);
    QFETCH(int, modeOne);
    QFETCH(Touches, modeButtons);
    QFETCH(QPoint, openButton);
    const QByteArray own = record(quint8(ownType), quint8(modeOne));
    panelExecutable = program;
    CHECKED(startRig({QStringLiteral("--no-config")}));
    QVERIFY(touch(StartButton));
    QVERIFY(shows(ScreenName::Standard));
    CHECKED(expectFrames({})); // no block held: no mode request

    // The block (exit only allowed), then a record that reports mode 1: it
    // collects the request the block's refresh left.
    CHECKED(feed('v', Frames::config({{34, 0x01}})));
    CHECKED(feed('i', own));
    QStringList sent{hexText(Frames::modeSwitch(quint8(modeOne)))};
    CHECKED(expectFrames(sent));

    // A record of another build's type reporting no mode is dropped.
    CHECKED(feed('i', record(quint8(foreignType), 0x00)));
    CHECKED(feed('i', own));
    CHECKED(expectFrames(sent));

    // One of its own type reporting none asks for mode 1; a lone "+" does
    // not let the request out, the next record does.
    CHECKED(feed('i', record(quint8(ownType), 0x00)));
    CHECKED(sendRaw("+"));
    CHECKED(expectFrames(sent));
    CHECKED(feed('i', own));
    sent << hexText(Frames::modeSwitch(quint8(modeOne)));
    CHECKED(expectFrames(sent));

    for (const auto &button : modeButtons) {
        QVERIFY(touch(button.first));
        CHECKED(feed('i', own));
        sent << hexText(Frames::modeSwitch(quint8(button.second)));
        CHECKED(expectFrames(sent));
    }

    // "Open", pressed and held over two records, then let go: sent once.
    QVERIFY(press(openButton, QStringLiteral("mousedown")));
    CHECKED(feed('i', own));
    CHECKED(feed('i', own));
    QVERIFY(press(openButton, QStringLiteral("mouseup")));
    CHECKED(feed('i', own));
    sent << hexText(Frames::command(CmdOpen));
    CHECKED(expectFrames(sent));
}

// A service engineer logs in, opens the positions screen, steps the open
// slow distance up by 1 % and goes back: the panel asks for the block on
// entry and later sends it with only that distance changed.
void tst_e2e::serviceChangesDistance()
{
    CHECKED(startRig());
    QByteArray block = Frames::config({{28, 0x2C}, {29, 0x01}}); // open slow distance 30.0 %
    QStringList assignments;
    for (int at = 0; at < block.size(); ++at)
        assignments << QStringLiteral("%1=%2").arg(at, 0, 16).arg(static_cast<quint8>(block.at(at)), 0, 16);
    simulator(QStringLiteral("config ") + assignments.join(QLatin1Char(' ')));
    CHECKED(tick());
    CHECKED(tick());

    QVERIFY(touch(StartButton));
    QVERIFY(shows(ScreenName::Standard));
    // The main door screen asks for mode 1 until the controller reports it.
    CHECKED(tick());
    CHECKED(tick());
    QVERIFY(touch(UtilitiesButton));
    QVERIFY(shows(ScreenName::Utilities));
    QVERIFY(touch(UtilitiesTitle, 1800));
    QVERIFY2(shows(ScreenName::User), "the login screen did not open");
    QVERIFY(touch(ServiceLogin));
    QVERIFY2(windowsShown(2), "the keypad did not show");
    for (QChar digit : QString::number(Passcodes::serviceDefault()))
        QVERIFY(touch(keypadKey(digit.digitValue())));
    QVERIFY(touch(KeypadEnter));
    QVERIFY2(windowsShown(1), "the keypad did not close");
    QVERIFY(touch(SettingsButton));
    QVERIFY2(shows(ScreenName::Settings), "the settings menu did not open");

    QVERIFY(touch(PositionsButton));
    QVERIFY2(shows(ScreenName::Positions), "the positions screen did not open");
    const int blocksTaken = timesTaken(block);
    CHECKED(tick());
    QTRY_COMPARE_WITH_TIMEOUT(framesSent().value(framesSent().size() - 1), ConfigRequest, 2000);
    QTRY_VERIFY2_WITH_TIMEOUT(timesTaken(block) > blocksTaken, "the simulator's block did not come back", 5000);

    QVERIFY(touch(OpenSlowDistance));
    QVERIFY2(windowsShown(2), "the value dialog did not show");
    QVERIFY(touch(SmallStepUp));
    QVERIFY(touch(DialogEnter));
    QVERIFY2(windowsShown(1), "the value dialog did not close");
    QVERIFY(touch(BackButton));
    QVERIFY(shows(ScreenName::Settings));
    CHECKED(tick());

    block[28] = 0x36; // 31.0 %
    QTRY_COMPARE_WITH_TIMEOUT(framesSent().value(framesSent().size() - 1),
                              hexText(Frames::panel('W', block)), 2000);
}

QTEST_GUILESS_MAIN(tst_e2e)
#include "tst_e2e.moc"
