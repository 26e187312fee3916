// The door-controller simulator's logic in-process: what it answers to each
// frame the panel can send, and what each frame and console command does to
// the information record, build by build.  Steps of a row: a panel frame
// in hex, "beat N" (N records' worth of the door's clock) or "> command"
// (a console line).  Checks: "b3&06=02" (byte 3 masked with 06 reads 02).

#include "doorsim.h"
#include "frames.h"

#include <QtTest>

namespace {

QString hexText(const QByteArray &frame)
{
    return QString::fromLatin1(frame.toHex(' '));
}

QString modeSwitch(quint8 mask)
{
    return hexText(Frames::modeSwitch(mask));
}

const QString OnOff = hexText(Frames::command(CmdOnOff));
const QString Deadman = hexText(Frames::command(CmdDeadman));
const QString Reference = hexText(Frames::command(CmdReference));
const QString Counters = hexText(Frames::command(CmdRequestCounters));
const QString ResetService = hexText(Frames::command(CmdResetService));
const QString Open = hexText(Frames::command(CmdOpen));
const QString Sealing = hexText(Frames::command(CmdSealing));
const QString Sensor2 = hexText(Frames::command(CmdSensor2));
const QString ConfigRequest = hexText(Frames::command(CmdRequestConfig));

QString beats(int n) { return QStringLiteral("beat %1").arg(n); }

} // namespace

class tst_doorsim : public QObject
{
    Q_OBJECT

private slots:
    void replies_data();
    void replies();
    void badCommands_data();
    void badCommands();
};

void tst_doorsim::replies_data()
{
    QTest::addColumn<QString>("build");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("reply"); // the start of all answers, in hex
    QTest::addColumn<QString>("checks");
    auto row = [](const char *name, const char *build, const QStringList &steps, const char *reply,
                  const char *checks) {
        QTest::newRow(name) << QString::fromLatin1(build) << steps << QString::fromLatin1(reply)
                            << QString::fromLatin1(checks);
    };
    const int cycle = DoorController::OpeningBeats;
    const int dwell = DoorController::OpenBeats;
    const int closing = DoorController::ClosingBeats;
    const int step = DoorController::ReferenceStepBeats;

    row("a: at rest", "a", {}, "", "b0=18 b2=00 b3=00 b6&01=01 b7=18 b10=00 b26=05 b27=00");
    row("b: at rest, locked", "b", {}, "", "b0=24 b6&01=01 b8&08=08");
    row("c: at rest", "c", {}, "", "b0=11 b6&01=01");
    row("configuration request", "a", {ConfigRequest}, "3f 66 76 53 31 2e 30 3d", "");
    row("configuration request, --no-config", "a --no-config", {ConfigRequest}, "", "");
    row("counters request", "b", {Counters}, "3f 0a 74 b0 04 00 00 c8 00 00 00", "");
    row("service reset", "c", {"> warning service on", ResetService, Counters},
        "3f 0a 74 b0 04 00 00 b0 04 00 00", "b26&10=00");
    for (const char *build : {"a", "b", "c"}) {
        const DoorBuild *door = DoorBuild::byName(QString::fromLatin1(build));
        for (int mode = 1; mode <= door->modeMasks.size(); ++mode) {
            const quint8 mask = door->modeMasks.at(mode - 1);
            QTest::addRow("%s: mode %d", build, mode)
                << QString::fromLatin1(build) << QStringList{modeSwitch(mask)} << QString()
                << QStringLiteral("b10=%1 b11=00").arg(mask, 2, 16, QLatin1Char('0'));
        }
    }
    row("b: no mode of the build", "b", {modeSwitch(0x02)}, "", "b10=00");
    row("c: mode 7 (no mask)", "c", {modeSwitch(0x10), modeSwitch(0x00)}, "", "b10=10");
    row("a: full open starts opening", "a", {modeSwitch(0x10)}, "", "b3&06=02 b6&01=00");
    row("a: full open holds the door open", "a", {modeSwitch(0x10), beats(cycle + 100)}, "", "b3&06=00 b6&01=00");
    row("a: mode 1 lets it close", "a", {modeSwitch(0x10), beats(cycle), modeSwitch(0x02), beats(dwell)}, "",
        "b3&06=04 b6&01=00");
    row("a: ... and closed", "a", {modeSwitch(0x10), beats(cycle), modeSwitch(0x02), beats(dwell + closing)},
        "", "b3&06=00 b6&01=01");
    row("b: permanent open", "b", {modeSwitch(0x10), beats(cycle)}, "", "b3&06=00 b6&01=00 b8&08=00");
    row("a: no open command", "a", {Open}, "", "b3&06=00 b6&01=01");
    row("b: open: opening, unlocked", "b", {Open}, "", "b3&06=02 b6&01=00 b8&08=00");
    row("b: open: open", "b", {Open, beats(cycle)}, "", "b3&06=00 b6&01=00");
    row("b: open: closing", "b", {Open, beats(cycle + dwell)}, "", "b3&06=04 b6&01=00");
    row("b: open: closed and locked", "b", {Open, beats(cycle + dwell + closing)}, "", "b3&06=00 b6&01=01 b8&08=08");
    row("c: open", "c", {Open, beats(cycle - 1)}, "", "b3&06=02");
    row("c: open while control off", "c", {OnOff, Open}, "", "b2&02=02 b3&06=00");
    row("on / off twice", "a", {OnOff, OnOff}, "", "b2&02=00");
    row("safety stop freezes the door", "b", {Open, "> safetystop on", beats(50)}, "", "b3&06=02 b5&20=20");
    row("a: reference run starts", "a", {Reference}, "", "b2&01=01 b26=00");
    row("a: reference step 4", "a", {Reference, beats(4 * step)}, "", "b2&01=01 b26=04");
    row("a: reference run done", "a", {Reference, beats(5 * step)}, "", "b2&01=00 b26=05");
    row("b: reference step 2", "b", {Reference, beats(2 * step)}, "", "b26=02");
    row("b: reference run done", "b", {Reference, beats(3 * step)}, "", "b2&01=00 b26=05");
    row("c: reference run starts at 1", "c", {Reference}, "", "b26=01");
    row("deadman", "b", {Deadman}, "", "b27&01=01");
    row("a: sensor 2 off", "a", {Sensor2}, "", "b27=02");
    row("c: no sensor commands", "c", {Sensor2}, "", "b27=00");
    row("b: sealing", "b", {Sealing}, "", "b6&10=10 b14&02=02");
    row("b: opening unseals", "b", {Sealing, Open}, "", "b6&10=00 b14&02=00");
    row("a: no sealing", "a", {Sealing}, "", "b6&10=00 b14=00");
    row("command X does nothing", "a", {hexText(Frames::command(CmdX))}, "", "b2=00 b3=00 b27=00");
    QByteArray block(100, '\0');
    block.replace(0, 5, "T2.0=");
    block[16] = static_cast<char>(0xFE); // door closed: input 0 clear
    row("configuration write, read back", "a",
        {hexText(Frames::panel('W', block)), ConfigRequest}, "3f 66 76 54 32 2e 30 3d 00",
        "b6&01=00");
    row("> fault system on", "a", {"> fault system on"}, "", "b2=20");
    row("> fault halt on, off", "a", {"> fault halt on", "> fault halt off"}, "", "b2=00");
    row("> warning sensor on", "a", {"> warning sensor on"}, "", "b2=08");
    row("> supply 230v error", "a", {"> supply 230v error"}, "", "b7=10");
    row("> supply hp error", "a", {"> supply hp error"}, "", "b7=08");
    row("> nosafety on", "a", {"> nosafety on"}, "", "b2=04");
    row("> control off", "a", {"> control off"}, "", "b2=02");
    row("> holdtorun on", "b", {"> holdtorun on"}, "", "b27=01");
    row("> input 5 on", "b", {"> input 5 on"}, "", "b6&20=20");
    row("> open, close", "a", {"> open", beats(cycle), "> close"}, "", "b3&06=04");
    row("> info, counters", "a", {"> info 1b=03", "> counters 5 6", Counters}, "3f 0a 74 05 00 00 00 06", "b27=03");
}

