// The main window: navigation, the screensaver, mode requests and the
// hand-over of controller frames, on the real window.

#include "frames.h"
#include "mainwindow.h"
#include "panelharness.h"
#include "pseudoterminal.h"

#include <QFile>
#include <QImage>
#include <QLabel>
#include <QSettings>
#include <QStackedWidget>
#include <QtTest>

#include <sys/stat.h>

namespace {

const QByteArray ConfigRequest = Frames::command(CmdRequestConfig);
const QByteArray ReferenceRun = Frames::command(CmdReference);

QByteArray hexOf(const QByteArray &bytes)
{
    return bytes.toHex(' ').toUpper();
}

// A screen of the test's own, put into the window's stack: it records how
// the window calls it.
class ProbeScreen : public BaseFrame
{
public:
    struct Refresh
    {
        int level;
        bool entered;
        bool wasShowing; // already the current page when refreshed
    };

    QList<Refresh> refreshes;
    QList<bool> blinks;
    QString leaveOnEntry; // a screen to go on to, in place, when entered

protected:
    void refreshScreen(BaseFrame::auth_level level, bool entered) override
    {
        auto *stack = qobject_cast<QStackedWidget *>(parentWidget());
        refreshes.append({level, entered, stack && stack->currentWidget() == this});
        if (entered && !leaveOnEntry.isEmpty())
            emit segue(leaveOnEntry, true);
    }

