#include "doorsim.h"

#include "iolayout.h"
#include "recordbits.h"

#include <QTime>
#include <QtEndian>

#include <cctype>

namespace {

constexpr char PanelStart = '!';
constexpr char ControllerStart = '?';
constexpr int InfoSize = 28;
constexpr int ConfigSize = 100;
constexpr int GroupZeroWord = IoLayout::group(0).word;
constexpr int ReferenceDone = 0x05; // the reference step: none in any build
// The sealing request as the simulator sends it: group 1's levels are 1.
constexpr RecordBit SealingRequest{IoLayout::group(GroupIo::SealingRequest.group).word + GroupIo::SealingRequest.bit / 8,
                                   GroupIo::SealingRequest.bit % 8};

const DoorBuild builds[] = {
    // letter, type, mode masks (mode 1 first), hold-open modes, reference steps,
    // sensor commands, open command, sealing command, lock output
    {'a', 0x18, {0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x01}, 0x08 | 0x10, {0, 1, 2, 3, 4}, true, false, false, -1},
    {'b', 0x24, {0x08, 0x10, 0x20, 0x40}, 0x10, {0, 1, 2}, false, true, true, MainIo::Locked},
    {'c', 0x11, {0x02, 0x04, 0x08, 0x10, 0x20, 0x40}, 0x08 | 0x10, {1, 2, 3}, false, true, false, -1},
};

quint8 sumOf(const QByteArray &bytes)
{
    quint8 sum = 0;
    for (char byte : bytes)
        sum += static_cast<quint8>(byte);
    return sum;
}

// Version text, '=', every active level 1 (active when set), a service
// interval of 1000.
QByteArray defaultConfig()
{
    QByteArray block(ConfigSize, '\0');
    block.replace(0, 5, "S1.0=");
    block.replace(IoLayout::MainLevels, IoLayout::MainLevelBytes, QByteArray(IoLayout::MainLevelBytes, '\xff'));
    for (const IoLayout::Group &group : IoLayout::Groups)
        block.replace(group.levels, IoLayout::GroupLevelBytes, QByteArray(IoLayout::GroupLevelBytes, '\xff'));
    constexpr quint16 serviceInterval = 1000;
    block[80] = static_cast<char>(serviceInterval & 0xFF);
    block[81] = static_cast<char>(serviceInterval >> 8);
    return block;
}

// "3f 02 69" or "3f0269"; anything that is not hex digits and blanks fails.
bool parseHex(const QString &text, QByteArray *bytes)
{
    QString digits = text;
    digits.remove(QLatin1Char(' '));
    if (digits.size() % 2 != 0)
        return false;
    for (QChar c : digits) {
        if (!isxdigit(c.toLatin1()))
            return false;
    }
    *bytes = QByteArray::fromHex(digits.toLatin1());
    return true;
}

// "1b=01 02=ff" into `target`: index and value in hex.
QString setBytes(const QStringList &assignments, QByteArray *target)
{
    if (assignments.isEmpty())
        return QStringLiteral("expected index=value pairs");
    for (const QString &assignment : assignments) {
        const QStringList parts = assignment.split(QLatin1Char('='));
        bool indexOk = false, valueOk = false;
        const int index = parts.value(0).toInt(&indexOk, 16);
        const int value = parts.value(1).toInt(&valueOk, 16);
        if (parts.size() != 2 || !indexOk || !valueOk || index < 0 || index >= target->size()
            || value < 0 || value > 0xFF)
            return QStringLiteral("bad assignment '%1'").arg(assignment);
        (*target)[index] = static_cast<char>(value);
    }
    return {};
}

// "on" or "off" into `on`.
bool parseSwitch(const QString &word, bool *on)
{
    if (word != QLatin1String("on") && word != QLatin1String("off"))
        return false;
    *on = word == QLatin1String("on");
    return true;
}

struct NamedBit {
    const char *name;
    RecordBit flag;
};

// Faults and warnings the console raises, and the supplies it switches.
const NamedBit faults[] = {
    {"system", InfoBit::SystemFailure}, {"operation", InfoBit::FaultOnOperation},
    {"reboot", InfoBit::FaultOnReboot}, {"halt", InfoBit::EmergencyHalt},
};
const NamedBit warnings[] = {
    {"sensor", InfoBit::SensorError}, {"service", InfoBit::ServiceNeeded},
};
const NamedBit supplies[] = {
    {"230v", InfoBit::Supply230V}, {"hp", InfoBit::Supply230VHP},
};

template <size_t N>
const NamedBit *findBit(const NamedBit (&table)[N], const QString &name)
{
    for (const NamedBit &entry : table) {
        if (name == QLatin1String(entry.name))
            return &entry;
    }
    return nullptr;
}

} // namespace

