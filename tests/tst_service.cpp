// The service menu, the statistics screen, the I/O menu and the I/O pages of
// build A, through the real main window with the test as the controller.

#include "mainwindow.h"
#include "panelharness.h"

#include <QFile>
#include <QLabel>
#include <QTest>

namespace {

const QByteArray Counters = Frames::hex("21 02 74 97");
const QByteArray Reset = Frames::hex("21 03 63 53 DA");

bool lime(QWidget *w)
{
    return w && w->styleSheet().contains(QLatin1String("background-color: lime"));
}

QString text(PanelHarness &panel, const char *label)
{
    return panel.widget<QLabel>(label)->text();
}

// Main word (group -1): info bytes 6..9, levels in config 16..19; group g:
// info 14 or 18, levels 70 or 82.  Every other bit of the word is inactive.
QByteArray ioRecord(int group, int level, int bit, bool value)
{
    quint32 word = level ? 0u : group < 0 ? 0xFFFFFFFFu : 0xFFFFu;
    word = value ? word | (1u << bit) : word & ~(1u << bit);
    QByteArray info = Frames::info();
    for (int i = 0; i < 4; ++i)
        info[(group < 0 ? 6 : group == 1 ? 14 : 18) + i] = static_cast<char>(word >> (8 * i));
    return info;
}

QByteArray ioLevels(int group, int level)
{
    QByteArray block = Frames::config();
    for (int i = 0; i < (group < 0 ? 4 : 2); ++i)
        block[(group < 0 ? 16 : group == 1 ? 70 : 82) + i] = static_cast<char>(level ? 0xFF : 0);
    return block;
}

void enterStatistics(PanelHarness &panel, int level, const QByteArray &config = Frames::config())
{
    panel.send('v', config);
    panel.setLevel(level);
    panel.segue("service");
    panel.click("btnStatistics");
    QCOMPARE(panel.poll(), Counters);
}

} // namespace

class TestService : public QObject
{
    Q_OBJECT

private slots:
    void serviceMenu();
    void countersOnEveryRefresh_data();
    void countersOnEveryRefresh();
    void reset();
    void resetSurvivesTwoFramesInOneRead();
    void ioRowFollowsItsBit_data();
    void ioRowFollowsItsBit();
    void extensionOutputRelabel_data();
    void extensionOutputRelabel();
    void noExtensionReadOnEntry_data();
    void noExtensionReadOnEntry();
    void pageTurnsKeepOneHistoryEntry_data();
    void pageTurnsKeepOneHistoryEntry();
};

// I/O, Statistics and On / Off for logged-in users; On / Off is the
// utilities menu's, lime while the controller reports control on.
void TestService::serviceMenu()
{
    PanelHarness panel;
    panel.send('i', Frames::info({{2, 0x02}}));
    panel.segue("service");
    QVERIFY(!panel.button("btnIO")->isVisible() && !panel.button("btnShutdown")->isVisible());
    QVERIFY(!lime(panel.button("btnShutdown")));
    panel.setLevel(1);
    panel.send('i', Frames::info());
    QVERIFY(panel.button("btnStatistics")->isVisible() && lime(panel.button("btnShutdown")));
    panel.click("btnShutdown");
    QCOMPARE(panel.poll(), Frames::hex("21 03 63 1B A2"));
}

void TestService::countersOnEveryRefresh_data()
{
    QTest::addColumn<qint32>("a");
    QTest::addColumn<qint32>("b");
    QTest::addColumn<QString>("uptime");
    QTest::addColumn<QString>("service");
    QTest::newRow("interval left") << 1000 << 990 << "1000" << "50";
    QTest::newRow("top bit set") << qint32(0x80000000) << 0 << "2147483648" << "0";
}

void TestService::countersOnEveryRefresh()
{
    QFETCH(qint32, a);
    QFETCH(qint32, b);
    QFETCH(QString, uptime);
    QFETCH(QString, service);
    PanelHarness panel;
    enterStatistics(panel, 1, Frames::config({{80, 40}}));
    panel.send('t', Frames::counters(a, b));
    QCOMPARE(panel.poll(), Counters);
    QCOMPARE(text(panel, "lblUptime"), uptime);
    QCOMPARE(text(panel, "lblServiceTime"), service);
    panel.click("btnBack");
    panel.send('i', Frames::info());
    QCOMPARE(panel.poll(), QByteArray());
}

// Reset, for Engineer and Admin, shows "0" at once, leaves the lifetime
// counter and goes out with the next frame.
void TestService::reset()
{
    PanelHarness panel;
    enterStatistics(panel, 1);
    panel.send('t', Frames::counters(1234, 1000));
    QVERIFY(!panel.button("btnReset")->isVisible());
    panel.setLevel(2);
    panel.click("btnReset");
    QCOMPARE(text(panel, "lblServiceTime"), QString("0"));
    QCOMPARE(text(panel, "lblUptime"), QString("1234"));
    QCOMPARE(panel.poll(), Reset);
}

// The first of two frames in one read refreshes the screen, whose counters
// request must not push out the waiting reset.
void TestService::resetSurvivesTwoFramesInOneRead()
{
    PanelHarness panel;
    enterStatistics(panel, 2);
    panel.click("btnReset");
    const QByteArray frame = Frames::controller('i', Frames::info());
    panel.sendRaw(frame + frame);
    QCOMPARE(panel.written(), Reset);
    QCOMPARE(panel.poll(), Counters);
}

