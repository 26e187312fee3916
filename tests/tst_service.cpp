// The service menu, the statistics screen, the I/O menu and the I/O pages of
// build A, through the real main window with the test as the controller.

#include "looks.h"
#include "mainwindow.h"
#include "panelharness.h"

#include <QFile>
#include <QLabel>
#include <QTest>

namespace {

const QByteArray Counters = Frames::command(CmdRequestCounters);
const QByteArray Reset = Frames::command(CmdResetService);

bool lime(QWidget *w)
{
    return w && Looks::shown(w).contains(Looks::Lit);
}

QString text(PanelHarness &panel, const char *label)
{
    return panel.widget<QLabel>(label)->text();
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
    void extensionOutputRelabel_data();
    void extensionOutputRelabel();
    void noExtensionReadOnEntry();
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
    QCOMPARE(panel.poll(), Frames::command(CmdOnOff));
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

// Reset, for Engineer and Admin, shows "0" at once and leaves the lifetime
// counter.  It goes out with the next frame even when two come in one read:
// the first one's refresh asks for the counters, which must not push it out.
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
    const QByteArray frame = Frames::controller('i', Frames::info());
    panel.sendRaw(frame + frame);
    QCOMPARE(panel.written(), Reset);
    QCOMPARE(panel.poll(), Counters);
}

// Which types rename the row is each build's rule (tst_rules); here the
// new name shows, and stays once a record has brought it.
void TestService::extensionOutputRelabel_data()
{
    QTest::addColumn<QByteArray>("types"); // byte 0 and byte 1 of each record
    QTest::addColumn<bool>("relabelled");
    QTest::newRow("no record") << QByteArray() << false;
    QTest::newRow("0x18") << Frames::hex("18 00") << true;
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

// Build A's I/O menu and main outputs read "noextension" on entry only (the
// rule tests own what each value shows): a change shows on the next entry.
void TestService::noExtensionReadOnEntry()
{
    PanelHarness panel("noextension=false\n");
    panel.segue("io");
    panel.click("btnMode3_3");
    QVERIFY(panel.button("btnNext")->isVisible());

    QFile file(panel.workingDirectory() + "/kelvaron.ini");
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("noextension=true\n");
    file.close();
    panel.send('i', Frames::info());
    QVERIFY(panel.button("btnNext")->isVisible());
    panel.click("btnBack");
    QVERIFY(!panel.button("btnMode4_3")->isVisible());
}

QTEST_MAIN(TestService)
#include "tst_service.moc"
