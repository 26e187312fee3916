#include "worker.h"

#include "commandcode.h"

#include <QDebug>
#include <QLoggingCategory>
#include <QVector>

namespace {

constexpr char ControllerStart = '?';
constexpr char PanelStart = '!';
constexpr int FrameOverhead = 2; // start byte and N: the bytes N does not count
constexpr int ShortestFrame = 4; // start, N, type, sum
constexpr int ReopenMs = 1000;

bool isHandedOn(char type)
{
    return type == 'i' || type == 't' || type == 'v';
}

// Whether the hex dumps go anywhere: with the debug output switched off
// (QT_LOGGING_RULES="default.debug=false") they cost nothing.
bool debugOutputOn()
{
    return QLoggingCategory::defaultCategory()->isDebugEnabled();
}

quint8 sumOf(const char *bytes, int count)
{
    quint8 sum = 0;
    for (int i = 0; i < count; ++i)
        sum += static_cast<quint8>(bytes[i]);
    return sum;
}

} // namespace

quint8 frameSum(const QByteArray &bytes)
{
    return sumOf(bytes.constData(), bytes.size());
}

QByteArray panelFrame(char type, const QByteArray &payload)
{
    QByteArray frame;
    frame.reserve(payload.size() + 4);
    frame.append(PanelStart);
    frame.append(static_cast<char>(payload.size() + 2));
    frame.append(type);
    frame.append(payload);
    frame.append(static_cast<char>(frameSum(frame)));
    return frame;
}

Worker::Worker(const QString &portName, QObject *parent)
    : QObject(parent)
    , serial(this)
{
    serial.setPortName(portName);
    serial.setBaudRate(QSerialPort::Baud57600, QSerialPort::AllDirections);
    connect(&serial, &QSerialPort::readyRead, this, &Worker::readData);
    connect(&serial, &QSerialPort::errorOccurred, this, &Worker::portError);

    reopenTimer.setInterval(ReopenMs);
    connect(&reopenTimer, &QTimer::timeout, this, &Worker::reopenPort);
}

void Worker::openPort()
{
    if (serial.isOpen()) {
        serial.clear();
        return;
    }
    if (!openSerial() && !reopenTimer.isActive()) {
        qWarning().noquote() << "serial port" << serial.portName() << "cannot be opened:" << serial.errorString()
                             << "- trying again every second";
        portLost = true;
        reopenTimer.start();
    }
}

bool Worker::openSerial()
{
    if (!serial.open(QIODevice::ReadWrite))
        return false;
    serial.clear();
    return true;
}

// An error that ends the port: close it, so its notifier stops firing, and
// open it again when it comes back.  A device that went away reports a read
// error (a hang-up) on every notification, or that it is gone.
void Worker::portError(QSerialPort::SerialPortError error)
{
    if ((error != QSerialPort::ResourceError && error != QSerialPort::ReadError) || !serial.isOpen())
        return;
    qWarning().noquote() << "serial port" << serial.portName() << "lost:" << serial.errorString();
    serial.close();
    rxBuffer.clear();
    portLost = true;
    reopenTimer.start();
}

void Worker::reopenPort()
{
    if (!openSerial())
        return;
    reopenTimer.stop();
    if (portLost)
        qWarning().noquote() << "serial port" << serial.portName() << "open again";
    portLost = false;
}

void Worker::sendCommand(quint8 cmd)
{
    // Each code's frame is made once: some screens leave a request on every
    // refresh.
    static const QVector<QByteArray> frames = [] {
        QVector<QByteArray> all;
        for (int code = 0; code <= 0xFF; ++code)
            all.append(commandFrame(static_cast<quint8>(code)));
        return all;
    }();
    const QByteArray &frame = frames.at(cmd);
    if (frame.isEmpty())
        return;
    // A request for data goes out again on the next refresh anyway: it never
    // pushes out a waiting command, mode switch or block the user asked for.
    const bool dataRequest = cmd == CmdRequestCounters || cmd == CmdRequestConfig;
    if (dataRequest && !pending.isEmpty() && !pendingIsDataRequest)
        return;
    pending = frame;
    pendingIsDataRequest = dataRequest;
}