    void blinkScreen(bool state) override { blinks.append(state); }
};

ProbeScreen *addProbe(PanelHarness &panel, const QString &name = QStringLiteral("probe"))
{
    auto *stack = panel.window().findChild<QStackedWidget *>(QStringLiteral("stackedWidget"));
    auto *probe = new ProbeScreen;
    probe->setObjectName(name);
    stack->addWidget(probe);
    probe->doorControl = panel.screen(QStringLiteral("start"))->doorControl;
    MainWindow *window = &panel.window();
    QObject::connect(probe, &BaseFrame::segue, window, &MainWindow::segue);
    QObject::connect(probe, &BaseFrame::segueBack, window, &MainWindow::segueBack);
    QObject::connect(probe, &BaseFrame::newAuthLevel, window, &MainWindow::newAuthLevel);
    QObject::connect(probe, &BaseFrame::changeMode, window, &MainWindow::changeMode);
    return probe;
}

// What the panel writes in answer to the next frame, as PanelHarness::poll()
// does, but released by a counters frame, whose hand-over is awaited.
QByteArray requestOut(PanelHarness &panel)
{
    panel.written();
    panel.send('t', Frames::counters(0, 0));
    return panel.written();
}

void setDoorName(const QString &name)
{
    QSettings settings(QStringLiteral("kelvaron.ini"), QSettings::IniFormat);
    settings.setValue(QStringLiteral("doorname"), name);
    settings.sync();
}

QString doorNameOn(PanelHarness &panel, const QString &screen)
{
    auto *label = panel.screen(screen)->findChild<QLabel *>(QStringLiteral("lblDoorname"));
    return label ? label->text() : QStringLiteral("(no door name label)");
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void startState();
    void everyScreenIsWired();

    void navigation_data();
    void navigation();
    void segueRefreshesBeforeShowing();
    void screenLeavingWhileEntered();
    void segueLogsItself();
    void backFromLastEntryCloses();

    void screensaverReturn_data();
    void screensaverReturn();
    void screensaverTimerFires();
    void screensaverRestart_data();
    void screensaverRestart();

    void changeMode_data();
    void changeMode();

    void framesRefreshShowingScreen();
    void configRequest_data();
    void configRequest();
    void noConfigRequestOnceHeld();
    void configRequestKeepsModeRequest();
    void modeRequestLeavesWithInfoFrame();

    void login();
    void blink();
    void blinkPhaseShared();

    void logo_data();
    void logo();
};

void TestMainWindow::startState()
{
    PanelHarness panel("doorname=Bow door\n");

    QCOMPARE(panel.screenName(), QString("start"));
    QCOMPARE(panel.window().navigationHistory(), QStringList{"start"});
    QVERIFY(!panel.screensaverTimer().isActive());
    QVERIFY(panel.screensaverTimer().isSingleShot());
    QCOMPARE(panel.screensaverTimer().interval(), 300000);

    QVERIFY(panel.blinkTimer().isActive());
    QCOMPARE(panel.blinkTimer().interval(), 500);

    // The start screen was entered: its door name comes from the settings.
    QCOMPARE(doorNameOn(panel, "start"), QString("Bow door"));
    QVERIFY(panel.window().isVisible());
}

// Every screen has the door state and reaches the window and the serial
// link through its signals.
void TestMainWindow::everyScreenIsWired()
{
    PanelHarness panel;
    auto *stack = panel.window().findChild<QStackedWidget *>(QStringLiteral("stackedWidget"));
    const auto screens = stack->findChildren<BaseFrame *>(QString(), Qt::FindDirectChildrenOnly);
    QVERIFY(screens.size() >= 10);
    DoorControl *door = panel.screen("start")->doorControl;
    QVERIFY(door);

    for (BaseFrame *screen : screens) {
        const QByteArray name = screen->objectName().toLatin1();
        QVERIFY2(screen->doorControl == door, name);

        emit screen->sendCommand(4);
        QCOMPARE(hexOf(requestOut(panel)), hexOf(ReferenceRun));

        panel.screensaverTimer().stop();
        emit screen->changeMode(1);
        QVERIFY2(panel.screensaverTimer().isActive(), name);

        const QStringList before = panel.window().navigationHistory();
        emit screen->segue(QStringLiteral("vekinfo"));
        QCOMPARE(panel.screenName(), QString("vekinfo"));
        emit screen->segueBack();
        QCOMPARE(panel.window().navigationHistory(), before);
    }
    panel.written();

    emit panel.screen("start")->sendConfiguration(Frames::config());
    QCOMPARE(hexOf(requestOut(panel)), hexOf(Frames::panel('W', Frames::config())));
}

void TestMainWindow::navigation_data()
{
    // name: segue; name!: segue in place; <: back; (empty), (null): segue to
    // an empty or a null name
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QStringList>("history");

    QTest::newRow("to a screen") << "utilities" << QStringList{"start", "utilities"};
    QTest::newRow("unknown name") << "nosuch" << QStringList{"start"};
    QTest::newRow("unknown name from a screen") << "utilities nosuch" << QStringList{"start", "utilities"};
    QTest::newRow("empty name") << "utilities (empty)" << QStringList{"start", "utilities"};
    QTest::newRow("null name") << "utilities (null)" << QStringList{"start", "utilities"};
    QTest::newRow("forward and back") << "utilities systeminfo <" << QStringList{"start", "utilities"};
    QTest::newRow("in place, then back")
        << "utilities systeminfo vekinfo! <" << QStringList{"start", "utilities"};
    QTest::newRow("in place twice, then back") << "utilities vekinfo! systeminfo! <" << QStringList{"start"};
    QTest::newRow("unknown in place keeps the entry") << "utilities nosuch!" << QStringList{"start", "utilities"};
    QTest::newRow("same screen twice") << "systeminfo systeminfo" << QStringList{"start", "systeminfo", "systeminfo"};
    QTest::newRow("deep") << "standard utilities eventlog systeminfo"
                          << QStringList{"start", "standard", "utilities", "eventlog", "systeminfo"};
    QTest::newRow("deep and back") << "standard utilities eventlog < <" << QStringList{"start", "standard"};
    QTest::newRow("start again") << "utilities start" << QStringList{"start", "utilities", "start"};
}

void TestMainWindow::navigation()
{
    QFETCH(QString, steps);
    QFETCH(QStringList, history);

    PanelHarness panel;
    for (const QString &step : steps.split(' ')) {
        if (step == QLatin1String("<"))
            panel.window().segueBack();
        else if (step == QLatin1String("(empty)"))
            panel.window().segue(QLatin1String(""));
        else if (step == QLatin1String("(null)"))
            panel.window().segue(QString());
        else if (step.endsWith('!'))
            panel.window().segue(step.chopped(1), true);
        else
            panel.window().segue(step);
    }
    QCOMPARE(panel.window().navigationHistory(), history);
    QCOMPARE(panel.screenName(), history.last());
}

void TestMainWindow::segueRefreshesBeforeShowing()
{
    PanelHarness panel;
    ProbeScreen *probe = addProbe(panel);
    panel.setLevel(1);

    panel.segue("probe");
    QCOMPARE(panel.screenName(), QString("probe"));
    QCOMPARE(probe->refreshes.size(), 1);
    QCOMPARE(probe->refreshes.at(0).level, 1);
    QVERIFY(probe->refreshes.at(0).entered);
    QVERIFY(!probe->refreshes.at(0).wasShowing);

    // Re-entered by going back to it: refreshed as entered again.
    panel.segue("systeminfo");
    panel.window().segueBack();
    QCOMPARE(panel.screenName(), QString("probe"));
    QCOMPARE(probe->refreshes.size(), 2);
    QVERIFY(probe->refreshes.at(1).entered);
    QVERIFY(!probe->refreshes.at(1).wasShowing);
}

// A screen that moves on while it is being entered is not shown over the
// screen it went to.
void TestMainWindow::screenLeavingWhileEntered()
{
    PanelHarness panel;
    ProbeScreen *probe = addProbe(panel);
    probe->leaveOnEntry = QStringLiteral("systeminfo");
    panel.segue("utilities");

    panel.segue("probe");
    QCOMPARE(panel.screenName(), QString("systeminfo"));
    QCOMPARE(panel.window().navigationHistory(), (QStringList{"start", "utilities", "systeminfo"}));
    QCOMPARE(probe->refreshes.size(), 1);

    panel.window().segueBack();
    QCOMPARE(panel.screenName(), QString("utilities"));
}

void TestMainWindow::segueLogsItself()
{
    PanelHarness panel;
    QTest::ignoreMessage(QtDebugMsg, "segue to utilities (2)");
    panel.segue("utilities");
    QTest::ignoreMessage(QtDebugMsg, "segue to start (1)");
    panel.window().segueBack();
}

void TestMainWindow::backFromLastEntryCloses()
{
    PanelHarness panel;
    panel.segue("utilities");
    emit panel.screen()->segueBack();
    QVERIFY(panel.window().isVisible());
    QCOMPARE(panel.screenName(), QString("start"));

    emit panel.screen()->segueBack();
    QVERIFY(!panel.window().isVisible());
    QVERIFY(panel.window().navigationHistory().isEmpty());
}

void TestMainWindow::screensaverReturn_data()
{
    QTest::addColumn<QString>("showing");

    QTest::newRow("start") << "start";
    QTest::newRow("utilities") << "utilities";
    QTest::newRow("a screen of the test") << "probe";
}

// The screensaver's button goes back to the screen that was showing, entered
// afresh; the screensaver leaves no trace in the history.
void TestMainWindow::screensaverReturn()
{
    QFETCH(QString, showing);

    PanelHarness panel("doorname=Bow door\n");
    ProbeScreen *probe = addProbe(panel);
    if (showing != QLatin1String("start"))
        panel.segue(showing);
    const QStringList history = panel.window().navigationHistory();
    const int probeRefreshes = probe->refreshes.size();

    setDoorName("Aft door");
    panel.window().saveScreen();
    QCOMPARE(panel.screenName(), QString("screensaver"));
    QCOMPARE(panel.window().navigationHistory(), history + QStringList{"screensaver"});
    QCOMPARE(doorNameOn(panel, "screensaver"), QString("Aft door"));

    setDoorName("Stern door");
    panel.screensaverTimer().stop();
    panel.click("pushButton");
    QCOMPARE(panel.screenName(), showing);
    QCOMPARE(panel.window().navigationHistory(), history);
    QVERIFY(!panel.window().navigationHistory().contains("screensaver"));
    QCOMPARE(panel.screensaverTimer().isActive(), showing != QLatin1String("start"));

    if (showing == QLatin1String("start")) {
        QCOMPARE(doorNameOn(panel, "start"), QString("Stern door"));
    } else if (showing == QLatin1String("probe")) {
        QCOMPARE(probe->refreshes.size(), probeRefreshes + 1);
        QVERIFY(probe->refreshes.last().entered);
    }
}

void TestMainWindow::screensaverTimerFires()
{
    PanelHarness panel;
    panel.segue("systeminfo");
    QVERIFY(panel.screensaverTimer().isActive());
    QVERIFY(panel.screensaverTimer().remainingTime() > 290000);

    panel.screensaverTimer().setInterval(10);
    panel.screensaverTimer().start();
    QTRY_COMPARE(panel.screenName(), QString("screensaver"));
    QCOMPARE(panel.window().navigationHistory(), (QStringList{"start", "systeminfo", "screensaver"}));
    QVERIFY(!panel.screensaverTimer().isActive());
}

void TestMainWindow::screensaverRestart_data()
{
    QTest::addColumn<QString>("before"); // screens entered before the timer is stopped
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("restarted");

    QTest::newRow("to another screen") << "systeminfo" << "segue utilities" << true;
    QTest::newRow("to the same screen") << "systeminfo" << "segue systeminfo" << true;
    QTest::newRow("to the log") << "systeminfo" << "segue eventlog" << true;
    QTest::newRow("to the main door screen") << "systeminfo" << "segue standard" << true;
    QTest::newRow("in place") << "systeminfo" << "inplace vekinfo" << true;
    QTest::newRow("to start") << "systeminfo" << "segue start" << false;
    QTest::newRow("to the screensaver") << "systeminfo" << "segue screensaver" << false;
    QTest::newRow("to an unknown name") << "systeminfo" << "segue nosuch" << false;
    QTest::newRow("back to a screen") << "systeminfo utilities" << "back" << true;
    QTest::newRow("back to start") << "systeminfo" << "back" << false;
    QTest::newRow("tap on the start screen") << "" << "tap" << true;
    QTest::newRow("mode 1") << "systeminfo" << "mode 1" << true;
    QTest::newRow("mode 0") << "systeminfo" << "mode 0" << true;
    QTest::newRow("mode 9") << "systeminfo" << "mode 9" << true;
    QTest::newRow("mode on the start screen") << "" << "mode 3" << true;
    QTest::newRow("information frame") << "systeminfo" << "frame i" << false;
    QTest::newRow("counters frame") << "systeminfo" << "frame t" << false;
    QTest::newRow("configuration frame") << "systeminfo" << "frame v" << false;
    QTest::newRow("other frame") << "systeminfo" << "frame x" << false;
    QTest::newRow("login") << "systeminfo" << "login 2" << false;
    QTest::newRow("logout") << "systeminfo" << "login 0" << false;
    QTest::newRow("command") << "systeminfo" << "command 4" << false;
    QTest::newRow("blink") << "systeminfo" << "blink" << false;
    QTest::newRow("screensaver") << "systeminfo" << "save" << false;
}

void TestMainWindow::screensaverRestart()
{
    QFETCH(QString, before);
    QFETCH(QString, action);
    QFETCH(bool, restarted);

    PanelHarness panel;
    for (const QString &name : before.split(' ', Qt::SkipEmptyParts))
        panel.window().segue(name);
    panel.screensaverTimer().stop();

    const QString verb = action.section(' ', 0, 0);
    const QString argument = action.section(' ', 1);
    BaseFrame *screen = panel.screen();
    if (verb == QLatin1String("segue")) {
        panel.window().segue(argument);
    } else if (verb == QLatin1String("inplace")) {
        panel.window().segue(argument, true);
    } else if (verb == QLatin1String("back")) {
        emit screen->segueBack();
    } else if (verb == QLatin1String("tap")) {
        panel.click("pushButton");
    } else if (verb == QLatin1String("mode")) {
        emit screen->changeMode(argument.toInt());
    } else if (verb == QLatin1String("frame")) {
        const char type = argument.at(0).toLatin1();
        if (type == 'x')
            panel.poll();
        else
            panel.send(type, type == 'i' ? Frames::info() : type == 't' ? Frames::counters(1, 2) : Frames::config());
    } else if (verb == QLatin1String("login")) {
        emit screen->newAuthLevel(static_cast<BaseFrame::auth_level>(argument.toInt()));
    } else if (verb == QLatin1String("command")) {
        emit screen->sendCommand(static_cast<quint8>(argument.toInt()));
    } else if (verb == QLatin1String("blink")) {
        panel.window().blinkEvent();
    } else if (verb == QLatin1String("save")) {
        panel.window().saveScreen();
    } else {
        QFAIL("unknown action");
    }

    QCOMPARE(panel.screensaverTimer().isActive(), restarted);
    if (restarted)
        QVERIFY(panel.screensaverTimer().remainingTime() > 290000);
}

void TestMainWindow::changeMode_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QByteArray>("frame");

