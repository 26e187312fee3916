#include "doorsim.h"

#include <QTime>
#include <QtEndian>

#include <cctype>

namespace {

constexpr char PanelStart = '!';
constexpr char ControllerStart = '?';
constexpr int InfoSize = 28;
constexpr int ConfigSize = 100;
constexpr int GroupZeroWord = 10; // information record bytes 10 to 13

quint8 sumOf(const QByteArray &bytes)
{
    quint8 sum = 0;
    for (char byte : bytes)
        sum += static_cast<quint8>(byte);
    return sum;
}

// A door at rest: closed, reference run done, both supplies good, no mode
// active yet (the panel asks for one).
QByteArray defaultInfo()
{
    QByteArray record(InfoSize, '\0');
    record[0] = 0x18;  // controller type
    record[2] = 0x01;  // reference flag
    record[6] = 0x01;  // input 0: door closed
    record[7] = 0x18;  // both supplies good
    record[26] = 0x05; // reference run finished
    return record;
}

// Version text, '=', every active level 1 (active when set), a service
// interval of 1000.
QByteArray defaultConfig()
{
    QByteArray block(ConfigSize, '\0');
    block.replace(0, 5, "S1.0=");
    for (int at : {16, 17, 18, 19, 68, 69, 70, 71, 82, 83})
        block[at] = static_cast<char>(0xFF);
    constexpr quint16 serviceInterval = 1000;
    block[80] = static_cast<char>(serviceInterval & 0xFF);
    block[81] = static_cast<char>(serviceInterval >> 8);
    return block;
}

QByteArray countersRecord(qint32 a, qint32 b)
{
    QByteArray record(8, '\0');
    qToLittleEndian(a, record.data());
    qToLittleEndian(b, record.data() + 4);
    return record;
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

} // namespace

DoorSim::DoorSim(const Options &options, QFile *log, QObject *parent)
    : QObject(parent)
    , options(options)
    , log(log)
    , info(defaultInfo())
    , config(defaultConfig())
    , counters(countersRecord(1200, 200))
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

QString DoorSim::command(const QString &line)
{
    QStringList words = line.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty())
        return {};
    const QString verb = words.takeFirst();
    QByteArray bytes;

    if (verb == QLatin1String("info"))
        return setBytes(words, &info);
    if (verb == QLatin1String("config"))
        return setBytes(words, &config);
    if (verb == QLatin1String("counters") && words.size() == 2) {
        bool aOk = false, bOk = false;
        const qint32 a = words[0].toInt(&aOk);
        const qint32 b = words[1].toInt(&bOk);
        if (!aOk || !bOk)
            return QStringLiteral("counters take two numbers");
        counters = countersRecord(a, b);
        return {};
    }
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
        sendFrame(words[0].at(0).toLatin1(), bytes);
        return {};
    }
    if (verb == QLatin1String("quit") && words.isEmpty()) {
        emit quitRequested();
        return {};
    }
    return QStringLiteral("unknown command '%1'").arg(line.simplified());
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
        handleFrame(frame);
    }
}

void DoorSim::handleFrame(const QByteArray &frame)
{
    const char type = frame.at(2);
    const QByteArray payload = frame.mid(3, frame.size() - 4);
    switch (type) {
    case 'v':
        if (options.answerConfig)
            sendFrame('v', config);
        break;
    case 't':
        sendFrame('t', counters);
        break;
    case 'd':
        // The mode mask lands in the group-0 word, so exactly that mode lights.
        info.replace(GroupZeroWord, 4, payload.leftJustified(4, '\0', true));
        break;
    case 'W':
        config = payload.leftJustified(ConfigSize, '\0', true);
        break;
    default: // commands: only logged
        break;
    }
}

void DoorSim::sendFrame(char type, const QByteArray &payload)
{
    QByteArray frame;
    frame.append(ControllerStart);
    frame.append(static_cast<char>(payload.size() + 2));
    frame.append(type);
    frame.append(payload);
    frame.append(static_cast<char>(sumOf(frame)));
    sendRaw(frame);
}

void DoorSim::sendRaw(const QByteArray &bytes)
{
    port.write(bytes);
}

void DoorSim::sendInfo()
{
    sendFrame('i', info);
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