void Worker::sendModeSwitch(QByteArray mode)
{
    pending = panelFrame('d', mode);
    pendingIsDataRequest = false;
}

void Worker::sendConfiguration(QByteArray config)
{
    pending = panelFrame('W', config);
    pendingIsDataRequest = false;
}

// The fixed frame of each command code; empty for codes the build does not know.
QByteArray Worker::commandFrame(quint8 code)
{
    switch (code) {
    case CmdX:               return panelFrame('c', "X");    // 21 03 63 58 DF
    case CmdOnOff:           return panelFrame('c', "\x1b"); // 21 03 63 1B A2
    case CmdDeadman:         return panelFrame('c', "D");    // 21 03 63 44 CB
    case CmdReference:       return panelFrame('c', "R");    // 21 03 63 52 D9
    case CmdRequestCounters: return panelFrame('t', {});     // 21 02 74 97
    case CmdResetService:    return panelFrame('c', "S");    // 21 03 63 53 DA
    case CmdOpen:            return panelFrame('c', "O");    // 21 03 63 4F D6
    case CmdSealing:         return panelFrame('c', "L");    // 21 03 63 4C D3
    case CmdRequestConfig:   return panelFrame('v', {});     // 21 02 76 99
    default:                 break;
    }
    if (hasSensorCommands && code >= CmdSensor1 && code <= CmdSensor4) // 21 03 63 31 B8 ... 34 BB
        return panelFrame('c', QByteArray(1, static_cast<char>('1' + code - CmdSensor1)));
    return {};
}

void Worker::readData()
{
    const QByteArray answer = receive(serial.readAll());
    if (!answer.isEmpty())
        serial.write(answer);
}

QByteArray Worker::receive(const QByteArray &bytes)
{
    QByteArray answer;
    rxBuffer.append(bytes);

    if (plusReleasesRequest && rxBuffer == "+" && !pending.isEmpty()) {
        answer = takePending();
    } else {
        // Several frames can arrive in one read.  Each is handled in turn, so
        // the last one can still release the waiting request.
        while (handleFrontFrame(answer)) {
        }
    }
    cutToFrameStart();
    return answer;
}

// Handles the frame at the front of the buffer if it is there whole, and
// cuts the buffer to the next start byte.  Returns whether bytes were removed.
bool Worker::handleFrontFrame(QByteArray &answer)
{
    if (rxBuffer.size() < ShortestFrame || rxBuffer.at(0) != ControllerStart)
        return false;
    const int length = static_cast<quint8>(rxBuffer.at(1)) + FrameOverhead;
    if (rxBuffer.size() < length)
        return false;

    // (Summed and read in place: this runs for every byte a false start
    // byte gives up.)
    if (sumOf(rxBuffer.constData(), length - 1) != static_cast<quint8>(rxBuffer.at(length - 1))) {
        // Perhaps a data byte taken for a start byte: give up only that byte.
        cutToFrameStart(1);
        return true;
    }

    const char type = rxBuffer.at(2);
    const QByteArray payload = isHandedOn(type) ? rxBuffer.mid(3, length - ShortestFrame) : QByteArray();
    const bool endsBuffer = rxBuffer.size() == length;
    rxBuffer.remove(0, length);
    cutToFrameStart();

    if (endsBuffer && !pending.isEmpty())
        answer = takePending();

    if (isHandedOn(type)) {
        if (debugOutputOn())
            qDebug().noquote() << payload.toHex();
        emit updated(static_cast<quint8>(type), payload);
    }
    return true;
}

// Drops the bytes ahead of the first start byte at or after `from`.
void Worker::cutToFrameStart(int from)
{
    const int start = rxBuffer.indexOf(ControllerStart, from);
    if (start < 0)
        rxBuffer.clear();
    else
        rxBuffer.remove(0, start);
}

QByteArray Worker::takePending()
{
    if (debugOutputOn())
        qDebug().noquote() << pending.toHex();
    QByteArray frame;
    frame.swap(pending);
    return frame;
}