const DoorBuild *DoorBuild::byName(const QString &name)
{
    for (const DoorBuild &build : builds) {
        if (name.size() == 1 && name.at(0).toLower() == QLatin1Char(build.letter))
            return &build;
    }
    return nullptr;
}

// A door at rest: closed (and locked where the build locks it), reference
// run done, both supplies good, control on, no mode active yet (the panel
// asks for one).
DoorController::DoorController(const DoorBuild &build, bool answerConfig)
    : build(build)
    , answerConfig(answerConfig)
    , infoRecord(InfoSize, '\0')
    , configBlock(defaultConfig())
{
    infoRecord[0] = static_cast<char>(build.type);
    infoRecord[InfoBit::ReferenceStepByte] = ReferenceDone;
    setBit(InfoBit::Supply230V, true);
    setBit(InfoBit::Supply230VHP, true);
    setCounters(1200, 200);
    enter(Motion::Closed);
}

QByteArray DoorController::frame(char type, const QByteArray &payload)
{
    QByteArray frame;
    frame.append(ControllerStart);
    frame.append(static_cast<char>(payload.size() + 2));
    frame.append(type);
    frame.append(payload);
    frame.append(static_cast<char>(sumOf(frame)));
    return frame;
}

QByteArray DoorController::answer(const QByteArray &frame)
{
    if (frame.size() < 4 || frame.at(0) != PanelStart)
        return {};
    const QByteArray payload = frame.mid(3, frame.size() - 4);
    switch (frame.at(2)) {
    case 'v':
        return answerConfig ? DoorController::frame('v', configBlock) : QByteArray();
    case 't':
        return DoorController::frame('t', counterRecord);
    case 'd':
        if (!payload.isEmpty())
            switchMode(static_cast<quint8>(payload.at(0)));
        return {};
    case 'W':
        configBlock = payload.leftJustified(ConfigSize, '\0', true);
        enter(door); // the closed input follows its (new) active level
        return {};
    case 'c':
        if (payload.size() == 1)
            runCommand(payload.at(0));
        return {};
    default:
        return {};
    }
}

void DoorController::runCommand(char letter)
{
    switch (letter) {
    case 0x1B: // on / off
        setBit(InfoBit::ControlOff, !bit(InfoBit::ControlOff));
        break;
    case 'D': // deadman: hold-to-run operation on / off
        setBit(InfoBit::HoldToRun, !bit(InfoBit::HoldToRun));
        break;
    case 'R':
        if (referenceStep < 0 && mayMove()) {
            referenceStep = 0;
            beatsLeft = ReferenceStepBeats;
            setBit(InfoBit::Reference, true);
            setReferenceStep(build.referenceSteps.first());
        }
        break;
    case 'S': // service done: the service count starts again
        setCounters(qFromLittleEndian<qint32>(counterRecord.constData()),
                    qFromLittleEndian<qint32>(counterRecord.constData()));
        setBit(InfoBit::ServiceNeeded, false);
        break;
    case 'O':
        if (build.openCommand)
            startOpening();
        break;
    case 'L':
        if (build.sealingCommand && door == Motion::Closed) {
            const bool sealed = !bit(SealingRequest);
            setBit(SealingRequest, sealed);
            setMainIo(MainIo::Seaworthy, sealed);
        }
        break;
    case '1': case '2': case '3': case '4': // a sensor on / off
        if (build.sensorCommands)
            setBit(InfoBit::sensorOff(letter - '1'), !bit(InfoBit::sensorOff(letter - '1')));
        break;
    default: // 'X' and unknown letters: nothing
        break;
    }
}