    QTest::newRow("0") << 0 << Frames::modeSwitch(0x00);
    QTest::newRow("1") << 1 << Frames::modeSwitch(0x02);
    QTest::newRow("2") << 2 << Frames::modeSwitch(0x04);
    QTest::newRow("3") << 3 << Frames::modeSwitch(0x08);
    QTest::newRow("4") << 4 << Frames::modeSwitch(0x10);
    QTest::newRow("5") << 5 << Frames::modeSwitch(0x20);
    QTest::newRow("6") << 6 << Frames::modeSwitch(0x40);
    QTest::newRow("7") << 7 << Frames::modeSwitch(0x01);
    QTest::newRow("8") << 8 << Frames::modeSwitch(0x00);
    QTest::newRow("9") << 9 << Frames::modeSwitch(0x00);
    QTest::newRow("-1") << -1 << Frames::modeSwitch(0x00);
}

// The mode request waits and goes out with the next frame that ends the
// controller's data.
void TestMainWindow::changeMode()
{
    QFETCH(int, mode);
    QFETCH(QByteArray, frame);

    PanelHarness panel;
    emit panel.screen()->changeMode(mode);
    QCOMPARE(hexOf(panel.written()), QByteArray());
    QCOMPARE(hexOf(requestOut(panel)), hexOf(frame));
    QCOMPARE(hexOf(requestOut(panel)), QByteArray());
}

