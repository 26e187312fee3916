#include "looks.h"
#include "panelharness.h"

#include "mainwindow.h"

#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QtTest>

namespace {

const QString LampOn = Looks::Lit + QLatin1Char(';');

// The mode-switch frame that asks for mode 1.
const QByteArray ModeOneRequest = Frames::modeSwitch(0x02);

// Group-0 word: info bytes 10..13; bit 0 reports mode 7, bit k mode k.
QByteArray infoWithModes(quint8 modeBits, quint8 byte2 = 0x00)
{
    return Frames::info({{10, modeBits}, {2, byte2}});
}

} // namespace

class TestStandard : public QObject
{
    Q_OBJECT

private slots:
    void modeLampFollowsGroupBit_data();
    void modeLampFollowsGroupBit();
    void modeRequestUnlessExactlyOneMode_data();
    void modeRequestUnlessExactlyOneMode();
    void noModeRequestWithoutConfig();
    void modeButtonSendsModeSwitch_data();
    void modeButtonSendsModeSwitch();
    void noModes2to6HidesButtonsOnEntryOnly();
    void refOkFollowsReferenceFlag_data();
    void refOkFollowsReferenceFlag();
    void refOkSendsOnOffCommand();
    void utilitiesButtonLeadsToUtilities();
    void unusedButtonsNeverShow();
    void statusLine_data();
    void statusLine();

private:
    void enterStandard(PanelHarness &panel);
};

void TestStandard::enterStandard(PanelHarness &panel)
{
    panel.click(QStringLiteral("pushButton"));
    QCOMPARE(panel.screenName(), QStringLiteral("standard"));
}

void TestStandard::modeLampFollowsGroupBit_data()
{
    QTest::addColumn<quint8>("modeBits");
    QTest::addColumn<QStringList>("lit");

    QTest::newRow("none") << quint8(0x00) << QStringList();
    QTest::newRow("bit 0 -> mode 7") << quint8(0x01) << QStringList{"btnMode7"};
    QTest::newRow("bit 1 -> mode 1") << quint8(0x02) << QStringList{"btnMode1"};
    QTest::newRow("bit 2 -> mode 2") << quint8(0x04) << QStringList{"btnMode2"};
    QTest::newRow("bit 3 -> mode 3") << quint8(0x08) << QStringList{"btnMode3"};
    QTest::newRow("bit 4 -> mode 4") << quint8(0x10) << QStringList{"btnMode4"};
    QTest::newRow("bit 5 -> mode 5") << quint8(0x20) << QStringList{"btnMode5"};
    QTest::newRow("bit 6 -> mode 6") << quint8(0x40) << QStringList{"btnMode6"};
    QTest::newRow("bit 7 lights nothing") << quint8(0x80) << QStringList();
    QTest::newRow("two modes") << quint8(0x0A) << QStringList{"btnMode1", "btnMode3"};
}

void TestStandard::modeLampFollowsGroupBit()
{
    QFETCH(quint8, modeBits);
    QFETCH(QStringList, lit);

    PanelHarness panel;
    enterStandard(panel);
    panel.send('v', Frames::config());
    // Every lamp on first, so a lamp that fails to go out shows.
    panel.send('i', infoWithModes(0x7F));
    panel.send('i', infoWithModes(modeBits));

    for (int mode = 1; mode <= 7; ++mode) {
        const QString name = QStringLiteral("btnMode%1").arg(mode);
        QAbstractButton *button = panel.button(name);
        QVERIFY2(button, qPrintable(name));
        QCOMPARE(Looks::shown(button), lit.contains(name) ? LampOn : QString());
    }
}

void TestStandard::modeRequestUnlessExactlyOneMode_data()
{
    QTest::addColumn<quint8>("modeBits");
    QTest::addColumn<bool>("requested");

    QTest::newRow("no mode") << quint8(0x00) << true;
    QTest::newRow("mode 1") << quint8(0x02) << false;
    QTest::newRow("mode 7 (bit 0)") << quint8(0x01) << false;
    QTest::newRow("mode 6") << quint8(0x40) << false;
    QTest::newRow("two modes") << quint8(0x06) << true;
    QTest::newRow("all seven") << quint8(0x7F) << true;
    QTest::newRow("bit 7 alone does not count") << quint8(0x80) << true;
    QTest::newRow("bit 7 beside one mode") << quint8(0x81) << false;
}