// The mask lands in the group-0 word, so exactly that mode's lamp lights.
// A mask that is no mode of this build changes nothing.
void DoorController::switchMode(quint8 mask)
{
    if (!build.modeMasks.contains(mask))
        return;
    infoRecord.replace(GroupZeroWord, 4, QByteArray(4, '\0'));
    infoRecord[GroupZeroWord] = static_cast<char>(mask);
    heldOpen = (mask & build.holdOpenMasks) != 0;
    if (heldOpen)
        startOpening();
}

void DoorController::beat()
{
    if (!mayMove() || (door == Motion::Closed && referenceStep < 0) || --beatsLeft > 0)
        return;
    if (referenceStep >= 0) {
        if (++referenceStep < build.referenceSteps.size()) {
            setReferenceStep(build.referenceSteps.at(referenceStep));
            beatsLeft = ReferenceStepBeats;
        } else {
            referenceStep = -1;
            setReferenceStep(ReferenceDone);
            setBit(InfoBit::Reference, false);
            enter(Motion::Closed);
        }
        return;
    }
    switch (door) {
    case Motion::Closed:
        break;
    case Motion::Opening:
        enter(Motion::Open);
        break;
    case Motion::Open:
        if (heldOpen)
            beatsLeft = 1;
        else
            enter(Motion::Closing);
        break;
    case Motion::Closing:
        enter(Motion::Closed);
        break;
    }
}

bool DoorController::mayMove() const
{
    bool faulted = bit(InfoBit::MotionFault);
    for (const NamedBit &fault : faults)
        faulted = faulted || bit(fault.flag);
    return !bit(InfoBit::ControlOff) && !faulted && !bit(InfoBit::SafetyStop);
}

void DoorController::startOpening()
{
    if (!mayMove() || referenceStep >= 0)
        return;
    if (door == Motion::Closed || door == Motion::Closing)
        enter(Motion::Opening);
    else if (door == Motion::Open)
        beatsLeft = OpenBeats;
}

void DoorController::startClosing()
{
    if (mayMove() && (door == Motion::Open || door == Motion::Opening))
        enter(Motion::Closing);
}

void DoorController::enter(Motion motion)
{
    door = motion;
    setBit(InfoBit::Opening, motion == Motion::Opening);
    setBit(InfoBit::Closing, motion == Motion::Closing);
    setMainIo(MainIo::DoorClosed, motion == Motion::Closed);
    if (build.lockOutput >= 0)
        setMainIo(build.lockOutput, motion == Motion::Closed);
    if (motion != Motion::Closed && build.sealingCommand) {
        setBit(SealingRequest, false);
        setMainIo(MainIo::Seaworthy, false);
    }
    switch (motion) {
    case Motion::Closed: beatsLeft = 0; break;
    case Motion::Opening: beatsLeft = OpeningBeats; break;
    case Motion::Open: beatsLeft = OpenBeats; break;
    case Motion::Closing: beatsLeft = ClosingBeats; break;
    }
}

bool DoorController::bit(RecordBit flag) const
{
    return (static_cast<quint8>(infoRecord.at(flag.byte)) >> flag.bit) & 1;
}

void DoorController::setBit(RecordBit flag, bool on)
{
    const quint8 mask = static_cast<quint8>(1u << flag.bit);
    const quint8 value = static_cast<quint8>(infoRecord.at(flag.byte));
    infoRecord[flag.byte] = static_cast<char>(on ? value | mask : value & ~mask);
}

void DoorController::setReferenceStep(int step)
{
    const int byte = InfoBit::ReferenceStepByte;
    infoRecord[byte] = static_cast<char>((infoRecord.at(byte) & ~InfoBit::ReferenceStepMask) | step);
}

// A main I/O bit at its active level (from the configuration block) when
// `active`, at the other level when not.
void DoorController::setMainIo(int bit, bool active)
{
    const bool level = (static_cast<quint8>(configBlock.at(IoLayout::MainLevels + bit / 8)) >> (bit % 8)) & 1;
    setBit({IoLayout::MainWord + bit / 8, bit % 8}, active == level);
}

void DoorController::setCounters(qint32 a, qint32 b)
{
    counterRecord = QByteArray(8, '\0');
    qToLittleEndian(a, counterRecord.data());
    qToLittleEndian(b, counterRecord.data() + 4);
}