// Each 'i', 't' and 'v' frame refreshes the showing screen once, not as
// entered; other frames do not.
void TestMainWindow::framesRefreshShowingScreen()
{
    PanelHarness panel;
    ProbeScreen *probe = addProbe(panel);
    panel.segue("probe");
    probe->refreshes.clear();

    panel.send('i', Frames::info());
    QCOMPARE(probe->refreshes.size(), 1);
    panel.send('t', Frames::counters(1, 2));
    QCOMPARE(probe->refreshes.size(), 2);
    panel.send('v', Frames::config());
    QCOMPARE(probe->refreshes.size(), 3);
    panel.send('i', Frames::info({{0, 0x17}})); // rejected, still a refresh
    QCOMPARE(probe->refreshes.size(), 4);
    panel.poll();
    QCOMPARE(probe->refreshes.size(), 4);
    for (const ProbeScreen::Refresh &refresh : probe->refreshes) {
        QVERIFY(!refresh.entered);
        QVERIFY(refresh.wasShowing);
        QCOMPARE(refresh.level, 0);
    }

    // The state the screen refreshes from is already updated.
    QCOMPARE(probe->doorControl->configValid, quint8(1));
}

void TestMainWindow::configRequest_data()
{
    QTest::addColumn<QByteArray>("record");

    QTest::newRow("accepted record") << Frames::info();
    QTest::newRow("rejected record") << Frames::info({{0, 0x17}});
    QTest::newRow("empty record") << QByteArray();
}

