#ifndef WORKER_H
#define WORKER_H

#include <QByteArray>
#include <QObject>
#include <QSerialPort>

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
class Worker : public QObject
{
    Q_OBJECT

public:
    explicit Worker(QObject *parent = nullptr);

    // Opens the port for reading and writing and clears both directions.
    // Called on every show of the main window; results are not looked at.
    void openPort();

    // The panel always talks on "COM1".  Tests put a link on a port of their
    // own, or every link made from then on, so that no test opens COM1.
    void setPortName(const QString &name);
    static void setDefaultPortName(const QString &name);

signals:
    void updated(quint8 what, QByteArray raw);

public slots:
    void sendCommand(quint8 cmd);
    void sendModeSwitch(QByteArray mode);
    void sendConfiguration(QByteArray config);

private slots:
    void readData();

private:
    bool handleFrontFrame();
    void cutToFrameStart();
    void writePending();

    static QByteArray commandFrame(quint8 code);

    // Per door build: whether a lone "+" collects the waiting request, and
    // whether the controller takes the four sensor commands.
    static const bool plusReleasesRequest;
    static const bool hasSensorCommands;

    QSerialPort serial;
    QByteArray rxBuffer;
    QByteArray pending;
    bool pendingIsDataRequest = false;
};

// '!', N, type, payload, sum: a frame from the panel to the controller.
QByteArray panelFrame(char type, const QByteArray &payload);

// The low 8 bits of the sum of all bytes.
quint8 frameSum(const QByteArray &bytes);

#endif // WORKER_H
