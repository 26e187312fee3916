#ifndef DOORSIM_H
#define DOORSIM_H

#include <QByteArray>
#include <QFile>
#include <QObject>
#include <QSerialPort>
#include <QString>
#include <QTimer>

// The door controller's side of the serial link, for tests and for running the
// panel on a desk.
//
// It sends an information record at a steady pace, answers the panel's
// requests for the configuration block ('v') and the counters ('t'), lights
// the requested mode on a mode switch ('d'), keeps a written configuration
// block ('W') and logs every frame the panel sends, one line per frame:
//     12:04:31.250 21 02 76 99
// A frame with a wrong sum, or bytes that start no frame, get a note after the
// bytes: "(bad sum)", "(no frame)".
class DoorSim : public QObject
{
    Q_OBJECT

public:
    struct Options {
        QString port;
        int intervalMs = 200;
        bool answerConfig = true;
        bool paused = false;
    };

    // Frames are logged to `log`, which must stay open while the simulator lives.
    DoorSim(const Options &options, QFile *log, QObject *parent = nullptr);

    // Opens the port and starts the records (unless paused).
    bool start(QString *error);

    // One line of the control channel; returns an error text, or an empty
    // string when the line was understood.
    QString command(const QString &line);

signals:
    void quitRequested();

private:
    void readPanel();
    void handleFrame(const QByteArray &frame);
    void sendFrame(char type, const QByteArray &payload);
    void sendRaw(const QByteArray &bytes);
    void sendInfo();
    void logLine(const QByteArray &bytes, const char *note = nullptr);

    Options options;
    QFile *log;
    QSerialPort port;
    QTimer pace;
    QByteArray rxBuffer;
    QByteArray info;
    QByteArray config;
    QByteArray counters;
};

#endif // DOORSIM_H
