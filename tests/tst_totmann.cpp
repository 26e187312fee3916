#include "looks.h"
#include "panelharness.h"

#include "fakepanelclock.h"
#include "mainwindow.h"

#include <QAbstractButton>
#include <QLabel>
#include <QtTest>

namespace {

const QString DoorOpenBase = QStringLiteral("color: grey");
const QString DoorOpenLit = DoorOpenBase + QStringLiteral("; ") + Looks::Lit;

// Hold-to-run is bit 0 of info byte 27; main input 0 is bit 0 of byte 6.
QByteArray holdToRun(quint8 mainInputs = 0x00)
{
    return Frames::info({{27, 0x01}, {6, mainInputs}});
}

} // namespace

class TestTotmann : public QObject
{
    Q_OBJECT

private slots:
    void leavesInPlaceWhenHoldToRunIsOff();
    void leavesWhenHoldToRunEnds();
    void doorOpenFollowsMainInput0();
    void utilitiesButtonPressLength_data();
    void utilitiesButtonPressLength();

private:
    void enterHoldToRun(PanelHarness &panel);
};

void TestTotmann::enterHoldToRun(PanelHarness &panel)
{
    panel.send('i', holdToRun());
    panel.segue(QStringLiteral("totmann"));
    QCOMPARE(panel.screenName(), QStringLiteral("totmann"));
    QCOMPARE(panel.window().navigationHistory(), (QStringList{"start", "totmann"}));
}

void TestTotmann::leavesInPlaceWhenHoldToRunIsOff()
{
    PanelHarness panel;
    panel.segue(QStringLiteral("totmann"));
    QCOMPARE(panel.screenName(), QStringLiteral("standard"));
    QCOMPARE(panel.window().navigationHistory(), (QStringList{"start", "standard"}));

    panel.send('i', Frames::info());
    QCOMPARE(panel.screenName(), QStringLiteral("standard"));
    QCOMPARE(panel.window().navigationHistory(), (QStringList{"start", "standard"}));

    // Going back does not return to the hold-to-run screen.
    panel.window().segueBack();
    QCOMPARE(panel.screenName(), QStringLiteral("start"));
}

void TestTotmann::leavesWhenHoldToRunEnds()
{
    PanelHarness panel;
    enterHoldToRun(panel);
    panel.send('i', holdToRun());
    QCOMPARE(panel.screenName(), QStringLiteral("totmann"));

    panel.send('i', Frames::info());
    QCOMPARE(panel.screenName(), QStringLiteral("standard"));
    QCOMPARE(panel.window().navigationHistory(), (QStringList{"start", "standard"}));
}

void TestTotmann::doorOpenFollowsMainInput0()
{
    PanelHarness panel;
    enterHoldToRun(panel);
    auto *doorOpen = panel.widget<QLabel>(QStringLiteral("lblOpen"));
    QVERIFY(doorOpen);
    QVERIFY(doorOpen->isVisible());
    QCOMPARE(doorOpen->text(), QStringLiteral("Door open"));

    // Without a configuration block no input counts as active.
    panel.send('i', holdToRun(0x01));
    QCOMPARE(Looks::shown(doorOpen), DoorOpenLit);

    panel.send('v', Frames::config());
    QCOMPARE(Looks::shown(doorOpen), DoorOpenBase);

    panel.send('i', holdToRun(0x00));
    QCOMPARE(Looks::shown(doorOpen), DoorOpenLit);
    panel.send('i', holdToRun(0x00));
    QCOMPARE(Looks::shown(doorOpen), DoorOpenLit);

    panel.send('i', holdToRun(0xFE));
    QCOMPARE(Looks::shown(doorOpen), DoorOpenLit);

    panel.send('i', holdToRun(0x01));
    QCOMPARE(Looks::shown(doorOpen), DoorOpenBase);
    QCOMPARE(panel.screenName(), QStringLiteral("totmann"));
}

void TestTotmann::utilitiesButtonPressLength_data()
{
    QTest::addColumn<qint64>("heldMs");
    QTest::addColumn<QString>("target");

    QTest::newRow("tap") << qint64(0) << "utilities";
    QTest::newRow("1499 ms") << qint64(1499) << "utilities";
    QTest::newRow("1500 ms") << qint64(1500) << "user";
    QTest::newRow("a minute") << qint64(60000) << "user";
    QTest::newRow("clock went back 1 ms") << qint64(-1) << "utilities";
    QTest::newRow("clock went back an hour") << qint64(-3600000) << "utilities";
}

void TestTotmann::utilitiesButtonPressLength()
{
    QFETCH(qint64, heldMs);
    QFETCH(QString, target);

    PanelHarness panel;
    enterHoldToRun(panel);
    QAbstractButton *utilities = panel.button(QStringLiteral("btnUtilities"));
    QVERIFY(utilities);

    QTest::mousePress(utilities, Qt::LeftButton);
    QCOMPARE(panel.screenName(), QStringLiteral("totmann"));
    FakePanelClock::advance(heldMs);
    QTest::mouseRelease(utilities, Qt::LeftButton);

    QCOMPARE(panel.screenName(), target);
    QCOMPARE(panel.window().navigationHistory(), (QStringList{"start", "totmann", target}));
}

QTEST_MAIN(TestTotmann)
#include "tst_totmann.moc"