QString DoorController::commandHelp()
{
    return QStringLiteral(
        "  open                       open the door once (as its push button would)\n"
        "  close                      close an open door now\n"
        "  fault system|operation|reboot|halt on|off\n"
        "                             system failure, fault on operation, fault on\n"
        "                             reboot, emergency halt\n"
        "  warning sensor|service on|off\n"
        "                             sensor / switch error, service needed\n"
        "  supply 230v|hp ok|error    the supplies \"230V\" and \"230V HP\"\n"
        "  safetystop on|off          the safety stop\n"
        "  nosafety on|off            \"No safety\"\n"
        "  control on|off             the door control on or off\n"
        "  holdtorun on|off           hold-to-run operation (b: the hold-to-run screen;\n"
        "                             a: the same bit shows sensor 1 off)\n"
        "  input <bit> on|off         main I/O bit 0 to 31 at its active level or not\n"
        "                             (b: 4 seaworthy, 5 fire, 9 security system, 19 locked)\n"
        "  info 02=01 1b=01           set information record bytes (index=value, hex)\n"
        "  config 10=00               set configuration block bytes (index=value, hex)\n"
        "  counters 1200 200          set the two counters of the counters record\n");
}

QString DoorController::command(const QString &line)
{
    QStringList words = line.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty())
        return {};
    const QString verb = words.takeFirst();
    bool on = false;
    const bool switched = words.size() == 1 ? parseSwitch(words[0], &on)
                        : words.size() == 2 ? parseSwitch(words[1], &on) : false;

    if (verb == QLatin1String("info"))
        return setBytes(words, &infoRecord);
    if (verb == QLatin1String("config"))
        return setBytes(words, &configBlock);
    if (verb == QLatin1String("counters") && words.size() == 2) {
        bool aOk = false, bOk = false;
        const qint32 a = words[0].toInt(&aOk);
        const qint32 b = words[1].toInt(&bOk);
        if (!aOk || !bOk)
            return QStringLiteral("counters take two numbers");
        setCounters(a, b);
        return {};
    }
    if (verb == QLatin1String("open") && words.isEmpty()) {
        if (!mayMove() || referenceStep >= 0)
            return QStringLiteral("the door may not move now (control off, fault, safety stop or reference run)");
        startOpening();
        return {};
    }
    if (verb == QLatin1String("close") && words.isEmpty()) {
        if (heldOpen)
            return QStringLiteral("the chosen mode holds the door open");
        startClosing();
        return {};
    }
    const NamedBit *named = nullptr;
    if (words.size() == 2 && switched) {
        if (verb == QLatin1String("fault"))
            named = findBit(faults, words[0]);
        else if (verb == QLatin1String("warning"))
            named = findBit(warnings, words[0]);
        if (named) {
            setBit(named->flag, on);
            return {};
        }
    }
    if (verb == QLatin1String("supply") && words.size() == 2 && (named = findBit(supplies, words[0]))
        && (words[1] == QLatin1String("ok") || words[1] == QLatin1String("error"))) {
        setBit(named->flag, words[1] == QLatin1String("ok"));
        return {};
    }
    if (words.size() == 1 && switched) {
        if (verb == QLatin1String("safetystop")) {
            setBit(InfoBit::SafetyStop, on);
            return {};
        }
        if (verb == QLatin1String("nosafety")) {
            setBit(InfoBit::NoSafety, on);
            return {};
        }
        if (verb == QLatin1String("control")) {
            setBit(InfoBit::ControlOff, !on);
            return {};
        }
        if (verb == QLatin1String("holdtorun")) {
            setBit(InfoBit::HoldToRun, on);
            return {};
        }
    }
    if (verb == QLatin1String("input") && words.size() == 2 && switched) {
        bool ok = false;
        const int bit = words[0].toInt(&ok);
        if (!ok || bit < 0 || bit > 31)
            return QStringLiteral("input takes a bit from 0 to 31");
        setMainIo(bit, on);
        return {};
    }
    return QStringLiteral("unknown command '%1'").arg(line.simplified());
}

DoorSim::DoorSim(const Options &options, QFile *log, QObject *parent)
    : QObject(parent)
    , options(options)
    , controller(*options.build, options.answerConfig)
    , log(log)
{
    port.setPortName(options.port);
    port.setBaudRate(QSerialPort::Baud57600);
    connect(&port, &QSerialPort::readyRead, this, &DoorSim::readPanel);

    pace.setInterval(options.intervalMs);
    connect(&pace, &QTimer::timeout, this, &DoorSim::sendInfo);
}