// While no configuration block is held, every 'i' frame leaves the
// configuration request waiting; it goes out with the next frame.
void TestMainWindow::configRequest()
{
    QFETCH(QByteArray, record);

    PanelHarness panel;
    panel.send('i', record);
    QCOMPARE(hexOf(panel.written()), QByteArray());
    QCOMPARE(hexOf(requestOut(panel)), hexOf(ConfigRequest));

    panel.send('i', record);
    QCOMPARE(hexOf(requestOut(panel)), hexOf(ConfigRequest));

    // Counters and a block without '=' do not change that.
    panel.send('t', Frames::counters(1, 2));
    QCOMPARE(hexOf(requestOut(panel)), QByteArray());
    panel.send('v', Frames::config({{4, 0}}));
    panel.send('i', record);
    QCOMPARE(hexOf(requestOut(panel)), hexOf(ConfigRequest));
}

void TestMainWindow::noConfigRequestOnceHeld()
{
    PanelHarness panel;
    panel.send('i', Frames::info());
    // The block releases the request the 'i' frame left.
    panel.send('v', Frames::config());
    QCOMPARE(hexOf(panel.written()), hexOf(ConfigRequest));

    panel.send('i', Frames::info());
    QCOMPARE(hexOf(requestOut(panel)), QByteArray());
    panel.send('i', Frames::info({{0, 0x17}}));
    QCOMPARE(hexOf(requestOut(panel)), QByteArray());

    // A block no longer held is asked for again.
    panel.screen()->doorControl->configValid = 0;
    panel.send('i', Frames::info());
    QCOMPARE(hexOf(requestOut(panel)), hexOf(ConfigRequest));
}