void TestStandard::modeRequestUnlessExactlyOneMode()
{
    QFETCH(quint8, modeBits);
    QFETCH(bool, requested);

    PanelHarness panel;
    enterStandard(panel);
    panel.send('v', Frames::config());
    panel.send('i', infoWithModes(modeBits));

    QCOMPARE(panel.poll(), requested ? ModeOneRequest : QByteArray());

    // The request is made again on every refresh, not once.
    panel.send('i', infoWithModes(modeBits));
    QCOMPARE(panel.poll(), requested ? ModeOneRequest : QByteArray());
}

void TestStandard::noModeRequestWithoutConfig()
{
    PanelHarness panel;
    enterStandard(panel);
    QCOMPARE(panel.poll(), QByteArray());

    // Without a valid block no lamp can be judged: the configuration
    // request goes out, and the mode rule waits for the block.
    for (int i = 0; i < 3; ++i) {
        panel.send('i', infoWithModes(0x00));
        QCOMPARE(panel.poll(), Frames::command(CmdRequestConfig));
    }
    panel.send('v', Frames::config());
    panel.send('i', infoWithModes(0x00));
    QCOMPARE(panel.poll(), ModeOneRequest);
}

void TestStandard::modeButtonSendsModeSwitch_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QByteArray>("frame");

    QTest::newRow("mode 1") << "btnMode1" << Frames::modeSwitch(0x02);
    QTest::newRow("mode 2") << "btnMode2" << Frames::modeSwitch(0x04);
    QTest::newRow("mode 3") << "btnMode3" << Frames::modeSwitch(0x08);
    QTest::newRow("mode 4") << "btnMode4" << Frames::modeSwitch(0x10);
    QTest::newRow("mode 5") << "btnMode5" << Frames::modeSwitch(0x20);
    QTest::newRow("mode 6") << "btnMode6" << Frames::modeSwitch(0x40);
    QTest::newRow("mode 7") << "btnMode7" << Frames::modeSwitch(0x01);
}

void TestStandard::modeButtonSendsModeSwitch()
{
    QFETCH(QString, button);
    QFETCH(QByteArray, frame);

    PanelHarness panel;
    enterStandard(panel);
    panel.send('v', Frames::config());
    panel.send('i', infoWithModes(0x10)); // one mode active: no request of its own
    QCOMPARE(panel.poll(), QByteArray());

    panel.click(button);
    QCOMPARE(panel.poll(), frame);
    QCOMPARE(panel.screenName(), QStringLiteral("standard"));
}

void TestStandard::noModes2to6HidesButtonsOnEntryOnly()
{
    PanelHarness panel("[General]\nnomodes2_6=true\n");
    enterStandard(panel);

    const QStringList optional{"btnMode2", "btnMode6", "btnMode7"};
    const QStringList always{"btnMode1", "btnMode3", "btnMode4", "btnMode5"};
    for (const QString &name : optional)
        QVERIFY2(!panel.button(name)->isVisible(), qPrintable(name));
    for (const QString &name : always)
        QVERIFY2(panel.button(name)->isVisible(), qPrintable(name));

    // A hidden mode still lights its lamp and counts as the one active mode.
    panel.send('v', Frames::config());
    panel.send('i', infoWithModes(0x04));
    QCOMPARE(Looks::shown(panel.button("btnMode2")), LampOn);
    QCOMPARE(panel.poll(), QByteArray());

    // The key is read on entry only.
    {
        QFile file(panel.workingDirectory() + QStringLiteral("/kelvaron.ini"));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("[General]\nnomodes2_6=false\n");
    }
    panel.send('i', infoWithModes(0x04));
    for (const QString &name : optional)
        QVERIFY2(!panel.button(name)->isVisible(), qPrintable(name));

    panel.segue(QStringLiteral("eventlog"));
    panel.click(QStringLiteral("btnBack"));
    QCOMPARE(panel.screenName(), QStringLiteral("standard"));
    for (const QString &name : optional + always)
        QVERIFY2(panel.button(name)->isVisible(), qPrintable(name));
}