bool DoorSim::start(QString *error)
{
    if (!port.open(QIODevice::ReadWrite)) {
        *error = QStringLiteral("cannot open %1: %2").arg(options.port, port.errorString());
        return false;
    }
    if (!options.paused)
        pace.start();
    return true;
}

QString DoorSim::commandHelp()
{
    return DoorController::commandHelp()
        + QStringLiteral(
            "  pause | resume             stop or restart the periodic records (and the door)\n"
            "  interval 100               pace of the periodic records in ms\n"
            "  tick                       one beat of the door and one information record now\n"
            "  frame i 18 00 01           send a controller frame of that type and payload\n"
            "  send 3f 02 69 aa           send raw bytes (hex)\n"
            "  plus                       send a lone '+'\n"
            "  quit                       end the simulator (the panel goes on without\n"
            "                             a controller)\n");
}

QString DoorSim::command(const QString &line)
{
    QStringList words = line.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty())
        return {};
    const QString verb = words.takeFirst();
    QByteArray bytes;

    if (verb == QLatin1String("pause") && words.isEmpty()) {
        pace.stop();
        return {};
    }
    if (verb == QLatin1String("resume") && words.isEmpty()) {
        pace.start();
        return {};
    }
    if (verb == QLatin1String("interval") && words.size() == 1) {
        bool ok = false;
        const int ms = words[0].toInt(&ok);
        if (!ok || ms < 1)
            return QStringLiteral("interval takes milliseconds");
        pace.setInterval(ms);
        return {};
    }
    if (verb == QLatin1String("tick") && words.isEmpty()) {
        sendInfo();
        return {};
    }
    if (verb == QLatin1String("plus") && words.isEmpty()) {
        sendRaw("+");
        return {};
    }
    if (verb == QLatin1String("send") && parseHex(words.join(QLatin1Char(' ')), &bytes) && !bytes.isEmpty()) {
        sendRaw(bytes);
        return {};
    }
    if (verb == QLatin1String("frame") && !words.isEmpty() && words[0].size() == 1
        && parseHex(words.mid(1).join(QLatin1Char(' ')), &bytes)) {
        sendRaw(DoorController::frame(words[0].at(0).toLatin1(), bytes));
        return {};
    }
    if (verb == QLatin1String("quit") && words.isEmpty()) {
        emit quitRequested();
        return {};
    }
    return controller.command(line);
}

void DoorSim::readPanel()
{
    rxBuffer.append(port.readAll());
    for (;;) {
        const int start = rxBuffer.indexOf(PanelStart);
        if (start != 0) {
            const QByteArray junk = start < 0 ? rxBuffer : rxBuffer.left(start);
            if (!junk.isEmpty())
                logLine(junk, "(no frame)");
            rxBuffer.remove(0, junk.size());
        }
        if (rxBuffer.size() < 4)
            return;
        const int length = static_cast<quint8>(rxBuffer.at(1)) + 2;
        if (rxBuffer.size() < length)
            return;
        const QByteArray frame = rxBuffer.left(length);
        rxBuffer.remove(0, length);
        if (sumOf(frame.left(length - 1)) != static_cast<quint8>(frame.at(length - 1))) {
            logLine(frame, "(bad sum)");
            continue;
        }
        logLine(frame);
        const QByteArray reply = controller.answer(frame);
        if (!reply.isEmpty())
            sendRaw(reply);
    }
}

void DoorSim::sendRaw(const QByteArray &bytes)
{
    port.write(bytes);
}

void DoorSim::sendInfo()
{
    controller.beat();
    sendRaw(DoorController::frame('i', controller.info()));
}

void DoorSim::logLine(const QByteArray &bytes, const char *note)
{
    QByteArray line = QTime::currentTime().toString(QStringLiteral("hh:mm:ss.zzz")).toLatin1();
    line += ' ';
    line += bytes.toHex(' ');
    if (note) {
        line += ' ';
        line += note;
    }
    line += '\n';
    log->write(line);
    log->flush();
}
