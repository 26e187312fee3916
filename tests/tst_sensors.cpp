// The sensors screen, driven through the real main window with the test
// playing the door controller.

#include "looks.h"
#include "mainwindow.h"
#include "panelharness.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

const QStringList SensorButtons = {"btnSensor1", "btnSensor2", "btnSensor3", "btnSensor4"};

} // namespace

class TestSensors : public QObject
{
    Q_OBJECT

private slots:
    void texts();
    void lampsFollowSensorFlags_data();
    void lampsFollowSensorFlags();
    void lampsShowOnEntry();
    void lampGoesOutAndComesBack();
    void buttonSendsCommandWithNextFrame_data();
    void buttonSendsCommandWithNextFrame();
    void laterPressReplacesEarlier();
    void back();

private:
    // Whether each of the four buttons is lit, as "1010".
    static QString lamps(PanelHarness &panel);
    static void enterWithConfiguration(PanelHarness &panel);
};

QString TestSensors::lamps(PanelHarness &panel)
{
    QString result;
    for (const QString &name : SensorButtons) {
        auto *button = panel.widget<QPushButton>(name);
        if (!button)
            return QStringLiteral("no ") + name;
        result += Looks::shown(button).contains(Looks::Lit) ? '1' : '0';
    }
    return result;
}

void TestSensors::enterWithConfiguration(PanelHarness &panel)
{
    panel.send('v', Frames::config());
    panel.segue("standard");
    panel.setLevel(BaseFrame::LevelService);
    panel.segue("sensors");
    QCOMPARE(panel.screenName(), QString("sensors"));
}

void TestSensors::texts()
{
    PanelHarness panel;
    panel.setLevel(BaseFrame::LevelService);
    panel.segue("sensors");
    QCOMPARE(panel.widget<QLabel>("lblStatus")->text(), QString("Sensors"));
    QCOMPARE(panel.button("btnSensor1")->text(), QString("Motion\nSensor 1"));
    QCOMPARE(panel.button("btnSensor2")->text(), QString("Motion\nSensor 2"));
    QCOMPARE(panel.button("btnSensor3")->text(), QString("Presence\nSensor 1"));
    QCOMPARE(panel.button("btnSensor4")->text(), QString("Presence\nSensor 2"));
    for (const QString &name : SensorButtons)
        QVERIFY2(panel.button(name)->isVisible(), qPrintable(name));
}

void TestSensors::lampsFollowSensorFlags_data()
{
    QTest::addColumn<int>("byte27");
    QTest::addColumn<QString>("lit");

    QTest::newRow("all sensors on") << 0x00 << "1111";
    QTest::newRow("all sensors off") << 0x0F << "0000";
    QTest::newRow("motion sensor 1 off") << 0x01 << "0111";
    QTest::newRow("motion sensor 2 off") << 0x02 << "1011";
    QTest::newRow("presence sensor 1 off") << 0x04 << "1101";
    QTest::newRow("presence sensor 2 off") << 0x08 << "1110";
    QTest::newRow("sensors 2 and 4 off") << 0x0A << "1010";
    QTest::newRow("bits 4-7 alone") << 0xF0 << "1111";
    QTest::newRow("bits 4-7 with sensors 1 and 3 off") << 0xF5 << "0101";
    QTest::newRow("all bits") << 0xFF << "0000";
}

// Lamps are drawn on the refresh that every information record causes, at
// every level that sees the screen.
void TestSensors::lampsFollowSensorFlags()
{
    QFETCH(int, byte27);
    QFETCH(QString, lit);

    PanelHarness panel;
    enterWithConfiguration(panel);
    panel.send('i', Frames::info({{27, static_cast<quint8>(byte27)}}));
    QCOMPARE(lamps(panel), lit);

    panel.setLevel(3);
    panel.send('i', Frames::info({{27, static_cast<quint8>(byte27)}}));
    QCOMPARE(lamps(panel), lit);
}

void TestSensors::lampsShowOnEntry()
{
    PanelHarness panel;
    panel.send('i', Frames::info({{27, 0x06}}));
    panel.setLevel(BaseFrame::LevelService);
    panel.segue("sensors");
    QCOMPARE(lamps(panel), QString("1001"));
}

// Lighting appends to the button's own style and going out restores it.
void TestSensors::lampGoesOutAndComesBack()
{
    PanelHarness panel;
    enterWithConfiguration(panel);
    panel.send('i', Frames::info({{27, 0x01}}));
    const QString unlit = Looks::shown(panel.button("btnSensor1"));
    QVERIFY(!unlit.contains(Looks::Lit));

    panel.send('i', Frames::info({{27, 0x00}}));
    panel.send('i', Frames::info({{27, 0x00}}));
    const QString lit = Looks::shown(panel.button("btnSensor1"));
    QCOMPARE(lit.count(Looks::Lit), 1);
    QVERIFY(lit.startsWith(unlit));

    panel.send('i', Frames::info({{27, 0x01}}));
    QCOMPARE(Looks::shown(panel.button("btnSensor1")), unlit);
}

void TestSensors::buttonSendsCommandWithNextFrame_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QByteArray>("frame");

    QTest::newRow("motion sensor 1") << "btnSensor1" << Frames::command(CmdSensor1);
    QTest::newRow("motion sensor 2") << "btnSensor2" << Frames::command(CmdSensor2);
    QTest::newRow("presence sensor 1") << "btnSensor3" << Frames::command(CmdSensor3);
    QTest::newRow("presence sensor 2") << "btnSensor4" << Frames::command(CmdSensor4);
}

void TestSensors::buttonSendsCommandWithNextFrame()
{
    QFETCH(QString, button);
    QFETCH(QByteArray, frame);

    PanelHarness panel;
    enterWithConfiguration(panel);
    panel.send('i', Frames::info({{27, 0x00}}));
    panel.written();
    const QString lampsBefore = lamps(panel);

    panel.click(button);
    // Nothing leaves before the controller speaks, and the button waits for
    // the controller's answer before it changes.
    QCOMPARE(panel.written(), QByteArray());
    QCOMPARE(lamps(panel), lampsBefore);
    QCOMPARE(panel.screenName(), QString("sensors"));

    QCOMPARE(panel.poll(), frame);
    // Sent once only.
    QCOMPARE(panel.poll(), QByteArray());
}

void TestSensors::laterPressReplacesEarlier()
{
    PanelHarness panel;
    enterWithConfiguration(panel);
    panel.send('i', Frames::info());
    panel.written();

    panel.click("btnSensor1");
    panel.click("btnSensor3");
    QCOMPARE(panel.poll(), Frames::command(CmdSensor3));
    QCOMPARE(panel.poll(), QByteArray());
}

void TestSensors::back()
{
    PanelHarness panel;
    enterWithConfiguration(panel);
    panel.click("btnBack");
    QCOMPARE(panel.screenName(), QString("standard"));
    QCOMPARE(panel.window().navigationHistory(), QStringList({"start", "standard"}));
}

QTEST_MAIN(TestSensors)
#include "tst_sensors.moc"
