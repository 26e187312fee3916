// Build B's main door screen: which state wins, what each state lets the
// operator choose, what blinks, when the screen asks for the normal mode,
// and the sealing button.

#include "frames.h"
#include "looks.h"
#include "mainwindow.h"
#include "panelharness.h"

#include <QtTest>

// Main I/O bits (info bytes 6..9) and group bits (group 0: byte 10, group 1:
// byte 14, group 2: byte 18) as a record of build B's type sets them.
struct Door
{
    bool locked = false;      // info byte 2 bit 1
    bool fire = false;        // main I/O bit 5
    bool security = false;    // main I/O bit 9
    bool sealed = false;      // main I/O bit 4
    quint8 modes = 0x08;      // group-0 bits 3..6: modes 1, 2, 3, 4
    bool sealingRequest = false; // group 1 bit 1
    bool externSealing = false;  // group 2 bit 1
    quint8 byte27 = 0x00;

    QByteArray record() const
    {
        return Frames::info({{0, 0x24},
                             {2, quint8(locked ? 0x02 : 0x00)},
                             {6, quint8((fire ? 0x20 : 0) | (sealed ? 0x10 : 0))},
                             {7, quint8(0x18 | (security ? 0x02 : 0))},
                             {10, modes},
                             {14, quint8(sealingRequest ? 0x02 : 0)},
                             {18, quint8(externSealing ? 0x02 : 0)},
                             {27, byte27}});
    }
};

Q_DECLARE_METATYPE(Door)

namespace {

// Mode 1 (normal): byte 0 = 0x08.
const QByteArray ModeOneRequest = Frames::modeSwitch(0x08);

// One letter per button: H hidden, B blinking, S struck through and
// disabled, L lit, Y lit yellow (exit only), P plain and enabled, D disabled
// otherwise.  Blinking is seen over two blink steps.
QString looks(PanelHarness &panel, const QStringList &buttons)
{
    QStringList before;
    for (const QString &name : buttons)
        before << Looks::shown(panel.button(name));
    panel.window().blinkEvent();
    panel.window().blinkEvent();
    panel.window().blinkEvent();

    QString result;
    for (int i = 0; i < buttons.size(); ++i) {
        QAbstractButton *button = panel.button(buttons[i]);
        const QString style = Looks::shown(button);
        if (!button->isVisible())
            result += 'H';
        else if (style != before[i])
            result += 'B';
        else if (style.contains("line-through") && !button->isEnabled())
            result += 'S';
        else if (!button->isEnabled())
            result += 'D';
        else if (style.contains("lime"))
            result += 'L';
        else if (style.contains("yellow"))
            result += 'Y';
        else if (style.isEmpty())
            result += 'P';
        else
            result += '?';
    }
    return result;
}

const QStringList Buttons = {"btnMode1", "btnMode2", "btnMode4", "btnOpen", "btnSealing"};

} // namespace

class TestStandardB : public QObject
{
    Q_OBJECT

private slots:
    void states_data();
    void states();
    void holdToRunTakesOver();
    void sealingButtonSendsSealing();
};

// The main door screen with a configuration block held and `door` reported;
// returns what the screen asked for after that record.
static QByteArray show(PanelHarness &panel, const Door &door, quint8 options = 0x01)
{
    panel.click("pushButton");
    panel.send('v', Frames::config({{34, options}}));
    panel.send('i', door.record());
    panel.written();
    return panel.poll();
}