void TestStandard::refOkFollowsReferenceFlag_data()
{
    QTest::addColumn<quint8>("byte2");
    QTest::addColumn<bool>("shown");

    QTest::newRow("clear") << quint8(0x00) << false;
    QTest::newRow("set") << quint8(0x01) << true;
    QTest::newRow("other bits only") << quint8(0xFE) << false;
    QTest::newRow("set among others") << quint8(0x03) << true;
}

void TestStandard::refOkFollowsReferenceFlag()
{
    QFETCH(quint8, byte2);
    QFETCH(bool, shown);

    PanelHarness panel;
    enterStandard(panel);
    // The opposite state first, so a button that never changes shows.
    panel.send('i', infoWithModes(0x02, shown ? 0x00 : 0x01));
    QCOMPARE(panel.button("btnHoming")->isVisible(), !shown);

    panel.send('i', infoWithModes(0x02, byte2));
    QCOMPARE(panel.button("btnHoming")->isVisible(), shown);
    QCOMPARE(panel.button("btnHoming")->text(), QStringLiteral("Ref OK"));
}

void TestStandard::refOkSendsOnOffCommand()
{
    PanelHarness panel;
    enterStandard(panel);
    panel.send('v', Frames::config());
    panel.send('i', infoWithModes(0x02, 0x01));
    QCOMPARE(panel.poll(), QByteArray());

    panel.click(QStringLiteral("btnHoming"));
    QCOMPARE(panel.poll(), Frames::command(CmdOnOff));
    QCOMPARE(panel.screenName(), QStringLiteral("standard"));
}

void TestStandard::utilitiesButtonLeadsToUtilities()
{
    PanelHarness panel;
    enterStandard(panel);
    panel.click(QStringLiteral("btnUtilities"));
    QCOMPARE(panel.window().navigationHistory(), (QStringList{"start", "standard", "utilities"}));
    QCOMPARE(panel.screenName(), QStringLiteral("utilities"));
}

void TestStandard::unusedButtonsNeverShow()
{
    PanelHarness panel;
    enterStandard(panel);
    panel.send('v', Frames::config());
    panel.send('i', Frames::info({{2, 0xFF}, {10, 0xFF}, {6, 0xFF}}));

    for (const char *name : {"btnQuarter", "btnFull", "btnSensor", "btnProgmode"}) {
        QAbstractButton *button = panel.button(QString::fromLatin1(name));
        QVERIFY2(button, name);
        QVERIFY2(!button->isVisible(), name);
    }
    QVERIFY(!panel.widget<QLabel>("lblFire")->isVisible());
    // The header's pirate label does show on this screen (main bit 5).
    QVERIFY(panel.widget<QLabel>("lblPirate")->isVisible());
}

void TestStandard::statusLine_data()
{
    QTest::addColumn<QByteArray>("info");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("style");

    QTest::newRow("error") << Frames::info({{2, 0x20}}) << "System failure" << Looks::Error;
    QTest::newRow("error before warning") << Frames::info({{2, 0x88}}) << "Emergency halt" << Looks::Error;
    QTest::newRow("warning") << Frames::info({{2, 0x08}}) << "Sensor / switch error" << Looks::Warning;
    QTest::newRow("reference flag hides the error")
        << Frames::info({{2, 0x21}}) << "Ref: Find close" << Looks::Status;
    QTest::newRow("status") << Frames::info({{2, 0x01}, {26, 0x05}, {3, 0x02}}) << "Opening" << Looks::Status;
}

void TestStandard::statusLine()
{
    QFETCH(QByteArray, info);
    QFETCH(QString, text);
    QFETCH(QString, style);

    PanelHarness panel;
    enterStandard(panel);
    panel.send('i', info);

    auto *label = panel.widget<QLabel>("lblStatus");
    QVERIFY(label);
    QCOMPARE(label->text(), text);
    QCOMPARE(Looks::shown(label), style);
}

QTEST_MAIN(TestStandard)
#include "tst_standard.moc"