// An 'i' frame that does not end the controller's data does not release the
// waiting mode request, and the configuration request then leaves it waiting.
void TestMainWindow::configRequestKeepsModeRequest()
{
    PanelHarness panel;
    emit panel.screen()->changeMode(1);

    const QByteArray next = Frames::controller('x', {});
    panel.sendRaw(Frames::controller('i', Frames::info()) + next.left(2));
    QCOMPARE(hexOf(panel.written()), QByteArray());

    // The configuration request the 'i' frame left does not push the mode
    // switch out; it is asked again on the next refresh.
    panel.sendRaw(next.mid(2));
    QCOMPARE(hexOf(panel.written()), hexOf(Frames::modeSwitch(0x02)));
    panel.send('i', Frames::info());
    QCOMPARE(hexOf(requestOut(panel)), hexOf(ConfigRequest));
}

// An 'i' frame that ends the data takes the mode request with it; the
// configuration request waits for the next frame.
void TestMainWindow::modeRequestLeavesWithInfoFrame()
{
    PanelHarness panel;
    emit panel.screen()->changeMode(1);

    panel.send('i', Frames::info());
    QCOMPARE(hexOf(panel.written()), hexOf(Frames::modeSwitch(0x02)));
    QCOMPARE(hexOf(requestOut(panel)), hexOf(ConfigRequest));
}

