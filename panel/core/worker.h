#ifndef WORKER_H
#define WORKER_H

#include <QByteArray>
#include <QObject>
#include <QSerialPort>
#include <QTimer>

// The serial link to the door controller.
//
// The controller speaks first.  Each of its frames is
//     '?'  N  type  payload (N - 2 bytes)  sum
// where the sum is the low byte of the sum of every byte before it.  The panel
// answers with at most one request, the one it holds waiting, and only right
// after a frame with a right sum that ends the receive buffer.  A newer
// request replaces a waiting one, except that a request for data (counters,
// configuration) never replaces a waiting request of another kind.  Frames of the types 'i', 't' and 'v' are
// handed on through updated().
//
// A frame whose sum is wrong gives up only its start byte: the search for the
// next '?' begins right after it, so a right frame that a false start byte
// (a 0x3F data byte after a lost byte) overlapped is still found.
//
// The port only moves bytes; receive() holds the link's rules over a byte
// buffer.  When the port ends (a USB adapter unplugged) it is closed, and
// while it is closed it is opened again about once a second.
class Worker : public QObject
{
    Q_OBJECT

public:
    // A link on the serial port named; the port is opened by openPort().
    explicit Worker(const QString &portName, QObject *parent = nullptr);

    // Opens the port for reading and writing and clears both directions.
    // Called on every show of the main window; results are not looked at.
    void openPort();

    // Takes bytes as they came from the controller and returns the request
    // they release (empty when none), which the caller writes to the line.
    QByteArray receive(const QByteArray &bytes);

signals:
    void updated(quint8 what, QByteArray raw);

public slots:
    void sendCommand(quint8 cmd);
    void sendModeSwitch(QByteArray mode);
    void sendConfiguration(QByteArray config);

private slots:
    void readData();
    void portError(QSerialPort::SerialPortError error);
    void reopenPort();

private:
    bool handleFrontFrame(QByteArray &answer);
    void cutToFrameStart(int from = 0);
    QByteArray takePending();
    bool openSerial();

    static QByteArray commandFrame(quint8 code);

    // Per door build (worker_<build>.cpp): whether a lone "+" collects the
    // waiting request, and whether the controller takes the four sensor
    // commands.
    static const bool plusReleasesRequest;
    static const bool hasSensorCommands;

    QSerialPort serial;
    QTimer reopenTimer;
    bool portLost = false; // a loss or failed open was logged: so is the reopening
    QByteArray rxBuffer;
    QByteArray pending;
    bool pendingIsDataRequest = false;
};

// '!', N, type, payload, sum: a frame from the panel to the controller.
QByteArray panelFrame(char type, const QByteArray &payload);

// The low 8 bits of the sum of all bytes.
quint8 frameSum(const QByteArray &bytes);

#endif // WORKER_H
