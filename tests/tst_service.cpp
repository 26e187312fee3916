// The service menu and the statistics screen, driven through the real main
// window with the test playing the door controller.

#include "mainwindow.h"
#include "panelharness.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

const QByteArray CountersRequest = Frames::hex("21 02 74 97");
const QByteArray ResetRequest = Frames::hex("21 03 63 53 DA");
const QByteArray OnOffRequest = Frames::hex("21 03 63 1B A2");

QString text(PanelHarness &panel, const char *label)
{
    return panel.widget<QLabel>(label)->text();
}

// On the statistics screen at `level`, with a configuration block held and
// nothing waiting on the link.
void enterStatistics(PanelHarness &panel, int level, const QByteArray &config = Frames::config())
{
    panel.send('v', config);
    panel.setLevel(level);
    panel.segue("service");
    panel.click("btnStatistics");
    QCOMPARE(panel.screenName(), QString("statistics"));
    QCOMPARE(panel.poll(), CountersRequest);
}

} // namespace

class TestService : public QObject
{
    Q_OBJECT

private slots:
    void serviceMenuForLoggedInUsers_data();
    void serviceMenuForLoggedInUsers();
    void onOffOnBothMenus_data();
    void onOffOnBothMenus();
    void countersAskedOnEveryRefresh();
    void countersShownUnsigned_data();
    void countersShownUnsigned();
    void resetForEngineerAndAdmin_data();
    void resetForEngineerAndAdmin();
    void resetSurvivesTwoFramesInOneRead();
};

void TestService::serviceMenuForLoggedInUsers_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<bool>("shown");

    QTest::newRow("standard") << 0 << false;
    QTest::newRow("service") << 1 << true;
    QTest::newRow("engineer") << 2 << true;
    QTest::newRow("admin") << 3 << true;
}

// Logging out with the header's user button hides the buttons at once.
void TestService::serviceMenuForLoggedInUsers()
{
    QFETCH(int, level);
    QFETCH(bool, shown);

    PanelHarness panel;
    panel.setLevel(level);
    // "Diagnostics -Service-" is there for logged-in users only.
    panel.segue("utilities");
    if (level > 0)
        panel.click("btnService");
    else
        panel.segue("service");
    QCOMPARE(panel.screenName(), QString("service"));
    for (const char *name : {"btnIO", "btnStatistics", "btnShutdown"})
        QVERIFY2(panel.button(name)->isVisible() == shown, name);

    if (shown) {
        panel.click("btnUser");
        for (const char *name : {"btnIO", "btnStatistics", "btnShutdown"})
            QVERIFY2(!panel.button(name)->isVisible(), name);
    }
}

void TestService::onOffOnBothMenus_data()
{
    QTest::addColumn<QString>("menu");
    QTest::newRow("utilities") << "utilities";
    QTest::newRow("service") << "service";
}

// "On / Off" asks the controller and is lime while the controller reports
// control on (byte 2, bit 1 clear).
void TestService::onOffOnBothMenus()
{
    QFETCH(QString, menu);

    PanelHarness panel;
    panel.send('v', Frames::config());
    panel.setLevel(1);
    panel.segue(menu);
    panel.send('i', Frames::info({{2, 0x02}}));
    const auto lime = [&panel] {
        return panel.button("btnShutdown")->styleSheet().contains(QLatin1String("background-color: lime"));
    };
    QVERIFY(!lime());
    panel.send('i', Frames::info());
    QVERIFY(lime());

    panel.written();
    panel.click("btnShutdown");
    QCOMPARE(panel.poll(), OnOffRequest);
    QVERIFY(lime()); // until the controller reports otherwise
}

void TestService::countersAskedOnEveryRefresh()
{
    PanelHarness panel;
    enterStatistics(panel, 1);
    panel.send('t', Frames::counters(5, 0));
    QCOMPARE(panel.poll(), CountersRequest);
    QCOMPARE(text(panel, "lblUptime"), QString("5"));

    // Leaving the screen ends the requests.
    panel.click("btnBack");
    panel.send('i', Frames::info());
    QCOMPARE(panel.poll(), QByteArray());
}

void TestService::countersShownUnsigned_data()
{
    QTest::addColumn<qint32>("a");
    QTest::addColumn<qint32>("b");
    QTest::addColumn<quint8>("interval");
    QTest::addColumn<QString>("uptime");
    QTest::addColumn<QString>("service");

    QTest::newRow("zero") << 0 << 0 << quint8(0) << "0" << "0";
    QTest::newRow("interval left") << 1000 << 990 << quint8(40) << "1000" << "50";
    QTest::newRow("top bit set") << qint32(0x80000000) << 0 << quint8(0) << "2147483648" << "0";
    QTest::newRow("all bits set") << -1 << 0 << quint8(0) << "4294967295" << "0";
}

void TestService::countersShownUnsigned()
{
    QFETCH(qint32, a);
    QFETCH(qint32, b);
    QFETCH(quint8, interval);
    QFETCH(QString, uptime);
    QFETCH(QString, service);

    PanelHarness panel;
    enterStatistics(panel, 1, Frames::config({{80, interval}}));
    panel.send('t', Frames::counters(a, b));
    QCOMPARE(text(panel, "lblUptime"), uptime);
    QCOMPARE(text(panel, "lblServiceTime"), service);
}

void TestService::resetForEngineerAndAdmin_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<bool>("shown");

    QTest::newRow("service") << 1 << false;
    QTest::newRow("engineer") << 2 << true;
    QTest::newRow("admin") << 3 << true;
}

// Reset asks the controller and shows "0" at once; the lifetime counter
// stays.  The next counters request follows.
void TestService::resetForEngineerAndAdmin()
{
    QFETCH(int, level);
    QFETCH(bool, shown);

    PanelHarness panel;
    enterStatistics(panel, level, Frames::config({{80, 100}}));
    panel.send('t', Frames::counters(1234, 1000));
    panel.written();
    QCOMPARE(text(panel, "lblServiceTime"), QString("334"));
    QCOMPARE(panel.button("btnReset")->isVisible(), shown);
    if (!shown)
        return;

    panel.click("btnReset");
    QCOMPARE(text(panel, "lblServiceTime"), QString("0"));
    QCOMPARE(text(panel, "lblUptime"), QString("1234"));
    QCOMPARE(panel.poll(), ResetRequest);
    panel.send('i', Frames::info());
    QCOMPARE(panel.poll(), CountersRequest);

    panel.click("btnUser");
    QVERIFY(!panel.button("btnReset")->isVisible());
}

// The first of two frames in one read refreshes the screen, which asks for
// the counters again: that request must not push out the waiting reset.
void TestService::resetSurvivesTwoFramesInOneRead()
{
    PanelHarness panel;
    enterStatistics(panel, 2);
    panel.click("btnReset");
    const QByteArray frame = Frames::controller('i', Frames::info());
    panel.sendRaw(frame + frame);
    QCOMPARE(panel.written(), ResetRequest);
    QCOMPARE(panel.poll(), CountersRequest);
}

QTEST_MAIN(TestService)
#include "tst_service.moc"