// A login refreshes the screen that asked for it, not as entered; later
// refreshes carry the new level.
void TestMainWindow::login()
{
    PanelHarness panel;
    ProbeScreen *probe = addProbe(panel);
    panel.segue("probe");
    probe->refreshes.clear();

    emit probe->newAuthLevel(BaseFrame::LevelEngineer);
    QCOMPARE(probe->refreshes.size(), 1);
    QCOMPARE(probe->refreshes.at(0).level, 2);
    QVERIFY(!probe->refreshes.at(0).entered);

    panel.send('t', Frames::counters(1, 2));
    QCOMPARE(probe->refreshes.size(), 2);
    QCOMPARE(probe->refreshes.at(1).level, 2);

    // A login from another screen refreshes that screen, not this one, and
    // still sets the level.
    emit panel.screen("start")->newAuthLevel(BaseFrame::LevelService);
    QCOMPARE(probe->refreshes.size(), 2);
    panel.send('t', Frames::counters(1, 2));
    QCOMPARE(probe->refreshes.last().level, 1);

    // The level survives the screensaver.
    panel.window().saveScreen();
    panel.click("pushButton");
    QCOMPARE(panel.screenName(), QString("probe"));
    QCOMPARE(probe->refreshes.last().level, 1);
    QVERIFY(probe->refreshes.last().entered);

    emit probe->newAuthLevel(BaseFrame::LevelStandard);
    QCOMPARE(probe->refreshes.last().level, 0);
    QVERIFY(!probe->refreshes.last().entered);
}

// The blink timer blinks the showing screen, and only that one.
void TestMainWindow::blink()
{
    PanelHarness panel;
    ProbeScreen *probe = addProbe(panel);

    panel.window().blinkEvent();
    QVERIFY(probe->blinks.isEmpty());

    panel.segue("probe");
    panel.window().blinkEvent();
    panel.window().blinkEvent();
    QCOMPARE(probe->blinks.size(), 2);
    const bool phase = probe->blinks.at(0);
    QCOMPARE(probe->blinks, (QList<bool>{phase, !phase}));

    panel.blinkTimer().setInterval(5);
    QTRY_VERIFY(probe->blinks.size() >= 4);
}

// One phase for all screens: each step moves it on, whichever screen shows.
void TestMainWindow::blinkPhaseShared()
{
    PanelHarness panel;
    ProbeScreen *first = addProbe(panel, QStringLiteral("first"));
    ProbeScreen *second = addProbe(panel, QStringLiteral("second"));

    panel.segue("first");
    panel.window().blinkEvent();
    panel.segue("second");
    panel.window().blinkEvent();
    QCOMPARE(first->blinks.size(), 1);
    QCOMPARE(second->blinks, QList<bool>{!first->blinks.at(0)});
}

void TestMainWindow::logo_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QSize>("size");
    for (QSize size : {QSize(120, 49), QSize(4096, 1), QSize(4097, 1), QSize(1, 4097)})
        QTest::addRow("%d x %d", size.width(), size.height()) << "png" << size;
    for (const char *kind : {"fifo", "folder", "text"})
        QTest::newRow(kind) << kind << QSize();
}

// Only a regular file whose picture has a sensible size becomes the logo;
// anything else is a missing logo, and the panel starts.
void TestMainWindow::logo()
{
    QFETCH(QString, kind);
    QFETCH(QSize, size);
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    if (kind == QLatin1String("png"))
        QImage(size, QImage::Format_Mono).save(QStringLiteral("logo.png"), "PNG");
    else if (kind == QLatin1String("fifo"))
        ::mkfifo("logo.png", 0600);
    else if (kind == QLatin1String("folder"))
        QDir().mkdir(QStringLiteral("logo.png"));
    else
        QFile(QStringLiteral("logo.png")).open(QIODevice::WriteOnly);

    PseudoTerminal line;
    MainWindow window(line.devicePath());
    QDir::setCurrent(previous);
    const bool sensible = size.isValid() && size.width() <= 4096 && size.height() <= 4096;
    // Every screen with a logo label shows the window's one picture.
    const auto labels = window.findChildren<QLabel *>(QStringLiteral("lblLogo"));
    QVERIFY(!labels.isEmpty());
    for (QLabel *label : labels)
        QCOMPARE(label->pixmap(Qt::ReturnByValue).size(), sensible ? size : QSize(0, 0));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