void TestService::ioRowFollowsItsBit_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("bit");
    const auto add = [](const char *page, int row, int group, int bit) {
        QTest::addRow("%s row %d, group %d bit %d", page, row + 1, group, bit) << QString(page) << row << group << bit;
    };
    for (int n = 0; n < 10; ++n)
        add("in0_0", n, -1, n);
    for (int n = 0; n < 2; ++n)
        add("in0_1", n, 1, n);
    for (int n = 0; n < 4; ++n)
        add("out0_0", n, -1, 16 + n);
    for (int n = 0; n < 5; ++n)
        add("out0_1", n, 1, 8 + n);
    for (int n = 0; n < 3; ++n)
        add("out0_2", n, 2, 8 + n);
    add("out0_2", 1, 2, 17);
    add("out0_2", 2, 2, 18);
}

// Lit at the configured active level, not at the other, never without a
// configuration block; bits 16 to 31 of a group are active when set.
void TestService::ioRowFollowsItsBit()
{
    QFETCH(QString, page);
    QFETCH(int, row);
    QFETCH(int, group);
    QFETCH(int, bit);
    PanelHarness panel;
    panel.segue(page);
    const auto lit = [&] { return lime(panel.widget<QLabel>(QStringLiteral("lbl%1").arg(row))); };
    for (bool value : {true, false}) {
        panel.send('i', ioRecord(group, 1, bit, value));
        QVERIFY(!lit());
    }
    for (int level : {1, 0}) {
        panel.send('v', ioLevels(group, level));
        const bool active = level || (group > 0 && bit >= 16);
        panel.send('i', ioRecord(group, level, bit, active));
        QVERIFY2(lit(), qPrintable(QStringLiteral("level %1").arg(level)));
        panel.send('i', ioRecord(group, level, bit, !active));
        QVERIFY2(!lit(), qPrintable(QStringLiteral("level %1").arg(level)));
    }
}

void TestService::extensionOutputRelabel_data()
{
    QTest::addColumn<QByteArray>("types"); // byte 0 and byte 1 of each record
    QTest::addColumn<bool>("relabelled");
    QTest::newRow("no record") << QByteArray() << false;
    QTest::newRow("0x18") << Frames::hex("18 00") << true;
    QTest::newRow("0x1F") << Frames::hex("1F 00") << false;
    QTest::newRow("0xAB 0x08") << Frames::hex("AB 08") << true;
    QTest::newRow("0xAB 0x09") << Frames::hex("AB 09") << false;
    QTest::newRow("0xAB 0x08, then 0x19") << Frames::hex("AB 08 19 00") << true;
}

void TestService::extensionOutputRelabel()
{
    QFETCH(QByteArray, types);
    QFETCH(bool, relabelled);
    PanelHarness panel;
    panel.segue("out0_1");
    for (int i = 0; i + 1 < types.size(); i += 2)
        panel.send('i', Frames::info({{0, quint8(types[i])}, {1, quint8(types[i + 1])}}));
    QCOMPARE(text(panel, "lblStatus_11"), QString(relabelled ? " Open From Inside" : " Door Closed"));
}

void TestService::noExtensionReadOnEntry_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<bool>("extension");
    QTest::newRow("no file") << QByteArray() << true;
    QTest::newRow("false") << QByteArray("[General]\nnoextension=false\n") << true;
    QTest::newRow("true") << QByteArray("[General]\nnoextension=true\n") << false;
}

// The I/O menu's entries and "next part" on the main outputs follow
// "noextension" as it was when they were entered.
void TestService::noExtensionReadOnEntry()
{
    QFETCH(QByteArray, settings);
    QFETCH(bool, extension);
    PanelHarness panel(settings);
    const auto entries = [&panel] {
        QStringList shown;
        for (const char *name : {"btnTimes", "btnPositions", "btnSetDateTime", "btnSetDateTime_2", "btnMode3_3",
                                 "btnMode4_3", "btnMode4_4", "btnBack_2"})
            shown << (panel.button(name)->isVisible() ? name : "");
        return shown.join(' ').simplified();
    };
    const QString main = "btnTimes btnMode3_3";
    panel.segue("io");
    QCOMPARE(entries(), extension ? main + " btnMode4_3" : main);
    panel.click("btnMode3_3");
    QCOMPARE(panel.button("btnNext")->isVisible(), extension);

    QFile file(panel.workingDirectory() + "/kelvaron.ini");
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(extension ? "noextension=true\n" : "noextension=false\n");
    file.close();
    panel.send('i', Frames::info());
    QCOMPARE(panel.button("btnNext")->isVisible(), extension);
    panel.click("btnBack");
    QCOMPARE(entries(), extension ? main : main + " btnMode4_3");
}

void TestService::pageTurnsKeepOneHistoryEntry_data()
{
    QTest::addColumn<QStringList>("steps"); // ">name": an in-place move
    QTest::addColumn<QString>("page");
    QTest::newRow("outputs, next, previous, next") << QStringList{"btnMode3_3", "btnNext", "btnPrev", "btnNext"} << "out0_1";
    QTest::newRow("inputs, extension, previous") << QStringList{"btnTimes", ">in0_1", "btnPrev"} << "in0_0";
    QTest::newRow("extension 2, previous twice") << QStringList{"btnMode4_3", ">out0_2", "btnPrev", "btnPrev"} << "out0_0";
}

void TestService::pageTurnsKeepOneHistoryEntry()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, page);
    PanelHarness panel;
    panel.setLevel(1);
    panel.segue("utilities");
    panel.click("btnService");
    panel.click("btnIO");
    for (const QString &step : steps) {
        if (step.startsWith('>'))
            panel.window().segue(step.mid(1), true);
        else
            panel.click(step);
    }
    QCOMPARE(panel.window().navigationHistory(), QStringList({"start", "utilities", "service", "io", page}));
    panel.click("btnBack");
    QCOMPARE(panel.screenName(), QString("io"));
}

QTEST_MAIN(TestService)
#include "tst_service.moc"