void tst_doorsim::replies()
{
    QFETCH(QString, build);
    QFETCH(QStringList, steps);
    QFETCH(QString, reply);
    QFETCH(QString, checks);

    DoorController door(*DoorBuild::byName(build.left(1)), !build.contains(QLatin1String("--no-config")));
    QByteArray replies;
    for (const QString &step : steps) {
        if (step.startsWith(QLatin1String("> "))) {
            QCOMPARE(door.command(step.mid(2)), QString());
        } else if (step.startsWith(QLatin1String("beat "))) {
            for (int n = step.mid(5).toInt(); n > 0; --n)
                door.beat();
        } else {
            replies += door.answer(QByteArray::fromHex(step.toLatin1()));
        }
    }
    const QByteArray expected = QByteArray::fromHex(reply.toLatin1());
    QVERIFY2(replies.startsWith(expected) && (expected.isEmpty() == replies.isEmpty()), replies.toHex(' '));

    for (const QString &check : checks.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList parts = check.mid(1).split(QRegularExpression(QStringLiteral("[&=]")));
        const int byte = parts.first().toInt();
        const int mask = parts.size() == 3 ? parts.at(1).toInt(nullptr, 16) : 0xFF;
        const int value = parts.last().toInt(nullptr, 16);
        QVERIFY2((static_cast<quint8>(door.info().at(byte)) & mask) == value,
                 qPrintable(check + QStringLiteral(" in ") + QString::fromLatin1(door.info().toHex(' '))));
    }
}

void tst_doorsim::badCommands_data()
{
    QTest::addColumn<QString>("line");
    for (const char *line : {"fault fire on", "fault system", "warning service maybe", "supply 230v on",
                             "input 32 on", "input x on", "safetystop", "counters 1", "info 1c=00", "nonsense"})
        QTest::newRow(line) << QString::fromLatin1(line);
}

// A line the console does not understand is reported and changes nothing.
void tst_doorsim::badCommands()
{
    QFETCH(QString, line);
    DoorController door(*DoorBuild::byName(QStringLiteral("a")));
    const QByteArray before = door.info();
    QVERIFY(!door.command(line).isEmpty());
    QCOMPARE(door.info(), before);
}

QTEST_GUILESS_MAIN(tst_doorsim)
#include "tst_doorsim.moc"