void TestStandardB::states_data()
{
    QTest::addColumn<Door>("door");
    QTest::addColumn<int>("options");
    QTest::addColumn<QString>("looks"); // mode 1, mode 2, exit only, open, sealing
    QTest::addColumn<bool>("modeOneAsked");
    QTest::addColumn<QString>("exitOnlyText");

    const QString exitOnly = "Pushbutton\nEXIT ONLY";
    const QString security = "Exit Only\nSecurity\nSystem";
    Door d;
    auto row = [&](const char *name, Door door, int options, const char *look, bool asked, const QString &text) {
        QTest::newRow(name) << door << options << QString(look) << asked << text;
    };

    row("normal, mode 1", d, 1, "LPPPH", false, exitOnly);
    d.modes = 0x10;
    row("normal, permanent open", d, 1, "PLPPH", false, exitOnly);
    d.modes = 0x40;
    row("normal, exit only", d, 1, "PPYPH", false, exitOnly);
    row("exit only locked out by byte 34", d, 0, "PPSPH", false, exitOnly);
    d.modes = 0x00;
    row("normal, no mode: mode 1 asked", d, 1, "PPPPH", true, exitOnly);
    d.modes = 0x18;
    row("normal, two modes: mode 1 asked", d, 1, "LLPPH", true, exitOnly);
    d.modes = 0x10;
    d.externSealing = true;
    row("extern sealing strikes permanent open and asks mode 1", d, 1, "PSPPH", true, exitOnly);

    Door all;
    all.locked = all.fire = all.security = true;
    all.modes = 0x00;
    row("locked over fire and security", all, 1, "SSSSH", false, exitOnly);

    Door fire;
    fire.fire = fire.security = true;
    fire.modes = 0x00;
    row("fire over security: mode 1 blinks and is asked", fire, 1, "BSSHH", true, exitOnly);
    fire.modes = 0x08;
    row("fire, mode 1 reported: not asked", fire, 1, "BSSHH", false, exitOnly);

    Door sec;
    sec.security = true;
    row("security system: exit only blinks", sec, 1, "SSBHH", false, security);
    sec.modes = 0x10;
    row("security system, permanent open: mode 1 asked", sec, 1, "SSBHH", true, security);
    sec.modes = 0x08;
    sec.externSealing = true;
    row("security system, extern sealing: sealing shows and blinks", sec, 1, "SSBHB", false, security);
    sec.sealingRequest = true;
    sec.byte27 = 0x02;
    row("security system, sealing under way: lit, disabled", sec, 1, "SSBHD", false, security);
}

void TestStandardB::states()
{
    QFETCH(Door, door);
    QFETCH(int, options);
    QFETCH(QString, looks);
    QFETCH(bool, modeOneAsked);
    QFETCH(QString, exitOnlyText);

    PanelHarness panel;
    const QByteArray asked = show(panel, door, quint8(options));
    QCOMPARE(panel.screenName(), QStringLiteral("standard"));
    QCOMPARE(::looks(panel, Buttons), looks);
    QCOMPARE(asked.toHex(' '), (modeOneAsked ? ModeOneRequest : QByteArray()).toHex(' '));
    QCOMPARE(panel.button("btnMode4")->text(), exitOnlyText);
}

void TestStandardB::holdToRunTakesOver()
{
    PanelHarness panel;
    Door door;
    door.byte27 = 0x01;
    show(panel, door);
    QCOMPARE(panel.screenName(), QStringLiteral("totmann"));
}

// The sealing button shows only once a security-system state with extern
// sealing has shown it; it keeps showing after, and sends command 8 once
// the sealing is no longer extern.
void TestStandardB::sealingButtonSendsSealing()
{
    PanelHarness panel;
    Door security;
    security.security = true;
    show(panel, security);
    QVERIFY(!panel.button("btnSealing")->isVisible());

    security.externSealing = true;
    panel.send('i', security.record());
    QVERIFY(panel.button("btnSealing")->isVisible());
    QCOMPARE(panel.button("btnSealing")->text(), QStringLiteral("Extern\nSealing"));
    QVERIFY(!panel.button("btnSealing")->isEnabled());

    panel.send('i', Door{}.record());
    QCOMPARE(panel.button("btnSealing")->text(), QStringLiteral("Sealing"));
    panel.written();
    panel.click("btnSealing");
    QCOMPARE(panel.poll().toHex(' '), Frames::command(CmdSealing).toHex(' '));
}

QTEST_MAIN(TestStandardB)
#include "tst_standard_b.moc"
